#include "KorvaneFolder.h"

#include <windows.h>

#include <algorithm>

namespace ktest {

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
    m_bReady = CopyFileA(BuiltKorvanePath("Korvane.exe").c_str(), ExePath().c_str(), TRUE)
               && (!bWithHelp || CopyFileA(BuiltKorvanePath("Korvane.chm").c_str(), Path("Korvane.chm").c_str(), TRUE));
}

std::string KorvaneFolder::Path(const std::string& strName) const
{
    return m_folder.Path(strName.c_str());
}

std::vector<std::string> KorvaneFolder::Files() const
{
    std::vector<std::string> files;
    WIN32_FIND_DATAA fd;
    const HANDLE hFind = FindFirstFileA(Path("*").c_str(), &fd);
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
