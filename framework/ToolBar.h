#pragma once
// CToolBar: a control bar of buttons over the common controls' toolbar
// ("ToolbarWindow32"), owned by a CWnd object like any other control.
//
//     m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER
//                           | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC, RECT{ 0, 0, 0, 0 }, AFX_IDW_TOOLBAR);
//     m_wndToolBar.LoadToolBar(IDR_MAINFRAME);
//
// The buttons issue their commands to the frame, which routes them like
// menu commands; when the program becomes idle each button is enabled and
// checked by its command's update rule, and a button whose command nobody
// handles is disabled. With CBRS_TOOLTIPS the control asks its frame for
// each button's tip (TTN_NEEDTEXT), which the frame takes from the
// command's string. Docked at the left or right the buttons stand in a
// column; floating, they wrap into rows as wide as the window allows.
#include "ControlBar.h"
#include "FrameworkIds.h"

#include <commctrl.h>

#include <memory>
#include <type_traits>

class CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    ~CToolBar() override;

    // Creates the toolbar as child nID of pParentWnd. dwCtrlStyle holds the
    // toolbar's own styles (TBSTYLE_...), dwStyle window and bar styles,
    // rcBorders extra room around the buttons (left, top, right, bottom).
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, const RECT& rcBorders = RECT{ 0, 0, 0, 0 },
                  UINT nID = AFX_IDW_TOOLBAR);
    // Installs buttons and separators from toolbar resource nIDResource
    // (type 241: version 1, image width and height, item count, then the
    // items, 0 for a separator) and their images from the bitmap of the
    // same identifier, whose black, grey, silver and white become the
    // system's button colours. Buttons are the images' size plus 7 each way.
    // Once per toolbar; FALSE when a resource is missing or malformed.
    BOOL LoadToolBar(UINT nIDResource);

    SIZE CalcFixedLayout(BOOL bHorz) override;
    SIZE CalcDynamicLayout(int nWidth) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) override;

protected:
    RECT CalcInsets(DWORD dwStyle) const override;
    BOOL IsOnItem(POINT ptClient) const override;

    void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    struct GdiObjectDeleter
    {
        void operator()(HGDIOBJ hObject) const { DeleteObject(hObject); }
    };
    using BitmapPtr = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

    int GetButtonCount() const;
    TBBUTTON GetButton(int nIndex) const;
    void SetVertical(BOOL bVertical) const;
    void SetWrap(int nIndex, BOOL bWrap) const;
    BOOL IsRowEnd(int nIndex) const;
    // Wraps the rows so that none is wider than nWidth (at least one item each).
    void WrapToWidth(int nWidth) const;
    // Size of the items as the control has placed them, with insets for dwStyle.
    SIZE LayoutSize(DWORD dwStyle) const;

    BitmapPtr m_bitmap;   // the images, with the system's colours
};
