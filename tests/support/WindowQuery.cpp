#include "WindowQuery.h"

#include <algorithm>

namespace ktest {
namespace {

struct DescendantSearch
{
    int nId;
    HWND hwndFound;
};

BOOL CALLBACK MatchDescendant(HWND hwnd, LPARAM lParam)
{
    DescendantSearch& search = *reinterpret_cast<DescendantSearch*>(lParam);
    if (GetDlgCtrlID(hwnd) != search.nId)
        return TRUE;
    search.hwndFound = hwnd;
    return FALSE;
}

} // namespace

LRESULT SendBounded(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT lOnFailure)
{
    constexpr DWORD kSendTimeoutMs = 2000;
    DWORD_PTR dwResult = 0;
    if (!hwnd || !SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &dwResult))
        return lOnFailure;
    return static_cast<LRESULT>(dwResult);
}

std::string ClassName(HWND hwnd)
{
    char szClass[256] = "";
    GetClassNameA(hwnd, szClass, sizeof szClass);
    return szClass;
}

HWND FindDescendant(HWND hwnd, int nId)
{
    DescendantSearch search{ nId, nullptr };
    EnumChildWindows(hwnd, MatchDescendant, reinterpret_cast<LPARAM>(&search));
    return search.hwndFound;
}

std::string WindowText(HWND hwnd)
{
    const LRESULT nLength = SendBounded(hwnd, WM_GETTEXTLENGTH);
    std::string text(static_cast<size_t>(std::max<LRESULT>(0, nLength)) + 1, '\0');
    const LRESULT nCopied = SendBounded(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(std::max<LRESULT>(0, std::min(nCopied, nLength))));
    return text;
}

} // namespace ktest
