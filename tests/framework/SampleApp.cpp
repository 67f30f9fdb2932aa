#include "SampleApp.h"

#include "CommandLineInfo.h"
#include "DocTemplate.h"
#include "FrameworkTestIds.h"
#include "SampleDoc.h"
#include "SampleFrame.h"
#include "SampleView.h"

CSampleApp theApp;

BEGIN_MESSAGE_MAP(CSampleApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, &CSampleApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, &CSampleApp::OnFileOpen)
END_MESSAGE_MAP()

BOOL CSampleApp::InitInstance()
{
    char szModule[MAX_PATH] = "";
    GetModuleFileNameA(m_hInstance, szModule, MAX_PATH);
    const CString strBase(szModule, lstrlenA(szModule) - 3);
    SetProfileName(strBase + "ini");
    m_eHelpType = afxHTMLHelp;
    SetHelpFilePath(strBase + "chm");

    AddDocTemplate(new CSingleDocTemplate(IDR_SAMPLE, RUNTIME_CLASS(CSampleDoc), RUNTIME_CLASS(CSampleFrame),
                                          RUNTIME_CLASS(CSampleView)));

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;

    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return TRUE;
}
