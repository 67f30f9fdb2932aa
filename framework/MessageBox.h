#pragma once
// Message boxes captioned with the application title, and the owner rule
// that message boxes and modal dialogs share.
#include "CString.h"

// Shows a message box with the text of string nIDPrompt (empty when the
// string table has no such text: the framework's own prompts have none) and
// returns the button pressed. See the text overload for caption, icon and
// owner. nIDHelp is the box's help context, nIDPrompt when left at -1; there
// is no context help, so it is not used further.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// Shows lpszText in a message box captioned with the application's title
// (m_pszAppName), owned by the application's active top-level window
// (AfxGetSafeOwner(nullptr)), which stays disabled until the box is
// dismissed. Without an icon in nType the exclamation icon is added.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// The text of string nIDS with every "%1" replaced by lpsz1: a prompt with
// one parameter, such as AFX_IDP_PARSE_STRING_SIZE and its limit. Empty when
// the string table has no such text.
CString AfxFormatString1(UINT nIDS, LPCSTR lpsz1);

// The window that is to own a new modal window. With hWndParent: its
// top-level window, since a child window cannot own one. Without: the
// application's active top-level window, that is the main window's last
// active popup, or the main window itself. Null when there is no
// application object or no main window.
HWND AfxGetSafeOwner(HWND hWndParent);
