#pragma once
// The items of the running view: reading them, and filling the list with
// many events quickly.
//
// The create command refreshes every item after each insertion, so filling
// 10,000 items through it costs some 50 million probes; tests and
// benchmarks that need a full list insert the items the way that command
// does and leave out only the refresh. Redrawing is off while they are
// inserted: under Wine a shown list view scrolls its visible items at every
// insertion at the top, some 10 ms each.
#include <windows.h>

#include <string>
#include <vector>

class CHarnessView;

// Creates nCount new manual-reset, non-signaled events named
// "<pszTag>.<process id>.<n>" and inserts each at the top of the list, its
// entry as the item's data. rHandles gets their handles at its front, so
// that it stays in item order when it held the list's handles before.
void FillView(CHarnessView& view, int nCount, const char* pszTag, std::vector<HANDLE>& rHandles);

struct ViewItem
{
    std::string text;
    int image;
};

// Every item of the list, from the top.
std::vector<ViewItem> ReadItems(const CHarnessView& view);

// The item's image, -1 when the item cannot be read.
int ItemImage(const CHarnessView& view, int nItem);
