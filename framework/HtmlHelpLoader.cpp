#include "HtmlHelpLoader.h"

HWND CHtmlHelpLoader::Call(HWND hWndCaller, LPCSTR lpszFile, UINT uCommand, DWORD_PTR dwData)
{
    if (!m_pfnHtmlHelp)
    {
        const HMODULE hLibrary = LoadLibraryA(m_lpszLibrary);
        if (!hLibrary)
            return nullptr;
        m_pfnHtmlHelp = reinterpret_cast<PFNHTMLHELPA>(
            reinterpret_cast<void*>(GetProcAddress(hLibrary, "HtmlHelpA")));
        if (!m_pfnHtmlHelp)
        {
            FreeLibrary(hLibrary);
            return nullptr;
        }
    }
    return m_pfnHtmlHelp(hWndCaller, lpszFile, uCommand, dwData);
}
