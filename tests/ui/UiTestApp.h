#pragma once
// The application object of the UI tests, started the way the program's
// entry point starts Korvane: its title from the string table ("Korvane")
// and Korvane's one document template, which ties the document, the main
// frame and the list view together. The tests run the message loop
// themselves.
#include "WinApp.h"

extern CWinApp theUiTestApp;

// Start-up values and the document template, once per process.
void InitUiTestApp();

// Runs the application's message loop until it has gone idle once, as the
// program does between two user actions (toolbar buttons are updated then).
void RunUntilIdle();
