#include "ControlBar.h"

#include "DockBar.h"
#include "DockContext.h"
#include "FrameWnd.h"

#include <windowsx.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, &CControlBar::OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_NCCALCSIZE, &CControlBar::OnNcCalcSize)
    ON_MESSAGE(WM_NCPAINT, &CControlBar::OnNcPaint)
    ON_MESSAGE(WM_NCHITTEST, &CControlBar::OnNcHitTest)
    ON_MESSAGE(WM_ERASEBKGND, &CControlBar::OnEraseBkgnd)
    ON_MESSAGE(WM_LBUTTONDOWN, &CControlBar::OnLButtonDown)
    ON_MESSAGE(WM_LBUTTONDBLCLK, &CControlBar::OnLButtonDblClk)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
// Width of a border line (an etched edge) and of the gripper's strip.
constexpr int kBorderWidth = 2;
constexpr int kGripperWidth = 8;
}

CControlBar::CControlBar() = default;

CControlBar::~CControlBar() = default;

BOOL CControlBar::CreateBar(LPCSTR lpszClassName, DWORD dwCtrlStyle, DWORD dwStyle, const RECT& rcBorders,
                            CWnd* pParentWnd, UINT nID)
{
    // The insets must be known when the window first asks for its client area.
    m_dwStyle = dwStyle & CBRS_ALL;
    m_rectBorders = rcBorders;
    m_pDockSite = pParentWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(pParentWnd)
                                                                 : pParentWnd->GetParentFrame();
    const DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | WS_CHILD;
    return CWnd::CreateEx(0, lpszClassName, nullptr, dwWndStyle, 0, 0, 0, 0, pParentWnd->m_hWnd,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if (m_dwStyle == dwStyle)
        return;
    m_dwStyle = dwStyle;
    if (m_hWnd)
        SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

DWORD CControlBar::DockedStyle(DWORD dwAlign) const
{
    DWORD dwBorder = CBRS_BORDER_BOTTOM;
    switch (dwAlign)
    {
    case CBRS_ALIGN_LEFT: dwBorder = CBRS_BORDER_RIGHT; break;
    case CBRS_ALIGN_RIGHT: dwBorder = CBRS_BORDER_LEFT; break;
    case CBRS_ALIGN_BOTTOM: dwBorder = CBRS_BORDER_TOP; break;
    default: break;
    }
    return (m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_BORDER_ANY | CBRS_FLOATING)) | dwAlign | dwBorder;
}

DWORD CControlBar::FloatingStyle() const
{
    return (m_dwStyle & ~CBRS_BORDER_ANY) | CBRS_FLOATING;
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
    if (!m_pDockContext)
        m_pDockContext = std::make_unique<CDockContext>(this);
}

SIZE CControlBar::CalcFixedLayout(BOOL bHorz)
{
    const RECT insets = CalcInsets(DockedStyle(bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT));
    return { insets.left + insets.right, insets.top + insets.bottom };
}

SIZE CControlBar::CalcDynamicLayout(int)
{
    const RECT insets = CalcInsets(FloatingStyle());
    return { insets.left + insets.right, insets.top + insets.bottom };
}

RECT CControlBar::CalcInsets(DWORD dwStyle) const
{
    RECT insets = m_rectBorders;
    if (dwStyle & CBRS_BORDER_LEFT)
        insets.left += kBorderWidth;
    if (dwStyle & CBRS_BORDER_TOP)
        insets.top += kBorderWidth;
    if (dwStyle & CBRS_BORDER_RIGHT)
        insets.right += kBorderWidth;
    if (dwStyle & CBRS_BORDER_BOTTOM)
        insets.bottom += kBorderWidth;
    // The gripper leads the row or the column; the window's caption takes
    // its place while the bar floats.
    if ((dwStyle & CBRS_GRIPPER) && !(dwStyle & CBRS_FLOATING))
    {
        if (IsHorzStyle(dwStyle))
            insets.left += kGripperWidth;
        else
            insets.top += kGripperWidth;
    }
    return insets;
}

BOOL CControlBar::IsOnItem(POINT) const
{
    return FALSE;
}

void CControlBar::PlaceAtEdge(AFX_SIZEPARENTPARAMS* pLayout, SIZE size, BOOL bStretch) const
{
    RECT& rcFree = pLayout->rect;
    RECT rc = rcFree;
    if (m_dwStyle & CBRS_ALIGN_TOP)
    {
        rc.bottom = rc.top = rcFree.top;
        rc.bottom += size.cy;
        rcFree.top = (std::min)(rc.bottom, rcFree.bottom);
    }
    else if (m_dwStyle & CBRS_ALIGN_BOTTOM)
    {
        rc.top = rc.bottom = rcFree.bottom;
        rc.top -= size.cy;
        rcFree.bottom = (std::max)(rc.top, rcFree.top);
    }
    else if (m_dwStyle & CBRS_ALIGN_LEFT)
    {
        rc.right = rc.left = rcFree.left;
        rc.right += size.cx;
        rcFree.left = (std::min)(rc.right, rcFree.right);
    }
    else if (m_dwStyle & CBRS_ALIGN_RIGHT)
    {
        rc.left = rc.right = rcFree.right;
        rc.left -= size.cx;
        rcFree.right = (std::max)(rc.left, rcFree.left);
    }
    else
    {
        return;
    }
    if (!bStretch)
    {
        if (IsHorz())
            rc.right = rc.left + size.cx;
        else
            rc.bottom = rc.top + size.cy;
    }

    constexpr UINT kFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (pLayout->hDWP)
        pLayout->hDWP = DeferWindowPos(pLayout->hDWP, m_hWnd, nullptr, rc.left, rc.top, rc.right - rc.left,
                                       rc.bottom - rc.top, kFlags);
    else
        SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, kFlags);
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    // A bar not (yet) in a dock bar lies directly at its frame's edge.
    AFX_SIZEPARENTPARAMS* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (IsVisible() && !IsFloating())
        PlaceAtEdge(pLayout, CalcFixedLayout(IsHorz()), pLayout->bStretch);
    return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (IsVisible() && m_pDockSite)
        OnUpdateCmdUI(m_pDockSite, static_cast<BOOL>(wParam));
    return 0;
}

LRESULT CControlBar::OnNcCalcSize(WPARAM, LPARAM lParam)
{
    // Both forms of the message start with the window's rectangle, which
    // becomes the client rectangle.
    RECT* pRect = reinterpret_cast<RECT*>(lParam);
    const RECT insets = CalcInsets(m_dwStyle);
    pRect->left += insets.left;
    pRect->top += insets.top;
    pRect->right = (std::max)(pRect->left, pRect->right - insets.right);
    pRect->bottom = (std::max)(pRect->top, pRect->bottom - insets.bottom);
    return 0;
}

LRESULT CControlBar::OnNcPaint(WPARAM, LPARAM)
{
    const HDC hDC = GetWindowDC(m_hWnd);
    if (!hDC)
        return 0;
    RECT rcWindow;
    GetWindowRect(&rcWindow);
    OffsetRect(&rcWindow, -rcWindow.left, -rcWindow.top);

    const RECT insets = CalcInsets(m_dwStyle);
    ExcludeClipRect(hDC, rcWindow.left + insets.left, rcWindow.top + insets.top, rcWindow.right - insets.right,
                    rcWindow.bottom - insets.bottom);
    FillRect(hDC, &rcWindow, GetSysColorBrush(COLOR_BTNFACE));

    UINT nEdges = 0;
    if (m_dwStyle & CBRS_BORDER_LEFT)
        nEdges |= BF_LEFT;
    if (m_dwStyle & CBRS_BORDER_TOP)
        nEdges |= BF_TOP;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        nEdges |= BF_RIGHT;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        nEdges |= BF_BOTTOM;
    RECT rcInside = rcWindow;
    if (nEdges)
        DrawEdge(hDC, &rcInside, EDGE_ETCHED, nEdges | BF_ADJUST);
    DrawGripper(hDC, rcInside);
    ReleaseDC(m_hWnd, hDC);
    return 0;
}

void CControlBar::DrawGripper(HDC hDC, const RECT& rcInside) const
{
    if (!(m_dwStyle & CBRS_GRIPPER) || IsFloating())
        return;
    // A raised ridge across the bar, at its leading end.
    constexpr int kMargin = 2;
    constexpr int kRidge = 3;
    RECT rcRidge = rcInside;
    if (IsHorz())
    {
        rcRidge.left += kMargin;
        rcRidge.right = rcRidge.left + kRidge;
        InflateRect(&rcRidge, 0, -kMargin);
    }
    else
    {
        rcRidge.top += kMargin;
        rcRidge.bottom = rcRidge.top + kRidge;
        InflateRect(&rcRidge, -kMargin, 0);
    }
    DrawEdge(hDC, &rcRidge, BDR_RAISEDINNER, BF_RECT);
}

LRESULT CControlBar::OnNcHitTest(WPARAM, LPARAM)
{
    // The gripper and the borders take the mouse like the rest of the bar.
    return HTCLIENT;
}

LRESULT CControlBar::OnEraseBkgnd(WPARAM wParam, LPARAM)
{
    RECT rcClient;
    GetClientRect(&rcClient);
    FillRect(reinterpret_cast<HDC>(wParam), &rcClient, GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
}

LRESULT CControlBar::OnLButtonDown(WPARAM, LPARAM lParam)
{
    POINT point = { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
    if (!m_pDockContext || IsOnItem(point))
        return Default();
    ClientToScreen(&point);
    m_pDockContext->StartDrag(point);
    return 0;
}

LRESULT CControlBar::OnLButtonDblClk(WPARAM, LPARAM lParam)
{
    const POINT point = { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
    if (!m_pDockContext || IsOnItem(point))
        return Default();
    m_pDockContext->ToggleDocking();
    return 0;
}

void CControlBar::OnDestroy()
{
    if (m_pDockBar)
        m_pDockBar->RemoveControlBar(this);
    Default();
}
