#pragma once
// Korvane's Japanese texts as the program's narrow strings carry them.
#include <string>

// A wide literal in the ANSI code page (932 here).
std::string Ansi(const wchar_t* pszText);
