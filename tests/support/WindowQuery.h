#pragma once
// Reading windows of this or another process from a test: a window's class
// and text, a descendant by identifier, and messages sent with a bound, so
// that a window that hangs fails the test instead of holding it.
#include <windows.h>

#include <string>

namespace ktest {

// SendMessageTimeoutA with a 2-second bound; lOnFailure when the window does
// not answer in time or is gone.
LRESULT SendBounded(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0, LRESULT lOnFailure = 0);

std::string ClassName(HWND hwnd);

// The descendant of hwnd with child identifier nId, at any depth (a docked
// bar sits in a dock bar, not in the frame itself); null when there is none.
HWND FindDescendant(HWND hwnd, int nId);

// The window's text through WM_GETTEXT (bounded), whatever process owns it.
std::string WindowText(HWND hwnd);

} // namespace ktest
