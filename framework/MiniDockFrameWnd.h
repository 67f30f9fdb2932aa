#pragma once
// CMiniDockFrameWnd: the small tool window a floating control bar lives in.
//
// The window is owned by the bar's frame and captioned with the bar's window
// text. It is as large as the bar needs; when the bar's items can wrap
// (CBRS_SIZE_DYNAMIC) it has a sizing border, and resizing it lays the
// items out in rows, snapping to the sizes the rows give. Dragging its
// caption moves the bar like dragging the gripper of a docked bar, and a
// double-click on the caption docks the bar back. The close box hides the
// bar. Idle-time updates reach the bar through it. Created by
// CFrameWnd::FloatControlBar on the heap, it deletes itself with its window,
// which the frame destroys when the bar docks again.
#include "Wnd.h"

class CControlBar;

class CMiniDockFrameWnd : public CWnd
{
    DECLARE_DYNAMIC(CMiniDockFrameWnd)
public:
    // Creates the window, hidden, with its top-left corner at point (screen
    // coordinates), ready to take pBar; null when it cannot be made.
    static CMiniDockFrameWnd* Create(CFrameWnd* pFrame, CControlBar* pBar, POINT point);
    // The floating window that holds pBar, or null.
    static CMiniDockFrameWnd* FromBar(const CControlBar& bar);
    // Outer size of the window around a bar of size sizeBar.
    static SIZE CalcWindowSize(const CControlBar& bar, SIZE sizeBar);

    CControlBar* GetControlBar() const { return m_pBar; }

    // Takes the bar as its child, its items in one row, fits itself around
    // it and shows itself when the bar is visible.
    void AttachBar();

protected:
    CMiniDockFrameWnd() = default;
    void PostNcDestroy() override;

    LRESULT OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonDblClk(WPARAM wParam, LPARAM lParam);
    LRESULT OnSizing(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseActivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    void OnSize(UINT nType, int cx, int cy);
    void OnClose();

    DECLARE_MESSAGE_MAP()

private:
    static DWORD WindowStyle(const CControlBar& bar);

    CControlBar* m_pBar = nullptr;
    CFrameWnd* m_pDockSite = nullptr;
    bool m_bAutoDelete = false;   // set once the window exists
};
