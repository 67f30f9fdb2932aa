#include "DockBar.h"

#include "FrameWnd.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
    ON_MESSAGE(WM_SIZEPARENT, &CDockBar::OnSizeParent)
END_MESSAGE_MAP()

const AFX_DOCKEDGE afxDockEdges[4] = {
    { CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP },
    { CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM },
    { CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT },
    { CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT },
};

namespace
{
// The framework's window class for dock bars.
LPCSTR RegisterDockBarClass()
{
    return AfxRegisterWndClass("AfxDockBar", 0, LoadCursorA(nullptr, IDC_ARROW),
                               reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}
}

CDockBar* CDockBar::Create(CFrameWnd* pFrame, DWORD dwAlign, UINT nID)
{
    const LPCSTR lpszClassName = RegisterDockBarClass();
    if (!lpszClassName)
        return nullptr;
    std::unique_ptr<CDockBar> pDockBar(new CDockBar);
    if (!pDockBar->CreateBar(lpszClassName, WS_CLIPSIBLINGS | WS_CLIPCHILDREN, WS_VISIBLE | dwAlign,
                             RECT{ 0, 0, 0, 0 }, pFrame, nID))
        return nullptr;
    pDockBar->m_bAutoDelete = true;
    return pDockBar.release();
}

void CDockBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

void CDockBar::DockControlBar(CControlBar* pBar)
{
    if (pBar->m_pDockBar == this)
        return;
    if (pBar->m_pDockBar)
        pBar->m_pDockBar->RemoveControlBar(pBar);
    ::SetParent(pBar->m_hWnd, m_hWnd);
    pBar->m_pDockBar = this;
    m_arrBars.push_back(pBar);
    pBar->SetBarStyle(pBar->DockedStyle(GetAlignment()));
}

void CDockBar::RemoveControlBar(CControlBar* pBar)
{
    m_arrBars.erase(std::remove(m_arrBars.begin(), m_arrBars.end(), pBar), m_arrBars.end());
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar = nullptr;
}

void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    // No items of its own: its bars update theirs.
}

LRESULT CDockBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    // Each visible bar gets a row (or column) of its own, in docking order.
    const BOOL bHorz = IsHorz();
    int nThickness = 0;
    for (CControlBar* pBar : m_arrBars)
    {
        if (!pBar->IsVisible())
            continue;
        const SIZE size = pBar->CalcFixedLayout(bHorz);
        const int x = bHorz ? 0 : nThickness;
        const int y = bHorz ? nThickness : 0;
        SetWindowPos(pBar->m_hWnd, nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        nThickness += bHorz ? size.cy : size.cx;
    }
    PlaceAtEdge(reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam), SIZE{ nThickness, nThickness }, TRUE);
    return 0;
}
