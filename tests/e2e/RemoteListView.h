#pragma once
// The list-view control of another process, read and selected the way
// cross-process tools do it: the LVITEM and its text buffer live in memory
// allocated inside that process (VirtualAllocEx), the LVM_ messages point
// there, and the results come back through ReadProcessMemory. Every send is
// bounded.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

class RemoteListView
{
public:
    RemoteListView(HWND hWnd, DWORD dwProcessId);
    ~RemoteListView();
    RemoteListView(const RemoteListView&) = delete;
    RemoteListView& operator=(const RemoteListView&) = delete;

    bool IsReady() const { return m_pRemote != nullptr; }

    int Count() const;
    std::vector<std::string> Texts() const;
    std::vector<int> Images() const;
    int SelectionMark() const;
    // Selects and focuses item nItem and moves the selection mark to it, as
    // a click does (LVM_SETITEMSTATE, LVM_SETSELECTIONMARK).
    void Select(int nItem) const;

private:
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;
    bool Write(const LVITEMA& item) const;
    bool Read(LVITEMA& item) const;

    HWND m_hWnd;
    HANDLE m_hProcess = nullptr;
    char* m_pRemote = nullptr;   // LVITEMA, then the text buffer
};
