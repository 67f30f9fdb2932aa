// Command routing, update rules and the update-rule gate, on a real frame
// with a view and a document created by a single-document template.
#include "DocTemplate.h"
#include "Document.h"
#include "FrameWnd.h"
#include "FrameworkTestIds.h"
#include "TestApp.h"
#include "View.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
void Log(const char* psz)
{
    HandlerLog().push_back(psz);
}
}

class CRoutingDoc : public CDocument
{
    DECLARE_DYNCREATE(CRoutingDoc)
protected:
    void OnRouteAll() { Log("doc:all"); }
    void OnRouteDoc() { Log("doc:doc"); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CRoutingDoc, CDocument)

BEGIN_MESSAGE_MAP(CRoutingDoc, CDocument)
    ON_COMMAND(ID_ROUTE_ALL, &CRoutingDoc::OnRouteAll)
    ON_COMMAND(ID_ROUTE_DOC, &CRoutingDoc::OnRouteDoc)
END_MESSAGE_MAP()

class CRoutingFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CRoutingFrame)
protected:
    void OnRouteAll() { Log("frame:all"); }
    void OnRouteDoc() { Log("frame:doc"); }
    void OnRouteFrame() { Log("frame:frame"); }
    BOOL OnRouteEx(UINT) { Log("frame:ex"); return TRUE; }
    void OnHelp() { Log("frame:help"); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CRoutingFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CRoutingFrame, CFrameWnd)
    ON_COMMAND(ID_ROUTE_ALL, &CRoutingFrame::OnRouteAll)
    ON_COMMAND(ID_ROUTE_DOC, &CRoutingFrame::OnRouteDoc)
    ON_COMMAND(ID_ROUTE_FRAME, &CRoutingFrame::OnRouteFrame)
    ON_COMMAND_EX(ID_ROUTE_EX_DECLINES, &CRoutingFrame::OnRouteEx)
    ON_COMMAND(ID_HELP, &CRoutingFrame::OnHelp)
END_MESSAGE_MAP()

class CRoutingView : public CView
{
    DECLARE_DYNCREATE(CRoutingView)
public:
    void OnDraw(HDC) override {}
protected:
    void OnRouteAll() { Log("view:all"); }
    BOOL OnRouteEx(UINT) { Log("view:ex-declined"); return FALSE; }
    void OnRuleOff() { Log("view:off"); }
    void OnRuleChecked() { Log("view:checked"); }
    void OnUpdateRuleOff(CCmdUI* pCmdUI) { Log("rule:off"); pCmdUI->Enable(FALSE); }
    void OnUpdateRuleChecked(CCmdUI* pCmdUI) { Log("rule:checked"); pCmdUI->Enable(TRUE); pCmdUI->SetCheck(1); }
    void OnUpdateRuleOnly(CCmdUI* pCmdUI) { Log("rule:only"); pCmdUI->Enable(TRUE); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CRoutingView, CView)

BEGIN_MESSAGE_MAP(CRoutingView, CView)
    ON_COMMAND(ID_ROUTE_ALL, &CRoutingView::OnRouteAll)
    ON_COMMAND_EX(ID_ROUTE_EX_DECLINES, &CRoutingView::OnRouteEx)
    ON_COMMAND(ID_RULE_OFF, &CRoutingView::OnRuleOff)
    ON_UPDATE_COMMAND_UI(ID_RULE_OFF, &CRoutingView::OnUpdateRuleOff)
    ON_COMMAND(ID_RULE_CHECKED, &CRoutingView::OnRuleChecked)
    ON_UPDATE_COMMAND_UI(ID_RULE_CHECKED, &CRoutingView::OnUpdateRuleChecked)
    ON_UPDATE_COMMAND_UI(ID_RULE_ONLY, &CRoutingView::OnUpdateRuleOnly)
END_MESSAGE_MAP()

namespace
{
// A child window that counts the idle-update messages it receives.
class CIdleCounter : public CWnd
{
public:
    int m_nReceived = 0;
protected:
    LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM) { ++m_nReceived; return 0; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIdleCounter, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CIdleCounter::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

class RoutingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        theTestApp.InitForTest();
        m_template.LoadTemplate();
        m_pDoc = m_template.OpenDocumentFile(nullptr, FALSE);
        ASSERT_NE(nullptr, m_pDoc);
        m_pFrame = static_cast<CFrameWnd*>(theTestApp.m_pMainWnd);
        ASSERT_NE(nullptr, m_pFrame);
        m_pView = m_pFrame->GetActiveView();
        ASSERT_NE(nullptr, m_pView);
        HandlerLog().clear();
    }

    void TearDown() override
    {
        if (theTestApp.m_pMainWnd)
            theTestApp.m_pMainWnd->SendMessage(WM_CLOSE);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ;    // the quit message the main window posted
        HandlerLog().clear();
    }

    CSingleDocTemplate m_template{ IDR_ROUTING, RUNTIME_CLASS(CRoutingDoc), RUNTIME_CLASS(CRoutingFrame),
                                   RUNTIME_CLASS(CRoutingView) };
    CDocument* m_pDoc = nullptr;
    CFrameWnd* m_pFrame = nullptr;
    CView* m_pView = nullptr;
};

std::string Join(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : " ") + item;
    return text;
}

enum class Sender
{
    MenuToFrame,       // WM_COMMAND without a control window, to the frame
    CommandToView,     // the same sent to the view's window (context menu)
    ControlToFrame,    // from a control window (a toolbar button)
};

struct RouteCase
{
    Sender sender;
    UINT nID;
    const char* pszExpected;   // handlers and rules that ran, in order
};

void PrintTo(const RouteCase& c, std::ostream* os)
{
    *os << "sender " << static_cast<int>(c.sender) << ", id " << c.nID;
}

class RoutingTableTest : public RoutingTest, public ::testing::WithParamInterface<RouteCase>
{
};

TEST_P(RoutingTableTest, CommandLandsInExactlyTheFirstHandlerOfTheRoute)
{
    const RouteCase& c = GetParam();
    HWND hWndControl = nullptr;
    if (c.sender == Sender::ControlToFrame)
    {
        hWndControl = CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 10, 10, m_pFrame->m_hWnd,
                                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(c.nID)), nullptr, nullptr);
        ASSERT_NE(nullptr, hWndControl);
    }
    const HWND hWndTarget = c.sender == Sender::CommandToView ? m_pView->m_hWnd : m_pFrame->m_hWnd;
    const WPARAM wParam = MAKEWPARAM(c.nID, hWndControl ? BN_CLICKED : 0);
    SendMessageA(hWndTarget, WM_COMMAND, wParam, reinterpret_cast<LPARAM>(hWndControl));
    EXPECT_EQ(c.pszExpected, Join(HandlerLog()));
    if (hWndControl)
        DestroyWindow(hWndControl);
}

INSTANTIATE_TEST_SUITE_P(
    Routes, RoutingTableTest,
    ::testing::Values(
        // View first, then its document, then the frame, then the application.
        RouteCase{ Sender::MenuToFrame, ID_ROUTE_ALL, "view:all" },
        RouteCase{ Sender::MenuToFrame, ID_ROUTE_DOC, "doc:doc" },
        RouteCase{ Sender::MenuToFrame, ID_ROUTE_FRAME, "frame:frame" },
        RouteCase{ Sender::MenuToFrame, ID_ROUTE_APP, "app:app" },
        RouteCase{ Sender::MenuToFrame, ID_ROUTE_NONE, "" },
        // A handler that declines passes the command on.
        RouteCase{ Sender::MenuToFrame, ID_ROUTE_EX_DECLINES, "view:ex-declined frame:ex" },
        // The update rule runs first; a disabled command is dropped.
        RouteCase{ Sender::MenuToFrame, ID_RULE_OFF, "rule:off" },
        RouteCase{ Sender::MenuToFrame, ID_RULE_CHECKED, "rule:checked view:checked" },
        RouteCase{ Sender::MenuToFrame, ID_RULE_ONLY, "rule:only" },
        // Sent to the view itself: view, then document; the same gate.
        RouteCase{ Sender::CommandToView, ID_ROUTE_ALL, "view:all" },
        RouteCase{ Sender::CommandToView, ID_ROUTE_DOC, "doc:doc" },
        RouteCase{ Sender::CommandToView, ID_ROUTE_FRAME, "" },
        RouteCase{ Sender::CommandToView, ID_RULE_OFF, "rule:off" },
        RouteCase{ Sender::CommandToView, ID_RULE_CHECKED, "rule:checked view:checked" },
        // From a control: routed without asking the rule.
        RouteCase{ Sender::ControlToFrame, ID_RULE_OFF, "view:off" },
        RouteCase{ Sender::ControlToFrame, ID_ROUTE_APP, "app:app" }));

UINT ItemState(HMENU hMenu, UINT nID)
{
    return GetMenuState(hMenu, nID, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED);
}

void CALLBACK EndMenuTimer(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    KillTimer(nullptr, nIDEvent);
    EndMenu();
}

TEST_F(RoutingTest, OpeningAMenuPopupAppliesTheRules)
{
    const HMENU hPopup = GetSubMenu(GetMenu(m_pFrame->m_hWnd), 0);
    ASSERT_NE(nullptr, hPopup);
    // Start from the opposite of what the rules decide.
    for (UINT nID : { ID_ROUTE_ALL, ID_ROUTE_APP, ID_RULE_CHECKED, ID_RULE_ONLY })
        EnableMenuItem(hPopup, nID, MF_BYCOMMAND | MF_GRAYED);
    CheckMenuItem(hPopup, ID_RULE_OFF, MF_BYCOMMAND | MF_CHECKED);

    m_pFrame->ShowWindow(SW_SHOW);
    SetTimer(nullptr, 0, 200, EndMenuTimer);
    TrackPopupMenu(hPopup, 0, 10, 10, 0, m_pFrame->m_hWnd, nullptr);

    EXPECT_EQ(0u, ItemState(hPopup, ID_ROUTE_ALL)) << "a handler in the view";
    EXPECT_EQ(0u, ItemState(hPopup, ID_ROUTE_APP)) << "a handler in the application";
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED), ItemState(hPopup, ID_ROUTE_NONE)) << "no rule, no handler";
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED | MF_CHECKED), ItemState(hPopup, ID_RULE_OFF))
        << "the rule disables, and leaves the check mark alone";
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), ItemState(hPopup, ID_RULE_CHECKED));
    EXPECT_EQ(0u, ItemState(hPopup, ID_RULE_ONLY)) << "the rule enables it without a handler";
    EXPECT_EQ("rule:off rule:checked rule:only", Join(HandlerLog())) << "each rule once, in menu order";
}

TEST_F(RoutingTest, TheSystemMenuIsLeftAlone)
{
    const HMENU hPopup = GetSubMenu(GetMenu(m_pFrame->m_hWnd), 0);
    m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), MAKELPARAM(0, TRUE));
    EXPECT_EQ(0u, ItemState(hPopup, ID_ROUTE_NONE));
    EXPECT_TRUE(HandlerLog().empty());
}

TEST_F(RoutingTest, IdleTimeReachesTheFramesChildrenAndOwnedWindows)
{
    CIdleCounter child;
    const RECT rect = { 0, 0, 10, 10 };
    ASSERT_TRUE(child.Create("STATIC", "", WS_CHILD, rect, m_pFrame, 100));
    CIdleCounter floating;
    ASSERT_TRUE(floating.CreateEx(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, m_pFrame->m_hWnd, nullptr));

    EXPECT_TRUE(theTestApp.OnIdle(0));
    EXPECT_EQ(1, child.m_nReceived);
    EXPECT_EQ(1, floating.m_nReceived);

    EXPECT_FALSE(theTestApp.OnIdle(1)) << "one update per idle period";
    EXPECT_EQ(1, child.m_nReceived);
}

template <class DispInfo> std::string TipFor(CFrameWnd* pFrame, UINT code, UINT_PTR idFrom, UINT uFlags)
{
    DispInfo info = {};
    info.hdr.code = code;
    info.hdr.idFrom = idFrom;
    info.uFlags = uFlags;
    pFrame->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    std::string tip;
    for (const auto ch : info.szText)
    {
        if (!ch)
            break;
        tip += static_cast<char>(ch);
    }
    return tip;
}

TEST_F(RoutingTest, TooltipTextIsTheSecondFieldOfTheCommandString)
{
    EXPECT_EQ("Everyone", TipFor<NMTTDISPINFOA>(m_pFrame, TTN_NEEDTEXTA, ID_ROUTE_ALL, 0));
    EXPECT_EQ("Everyone", TipFor<NMTTDISPINFOW>(m_pFrame, TTN_NEEDTEXTW, ID_ROUTE_ALL, 0));
    EXPECT_EQ("", TipFor<NMTTDISPINFOA>(m_pFrame, TTN_NEEDTEXTA, ID_ROUTE_DOC, 0)) << "no line feed";
    EXPECT_EQ("", TipFor<NMTTDISPINFOA>(m_pFrame, TTN_NEEDTEXTA, ID_ROUTE_NONE, 0)) << "no string";

    const HWND hWndButton = CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 10, 10, m_pFrame->m_hWnd,
                                            reinterpret_cast<HMENU>(ID_ROUTE_ALL), nullptr, nullptr);
    EXPECT_EQ("Everyone", TipFor<NMTTDISPINFOA>(m_pFrame, TTN_NEEDTEXTA, reinterpret_cast<UINT_PTR>(hWndButton),
                                                TTF_IDISHWND));
    DestroyWindow(hWndButton);
}

TEST_F(RoutingTest, HelpKeyBecomesTheHelpCommand)
{
    HELPINFO info = {};
    info.cbSize = sizeof(info);
    info.iContextType = HELPINFO_WINDOW;
    info.hItemHandle = m_pView->m_hWnd;
    m_pFrame->SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ("frame:help", Join(HandlerLog()));
}

TEST_F(RoutingTest, TitleIsAddedOnlyWithTheFrameStyle)
{
    // The routing frame keeps FWS_ADDTOTITLE: its document's title follows.
    EXPECT_EQ(CString("Routing Frame - Routed"), m_pFrame->GetWindowText());
}
}
