// The main window as start-up makes it: paths, frame, menu bar, toolbar and
// list; closing it; the About box; the help command.
#include "AboutDlg.h"
#include "DocManager.h"
#include "Document.h"
#include "KorvaneTexts.h"
#include "ModalHelper.h"
#include "View.h"
#include "WindowFixture.h"
#include "resource.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

using ktest::Ansi;
using ktest::ClassName;
using ktest::FindDescendant;
using ktest::WindowText;

class MainWindowTest : public MainWindowFixture
{
};

TEST_F(MainWindowTest, StartUpPutsSettingsAndHelpBesideTheExecutableAndOpensTheWindow)
{
    EXPECT_TRUE(StartResult());
    char szModule[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    const std::string strBase = std::string(szModule).substr(0, lstrlenA(szModule) - 3);
    EXPECT_EQ(strBase + "ini", theApp.m_pszProfileName);
    EXPECT_EQ(strBase + "chm", theApp.m_pszHelpFilePath);
    EXPECT_EQ(afxHTMLHelp, theApp.m_eHelpType);
    EXPECT_EQ(ktest::AppTitle(), theApp.m_pszAppName);

    ASSERT_NE(nullptr, theApp.GetDocManager());
    EXPECT_EQ(1, theApp.GetDocManager()->GetTemplateCount());
    EXPECT_STREQ("CMainFrame", m_pFrame->GetRuntimeClass()->m_lpszClassName);
    CView* pView = m_pFrame->GetActiveView();
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(List(), pView->m_hWnd);
    EXPECT_STREQ("CKorvaneView", pView->GetRuntimeClass()->m_lpszClassName);
    ASSERT_NE(nullptr, pView->GetDocument());
    EXPECT_STREQ("CKorvaneDoc", pView->GetDocument()->GetRuntimeClass()->m_lpszClassName);
    EXPECT_FALSE(pView->GetDocument()->IsModified());
    EXPECT_TRUE(IsWindowVisible(Frame()));
}

TEST_F(MainWindowTest, FrameKeepsItsCaptionSizeAndStyle)
{
    EXPECT_EQ(ktest::MainCaption(), WindowText(Frame()));
    RECT rect;
    GetWindowRect(Frame(), &rect);
    EXPECT_EQ(250, rect.right - rect.left);
    EXPECT_EQ(200, rect.bottom - rect.top);
    const LONG style = GetWindowLongA(Frame(), GWL_STYLE);
    EXPECT_EQ(WS_OVERLAPPEDWINDOW, style & WS_OVERLAPPEDWINDOW) << std::hex << style;
    EXPECT_EQ(0, style & FWS_ADDTOTITLE) << std::hex << style;
    EXPECT_EQ(0, GetWindowLongA(Frame(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) << "the list carries the edge";
    const HICON hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(nullptr, hIcon);
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(hIcon), GetClassLongPtrA(Frame(), GCLP_HICON));

    EXPECT_EQ(0, GetWindowLongA(Frame(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES) << "dropped files are refused";

    // A document title is never added, whatever the document is called.
    m_pFrame->GetActiveDocument()->SetTitle("data.txt");
    m_pFrame->OnUpdateFrameTitle(TRUE);
    Command(ID_VIEW_UPDATE);
    EXPECT_EQ(ktest::MainCaption(), WindowText(Frame()));
}

// One menu item as "text | id | state": grey while disabled, check while checked.
std::string MenuLine(HMENU hMenu, int nPos)
{
    char szText[128] = "";
    GetMenuStringA(hMenu, nPos, szText, sizeof szText, MF_BYPOSITION);
    const UINT uState = GetMenuState(hMenu, nPos, MF_BYPOSITION);
    const UINT uId = GetMenuItemID(hMenu, nPos);
    std::string strLine = std::string(szText) + " | " + std::to_string(uId);
    if (uState & MF_SEPARATOR)
        return "separator";
    if (uState & (MF_GRAYED | MF_DISABLED))
        strLine += " | grey";
    if (uState & MF_CHECKED)
        strLine += " | check";
    return strLine;
}

TEST_F(MainWindowTest, MenuBarIsTheResourcedOneWithItsRulesAppliedAsEachPopupOpens)
{
    // With the list empty only the selection commands are disabled, and the
    // toolbar item is checked while the toolbar shows.
    struct Popup
    {
        const wchar_t* title;
        std::vector<std::string> items;
    };
    const std::string grey = " | grey";
    const Popup expected[] = {
        { L"ｲﾍﾞﾝﾄ(&E)",
          { Ansi(L"作成(&M) | 32772"), Ansi(L"ｸﾛｰｽﾞ(&C) | 32782") + grey, "separator",
            Ansi(L"ｼｸﾞﾅﾙ(&S) | 32780") + grey, Ansi(L"非ｼｸﾞﾅﾙ(&N) | 32781") + grey,
            Ansi(L"ｲﾍﾞﾝﾄ情報(&I) | 32786") + grey, "separator", Ansi(L"ｱﾌﾟﾘｹｰｼｮﾝの終了(&X) | 57665") } },
        { L"表示(&V)", { Ansi(L"ﾂｰﾙ ﾊﾞｰ(&T) | 59392 | check"), "separator", Ansi(L"更新(&U) | 32775") } },
        { L"ﾍﾙﾌﾟ(&H)", { Ansi(L"ﾍﾙﾌﾟ(&H) | 57671"), Ansi(L"ﾊﾞｰｼﾞｮﾝ情報(&A)... | 57664") } },
    };

    const HMENU hMenuBar = GetMenu(Frame());
    ASSERT_NE(nullptr, hMenuBar);
    ASSERT_EQ(3, GetMenuItemCount(hMenuBar));
    for (int nPopup = 0; nPopup < 3; ++nPopup) {
        char szTitle[64] = "";
        GetMenuStringA(hMenuBar, nPopup, szTitle, sizeof szTitle, MF_BYPOSITION);
        EXPECT_EQ(Ansi(expected[nPopup].title), szTitle);
        const HMENU hPopup = GetSubMenu(hMenuBar, nPopup);
        ASSERT_NE(nullptr, hPopup);
        SendMessageA(Frame(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), MAKELPARAM(nPopup, FALSE));
        std::vector<std::string> items;
        for (int i = 0; i < GetMenuItemCount(hPopup); ++i)
            items.push_back(MenuLine(hPopup, i));
        EXPECT_EQ(expected[nPopup].items, items) << szTitle;
    }
}

TEST_F(MainWindowTest, ToolbarIsDockedAtTheTopWithEightButtons)
{
    const HWND hwndBar = FindDescendant(Frame(), AFX_IDW_TOOLBAR);
    ASSERT_NE(nullptr, hwndBar);
    EXPECT_EQ("ToolbarWindow32", ClassName(hwndBar));
    EXPECT_TRUE(IsWindowVisible(hwndBar));
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, GetDlgCtrlID(GetParent(hwndBar)));
    EXPECT_NE(0, GetWindowLongA(hwndBar, GWL_STYLE) & TBSTYLE_FLAT);

    // The layout with the update rules applied as at idle time: the
    // selection commands are disabled while the list is empty.
    SendMessageA(Frame(), WM_IDLEUPDATECMDUI, TRUE, 0);
    struct Button
    {
        int idCommand;
        bool bEnabled;
    };
    const Button expected[] = {
        { ID_EVENT_CREATE, true },  { ID_EVENT_CLOSE, false }, { ID_EVENT_SIGNAL, false },
        { ID_EVENT_NONSIGNAL, false }, { 0, true }, { ID_VIEW_UPDATE, true }, { 0, true }, { ID_APP_ABOUT, true },
    };
    ASSERT_EQ(8, SendMessageA(hwndBar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < 8; ++i) {
        TBBUTTON button{};
        ASSERT_TRUE(SendMessageA(hwndBar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button)));
        EXPECT_EQ(expected[i].idCommand, button.idCommand) << "button " << i;
        EXPECT_EQ(expected[i].idCommand == 0, (button.fsStyle & TBSTYLE_SEP) != 0) << "button " << i;
        if (expected[i].idCommand != 0) {
            EXPECT_EQ(expected[i].bEnabled, SendMessageA(hwndBar, TB_ISBUTTONENABLED, expected[i].idCommand, 0) != 0)
                << "button " << i;
        }
    }
}

TEST_F(MainWindowTest, ToolbarTipsAreTheSecondFieldOfTheButtonsCommandStrings)
{
    const HWND hwndBar = FindDescendant(Frame(), AFX_IDW_TOOLBAR);
    ASSERT_NE(nullptr, hwndBar);
    // The control makes its tooltip window when the mouse first moves over it.
    SendMessageA(hwndBar, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    const HWND hwndTip = reinterpret_cast<HWND>(SendMessageA(hwndBar, TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(nullptr, hwndTip);
    struct Tip
    {
        UINT nID;
        const wchar_t* pszTip;
    };
    const Tip tips[] = {
        { ID_EVENT_CREATE, L"作成" },       { ID_EVENT_CLOSE, L"ｸﾛｰｽﾞ" }, { ID_EVENT_SIGNAL, L"ｼｸﾞﾅﾙ" },
        { ID_EVENT_NONSIGNAL, L"非ｼｸﾞﾅﾙ" }, { ID_VIEW_UPDATE, L"更新" },  { ID_APP_ABOUT, L"ﾊﾞｰｼﾞｮﾝ情報" },
    };
    for (const Tip& tip : tips) {
        NMTTDISPINFOW info{};
        info.hdr.hwndFrom = hwndTip;
        info.hdr.idFrom = tip.nID;
        info.hdr.code = TTN_GETDISPINFOW;
        info.lpszText = info.szText;
        SendMessageW(hwndBar, WM_NOTIFY, tip.nID, reinterpret_cast<LPARAM>(&info));
        ASSERT_FALSE(IS_INTRESOURCE(info.lpszText)) << "command " << tip.nID;
        EXPECT_EQ(std::wstring(tip.pszTip), std::wstring(info.lpszText)) << "command " << tip.nID;
    }
}

TEST_F(MainWindowTest, ShowToolbarCommandHidesAndShowsItAtOnceWithTheCheckMark)
{
    const HWND hwndBar = FindDescendant(Frame(), AFX_IDW_TOOLBAR);
    ASSERT_NE(nullptr, hwndBar);
    const HMENU hViewMenu = GetSubMenu(GetMenu(Frame()), 1);
    const auto isChecked = [&] {
        SendMessageA(Frame(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hViewMenu), MAKELPARAM(1, FALSE));
        return (GetMenuState(hViewMenu, ID_VIEW_TOOLBAR, MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    const auto listTop = [&] {
        RECT rect;
        GetWindowRect(List(), &rect);
        MapWindowPoints(nullptr, Frame(), reinterpret_cast<POINT*>(&rect), 2);
        return rect.top;
    };
    EXPECT_TRUE(IsWindowVisible(hwndBar));
    EXPECT_TRUE(isChecked());
    EXPECT_LT(0, listTop());

    Command(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(IsWindowVisible(hwndBar));
    EXPECT_FALSE(isChecked());
    EXPECT_EQ(0, listTop()) << "the list takes the toolbar's room";

    Command(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(IsWindowVisible(hwndBar));
    EXPECT_TRUE(isChecked());
    EXPECT_LT(0, listTop());
    EXPECT_EQ(AFX_IDW_DOCKBAR_TOP, GetDlgCtrlID(GetParent(hwndBar)));
}

TEST_F(MainWindowTest, ListViewFillsTheRestWithTheClientEdgeAndTheStateImages)
{
    const HWND hwndList = List();
    EXPECT_EQ("SysListView32", ClassName(hwndList));
    EXPECT_EQ(WS_CHILD | WS_VISIBLE | LVS_LIST | LVS_SINGLESEL,
              GetWindowLongA(hwndList, GWL_STYLE) & ~(WS_CLIPSIBLINGS | WS_CLIPCHILDREN))
        << std::hex << GetWindowLongA(hwndList, GWL_STYLE);
    EXPECT_EQ(WS_EX_CLIENTEDGE, GetWindowLongA(hwndList, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(0, SendMessageA(hwndList, LVM_GETITEMCOUNT, 0, 0));

    const HIMAGELIST hImages =
        reinterpret_cast<HIMAGELIST>(SendMessageA(hwndList, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ASSERT_NE(nullptr, hImages);
    EXPECT_EQ(4, ImageList_GetImageCount(hImages));
    int cx = 0;
    int cy = 0;
    ImageList_GetIconSize(hImages, &cx, &cy);
    EXPECT_EQ(24, cx);
    EXPECT_EQ(16, cy);

    // Below the top dock bar, to the edges of the client area.
    RECT client;
    GetClientRect(Frame(), &client);
    RECT list;
    GetWindowRect(hwndList, &list);
    MapWindowPoints(nullptr, Frame(), reinterpret_cast<POINT*>(&list), 2);
    RECT dock;
    GetWindowRect(GetParent(FindDescendant(Frame(), AFX_IDW_TOOLBAR)), &dock);
    MapWindowPoints(nullptr, Frame(), reinterpret_cast<POINT*>(&dock), 2);
    EXPECT_EQ(client.top, dock.top);
    EXPECT_EQ(dock.bottom, list.top);
    EXPECT_EQ(client.left, list.left);
    EXPECT_EQ(client.right, list.right);
    EXPECT_EQ(client.bottom, list.bottom);

    SetFocus(Frame());
    EXPECT_EQ(hwndList, GetFocus()) << "the frame passes the focus on";
}

TEST_F(MainWindowTest, EveryWayToCloseEndsTheLoopWithoutAQuestionAndWritesNothing)
{
    struct Way
    {
        const char* what;
        void (*close)(HWND hwndFrame);
    };
    const Way ways[] = {
        { "WM_CLOSE", [](HWND hwnd) { SendMessageA(hwnd, WM_CLOSE, 0, 0); } },
        { "exit command", [](HWND hwnd) { SendMessageA(hwnd, WM_COMMAND, ID_APP_EXIT, 0); } },
        { "close box", [](HWND hwnd) { SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); } },
        { "end of the session",
          [](HWND hwnd) {
              EXPECT_TRUE(SendMessageA(hwnd, WM_QUERYENDSESSION, 0, 0)) << "agrees";
              SendMessageA(hwnd, WM_ENDSESSION, TRUE, 0);
          } },
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        OpenMainWindow();
        const HWND hwndFrame = Frame();
        {
            ktest::ModalScript script; // any question would be an unexpected window
            way.close(hwndFrame);
            WPARAM nExitCode = 99;
            EXPECT_TRUE(DrainQueue(&nExitCode)) << "quit message";
            EXPECT_EQ(0u, nExitCode);
            EXPECT_EQ("", script.Problems());
            EXPECT_TRUE(script.Seen().empty());
        }
        EXPECT_FALSE(IsWindow(hwndFrame));
        EXPECT_EQ(nullptr, theApp.m_pMainWnd);
        m_pFrame = nullptr;
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(theApp.m_pszProfileName))
            << theApp.m_pszProfileName;
    }
}

TEST_F(MainWindowTest, AboutCommandShowsTheBoxOwnedByTheMainWindow)
{
    const HICON hAppIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    HICON hShown = nullptr;
    ktest::ModalScript script;
    script.Then([&](ktest::ModalWindow& box) {
        for (HWND hwnd = GetWindow(box.Handle(), GW_CHILD); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT))
            if ((GetWindowLongA(hwnd, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                hShown = reinterpret_cast<HICON>(SendMessageA(hwnd, STM_GETICON, 0, 0));
        box.Press(IDOK);
    });
    Command(ID_APP_ABOUT);
    ASSERT_EQ("", script.Problems());
    ASSERT_EQ(1u, script.Seen().size());

    const ktest::ModalSnapshot& box = script.Seen()[0];
    EXPECT_EQ("#32770", box.className);
    EXPECT_EQ(ktest::AboutCaption(), box.caption);
    EXPECT_EQ(Frame(), box.owner);
    EXPECT_FALSE(box.ownerEnabled);
    EXPECT_EQ(IDOK, box.focusId);
    // Frame, icon, two lines of text, OK: in template order.
    ASSERT_EQ(5u, box.controls.size());
    const LONG typeOf[] = { SS_BLACKFRAME, SS_ICON, SS_LEFT, SS_LEFT };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ("Static", box.controls[i].className) << i;
        EXPECT_EQ(typeOf[i], box.controls[i].style & SS_TYPEMASK) << i;
    }
    EXPECT_EQ("Korvane   Version 1.2.1", box.controls[2].text);
    EXPECT_NE("", box.controls[3].text);
    EXPECT_EQ(IDOK, box.controls[4].id);
    EXPECT_EQ("OK", box.controls[4].text);
    EXPECT_NE(nullptr, hShown);
    EXPECT_EQ(hAppIcon, hShown) << "the program's icon";

    EXPECT_TRUE(IsWindowEnabled(Frame()));
    EXPECT_FALSE(IsWindow(box.hwnd));
}

TEST_F(MainWindowTest, AboutBoxEndsOnOkEnterEscAndTheCloseBoxAndChangesNothing)
{
    struct End
    {
        const char* what;
        ktest::ModalAction action;
        INT_PTR nResult;
    };
    const End ends[] = {
        { "OK button", ktest::PressButton(IDOK), IDOK },
        { "Enter", ktest::PressKey(VK_RETURN), IDOK },
        { "Esc", ktest::PressKey(VK_ESCAPE), IDCANCEL },
        { "close box", ktest::ClickCloseBox(), IDCANCEL },
    };
    for (const End& end : ends) {
        SCOPED_TRACE(end.what);
        ktest::ModalScript script;
        script.Then(end.action);
        CAboutDlg dlg;
        EXPECT_EQ(end.nResult, dlg.DoModal());
        EXPECT_EQ("", script.Problems());
        ASSERT_EQ(1u, script.Seen().size());
        EXPECT_EQ(Frame(), script.Seen()[0].owner);
        EXPECT_FALSE(IsWindow(script.Seen()[0].hwnd));
        EXPECT_TRUE(IsWindowEnabled(Frame()));
        EXPECT_EQ(ktest::MainCaption(), WindowText(Frame()));
        EXPECT_EQ(0, SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0));
    }
}

// A visible top-level window of this process other than the main window:
// the help viewer.
struct ViewerSearch
{
    HWND hwndMain;
    HWND hwndFound;
};

BOOL CALLBACK FindViewer(HWND hwnd, LPARAM lParam)
{
    ViewerSearch& search = *reinterpret_cast<ViewerSearch*>(lParam);
    DWORD dwProcessId = 0;
    GetWindowThreadProcessId(hwnd, &dwProcessId);
    if (dwProcessId != GetCurrentProcessId() || hwnd == search.hwndMain || !IsWindowVisible(hwnd))
        return TRUE;
    search.hwndFound = hwnd;
    return FALSE;
}

HWND FindViewerOf(HWND hwndMain)
{
    ViewerSearch search{ hwndMain, nullptr };
    EnumWindows(FindViewer, reinterpret_cast<LPARAM>(&search));
    return search.hwndFound;
}

TEST_F(MainWindowTest, HelpCommandPromptsWhileTheHelpFileIsMissingAndOpensTheViewerOnceItIsThere)
{
    const std::string strHelp = theApp.m_pszHelpFilePath;
    DeleteFileA(strHelp.c_str());
    {
        ktest::ModalScript script;
        script.Then(ktest::PressButton(IDOK)).Then(ktest::PressButton(IDOK));
        Command(ID_DEFAULT_HELP);
        Command(ID_DEFAULT_HELP);
        ASSERT_EQ("", script.Problems());
        ASSERT_EQ(2u, script.Seen().size()) << "each command tries again";
        for (const ktest::ModalSnapshot& box : script.Seen()) {
            EXPECT_EQ(ktest::AppTitle(), box.caption);
            EXPECT_EQ("", box.text);
            EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), box.icon);
            EXPECT_EQ(Frame(), box.owner);
        }
    }
    EXPECT_EQ(nullptr, FindViewerOf(Frame()));

    ASSERT_TRUE(CopyFileA((ktest::ExeFolder() + KORVANE_APP_FOLDER "/Korvane.chm").c_str(), strHelp.c_str(), FALSE));
    {
        ktest::ModalScript script; // no prompt now
        SendMessageA(Frame(), WM_HELP, 0, 0);
        EXPECT_EQ(nullptr, FindViewerOf(Frame())) << "F1 opens no help";
        Command(ID_DEFAULT_HELP);
        const HWND hwndViewer = FindViewerOf(Frame());
        ASSERT_NE(nullptr, hwndViewer);
        EXPECT_EQ(Ansi(L"Korvane ヘルプ"), WindowText(hwndViewer)) << "the title of the program's help file";
        EXPECT_EQ(Frame(), GetWindow(hwndViewer, GW_OWNER)) << "the main window is the caller";
        SendMessageA(hwndViewer, WM_CLOSE, 0, 0);
        EXPECT_TRUE(ktest::WaitForWindowGone(hwndViewer, 5000));
        EXPECT_EQ("", script.Problems());
        EXPECT_TRUE(script.Seen().empty());
    }
    DeleteFileA(strHelp.c_str());
}

} // namespace
