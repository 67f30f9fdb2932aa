#include "CString.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

CString::CString(LPCSTR psz)
    : m_str(psz ? psz : "")
{
}

CString::CString(LPCSTR pch, int nLength)
    : m_str(pch, static_cast<size_t>(nLength))
{
}

CString& CString::operator=(LPCSTR psz)
{
    m_str = psz ? psz : "";
    return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
    if (psz)
        m_str += psz;
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_str += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b)
{
    CString result(a);
    result += b;
    return result;
}

void CString::Format(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    va_list measure;
    va_copy(measure, args);
    const int nLength = std::vsnprintf(nullptr, 0, pszFormat, measure);
    va_end(measure);
    if (nLength < 0) {
        m_str.clear();
    } else {
        std::string formatted(static_cast<size_t>(nLength) + 1, '\0');
        std::vsnprintf(&formatted[0], formatted.size(), pszFormat, args);
        formatted.resize(static_cast<size_t>(nLength));
        m_str.swap(formatted);
    }
    va_end(args);
}

LPSTR CString::GetBuffer(int nMinLength)
{
    if (nMinLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinLength));
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(std::strlen(m_str.c_str()));
    m_str.resize(static_cast<size_t>(nNewLength));
}

int CStringArray::Add(const CString& str)
{
    m_items.push_back(str);
    return GetSize() - 1;
}

void CStringArray::InsertAt(int nIndex, const CString& str)
{
    m_items.insert(m_items.begin() + nIndex, str);
}
