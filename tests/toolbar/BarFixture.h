#pragma once
// A shown test frame with its toolbar docked at the top, and what the tests
// do with it: read the geometry, drag the bar with mouse messages, open
// the "View" popup, look into a drag while it runs.
#include "BarTestFrame.h"
#include "BarTestView.h"
#include "DockBar.h"
#include "WinApp.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The application object of the toolbar tests; it handles no command.
extern CWinApp theBarTestApp;

std::string ToString(const RECT& rc);
// lParam of a mouse message at pt (client coordinates, also negative).
LPARAM PointLParam(POINT pt);

class BarFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    CToolBar& Bar() const { return m_pFrame->ToolBar(); }
    HWND BarWnd() const { return Bar().m_hWnd; }
    HWND ViewWnd() const;

    // Rectangles in the frame's client coordinates.
    RECT FrameClient() const;
    RECT RectInFrame(HWND hWnd) const;

    // The dock bar holding the toolbar (AFX_IDW_DOCKBAR_...), 0 when it floats.
    UINT DockedAt() const;
    // The floating window holding the toolbar, or null.
    HWND FloatingWindow() const;
    // Item rectangles of the toolbar's buttons (separators left out), in order.
    std::vector<RECT> ButtonRects() const;

    // A point on the gripper, in the bar's client coordinates.
    POINT GripperPoint() const;
    // Presses the left button at ptDown (the bar's client coordinates), moves
    // the mouse through the screen points of path and releases it at the
    // last one, or presses Esc there instead.
    enum class DragEnd { Release, Escape };
    void DragGripper(const std::vector<POINT>& path, DragEnd end = DragEnd::Release);
    // The same, starting on the caption of the floating window at ptDown (screen).
    void DragCaption(POINT ptDown, const std::vector<POINT>& path);
    // Queues an action for the next drag: the k-th action queued runs right
    // after the mouse has moved to the k-th point of the path.
    void DuringDrag(std::function<void()> action);

    // Runs the application's message loop until it has become idle once,
    // as the program does between user actions.
    void RunIdle() const;
    BOOL IsButtonEnabled(UINT nID) const;

    // The check mark of command nID in the menu bar, after the framework
    // has run the update rules of its popup as it does when the popup opens.
    bool MenuChecked(UINT nID) const;

    // Screen coordinates of a point in the frame's client area.
    POINT ScreenPointInFrame(int x, int y) const;

    CBarTestFrame* m_pFrame = nullptr;
    HWND m_hWndFrame = nullptr;

private:
    void PostPath(const std::vector<POINT>& path, DragEnd end) const;
};
