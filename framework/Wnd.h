#pragma once
// CWnd: a framework object that owns one window.
//
// Windows made through Create/CreateEx are attached to their object while
// the system creates them (before WM_NCCREATE), also windows of system
// classes such as "SysListView32", whose own procedure is then subclassed.
// One window procedure serves them all: it finds the object and calls
// WindowProc, which dispatches through the message map (OnWndMsg) and
// hands what no entry takes to DefWindowProc. At WM_NCDESTROY the object
// lets go of the window and PostNcDestroy runs; frames and views delete
// themselves there.
//
// Notifications a control sends to its parent (WM_COMMAND with a control
// window, WM_NOTIFY) are first reflected to the control's own object
// (ON_NOTIFY_REFLECT); only when it does not handle them do they go
// through the parent's OnCmdMsg.
#include "CmdTarget.h"
#include "CreateContext.h"

class CFrameWnd;

// Framework-private messages.
constexpr UINT WM_SIZEPARENT = 0x0361;        // lParam: AFX_SIZEPARENTPARAMS*
constexpr UINT WM_IDLEUPDATECMDUI = 0x0363;   // wParam: disable items without handler
constexpr UINT WM_REFLECT_BASE = 0xBC00;      // + message: notification reflected to the control

// RepositionBars asks each child window for the room it takes with
// WM_SIZEPARENT; a control bar moves itself into one edge of rect (through
// hDWP when that is not null) and shrinks rect by what it used.
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;
    RECT rect;
    SIZE sizeTotal;
    BOOL bStretch;
};

class CWnd : public CCmdTarget
{
    DECLARE_DYNAMIC(CWnd)
public:
    CWnd() = default;
    ~CWnd() override;          // destroys a window still attached
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object attached to hWnd by the framework on this thread, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // --- creation and destruction
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = nullptr);
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                  LPVOID lpParam = nullptr);
    // Adjusts the creation parameters before the window exists; FALSE cancels.
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    virtual BOOL DestroyWindow();

    // Attaches a window created elsewhere (a dialog) and routes its messages
    // through this object; undone automatically at WM_NCDESTROY.
    BOOL SubclassWindow(HWND hWnd);

    // --- message handling
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The message being handled, passed to DefWindowProc.
    LRESULT Default();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A notification this control sent to its parent, offered back to it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // --- help: the application's help file, shown for this window
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    void HtmlHelp(DWORD_PTR dwData, UINT nCmd);

    // --- thin wrappers of the window functions
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                  BOOL bDeep = TRUE) const;
    BOOL ShowWindow(int nCmdShow) const;
    BOOL UpdateWindow() const;
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL bEnable = TRUE) const;
    void Invalidate(BOOL bErase = TRUE) const;
    // WM_SETREDRAW: FALSE holds the window's drawing, TRUE lets it draw again.
    void SetRedraw(BOOL bRedraw = TRUE) const;
    HWND SetFocus() const;
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    BOOL MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE) const;
    void SetWindowText(LPCSTR lpszString) const;
    CString GetWindowText() const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0) const;
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0) const;
    int GetDlgCtrlID() const;
    HWND GetDlgItem(int nID) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    CWnd* GetParent() const;           // framework object of the parent, or null
    HWND GetTopLevelParent() const;
    CFrameWnd* GetParentFrame() const;  // nearest framework frame above this window

    // Lays out the control bars among the children (WM_SIZEPARENT) and lets
    // child nIDLeftOver fill the remaining client area.
    void RepositionBars(UINT nIDLeftOver);

protected:
    // Runs after the window is gone (WM_NCDESTROY); a window object that
    // lives on the heap by itself deletes itself here.
    virtual void PostNcDestroy();

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK AfxCbtCreateHook(int, WPARAM, LPARAM);

    void Attach(HWND hWnd);
    LRESULT ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnFinalDestroy();

    WNDPROC m_pfnSuper = nullptr;    // the window's own procedure when subclassed
};

// The window procedure of every framework window class.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers, once per process, a window class of the executable that runs
// on AfxWndProc. Returns lpszClassName, or null when registration failed.
LPCSTR AfxRegisterWndClass(LPCSTR lpszClassName, UINT nClassStyle, HCURSOR hCursor,
                           HBRUSH hbrBackground, HICON hIcon = nullptr);

// --- window message entries ------------------------------------------------

template <auto pmf> BOOL AfxDispatchCreate(CCmdTarget* pTarget, AFX_DISPATCHARGS& args)
{
    static_assert(AfxHasSignature<pmf, int(LPCREATESTRUCTA)>, "int OnCreate(LPCREATESTRUCT)");
    args.lResult = (AfxTargetOf<pmf>(pTarget)->*pmf)(reinterpret_cast<LPCREATESTRUCTA>(args.lParam));
    return TRUE;
}

template <auto pmf> BOOL AfxDispatchVoid(CCmdTarget* pTarget, AFX_DISPATCHARGS&)
{
    static_assert(AfxHasSignature<pmf, void()>, "handler must be void OnX()");
    (AfxTargetOf<pmf>(pTarget)->*pmf)();
    return TRUE;
}

template <auto pmf> BOOL AfxDispatchSize(CCmdTarget* pTarget, AFX_DISPATCHARGS& args)
{
    static_assert(AfxHasSignature<pmf, void(UINT, int, int)>, "void OnSize(UINT, int, int)");
    (AfxTargetOf<pmf>(pTarget)->*pmf)(static_cast<UINT>(args.wParam),
                                      static_cast<short>(LOWORD(args.lParam)),
                                      static_cast<short>(HIWORD(args.lParam)));
    return TRUE;
}

template <auto pmf> BOOL AfxDispatchFocus(CCmdTarget* pTarget, AFX_DISPATCHARGS& args)
{
    static_assert(AfxHasSignature<pmf, void(CWnd*)>, "void OnSetFocus(CWnd*)");
    (AfxTargetOf<pmf>(pTarget)->*pmf)(CWnd::FromHandlePermanent(reinterpret_cast<HWND>(args.wParam)));
    return TRUE;
}

template <auto pmf> BOOL AfxDispatchContextMenu(CCmdTarget* pTarget, AFX_DISPATCHARGS& args)
{
    static_assert(AfxHasSignature<pmf, void(CWnd*, POINT)>, "void OnContextMenu(CWnd*, POINT)");
    const POINT point = { static_cast<short>(LOWORD(args.lParam)), static_cast<short>(HIWORD(args.lParam)) };
    (AfxTargetOf<pmf>(pTarget)->*pmf)(CWnd::FromHandlePermanent(reinterpret_cast<HWND>(args.wParam)), point);
    return TRUE;
}

template <auto pmf> BOOL AfxDispatchInitMenuPopup(CCmdTarget* pTarget, AFX_DISPATCHARGS& args)
{
    static_assert(AfxHasSignature<pmf, void(HMENU, UINT, BOOL)>, "void OnInitMenuPopup(HMENU, UINT, BOOL)");
    (AfxTargetOf<pmf>(pTarget)->*pmf)(reinterpret_cast<HMENU>(args.wParam), LOWORD(args.lParam),
                                      HIWORD(args.lParam) ? TRUE : FALSE);
    return TRUE;
}

template <auto pmf> BOOL AfxDispatchQueryEndSession(CCmdTarget* pTarget, AFX_DISPATCHARGS& args)
{
    static_assert(AfxHasSignature<pmf, BOOL()>, "BOOL OnQueryEndSession()");
    args.lResult = (AfxTargetOf<pmf>(pTarget)->*pmf)();
    return TRUE;
}

template <auto pmf> BOOL AfxDispatchEndSession(CCmdTarget* pTarget, AFX_DISPATCHARGS& args)
{
    static_assert(AfxHasSignature<pmf, void(BOOL)>, "void OnEndSession(BOOL)");
    (AfxTargetOf<pmf>(pTarget)->*pmf)(static_cast<BOOL>(args.wParam));
    return TRUE;
}

#define ON_WM_CREATE() { WM_CREATE, 0, 0, 0, &AfxDispatchCreate<&ThisClass::OnCreate> },
#define ON_WM_DESTROY() { WM_DESTROY, 0, 0, 0, &AfxDispatchVoid<&ThisClass::OnDestroy> },
#define ON_WM_NCDESTROY() { WM_NCDESTROY, 0, 0, 0, &AfxDispatchVoid<&ThisClass::OnNcDestroy> },
#define ON_WM_CLOSE() { WM_CLOSE, 0, 0, 0, &AfxDispatchVoid<&ThisClass::OnClose> },
#define ON_WM_PAINT() { WM_PAINT, 0, 0, 0, &AfxDispatchVoid<&ThisClass::OnPaint> },
#define ON_WM_SIZE() { WM_SIZE, 0, 0, 0, &AfxDispatchSize<&ThisClass::OnSize> },
#define ON_WM_SETFOCUS() { WM_SETFOCUS, 0, 0, 0, &AfxDispatchFocus<&ThisClass::OnSetFocus> },
#define ON_WM_CONTEXTMENU() { WM_CONTEXTMENU, 0, 0, 0, &AfxDispatchContextMenu<&ThisClass::OnContextMenu> },
#define ON_WM_INITMENUPOPUP() \
    { WM_INITMENUPOPUP, 0, 0, 0, &AfxDispatchInitMenuPopup<&ThisClass::OnInitMenuPopup> },
#define ON_WM_QUERYENDSESSION() \
    { WM_QUERYENDSESSION, 0, 0, 0, &AfxDispatchQueryEndSession<&ThisClass::OnQueryEndSession> },
#define ON_WM_ENDSESSION() { WM_ENDSESSION, 0, 0, 0, &AfxDispatchEndSession<&ThisClass::OnEndSession> },

// A control's own notification, reflected from its parent.
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    { WM_REFLECT_BASE + WM_NOTIFY, static_cast<WORD>(wNotifyCode), 0, 0, &AfxDispatchNotify<memberFxn> },
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    { WM_REFLECT_BASE + WM_COMMAND, (wNotifyCode), 0, 0, &AfxDispatchCommand<memberFxn> },
