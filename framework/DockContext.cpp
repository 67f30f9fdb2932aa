#include "DockContext.h"

#include "DockBar.h"
#include "DragRectWnd.h"
#include "FrameWnd.h"
#include "MiniDockFrameWnd.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace
{
// How far from an empty edge a dragged bar still docks there.
constexpr int kDockSnap = 8;
// Thickness of the drag rectangle: docking and floating.
constexpr int kThinFrame = 2;
constexpr int kThickFrame = 4;

POINT ScreenPoint(const MSG& msg)
{
    POINT pt = { GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam) };
    ClientToScreen(msg.hwnd, &pt);
    return pt;
}

BOOL Intersects(const RECT& a, const RECT& b)
{
    RECT rc;
    return IntersectRect(&rc, &a, &b);
}

// The room the dock bar takes, or for one without bars a thin band along
// its edge, where a dragged bar docks.
RECT DockZone(HWND hWndDockBar, DWORD dwAlign)
{
    RECT rc;
    GetWindowRect(hWndDockBar, &rc);
    if (dwAlign & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM))
    {
        if (rc.bottom - rc.top == 0)
            InflateRect(&rc, 0, kDockSnap);
    }
    else if (rc.right - rc.left == 0)
    {
        InflateRect(&rc, kDockSnap, 0);
    }
    return rc;
}
}

CDockContext::Shapes CDockContext::MeasureShapes() const
{
    // Measuring arranges the items; they are arranged back as they are shown.
    Shapes shapes;
    shapes.sizeHorz = m_pBar->CalcFixedLayout(TRUE);
    shapes.sizeVert = m_pBar->CalcFixedLayout(FALSE);
    RECT rcBar;
    m_pBar->GetWindowRect(&rcBar);
    if (m_pBar->IsFloating())
    {
        RECT rcWindow;
        ::GetWindowRect(::GetParent(m_pBar->m_hWnd), &rcWindow);
        shapes.sizeFloat = { rcWindow.right - rcWindow.left, rcWindow.bottom - rcWindow.top };
        m_pBar->CalcDynamicLayout(rcBar.right - rcBar.left);
    }
    else
    {
        shapes.sizeFloat = CMiniDockFrameWnd::CalcWindowSize(*m_pBar, m_pBar->CalcDynamicLayout(INT_MAX));
        m_pBar->CalcFixedLayout(m_pBar->IsHorz());
    }
    return shapes;
}

RECT CDockContext::ShapeAt(POINT pt, SIZE size) const
{
    // The mouse keeps its place in the rectangle as far as the shape allows.
    const LONG dx = (std::min)(m_ptOffset.x, size.cx - 1);
    const LONG dy = (std::min)(m_ptOffset.y, size.cy - 1);
    const RECT rc = { pt.x - dx, pt.y - dy, pt.x - dx + size.cx, pt.y - dy + size.cy };
    return rc;
}

UINT CDockContext::DockBarAt(POINT pt) const
{
    const CFrameWnd* pFrame = m_pBar->GetDockingFrame();
    if (!pFrame)
        return 0;
    for (const AFX_DOCKEDGE& edge : afxDockEdges)
    {
        const HWND hWndDockBar = pFrame->GetDlgItem(static_cast<int>(edge.nID));
        if (!(m_pBar->GetEnabledAlignment() & edge.dwAlign) || !hWndDockBar)
            continue;
        const BOOL bHorz = (edge.dwAlign & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0;
        const RECT rcShape = ShapeAt(pt, bHorz ? m_shapes.sizeHorz : m_shapes.sizeVert);
        if (Intersects(rcShape, DockZone(hWndDockBar, edge.dwAlign)))
            return edge.nID;
    }
    return 0;
}

void CDockContext::StartDrag(POINT ptScreen)
{
    const HWND hWnd = m_pBar->m_hWnd;
    m_shapes = MeasureShapes();
    RECT rcStart;
    if (m_pBar->IsFloating())
        ::GetWindowRect(::GetParent(hWnd), &rcStart);
    else
        m_pBar->GetWindowRect(&rcStart);
    m_ptStart = ptScreen;
    m_ptOffset = { ptScreen.x - rcStart.left, ptScreen.y - rcStart.top };

    SetCapture(hWnd);
    CFrameWnd* pFrame = m_pBar->GetDockingFrame();
    CDragRectWnd feedback(pFrame ? pFrame->m_hWnd : nullptr);
    Track(ptScreen);
    feedback.Show(m_rectTrack, m_nTrackDockBarID ? kThinFrame : kThickFrame);

    BOOL bDrop = FALSE;
    POINT ptDrop = ptScreen;
    while (GetCapture() == hWnd)
    {
        MSG msg;
        if (!GetMessageA(&msg, nullptr, 0, 0))
        {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        switch (msg.message)
        {
        case WM_MOUSEMOVE:
            Track(ScreenPoint(msg));
            feedback.Show(m_rectTrack, m_nTrackDockBarID ? kThinFrame : kThickFrame);
            break;
        case WM_LBUTTONUP:
            ptDrop = ScreenPoint(msg);
            bDrop = TRUE;
            ReleaseCapture();
            break;
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
                ReleaseCapture();
            break;
        case WM_RBUTTONDOWN:
            ReleaseCapture();
            break;
        default:
            DispatchMessageA(&msg);
            break;
        }
    }
    if (GetCapture() == hWnd)
        ReleaseCapture();
    feedback.DestroyWindow();
    if (bDrop)
        Drop(ptDrop);
}

void CDockContext::Track(POINT pt)
{
    m_nTrackDockBarID = DockBarAt(pt);
    if (!m_nTrackDockBarID)
    {
        m_rectTrack = ShapeAt(pt, m_shapes.sizeFloat);
        return;
    }
    const BOOL bHorz = m_nTrackDockBarID == AFX_IDW_DOCKBAR_TOP || m_nTrackDockBarID == AFX_IDW_DOCKBAR_BOTTOM;
    m_rectTrack = ShapeAt(pt, bHorz ? m_shapes.sizeHorz : m_shapes.sizeVert);
}

void CDockContext::Drop(POINT pt)
{
    // A click that did not move the mouse leaves the bar alone.
    if (abs(pt.x - m_ptStart.x) < GetSystemMetrics(SM_CXDRAG)
        && abs(pt.y - m_ptStart.y) < GetSystemMetrics(SM_CYDRAG))
        return;
    CFrameWnd* pFrame = m_pBar->GetDockingFrame();
    if (!pFrame)
        return;
    Track(pt);
    if (m_nTrackDockBarID)
        pFrame->DockControlBar(m_pBar, m_nTrackDockBarID);
    else
        pFrame->FloatControlBar(m_pBar, POINT{ m_rectTrack.left, m_rectTrack.top });
}

void CDockContext::ToggleDocking()
{
    CFrameWnd* pFrame = m_pBar->GetDockingFrame();
    if (!pFrame)
        return;
    if (m_pBar->IsFloating())
    {
        pFrame->DockControlBar(m_pBar, m_nMRUDockID);
        return;
    }
    POINT pt = m_ptMRUFloatPos;
    if (!m_bMRUFloatPos)
    {
        // First time: the floating window opens where the bar is.
        RECT rcBar;
        m_pBar->GetWindowRect(&rcBar);
        pt = { rcBar.left, rcBar.top };
    }
    pFrame->FloatControlBar(m_pBar, pt);
}
