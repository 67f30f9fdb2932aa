#pragma once
// A folder of its own under the temporary folder for one test, removed with
// everything in it (read-only attributes included) when the test ends.
#include <windows.h>

#include <string>

class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Full path of pszName inside the folder.
    std::string Path(const char* pszName) const;

private:
    std::string m_strPath;
};

// The bytes of a file, or "<no file>" when it cannot be read.
std::string ReadFileBytes(const std::string& strPath);

// Replaces the contents of a file with exactly these bytes; false on failure.
bool WriteFileBytes(const std::string& strPath, const std::string& strBytes);

// Whether anything (file or folder) exists at the path.
bool PathExists(const std::string& strPath);
