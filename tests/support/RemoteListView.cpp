#include "RemoteListView.h"

#include "WindowQuery.h"

namespace ktest {
namespace {

constexpr SIZE_T kTextOffset = 256;   // room for the LVITEMA before the text
constexpr int kTextSize = 512;

static_assert(sizeof(LVITEMA) <= kTextOffset, "the item overlaps its text buffer");

} // namespace

RemoteListView::RemoteListView(HWND hwndList, DWORD dwProcessId)
    : m_hwnd(hwndList)
{
    m_hProcess = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, dwProcessId);
    if (m_hProcess)
        m_pRemote = static_cast<char*>(
            VirtualAllocEx(m_hProcess, nullptr, kTextOffset + kTextSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
}

RemoteListView::~RemoteListView()
{
    // The memory goes with the process anyway, should it have ended.
    if (m_pRemote)
        VirtualFreeEx(m_hProcess, m_pRemote, 0, MEM_RELEASE);
    if (m_hProcess)
        CloseHandle(m_hProcess);
}

LRESULT RemoteListView::Send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return SendBounded(m_hwnd, message, wParam, lParam, -1);
}

bool RemoteListView::Write(const LVITEMA& item) const
{
    return m_pRemote && WriteProcessMemory(m_hProcess, m_pRemote, &item, sizeof item, nullptr);
}

bool RemoteListView::Read(LVITEMA& item) const
{
    return m_pRemote && ReadProcessMemory(m_hProcess, m_pRemote, &item, sizeof item, nullptr);
}

int RemoteListView::Count() const
{
    return static_cast<int>(Send(LVM_GETITEMCOUNT, 0, 0));
}

std::vector<ListItem> RemoteListView::Items() const
{
    std::vector<ListItem> items;
    const int nCount = Count();
    for (int i = 0; i < nCount; ++i) {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = i;
        item.iImage = -1;
        item.pszText = m_pRemote + kTextOffset;
        item.cchTextMax = kTextSize;
        ListItem read;
        if (Write(item) && Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(m_pRemote)) > 0 && Read(item)) {
            read.image = item.iImage;
            // The control may point pszText at its own copy instead of
            // filling the buffer; either way the text is in that process.
            char szText[kTextSize] = "";
            if (ReadProcessMemory(m_hProcess, item.pszText, szText, sizeof szText - 1, nullptr))
                read.text = szText;
        }
        items.push_back(read);
    }
    return items;
}

std::vector<std::string> RemoteListView::Texts() const
{
    std::vector<std::string> texts;
    for (const ListItem& item : Items())
        texts.push_back(item.text);
    return texts;
}

std::vector<int> RemoteListView::Images() const
{
    std::vector<int> images;
    for (const ListItem& item : Items())
        images.push_back(item.image);
    return images;
}

int RemoteListView::SelectionMark() const
{
    return static_cast<int>(Send(LVM_GETSELECTIONMARK, 0, 0));
}

void RemoteListView::Select(int nItem) const
{
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    if (Write(item))
        Send(LVM_SETITEMSTATE, nItem, reinterpret_cast<LPARAM>(m_pRemote));
    // Wine's control takes a selected item as the mark only while there is
    // none; a click always moves the mark to the item clicked.
    Send(LVM_SETSELECTIONMARK, 0, nItem);
}

} // namespace ktest
