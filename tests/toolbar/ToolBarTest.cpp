// The toolbar as the frame creates it: the buttons of the resource, the
// system's colours in their images, update rules when the program is idle,
// commands, tips, and resources it refuses.
#include "BarFixture.h"
#include "ToolBarTestIds.h"
#include "resource.h"

#include <commctrl.h>

#include <map>

namespace
{
using ToolBarTest = BarFixture;

struct Item
{
    int idCommand;   // 0 for a separator
    int iImage;
};

// The layout of toolbar resource IDR_MAINFRAME, in order.
const Item kItems[] = {
    { ID_EVENT_CREATE, 0 }, { ID_EVENT_CLOSE, 1 }, { ID_EVENT_SIGNAL, 2 }, { ID_EVENT_NONSIGNAL, 3 },
    { 0, 0 },               { ID_VIEW_UPDATE, 4 }, { 0, 0 },               { ID_APP_ABOUT, 5 },
};

TEST_F(ToolBarTest, HoldsTheButtonsAndSeparatorsOfTheResourceInOrder)
{
    const HWND hWndBar = BarWnd();
    char szClass[32] = "";
    GetClassNameA(hWndBar, szClass, sizeof(szClass));
    EXPECT_STREQ(TOOLBARCLASSNAMEA, szClass);
    EXPECT_EQ(AFX_IDW_TOOLBAR, GetDlgCtrlID(hWndBar));
    EXPECT_EQ(&Bar(), m_pFrame->GetControlBar(AFX_IDW_TOOLBAR));
    EXPECT_EQ(static_cast<DWORD>(TBSTYLE_FLAT | TBSTYLE_TOOLTIPS),
              static_cast<DWORD>(GetWindowLongA(hWndBar, GWL_STYLE)) & (TBSTYLE_FLAT | TBSTYLE_TOOLTIPS));

    ASSERT_EQ(8, SendMessageA(hWndBar, TB_BUTTONCOUNT, 0, 0));
    const LRESULT lButtonSize = SendMessageA(hWndBar, TB_GETBUTTONSIZE, 0, 0);
    EXPECT_EQ(23, LOWORD(lButtonSize));
    EXPECT_EQ(23, HIWORD(lButtonSize));
    for (int i = 0; i < 8; ++i)
    {
        TBBUTTON button = {};
        ASSERT_TRUE(SendMessageA(hWndBar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button)));
        RECT rc = {};
        SendMessageA(hWndBar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rc));
        const Item& item = kItems[i];
        EXPECT_EQ(item.idCommand, button.idCommand) << "item " << i;
        EXPECT_EQ(item.idCommand == 0, (button.fsStyle & BTNS_SEP) != 0) << "item " << i;
        if (item.idCommand == 0)
            continue;
        EXPECT_EQ(item.iImage, button.iBitmap) << "item " << i;
        EXPECT_EQ(23, rc.right - rc.left) << "item " << i << " " << ToString(rc);
        EXPECT_EQ(23, rc.bottom - rc.top) << "item " << i << " " << ToString(rc);
    }
}

// The toolbar bitmap as stored: its colour table and the colour index of
// every pixel, top row first.
struct StoredBitmap
{
    int cx = 0;
    int cy = 0;
    std::vector<RGBQUAD> palette;
    std::vector<BYTE> pixels;

    COLORREF At(int x, int y) const
    {
        const RGBQUAD& q = palette.at(pixels.at(static_cast<size_t>(y * cx + x)));
        return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }
};

StoredBitmap ReadStoredBitmap(UINT nID)
{
    StoredBitmap bitmap;
    const HINSTANCE hInstance = GetModuleHandleA(nullptr);
    const HRSRC hResource = FindResourceA(hInstance, MAKEINTRESOURCEA(nID), RT_BITMAP);
    if (!hResource)
        return bitmap;
    const BYTE* pData = static_cast<const BYTE*>(LockResource(LoadResource(hInstance, hResource)));
    const BITMAPINFOHEADER* pHeader = reinterpret_cast<const BITMAPINFOHEADER*>(pData);
    if (pHeader->biBitCount != 4 || pHeader->biCompression != BI_RGB || pHeader->biHeight <= 0)
        return bitmap;
    const int nColors = pHeader->biClrUsed ? static_cast<int>(pHeader->biClrUsed) : 16;
    const RGBQUAD* pColors = reinterpret_cast<const RGBQUAD*>(pData + pHeader->biSize);
    bitmap.palette.assign(pColors, pColors + nColors);
    bitmap.cx = pHeader->biWidth;
    bitmap.cy = pHeader->biHeight;
    const BYTE* pBits = reinterpret_cast<const BYTE*>(pColors + nColors);
    const int cbStride = ((bitmap.cx * 4 + 31) / 32) * 4;
    for (int y = 0; y < bitmap.cy; ++y)
    {
        const BYTE* pRow = pBits + (bitmap.cy - 1 - y) * cbStride;   // stored bottom-up
        for (int x = 0; x < bitmap.cx; ++x)
            bitmap.pixels.push_back(static_cast<BYTE>((x % 2) ? (pRow[x / 2] & 0x0F) : (pRow[x / 2] >> 4)));
    }
    return bitmap;
}

std::string ColorText(COLORREF rgb)
{
    return "RGB(" + std::to_string(GetRValue(rgb)) + "," + std::to_string(GetGValue(rgb)) + ","
           + std::to_string(GetBValue(rgb)) + ")";
}

TEST_F(ToolBarTest, ImagesShowTheSystemsButtonColoursForBlackGreySilverAndWhite)
{
    const StoredBitmap stored = ReadStoredBitmap(IDR_MAINFRAME);
    ASSERT_EQ(96, stored.cx);
    ASSERT_EQ(16, stored.cy);
    const std::map<COLORREF, COLORREF> mapped = {
        { RGB(0, 0, 0), GetSysColor(COLOR_BTNTEXT) },
        { RGB(128, 128, 128), GetSysColor(COLOR_BTNSHADOW) },
        { RGB(192, 192, 192), GetSysColor(COLOR_BTNFACE) },
        { RGB(255, 255, 255), GetSysColor(COLOR_BTNHIGHLIGHT) },
    };
    // Otherwise a bitmap loaded without the mapping would look the same.
    ASSERT_NE(RGB(192, 192, 192), GetSysColor(COLOR_BTNFACE));

    RedrawWindow(BarWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const std::vector<RECT> buttons = ButtonRects();
    ASSERT_EQ(6u, buttons.size());
    const HDC hDC = GetDC(BarWnd());
    std::map<COLORREF, int> nChecked;
    int nWrong = 0;
    std::string strFirstWrong;
    for (int iImage = 0; iImage < 6; ++iImage)
    {
        // The image is centred on its 23 x 23 button.
        const int xImage = buttons[static_cast<size_t>(iImage)].left + (23 - 16) / 2;
        const int yImage = buttons[static_cast<size_t>(iImage)].top + (23 - 16) / 2;
        for (int y = 0; y < 16; ++y)
        {
            for (int x = 0; x < 16; ++x)
            {
                const COLORREF rgbStored = stored.At(iImage * 16 + x, y);
                const auto it = mapped.find(rgbStored);
                const COLORREF rgbExpected = it != mapped.end() ? it->second : rgbStored;
                const COLORREF rgbShown = GetPixel(hDC, xImage + x, yImage + y);
                if (it != mapped.end())
                    ++nChecked[rgbStored];
                if (rgbShown != rgbExpected && nWrong++ == 0)
                    strFirstWrong = "image " + std::to_string(iImage) + " pixel " + std::to_string(x) + ","
                                    + std::to_string(y) + ": shown " + ColorText(rgbShown) + ", expected "
                                    + ColorText(rgbExpected);
            }
        }
    }
    ReleaseDC(BarWnd(), hDC);
    EXPECT_EQ(0, nWrong) << strFirstWrong;
    EXPECT_EQ(4u, nChecked.size()) << "the images use all four mapped colours";
}

TEST_F(ToolBarTest, WhenIdleEachButtonFollowsItsCommandsUpdateRule)
{
    struct Case
    {
        UINT nID;
        BOOL bWithoutSelection;
        BOOL bWithSelection;
    };
    // About has no handler in the test program: disabled either way.
    const Case kCases[] = {
        { ID_EVENT_CREATE, TRUE, TRUE },      { ID_EVENT_CLOSE, FALSE, TRUE }, { ID_EVENT_SIGNAL, FALSE, TRUE },
        { ID_EVENT_NONSIGNAL, FALSE, TRUE },  { ID_VIEW_UPDATE, TRUE, TRUE },  { ID_APP_ABOUT, FALSE, FALSE },
    };
    for (const Case& c : kCases)
        EXPECT_TRUE(IsButtonEnabled(c.nID)) << "before the first idle time, command " << c.nID;

    RunIdle();
    for (const Case& c : kCases)
        EXPECT_EQ(c.bWithoutSelection, IsButtonEnabled(c.nID)) << "without selection, command " << c.nID;

    m_pFrame->View()->m_bSelection = TRUE;
    RunIdle();
    for (const Case& c : kCases)
        EXPECT_EQ(c.bWithSelection, IsButtonEnabled(c.nID)) << "with selection, command " << c.nID;
}

TEST_F(ToolBarTest, ClickOnAButtonCarriesOutItsCommandUnlessDisabled)
{
    RunIdle();   // no selection: signal is disabled
    const auto click = [this](int nItem) {
        RECT rc = {};
        SendMessageA(BarWnd(), TB_GETITEMRECT, nItem, reinterpret_cast<LPARAM>(&rc));
        const LPARAM lParam = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        SendMessageA(BarWnd(), WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        SendMessageA(BarWnd(), WM_LBUTTONUP, 0, lParam);
    };
    click(0);   // create
    click(2);   // signal
    click(5);   // refresh
    const std::map<UINT, int> expected = { { ID_EVENT_CREATE, 1 }, { ID_VIEW_UPDATE, 1 } };
    EXPECT_EQ(expected, m_pFrame->View()->m_nCommands);
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_TOP), DockedAt()) << "a click on a button does not drag the bar";
}

// Tips as the tooltip control gets them: it asks the toolbar, which asks
// its frame.
TEST_F(ToolBarTest, TipOfEachButtonIsTheSecondFieldOfItsCommandString)
{
    struct Case
    {
        UINT nID;
        const wchar_t* pszTip;
    };
    const Case kCases[] = {
        { ID_EVENT_CREATE, L"作成" },   { ID_EVENT_CLOSE, L"ｸﾛｰｽﾞ" },   { ID_EVENT_SIGNAL, L"ｼｸﾞﾅﾙ" },
        { ID_EVENT_NONSIGNAL, L"非ｼｸﾞﾅﾙ" }, { ID_VIEW_UPDATE, L"更新" }, { ID_APP_ABOUT, L"ﾊﾞｰｼﾞｮﾝ情報" },
    };
    // The control makes its tooltip window when the mouse first moves over it.
    SendMessageA(BarWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    const HWND hWndTip = reinterpret_cast<HWND>(SendMessageA(BarWnd(), TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(nullptr, hWndTip);
    for (const Case& c : kCases)
    {
        NMTTDISPINFOW info = {};
        info.hdr.hwndFrom = hWndTip;
        info.hdr.idFrom = c.nID;
        info.hdr.code = TTN_GETDISPINFOW;
        info.lpszText = info.szText;
        SendMessageW(BarWnd(), WM_NOTIFY, c.nID, reinterpret_cast<LPARAM>(&info));
        ASSERT_FALSE(IS_INTRESOURCE(info.lpszText)) << "command " << c.nID;
        EXPECT_EQ(std::wstring(c.pszTip), std::wstring(info.lpszText)) << "command " << c.nID;
    }
}

// The frame answers both forms of the request, from the fixed-buffer text.
TEST_F(ToolBarTest, FrameAnswersTipRequestsInBothCharacterSets)
{
    struct Case
    {
        UINT_PTR nID;
        const wchar_t* pszTip;
    };
    const Case kCases[] = {
        { ID_VIEW_UPDATE, L"更新" },
        { ID_APP_ABOUT, L"ﾊﾞｰｼﾞｮﾝ情報" },
        { 40000, L"" },   // a command without a string
        { 0, L"" },       // separators have no command
    };
    for (const Case& c : kCases)
    {
        NMTTDISPINFOW infoW = {};
        infoW.hdr = { BarWnd(), c.nID, TTN_NEEDTEXTW };
        infoW.lpszText = infoW.szText;
        SendMessageW(m_hWndFrame, WM_NOTIFY, c.nID, reinterpret_cast<LPARAM>(&infoW));
        EXPECT_EQ(std::wstring(c.pszTip), std::wstring(infoW.szText)) << "W, command " << c.nID;

        NMTTDISPINFOA infoA = {};
        infoA.hdr = { BarWnd(), c.nID, TTN_NEEDTEXTA };
        infoA.lpszText = infoA.szText;
        SendMessageA(m_hWndFrame, WM_NOTIFY, c.nID, reinterpret_cast<LPARAM>(&infoA));
        wchar_t szTip[80] = L"";
        MultiByteToWideChar(932, 0, infoA.szText, -1, szTip, 80);
        EXPECT_EQ(std::wstring(c.pszTip), std::wstring(szTip)) << "A, command " << c.nID;
    }
}

TEST_F(ToolBarTest, LoadToolBarRefusesMissingOrMalformedResources)
{
    struct Case
    {
        UINT nID;
        const char* pszWhat;
    };
    const Case kCases[] = {
        { 129, "no layout" },
        { IDR_NO_BITMAP, "no bitmap" },
        { IDR_BAD_VERSION, "version 2" },
        { IDR_SHORT_LAYOUT, "items missing" },
    };
    for (const Case& c : kCases)
    {
        CToolBar bar;
        ASSERT_TRUE(bar.CreateEx(m_pFrame, TBSTYLE_FLAT, WS_CHILD | CBRS_TOP, RECT{ 0, 0, 0, 0 }, 1234));
        EXPECT_FALSE(bar.LoadToolBar(c.nID)) << c.pszWhat;
        EXPECT_EQ(0, SendMessageA(bar.m_hWnd, TB_BUTTONCOUNT, 0, 0)) << c.pszWhat;
    }
}

TEST(ToolBarFrame, FrameIsNotCreatedWhenItsToolbarCannotBeLoaded)
{
    CBarTestFrame::s_nIDToolBar = IDR_NO_BITMAP;
    EXPECT_EQ(nullptr, CBarTestFrame::CreateShown());
    CBarTestFrame::s_nIDToolBar = IDR_MAINFRAME;
    EXPECT_EQ(nullptr, FindWindowA(nullptr, "Korvane  -  Dravel"));
}
}
