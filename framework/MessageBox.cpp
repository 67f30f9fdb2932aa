#include "MessageBox.h"

#include "WinApp.h"
#include "Wnd.h"

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    strPrompt.LoadString(nIDPrompt);
    if (nIDHelp == static_cast<UINT>(-1))
        nIDHelp = nIDPrompt;
    return AfxMessageBox(strPrompt, nType, nIDHelp);
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT)
{
    if ((nType & MB_ICONMASK) == 0)
        nType |= MB_ICONEXCLAMATION;
    const CWinApp* pApp = AfxGetApp();
    return MessageBoxA(AfxGetSafeOwner(nullptr), lpszText, pApp ? pApp->m_pszAppName : nullptr, nType);
}

CString AfxFormatString1(UINT nIDS, LPCSTR lpsz1)
{
    CString strFormat;
    strFormat.LoadString(nIDS);
    // Byte by byte: no lead or trail byte of a double-byte character in an
    // ANSI code page is '%' or '1'.
    CString strResult;
    for (LPCSTR p = strFormat; *p; ++p) {
        if (p[0] == '%' && p[1] == '1') {
            strResult += lpsz1;
            ++p;
        } else {
            strResult += *p;
        }
    }
    return strResult;
}

HWND AfxGetSafeOwner(HWND hWndParent)
{
    HWND hWnd = hWndParent;
    if (!hWnd) {
        const CWinApp* pApp = AfxGetApp();
        hWnd = pApp && pApp->m_pMainWnd ? pApp->m_pMainWnd->GetSafeHwnd() : nullptr;
    }
    if (!hWnd)
        return nullptr;
    hWnd = GetAncestor(hWnd, GA_ROOT);
    return hWndParent ? hWnd : GetLastActivePopup(hWnd);
}
