#include "KorvaneApp.h"

#include "AboutDlg.h"
#include "CommandLineInfo.h"
#include "DocTemplate.h"
#include "KorvaneDoc.h"
#include "KorvaneView.h"
#include "MainFrame.h"
#include "ModulePath.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CKorvaneApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, &CKorvaneApp::OnAppAbout)
    ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, &CWinApp::OnFileOpen)
END_MESSAGE_MAP()

CKorvaneApp theApp;

CKorvaneApp::CKorvaneApp() = default;

CKorvaneApp::~CKorvaneApp() = default;

BOOL CKorvaneApp::InitInstance()
{
    // Settings and help live beside the executable, named after it.
    const CString strModulePath = GetModulePath(m_hInstance);
    SetProfileName(ReplacePathEnding(strModulePath, "ini"));
    m_eHelpType = afxHTMLHelp;
    SetHelpFilePath(ReplacePathEnding(strModulePath, "chm"));

    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CKorvaneDoc),
                                          RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CKorvaneView)));

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;

    // The "dde" switch succeeds without a main window: nothing to show then.
    if (m_pMainWnd == nullptr)
        return FALSE;
    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}

void CKorvaneApp::OnAppAbout()
{
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}
