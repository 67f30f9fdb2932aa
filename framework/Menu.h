#pragma once
// CMenu: owns a menu loaded from the resources and destroys it with itself.
// Its popups (GetSubMenu) are borrowed from it.
#include <windows.h>

class CMenu
{
public:
    CMenu() = default;
    ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // Loads menu nIDResource of the executable; replaces a menu held before.
    BOOL LoadMenu(UINT nIDResource);
    BOOL DestroyMenu();

    HMENU GetSafeHmenu() const { return m_hMenu; }
    // Popup nPos of the menu, or null; it lives as long as this menu.
    HMENU GetSubMenu(int nPos) const { return ::GetSubMenu(m_hMenu, nPos); }

private:
    HMENU m_hMenu = nullptr;
};
