#include "TestProfile.h"

#include "UiTestApp.h"
#include "WinApp.h"

#include <windows.h>

TestProfile::TestProfile()
{
    static int nSerial = 0;
    char szTemp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, szTemp);
    m_strFolder = std::string(szTemp) + "KorvaneUi." + std::to_string(GetCurrentProcessId()) + "." +
                  std::to_string(++nSerial);
    CreateDirectoryA(m_strFolder.c_str(), nullptr);
    m_strPath = m_strFolder + "\\Korvane.ini";
    // The application's start-up sets its default profile name: it must
    // have run before this one is installed.
    InitUiTestApp();
    AfxGetApp()->SetProfileName(m_strPath.c_str());
}

TestProfile::~TestProfile()
{
    DeleteFileA(m_strPath.c_str());
    RemoveDirectoryA(m_strFolder.c_str());
}

std::string TestProfile::Bytes() const
{
    std::string strBytes;
    const HANDLE hFile = CreateFileA(m_strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return strBytes;
    char buffer[4096];
    DWORD nRead = 0;
    while (ReadFile(hFile, buffer, sizeof buffer, &nRead, nullptr) && nRead > 0)
        strBytes.append(buffer, nRead);
    CloseHandle(hFile);
    return strBytes;
}

bool TestProfile::Exists() const
{
    return GetFileAttributesA(m_strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void TestProfile::WriteText(const std::string& strText) const
{
    const HANDLE hFile = CreateFileA(m_strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD nWritten = 0;
    WriteFile(hFile, strText.data(), static_cast<DWORD>(strText.size()), &nWritten, nullptr);
    CloseHandle(hFile);
}

std::vector<std::string> TestProfile::History() const
{
    std::vector<std::string> values;
    for (int i = 0; i < 10; ++i) {
        char szValue[4096] = "";
        GetPrivateProfileStringA("options", ("history" + std::to_string(i)).c_str(), "", szValue, sizeof szValue,
                                 m_strPath.c_str());
        values.push_back(szValue);
    }
    return values;
}
