// AfxMessageBox: the string's text under the application title, the
// exclamation icon unless another is named, owned by the application's
// active top-level window.
#include "DialogTestApp.h"
#include "FrameworkIds.h"
#include "MessageBox.h"
#include "ModalHelper.h"

#include <string>

using namespace ktest;

namespace {

std::string Loaded(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str.GetString();
}

TEST_F(AppTest, MessageBoxShowsTheStringUnderTheTitleOwnedByTheMainWindow)
{
    ModalScript script;
    script.Then(PressButton(IDOK));
    EXPECT_EQ(IDOK, AfxMessageBox(IDS_TEST_MESSAGE, MB_OK));

    ASSERT_EQ("", script.Problems());
    const ModalSnapshot& box = script.Seen().at(0);
    EXPECT_EQ(Loaded(IDS_TEST_MESSAGE), box.text);
    EXPECT_FALSE(box.text.empty());
    // The title is string AFX_IDS_APP_TITLE, loaded by AfxWinInit.
    EXPECT_EQ(Loaded(AFX_IDS_APP_TITLE), box.caption);
    EXPECT_EQ(m_app.m_pszAppName, box.caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), box.icon);
    EXPECT_EQ(MainHwnd(), box.owner);
    EXPECT_FALSE(box.ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(MainHwnd()));
}

struct IconCase
{
    UINT nType;
    UINT nIconShown;
};

class MessageBoxIconTest : public AppTest, public testing::WithParamInterface<IconCase>
{
};

TEST_P(MessageBoxIconTest, ExclamationOnlyWhenNoIconIsNamed)
{
    ModalScript script;
    script.Then(PressButton(IDOK));
    AfxMessageBox("text", GetParam().nType);
    ASSERT_EQ("", script.Problems());
    EXPECT_EQ(GetParam().nIconShown, script.Seen().at(0).icon);
}

INSTANTIATE_TEST_SUITE_P(Types, MessageBoxIconTest,
                         testing::Values(IconCase{ MB_OK, MB_ICONEXCLAMATION },
                                         IconCase{ MB_OKCANCEL, MB_ICONEXCLAMATION },
                                         IconCase{ MB_OK | MB_ICONQUESTION, MB_ICONQUESTION },
                                         IconCase{ MB_OK | MB_ICONHAND, MB_ICONHAND },
                                         IconCase{ MB_OK | MB_ICONASTERISK, MB_ICONASTERISK }));

// The framework's own prompts have no text in the string table: the box is
// empty, still under the title.
TEST_F(AppTest, MissingTextGivesAnEmptyBox)
{
    ModalScript script;
    script.Then(PressButton(IDOK)).Then(PressButton(IDOK));
    AfxMessageBox(IDS_TEST_MISSING, MB_OK);
    AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP);
    ASSERT_EQ("", script.Problems());
    for (const ModalSnapshot& box : script.Seen()) {
        EXPECT_EQ("", box.text);
        EXPECT_EQ(m_app.m_pszAppName, box.caption);
        EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), box.icon);
    }
}

TEST_F(AppTest, MessageBoxReturnsTheButtonPressed)
{
    ModalScript script;
    script.Then(PressButton(IDCANCEL)).Then(PressKey(VK_RETURN));
    EXPECT_EQ(IDCANCEL, AfxMessageBox("text", MB_OKCANCEL));
    EXPECT_EQ(IDOK, AfxMessageBox("text", MB_OKCANCEL));
    EXPECT_EQ("", script.Problems());
}

// While a popup of the main window is active, it owns the box, and the
// main window stays as it was.
TEST_F(AppTest, ActivePopupOfTheMainWindowOwnsTheBox)
{
    const HWND hWndPopup = CreateWindowExA(0, "STATIC", "popup", WS_POPUP | WS_CAPTION | WS_VISIBLE, 60, 60,
                                           200, 100, MainHwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, hWndPopup);
    SetActiveWindow(hWndPopup);
    ModalScript script;
    script.Then(PressButton(IDOK));
    AfxMessageBox("text");
    DestroyWindow(hWndPopup);

    ASSERT_EQ("", script.Problems());
    EXPECT_EQ(hWndPopup, script.Seen().at(0).owner);
    EXPECT_TRUE(IsWindowEnabled(MainHwnd()));
}

TEST_F(AppTest, WithoutMainWindowTheBoxHasNoOwner)
{
    m_app.m_pMainWnd = nullptr;
    ModalScript script;
    script.Then(PressButton(IDOK));
    AfxMessageBox("text");
    ASSERT_EQ("", script.Problems());
    EXPECT_EQ(nullptr, script.Seen().at(0).owner);
    EXPECT_EQ(m_app.m_pszAppName, script.Seen().at(0).caption);
}

TEST(MessageBoxWithoutAppTest, ShowsTheTextWithoutOwner)
{
    ASSERT_EQ(nullptr, AfxGetApp());
    ModalScript script;
    script.Then(PressButton(IDOK));
    AfxMessageBox("text");
    ASSERT_EQ("", script.Problems());
    EXPECT_EQ("text", script.Seen().at(0).text);
    EXPECT_EQ(nullptr, script.Seen().at(0).owner);
}

// Every "%1" takes the parameter; a missing text stays empty.
TEST(FormatStringTest, SubstitutesEveryPlaceholder)
{
    const std::string strFormat = Loaded(IDS_TEST_TWO_PARAMS);
    const std::string strResult = AfxFormatString1(IDS_TEST_TWO_PARAMS, "<x>").GetString();
    EXPECT_EQ(strFormat.size() - 4 + 6, strResult.size());
    EXPECT_EQ(0u, strResult.find("<x> "));
    EXPECT_NE(std::string::npos, strResult.find(" <x> "));
    EXPECT_EQ(std::string::npos, strResult.find("%1"));
    EXPECT_STREQ("", AfxFormatString1(IDS_TEST_MISSING, "<x>"));
}

} // namespace
