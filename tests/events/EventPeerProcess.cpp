#include "EventPeerProcess.h"

namespace ktest {
namespace {

std::string PeerPath()
{
    char szPath[MAX_PATH];
    const DWORD nLength = GetModuleFileNameA(NULL, szPath, MAX_PATH);
    std::string strPath(szPath, nLength);
    return strPath.substr(0, strPath.find_last_of('\\') + 1) + "event_peer.exe";
}

bool StartPeer(const std::string& strArgs, PROCESS_INFORMATION& pi)
{
    std::string strCommand = "\"" + PeerPath() + "\" " + strArgs;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    return CreateProcessA(NULL, &strCommand[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi) != FALSE;
}

int FinishPeer(PROCESS_INFORMATION& pi)
{
    DWORD nExitCode = static_cast<DWORD>(-1);
    if (WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &nExitCode);
    else
        TerminateProcess(pi.hProcess, 99);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(nExitCode);
}

} // namespace

int RunPeer(const std::string& strArgs)
{
    PROCESS_INFORMATION pi{};
    if (!StartPeer(strArgs, pi))
        return -1;
    return FinishPeer(pi);
}

PeerHolding::PeerHolding(const std::string& strName, BOOL bManual, BOOL bInitial)
    : m_strName(strName)
{
    HANDLE hReady = CreateEventA(NULL, TRUE, FALSE, (strName + ".ready").c_str());
    if (StartPeer("hold \"" + strName + "\" " + std::to_string(bManual) + " " + std::to_string(bInitial), m_pi)) {
        HANDLE handles[] = {hReady, m_pi.hProcess};
        m_bReady = WaitForMultipleObjects(2, handles, FALSE, 10000) == WAIT_OBJECT_0;
    }
    CloseHandle(hReady);
}

PeerHolding::~PeerHolding()
{
    if (m_pi.hProcess == NULL)
        return;
    HANDLE hQuit = CreateEventA(NULL, TRUE, FALSE, (m_strName + ".quit").c_str());
    SetEvent(hQuit);
    FinishPeer(m_pi);
    CloseHandle(hQuit);
}

} // namespace ktest
