#pragma once
// Korvane's Japanese texts as its narrow windows carry them: in the ANSI
// code page (932 under the test scripts), so that a test can write them as
// wide literals and compare them with what it reads back.
#include <string>

namespace ktest {

// A wide literal in the ANSI code page.
std::string Ansi(const wchar_t* pszText);

} // namespace ktest
