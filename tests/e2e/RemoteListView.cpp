#include "RemoteListView.h"



namespace {

constexpr SIZE_T kTextOffset = 256;
constexpr int kTextSize = 512;
constexpr DWORD kSendTimeoutMs = 2000;

} // namespace

RemoteListView::RemoteListView(HWND hWnd, DWORD dwProcessId)
    : m_hWnd(hWnd)
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
    DWORD_PTR dwResult = 0;
    if (!SendMessageTimeoutA(m_hWnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &dwResult))
        return -1;
    return static_cast<LRESULT>(dwResult);
}

bool RemoteListView::Write(const LVITEMA& item) const
{
    return WriteProcessMemory(m_hProcess, m_pRemote, &item, sizeof item, nullptr) != FALSE;
}

bool RemoteListView::Read(LVITEMA& item) const
{
    return ReadProcessMemory(m_hProcess, m_pRemote, &item, sizeof item, nullptr) != FALSE;
}

int RemoteListView::Count() const
{
    return static_cast<int>(Send(LVM_GETITEMCOUNT, 0, 0));
}

std::vector<std::string> RemoteListView::Texts() const
{
    std::vector<std::string> texts;
    for (int i = 0; i < Count(); ++i) {
        LVITEMA item{};
        item.iSubItem = 0;
        item.pszText = m_pRemote + kTextOffset;
        item.cchTextMax = kTextSize;
        char szText[kTextSize] = "";
        if (Write(item) && Send(LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(m_pRemote)) >= 0)
            ReadProcessMemory(m_hProcess, m_pRemote + kTextOffset, szText, sizeof szText - 1, nullptr);
        texts.push_back(szText);
    }
    return texts;
}

std::vector<int> RemoteListView::Images() const
{
    std::vector<int> images;
    for (int i = 0; i < Count(); ++i) {
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        item.iImage = -1;
        if (Write(item) && Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(m_pRemote)) > 0)
            Read(item);
        images.push_back(item.iImage);
    }
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
