#include "KorvaneFolder.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace ktest {
namespace {

void RemoveTree(const std::string& strFolder)
{
    WIN32_FIND_DATAA fd;
    const HANDLE hFind = FindFirstFileA((strFolder + "\\*").c_str(), &fd);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            const std::string strName = fd.cFileName;
            if (strName == "." || strName == "..")
                continue;
            const std::string strPath = strFolder + "\\" + strName;
            SetFileAttributesA(strPath.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(strPath);
            else
                DeleteFileA(strPath.c_str());
        } while (FindNextFileA(hFind, &fd));
        FindClose(hFind);
    }
    RemoveDirectoryA(strFolder.c_str());
}

} // namespace

std::string BuiltKorvanePath(const char* pszName)
{
    // KORVANE_APP_FOLDER is the app folder relative to the folder of the
    // test executables.
    char szModule[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    std::string strPath(szModule);
    strPath = strPath.substr(0, strPath.rfind('\\') + 1) + KORVANE_APP_FOLDER "/" + pszName;
    char szFull[MAX_PATH] = "";
    GetFullPathNameA(strPath.c_str(), MAX_PATH, szFull, nullptr);
    return szFull;
}

KorvaneFolder::KorvaneFolder(const std::string& strExeName, bool bWithHelp)
    : m_strExeName(strExeName)
{
    static int s_nSerial = 0;
    char szTemp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, szTemp);
    char szName[64];
    std::snprintf(szName, sizeof szName, "korvane-%lu-%d", GetCurrentProcessId(), ++s_nSerial);
    m_strFolder = std::string(szTemp) + szName;
    RemoveTree(m_strFolder);
    m_bReady = CreateDirectoryA(m_strFolder.c_str(), nullptr)
               && CopyFileA(BuiltKorvanePath("Korvane.exe").c_str(), ExePath().c_str(), TRUE)
               && (!bWithHelp || CopyFileA(BuiltKorvanePath("Korvane.chm").c_str(), Path("Korvane.chm").c_str(), TRUE));
}

KorvaneFolder::~KorvaneFolder()
{
    RemoveTree(m_strFolder);
}

std::string KorvaneFolder::Path(const std::string& strName) const
{
    return m_strFolder + "\\" + strName;
}

std::vector<std::string> KorvaneFolder::Files() const
{
    std::vector<std::string> files;
    WIN32_FIND_DATAA fd;
    const HANDLE hFind = FindFirstFileA((m_strFolder + "\\*").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return files;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files.push_back(fd.cFileName);
    } while (FindNextFileA(hFind, &fd));
    FindClose(hFind);
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace ktest
