// The selection rule as the user meets it: on the menu bar when a popup
// opens, on the toolbar when the program goes idle. Signal, non-signal,
// close (and on the menu information) are enabled exactly while the list
// has a selection mark; everything else always. (The About command belongs
// to Korvane's application object, which is not the one of these tests, so
// it is left out here.)
#include "AnsiText.h"
#include "FrameFixture.h"
#include "FrameworkIds.h"
#include "UiTestApp.h"
#include "resource.h"

#include <commctrl.h>

#include <map>

using ktest::Ansi;

namespace {

using UpdateRulesTest = FrameFixture;

// Enabled state of every command of the menu bar, after the frame has run
// the rules of each popup as it does when the popup opens.
std::map<UINT, bool> MenuBarStates(HWND hWndFrame)
{
    std::map<UINT, bool> states;
    const HMENU hMenu = GetMenu(hWndFrame);
    for (int nPopup = 0; nPopup < GetMenuItemCount(hMenu); ++nPopup) {
        const HMENU hPopup = GetSubMenu(hMenu, nPopup);
        SendMessageA(hWndFrame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), MAKELPARAM(nPopup, FALSE));
        for (int i = 0; i < GetMenuItemCount(hPopup); ++i) {
            const UINT nID = GetMenuItemID(hPopup, i);
            if (nID != 0 && nID != static_cast<UINT>(-1))
                states[nID] = !(GetMenuState(hPopup, nID, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
        }
    }
    return states;
}

BOOL CALLBACK MatchToolBar(HWND hWnd, LPARAM lParam)
{
    char szClass[64] = "";
    GetClassNameA(hWnd, szClass, sizeof szClass);
    if (lstrcmpiA(szClass, TOOLBARCLASSNAMEA) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

HWND FindToolBar(HWND hWndFrame)
{
    HWND hWndFound = nullptr;
    EnumChildWindows(hWndFrame, MatchToolBar, reinterpret_cast<LPARAM>(&hWndFound));
    return hWndFound;
}

struct MarkCase
{
    const char* what;
    int nItems;
    int nMark;
    bool bSelectionCommands;
};

const MarkCase kMarkCases[] = {
    {"empty list at start", 0, -1, false},
    {"items, no mark", 2, -1, false},
    {"mark on the first item", 2, 0, true},
    {"mark on the last item", 2, 1, true},
};

TEST_F(UpdateRulesTest, MenuBarEnablesTheSelectionCommandsOnlyWithAMark)
{
    for (const MarkCase& c : kMarkCases) {
        SCOPED_TRACE(c.what);
        while (ItemCount() < c.nItems)
            AddEvent({UniqueName("menu"), false, false, false});
        SetSelectionMark(c.nMark);
        const bool b = c.bSelectionCommands;
        const std::map<UINT, bool> expected = {
            {ID_EVENT_CREATE, true}, {ID_EVENT_CLOSE, b},  {ID_EVENT_SIGNAL, b},  {ID_EVENT_NONSIGNAL, b},
            {ID_EVENT_INFO, b},      {ID_APP_EXIT, true},  {ID_VIEW_TOOLBAR, true}, {ID_VIEW_UPDATE, true},
            {ID_DEFAULT_HELP, true},
        };
        std::map<UINT, bool> seen = MenuBarStates(FrameWnd());
        seen.erase(ID_APP_ABOUT);
        EXPECT_EQ(expected, seen);
    }
}

TEST_F(UpdateRulesTest, ToolbarButtonsFollowTheSameRuleWhenIdle)
{
    const HWND hWndBar = FindToolBar(FrameWnd());
    ASSERT_NE(nullptr, hWndBar);
    for (const MarkCase& c : kMarkCases) {
        SCOPED_TRACE(c.what);
        while (ItemCount() < c.nItems)
            AddEvent({UniqueName("bar"), false, false, false});
        SetSelectionMark(c.nMark);
        RunUntilIdle();
        const bool b = c.bSelectionCommands;
        const std::map<UINT, bool> expected = {
            {ID_EVENT_CREATE, true}, {ID_EVENT_CLOSE, b},    {ID_EVENT_SIGNAL, b},
            {ID_EVENT_NONSIGNAL, b}, {ID_VIEW_UPDATE, true},
        };
        std::map<UINT, bool> seen;
        for (const auto& entry : expected)
            seen[entry.first] = SendMessageA(hWndBar, TB_ISBUTTONENABLED, entry.first, 0) != 0;
        EXPECT_EQ(expected, seen);
    }
}

// A click on a toolbar button reaches the view's command through the
// frame; a button that the rule disabled does nothing.
TEST_F(UpdateRulesTest, ToolbarButtonsRunTheViewsCommandsWhileEnabled)
{
    const HWND hWndBar = FindToolBar(FrameWnd());
    ASSERT_NE(nullptr, hWndBar);
    const std::string strFirst = UniqueName("button.first"), strSecond = UniqueName("button.second");
    AddEvent({strFirst, false, true, false});
    AddEvent({strSecond, false, true, false});
    auto click = [&](UINT nID) {
        RunUntilIdle(); // the buttons take their state at idle time
        RECT rect{};
        SendMessageA(hWndBar, TB_GETRECT, nID, reinterpret_cast<LPARAM>(&rect));
        const LPARAM lPoint = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        SendMessageA(hWndBar, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        SendMessageA(hWndBar, WM_LBUTTONUP, 0, lPoint);
        ktest::PumpMessages(30);
    };

    struct Case
    {
        const char* what;
        int nMark;
        UINT nID;
        std::vector<std::string> texts;  // afterwards
        std::vector<int> images;
    };
    const std::vector<std::string> both = {strSecond, strFirst};
    const Case cases[] = {
        {"signal, no mark", -1, ID_EVENT_SIGNAL, both, {0, 0}},
        {"signal", 1, ID_EVENT_SIGNAL, both, {0, 1}},
        {"non-signal, no mark", -1, ID_EVENT_NONSIGNAL, both, {0, 1}},
        {"non-signal", 1, ID_EVENT_NONSIGNAL, both, {0, 0}},
        {"close, no mark", -1, ID_EVENT_CLOSE, both, {0, 0}},
        {"close", 0, ID_EVENT_CLOSE, {strFirst}, {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetSelectionMark(c.nMark);
        click(c.nID);
        EXPECT_EQ(c.texts, Texts());
        EXPECT_EQ(c.images, Images());
    }

    // The create button opens the create dialog.
    ktest::ModalScript script;
    script.Then(ktest::PressButton(IDCANCEL));
    click(ID_EVENT_CREATE);
    ASSERT_EQ("", script.Problems());
    ASSERT_EQ(1u, script.Seen().size());
    EXPECT_EQ(Ansi(L"ｲﾍﾞﾝﾄの作成"), script.Seen()[0].caption);
}

} // namespace
