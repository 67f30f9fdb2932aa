#pragma once
// CCommandLineInfo: what the command line asks the application to do at
// start-up. CWinApp::ParseCommandLine feeds it one argument at a time (as the
// runtime split them; a leading "-" or "/" marks a switch) and
// CWinApp::ProcessShellCommand carries it out.
#include "CString.h"

class CCommandLineInfo
{
public:
    enum ShellCommand
    {
        FileNew,         // no file named: a new document
        FileOpen,        // a file named: open it
        FilePrint,       // "p": open hidden, print
        FilePrintTo,     // "pt": as "p", to the printer named after the file
        FileDDE,         // "dde": wait for the shell's DDE conversation
        AppRegister,     // "Register", "Regserver"
        AppUnregister,   // "Unregister", "Unregserver"
        FileNothing,
    };

    virtual ~CCommandLineInfo() = default;

    // One argument without its switch character. bLast marks the final one.
    virtual void ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL bLast);

    ShellCommand m_nShellCommand = FileNew;
    BOOL m_bRunEmbedded = FALSE;     // "Embedding"
    BOOL m_bRunAutomated = FALSE;    // "Automation"
    CString m_strFileName;           // first argument that is not a switch
    CString m_strPrinterName;        // after "pt": printer, driver, port
    CString m_strDriverName;
    CString m_strPortName;

protected:
    void ParseParamFlag(LPCSTR pszParam);
    void ParseParamNotFlag(LPCSTR pszParam);
    void ParseLast(BOOL bLast);
};
