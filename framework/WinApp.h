#pragma once
// CWinApp: the one application object.
//
// A program derives its application class from CWinApp and defines exactly
// one global object of it; the framework's entry point (WinMain) finds it
// with AfxGetApp, records instance, command line and show command, sets the
// title from string AFX_IDS_APP_TITLE and runs InitInstance and then the
// message loop. Command-line processing, the document templates and help
// go through the application object too.
#include "CmdTarget.h"
#include "HtmlHelpLoader.h"

#include <memory>

class CCommandLineInfo;
class CDocManager;
class CDocTemplate;
class CWnd;

enum AppHelpType
{
    afxWinHelp,
    afxHTMLHelp,    // compiled HTML help (.chm) through HtmlHelpA
};

class CWinApp : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // Without a name, the title is taken from the string table at start-up.
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Set by AfxWinInit, before InitInstance.
    HINSTANCE m_hInstance = nullptr;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCSTR m_pszAppName = nullptr;       // the title: caption of every message box

    // Owned by the application object; install new paths with
    // SetProfileName / SetHelpFilePath, which release the old ones.
    LPCSTR m_pszProfileName = nullptr;   // private profile file of Get/WriteProfileString
    LPCSTR m_pszHelpFilePath = nullptr;  // help file of WinHelp / HtmlHelp
    AppHelpType m_eHelpType = afxWinHelp;

    CWnd* m_pMainWnd = nullptr;          // the main window, once created

    void SetAppName(LPCSTR lpszAppName);
    void SetProfileName(LPCSTR lpszProfileName);
    void SetHelpFilePath(LPCSTR lpszHelpFilePath);

    // --- start-up and message loop
    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    virtual int Run();
    // Idle-time work; lCount counts the calls since the last message.
    // TRUE asks for more idle calls.
    virtual BOOL OnIdle(LONG lCount);
    virtual int ExitInstance();

    // --- settings in the private profile file m_pszProfileName
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);

    // --- documents; the application owns the templates added
    void AddDocTemplate(CDocTemplate* pTemplate);
    CDocManager* GetDocManager() const { return m_pDocManager.get(); }
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    // --- help: updates the user interface, then lets the main window show
    // the help file
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    // HtmlHelpA on m_pszHelpFilePath; null when the viewer did not come up.
    HWND CallHtmlHelp(HWND hWndCaller, UINT nCmd, DWORD_PTR dwData);

    // --- command handlers a program can put in its map
    void OnFileNew();
    void OnFileOpen();
    void OnAppExit();     // WM_CLOSE to the main window

protected:
    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CDocManager> m_pDocManager;   // created by the first AddDocTemplate
    CString m_strAppName;
    CString m_strProfileName;
    CString m_strHelpFilePath;
    CHtmlHelpLoader m_htmlHelp;
    WPARAM m_nExitCode = 0;     // wParam of WM_QUIT
};

// The application object, or null before it is constructed.
CWinApp* AfxGetApp();

// Records the start-up values in the application object: instance, command
// line, show command, the title (string AFX_IDS_APP_TITLE, or the
// executable's file name without extension) and the default profile and
// help paths.
BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);

// The framework's start-up and message loop, called by WinMain.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
