// Shows the test frame with its toolbar docked at one edge, floating, or
// floating in rows, or in the middle of a drag by its gripper to the left
// edge or over the view, until the frame is closed or a minute has passed.
//
//   toolbar_shot top|bottom|left|right|float|rows|drag-left|drag-view
#include "BarTestFrame.h"
#include "DockBar.h"
#include "WinApp.h"

#include <cstring>

namespace
{
void CALLBACK QuitTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    PostQuitMessage(0);
}

class CShotApp : public CWinApp
{
public:
    BOOL InitInstance() override;
};

CShotApp theApp;

BOOL CShotApp::InitInstance()
{
    CBarTestFrame* pFrame = CBarTestFrame::CreateShown();
    if (!pFrame)
        return FALSE;
    m_pMainWnd = pFrame;
    CToolBar& bar = pFrame->ToolBar();
    RECT rcFrame;
    pFrame->GetWindowRect(&rcFrame);
    const POINT ptFloat = { rcFrame.right + 20, rcFrame.top + 30 };
    const char* pszPlace = m_lpCmdLine;
    if (strcmp(pszPlace, "bottom") == 0)
        pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_BOTTOM);
    else if (strcmp(pszPlace, "left") == 0)
        pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    else if (strcmp(pszPlace, "right") == 0)
        pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_RIGHT);
    else if (strcmp(pszPlace, "float") == 0 || strcmp(pszPlace, "rows") == 0)
        pFrame->FloatControlBar(&bar, ptFloat);
    if (strcmp(pszPlace, "rows") == 0)
    {
        // As if the user had dragged the right border to four buttons' width.
        const HWND hWndFloat = ::GetParent(bar.m_hWnd);
        RECT rc;
        GetWindowRect(hWndFloat, &rc);
        RECT rcClient;
        GetClientRect(hWndFloat, &rcClient);
        rc.right = rc.left + (rc.right - rc.left - rcClient.right) + 4 * 23 + 10;
        SendMessageA(hWndFloat, WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&rc));
        SetWindowPos(hWndFloat, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (strncmp(pszPlace, "drag-", 5) == 0)
    {
        // The drag starts when the message loop runs and waits for more mouse
        // messages after the move.
        RECT rcClient;
        pFrame->GetClientRect(&rcClient);
        POINT pt = strcmp(pszPlace, "drag-left") == 0 ? POINT{ 3, rcClient.bottom / 2 }
                                                       : POINT{ rcClient.right / 2, rcClient.bottom / 2 };
        pFrame->ClientToScreen(&pt);
        bar.ScreenToClient(&pt);
        PostMessageA(bar.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-4, 10));
        PostMessageA(bar.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }
    SetTimer(nullptr, 0, 60000, QuitTimerProc);
    return TRUE;
}
}
