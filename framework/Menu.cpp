#include "Menu.h"

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    DestroyMenu();
    m_hMenu = ::LoadMenuA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(nIDResource));
    return m_hMenu != nullptr;
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    const BOOL bDestroyed = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return bDestroyed;
}
