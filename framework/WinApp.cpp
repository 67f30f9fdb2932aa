#include "WinApp.h"

#include "CommandLineInfo.h"
#include "DocManager.h"
#include "FrameworkIds.h"
#include "MessageBox.h"
#include "TextLoader.h"
#include "Wnd.h"

#include <mbctype.h>
#include <stdlib.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_APP_EXIT, &CWinApp::OnAppExit)
END_MESSAGE_MAP()

namespace
{
CWinApp* s_pApp = nullptr;

// The size of the buffer the application title is loaded into.
constexpr UINT kTitleBufferSize = 256;

// Messages after which the user interface may have changed, so that idle
// processing runs again: not mouse moves that stay put, not painting, not
// the caret's timer.
bool IsIdleMessage(const MSG& msg, POINT& ptLastMouseMove)
{
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE)
    {
        if (msg.pt.x == ptLastMouseMove.x && msg.pt.y == ptLastMouseMove.y)
            return false;
        ptLastMouseMove = msg.pt;
        return true;
    }
    constexpr UINT WM_SYSTIMER = 0x0118;
    return msg.message != WM_PAINT && msg.message != WM_SYSTIMER;
}
}

CWinApp::CWinApp(LPCSTR lpszAppName)
{
    // Multibyte string functions of the runtime work in the ANSI code page,
    // before anything of the program runs.
    _setmbcp(_MB_CP_ANSI);
    s_pApp = this;
    if (lpszAppName)
        SetAppName(lpszAppName);
}

CWinApp::~CWinApp()
{
    m_pDocManager.reset();
    if (s_pApp == this)
        s_pApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return s_pApp;
}

void CWinApp::SetAppName(LPCSTR lpszAppName)
{
    m_strAppName = lpszAppName;
    m_pszAppName = m_strAppName;
}

void CWinApp::SetProfileName(LPCSTR lpszProfileName)
{
    m_strProfileName = lpszProfileName;
    m_pszProfileName = m_strProfileName;
}

void CWinApp::SetHelpFilePath(LPCSTR lpszHelpFilePath)
{
    m_strHelpFilePath = lpszHelpFilePath;
    m_pszHelpFilePath = m_strHelpFilePath;
}

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return FALSE;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;

    char szModule[MAX_PATH] = "";
    GetModuleFileNameA(hInstance, szModule, MAX_PATH);
    LPSTR lpszFileName = szModule;
    for (LPSTR p = szModule; *p; p = CharNextA(p))
    {
        if (*p == '\\' || *p == '/' || *p == ':')
            lpszFileName = p + 1;
    }
    // The module path and the file name without their extension.
    LPSTR lpszEnd = strrchr(lpszFileName, '.');
    if (!lpszEnd)
        lpszEnd = lpszFileName + lstrlenA(lpszFileName);
    const CString strExeName(lpszFileName, static_cast<int>(lpszEnd - lpszFileName));
    const CString strModuleBase(szModule, static_cast<int>(lpszEnd - szModule));

    if (!pApp->m_pszAppName)
    {
        char szTitle[kTitleBufferSize];
        pApp->SetAppName(AfxLoadString(AFX_IDS_APP_TITLE, szTitle, kTitleBufferSize) != 0 ? szTitle
                                                                                          : strExeName.GetString());
    }

    // Defaults that a program normally replaces in InitInstance: a profile
    // named after the executable in the Windows folder, and a help file
    // beside the executable.
    pApp->SetProfileName(strExeName + ".INI");
    pApp->SetHelpFilePath(strModuleBase + ".HLP");
    return TRUE;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) || !pApp->InitApplication())
        return -1;
    if (!pApp->InitInstance())
    {
        if (pApp->m_pMainWnd)
            pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    MSG msg;
    POINT ptLastMouseMove = { -1, -1 };
    bool bIdle = true;
    LONG lIdleCount = 0;
    for (;;)
    {
        while (bIdle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = false;
        }
        do
        {
            const BOOL bResult = GetMessageA(&msg, nullptr, 0, 0);
            if (bResult == 0 || bResult == -1)
            {
                m_nExitCode = bResult == 0 ? msg.wParam : 0;
                return ExitInstance();
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            if (IsIdleMessage(msg, ptLastMouseMove))
            {
                bIdle = true;
                lIdleCount = 0;
            }
        } while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount != 0)
        return FALSE;
    // The update rules of the control bars run now.
    if (m_pMainWnd && m_pMainWnd->m_hWnd)
        m_pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return static_cast<int>(m_nExitCode);
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    constexpr DWORD kBufferSize = 4096;
    CString strValue;
    GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault ? lpszDefault : "",
                             strValue.GetBuffer(kBufferSize), kBufferSize, m_pszProfileName);
    // Up to the terminator, not the count returned: when a value is cut
    // inside a double-byte character the count includes the dropped byte.
    strValue.ReleaseBuffer();
    return strValue;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    return WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (!m_pDocManager)
        m_pDocManager = std::make_unique<CDocManager>();
    m_pDocManager->AddDocTemplate(pTemplate);
}

void CWinApp::OnFileNew()
{
    if (m_pDocManager)
        m_pDocManager->OnFileNew();
}

void CWinApp::OnFileOpen()
{
    if (m_pDocManager)
        m_pDocManager->OnFileOpen();
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd && m_pMainWnd->m_hWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    for (int i = 1; i < __argc; ++i)
    {
        LPCSTR pszParam = __argv[i];
        BOOL bFlag = FALSE;
        if (pszParam[0] == '-' || pszParam[0] == '/')
        {
            bFlag = TRUE;
            ++pszParam;
        }
        rCmdInfo.ParseParam(pszParam, bFlag, i + 1 == __argc);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand)
    {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;

    case CCommandLineInfo::FileOpen:
        return m_pDocManager && m_pDocManager->OpenDocumentFile(rCmdInfo.m_strFileName);

    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        // The frame stays hidden; there is nothing to print with, so
        // start-up ends once the file has been opened.
        m_nCmdShow = SW_HIDE;
        if (m_pDocManager)
            m_pDocManager->OpenDocumentFile(rCmdInfo.m_strFileName);
        return FALSE;

    case CCommandLineInfo::FileDDE:
        // Nothing is registered for shell DDE, so no conversation will
        // come: start-up ends without a main window.
        return FALSE;

    case CCommandLineInfo::AppRegister:
        return FALSE;

    case CCommandLineInfo::AppUnregister:
        if (!rCmdInfo.m_bRunEmbedded)
            AfxMessageBox(AFX_IDP_UNREG_DONE);
        return FALSE;

    case CCommandLineInfo::FileNothing:
        break;
    }
    return TRUE;
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (!m_pMainWnd || !m_pMainWnd->m_hWnd)
        return;
    m_pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    m_pMainWnd->WinHelp(dwData, nCmd);
}

HWND CWinApp::CallHtmlHelp(HWND hWndCaller, UINT nCmd, DWORD_PTR dwData)
{
    return m_htmlHelp.Call(hWndCaller, m_pszHelpFilePath, nCmd, dwData);
}
