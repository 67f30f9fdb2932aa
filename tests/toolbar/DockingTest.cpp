// Docking and floating the toolbar: by the frame's functions and by the
// user's mouse on the gripper and on the floating window's caption; the view
// always fills what the bar leaves.
#include "BarFixture.h"
#include "resource.h"

#include <commctrl.h>

namespace
{
struct Edge
{
    const char* pszName;
    UINT nDockBarID;
};
const Edge kEdges[] = {
    { "top", AFX_IDW_DOCKBAR_TOP },
    { "bottom", AFX_IDW_DOCKBAR_BOTTOM },
    { "left", AFX_IDW_DOCKBAR_LEFT },
    { "right", AFX_IDW_DOCKBAR_RIGHT },
};

BOOL IsRowEdge(UINT nDockBarID)
{
    return nDockBarID == AFX_IDW_DOCKBAR_TOP || nDockBarID == AFX_IDW_DOCKBAR_BOTTOM;
}

class DockingTest : public BarFixture
{
protected:
    // Docked at that edge, the buttons in a row or a column, the view
    // filling the rest of the client area.
    void ExpectDockedAt(UINT nDockBarID) const
    {
        ASSERT_EQ(nDockBarID, DockedAt());
        const RECT rcClient = FrameClient();
        const RECT rcBar = RectInFrame(BarWnd());
        const BOOL bRow = IsRowEdge(nDockBarID);
        const int nThickness = bRow ? rcBar.bottom - rcBar.top : rcBar.right - rcBar.left;
        EXPECT_GT(nThickness, 23) << "room for the buttons and the bar's edges";

        RECT rcView = rcClient;
        POINT ptBar = { 0, 0 };
        switch (nDockBarID)
        {
        case AFX_IDW_DOCKBAR_TOP: rcView.top += nThickness; break;
        case AFX_IDW_DOCKBAR_BOTTOM: rcView.bottom -= nThickness; ptBar.y = rcView.bottom; break;
        case AFX_IDW_DOCKBAR_LEFT: rcView.left += nThickness; break;
        default: rcView.right -= nThickness; ptBar.x = rcView.right; break;
        }
        EXPECT_EQ(ToString(rcView), ToString(RectInFrame(ViewWnd())));
        EXPECT_EQ(ptBar.x, rcBar.left);
        EXPECT_EQ(ptBar.y, rcBar.top);

        const std::vector<RECT> buttons = ButtonRects();
        for (size_t i = 1; i < buttons.size(); ++i)
        {
            if (bRow)
            {
                EXPECT_EQ(buttons[0].top, buttons[i].top) << "button " << i;
                EXPECT_GT(buttons[i].left, buttons[i - 1].left) << "button " << i;
            }
            else
            {
                EXPECT_EQ(buttons[0].left, buttons[i].left) << "button " << i;
                EXPECT_GT(buttons[i].top, buttons[i - 1].top) << "button " << i;
            }
        }
    }

    // Floating in its tool window, the view filling the whole client area.
    void ExpectFloating() const
    {
        const HWND hWndFloat = FloatingWindow();
        ASSERT_NE(nullptr, hWndFloat);
        EXPECT_TRUE(IsWindowVisible(hWndFloat));
        EXPECT_TRUE(GetWindowLongA(hWndFloat, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        EXPECT_EQ(m_hWndFrame, GetWindow(hWndFloat, GW_OWNER));
        char szCaption[64] = "?";
        char szBarText[64] = "?";
        GetWindowTextA(hWndFloat, szCaption, sizeof(szCaption));
        GetWindowTextA(BarWnd(), szBarText, sizeof(szBarText));
        EXPECT_STREQ(szBarText, szCaption);
        EXPECT_EQ(ToString(FrameClient()), ToString(RectInFrame(ViewWnd())));
        // The bar fills the window.
        RECT rcFloatClient;
        GetClientRect(hWndFloat, &rcFloatClient);
        RECT rcBar;
        GetWindowRect(BarWnd(), &rcBar);
        EXPECT_EQ(rcFloatClient.right, rcBar.right - rcBar.left);
        EXPECT_EQ(rcFloatClient.bottom, rcBar.bottom - rcBar.top);
    }

    // Where the mouse lets go of a bar to dock it at that edge.
    POINT EdgePoint(UINT nDockBarID) const
    {
        const RECT rc = FrameClient();
        switch (nDockBarID)
        {
        case AFX_IDW_DOCKBAR_TOP: return ScreenPointInFrame(rc.right / 2, 3);
        case AFX_IDW_DOCKBAR_BOTTOM: return ScreenPointInFrame(rc.right / 2, rc.bottom - 3);
        case AFX_IDW_DOCKBAR_LEFT: return ScreenPointInFrame(3, rc.bottom / 2);
        default: return ScreenPointInFrame(rc.right - 3, rc.bottom / 2);
        }
    }

    POINT ViewMiddle() const
    {
        const RECT rc = FrameClient();
        return ScreenPointInFrame(rc.right / 2, rc.bottom / 2);
    }

    // A place for the floating window away from the frame.
    POINT BesideTheFrame() const
    {
        RECT rc;
        GetWindowRect(m_hWndFrame, &rc);
        return { rc.right + 40, rc.top };
    }

    // Rows of buttons: the tops of each button, in order.
    std::vector<LONG> ButtonTops() const
    {
        std::vector<LONG> tops;
        for (const RECT& rc : ButtonRects())
            tops.push_back(rc.top);
        return tops;
    }
};

TEST_F(DockingTest, StartsDockedAtTheTopWithTheViewBelow)
{
    ExpectDockedAt(AFX_IDW_DOCKBAR_TOP);
    EXPECT_TRUE(Bar().IsVisible());
    EXPECT_TRUE(MenuChecked(ID_VIEW_TOOLBAR));
}

TEST_F(DockingTest, DockControlBarPutsTheBarAtEachEdge)
{
    for (const Edge& edge : { kEdges[2], kEdges[1], kEdges[3], kEdges[0] })
    {
        SCOPED_TRACE(edge.pszName);
        m_pFrame->DockControlBar(&Bar(), edge.nDockBarID);
        ExpectDockedAt(edge.nDockBarID);
    }
}

TEST_F(DockingTest, LayoutFollowsTheFramesSize)
{
    for (const Edge& edge : kEdges)
    {
        SCOPED_TRACE(edge.pszName);
        m_pFrame->DockControlBar(&Bar(), edge.nDockBarID);
        SetWindowPos(m_hWndFrame, nullptr, 0, 0, 420, 330, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ExpectDockedAt(edge.nDockBarID);
        SetWindowPos(m_hWndFrame, nullptr, 0, 0, 250, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ExpectDockedAt(edge.nDockBarID);
    }
}

TEST_F(DockingTest, DraggingTheGripperDocksTheBarAtTheEdgeItIsDroppedOn)
{
    for (const Edge& edge : { kEdges[2], kEdges[1], kEdges[3], kEdges[0] })
    {
        SCOPED_TRACE(edge.pszName);
        DragGripper({ ViewMiddle(), EdgePoint(edge.nDockBarID) });
        ExpectDockedAt(edge.nDockBarID);
        EXPECT_EQ(nullptr, FindWindowA("AfxMiniDockFrame", nullptr));
    }
}

// The drag rectangle as it is on the screen: its window, and how wide the
// hatched frame is (the window's region leaves the inside out).
struct DragRectSeen
{
    bool bShown = false;
    RECT rect = {};
    int nThickness = 0;
};

DragRectSeen LookAtDragRect()
{
    DragRectSeen seen;
    const HWND hWnd = FindWindowA("AfxDragRect", nullptr);
    if (!hWnd || !IsWindowVisible(hWnd))
        return seen;
    seen.bShown = true;
    GetWindowRect(hWnd, &seen.rect);
    const HRGN hRegion = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(hWnd, hRegion);
    const int yMiddle = (seen.rect.bottom - seen.rect.top) / 2;
    while (PtInRegion(hRegion, seen.nThickness, yMiddle) && seen.nThickness < seen.rect.right - seen.rect.left)
        ++seen.nThickness;
    DeleteObject(hRegion);
    return seen;
}

TEST_F(DockingTest, DragShowsWhereTheBarWouldGo)
{
    // A thin frame of the bar's column at the left edge; a thick one of the
    // floating window over the view, where the window then appears.
    DragRectSeen atEdge, inView;
    DuringDrag([&] { atEdge = LookAtDragRect(); });
    DuringDrag([&] { inView = LookAtDragRect(); });
    const POINT ptEdge = EdgePoint(AFX_IDW_DOCKBAR_LEFT);
    const POINT ptView = ViewMiddle();
    DragGripper({ ptEdge, ptView });

    ASSERT_TRUE(atEdge.bShown);
    EXPECT_TRUE(PtInRect(&atEdge.rect, ptEdge)) << ToString(atEdge.rect);
    EXPECT_GT(atEdge.rect.bottom - atEdge.rect.top, atEdge.rect.right - atEdge.rect.left) << ToString(atEdge.rect);
    ASSERT_TRUE(inView.bShown);
    EXPECT_TRUE(PtInRect(&inView.rect, ptView)) << ToString(inView.rect);
    EXPECT_GT(atEdge.nThickness, 0);
    EXPECT_LT(atEdge.nThickness, inView.nThickness);

    ExpectFloating();
    RECT rcFloat;
    GetWindowRect(FloatingWindow(), &rcFloat);
    EXPECT_EQ(ToString(inView.rect), ToString(rcFloat));
    EXPECT_EQ(nullptr, FindWindowA("AfxDragRect", nullptr)) << "gone with the drag";
}

TEST_F(DockingTest, EscapeCancelsTheDrag)
{
    const RECT rcBefore = RectInFrame(BarWnd());
    DragGripper({ ViewMiddle(), EdgePoint(AFX_IDW_DOCKBAR_LEFT) }, DragEnd::Escape);
    ExpectDockedAt(AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(ToString(rcBefore), ToString(RectInFrame(BarWnd())));
    EXPECT_EQ(nullptr, FindWindowA("AfxMiniDockFrame", nullptr));
}

TEST_F(DockingTest, DroppedAwayFromTheEdgesTheBarFloatsInAToolWindow)
{
    struct Case
    {
        const char* pszWhere;
        POINT pt;
    };
    const Case kCases[] = { { "over the view", ViewMiddle() }, { "beside the frame", BesideTheFrame() } };
    for (const Case& c : kCases)
    {
        SCOPED_TRACE(c.pszWhere);
        m_pFrame->DockControlBar(&Bar(), AFX_IDW_DOCKBAR_TOP);
        DragGripper({ c.pt });
        ExpectFloating();
        const std::vector<LONG> tops = ButtonTops();
        EXPECT_EQ(std::vector<LONG>(tops.size(), tops[0]), tops) << "one row";
        EXPECT_EQ(&Bar(), m_pFrame->GetControlBar(AFX_IDW_TOOLBAR));
    }
}

TEST_F(DockingTest, DoubleClicksFloatADockedBarAndDockAFloatingOneBack)
{
    const auto doubleClickGripper = [this] {
        SendMessageA(BarWnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, PointLParam(GripperPoint()));
    };
    const auto doubleClickCaption = [this] {
        RECT rc;
        GetWindowRect(FloatingWindow(), &rc);
        SendMessageA(FloatingWindow(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(rc.left + 10, rc.top + 4));
    };

    doubleClickGripper();
    ExpectFloating();
    doubleClickCaption();
    ExpectDockedAt(AFX_IDW_DOCKBAR_TOP);

    // Each goes back to where the bar was last.
    m_pFrame->FloatControlBar(&Bar(), BesideTheFrame());
    m_pFrame->DockControlBar(&Bar(), AFX_IDW_DOCKBAR_LEFT);
    doubleClickGripper();
    ExpectFloating();
    RECT rc;
    GetWindowRect(FloatingWindow(), &rc);
    EXPECT_EQ(BesideTheFrame().x, rc.left);
    EXPECT_EQ(BesideTheFrame().y, rc.top);
    doubleClickCaption();
    ExpectDockedAt(AFX_IDW_DOCKBAR_LEFT);
}

TEST_F(DockingTest, DraggingTheFloatingWindowsCaptionMovesItOrDocksIt)
{
    m_pFrame->FloatControlBar(&Bar(), BesideTheFrame());
    const HWND hWndFloat = FloatingWindow();
    RECT rcBefore;
    GetWindowRect(hWndFloat, &rcBefore);
    const POINT ptDown = { rcBefore.left + 20, rcBefore.top + 5 };

    DragCaption(ptDown, { POINT{ ptDown.x + 30, ptDown.y + 40 } });
    ASSERT_EQ(hWndFloat, FloatingWindow());
    RECT rcAfter;
    GetWindowRect(hWndFloat, &rcAfter);
    OffsetRect(&rcBefore, 30, 40);
    EXPECT_EQ(ToString(rcBefore), ToString(rcAfter));

    DragCaption(POINT{ rcAfter.left + 20, rcAfter.top + 5 }, { EdgePoint(AFX_IDW_DOCKBAR_LEFT) });
    ExpectDockedAt(AFX_IDW_DOCKBAR_LEFT);
    EXPECT_FALSE(IsWindow(hWndFloat));
}

TEST_F(DockingTest, ResizingTheFloatingWindowWrapsTheButtonsIntoRows)
{
    m_pFrame->FloatControlBar(&Bar(), BesideTheFrame());
    const HWND hWndFloat = FloatingWindow();
    // What the system's sizing loop does: ask, then size the window as told.
    const auto resize = [hWndFloat](UINT nEdge, RECT rc) {
        SendMessageA(hWndFloat, WM_SIZING, nEdge, reinterpret_cast<LPARAM>(&rc));
        SetWindowPos(hWndFloat, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return rc;
    };
    RECT rcWindow;
    GetWindowRect(hWndFloat, &rcWindow);
    RECT rcClient;
    GetClientRect(hWndFloat, &rcClient);
    const int cxFrame = (rcWindow.right - rcWindow.left) - rcClient.right;

    // Room for four buttons and a little more: the first group, then the rest.
    RECT rcWanted = rcWindow;
    rcWanted.right = rcWanted.left + cxFrame + 4 * 23 + 10;
    const RECT rcGot = resize(WMSZ_RIGHT, rcWanted);
    EXPECT_LE(rcGot.right, rcWanted.right) << "snapped to the rows";
    std::vector<LONG> tops = ButtonTops();
    ASSERT_EQ(6u, tops.size());
    EXPECT_EQ(std::vector<LONG>(4, tops[0]), std::vector<LONG>(tops.begin(), tops.begin() + 4));
    EXPECT_GT(tops[4], tops[0]);
    EXPECT_EQ(tops[4], tops[5]);
    EXPECT_EQ(ButtonRects()[0].left, ButtonRects()[4].left);
    ExpectFloating();
    RECT rcBarClient;
    GetClientRect(BarWnd(), &rcBarClient);
    for (const RECT& rc : ButtonRects())
        EXPECT_TRUE(rc.right <= rcBarClient.right && rc.bottom <= rcBarClient.bottom) << ToString(rc);

    // Pulled down far: one button per row.
    rcWanted = rcGot;
    rcWanted.bottom += 400;
    resize(WMSZ_BOTTOM, rcWanted);
    tops = ButtonTops();
    for (size_t i = 1; i < tops.size(); ++i)
        EXPECT_GT(tops[i], tops[i - 1]) << "button " << i;
    ExpectFloating();

    // Pulled wide: one row again.
    GetWindowRect(hWndFloat, &rcWanted);
    rcWanted.left -= 500;
    resize(WMSZ_LEFT, rcWanted);
    tops = ButtonTops();
    EXPECT_EQ(std::vector<LONG>(tops.size(), tops[0]), tops);
    ExpectFloating();
}

TEST_F(DockingTest, FloatingBarFollowsTheUpdateRulesWhenIdle)
{
    m_pFrame->FloatControlBar(&Bar(), BesideTheFrame());
    RunIdle();
    EXPECT_FALSE(IsButtonEnabled(ID_EVENT_SIGNAL));
    EXPECT_TRUE(IsButtonEnabled(ID_EVENT_CREATE));
    m_pFrame->View()->m_bSelection = TRUE;
    RunIdle();
    EXPECT_TRUE(IsButtonEnabled(ID_EVENT_SIGNAL));
}

}
