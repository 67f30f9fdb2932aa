#pragma once
// Start-up: process start to main window shown and idle, Korvane.exe against
// a minimal program with one window, a menu and a list view, built the same
// way; and the private bytes of each once it is up.
class CBenchTable;

void RunStartupBench(CBenchTable& table);
