// The sample frame, view and document as the template creates them: what
// the frame takes from one resource identifier, layout, focus, the list
// view's notifications and image lists, and shutdown.
#include "DocManager.h"
#include "DocTemplate.h"
#include "FrameworkTestIds.h"
#include "ModalHelper.h"
#include "SampleDoc.h"
#include "SampleFrame.h"
#include "SampleView.h"
#include "TestApp.h"
#include "WindowQuery.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace
{
class SampleFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        theTestApp.InitForTest();
        static const bool bAdded = [] {
            theTestApp.AddDocTemplate(new CSingleDocTemplate(IDR_SAMPLE, RUNTIME_CLASS(CSampleDoc),
                                                             RUNTIME_CLASS(CSampleFrame),
                                                             RUNTIME_CLASS(CSampleView)));
            return true;
        }();
        (void)bAdded;
        theTestApp.OnFileNew();
        ASSERT_NE(nullptr, theTestApp.m_pMainWnd);
        m_pFrame = static_cast<CFrameWnd*>(theTestApp.m_pMainWnd);
        m_pView = static_cast<CSampleView*>(m_pFrame->GetActiveView());
        ASSERT_NE(nullptr, m_pView);
    }

    void TearDown() override
    {
        if (theTestApp.m_pMainWnd)
            theTestApp.m_pMainWnd->SendMessage(WM_CLOSE);
        DrainQueue();
        EXPECT_EQ(0, SampleItem::s_nAlive);
        EXPECT_EQ(0, CSampleDoc::s_nAlive);
    }

    // Dispatches what is queued; true when a quit message was among it.
    static bool DrainQueue()
    {
        bool bQuit = false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
                bQuit = true;
            else
                DispatchMessageA(&msg);
        }
        return bQuit;
    }

    int ItemCount() const { return static_cast<int>(m_pView->SendMessage(LVM_GETITEMCOUNT)); }
    void Command(UINT nID) const { m_pFrame->SendMessage(WM_COMMAND, nID); }

    CFrameWnd* m_pFrame = nullptr;
    CSampleView* m_pView = nullptr;
};

RECT WindowRectIn(HWND hWnd, HWND hWndParent)
{
    RECT rect;
    GetWindowRect(hWnd, &rect);
    MapWindowPoints(nullptr, hWndParent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

::testing::AssertionResult SameRect(const RECT& expected, const RECT& actual)
{
    if (EqualRect(&expected, &actual))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected (" << expected.left << "," << expected.top << ")-("
                                         << expected.right << "," << expected.bottom << "), got ("
                                         << actual.left << "," << actual.top << ")-(" << actual.right << ","
                                         << actual.bottom << ")";
}

TEST_F(SampleFrameTest, TemplateCreatesDocumentFrameAndViewByRuntimeClass)
{
    CDocument* pDoc = m_pView->GetDocument();
    ASSERT_NE(nullptr, pDoc);
    EXPECT_STREQ("CSampleDoc", pDoc->GetRuntimeClass()->m_lpszClassName);
    EXPECT_STREQ("CSampleFrame", m_pFrame->GetRuntimeClass()->m_lpszClassName);
    EXPECT_STREQ("CSampleView", m_pView->GetRuntimeClass()->m_lpszClassName);
    ASSERT_EQ(1u, pDoc->GetViews().size());
    EXPECT_EQ(m_pView, pDoc->GetViews()[0]);
    EXPECT_EQ(pDoc, m_pFrame->GetActiveDocument());
    EXPECT_EQ(m_pFrame, m_pView->GetParentFrame());
    EXPECT_TRUE(m_pFrame->IsWindowVisible());
}

TEST_F(SampleFrameTest, FrameTakesCaptionIconAndMenuFromOneIdentifier)
{
    EXPECT_EQ(CString("Sample  -  Frame"), m_pFrame->GetWindowText()) << "field 0, nothing added";
    const HICON hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_SAMPLE));
    ASSERT_NE(nullptr, hIcon);
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(hIcon), GetClassLongPtrA(m_pFrame->m_hWnd, GCLP_HICON));

    const HMENU hMenu = GetMenu(m_pFrame->m_hWnd);
    ASSERT_NE(nullptr, hMenu);
    EXPECT_EQ(2, GetMenuItemCount(hMenu));
    EXPECT_EQ(static_cast<UINT>(ID_SAMPLE_ADD), GetMenuItemID(GetSubMenu(hMenu, 0), 0));

    EXPECT_EQ(static_cast<DWORD>(WS_OVERLAPPEDWINDOW), m_pFrame->GetStyle() & WS_OVERLAPPEDWINDOW);
    EXPECT_EQ(0u, m_pFrame->GetStyle() & FWS_ADDTOTITLE);
    RECT rect;
    m_pFrame->GetWindowRect(&rect);
    EXPECT_EQ(250, rect.right - rect.left);
    EXPECT_EQ(200, rect.bottom - rect.top);
}

TEST_F(SampleFrameTest, ViewIsAListControlWithTheClientEdgeInsteadOfTheFrame)
{
    EXPECT_EQ("SysListView32", ktest::ClassName(m_pView->m_hWnd));
    EXPECT_EQ(AFX_IDW_PANE_FIRST, m_pView->GetDlgCtrlID());
    EXPECT_EQ(static_cast<DWORD>(WS_CHILD | WS_VISIBLE | LVS_LIST | LVS_SINGLESEL),
              m_pView->GetStyle() & ~(WS_CLIPSIBLINGS | WS_CLIPCHILDREN))
        << std::hex << m_pView->GetStyle();
    EXPECT_EQ(static_cast<DWORD>(WS_EX_CLIENTEDGE), m_pView->GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_EQ(0u, m_pFrame->GetExStyle() & WS_EX_CLIENTEDGE);
}

TEST_F(SampleFrameTest, InitialUpdateReachesTheView)
{
    EXPECT_EQ(reinterpret_cast<LRESULT>(m_pView->GetImageList()), m_pView->SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL));
    EXPECT_TRUE(GetUpdateRect(m_pView->m_hWnd, nullptr, FALSE)) << "the whole view waits to be painted";
}

TEST_F(SampleFrameTest, ViewFillsTheClientAreaAfterEveryResize)
{
    for (const SIZE size : { SIZE{ 250, 200 }, SIZE{ 400, 300 }, SIZE{ 180, 120 } })
    {
        m_pFrame->MoveWindow(10, 10, size.cx, size.cy);
        RECT client;
        m_pFrame->GetClientRect(&client);
        EXPECT_TRUE(SameRect(client, WindowRectIn(m_pView->m_hWnd, m_pFrame->m_hWnd))) << size.cx << "x" << size.cy;
    }
}

// A bar that takes a strip of 20 pixels at the top of its parent's layout.
class CTopStrip : public CWnd
{
protected:
    LRESULT OnSizeParent(WPARAM, LPARAM lParam)
    {
        AFX_SIZEPARENTPARAMS* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
        const RECT& rc = pLayout->rect;
        pLayout->hDWP = DeferWindowPos(pLayout->hDWP, m_hWnd, nullptr, rc.left, rc.top, rc.right - rc.left, 20,
                                       SWP_NOZORDER | SWP_NOACTIVATE);
        pLayout->rect.top += 20;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTopStrip, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, &CTopStrip::OnSizeParent)
END_MESSAGE_MAP()

TEST_F(SampleFrameTest, ControlBarsTakeTheirEdgeBeforeTheViewFillsTheRest)
{
    CTopStrip bar;
    const RECT none = { 0, 0, 0, 0 };
    ASSERT_TRUE(bar.Create("STATIC", "", WS_CHILD | WS_VISIBLE, none, m_pFrame, 1));
    m_pFrame->MoveWindow(10, 10, 300, 250);

    RECT client;
    m_pFrame->GetClientRect(&client);
    RECT expectedBar = client;
    expectedBar.bottom = client.top + 20;
    RECT expectedView = client;
    expectedView.top += 20;
    EXPECT_TRUE(SameRect(expectedBar, WindowRectIn(bar.m_hWnd, m_pFrame->m_hWnd)));
    EXPECT_TRUE(SameRect(expectedView, WindowRectIn(m_pView->m_hWnd, m_pFrame->m_hWnd)));
}

TEST_F(SampleFrameTest, FocusGivenToTheFramePassesToTheView)
{
    m_pFrame->SetFocus();
    EXPECT_EQ(m_pView->m_hWnd, GetFocus());
}

TEST_F(SampleFrameTest, ItemsComeAndGoThroughCommandsAndReflectedDeletions)
{
    for (int i = 0; i < 3; ++i)
        Command(ID_SAMPLE_ADD);
    EXPECT_EQ(3, ItemCount());
    EXPECT_EQ(3, SampleItem::s_nAlive);

    // Without a selection mark the remove command is dropped, from the menu
    // bar and from the context menu alike.
    Command(ID_SAMPLE_REMOVE);
    m_pView->SendMessage(WM_COMMAND, ID_SAMPLE_REMOVE);
    EXPECT_EQ(3, ItemCount());

    m_pView->SendMessage(LVM_SETSELECTIONMARK, 0, 1);
    m_pView->SendMessage(WM_COMMAND, ID_SAMPLE_REMOVE);
    EXPECT_EQ(2, ItemCount());
    EXPECT_EQ(2, SampleItem::s_nAlive) << "the deleted item released its record";
    // The rest go when the window is destroyed (checked on tear-down).
}

TEST_F(SampleFrameTest, MenuBarPopupShowsWhatCanBeDone)
{
    const HMENU hMenu = GetMenu(m_pFrame->m_hWnd);
    for (int nPopup = 0; nPopup < 2; ++nPopup)
        m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(hMenu, nPopup)),
                              MAKELPARAM(nPopup, FALSE));
    const auto grayed = [hMenu](UINT nID) { return (GetMenuState(hMenu, nID, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    EXPECT_FALSE(grayed(ID_SAMPLE_ADD));
    EXPECT_TRUE(grayed(ID_SAMPLE_REMOVE)) << "no selection mark";
    EXPECT_FALSE(grayed(ID_APP_EXIT)) << "the application's handler";
    EXPECT_FALSE(grayed(ID_DEFAULT_HELP)) << "the frame's handler";
    EXPECT_TRUE(grayed(ID_APP_ABOUT)) << "nobody handles it";

    Command(ID_SAMPLE_ADD);
    m_pView->SendMessage(LVM_SETSELECTIONMARK, 0, 0);
    m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(hMenu, 0)), 0);
    EXPECT_FALSE(grayed(ID_SAMPLE_REMOVE));
}

TEST_F(SampleFrameTest, ExitCommandClosesEverythingAndEndsTheMessageLoop)
{
    Command(ID_SAMPLE_ADD);
    Command(ID_SAMPLE_ADD);
    const HWND hWndFrame = m_pFrame->m_hWnd;
    Command(ID_APP_EXIT);
    EXPECT_FALSE(IsWindow(hWndFrame));
    EXPECT_EQ(nullptr, theTestApp.m_pMainWnd);
    EXPECT_EQ(0, SampleItem::s_nAlive);
    EXPECT_EQ(0, CSampleDoc::s_nAlive);
    EXPECT_TRUE(DrainQueue()) << "the quit message was posted";
}

TEST_F(SampleFrameTest, EndOfSessionIsAgreedToAndClosesTheFrame)
{
    const HWND hWndFrame = m_pFrame->m_hWnd;
    EXPECT_TRUE(m_pFrame->SendMessage(WM_QUERYENDSESSION));
    EXPECT_TRUE(IsWindow(hWndFrame)) << "asking closes nothing";
    m_pFrame->SendMessage(WM_ENDSESSION, TRUE);
    EXPECT_FALSE(IsWindow(hWndFrame));
    EXPECT_EQ(0, CSampleDoc::s_nAlive);
}

// A list view showing image lists that outlive it.
class CBorrowingView : public CListView
{
public:
    explicit CBorrowingView(HIMAGELIST hImageList) : m_hImageList(hImageList) {}
    void OnDraw(HDC) override {}
    void Show()
    {
        for (const int nImageList : { LVSIL_NORMAL, LVSIL_SMALL, LVSIL_STATE })
            SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(nImageList), reinterpret_cast<LPARAM>(m_hImageList));
    }

private:
    HIMAGELIST m_hImageList;
};

TEST(ListViewTest, ControlNeverDestroysTheImageListsItShows)
{
    CImageList images;
    ASSERT_TRUE(images.Create(IDB_SAMPLE_STATES, 24, 1, RGB(0, 128, 128)));
    EXPECT_EQ(2, ImageList_GetImageCount(images));

    const HWND hWndParent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    CBorrowingView* pView = new CBorrowingView(images);
    const RECT rect = { 0, 0, 50, 50 };
    CWnd parent;
    ASSERT_TRUE(parent.SubclassWindow(hWndParent));
    ASSERT_TRUE(pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, rect, &parent, 1));
    pView->Show();
    DestroyWindow(hWndParent);    // deletes the view object too

    EXPECT_EQ(2, ImageList_GetImageCount(images)) << "still alive after the control is gone";
    EXPECT_TRUE(images.DeleteImageList());
    EXPECT_FALSE(images.DeleteImageList()) << "nothing left to delete";
}
}
