#include "AnsiText.h"

#include <windows.h>

std::string Ansi(const wchar_t* pszText)
{
    const int nBytes = WideCharToMultiByte(CP_ACP, 0, pszText, -1, nullptr, 0, nullptr, nullptr);
    std::string str(static_cast<size_t>(nBytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, pszText, -1, &str[0], nBytes, nullptr, nullptr);
    str.resize(static_cast<size_t>(nBytes > 0 ? nBytes - 1 : 0));
    return str;
}
