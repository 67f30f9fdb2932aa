#pragma once
// CControlBar: a bar along an edge of a frame, such as a toolbar, and the
// base of the dock bars that hold such bars.
//
// A bar keeps its bar style (CBRS_...) apart from its window style: the edge
// it is aligned to, the sides that carry a border line, the gripper, its
// tooltips. In the frame's layout it answers WM_SIZEPARENT by taking room at
// its edge (CWnd::RepositionBars); when the program becomes idle it answers
// WM_IDLEUPDATECMDUI by running the update rules of its items through its
// frame, as the frame does for its menus.
//
// After EnableDocking (on the bar and on the frame) the frame docks the bar
// at one of its edges or floats it in a small window of its own
// (CFrameWnd::DockControlBar, FloatControlBar), and the user drags it by its
// gripper from one place to another (CDockContext). Nothing about a bar's
// place is stored.
#include "Wnd.h"

#include <memory>

class CDockBar;
class CDockContext;

// --- bar styles: kept by the bar, never part of its window style
constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
constexpr DWORD CBRS_ALIGN_ANY = 0xF000;

constexpr DWORD CBRS_BORDER_LEFT = 0x0100;
constexpr DWORD CBRS_BORDER_TOP = 0x0200;
constexpr DWORD CBRS_BORDER_RIGHT = 0x0400;
constexpr DWORD CBRS_BORDER_BOTTOM = 0x0800;
constexpr DWORD CBRS_BORDER_ANY = 0x0F00;

constexpr DWORD CBRS_FLOATING = 0x0001;      // set while the bar floats in a window of its own
constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0004;  // a floating bar can be resized; its items wrap into rows
constexpr DWORD CBRS_TOOLTIPS = 0x0010;      // the items show tips
constexpr DWORD CBRS_FLYBY = 0x0020;         // prompts in a status bar while the mouse is over an item
constexpr DWORD CBRS_GRIPPER = 0x00400000;   // a handle to drag the docked bar by

// An edge, with the border line on the side facing the rest of the frame.
constexpr DWORD CBRS_LEFT = CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT;
constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
constexpr DWORD CBRS_RIGHT = CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT;
constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;

// Every bit that is a bar style rather than a window style.
constexpr DWORD CBRS_ALL = 0x0040FFFF;

class CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
public:
    ~CControlBar() override;

    DWORD GetBarStyle() const { return m_dwStyle; }
    // Replaces the bar style (CBRS_...); borders and gripper follow at once.
    void SetBarStyle(DWORD dwStyle);
    // The bar style for docking at edge dwAlign (one CBRS_ALIGN_...): that
    // alignment, the border line facing the frame's inside, not floating.
    DWORD DockedStyle(DWORD dwAlign) const;
    // The bar style while floating: no border lines, CBRS_FLOATING.
    DWORD FloatingStyle() const;

    // Items laid out in rows: docked at the top or bottom, or floating.
    BOOL IsHorz() const { return IsHorzStyle(m_dwStyle); }
    BOOL IsFloating() const { return (m_dwStyle & CBRS_FLOATING) != 0; }
    // Shown (WS_VISIBLE), also while its frame is not on the screen yet.
    BOOL IsVisible() const { return (GetStyle() & WS_VISIBLE) != 0; }

    // Lets the user dock the bar at the edges named (CBRS_ALIGN_...) and
    // float it. The frame has to allow docking too (CFrameWnd::EnableDocking).
    void EnableDocking(DWORD dwDockStyle);
    DWORD GetEnabledAlignment() const { return m_dwDockStyle; }
    // Drags and double-clicks; null until EnableDocking.
    CDockContext* GetDockContext() const { return m_pDockContext.get(); }

    // The frame whose commands the items issue and at whose edges the bar docks.
    CFrameWnd* GetDockingFrame() const { return m_pDockSite; }
    // The dock bar holding the bar; null while it floats or is not docked.
    CDockBar* GetDockBar() const { return m_pDockBar; }

    // Arranges the items for an edge, in a row (bHorz) or a column, and
    // returns the bar's size there, borders and gripper included.
    virtual SIZE CalcFixedLayout(BOOL bHorz);
    // Arranges the items of the floating bar in rows that fit a bar nWidth
    // pixels wide and returns its size.
    virtual SIZE CalcDynamicLayout(int nWidth);

    // Runs the update rules of the items with pTarget as first command target.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) = 0;

    static BOOL IsHorzStyle(DWORD dwStyle)
    {
        return (dwStyle & CBRS_FLOATING) || (dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM));
    }

protected:
    CControlBar();

    // Creates the bar's window of class lpszClassName as child nID of
    // pParentWnd: dwStyle holds window and bar styles, dwCtrlStyle the
    // control's own; rcBorders is extra room around the items.
    BOOL CreateBar(LPCSTR lpszClassName, DWORD dwCtrlStyle, DWORD dwStyle, const RECT& rcBorders,
                   CWnd* pParentWnd, UINT nID);

    // Room around the items of a bar with bar style dwStyle: extra borders,
    // border lines and gripper.
    virtual RECT CalcInsets(DWORD dwStyle) const;
    // TRUE when ptClient is on one of the bar's items rather than on the
    // bar itself, where a drag starts.
    virtual BOOL IsOnItem(POINT ptClient) const;

    // Moves the bar to its edge of pLayout->rect, size thick, spanning the
    // edge when bStretch, and takes that room from pLayout->rect.
    void PlaceAtEdge(AFX_SIZEPARENTPARAMS* pLayout, SIZE size, BOOL bStretch) const;

    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonDblClk(WPARAM wParam, LPARAM lParam);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    friend class CDockBar;

    void DrawGripper(HDC hDC, const RECT& rcInside) const;

    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;
    RECT m_rectBorders = {};
    CFrameWnd* m_pDockSite = nullptr;
    CDockBar* m_pDockBar = nullptr;
    std::unique_ptr<CDockContext> m_pDockContext;
};
