#include "KorvaneTexts.h"

#include <windows.h>

namespace ktest {

std::string Ansi(const wchar_t* pszText)
{
    const int nBytes = WideCharToMultiByte(CP_ACP, 0, pszText, -1, nullptr, 0, nullptr, nullptr);
    std::string strText(static_cast<size_t>(nBytes > 0 ? nBytes : 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, pszText, -1, &strText[0], nBytes, nullptr, nullptr);
    strText.resize(strText.size() - 1);
    return strText;
}

std::string MainCaption()
{
    return "Korvane  -  Dravel";
}

std::string AppTitle()
{
    return "Korvane";
}

std::string AboutCaption()
{
    return Ansi(L"ﾊﾞｰｼﾞｮﾝ情報");
}

std::string CreateDialogCaption()
{
    return Ansi(L"ｲﾍﾞﾝﾄの作成");
}

} // namespace ktest
