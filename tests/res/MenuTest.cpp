// The menu bar and the context menu, item by item, as the system loads them.
#include "ResourceBytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// One item as the test describes it; submenu items follow their popup.
struct ExpectedItem {
    const wchar_t* text;  // null for a separator
    UINT id;
    std::vector<ExpectedItem> popup;
};

// Renders one item as "text | id or popup | type | state", so that a
// mismatch shows the whole item. A separator's state is the system's own
// (it greys separators), so it is left out.
std::string Line(const std::wstring& text, bool popup, UINT id, UINT type, UINT state)
{
    std::string line = Utf8(text) + " | " + (popup ? std::string("popup") : "id " + std::to_string(id)) +
                       " | type " + std::to_string(type);
    return type & MFT_SEPARATOR ? line : line + " | state " + std::to_string(state);
}

// The items of one menu level, and the submenu of each (null for plain items).
std::vector<std::string> ReadLevel(HMENU menu, std::vector<HMENU>* submenus)
{
    std::vector<std::string> lines;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        wchar_t text[256] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 256;
        if (!GetMenuItemInfoW(menu, position, TRUE, &info))
            info = MENUITEMINFOW{};
        lines.push_back(Line(text, info.hSubMenu != nullptr, info.wID, info.fType, info.fState));
        submenus->push_back(info.hSubMenu);
    }
    return lines;
}

// Compares one level item by item, then every popup below it.
void ExpectMenu(HMENU menu, const std::vector<ExpectedItem>& expected, const std::string& where)
{
    SCOPED_TRACE(where);
    std::vector<std::string> wanted;
    for (const ExpectedItem& item : expected)
        wanted.push_back(item.text ? Line(item.text, !item.popup.empty(), item.id, MFT_STRING, 0)
                                   : Line(L"", false, 0, MFT_SEPARATOR, 0));
    std::vector<HMENU> submenus;
    ASSERT_EQ(ReadLevel(menu, &submenus), wanted);
    for (size_t i = 0; i < expected.size(); ++i)
        if (!expected[i].popup.empty())
            ExpectMenu(submenus[i], expected[i].popup, where + " > " + Utf8(expected[i].text));
}

// The option flags of every item of a menu resource, walked as stored:
// a header of two zero words, then per item its flags, its identifier
// (plain items only) and its text; a popup's items follow it up to MF_END.
bool ReadMenuFlags(const BYTE* data, size_t size, size_t& offset, std::vector<WORD>& flags)
{
    for (;;) {
        if (offset + 2 > size)
            return false;
        WORD itemFlags;
        std::memcpy(&itemFlags, data + offset, 2);
        offset += itemFlags & MF_POPUP ? 2 : 4;
        flags.push_back(itemFlags);
        for (WCHAR c = 1; c != 0; offset += 2) {
            if (offset + 2 > size)
                return false;
            std::memcpy(&c, data + offset, 2);
        }
        if ((itemFlags & MF_POPUP) && !ReadMenuFlags(data, size, offset, flags))
            return false;
        if (itemFlags & MF_END)
            return true;
    }
}

struct MenuHandle {
    HMENU menu;
    ~MenuHandle() { DestroyMenu(menu); }
};

const ExpectedItem kSeparator{nullptr, 0, {}};

}  // namespace

TEST(Menus, MenuBarHasThreePopupsInOrder)
{
    MenuHandle bar{LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(128))};
    ASSERT_TRUE(bar.menu);
    const std::vector<ExpectedItem> expected = {
        {L"ｲﾍﾞﾝﾄ(&E)", 0,
         {
             {L"作成(&M)", 32772, {}},
             {L"ｸﾛｰｽﾞ(&C)", 32782, {}},
             kSeparator,
             {L"ｼｸﾞﾅﾙ(&S)", 32780, {}},
             {L"非ｼｸﾞﾅﾙ(&N)", 32781, {}},
             {L"ｲﾍﾞﾝﾄ情報(&I)", 32786, {}},
             kSeparator,
             {L"ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", 57665, {}},
         }},
        {L"表示(&V)", 0,
         {
             {L"ﾂｰﾙ ﾊﾞｰ(&T)", 59392, {}},
             kSeparator,
             {L"更新(&U)", 32775, {}},
         }},
        {L"ﾍﾙﾌﾟ(&H)", 0,
         {
             {L"ﾍﾙﾌﾟ(&H)", 57671, {}},
             {L"ﾊﾞｰｼﾞｮﾝ情報(&A)...", 57664, {}},
         }},
    };
    ExpectMenu(bar.menu, expected, "menu 128");
}

TEST(Menus, ContextMenuIsOnePopupEndingWithClose)
{
    MenuHandle context{LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(132))};
    ASSERT_TRUE(context.menu);
    const std::vector<ExpectedItem> expected = {
        {L"EventOperation", 0,
         {
             {L"ｼｸﾞﾅﾙ(&S)", 32780, {}},
             {L"非ｼｸﾞﾅﾙ(&N)", 32781, {}},
             {L"ｲﾍﾞﾝﾄ情報(&I)", 32786, {}},
             kSeparator,
             {L"ｸﾛｰｽﾞ(&C)", 32782, {}},
         }},
    };
    ExpectMenu(context.menu, expected, "menu 132");
}

TEST(Menus, ItemsCarryNoStateOfTheirOwn)
{
    // Enabling and check marks come from the update rules, never from the resource.
    for (WORD id : {128, 132}) {
        SCOPED_TRACE("menu " + std::to_string(id));
        const ResourceBytes bytes = FindResourceBytes(4 /* RT_MENU */, id);
        ASSERT_TRUE(bytes);
        ASSERT_GE(bytes.size, 4u);
        EXPECT_EQ(std::vector<BYTE>(bytes.data, bytes.data + 4), std::vector<BYTE>(4, 0));  // classic format
        size_t offset = 4;
        std::vector<WORD> flags;
        ASSERT_TRUE(ReadMenuFlags(bytes.data, bytes.size, offset, flags));
        EXPECT_EQ(offset, bytes.size);
        for (size_t i = 0; i < flags.size(); ++i)
            EXPECT_EQ(flags[i] & ~(MF_POPUP | MF_END), 0) << "item " << i;
    }
}

TEST(Menus, UseHalfWidthKatakanaOnly)
{
    for (WORD id : {128, 132}) {
        MenuHandle menu{LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id))};
        ASSERT_TRUE(menu.menu);
        std::vector<HMENU> levels{menu.menu};
        for (size_t level = 0; level < levels.size(); ++level) {
            for (int position = 0; position < GetMenuItemCount(levels[level]); ++position) {
                wchar_t text[256] = {};
                GetMenuStringW(levels[level], position, text, 256, MF_BYPOSITION);
                for (const wchar_t* c = text; *c; ++c)
                    EXPECT_FALSE(*c >= 0x30A0 && *c <= 0x30FF) << "full-width katakana in " << Utf8(text);
                if (HMENU sub = GetSubMenu(levels[level], position))
                    levels.push_back(sub);
            }
        }
    }
}
