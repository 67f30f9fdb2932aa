#include "BarFixture.h"

#include "ModalHelper.h"
#include "WinApp.h"

#include <deque>

CWinApp theBarTestApp;

namespace
{
constexpr UINT WM_RUN_PROBE = WM_APP + 1;

// Actions run by a message-only window when a drag's loop dispatches
// their message.
std::deque<std::function<void()>>& ProbeActions()
{
    static std::deque<std::function<void()>> actions;
    return actions;
}

LRESULT CALLBACK ProbeWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_RUN_PROBE && !ProbeActions().empty())
    {
        const std::function<void()> action = ProbeActions().front();
        ProbeActions().pop_front();
        action();
        return 0;
    }
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

HWND ProbeWindow()
{
    static HWND hWnd = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ProbeWndProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "ToolBarTestProbe";
        RegisterClassA(&wc);
        return CreateWindowExA(0, wc.lpszClassName, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               wc.hInstance, nullptr);
    }();
    return hWnd;
}

void CALLBACK QuitTimerProc(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    KillTimer(nullptr, nIDEvent);
    PostQuitMessage(0);
}

LPARAM ClientLParam(HWND hWnd, POINT ptScreen)
{
    ScreenToClient(hWnd, &ptScreen);
    return PointLParam(ptScreen);
}
}

std::string ToString(const RECT& rc)
{
    return "(" + std::to_string(rc.left) + "," + std::to_string(rc.top) + ")-(" + std::to_string(rc.right) + ","
           + std::to_string(rc.bottom) + ")";
}

LPARAM PointLParam(POINT pt)
{
    return MAKELPARAM(static_cast<short>(pt.x), static_cast<short>(pt.y));
}

void BarFixture::SetUp()
{
    m_pFrame = CBarTestFrame::CreateShown();
    ASSERT_NE(nullptr, m_pFrame);
    m_hWndFrame = m_pFrame->m_hWnd;
    theBarTestApp.m_pMainWnd = m_pFrame;
    ktest::PumpMessages(50);
}

void BarFixture::TearDown()
{
    theBarTestApp.m_pMainWnd = nullptr;
    ProbeActions().clear();
    if (IsWindow(m_hWndFrame))
        DestroyWindow(m_hWndFrame);
    ktest::PumpMessages(20);
    // The floating window goes with its frame.
    EXPECT_EQ(nullptr, FindWindowA("AfxMiniDockFrame", nullptr));
}

HWND BarFixture::ViewWnd() const
{
    return GetDlgItem(m_hWndFrame, AFX_IDW_PANE_FIRST);
}

RECT BarFixture::FrameClient() const
{
    RECT rc;
    GetClientRect(m_hWndFrame, &rc);
    return rc;
}

RECT BarFixture::RectInFrame(HWND hWnd) const
{
    RECT rc;
    GetWindowRect(hWnd, &rc);
    MapWindowPoints(nullptr, m_hWndFrame, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

UINT BarFixture::DockedAt() const
{
    const HWND hWndParent = GetParent(BarWnd());
    return GetParent(hWndParent) == m_hWndFrame ? static_cast<UINT>(GetDlgCtrlID(hWndParent)) : 0;
}

HWND BarFixture::FloatingWindow() const
{
    const HWND hWndParent = GetParent(BarWnd());
    char szClass[64] = "";
    GetClassNameA(hWndParent, szClass, sizeof(szClass));
    return std::string(szClass) == "AfxMiniDockFrame" ? hWndParent : nullptr;
}

std::vector<RECT> BarFixture::ButtonRects() const
{
    std::vector<RECT> rects;
    const int nCount = static_cast<int>(SendMessageA(BarWnd(), TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i)
    {
        TBBUTTON button = {};
        SendMessageA(BarWnd(), TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        if (button.fsStyle & BTNS_SEP)
            continue;
        RECT rc = {};
        SendMessageA(BarWnd(), TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rc));
        rects.push_back(rc);
    }
    return rects;
}

POINT BarFixture::GripperPoint() const
{
    // The gripper lies before the first button: left of it in a row, above
    // it in a column, outside the client area.
    return Bar().IsHorz() ? POINT{ -4, 10 } : POINT{ 10, -4 };
}

POINT BarFixture::ScreenPointInFrame(int x, int y) const
{
    POINT pt = { x, y };
    ClientToScreen(m_hWndFrame, &pt);
    return pt;
}

void BarFixture::DuringDrag(std::function<void()> action)
{
    ProbeActions().push_back(std::move(action));
}

void BarFixture::PostPath(const std::vector<POINT>& path, DragEnd end) const
{
    // Each queued probe runs after the move to the point at its position.
    const HWND hWndBar = BarWnd();
    size_t nProbe = 0;
    for (const POINT& pt : path)
    {
        PostMessageA(hWndBar, WM_MOUSEMOVE, MK_LBUTTON, ClientLParam(hWndBar, pt));
        if (nProbe++ < ProbeActions().size())
            PostMessageA(ProbeWindow(), WM_RUN_PROBE, 0, 0);
    }
    if (end == DragEnd::Escape)
        PostMessageA(hWndBar, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(hWndBar, WM_LBUTTONUP, 0, ClientLParam(hWndBar, path.back()));
}

void BarFixture::DragGripper(const std::vector<POINT>& path, DragEnd end)
{
    PostPath(path, end);
    SendMessageA(BarWnd(), WM_LBUTTONDOWN, MK_LBUTTON, PointLParam(GripperPoint()));
    ktest::PumpMessages(20);
}

void BarFixture::DragCaption(POINT ptDown, const std::vector<POINT>& path)
{
    PostPath(path, DragEnd::Release);
    SendMessageA(FloatingWindow(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(ptDown.x, ptDown.y));
    ktest::PumpMessages(20);
}

void BarFixture::RunIdle() const
{
    // The loop goes idle at once; the timer ends it afterwards.
    SetTimer(nullptr, 0, 100, QuitTimerProc);
    theBarTestApp.Run();
}

BOOL BarFixture::IsButtonEnabled(UINT nID) const
{
    return SendMessageA(BarWnd(), TB_ISBUTTONENABLED, nID, 0) != 0;
}

bool BarFixture::MenuChecked(UINT nID) const
{
    const HMENU hMenu = GetMenu(m_hWndFrame);
    for (int i = 0; i < GetMenuItemCount(hMenu); ++i)
    {
        const HMENU hPopup = GetSubMenu(hMenu, i);
        if (GetMenuState(hPopup, nID, MF_BYCOMMAND) == static_cast<UINT>(-1))
            continue;
        SendMessageA(m_hWndFrame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hPopup), MAKELPARAM(i, FALSE));
        return (GetMenuState(hPopup, nID, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    ADD_FAILURE() << "no menu item " << nID;
    return false;
}
