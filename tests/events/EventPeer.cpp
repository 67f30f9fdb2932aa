// A second process for the event tests: holds, probes or signals a named
// event as another program would.
//
//   event_peer hold NAME MANUAL INITIAL   create NAME, set NAME.ready, wait
//                                         (at most 30 s) for NAME.quit
//   event_peer probe NAME                 exit 1 signaled, 0 not, 2 no event
//   event_peer set NAME / reset NAME      exit 0, or 2 when there is no event
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int Hold(const char* pszName, BOOL bManual, BOOL bInitial)
{
    HANDLE hEvent = CreateEventA(NULL, bManual, bInitial, pszName);
    if (hEvent == NULL)
        return 2;
    const std::string strName(pszName);
    HANDLE hReady = CreateEventA(NULL, TRUE, FALSE, (strName + ".ready").c_str());
    HANDLE hQuit = CreateEventA(NULL, TRUE, FALSE, (strName + ".quit").c_str());
    SetEvent(hReady);
    WaitForSingleObject(hQuit, 30000);
    CloseHandle(hQuit);
    CloseHandle(hReady);
    CloseHandle(hEvent);
    return 0;
}

int WithOpened(const char* pszName, int (*pfnAct)(HANDLE))
{
    HANDLE hEvent = OpenEventA(EVENT_ALL_ACCESS, FALSE, pszName);
    if (hEvent == NULL)
        return 2;
    const int nResult = pfnAct(hEvent);
    CloseHandle(hEvent);
    return nResult;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 5 && std::strcmp(argv[1], "hold") == 0)
        return Hold(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    if (argc == 3 && std::strcmp(argv[1], "probe") == 0)
        return WithOpened(argv[2], [](HANDLE h) { return WaitForSingleObject(h, 0) == WAIT_OBJECT_0 ? 1 : 0; });
    if (argc == 3 && std::strcmp(argv[1], "set") == 0)
        return WithOpened(argv[2], [](HANDLE h) { return SetEvent(h) ? 0 : 3; });
    if (argc == 3 && std::strcmp(argv[1], "reset") == 0)
        return WithOpened(argv[2], [](HANDLE h) { return ResetEvent(h) ? 0 : 3; });
    return 64;
}
