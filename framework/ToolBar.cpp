#include "ToolBar.h"

#include "CommonControls.h"
#include "FrameWnd.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace
{
// Resource type of toolbar layouts.
constexpr WORD kToolBarResourceType = 241;
// A button is as large as its image plus this, each way.
constexpr int kButtonPadding = 7;
// Room kept free around the buttons on every side.
constexpr int kMargin = 2;

// The state of one button, as an update rule sets it.
class CToolCmdUI : public CCmdUI
{
public:
    CToolCmdUI(HWND hWndToolBar, UINT nID) : CCmdUI(nID), m_hWndToolBar(hWndToolBar) {}

protected:
    void ApplyEnable(BOOL bOn) override { SetState(TBSTATE_ENABLED, bOn); }
    void ApplyCheck(int nCheck) override { SetState(TBSTATE_CHECKED, nCheck != 0); }

private:
    void SetState(BYTE fsFlag, BOOL bOn) const
    {
        const LRESULT lState = SendMessageA(m_hWndToolBar, TB_GETSTATE, m_nID, 0);
        if (lState == -1)
            return;
        const BYTE fsOld = static_cast<BYTE>(lState);
        const BYTE fsNew = static_cast<BYTE>(bOn ? (fsOld | fsFlag) : (fsOld & ~fsFlag));
        if (fsNew != fsOld)
            SendMessageA(m_hWndToolBar, TB_SETSTATE, m_nID, MAKELONG(fsNew, 0));
    }

    HWND m_hWndToolBar;
};

// Colours of the toolbar bitmap that become the system's button colours.
struct SysColorMap
{
    COLORREF rgbFrom;
    int nSysColor;
};
constexpr SysColorMap kSysColorMap[] = {
    { RGB(0, 0, 0), COLOR_BTNTEXT },
    { RGB(128, 128, 128), COLOR_BTNSHADOW },
    { RGB(192, 192, 192), COLOR_BTNFACE },
    { RGB(255, 255, 255), COLOR_BTNHIGHLIGHT },
};

const BYTE* LockResourceData(HINSTANCE hInstance, UINT nID, LPCSTR lpszType, DWORD& cbSize)
{
    const HRSRC hResource = FindResourceA(hInstance, MAKEINTRESOURCEA(nID), lpszType);
    const HGLOBAL hGlobal = hResource ? LoadResource(hInstance, hResource) : nullptr;
    cbSize = hGlobal ? SizeofResource(hInstance, hResource) : 0;
    return hGlobal ? static_cast<const BYTE*>(LockResource(hGlobal)) : nullptr;
}

// Bitmap resource nID with the entries of its colour table that are
// exactly black, grey, silver or white replaced by the system's button
// colours; null when the resource is missing or not an uncompressed DIB
// with a colour table.
HBITMAP LoadSysColorBitmap(HINSTANCE hInstance, UINT nID)
{
    DWORD cbResource = 0;
    const BYTE* pResource = LockResourceData(hInstance, nID, RT_BITMAP, cbResource);
    if (!pResource || cbResource < sizeof(BITMAPINFOHEADER))
        return nullptr;
    const BITMAPINFOHEADER* pHeader = reinterpret_cast<const BITMAPINFOHEADER*>(pResource);
    if (pHeader->biSize < sizeof(BITMAPINFOHEADER) || pHeader->biCompression != BI_RGB
        || pHeader->biBitCount > 8 || pHeader->biWidth <= 0 || pHeader->biHeight == 0)
        return nullptr;
    const DWORD nColors = pHeader->biClrUsed ? pHeader->biClrUsed : (1u << pHeader->biBitCount);
    const DWORD cbInfo = pHeader->biSize + nColors * sizeof(RGBQUAD);
    const DWORD cbStride = ((static_cast<DWORD>(pHeader->biWidth) * pHeader->biBitCount + 31) / 32) * 4;
    const DWORD cbBits = cbStride * static_cast<DWORD>(abs(pHeader->biHeight));
    if (nColors > 256 || cbResource < cbInfo + cbBits)
        return nullptr;

    // A copy of header and colour table with the colours replaced; the
    // pixels are used as they are.
    std::vector<BYTE> info(pResource, pResource + cbInfo);
    RGBQUAD* pColors = reinterpret_cast<RGBQUAD*>(info.data() + pHeader->biSize);
    for (DWORD i = 0; i < nColors; ++i)
    {
        RGBQUAD& color = pColors[i];
        const COLORREF rgb = RGB(color.rgbRed, color.rgbGreen, color.rgbBlue);
        for (const SysColorMap& map : kSysColorMap)
        {
            if (rgb != map.rgbFrom)
                continue;
            const COLORREF rgbSys = GetSysColor(map.nSysColor);
            color.rgbRed = GetRValue(rgbSys);
            color.rgbGreen = GetGValue(rgbSys);
            color.rgbBlue = GetBValue(rgbSys);
            break;
        }
    }

    const HDC hScreenDC = GetDC(nullptr);
    const HBITMAP hBitmap = CreateDIBitmap(hScreenDC, reinterpret_cast<const BITMAPINFOHEADER*>(info.data()),
                                           CBM_INIT, pResource + cbInfo,
                                           reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
    ReleaseDC(nullptr, hScreenDC);
    return hBitmap;
}
}

CToolBar::CToolBar() = default;

CToolBar::~CToolBar() = default;

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, const RECT& rcBorders, UINT nID)
{
    AfxInitCommonControls(ICC_BAR_CLASSES);
    // The bar places and sizes the control itself and draws its own borders.
    DWORD dwToolBarStyle = dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (dwStyle & CBRS_TOOLTIPS)
        dwToolBarStyle |= TBSTYLE_TOOLTIPS;
    if (!CreateBar(TOOLBARCLASSNAMEA, dwToolBarStyle, dwStyle, rcBorders, pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource)
{
    if (m_bitmap || !m_hWnd)
        return FALSE;
    const HINSTANCE hInstance = GetModuleHandleA(nullptr);
    DWORD cbLayout = 0;
    const WORD* pLayout = reinterpret_cast<const WORD*>(
        LockResourceData(hInstance, nIDResource, MAKEINTRESOURCEA(kToolBarResourceType), cbLayout));
    constexpr DWORD kHeaderWords = 4;   // version, image width, image height, item count
    if (!pLayout || cbLayout < kHeaderWords * sizeof(WORD) || pLayout[0] != 1)
        return FALSE;
    const int cxImage = pLayout[1];
    const int cyImage = pLayout[2];
    const DWORD nItems = pLayout[3];
    if (cxImage == 0 || cyImage == 0 || cbLayout < (kHeaderWords + nItems) * sizeof(WORD))
        return FALSE;

    BitmapPtr bitmap(LoadSysColorBitmap(hInstance, nIDResource));
    BITMAP bm = {};
    if (!bitmap || !GetObjectA(bitmap.get(), sizeof(bm), &bm))
        return FALSE;

    std::vector<TBBUTTON> buttons(nItems);
    int iImage = 0;
    for (DWORD i = 0; i < nItems; ++i)
    {
        TBBUTTON& button = buttons[i];
        button.iString = -1;
        const WORD nID = pLayout[kHeaderWords + i];
        if (nID == 0)
        {
            button.fsStyle = BTNS_SEP;
            continue;
        }
        button.iBitmap = iImage++;
        button.idCommand = nID;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_BUTTON;
    }

    SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(cxImage, cyImage));
    TBADDBITMAP addBitmap = { nullptr, reinterpret_cast<UINT_PTR>(bitmap.get()) };
    if (SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(bm.bmWidth / cxImage), reinterpret_cast<LPARAM>(&addBitmap))
        == -1)
        return FALSE;
    if (!SendMessage(TB_ADDBUTTONSA, nItems, reinterpret_cast<LPARAM>(buttons.data())))
        return FALSE;
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELONG(cxImage + kButtonPadding, cyImage + kButtonPadding));
    m_bitmap = std::move(bitmap);
    return TRUE;
}

int CToolBar::GetButtonCount() const
{
    return static_cast<int>(SendMessage(TB_BUTTONCOUNT));
}

TBBUTTON CToolBar::GetButton(int nIndex) const
{
    TBBUTTON button = {};
    SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
    return button;
}

void CToolBar::SetVertical(BOOL bVertical) const
{
    ModifyStyle(bVertical ? 0 : CCS_VERT, bVertical ? CCS_VERT : 0);
}

void CToolBar::SetWrap(int nIndex, BOOL bWrap) const
{
    // Setting the state this way makes the control place its items anew.
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_BYINDEX | TBIF_STATE;
    SendMessage(TB_GETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info));
    if (!(info.fsState & TBSTATE_WRAP) == !bWrap)
        return;
    info.fsState ^= TBSTATE_WRAP;
    SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info));
}

BOOL CToolBar::IsRowEnd(int nIndex) const
{
    // A separator that ends a row stands for the gap between two rows.
    const TBBUTTON button = GetButton(nIndex);
    return (button.fsStyle & BTNS_SEP) && (button.fsState & TBSTATE_WRAP) && !(GetStyle() & CCS_VERT);
}

void CToolBar::WrapToWidth(int nWidth) const
{
    const int nCount = GetButtonCount();
    for (int i = 0; i < nCount; ++i)
        SetWrap(i, FALSE);
    std::vector<int> widths(static_cast<size_t>(nCount));
    for (int i = 0; i < nCount; ++i)
    {
        RECT rc = {};
        SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rc));
        widths[static_cast<size_t>(i)] = rc.right - rc.left;
    }

    // A row ends before the item that does not fit; a separator that does
    // not fit ends the row itself, where it turns into the gap between rows.
    int x = 0;
    for (int i = 0; i < nCount; ++i)
    {
        const int cx = widths[static_cast<size_t>(i)];
        if (x > 0 && x + cx > nWidth)
        {
            x = 0;
            if (GetButton(i).fsStyle & BTNS_SEP)
            {
                SetWrap(i, TRUE);
                continue;
            }
            SetWrap(i - 1, TRUE);
        }
        x += cx;
    }
}

SIZE CToolBar::LayoutSize(DWORD dwStyle) const
{
    int cx = 0;
    int cy = 0;
    const int nCount = GetButtonCount();
    for (int i = 0; i < nCount; ++i)
    {
        if (IsRowEnd(i))
            continue;
        RECT rc = {};
        SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rc));
        cx = (std::max)(cx, static_cast<int>(rc.right));
        cy = (std::max)(cy, static_cast<int>(rc.bottom));
    }
    const RECT insets = CalcInsets(dwStyle);
    return { cx + insets.left + insets.right, cy + insets.top + insets.bottom };
}

SIZE CToolBar::CalcFixedLayout(BOOL bHorz)
{
    // In a column every item ends its row.
    SetVertical(!bHorz);
    const int nCount = GetButtonCount();
    for (int i = 0; i < nCount; ++i)
        SetWrap(i, !bHorz);
    return LayoutSize(DockedStyle(bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT));
}

SIZE CToolBar::CalcDynamicLayout(int nWidth)
{
    const DWORD dwStyle = FloatingStyle();
    const RECT insets = CalcInsets(dwStyle);
    SetVertical(FALSE);
    WrapToWidth(nWidth - insets.left - insets.right);
    return LayoutSize(dwStyle);
}

RECT CToolBar::CalcInsets(DWORD dwStyle) const
{
    RECT insets = CControlBar::CalcInsets(dwStyle);
    insets.left = (std::max)(insets.left, static_cast<LONG>(kMargin));
    insets.top = (std::max)(insets.top, static_cast<LONG>(kMargin));
    insets.right = (std::max)(insets.right, static_cast<LONG>(kMargin));
    insets.bottom = (std::max)(insets.bottom, static_cast<LONG>(kMargin));
    return insets;
}

BOOL CToolBar::IsOnItem(POINT ptClient) const
{
    RECT rcClient;
    GetClientRect(&rcClient);
    if (!PtInRect(&rcClient, ptClient))
        return FALSE;
    // Negative for separators and for the space beside the buttons.
    const int nHit = static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&ptClient)));
    return nHit >= 0 && !(GetButton(nHit).fsStyle & BTNS_SEP);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler)
{
    const int nCount = GetButtonCount();
    for (int i = 0; i < nCount; ++i)
    {
        const TBBUTTON button = GetButton(i);
        if (button.fsStyle & BTNS_SEP)
            continue;
        CToolCmdUI state(m_hWnd, static_cast<UINT>(button.idCommand));
        state.DoUpdate(pTarget, bDisableIfNoHandler);
    }
}

void CToolBar::OnPaint()
{
    Default();
    // The control draws a separator that ends a row as an upright line
    // after the row; it becomes a line across the bar between the rows.
    const int nCount = GetButtonCount();
    HDC hDC = nullptr;
    RECT rcClient;
    GetClientRect(&rcClient);
    for (int i = 0; i < nCount; ++i)
    {
        if (!IsRowEnd(i))
            continue;
        if (!hDC)
            hDC = GetDC(m_hWnd);
        RECT rc = {};
        SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rc));
        FillRect(hDC, &rc, GetSysColorBrush(COLOR_BTNFACE));
        RECT rcNext = rc;
        if (i + 1 < nCount)
            SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(i + 1), reinterpret_cast<LPARAM>(&rcNext));
        const int yMiddle = (rc.bottom + rcNext.top) / 2;
        RECT rcLine = { rcClient.left, yMiddle - 1, rcClient.right, yMiddle + 1 };
        DrawEdge(hDC, &rcLine, EDGE_ETCHED, BF_TOP);
    }
    if (hDC)
        ReleaseDC(m_hWnd, hDC);
}
