#pragma once
// Narrow (ANSI code page) string and string array, the text type of the
// whole program. Texts from the resources are loaded with LoadString.
#include <windows.h>

#include <string>
#include <vector>

class CString
{
public:
    CString() = default;
    CString(LPCSTR psz);                 // null gives an empty string
    CString(LPCSTR pch, int nLength);

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    LPCSTR GetString() const { return m_str.c_str(); }
    operator LPCSTR() const { return m_str.c_str(); }
    char GetAt(int nIndex) const { return m_str[static_cast<size_t>(nIndex)]; }

    CString& operator=(LPCSTR psz);
    CString& operator+=(LPCSTR psz);
    CString& operator+=(char ch);

    // printf-style formatting into this string.
    void Format(LPCSTR pszFormat, ...);

    // Writable buffer of at least nMinLength bytes plus a terminator;
    // ReleaseBuffer sets the length (-1: up to the first zero byte).
    LPSTR GetBuffer(int nMinLength);
    void ReleaseBuffer(int nNewLength = -1);

    // Replaces the contents with string-table entry nID, converted to the
    // narrow code page. Returns FALSE and leaves the string as it was when
    // the entry has no text.
    BOOL LoadString(UINT nID);

    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_str != b.m_str; }
    friend CString operator+(const CString& a, const CString& b);

private:
    std::string m_str;
};

// Growable array of strings.
class CStringArray
{
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    const CString& GetAt(int nIndex) const { return m_items[static_cast<size_t>(nIndex)]; }
    const CString& operator[](int nIndex) const { return GetAt(nIndex); }
    CString& operator[](int nIndex) { return m_items[static_cast<size_t>(nIndex)]; }
    int Add(const CString& str);
    void InsertAt(int nIndex, const CString& str);
    void SetAt(int nIndex, const CString& str) { m_items[static_cast<size_t>(nIndex)] = str; }
    void RemoveAll() { m_items.clear(); }

private:
    std::vector<CString> m_items;
};
