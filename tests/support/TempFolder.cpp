#include "TempFolder.h"

#include <cstdio>

namespace {

// Removes a folder and everything below it.
void RemoveTree(const std::string& strFolder)
{
    WIN32_FIND_DATAA fd;
    const HANDLE hFind = ::FindFirstFileA((strFolder + "\\*").c_str(), &fd);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            const std::string strName = fd.cFileName;
            if (strName == "." || strName == "..")
                continue;
            const std::string strPath = strFolder + "\\" + strName;
            ::SetFileAttributesA(strPath.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(strPath);
            else
                ::DeleteFileA(strPath.c_str());
        } while (::FindNextFileA(hFind, &fd));
        ::FindClose(hFind);
    }
    ::SetFileAttributesA(strFolder.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::RemoveDirectoryA(strFolder.c_str());
}

} // namespace

TempFolder::TempFolder()
{
    // Every folder gets a new name, so no two tests ever share a file path.
    static int s_nSerial = 0;
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    char szName[64];
    std::snprintf(szName, sizeof szName, "korvane-test-%lu-%d", ::GetCurrentProcessId(), ++s_nSerial);
    m_strPath = std::string(szTemp) + szName;
    RemoveTree(m_strPath);
    ::CreateDirectoryA(m_strPath.c_str(), nullptr);
}

TempFolder::~TempFolder()
{
    RemoveTree(m_strPath);
}

std::string TempFolder::Path(const char* pszName) const
{
    return m_strPath + "\\" + pszName;
}

std::string ReadFileBytes(const std::string& strPath)
{
    const HANDLE hFile = ::CreateFileA(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return "<no file>";
    std::string strBytes;
    char buf[4096];
    DWORD cbRead = 0;
    while (::ReadFile(hFile, buf, sizeof buf, &cbRead, nullptr) && cbRead > 0)
        strBytes.append(buf, cbRead);
    ::CloseHandle(hFile);
    return strBytes;
}

bool WriteFileBytes(const std::string& strPath, const std::string& strBytes)
{
    const HANDLE hFile = ::CreateFileA(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    DWORD cbWritten = 0;
    const BOOL bWritten = ::WriteFile(hFile, strBytes.data(), static_cast<DWORD>(strBytes.size()), &cbWritten, nullptr);
    ::CloseHandle(hFile);
    return bWritten && cbWritten == strBytes.size();
}

bool PathExists(const std::string& strPath)
{
    return ::GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}
