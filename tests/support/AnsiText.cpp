#include "AnsiText.h"

#include <windows.h>

namespace ktest {

std::string Ansi(const wchar_t* pszText)
{
    const int nBytes = WideCharToMultiByte(CP_ACP, 0, pszText, -1, nullptr, 0, nullptr, nullptr);
    if (nBytes <= 1)
        return std::string();
    std::string strText(static_cast<size_t>(nBytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, pszText, -1, &strText[0], nBytes, nullptr, nullptr);
    strText.resize(static_cast<size_t>(nBytes - 1));
    return strText;
}

} // namespace ktest
