#include "MiniDockFrameWnd.h"

#include "ControlBar.h"
#include "DockContext.h"
#include "FrameWnd.h"

#include <windowsx.h>

#include <climits>
#include <memory>

IMPLEMENT_DYNAMIC(CMiniDockFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CWnd)
    ON_MESSAGE(WM_NCLBUTTONDOWN, &CMiniDockFrameWnd::OnNcLButtonDown)
    ON_MESSAGE(WM_NCLBUTTONDBLCLK, &CMiniDockFrameWnd::OnNcLButtonDblClk)
    ON_MESSAGE(WM_SIZING, &CMiniDockFrameWnd::OnSizing)
    ON_MESSAGE(WM_GETMINMAXINFO, &CMiniDockFrameWnd::OnGetMinMaxInfo)
    ON_MESSAGE(WM_MOUSEACTIVATE, &CMiniDockFrameWnd::OnMouseActivate)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CMiniDockFrameWnd::OnIdleUpdateCmdUI)
    ON_WM_SIZE()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

namespace
{
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

// The framework's window class for floating bars.
LPCSTR RegisterMiniFrameClass()
{
    return AfxRegisterWndClass("AfxMiniDockFrame", CS_DBLCLKS, LoadCursorA(nullptr, IDC_ARROW),
                               reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}
}

DWORD CMiniDockFrameWnd::WindowStyle(const CControlBar& bar)
{
    const DWORD dwSizing = (bar.GetBarStyle() & CBRS_SIZE_DYNAMIC) ? WS_THICKFRAME : 0;
    return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | dwSizing;
}

SIZE CMiniDockFrameWnd::CalcWindowSize(const CControlBar& bar, SIZE sizeBar)
{
    RECT rc = { 0, 0, sizeBar.cx, sizeBar.cy };
    AdjustWindowRectEx(&rc, WindowStyle(bar), FALSE, kExStyle);
    return { rc.right - rc.left, rc.bottom - rc.top };
}

CMiniDockFrameWnd* CMiniDockFrameWnd::Create(CFrameWnd* pFrame, CControlBar* pBar, POINT point)
{
    const LPCSTR lpszClassName = RegisterMiniFrameClass();
    if (!lpszClassName)
        return nullptr;
    std::unique_ptr<CMiniDockFrameWnd> pMiniFrame(new CMiniDockFrameWnd);
    pMiniFrame->m_pBar = pBar;
    pMiniFrame->m_pDockSite = pFrame;
    if (!pMiniFrame->CreateEx(kExStyle, lpszClassName, pBar->GetWindowText(), WindowStyle(*pBar), point.x,
                              point.y, 0, 0, pFrame->m_hWnd, nullptr))
        return nullptr;
    pMiniFrame->m_bAutoDelete = true;
    return pMiniFrame.release();
}

CMiniDockFrameWnd* CMiniDockFrameWnd::FromBar(const CControlBar& bar)
{
    CWnd* pParent = bar.GetParent();
    return pParent && pParent->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)) ? static_cast<CMiniDockFrameWnd*>(pParent)
                                                                          : nullptr;
}

void CMiniDockFrameWnd::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

void CMiniDockFrameWnd::AttachBar()
{
    ::SetParent(m_pBar->m_hWnd, m_hWnd);
    m_pBar->SetBarStyle(m_pBar->FloatingStyle());
    // Floated anew, the items stand in one row.
    const SIZE size = CalcWindowSize(*m_pBar, m_pBar->CalcDynamicLayout(INT_MAX));
    SetWindowPos(m_hWnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_pBar->IsVisible())
        ShowWindow(SW_SHOWNOACTIVATE);
    // Its caption looks active while its frame's does (CFrameWnd::OnNcActivate).
    SendMessage(WM_NCACTIVATE, GetActiveWindow() == m_pDockSite->m_hWnd);
}

void CMiniDockFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    Default();
    // Before AttachBar the bar is still elsewhere.
    if (nType == SIZE_MINIMIZED || ::GetParent(m_pBar->m_hWnd) != m_hWnd)
        return;
    m_pBar->CalcDynamicLayout(cx);
    SetWindowPos(m_pBar->m_hWnd, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CMiniDockFrameWnd::OnSizing(WPARAM wParam, LPARAM lParam)
{
    // The window snaps to the sizes the rows of items give: the width
    // decides when a side is dragged, the height when the top or bottom is.
    RECT* pRect = reinterpret_cast<RECT*>(lParam);
    const SIZE sizeFrame = CalcWindowSize(*m_pBar, SIZE{ 0, 0 });
    SIZE size;
    if (wParam == WMSZ_TOP || wParam == WMSZ_BOTTOM)
    {
        const int cyWanted = pRect->bottom - pRect->top - sizeFrame.cy;
        // The narrowest arrangement that is not taller than wanted.
        size = m_pBar->CalcDynamicLayout(INT_MAX);
        for (;;)
        {
            const SIZE sizeNarrower = m_pBar->CalcDynamicLayout(size.cx - 1);
            if (sizeNarrower.cx >= size.cx || sizeNarrower.cy > cyWanted)
                break;
            size = sizeNarrower;
        }
        m_pBar->CalcDynamicLayout(size.cx);
    }
    else
    {
        size = m_pBar->CalcDynamicLayout(pRect->right - pRect->left - sizeFrame.cx);
    }

    const int cx = size.cx + sizeFrame.cx;
    const int cy = size.cy + sizeFrame.cy;
    if (wParam == WMSZ_LEFT || wParam == WMSZ_TOPLEFT || wParam == WMSZ_BOTTOMLEFT)
        pRect->left = pRect->right - cx;
    else
        pRect->right = pRect->left + cx;
    if (wParam == WMSZ_TOP || wParam == WMSZ_TOPLEFT || wParam == WMSZ_TOPRIGHT)
        pRect->top = pRect->bottom - cy;
    else
        pRect->bottom = pRect->top + cy;
    return TRUE;
}

LRESULT CMiniDockFrameWnd::OnGetMinMaxInfo(WPARAM, LPARAM lParam)
{
    // The rows of items bound the size (OnSizing), not the system's minimum
    // for windows with a caption: a single column is narrower than that.
    MINMAXINFO* pInfo = reinterpret_cast<MINMAXINFO*>(lParam);
    const SIZE size = CalcWindowSize(*m_pBar, SIZE{ 0, 0 });
    pInfo->ptMinTrackSize = { size.cx, size.cy };
    return 0;
}

LRESULT CMiniDockFrameWnd::OnNcLButtonDown(WPARAM wParam, LPARAM lParam)
{
    CDockContext* pDockContext = m_pBar->GetDockContext();
    if (wParam != HTCAPTION || !pDockContext)
        return Default();
    // Docking the bar may destroy this window; nothing here is touched after.
    pDockContext->StartDrag(POINT{ GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) });
    return 0;
}

LRESULT CMiniDockFrameWnd::OnNcLButtonDblClk(WPARAM wParam, LPARAM)
{
    CDockContext* pDockContext = m_pBar->GetDockContext();
    if (wParam != HTCAPTION || !pDockContext)
        return Default();
    pDockContext->ToggleDocking();
    return 0;
}

LRESULT CMiniDockFrameWnd::OnMouseActivate(WPARAM, LPARAM)
{
    // Clicking the floating bar leaves the frame active.
    return MA_NOACTIVATE;
}

LRESULT CMiniDockFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    SendMessageToDescendants(WM_IDLEUPDATECMDUI, wParam);
    return 0;
}

void CMiniDockFrameWnd::OnClose()
{
    m_pDockSite->ShowControlBar(m_pBar, FALSE);
}
