// The list's context menu: where it appears and where not, what it shows,
// and what the commands chosen from it do. The menus are real popups,
// caught and answered with the keyboard by a PopupMenuWatcher.
#include "AnsiText.h"
#include "EventPeerProcess.h"
#include "FrameFixture.h"
#include "PopupMenuWatcher.h"
#include "UiTestApp.h"
#include "resource.h"

#include <commctrl.h>

using namespace ktest;

namespace {

using ContextMenuTest = FrameFixture;

LPARAM ScreenLParam(POINT pt)
{
    return MAKELPARAM(static_cast<short>(pt.x), static_cast<short>(pt.y));
}

// The list asks for its menu at a screen point, as a right click makes it.
void RightClick(HWND hWndView, POINT pt)
{
    SendMessageA(hWndView, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hWndView), ScreenLParam(pt));
    // A chosen command arrives as a message after the menu has closed.
    PumpMessages(50);
}

int HitTest(HWND hWndView, POINT ptScreen)
{
    LVHITTESTINFO hit{};
    hit.pt = ptScreen;
    ScreenToClient(hWndView, &hit.pt);
    return static_cast<int>(SendMessageA(hWndView, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

TEST_F(ContextMenuTest, RightClickOnEmptySpaceShowsNoMenu)
{
    for (const int nItems : {0, 2}) {
        SCOPED_TRACE(std::to_string(nItems) + " items");
        while (ItemCount() < nItems)
            AddEvent({UniqueName("empty"), false, false, false});
        const POINT pt = EmptyPoint();
        ASSERT_EQ(-1, HitTest(ViewWnd(), pt));
        PopupMenuWatcher watcher;
        RightClick(ViewWnd(), pt);
        EXPECT_EQ(0u, watcher.Seen().size());
    }
}

// On an item: popup 0 of menu 132, its top-left corner at the point, owned
// by the view, all four commands enabled although no item is marked. The
// view marks nothing; Esc closes the menu and nothing happens.
TEST_F(ContextMenuTest, RightClickOnAnItemShowsTheEventMenuAllEnabled)
{
    AddEvent({UniqueName("menu.a"), false, false, false});
    AddEvent({UniqueName("menu.b"), false, false, false});
    const std::vector<std::string> texts = Texts();
    for (const int nItem : {0, 1}) {
        SCOPED_TRACE("item " + std::to_string(nItem));
        const POINT pt = ItemPoint(nItem);
        ASSERT_EQ(nItem, HitTest(ViewWnd(), pt));
        PopupMenuWatcher watcher;
        RightClick(ViewWnd(), pt);
        ASSERT_EQ(1u, watcher.Seen().size());
        EXPECT_EQ(0, watcher.Forced());

        const SeenPopupMenu& menu = watcher.Seen()[0];
        EXPECT_EQ(ViewWnd(), menu.owner);
        EXPECT_EQ(pt.x, menu.rect.left);
        EXPECT_EQ(pt.y, menu.rect.top);
        const UINT ids[] = {ID_EVENT_SIGNAL, ID_EVENT_NONSIGNAL, ID_EVENT_INFO, 0, ID_EVENT_CLOSE};
        const std::string names[] = {Ansi(L"ｼｸﾞﾅﾙ(&S)"), Ansi(L"非ｼｸﾞﾅﾙ(&N)"), Ansi(L"ｲﾍﾞﾝﾄ情報(&I)"), "",
                                     Ansi(L"ｸﾛｰｽﾞ(&C)")};
        ASSERT_EQ(5u, menu.items.size());
        for (size_t i = 0; i < menu.items.size(); ++i) {
            EXPECT_EQ(ids[i], menu.items[i].id) << i;
            EXPECT_EQ(names[i], menu.items[i].text) << i;
            if (ids[i] != 0) {
                EXPECT_TRUE(menu.items[i].enabled) << i;
            }
        }
        // Loaded for this one use, destroyed after it.
        EXPECT_FALSE(IsMenu(menu.menu));
        EXPECT_EQ(-1, SelectionMark());
        EXPECT_EQ(texts, Texts());
    }
}

// A chosen command acts on the item at the selection mark, not on the item
// that was right-clicked; without a mark its rule drops it.
TEST_F(ContextMenuTest, ChosenCommandsActOnTheMarkAndAreDroppedWithoutOne)
{
    const std::string strMarked = UniqueName("marked"), strClicked = UniqueName("clicked");
    AddEvent({strMarked, false, true, false});
    AddEvent({strClicked, false, true, false});
    ASSERT_EQ((std::vector<std::string>{strClicked, strMarked}), Texts());

    struct Case
    {
        const char* what;
        int nMark;
        UINT nID;
        std::vector<std::string> texts;  // afterwards
        std::vector<int> images;
        bool bInfo;                      // the information dialog opens
    };
    const std::vector<std::string> both = {strClicked, strMarked};
    const Case cases[] = {
        {"no mark, signal", -1, ID_EVENT_SIGNAL, both, {0, 0}, false},
        {"no mark, information", -1, ID_EVENT_INFO, both, {0, 0}, false},
        {"no mark, close", -1, ID_EVENT_CLOSE, both, {0, 0}, false},
        {"mark, signal", 1, ID_EVENT_SIGNAL, both, {0, 1}, false},
        {"no mark, non-signal", -1, ID_EVENT_NONSIGNAL, both, {0, 1}, false},
        {"mark, non-signal", 1, ID_EVENT_NONSIGNAL, both, {0, 0}, false},
        {"mark, information", 1, ID_EVENT_INFO, both, {0, 0}, true},
        {"mark, close", 1, ID_EVENT_CLOSE, {strClicked}, {0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetSelectionMark(c.nMark);
        ModalScript script;
        if (c.bInfo)
            script.Then(PressButton(IDOK));
        PopupMenuWatcher watcher;
        watcher.Choose(c.nID);
        RightClick(ViewWnd(), ItemPoint(0));
        ASSERT_EQ(1u, watcher.Seen().size());
        EXPECT_EQ(0, watcher.Forced());
        EXPECT_EQ("", script.Problems());
        if (c.bInfo) {
            EXPECT_EQ(strMarked, script.Seen().at(0).Control(IDC_INFO_NAME)->text);
        }
        EXPECT_EQ(c.texts, Texts());
        EXPECT_EQ(c.images, Images());
        if (c.nID != ID_EVENT_CLOSE) {
            EXPECT_EQ(c.nMark, SelectionMark());
        }
    }
    EXPECT_EQ(0, RunPeer("probe \"" + strClicked + "\"")); // never signaled
    EXPECT_EQ(2, RunPeer("probe \"" + strMarked + "\""));  // closed
}

// A right click as the mouse makes it: the list control asks for the menu
// at the cursor, so it appears there on an item and not on empty space. The
// list control moves its mark to the item clicked (its own behaviour), and
// the command chosen acts on the item at the mark.
TEST_F(ContextMenuTest, MouseRightClickShowsTheMenuAtTheCursorOverAnItem)
{
    const std::string strFirst = UniqueName("mouse.first"), strSecond = UniqueName("mouse.second");
    AddEvent({strFirst, false, true, false});
    AddEvent({strSecond, false, true, false});
    struct Case
    {
        const char* what;
        POINT pt;
        bool bMenu;
    };
    const Case cases[] = {
        {"on the lower item", ItemPoint(1), true},
        {"on empty space", EmptyPoint(), false},
        {"on the upper item", ItemPoint(0), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(SetCursorPos(c.pt.x, c.pt.y));
        POINT ptClient = c.pt;
        ScreenToClient(ViewWnd(), &ptClient);
        PopupMenuWatcher watcher;
        watcher.Choose(ID_EVENT_SIGNAL);
        PostMessageA(ViewWnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(ptClient.x, ptClient.y));
        PostMessageA(ViewWnd(), WM_RBUTTONUP, 0, MAKELPARAM(ptClient.x, ptClient.y));
        PumpMessages(100);
        ASSERT_EQ(c.bMenu ? 1u : 0u, watcher.Seen().size());
        EXPECT_EQ(0, watcher.Forced());
        if (!c.bMenu)
            continue;
        EXPECT_EQ(c.pt.x, watcher.Seen()[0].rect.left);
        EXPECT_EQ(c.pt.y, watcher.Seen()[0].rect.top);
        const int nMark = SelectionMark();
        ASSERT_NE(-1, nMark);
        EXPECT_EQ(1, Images().at(static_cast<size_t>(nMark)));
        SendMessageA(ViewWnd(), WM_COMMAND, ID_EVENT_NONSIGNAL, 0);
    }
    EXPECT_EQ((std::vector<int>{0, 0}), Images());
}

// From the keyboard the menu is asked for at (-1, -1): the cursor position
// of the last message is used instead, and an item must lie under it.
TEST_F(ContextMenuTest, KeyboardRequestUsesTheCursorPosition)
{
    AddEvent({UniqueName("keyboard"), false, false, false});
    struct Case
    {
        const char* what;
        POINT pt;
        bool bMenu;
    };
    const Case cases[] = {
        {"cursor over the item", ItemPoint(0), true},
        {"cursor over empty space", EmptyPoint(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(SetCursorPos(c.pt.x, c.pt.y));
        PopupMenuWatcher watcher;
        // Posted, so that its message position is the cursor's.
        PostMessageA(ViewWnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(ViewWnd()), MAKELPARAM(-1, -1));
        PumpMessages(100);
        ASSERT_EQ(c.bMenu ? 1u : 0u, watcher.Seen().size());
        if (c.bMenu) {
            EXPECT_EQ(c.pt.x, watcher.Seen()[0].rect.left);
            EXPECT_EQ(c.pt.y, watcher.Seen()[0].rect.top);
        }
    }
}

} // namespace
