#pragma once
// Runs event_peer.exe, the test's second process, from beside this test.
#include <windows.h>

#include <string>

namespace ktest {

// Runs "event_peer ARGS" to its end (at most 10 s); its exit code, or -1.
int RunPeer(const std::string& strArgs);

// Another process that holds a named event from construction to
// destruction.
class PeerHolding
{
public:
    PeerHolding(const std::string& strName, BOOL bManual, BOOL bInitial);
    ~PeerHolding();
    PeerHolding(const PeerHolding&) = delete;
    PeerHolding& operator=(const PeerHolding&) = delete;

    bool Ready() const { return m_bReady; }

private:
    std::string m_strName;
    PROCESS_INFORMATION m_pi{};
    bool m_bReady = false;
};

} // namespace ktest
