#include "Wnd.h"

#include "FrameWnd.h"
#include "HtmlHelpLoader.h"
#include "MessageBox.h"
#include "WinApp.h"

#include <unordered_map>

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

namespace
{
// The framework objects of this thread's windows. Looked up on every
// message, so it is kept in the process: a window property would cost a
// round trip to the window server each time.
std::unordered_map<HWND, CWnd*>& PermanentMap()
{
    thread_local std::unordered_map<HWND, CWnd*> t_map;
    return t_map;
}

// The object whose window CreateEx is creating on this thread; taken by
// the creation hook for the first window the system creates.
thread_local CWnd* t_pWndInit = nullptr;

// The message the innermost framework window procedure on this thread is
// handling, for Default(). Kept outside the object: a handler may destroy
// the window and with it the object.
thread_local const MSG* t_pMsgCur = nullptr;

void SendToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep)
{
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild;
         hWndChild = ::GetNextWindow(hWndChild, GW_HWNDNEXT))
    {
        ::SendMessageA(hWndChild, message, wParam, lParam);
        if (bDeep)
            SendToDescendants(hWndChild, message, wParam, lParam, bDeep);
    }
}

BOOL ModifyWindowLong(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    const DWORD dwOld = static_cast<DWORD>(::GetWindowLongA(hWnd, nIndex));
    const DWORD dwNew = (dwOld & ~dwRemove) | dwAdd;
    if (dwOld == dwNew)
        return FALSE;
    ::SetWindowLongA(hWnd, nIndex, static_cast<LONG>(dwNew));
    if (nFlags)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}
}

LRESULT CALLBACK AfxCbtCreateHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && t_pWndInit)
    {
        CWnd* pWnd = t_pWndInit;
        t_pWndInit = nullptr;
        pWnd->Attach(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    return pWnd->ProcessMessage(message, wParam, lParam);
}

CWnd::~CWnd()
{
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    if (!hWnd)
        return nullptr;
    const auto& map = PermanentMap();
    const auto it = map.find(hWnd);
    return it != map.end() ? it->second : nullptr;
}

void CWnd::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    PermanentMap()[hWnd] = this;
    const WNDPROC pfnOld = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
    if (pfnOld != AfxWndProc)
    {
        m_pfnSuper = pfnOld;
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc));
    }
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (m_hWnd || !IsWindow(hWnd) || FromHandlePermanent(hWnd))
        return FALSE;
    Attach(hWnd);
    return TRUE;
}

// The window is gone: give it back its own procedure and forget it. When
// it was the main window, the message loop ends.
void CWnd::OnFinalDestroy()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this)
    {
        pApp->m_pMainWnd = nullptr;
        PostQuitMessage(0);
    }
    if (m_pfnSuper)
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    PermanentMap().erase(m_hWnd);
    m_hWnd = nullptr;
}

LRESULT CWnd::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const MSG msg = { m_hWnd, message, wParam, lParam, 0, { 0, 0 } };
    const MSG* pMsgOuter = t_pMsgCur;
    t_pMsgCur = &msg;
    const LRESULT lResult = WindowProc(message, wParam, lParam);
    t_pMsgCur = pMsgOuter;
    if (message == WM_NCDESTROY)
    {
        OnFinalDestroy();
        PostNcDestroy();    // may delete this
    }
    return lResult;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD,
                    rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    CREATESTRUCTA cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = GetModuleHandleA(nullptr);
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }

    HHOOK hHook = SetWindowsHookExA(WH_CBT, AfxCbtCreateHook, nullptr, GetCurrentThreadId());
    t_pWndInit = this;
    const HWND hWnd = CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                                      static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                      cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    const bool bNeverAttached = t_pWndInit == this;
    t_pWndInit = nullptr;
    UnhookWindowsHookEx(hHook);
    // A window that was attached and then failed has been through
    // PostNcDestroy already; one that never came to be goes through it now,
    // so that a failed creation always ends there.
    if (!hWnd && bNeverAttached)
        PostNcDestroy();
    return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA&)
{
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

void CWnd::PostNcDestroy()
{
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 0;
        return TRUE;
    }
    if (message == WM_NOTIFY)
    {
        LRESULT lResult = 0;
        if (!OnNotify(wParam, lParam, &lResult))
            return FALSE;
        *pResult = lResult;
        return TRUE;
    }

    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(message, 0, 0);
    if (!pEntry)
        return FALSE;
    AFX_DISPATCHARGS args = { 0, wParam, lParam, nullptr, 0 };
    if (!pEntry->pfnDispatch(this, args))
        return FALSE;
    *pResult = args.lResult;
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(t_pMsgCur->message, t_pMsgCur->wParam, t_pMsgCur->lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    const HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (!hWndCtrl)
    {
        // A menu command or a command message: its update rule may drop it.
        CCmdUI state(nID);
        OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.IsEnabled())
            return TRUE;
        nCode = CN_COMMAND;
    }
    else
    {
        CWnd* pChild = FromHandlePermanent(hWndCtrl);
        LRESULT lResult = 0;
        if (pChild && pChild != this && pChild->OnChildNotify(WM_COMMAND, wParam, lParam, &lResult))
            return TRUE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    CWnd* pChild = FromHandlePermanent(pNMHDR->hwndFrom);
    if (pChild && pChild != this && pChild->OnChildNotify(WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    // Entries name the sender by its control identifier (a tooltip, for one,
    // puts a command or a window into idFrom).
    const UINT nID = pNMHDR->hwndFrom ? static_cast<UINT>(::GetDlgCtrlID(pNMHDR->hwndFrom)) : 0;
    AFX_NOTIFY notify = { pResult, pNMHDR };
    return OnCmdMsg(nID, static_cast<int>(MAKELONG(pNMHDR->code, WM_NOTIFY)), &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    AFX_DISPATCHARGS args = { 0, wParam, lParam, nullptr, 0 };
    AFX_NOTIFY notify = { pResult, nullptr };
    UINT nCode = 0;
    if (message == WM_NOTIFY)
    {
        notify.pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        nCode = LOWORD(notify.pNMHDR->code);
        args.pExtra = &notify;
    }
    else if (message == WM_COMMAND)
    {
        nCode = HIWORD(wParam);
    }
    else
    {
        return FALSE;
    }
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(WM_REFLECT_BASE + message, nCode, 0);
    return pEntry && pEntry->pfnDispatch(this, args);
}

void CWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    const CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_eHelpType == afxHTMLHelp)
    {
        // The classic help commands in their compiled-help form.
        switch (nCmd)
        {
        case HELP_CONTEXT: nCmd = AFX_HH_HELP_CONTEXT; break;
        case HELP_CONTENTS: nCmd = AFX_HH_DISPLAY_TOC; break;
        default: break;
        }
        HtmlHelp(dwData, nCmd);
        return;
    }
    if (!pApp || !::WinHelpA(GetTopLevelParent(), pApp->m_pszHelpFilePath, nCmd, dwData))
        AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP);
}

void CWnd::HtmlHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWinApp* pApp = AfxGetApp();
    const HCURSOR hOldCursor = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    // Menus and mouse capture end before the viewer comes up.
    SendMessage(WM_CANCELMODE);
    SendMessageToDescendants(WM_CANCELMODE);
    const HWND hWndViewer = pApp ? pApp->CallHtmlHelp(GetTopLevelParent(), nCmd, dwData) : nullptr;
    SetCursor(hOldCursor);
    if (!hWndViewer)
        AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep) const
{
    SendToDescendants(m_hWnd, message, wParam, lParam, bDeep);
}

BOOL CWnd::ShowWindow(int nCmdShow) const
{
    return ::ShowWindow(m_hWnd, nCmdShow);
}

BOOL CWnd::UpdateWindow() const
{
    return ::UpdateWindow(m_hWnd);
}

BOOL CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL bEnable) const
{
    return ::EnableWindow(m_hWnd, bEnable);
}

void CWnd::Invalidate(BOOL bErase) const
{
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}

void CWnd::SetRedraw(BOOL bRedraw) const
{
    ::SendMessageA(m_hWnd, WM_SETREDRAW, bRedraw, 0);
}

HWND CWnd::SetFocus() const
{
    return ::SetFocus(m_hWnd);
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    ::GetWindowRect(m_hWnd, lpRect);
}

BOOL CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) const
{
    return ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::SetWindowText(LPCSTR lpszString) const
{
    ::SetWindowTextA(m_hWnd, lpszString);
}

CString CWnd::GetWindowText() const
{
    CString str;
    const int nLength = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, str.GetBuffer(nLength), nLength + 1);
    str.ReleaseBuffer();
    return str;
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE));
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) const
{
    return ModifyWindowLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) const
{
    return ModifyWindowLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

HWND CWnd::GetDlgItem(int nID) const
{
    return ::GetDlgItem(m_hWnd, nID);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam);
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    ::ScreenToClient(m_hWnd, lpPoint);
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    ::ClientToScreen(m_hWnd, lpPoint);
}

CWnd* CWnd::GetParent() const
{
    return FromHandlePermanent(::GetParent(m_hWnd));
}

HWND CWnd::GetTopLevelParent() const
{
    return ::GetAncestor(m_hWnd, GA_ROOT);
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(pWnd);
    }
    return nullptr;
}

void CWnd::RepositionBars(UINT nIDLeftOver)
{
    AFX_SIZEPARENTPARAMS layout = {};
    GetClientRect(&layout.rect);
    layout.bStretch = TRUE;
    layout.hDWP = ::BeginDeferWindowPos(8);
    HWND hWndLeftOver = nullptr;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild;
         hWndChild = ::GetNextWindow(hWndChild, GW_HWNDNEXT))
    {
        if (static_cast<UINT>(::GetDlgCtrlID(hWndChild)) == nIDLeftOver)
            hWndLeftOver = hWndChild;
        else
            ::SendMessageA(hWndChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }
    if (hWndLeftOver && layout.hDWP)
    {
        const RECT& rc = layout.rect;
        layout.hDWP = ::DeferWindowPos(layout.hDWP, hWndLeftOver, nullptr, rc.left, rc.top,
                                       rc.right - rc.left, rc.bottom - rc.top,
                                       SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (layout.hDWP)
        ::EndDeferWindowPos(layout.hDWP);
}

LPCSTR AfxRegisterWndClass(LPCSTR lpszClassName, UINT nClassStyle, HCURSOR hCursor,
                           HBRUSH hbrBackground, HICON hIcon)
{
    const HINSTANCE hInstance = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    if (GetClassInfoA(hInstance, lpszClassName, &wc))
        return lpszClassName;
    wc.style = nClassStyle;
    wc.lpfnWndProc = AfxWndProc;
    wc.hInstance = hInstance;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = lpszClassName;
    return RegisterClassA(&wc) ? lpszClassName : nullptr;
}
