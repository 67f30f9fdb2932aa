#include "ModalHelper.h"

#include "WindowQuery.h"

#include <algorithm>
#include <utility>

namespace ktest {
namespace {

constexpr UINT kTickMs = 15;
constexpr DWORD kPollMs = 20;
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr char kDialogClass[] = "#32770";

// The one script of this thread; the hook and the timer find it here.
thread_local ModalScript* t_script = nullptr;

HWND FocusOf(HWND hwnd)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

// The direct child of hwndTop that is or contains hwnd (a combo box for the
// edit field inside it), or null when hwnd is not inside hwndTop.
HWND ChildContaining(HWND hwndTop, HWND hwnd)
{
    while (hwnd && hwnd != hwndTop) {
        const HWND hwndParent = GetAncestor(hwnd, GA_PARENT);
        if (hwndParent == hwndTop)
            return hwnd;
        hwnd = hwndParent;
    }
    return nullptr;
}

// Which standard icon a message box shows; only this process's shared icon
// handles can be recognised.
UINT IconStyleOf(HWND hwnd)
{
    for (HWND hwndChild = GetWindow(hwnd, GW_CHILD); hwndChild; hwndChild = GetWindow(hwndChild, GW_HWNDNEXT)) {
        if (lstrcmpiA(ClassName(hwndChild).c_str(), "Static") != 0
            || (GetWindowLongA(hwndChild, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        const HICON hIcon = reinterpret_cast<HICON>(SendBounded(hwndChild, STM_GETICON));
        if (!hIcon || !IsWindowVisible(hwndChild))
            return 0;
        const struct { LPCSTR name; UINT style; } icons[] = {
            { IDI_HAND, MB_ICONHAND },
            { IDI_QUESTION, MB_ICONQUESTION },
            { IDI_EXCLAMATION, MB_ICONEXCLAMATION },
            { IDI_ASTERISK, MB_ICONASTERISK },
        };
        for (const auto& icon : icons)
            if (LoadIconA(nullptr, icon.name) == hIcon)
                return icon.style;
        return MB_USERICON;
    }
    return 0;
}

ControlState CaptureControl(HWND hwnd)
{
    ControlState control;
    control.hwnd = hwnd;
    control.id = GetDlgCtrlID(hwnd);
    control.className = ClassName(hwnd);
    control.text = WindowText(hwnd);
    control.style = GetWindowLongA(hwnd, GWL_STYLE);
    control.enabled = IsWindowEnabled(hwnd) != FALSE;
    control.visible = IsWindowVisible(hwnd) != FALSE;
    if (lstrcmpiA(control.className.c_str(), "Button") == 0)
        control.check = static_cast<int>(SendBounded(hwnd, BM_GETCHECK));
    return control;
}

} // namespace

const ControlState* ModalSnapshot::Control(int nID) const
{
    for (const ControlState& control : controls)
        if (control.id == nID)
            return &control;
    return nullptr;
}

bool ModalWindow::IsOpen() const
{
    return IsWindow(m_hwnd) && IsWindowVisible(m_hwnd);
}

std::string ModalWindow::Caption() const
{
    return WindowText(m_hwnd);
}

std::string ModalWindow::ItemText(int nID) const
{
    return WindowText(Item(nID));
}

bool ModalWindow::IsChecked(int nID) const
{
    return SendBounded(Item(nID), BM_GETCHECK) == BST_CHECKED;
}

bool ModalWindow::IsEnabled(int nID) const
{
    return IsWindowEnabled(Item(nID)) != FALSE;
}

int ModalWindow::FocusId() const
{
    const HWND hwndChild = ChildContaining(m_hwnd, FocusOf(m_hwnd));
    return hwndChild ? GetDlgCtrlID(hwndChild) : 0;
}

ModalSnapshot ModalWindow::Capture() const
{
    ModalSnapshot snapshot;
    snapshot.hwnd = m_hwnd;
    snapshot.className = ClassName(m_hwnd);
    snapshot.caption = Caption();
    snapshot.owner = GetWindow(m_hwnd, GW_OWNER);
    snapshot.ownerEnabled = snapshot.owner && IsWindowEnabled(snapshot.owner);
    GetWindowRect(m_hwnd, &snapshot.rect);
    snapshot.style = GetWindowLongA(m_hwnd, GWL_STYLE);
    snapshot.focusId = FocusId();
    for (HWND hwndChild = GetWindow(m_hwnd, GW_CHILD); hwndChild; hwndChild = GetWindow(hwndChild, GW_HWNDNEXT))
        snapshot.controls.push_back(CaptureControl(hwndChild));
    if (const ControlState* pText = snapshot.Control(kMessageBoxTextId))
        snapshot.text = pText->text;
    DWORD dwProcess = 0;
    GetWindowThreadProcessId(m_hwnd, &dwProcess);
    snapshot.icon = IconStyleOf(m_hwnd);
    if (dwProcess != GetCurrentProcessId() && snapshot.icon)
        snapshot.icon = MB_USERICON;
    return snapshot;
}

void ModalWindow::SetItemText(int nID, LPCSTR pszText) const
{
    SendBounded(Item(nID), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pszText));
}

void ModalWindow::Click(int nID) const
{
    SendMessageA(Item(nID), BM_CLICK, 0, 0);
}

void ModalWindow::Press(int nID) const
{
    // A command without a button of its own (IDCANCEL in a box that has
    // none) arrives as the dialog manager would send it.
    if (const HWND hwndButton = Item(nID))
        PostMessageA(hwndButton, BM_CLICK, 0, 0);
    else
        PostMessageA(m_hwnd, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0);
}

void ModalWindow::Key(UINT vk) const
{
    HWND hwndTarget = FocusOf(m_hwnd);
    if (!ChildContaining(m_hwnd, hwndTarget))
        hwndTarget = m_hwnd;
    const LPARAM lScan = static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(hwndTarget, WM_KEYDOWN, vk, lScan | 1);
    PostMessageA(hwndTarget, WM_KEYUP, vk, lScan | 1 | 0xC0000000);
}

void ModalWindow::CloseBox() const
{
    PostMessageA(m_hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}

ModalAction PressButton(int nID)
{
    return [nID](ModalWindow& window) { window.Press(nID); };
}

ModalAction PressKey(UINT vk)
{
    return [vk](ModalWindow& window) { window.Key(vk); };
}

ModalAction ClickCloseBox()
{
    return [](ModalWindow& window) { window.CloseBox(); };
}

ModalScript::ModalScript(DWORD timeoutMs)
    : m_timeoutMs(timeoutMs)
{
    if (t_script)
        return; // Problems() reports the missing hook
    m_hook = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
    m_timer = SetTimer(nullptr, 0, kTickMs, TimerProc);
    if (m_hook && m_timer)
        t_script = this;
}

ModalScript::~ModalScript()
{
    if (t_script == this)
        t_script = nullptr;
    if (m_timer)
        KillTimer(nullptr, m_timer);
    if (m_hook)
        UnhookWindowsHookEx(m_hook);
    // Only reachable when a script dies inside a modal loop: leave no window.
    for (const OpenWindow& window : m_open)
        if (IsWindow(window.hwnd))
            EndDialog(window.hwnd, 0);
}

ModalScript& ModalScript::Then(ModalAction action)
{
    m_actions.push_back(std::move(action));
    return *this;
}

std::string ModalScript::Problems() const
{
    std::string problems;
    if (t_script != this)
        problems += "modal script not installed (another one active on this thread?); ";
    for (const ModalSnapshot& snapshot : m_seen)
        if (snapshot.unexpected)
            problems += "unexpected window \"" + snapshot.caption + "\" text \"" + snapshot.text + "\"; ";
    if (m_forced)
        problems += std::to_string(m_forced) + " window(s) still open after their action, ended by force; ";
    if (!m_actions.empty())
        problems += std::to_string(m_actions.size()) + " action(s) never ran: too few modal windows; ";
    return problems;
}

LRESULT CALLBACK ModalScript::CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    ModalScript* const pScript = t_script;
    if (nCode == HCBT_ACTIVATE && pScript) {
        const HWND hwnd = reinterpret_cast<HWND>(wParam);
        const auto isKnown = [hwnd](const OpenWindow& window) { return window.hwnd == hwnd; };
        if (ClassName(hwnd) == kDialogClass
            && std::find(pScript->m_pending.begin(), pScript->m_pending.end(), hwnd) == pScript->m_pending.end()
            && std::none_of(pScript->m_open.begin(), pScript->m_open.end(), isKnown))
            pScript->m_pending.push_back(hwnd);
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void CALLBACK ModalScript::TimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    if (t_script)
        t_script->Tick();
}

// Runs inside the modal loops; an action may open a nested modal window, in
// whose loop Tick runs again, so no iterator is held across Act.
void ModalScript::Tick()
{
    const DWORD dwNow = GetTickCount();
    for (OpenWindow& window : m_open) {
        if (!window.forced && IsWindow(window.hwnd) && dwNow - window.since > m_timeoutMs) {
            window.forced = true;
            ++m_forced;
            EndDialog(window.hwnd, 0);
        }
    }
    m_open.erase(std::remove_if(m_open.begin(), m_open.end(),
                                [](const OpenWindow& window) { return !IsWindow(window.hwnd); }),
                 m_open.end());
    m_pending.erase(std::remove_if(m_pending.begin(), m_pending.end(),
                                   [](HWND hwnd) { return !IsWindow(hwnd); }),
                    m_pending.end());

    const auto visible = std::find_if(m_pending.begin(), m_pending.end(),
                                      [](HWND hwnd) { return IsWindowVisible(hwnd) != FALSE; });
    if (visible == m_pending.end())
        return;
    const HWND hwnd = *visible;
    m_pending.erase(visible);
    Act(hwnd);
}

void ModalScript::Act(HWND hwnd)
{
    ModalWindow window(hwnd);
    m_seen.push_back(window.Capture());
    m_open.push_back({ hwnd, GetTickCount(), false });
    if (m_actions.empty()) {
        m_seen.back().unexpected = true;
        window.Press(IDCANCEL);
        return;
    }
    const ModalAction action = std::move(m_actions.front());
    m_actions.pop_front();
    action(window);
}

void PumpMessages(DWORD ms)
{
    const DWORD dwStart = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        const DWORD dwElapsed = GetTickCount() - dwStart;
        if (dwElapsed >= ms)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - dwElapsed, QS_ALLINPUT);
    }
}

namespace {

struct WindowQuery
{
    LPCSTR pszClass;
    LPCSTR pszCaption;
    HWND hwndFound;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam)
{
    WindowQuery& query = *reinterpret_cast<WindowQuery*>(lParam);
    if (!IsWindowVisible(hwnd)
        || (query.pszClass && ClassName(hwnd) != query.pszClass)
        || (query.pszCaption && WindowText(hwnd) != query.pszCaption))
        return TRUE;
    query.hwndFound = hwnd;
    return FALSE;
}

} // namespace

HWND WaitForWindow(LPCSTR pszClass, LPCSTR pszCaption, DWORD timeoutMs)
{
    const DWORD dwStart = GetTickCount();
    for (;;) {
        WindowQuery query{ pszClass, pszCaption, nullptr };
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
        if (query.hwndFound || GetTickCount() - dwStart >= timeoutMs)
            return query.hwndFound;
        PumpMessages(kPollMs);
    }
}

bool WaitForWindowGone(HWND hwnd, DWORD timeoutMs)
{
    const DWORD dwStart = GetTickCount();
    while (IsWindow(hwnd)) {
        if (GetTickCount() - dwStart >= timeoutMs)
            return false;
        PumpMessages(kPollMs);
    }
    return true;
}

} // namespace ktest
