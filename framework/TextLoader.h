#pragma once
// Loading texts from the executable's string table. CString::LoadString
// (implemented here) converts with the conversion code page chosen once per
// process; the fixed-buffer loader uses the system's ANSI code page.
#include "CString.h"

// Finds string-table entry nID: its UTF-16 units (not terminated) and their
// count. FALSE when its block is missing, the block ends first, or it is empty.
BOOL AfxFindStringResource(UINT nID, LPCWSTR* ppch, int* pnLength);

// Code page of the thread locale's default ANSI code page, read afresh;
// GetACP() when the query fails, is empty or reads as 0.
UINT AfxGetThreadLocaleCodePage();

// Loads entry nID into lpszBuf of nMaxBuf bytes in the ANSI code page and
// returns the bytes written. A text that does not fit whole gives "" and 0,
// as does a missing one.
int AfxLoadString(UINT nID, LPSTR lpszBuf, UINT nMaxBuf);

// The tooltip part of a command string "prompt\ntip[\n...]": the text after
// the first line feed up to the next one or the end; empty without a line feed.
CString AfxGetTipField(LPCSTR lpszCommandString);

// Loads the tooltip of command nID (through a 256-byte fixed buffer).
// FALSE, and an empty tip, when the command has no string or it does not fit.
BOOL AfxGetCommandTip(UINT nID, CString& strTip);
