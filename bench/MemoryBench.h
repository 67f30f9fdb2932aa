#pragma once
// Private bytes of the running view after start and after holding 10,000
// events, and what one event costs beyond what the list-view control itself
// keeps for an item of the same text (a bare list view, measured in a
// process of its own the same way). The cost per event comes from the heap
// bytes in use: committed memory grows in steps and, after start, partly
// from room the heaps already had.
class CBenchTable;

void RunMemoryBench(CBenchTable& table);

// The child side: "korvane" or "bare". Prints the private bytes and the heap
// bytes in use before and after the 10,000 items; the process's exit code.
int RunMemoryChild(const char* pszWhich);
