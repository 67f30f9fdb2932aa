#include "CommandLineInfo.h"

namespace
{
bool Equals(LPCSTR psz, LPCSTR pszSwitch)
{
    return lstrcmpA(psz, pszSwitch) == 0;
}

bool EqualsIgnoreCase(LPCSTR psz, LPCSTR pszSwitch)
{
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, psz, -1, pszSwitch, -1) == CSTR_EQUAL;
}
}

void CCommandLineInfo::ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag)
        ParseParamFlag(pszParam);
    else
        ParseParamNotFlag(pszParam);
    ParseLast(bLast);
}

// The shell's switches: "p", "pt" and "dde" with exact case, the
// registration and server switches in any case. Others are ignored.
void CCommandLineInfo::ParseParamFlag(LPCSTR pszParam)
{
    if (Equals(pszParam, "pt"))
        m_nShellCommand = FilePrintTo;
    else if (Equals(pszParam, "p"))
        m_nShellCommand = FilePrint;
    else if (Equals(pszParam, "dde"))
        m_nShellCommand = FileDDE;
    else if (EqualsIgnoreCase(pszParam, "Register") || EqualsIgnoreCase(pszParam, "Regserver"))
        m_nShellCommand = AppRegister;
    else if (EqualsIgnoreCase(pszParam, "Unregister") || EqualsIgnoreCase(pszParam, "Unregserver"))
        m_nShellCommand = AppUnregister;
    else if (EqualsIgnoreCase(pszParam, "Embedding"))
        m_bRunEmbedded = TRUE;
    else if (EqualsIgnoreCase(pszParam, "Automation"))
        m_bRunAutomated = TRUE;
}

void CCommandLineInfo::ParseParamNotFlag(LPCSTR pszParam)
{
    if (m_strFileName.IsEmpty())
        m_strFileName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
        m_strPrinterName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
        m_strDriverName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
        m_strPortName = pszParam;
}

void CCommandLineInfo::ParseLast(BOOL bLast)
{
    if (bLast && m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
        m_nShellCommand = FileOpen;
}
