#pragma once
// HtmlHelpA taken at run time from the help control library.
//
// The library is loaded on the first call. Once "HtmlHelpA" has been found
// the library stays loaded until the process ends (the viewer's threads run
// code from it); when loading or the look-up fails, the next call tries again.
#include <windows.h>

// The compiled-help commands the framework issues.
constexpr UINT AFX_HH_DISPLAY_TOC = 0x0001;
constexpr UINT AFX_HH_HELP_CONTEXT = 0x000F;

class CHtmlHelpLoader
{
public:
    explicit CHtmlHelpLoader(LPCSTR lpszLibrary = "hhctrl.ocx") : m_lpszLibrary(lpszLibrary) {}

    // The viewer window HtmlHelpA returns, or null when the library, its
    // export or the call fails.
    HWND Call(HWND hWndCaller, LPCSTR lpszFile, UINT uCommand, DWORD_PTR dwData);

    BOOL IsLoaded() const { return m_pfnHtmlHelp != nullptr; }

private:
    using PFNHTMLHELPA = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

    LPCSTR m_lpszLibrary;
    PFNHTMLHELPA m_pfnHtmlHelp = nullptr;
};
