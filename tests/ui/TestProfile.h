#pragma once
// A settings file in a fresh temporary folder, installed as the
// application's profile file (m_pszProfileName) while the object lives.
// The file itself appears only when something writes it.
#include <string>
#include <vector>

class TestProfile
{
public:
    TestProfile();
    ~TestProfile();
    TestProfile(const TestProfile&) = delete;
    TestProfile& operator=(const TestProfile&) = delete;

    const std::string& Path() const { return m_strPath; }

    // The file's bytes exactly, "" when there is no file.
    std::string Bytes() const;
    bool Exists() const;
    // Replaces the file with this text.
    void WriteText(const std::string& strText) const;
    // history0 to history9 of section "options", as the program reads them.
    std::vector<std::string> History() const;

private:
    std::string m_strFolder;
    std::string m_strPath;
};
