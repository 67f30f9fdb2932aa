// CFrameWnd's control bars: dock bars along its edges, docking, floating,
// showing and hiding bars, and the show-bar command.
#include "FrameWnd.h"

#include "DockBar.h"
#include "DockContext.h"
#include "MiniDockFrameWnd.h"

#include <vector>

namespace
{
// The control bar child nID of hWndParent or of one of its descendants.
CControlBar* FindControlBar(HWND hWndParent, UINT nID)
{
    for (HWND hWnd = GetWindow(hWndParent, GW_CHILD); hWnd; hWnd = GetWindow(hWnd, GW_HWNDNEXT))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CControlBar)) && static_cast<UINT>(GetDlgCtrlID(hWnd)) == nID)
            return static_cast<CControlBar*>(pWnd);
        if (CControlBar* pBar = FindControlBar(hWnd, nID))
            return pBar;
    }
    return nullptr;
}

// The floating windows of the bars of one frame.
struct FloatingWindowSearch
{
    HWND hWndFrame;
    std::vector<CMiniDockFrameWnd*> windows;
};

BOOL CALLBACK CollectFloatingWindow(HWND hWnd, LPARAM lParam)
{
    FloatingWindowSearch* pSearch = reinterpret_cast<FloatingWindowSearch*>(lParam);
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)) && GetWindow(hWnd, GW_OWNER) == pSearch->hWndFrame)
        pSearch->windows.push_back(static_cast<CMiniDockFrameWnd*>(pWnd));
    return TRUE;
}

std::vector<CMiniDockFrameWnd*> FloatingWindowsOf(HWND hWndFrame)
{
    FloatingWindowSearch search = { hWndFrame, {} };
    EnumThreadWindows(GetCurrentThreadId(), CollectFloatingWindow, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    for (const AFX_DOCKEDGE& edge : afxDockEdges)
    {
        if ((dwDockStyle & edge.dwAlign) && !GetDlgItem(static_cast<int>(edge.nID)))
            CDockBar::Create(this, edge.dwAlign, edge.nID);
    }
    // The layout asks the dock bars in their z-order: the rows at the top and
    // bottom span the frame, the columns fit between them.
    for (const AFX_DOCKEDGE& edge : afxDockEdges)
    {
        if (const HWND hWndDockBar = GetDlgItem(static_cast<int>(edge.nID)))
            SetWindowPos(hWndDockBar, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID)
{
    if (nDockBarID == 0)
    {
        // The edge the bar is aligned to; an edge it may dock at otherwise.
        for (const AFX_DOCKEDGE& edge : afxDockEdges)
        {
            if ((pBar->GetBarStyle() & edge.dwAlign) && GetDlgItem(static_cast<int>(edge.nID)))
            {
                nDockBarID = edge.nID;
                break;
            }
        }
        for (const AFX_DOCKEDGE& edge : afxDockEdges)
        {
            if (nDockBarID == 0 && (pBar->GetEnabledAlignment() & edge.dwAlign)
                && GetDlgItem(static_cast<int>(edge.nID)))
                nDockBarID = edge.nID;
        }
    }
    CWnd* pWnd = FromHandlePermanent(GetDlgItem(static_cast<int>(nDockBarID)));
    if (!pWnd || !pWnd->IsKindOf(RUNTIME_CLASS(CDockBar)))
        return;

    CMiniDockFrameWnd* pMiniFrame = CMiniDockFrameWnd::FromBar(*pBar);
    CDockContext* pDockContext = pBar->GetDockContext();
    if (pMiniFrame && pDockContext)
    {
        RECT rc;
        pMiniFrame->GetWindowRect(&rc);
        pDockContext->m_ptMRUFloatPos = { rc.left, rc.top };
        pDockContext->m_bMRUFloatPos = TRUE;
    }
    static_cast<CDockBar*>(pWnd)->DockControlBar(pBar);
    if (pMiniFrame)
        pMiniFrame->DestroyWindow();
    RecalcLayout();
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, POINT point)
{
    if (CDockContext* pDockContext = pBar->GetDockContext())
    {
        pDockContext->m_ptMRUFloatPos = point;
        pDockContext->m_bMRUFloatPos = TRUE;
    }
    if (CMiniDockFrameWnd* pMiniFrame = CMiniDockFrameWnd::FromBar(*pBar))
    {
        SetWindowPos(pMiniFrame->m_hWnd, nullptr, point.x, point.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }

    CMiniDockFrameWnd* pMiniFrame = CMiniDockFrameWnd::Create(this, pBar, point);
    if (!pMiniFrame)
        return;
    if (CDockBar* pDockBar = pBar->GetDockBar())
    {
        if (CDockContext* pDockContext = pBar->GetDockContext())
            pDockContext->m_nMRUDockID = static_cast<UINT>(pDockBar->GetDlgCtrlID());
        pDockBar->RemoveControlBar(pBar);
    }
    pMiniFrame->AttachBar();
    RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow)
{
    const int nCmdShow = bShow ? SW_SHOWNOACTIVATE : SW_HIDE;
    pBar->ShowWindow(nCmdShow);
    if (CMiniDockFrameWnd* pMiniFrame = CMiniDockFrameWnd::FromBar(*pBar))
        pMiniFrame->ShowWindow(nCmdShow);
    RecalcLayout();
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) const
{
    if (CControlBar* pBar = FindControlBar(m_hWnd, nID))
        return pBar;
    for (CMiniDockFrameWnd* pMiniFrame : FloatingWindowsOf(m_hWnd))
    {
        if (static_cast<UINT>(pMiniFrame->GetControlBar()->GetDlgCtrlID()) == nID)
            return pMiniFrame->GetControlBar();
    }
    return nullptr;
}

LRESULT CFrameWnd::OnNcActivate(WPARAM wParam, LPARAM)
{
    for (CMiniDockFrameWnd* pMiniFrame : FloatingWindowsOf(m_hWnd))
        pMiniFrame->SendMessage(WM_NCACTIVATE, wParam);
    return Default();
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    const CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (!pBar)
    {
        pCmdUI->Enable(FALSE);
        return;
    }
    pCmdUI->SetCheck(pBar->IsVisible() ? 1 : 0);
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CControlBar* pBar = GetControlBar(nID);
    if (!pBar)
        return FALSE;
    ShowControlBar(pBar, !pBar->IsVisible());
    return TRUE;
}
