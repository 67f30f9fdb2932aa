#pragma once
// Paths of the files that live beside the executable (settings, help).
#include "CString.h"

// The executable's full path for hInstance, read into a MAX_PATH buffer.
CString GetModulePath(HINSTANCE hInstance);

// pszModulePath without its last three characters (bytes of the narrow
// path; no search for a dot) followed by pszEnding, e.g. "ini" or "chm".
CString ReplacePathEnding(LPCSTR pszModulePath, LPCSTR pszEnding);
