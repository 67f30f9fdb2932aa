#include "FrameFixture.h"

#include "FrameWnd.h"
#include "UiTestApp.h"
#include "resource.h"

#include <commctrl.h>

std::string UniqueName(const char* pszTag)
{
    static int nSerial = 0;
    return "KorvaneUi." + std::to_string(GetCurrentProcessId()) + "." + pszTag + "." + std::to_string(++nSerial);
}

void FrameFixture::SetUp()
{
    InitUiTestApp();
    theUiTestApp.OnFileNew();
    ASSERT_NE(nullptr, theUiTestApp.m_pMainWnd);
    m_pFrame = static_cast<CFrameWnd*>(theUiTestApp.m_pMainWnd);
    m_hWndFrame = m_pFrame->m_hWnd;
    m_hWndView = GetDlgItem(m_hWndFrame, AFX_IDW_PANE_FIRST);
    ASSERT_NE(nullptr, m_hWndView);
    ASSERT_TRUE(IsWindowVisible(m_hWndFrame));
    ktest::PumpMessages(30);
}

void FrameFixture::TearDown()
{
    if (IsWindow(m_hWndFrame))
        SendMessageA(m_hWndFrame, WM_CLOSE, 0, 0);
    // Also takes the quit message that the main window's end posts.
    ktest::PumpMessages(30);
    EXPECT_FALSE(IsWindow(m_hWndFrame));
    EXPECT_EQ(nullptr, theUiTestApp.m_pMainWnd);
}

int FrameFixture::ItemCount() const
{
    return static_cast<int>(SendMessageA(m_hWndView, LVM_GETITEMCOUNT, 0, 0));
}

std::vector<std::string> FrameFixture::Texts() const
{
    std::vector<std::string> texts;
    for (int i = 0; i < ItemCount(); ++i) {
        char szText[300] = "";
        LVITEMA item{};
        item.iSubItem = 0;
        item.pszText = szText;
        item.cchTextMax = sizeof szText;
        SendMessageA(m_hWndView, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
        texts.push_back(szText);
    }
    return texts;
}

std::vector<int> FrameFixture::Images() const
{
    std::vector<int> images;
    for (int i = 0; i < ItemCount(); ++i) {
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        SendMessageA(m_hWndView, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        images.push_back(item.iImage);
    }
    return images;
}

int FrameFixture::SelectionMark() const
{
    return static_cast<int>(SendMessageA(m_hWndView, LVM_GETSELECTIONMARK, 0, 0));
}

void FrameFixture::SetSelectionMark(int nItem) const
{
    SendMessageA(m_hWndView, LVM_SETSELECTIONMARK, 0, nItem);
}

POINT FrameFixture::ItemPoint(int nItem) const
{
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    SendMessageA(m_hWndView, LVM_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(&rect));
    POINT pt = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(m_hWndView, &pt);
    return pt;
}

POINT FrameFixture::EmptyPoint() const
{
    RECT rect;
    GetClientRect(m_hWndView, &rect);
    POINT pt = {rect.right - 8, rect.bottom - 8};
    ClientToScreen(m_hWndView, &pt);
    return pt;
}

void FrameFixture::Command(UINT nID) const
{
    SendMessageA(m_hWndFrame, WM_COMMAND, MAKEWPARAM(nID, 0), 0);
}

ktest::ModalAction FrameFixture::FillCreateDialog(const NewEvent& event)
{
    return [event](ktest::ModalWindow& dlg) {
        dlg.SetItemText(IDC_EVENT_NAME, event.name.c_str());
        if (event.manual)
            dlg.Click(IDC_MANUAL_RESET);
        if (event.initial)
            dlg.Click(IDC_INITIAL_SIGNALED);
        if (event.open)
            dlg.Click(IDC_MODE_OPEN);
        dlg.Press(IDOK);
    };
}

std::vector<ktest::ModalSnapshot> FrameFixture::RunCreate(const NewEvent& event, bool bMessageExpected)
{
    ktest::ModalScript script;
    script.Then(FillCreateDialog(event));
    if (bMessageExpected)
        script.Then(ktest::PressButton(IDOK));
    Command(ID_EVENT_CREATE);
    EXPECT_EQ("", script.Problems()) << event.name;
    return script.Seen();
}

void FrameFixture::AddEvent(const NewEvent& event)
{
    const int nCount = ItemCount();
    RunCreate(event);
    ASSERT_EQ(nCount + 1, ItemCount()) << event.name;
}
