#include "KorvaneTexts.h"

namespace ktest {

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
