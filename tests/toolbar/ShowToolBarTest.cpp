// The show-toolbar command of the frame and its check mark, with the bar
// docked and floating; nothing about the bar outlives the frame.
#include "BarFixture.h"
#include "ModalHelper.h"
#include "resource.h"

#include <string>

namespace
{
class ShowToolBarTest : public BarFixture
{
protected:
    void Command(UINT nID) const { SendMessageA(m_hWndFrame, WM_COMMAND, nID, 0); }

    POINT BesideTheFrame() const
    {
        RECT rc;
        GetWindowRect(m_hWndFrame, &rc);
        return { rc.right + 40, rc.top };
    }
};

TEST_F(ShowToolBarTest, CommandHidesAndShowsTheDockedBarAtOnce)
{
    const RECT rcViewShown = RectInFrame(ViewWnd());
    ASSERT_TRUE(MenuChecked(ID_VIEW_TOOLBAR));

    Command(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(Bar().IsVisible());
    EXPECT_FALSE(MenuChecked(ID_VIEW_TOOLBAR));
    EXPECT_EQ(ToString(FrameClient()), ToString(RectInFrame(ViewWnd()))) << "the view takes the bar's room";
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_TOP), DockedAt());

    Command(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(Bar().IsVisible());
    EXPECT_TRUE(MenuChecked(ID_VIEW_TOOLBAR));
    EXPECT_EQ(ToString(rcViewShown), ToString(RectInFrame(ViewWnd())));
}

TEST_F(ShowToolBarTest, CommandHidesAndShowsTheFloatingWindowWithTheBar)
{
    m_pFrame->FloatControlBar(&Bar(), BesideTheFrame());
    const HWND hWndFloat = FloatingWindow();
    ASSERT_NE(nullptr, hWndFloat);
    EXPECT_TRUE(MenuChecked(ID_VIEW_TOOLBAR));

    Command(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(Bar().IsVisible());
    EXPECT_FALSE(IsWindowVisible(hWndFloat));
    EXPECT_FALSE(MenuChecked(ID_VIEW_TOOLBAR));

    Command(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(IsWindowVisible(BarWnd()));
    EXPECT_TRUE(IsWindowVisible(hWndFloat));
    EXPECT_TRUE(MenuChecked(ID_VIEW_TOOLBAR));
    EXPECT_EQ(hWndFloat, FloatingWindow());
}

TEST_F(ShowToolBarTest, CloseBoxOfTheFloatingWindowHidesTheBar)
{
    m_pFrame->FloatControlBar(&Bar(), BesideTheFrame());
    const HWND hWndFloat = FloatingWindow();
    SendMessageA(hWndFloat, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(IsWindow(hWndFloat));
    EXPECT_FALSE(IsWindowVisible(hWndFloat));
    EXPECT_FALSE(MenuChecked(ID_VIEW_TOOLBAR));

    Command(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(IsWindowVisible(hWndFloat));
    EXPECT_TRUE(MenuChecked(ID_VIEW_TOOLBAR));
}

TEST_F(ShowToolBarTest, NothingAboutTheBarIsStored)
{
    // A profile file the program could write to; it stays unwritten.
    char szTemp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, szTemp);
    const std::string strProfile =
        std::string(szTemp) + "toolbar_tests_" + std::to_string(GetCurrentProcessId()) + ".ini";
    DeleteFileA(strProfile.c_str());
    theBarTestApp.SetProfileName(strProfile.c_str());

    m_pFrame->DockControlBar(&Bar(), AFX_IDW_DOCKBAR_LEFT);
    m_pFrame->FloatControlBar(&Bar(), BesideTheFrame());
    Command(ID_VIEW_TOOLBAR);
    DestroyWindow(m_hWndFrame);
    ktest::PumpMessages(20);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(strProfile.c_str()));

    // The next frame starts as every frame does.
    m_pFrame = CBarTestFrame::CreateShown();
    ASSERT_NE(nullptr, m_pFrame);
    m_hWndFrame = m_pFrame->m_hWnd;
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_TOP), DockedAt());
    EXPECT_TRUE(Bar().IsVisible());
    EXPECT_TRUE(MenuChecked(ID_VIEW_TOOLBAR));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(strProfile.c_str()));
}
}
