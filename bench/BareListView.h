#pragma once
// A list-view control like Korvane's view (same styles, the same state
// images) in a plain shown window of its own: the baseline for what any
// list of events must do. Destroys its windows and images with itself.
#include <windows.h>
#include <commctrl.h>

class CBareListView
{
public:
    // A 250 x 200 window at x, y.
    CBareListView(int x, int y);
    ~CBareListView();
    CBareListView(const CBareListView&) = delete;
    CBareListView& operator=(const CBareListView&) = delete;

    HWND List() const { return m_hWndList; }

    // Inserts nCount items at the top, texts made like the benchmarks'
    // event names, image 0, drawing held while they go in.
    void Fill(int nCount, const char* pszTag) const;

private:
    HWND m_hWndTop = nullptr;
    HWND m_hWndList = nullptr;
    HIMAGELIST m_hImages = nullptr;
};
