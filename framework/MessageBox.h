#pragma once
// Message boxes captioned with the application title.
#include <windows.h>

int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
