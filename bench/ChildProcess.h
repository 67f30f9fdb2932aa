#pragma once
// Other processes for the benchmarks: started, timed to their window,
// measured, closed, never left behind.
#include <windows.h>

#include <string>

// This executable's folder, with a trailing backslash.
std::string ModuleFolder();

// Runs the command line, waits at most dwTimeoutMs for it to end and
// returns what it wrote to its standard output ("" on failure or time-out,
// after which the process has been ended).
std::string RunAndCapture(const std::string& strCommandLine, DWORD dwTimeoutMs);

// Private bytes of a process: the sum of its committed private regions, as
// Windows counts them. (Wine's PrivateUsage is the resident part of them,
// which moves with paging and says little about what a process keeps.)
long long PrivateBytes(HANDLE hProcess);

// Bytes allocated and not yet freed in every heap of this process (the
// blocks in use, without the heaps' own spare room).
long long HeapBytesInUse();
