#include "TextLoader.h"

#include <cstring>

namespace {

// Gives the code page for one conversion into a CString.
using CodePageRule = UINT (*)();

// The conversion strategy, decided on the first conversion in the process and
// then kept: a CodePageRule stored as a LONG, 0 while undecided.
volatile LONG g_codePageRule = 0;

UINT ThreadAnsiCodePage()
{
    return CP_THREAD_ACP;
}

// Windows 2000 and later convert with the thread locale's ANSI code page
// themselves; older systems have to ask the locale at every conversion.
CodePageRule ChooseCodePageRule()
{
    OSVERSIONINFOA osvi = {};
    osvi.dwOSVersionInfoSize = sizeof osvi;
    ::GetVersionExA(&osvi);
    if (osvi.dwPlatformId == VER_PLATFORM_WIN32_NT && osvi.dwMajorVersion >= 5)
        return ThreadAnsiCodePage;
    return AfxGetThreadLocaleCodePage;
}

// No lock: threads that decide at the same time make the same choice.
UINT ConversionCodePage()
{
    static_assert(sizeof(LONG) == sizeof(CodePageRule), "the rule is published as a LONG");
    CodePageRule rule = reinterpret_cast<CodePageRule>(g_codePageRule);
    if (!rule) {
        rule = ChooseCodePageRule();
        ::InterlockedExchange(&g_codePageRule, reinterpret_cast<LONG>(rule));
    }
    return rule();
}

} // namespace

BOOL AfxFindStringResource(UINT nID, LPCWSTR* ppch, int* pnLength)
{
    // Entry n is string n % 16 of block n / 16 + 1; each string is a count of
    // UTF-16 units followed by the units, without terminator.
    const HMODULE hModule = ::GetModuleHandleA(nullptr);
    const HRSRC hBlock = ::FindResourceA(hModule, MAKEINTRESOURCEA(nID / 16 + 1), RT_STRING);
    if (!hBlock)
        return FALSE;
    const HGLOBAL hData = ::LoadResource(hModule, hBlock);
    const auto* pch = static_cast<const WCHAR*>(hData ? ::LockResource(hData) : nullptr);
    if (!pch)
        return FALSE;
    const WCHAR* const pchEnd = pch + ::SizeofResource(hModule, hBlock) / sizeof(WCHAR);
    for (UINT nSkip = nID % 16; nSkip > 0; --nSkip) {
        if (pch >= pchEnd)
            return FALSE;
        pch += 1 + *pch;
    }
    if (pch >= pchEnd || *pch == 0 || *pch > pchEnd - pch - 1)
        return FALSE;
    *pnLength = *pch;
    *ppch = pch + 1;
    return TRUE;
}

UINT AfxGetThreadLocaleCodePage()
{
    char szCodePage[7];
    UINT nCodePage = 0;
    if (::GetLocaleInfoA(::GetThreadLocale(), LOCALE_IDEFAULTANSICODEPAGE, szCodePage, sizeof szCodePage)) {
        for (const char* pch = szCodePage; *pch; ++pch)
            nCodePage = nCodePage * 10 + static_cast<UINT>(*pch - '0');
    }
    return nCodePage ? nCodePage : ::GetACP();
}

BOOL CString::LoadString(UINT nID)
{
    LPCWSTR pch = nullptr;
    int nLength = 0;
    if (!AfxFindStringResource(nID, &pch, &nLength))
        return FALSE;
    const UINT nCodePage = ConversionCodePage();
    const int nBytes = ::WideCharToMultiByte(nCodePage, 0, pch, nLength, nullptr, 0, nullptr, nullptr);
    ::WideCharToMultiByte(nCodePage, 0, pch, nLength, GetBuffer(nBytes), nBytes, nullptr, nullptr);
    ReleaseBuffer(nBytes);
    return TRUE;
}

int AfxLoadString(UINT nID, LPSTR lpszBuf, UINT nMaxBuf)
{
    if (nMaxBuf == 0)
        return 0;
    LPCWSTR pch = nullptr;
    int nLength = 0;
    int nBytes = 0;
    // A buffer with room for the terminator only takes no text: a zero output
    // size would make WideCharToMultiByte report the length instead.
    if (nMaxBuf > 1 && AfxFindStringResource(nID, &pch, &nLength)) {
        nBytes = ::WideCharToMultiByte(CP_ACP, 0, pch, nLength, lpszBuf,
                                       static_cast<int>(nMaxBuf - 1), nullptr, nullptr);
    }
    lpszBuf[nBytes] = '\0';
    return nBytes;
}

CString AfxGetTipField(LPCSTR lpszCommandString)
{
    // A line feed is never a trail byte in the ANSI code pages, so a byte
    // search is safe in multibyte text.
    LPCSTR pszTip = std::strchr(lpszCommandString, '\n');
    if (!pszTip)
        return CString();
    ++pszTip;
    LPCSTR pszEnd = std::strchr(pszTip, '\n');
    return pszEnd ? CString(pszTip, static_cast<int>(pszEnd - pszTip)) : CString(pszTip);
}

BOOL AfxGetCommandTip(UINT nID, CString& strTip)
{
    char szCommand[256];
    const BOOL bFound = AfxLoadString(nID, szCommand, sizeof szCommand) != 0;
    strTip = AfxGetTipField(szCommand);
    return bFound;
}
