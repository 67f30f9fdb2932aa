#include "PopupMenuWatcher.h"

namespace {

thread_local PopupMenuWatcher* t_watcher = nullptr;

void PostKey(HWND hWnd, UINT vk)
{
    const LPARAM lScan = static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(hWnd, WM_KEYDOWN, vk, lScan | 1);
    PostMessageA(hWnd, WM_KEYUP, vk, lScan | 1 | 0xC0000000);
}

std::vector<PopupMenuItem> ItemsOf(HMENU hMenu)
{
    std::vector<PopupMenuItem> items;
    for (int i = 0; i < GetMenuItemCount(hMenu); ++i) {
        PopupMenuItem item;
        const UINT nState = GetMenuState(hMenu, static_cast<UINT>(i), MF_BYPOSITION);
        if (!(nState & MF_SEPARATOR)) {
            item.id = GetMenuItemID(hMenu, i);
            char szText[256] = "";
            GetMenuStringA(hMenu, static_cast<UINT>(i), szText, sizeof szText, MF_BYPOSITION);
            item.text = szText;
        }
        item.enabled = !(nState & (MF_GRAYED | MF_DISABLED));
        items.push_back(item);
    }
    return items;
}

} // namespace

PopupMenuWatcher::PopupMenuWatcher(DWORD timeoutMs)
    : m_timeoutMs(timeoutMs)
{
    m_hook = SetWindowsHookExA(WH_CALLWNDPROC, CallWndProc, nullptr, GetCurrentThreadId());
    m_timer = SetTimer(nullptr, 0, 50, TimerProc);
    t_watcher = this;
}

PopupMenuWatcher::~PopupMenuWatcher()
{
    t_watcher = nullptr;
    KillTimer(nullptr, m_timer);
    UnhookWindowsHookEx(m_hook);
}

LRESULT CALLBACK PopupMenuWatcher::CallWndProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && t_watcher)
        t_watcher->OnMessage(*reinterpret_cast<const CWPSTRUCT*>(lParam));
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void CALLBACK PopupMenuWatcher::TimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    PopupMenuWatcher* const pWatcher = t_watcher;
    if (pWatcher && !pWatcher->m_bActed && GetTickCount() - pWatcher->m_dwOpenedAt > pWatcher->m_timeoutMs) {
        pWatcher->m_bActed = true;
        ++pWatcher->m_nForced;
        EndMenu();
    }
}

void PopupMenuWatcher::OnMessage(const CWPSTRUCT& msg)
{
    if (msg.message == WM_INITMENUPOPUP && !HIWORD(msg.lParam)) {
        m_hMenuOpening = reinterpret_cast<HMENU>(msg.wParam);
        m_hWndOwner = msg.hwnd;
        m_bActed = false;
        m_dwOpenedAt = GetTickCount();
        return;
    }
    if (msg.message != WM_ENTERIDLE || msg.wParam != MSGF_MENU || m_bActed)
        return;
    m_bActed = true;

    SeenPopupMenu seen;
    seen.owner = m_hWndOwner;
    seen.menu = m_hMenuOpening;
    HWND hWndMenu = reinterpret_cast<HWND>(msg.lParam);
    if (!hWndMenu)
        hWndMenu = FindWindowA("#32768", nullptr);
    GetWindowRect(hWndMenu, &seen.rect);
    seen.items = ItemsOf(m_hMenuOpening);
    m_seen.push_back(seen);

    if (m_choices.empty()) {
        PostKey(hWndMenu, VK_ESCAPE);
        return;
    }
    const UINT nID = m_choices.front();
    m_choices.pop_front();
    // Down from no selection reaches the first item; separators are skipped.
    int nDowns = 0;
    for (const PopupMenuItem& item : seen.items) {
        if (item.id == 0)
            continue;
        ++nDowns;
        if (item.id == nID)
            break;
    }
    for (int i = 0; i < nDowns; ++i)
        PostKey(hWndMenu, VK_DOWN);
    PostKey(hWndMenu, VK_RETURN);
}
