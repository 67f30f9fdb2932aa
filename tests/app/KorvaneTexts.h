#pragma once
// The texts that Korvane's windows show, as the test reads them back with
// the narrow calls: in the ANSI code page (932 under the test scripts).
#include <string>

namespace ktest {

// A UTF-16 literal in the ANSI code page.
std::string Ansi(const wchar_t* pszText);

// Caption of the main window: field 0 of the document string.
std::string MainCaption();
// Application title: the caption of every message box.
std::string AppTitle();
std::string AboutCaption();
std::string CreateDialogCaption();

} // namespace ktest
