// A stand-in for the help control library: exports HtmlHelpA, records the
// last call and returns the caller's window as the "viewer".
#include <windows.h>

namespace
{
HWND s_hWndCaller = nullptr;
char s_szFile[MAX_PATH] = "";
UINT s_uCommand = 0;
DWORD_PTR s_dwData = 0;
int s_nCalls = 0;
}

extern "C" __declspec(dllexport) HWND WINAPI HtmlHelpA(HWND hWndCaller, LPCSTR pszFile, UINT uCommand,
                                                      DWORD_PTR dwData)
{
    ++s_nCalls;
    s_hWndCaller = hWndCaller;
    lstrcpynA(s_szFile, pszFile ? pszFile : "", MAX_PATH);
    s_uCommand = uCommand;
    s_dwData = dwData;
    return hWndCaller;
}

// The last call: its arguments, and the number of calls so far.
extern "C" __declspec(dllexport) int WINAPI FakeHelpLastCall(HWND* phWndCaller, LPSTR pszFile, UINT* puCommand,
                                                            DWORD_PTR* pdwData)
{
    *phWndCaller = s_hWndCaller;
    lstrcpynA(pszFile, s_szFile, MAX_PATH);
    *puCommand = s_uCommand;
    *pdwData = s_dwData;
    return s_nCalls;
}
