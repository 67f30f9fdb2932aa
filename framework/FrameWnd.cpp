#include "FrameWnd.h"

#include "DocManager.h"
#include "Document.h"
#include "TextLoader.h"
#include "View.h"
#include "WinApp.h"

#include <commctrl.h>
#include <string.h>

#include <memory>
#include <type_traits>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_CLOSE()
    ON_WM_INITMENUPOPUP()
    ON_WM_QUERYENDSESSION()
    ON_WM_ENDSESSION()
    ON_MESSAGE(WM_HELP, &CFrameWnd::OnHelpInfo)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CFrameWnd::OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_NCACTIVATE, &CFrameWnd::OnNcActivate)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, &CFrameWnd::OnToolTipText)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, &CFrameWnd::OnToolTipText)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, &CFrameWnd::OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, &CFrameWnd::OnBarCheck)
END_MESSAGE_MAP()

namespace
{
struct MenuDeleter
{
    void operator()(HMENU hMenu) const { DestroyMenu(hMenu); }
};
using MenuPtr = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

// Registers, once per process, the framework's window class for frames
// with icon nIDIcon; its name goes to strName.
BOOL RegisterFrameClass(UINT nIDIcon, CString& strName)
{
    strName.Format("AfxFrame:%u", nIDIcon);
    return AfxRegisterWndClass(strName, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, LoadCursorA(nullptr, IDC_ARROW),
                               reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1),
                               LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIDIcon))) != nullptr;
}

// WM_IDLEUPDATECMDUI for the top-level windows a frame owns.
struct OwnedWindowsMessage
{
    HWND hWndOwner;
    WPARAM wParam;
};

BOOL CALLBACK SendToOwnedWindow(HWND hWnd, LPARAM lParam)
{
    const OwnedWindowsMessage* pMessage = reinterpret_cast<const OwnedWindowsMessage*>(lParam);
    if (GetWindow(hWnd, GW_OWNER) == pMessage->hWndOwner)
        SendMessageA(hWnd, WM_IDLEUPDATECMDUI, pMessage->wParam, 0);
    return TRUE;
}
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDResource = nIDResource;
    CString strDocString;
    if (strDocString.LoadString(nIDResource))
    {
        const LPCSTR pszEnd = strchr(strDocString, '\n');
        m_strTitle = pszEnd ? CString(strDocString, static_cast<int>(pszEnd - strDocString.GetString()))
                            : strDocString;
    }

    MenuPtr menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIDResource)));
    if (!menu)
    {
        PostNcDestroy();
        return FALSE;
    }
    if (!CreateEx(0, nullptr, m_strTitle, dwDefaultStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                  menu.get(), pContext))
        return FALSE;    // the menu is destroyed here, or already went with a half-made window
    menu.release();      // the window owns it now
    return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
    {
        if (!RegisterFrameClass(m_nIDResource, m_strClassName))
            return FALSE;
        cs.lpszClass = m_strClassName;
    }
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active view first (it passes on to its document), then the frame,
    // then the application.
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

int CFrameWnd::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (Default() == -1)
        return -1;
    if (!OnCreateClient(lpcs, static_cast<CCreateContext*>(lpcs->lpCreateParams)))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCTA, CCreateContext* pContext)
{
    return !pContext || !pContext->m_pNewViewClass || CreateView(pContext) != nullptr;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    if (!pObject)
        return nullptr;
    if (!pObject->IsKindOf(RUNTIME_CLASS(CWnd)))
    {
        delete pObject;
        return nullptr;
    }
    CWnd* pView = static_cast<CWnd*>(pObject);
    const RECT rect = { 0, 0, 0, 0 };
    // A view that fails to be created has deleted itself.
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, rect, this, nID, pContext))
        return nullptr;
    // A view with its own client edge: the frame does without one.
    if (pView->GetExStyle() & WS_EX_CLIENTEDGE)
        ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
    return pView;
}

void CFrameWnd::RecalcLayout()
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = true;
    RepositionBars(AFX_IDW_PANE_FIRST);
    m_bInRecalcLayout = false;
}

void CFrameWnd::OnSize(UINT nType, int, int)
{
    Default();
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd*)
{
    if (m_pViewActive)
        m_pViewActive->SetFocus();
    else
        Default();
}

void CFrameWnd::SetActiveView(CView* pViewNew)
{
    m_pViewActive = pViewNew;
}

CDocument* CFrameWnd::GetActiveDocument() const
{
    return m_pViewActive ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL bMakeVisible)
{
    if (!m_pViewActive)
    {
        CWnd* pPane = FromHandlePermanent(GetDlgItem(AFX_IDW_PANE_FIRST));
        if (pPane && pPane->IsKindOf(RUNTIME_CLASS(CView)))
            SetActiveView(static_cast<CView*>(pPane));
    }
    if (bMakeVisible)
    {
        SendMessageToDescendants(WM_INITIALUPDATE);
        ActivateFrame();
    }
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
    {
        nCmdShow = IsWindowVisible() ? (IsIconic(m_hWnd) ? SW_RESTORE : SW_SHOW) : SW_SHOWNORMAL;
        // The main window shows itself the way the program was started, once.
        CWinApp* pApp = AfxGetApp();
        if (pApp && pApp->m_pMainWnd == this && pApp->m_nCmdShow != -1)
        {
            nCmdShow = pApp->m_nCmdShow;
            pApp->m_nCmdShow = -1;
        }
    }
    ShowWindow(nCmdShow);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!bAddToTitle || !(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* pDocument = GetActiveDocument();
    CString strText(m_strTitle);
    if (pDocument && !pDocument->GetTitle().IsEmpty())
        strText = strText + " - " + pDocument->GetTitle();
    SetWindowText(strText);
}

void CFrameWnd::OnClose()
{
    CDocument* pDocument = GetActiveDocument();
    if (pDocument && !pDocument->CanCloseFrame(this))
        return;

    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this)
    {
        // The main window: hidden, then every document closed, which
        // destroys this frame along with its document.
        ShowWindow(SW_HIDE);
        if (CDocManager* pDocManager = pApp->GetDocManager())
            pDocManager->CloseAllDocuments();
        if (pApp->m_pMainWnd == this)
            DestroyWindow();
        return;
    }
    if (pDocument)
        pDocument->OnCloseDocument();
    else
        DestroyWindow();
}

void CFrameWnd::OnInitMenuPopup(HMENU hPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu)
        return;
    const int nCount = GetMenuItemCount(hPopupMenu);
    for (int i = 0; i < nCount; ++i)
    {
        const UINT nID = GetMenuItemID(hPopupMenu, i);
        if (nID == 0 || nID == static_cast<UINT>(-1))
            continue;    // separator or submenu
        CCmdUI state(nID);
        state.m_hMenu = hPopupMenu;
        state.m_nIndex = static_cast<UINT>(i);
        state.DoUpdate(this, TRUE);
    }
}

BOOL CFrameWnd::OnQueryEndSession()
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp || pApp->m_pMainWnd != this || !pApp->GetDocManager())
        return TRUE;
    return pApp->GetDocManager()->SaveAllModified();
}

void CFrameWnd::OnEndSession(BOOL bEnding)
{
    CWinApp* pApp = AfxGetApp();
    if (!bEnding || !pApp || pApp->m_pMainWnd != this)
        return;
    // Closing the documents destroys this frame.
    if (CDocManager* pDocManager = pApp->GetDocManager())
        pDocManager->CloseAllDocuments();
    pApp->ExitInstance();
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    // Control bars run their update rules on this message, also those that
    // float in windows of their own, owned by this frame.
    SendMessageToDescendants(WM_IDLEUPDATECMDUI, wParam);
    OwnedWindowsMessage owned = { m_hWnd, wParam };
    EnumThreadWindows(GetCurrentThreadId(), SendToOwnedWindow, reinterpret_cast<LPARAM>(&owned));
    return 0;
}

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    UINT_PTR nID = pNMHDR->idFrom;
    const UINT uFlags = pNMHDR->code == TTN_NEEDTEXTA ? reinterpret_cast<NMTTDISPINFOA*>(pNMHDR)->uFlags
                                                      : reinterpret_cast<NMTTDISPINFOW*>(pNMHDR)->uFlags;
    if (uFlags & TTF_IDISHWND)
        nID = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(nID)));
    if (nID == 0)
        return FALSE;

    CString strTip;
    AfxGetCommandTip(static_cast<UINT>(nID), strTip);
    if (pNMHDR->code == TTN_NEEDTEXTA)
    {
        NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
        lstrcpynA(pInfo->szText, strTip, static_cast<int>(sizeof(pInfo->szText)));
    }
    else
    {
        NMTTDISPINFOW* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
        pInfo->szText[0] = L'\0';
        MultiByteToWideChar(CP_ACP, 0, strTip, -1, pInfo->szText,
                            static_cast<int>(sizeof(pInfo->szText) / sizeof(pInfo->szText[0])));
        pInfo->szText[sizeof(pInfo->szText) / sizeof(pInfo->szText[0]) - 1] = L'\0';
    }
    *pResult = 0;
    return TRUE;
}

LRESULT CFrameWnd::OnHelpInfo(WPARAM, LPARAM)
{
    // F1: the help command, for whoever handles it.
    SendMessage(WM_COMMAND, ID_HELP);
    return TRUE;
}

void CFrameWnd::OnHelpIndex()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->WinHelp(0, HELP_INDEX);
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}
