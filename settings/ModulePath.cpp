#include "ModulePath.h"

#include <cstring>

CString GetModulePath(HINSTANCE hInstance)
{
    // One byte more than the size given, so that a cut-short path is still
    // terminated on systems that do not terminate it.
    char szPath[MAX_PATH + 1] = {};
    ::GetModuleFileNameA(hInstance, szPath, MAX_PATH);
    return CString(szPath);
}

CString ReplacePathEnding(LPCSTR pszModulePath, LPCSTR pszEnding)
{
    const int nLength = static_cast<int>(std::strlen(pszModulePath));
    CString strPath(pszModulePath, nLength > 3 ? nLength - 3 : 0);
    strPath += pszEnding;
    return strPath;
}
