#include "RobustnessText.h"

#include "CString.h"

std::string LoadText(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str.GetString();
}

std::string Unique(const std::string& strName)
{
    return strName + "." + std::to_string(GetCurrentProcessId());
}

std::string ReadSetting(const std::string& strSettings, const char* pszSection, const char* pszKey)
{
    std::vector<char> buffer(8192);
    GetPrivateProfileStringA(pszSection, pszKey, "", buffer.data(), static_cast<DWORD>(buffer.size()),
                             strSettings.c_str());
    return buffer.data();
}

Names ReadHistory(const std::string& strSettings)
{
    Names history;
    for (int i = 0; i < 10; ++i)
        history.push_back(ReadSetting(strSettings, "options", ("history" + std::to_string(i)).c_str()));
    return history;
}
