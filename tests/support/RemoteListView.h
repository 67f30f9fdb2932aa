#pragma once
// The list-view control of another process, read and selected the way
// cross-process tools do it: the LVITEM and its text buffer live in memory
// allocated inside that process (VirtualAllocEx), the LVM_ messages point
// there, and the results come back through ReadProcessMemory.
//
//     ktest::RemoteListView list(hwndList, dwProcessId);
//     ASSERT_TRUE(list.IsReady());
//     list.Select(1);                              // as a click on item 1
//     EXPECT_EQ("Alpha", list.Items().at(0).text);
//
// Every send is bounded (2 s), so a hung process cannot block the test. The
// destructor frees the memory in the other process.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace ktest {

// One item of the list as read from the other process.
struct ListItem
{
    std::string text;   // "" when it could not be read
    int image = -1;     // image index, -1 when it could not be read
};

class RemoteListView
{
public:
    RemoteListView(HWND hwndList, DWORD dwProcessId);
    ~RemoteListView();
    RemoteListView(const RemoteListView&) = delete;
    RemoteListView& operator=(const RemoteListView&) = delete;

    // Whether the memory in the other process is there to work with.
    bool IsReady() const { return m_pRemote != nullptr; }

    // -1 when the list does not answer.
    int Count() const;
    // The items from the top: text and image of each.
    std::vector<ListItem> Items() const;
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

    HWND m_hwnd;
    HANDLE m_hProcess = nullptr;
    char* m_pRemote = nullptr;   // LVITEMA, then the text buffer
};

} // namespace ktest
