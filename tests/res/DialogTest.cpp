// The three dialog templates, control by control, as stored and as the
// dialog manager builds them.
#include "DialogTemplate.h"
#include "ResourceBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Predefined window classes are stored as ordinals.
constexpr WORD kButton = 0x80;
constexpr WORD kEdit = 0x81;
constexpr WORD kStatic = 0x82;
constexpr WORD kComboBox = 0x85;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kDialogStyle = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr int kStaticId = -1;

struct ExpectedControl {
    int id;
    WORD windowClass;
    NameOrOrdinal text;
    short x, y, cx, cy;
    DWORD style;
};

struct ExpectedDialog {
    WORD id;
    bool extended;
    const wchar_t* caption;
    short cx, cy;
    std::vector<ExpectedControl> controls;
};

NameOrOrdinal Text(const wchar_t* text) { return NameOrOrdinal::Text(text); }

const ExpectedDialog kAboutBox = {
    100, true, L"ﾊﾞｰｼﾞｮﾝ情報", 243, 65,
    {
        {kStaticId, kStatic, Text(L""), 30, 4, 207, 37, kChild | SS_BLACKFRAME},
        {kStaticId, kStatic, NameOrOrdinal::Ordinal(128), 6, 14, 20, 20, kChild | SS_ICON},
        {kStaticId, kStatic, Text(L"Korvane   Version 1.2.1"), 35, 10, 119, 11,
         kChild | WS_GROUP | SS_LEFT | SS_NOPREFIX},
        {kStaticId, kStatic, Text(L"著作権 (C) Dravel  不許複製"), 35, 25, 198, 11, kChild | WS_GROUP | SS_LEFT},
        {IDOK, kButton, Text(L"OK"), 96, 46, 50, 14, kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
    }};

const ExpectedDialog kEventCreate = {
    130, false, L"ｲﾍﾞﾝﾄの作成", 187, 109,
    {
        {kStaticId, kButton, Text(L"作成方法 :"), 7, 7, 173, 26, kChild | BS_GROUPBOX},
        {1001, kButton, Text(L"Create"), 44, 17, 35, 10, kChild | BS_AUTORADIOBUTTON},
        {1002, kButton, Text(L"Open"), 115, 17, 31, 10, kChild | BS_AUTORADIOBUTTON},
        {kStaticId, kStatic, Text(L"ｲﾍﾞﾝﾄ名 :"), 7, 39, 28, 14, kChild | WS_GROUP | SS_LEFT | SS_CENTERIMAGE},
        {1003, kButton, Text(L"シグナル状態で生成"), 7, 72, 75, 10, kChild | WS_TABSTOP | BS_AUTOCHECKBOX},
        {IDOK, kButton, Text(L"OK"), 33, 88, 50, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {IDCANCEL, kButton, Text(L"ｷｬﾝｾﾙ"), 104, 88, 50, 14, kChild | WS_TABSTOP | BS_PUSHBUTTON},
        {1004, kButton, Text(L"手動リセット"), 7, 58, 102, 10, kChild | WS_TABSTOP | BS_AUTOCHECKBOX},
        {1000, kComboBox, Text(L""), 36, 39, 144, 114, kChild | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN},
    }};

constexpr DWORD kLabel = kChild | WS_GROUP | SS_RIGHT | SS_CENTERIMAGE;
constexpr DWORD kField = kChild | WS_TABSTOP | ES_LEFT | ES_READONLY;

const ExpectedDialog kEventInfo = {
    133, false, L"ｲﾍﾞﾝﾄ情報", 187, 87,
    {
        {IDOK, kButton, Text(L"OK"), 68, 66, 50, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
        {kStaticId, kStatic, Text(L"ｲﾍﾞﾝﾄ名 :"), 7, 7, 32, 14, kLabel},
        {1000, kEdit, Text(L""), 42, 10, 138, 12, kField},
        {kStaticId, kStatic, Text(L"作成方法 :"), 7, 21, 32, 14, kLabel},
        {1001, kEdit, Text(L""), 42, 24, 138, 12, kField},
        {kStaticId, kStatic, Text(L"状態 :"), 7, 34, 32, 14, kLabel},
        {1002, kEdit, Text(L""), 42, 37, 138, 12, kField},
        {kStaticId, kStatic, Text(L"備考 :"), 7, 47, 32, 14, kLabel},
        {1003, kEdit, Text(L""), 42, 50, 138, 12, kField},
    }};

const ExpectedDialog* const kDialogs[] = {&kAboutBox, &kEventCreate, &kEventInfo};

std::string Hex(DWORD value)
{
    char text[16];
    wsprintfA(text, "0x%08lX", value);
    return text;
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

}  // namespace

TEST(Dialogs, TemplatesHoldEveryControlAsLaidOut)
{
    for (const ExpectedDialog* expected : kDialogs) {
        SCOPED_TRACE("dialog " + std::to_string(expected->id));
        const ResourceBytes bytes = FindResourceBytes(5 /* RT_DIALOG */, expected->id);
        ASSERT_TRUE(bytes);
        const DialogTemplate dialog = ParseDialogTemplate(bytes.data, bytes.size);

        EXPECT_EQ(dialog.extended, expected->extended);
        EXPECT_EQ(Hex(dialog.style), Hex(kDialogStyle));
        EXPECT_EQ(Hex(dialog.exStyle), Hex(0));
        EXPECT_EQ(dialog.helpId, 0u);
        EXPECT_EQ(dialog.x, 0);
        EXPECT_EQ(dialog.y, 0);
        EXPECT_EQ(dialog.cx, expected->cx);
        EXPECT_EQ(dialog.cy, expected->cy);
        EXPECT_EQ(Describe(dialog.menu), Describe({}));
        EXPECT_EQ(Describe(dialog.windowClass), Describe({}));
        EXPECT_EQ(Utf8(dialog.caption), Utf8(expected->caption));
        EXPECT_EQ(dialog.pointSize, 9);
        EXPECT_EQ(Utf8(dialog.font), Utf8(L"ＭＳ Ｐゴシック"));
        EXPECT_EQ(dialog.weight, 0);
        EXPECT_EQ(dialog.italic, 0);
        EXPECT_EQ(dialog.charset, 0);

        EXPECT_FALSE(dialog.truncated);
        ASSERT_EQ(dialog.controls.size(), expected->controls.size());
        for (size_t i = 0; i < dialog.controls.size(); ++i) {
            const DialogControl& control = dialog.controls[i];
            const ExpectedControl& want = expected->controls[i];
            SCOPED_TRACE("control #" + std::to_string(i + 1) + " " + Describe(want.text));
            EXPECT_EQ(control.id, want.id);
            EXPECT_EQ(Describe(control.windowClass), Describe(NameOrOrdinal::Ordinal(want.windowClass)));
            EXPECT_EQ(Describe(control.text), Describe(want.text));
            EXPECT_EQ(control.x, want.x);
            EXPECT_EQ(control.y, want.y);
            EXPECT_EQ(control.cx, want.cx);
            EXPECT_EQ(control.cy, want.cy);
            EXPECT_EQ(Hex(control.style), Hex(want.style));
            EXPECT_EQ(Hex(control.exStyle), Hex(0));
            EXPECT_EQ(control.helpId, 0u);
            EXPECT_EQ(control.extraBytes, 0);
        }
    }
}

TEST(Dialogs, DialogManagerBuildsEachTemplate)
{
    for (const ExpectedDialog* expected : kDialogs) {
        SCOPED_TRACE("dialog " + std::to_string(expected->id));
        HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(expected->id), nullptr,
                                         QuietDialogProc, 0);
        ASSERT_TRUE(dialog);
        wchar_t caption[64] = {};
        GetWindowTextW(dialog, caption, 64);
        EXPECT_EQ(Utf8(caption), Utf8(expected->caption));
        EXPECT_FALSE(IsWindowVisible(dialog));

        std::vector<HWND> children;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            children.push_back(child);
        ASSERT_EQ(children.size(), expected->controls.size());
        for (size_t i = 0; i < children.size(); ++i) {
            const ExpectedControl& want = expected->controls[i];
            SCOPED_TRACE("control #" + std::to_string(i + 1));
            EXPECT_EQ(static_cast<int>(static_cast<short>(GetDlgCtrlID(children[i]))), want.id);
            if (want.text.ordinal) {  // the icon control shows icon 128
                EXPECT_TRUE(SendMessageW(children[i], STM_GETICON, 0, 0));
            }
        }
        DestroyWindow(dialog);
    }
}
