#pragma once
// The last ten event names accepted in the create-event dialog, most recent
// first, kept as history0 to history9 in section "options" of the
// application's profile file (through AfxGetApp()'s profile functions).
#include "CString.h"

// Number of names the history keeps.
constexpr int HISTORY_SIZE = 10;

// Load rule: replaces astrHistory with exactly HISTORY_SIZE entries, entry i
// read from key history<i> ("" when the file, section or key is missing).
// The dialog offers the non-empty entries in this order, repeats included.
void LoadNameHistory(CStringArray& astrHistory);

// Save rule: inserts the accepted, non-empty strName at the front of
// astrHistory (the list as loaded), then writes strName and each following
// entry of the first HISTORY_SIZE that differs from it (byte for byte) to
// consecutive keys from history0 on. Keys after the last one written keep
// what the file holds. A failed write goes unnoticed.
void SaveNameHistory(CStringArray& astrHistory, const CString& strName);
