#pragma once
// Catches the popup menus that this thread tracks (TrackPopupMenu) and acts
// on them as a user at the keyboard would.
//
//     PopupMenuWatcher watcher;
//     watcher.Choose(ID_EVENT_SIGNAL);     // for the next menu; else Esc
//     SendMessage(hWndView, WM_CONTEXTMENU, ...);
//     ASSERT_EQ(1u, watcher.Seen().size());
//
// A thread-local WH_CALLWNDPROC hook sees the WM_INITMENUPOPUP that the
// menu's owner receives as the popup opens, and the WM_ENTERIDLE of the
// menu's loop once it waits for input. At that moment the menu is recorded
// (owner, items with their states, the menu window's rectangle) and the
// queued action runs: arrow keys and Enter to choose an item, or Esc. A
// menu still open after timeoutMs is ended with EndMenu and counted, so a
// faulty test fails instead of hanging.
#include <windows.h>

#include <deque>
#include <string>
#include <vector>

struct PopupMenuItem
{
    UINT id = 0;           // 0 for a separator
    std::string text;
    bool enabled = false;
};

struct SeenPopupMenu
{
    HWND owner = nullptr;
    HMENU menu = nullptr;
    RECT rect{};           // the menu window, screen coordinates
    std::vector<PopupMenuItem> items;
};

class PopupMenuWatcher
{
public:
    explicit PopupMenuWatcher(DWORD timeoutMs = 3000);
    ~PopupMenuWatcher();
    PopupMenuWatcher(const PopupMenuWatcher&) = delete;
    PopupMenuWatcher& operator=(const PopupMenuWatcher&) = delete;

    // The next menu chooses item nID (by arrow keys and Enter).
    void Choose(UINT nID) { m_choices.push_back(nID); }

    const std::vector<SeenPopupMenu>& Seen() const { return m_seen; }
    // Menus that had to be ended by force.
    int Forced() const { return m_nForced; }

private:
    static LRESULT CALLBACK CallWndProc(int nCode, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
    void OnMessage(const CWPSTRUCT& msg);

    DWORD m_timeoutMs;
    HHOOK m_hook = nullptr;
    UINT_PTR m_timer = 0;
    std::deque<UINT> m_choices;
    std::vector<SeenPopupMenu> m_seen;
    HMENU m_hMenuOpening = nullptr;
    HWND m_hWndOwner = nullptr;
    bool m_bActed = true;
    DWORD m_dwOpenedAt = 0;
    int m_nForced = 0;
};
