#pragma once
// The texts that Korvane's windows show, as a test reads them back with the
// narrow calls: in the ANSI code page (932 under the test scripts).
#include "AnsiText.h"

#include <string>

namespace ktest {

// Caption of the main window: field 0 of the document string.
std::string MainCaption();
// Application title: the caption of every message box.
std::string AppTitle();
std::string AboutCaption();
std::string CreateDialogCaption();

} // namespace ktest
