#pragma once
// Test helper for modal windows: dialogs and message boxes that the code under
// test opens and waits on, here on the test thread or in another process.
//
// On the test thread, a ModalScript acts on each modal window as it appears:
//
//     ModalScript script;                       // hook and timer installed
//     script.Then(PressButton(IDOK));           // action for the 1st window
//     int nResult = AfxMessageBox(nID);         // returns once IDOK is pressed
//     ASSERT_EQ("", script.Problems());
//     EXPECT_EQ("text", script.Seen().at(0).text);
//
// Each window that this thread activates with the dialog class ("#32770", as
// every dialog and message box has) is caught by a thread-local WH_CBT hook
// (HCBT_ACTIVATE). A thread timer, which the modal loop itself dispatches,
// then takes the next queued action once the window is visible, records a
// snapshot of the window (ModalSnapshot) and runs the action. A window that
// finds no action left is closed with IDCANCEL and counted as unexpected; a
// window still open `timeoutMs` after its action ran is ended with EndDialog
// and counted as forced, so a faulty test fails instead of hanging. The
// destructor removes hook and timer. One script per thread at a time.
//
// An action is any callable taking a ModalWindow&. Posted input (PressButton,
// PressKey, ClickCloseBox, ModalWindow::Press/Key/CloseBox) is handled by the
// window's own modal loop after the action returns, as real input would be.
// ModalWindow::Click is sent: it returns only after the button's handlers ran,
// including any nested modal window they open, which the script handles with
// the next queued action. So one action can press OK, let a validation box be
// answered by the next action, and then look at the dialog again:
//
//     script.Then([&](ModalWindow& dlg) {
//         dlg.SetItemText(IDC_NAME, strTooLong);
//         dlg.Click(IDOK);                      // the message box comes and goes
//         nFocusAfter = dlg.FocusId();
//         dlg.Press(IDCANCEL);
//     });
//     script.Then(PressButton(IDOK));           // the validation message box
//
// Windows of another process: WaitForWindow finds a top-level window by class
// and caption with a bounded poll; ModalWindow and Capture work on it too
// (except for recognising message-box icons, which are per process).
#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace ktest {

// One child control as it was when its window was captured.
struct ControlState
{
    HWND hwnd = nullptr;
    int id = 0;
    std::string className;
    std::string text;
    LONG style = 0;
    bool enabled = false;
    bool visible = false;
    int check = -1; // BM_GETCHECK for buttons, -1 for other controls
};

// A top-level window as it was when it was captured.
struct ModalSnapshot
{
    HWND hwnd = nullptr;
    std::string className;
    std::string caption;
    std::string text;        // message-box text (static control 0xFFFF), else ""
    UINT icon = 0;           // MB_ICONHAND/QUESTION/EXCLAMATION/ASTERISK,
                             // MB_USERICON for another icon, 0 for none
    HWND owner = nullptr;    // GetWindow(GW_OWNER)
    bool ownerEnabled = false;
    bool unexpected = false; // no action was queued for it
    RECT rect{};             // window rectangle, screen coordinates
    LONG style = 0;
    int focusId = 0;         // id of the control holding the focus, 0 for none
    std::vector<ControlState> controls; // direct children, in z (tab) order

    // The control with identifier nID, or null.
    const ControlState* Control(int nID) const;
};

// A borrowed handle to a (modal) window, with the reads and the input that
// tests need. Reads and SetItemText are bounded (2 s) so that a hung window
// of another process cannot block the test; Click waits for the handlers it
// runs and is meant for windows of this thread.
class ModalWindow
{
public:
    explicit ModalWindow(HWND hwnd) : m_hwnd(hwnd) {}

    HWND Handle() const { return m_hwnd; }
    bool IsOpen() const;                  // exists and is visible
    HWND Item(int nID) const { return GetDlgItem(m_hwnd, nID); }
    std::string Caption() const;
    std::string ItemText(int nID) const;
    bool IsChecked(int nID) const;        // BM_GETCHECK == BST_CHECKED
    bool IsEnabled(int nID) const;
    int FocusId() const;                  // control holding the focus, 0 for none
    ModalSnapshot Capture() const;

    // Sent: done when the call returns.
    void SetItemText(int nID, LPCSTR pszText) const;  // WM_SETTEXT
    void Click(int nID) const;            // BM_CLICK, with everything it runs

    // Posted: handled by the window's message loop later.
    void Press(int nID) const;            // BM_CLICK
    void Key(UINT vk) const;              // key down and up at the focus control
    void CloseBox() const;                // WM_SYSCOMMAND SC_CLOSE

private:
    HWND m_hwnd;
};

using ModalAction = std::function<void(ModalWindow&)>;

ModalAction PressButton(int nID);   // posted click on button nID (IDOK, IDCANCEL...)
ModalAction PressKey(UINT vk);      // posted key at the focus (VK_RETURN, VK_ESCAPE)
ModalAction ClickCloseBox();        // posted close-box command

class ModalScript
{
public:
    explicit ModalScript(DWORD timeoutMs = 5000);
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // Queues the action for the next modal window to appear.
    ModalScript& Then(ModalAction action);

    // Every window handled so far, in order of appearance, captured just
    // before its action ran.
    const std::vector<ModalSnapshot>& Seen() const { return m_seen; }

    // "" when every queued action ran on a window of its own and every window
    // closed in time; otherwise what went wrong, for the test's message.
    std::string Problems() const;

private:
    struct OpenWindow
    {
        HWND hwnd;
        DWORD since;
        bool forced;
    };

    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
    void Tick();
    void Act(HWND hwnd);

    DWORD m_timeoutMs;
    HHOOK m_hook = nullptr;
    UINT_PTR m_timer = 0;
    std::deque<ModalAction> m_actions;
    std::vector<HWND> m_pending;   // activated, not yet acted on
    std::vector<OpenWindow> m_open;
    std::vector<ModalSnapshot> m_seen;
    int m_forced = 0;
};

// Polls (every 20 ms, pumping this thread's messages) until a visible
// top-level window of that class and caption exists, or timeoutMs passes.
// A null class or caption matches any. Null on time-out.
HWND WaitForWindow(LPCSTR pszClass, LPCSTR pszCaption, DWORD timeoutMs);

// Polls the same way until hwnd is destroyed; false on time-out.
bool WaitForWindowGone(HWND hwnd, DWORD timeoutMs);

// Dispatches this thread's messages for ms milliseconds.
void PumpMessages(DWORD ms);

} // namespace ktest
