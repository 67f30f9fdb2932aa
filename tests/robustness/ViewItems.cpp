#include "ViewItems.h"

#include "EventEntry.h"
#include "HarnessView.h"

#include <commctrl.h>

#include <cstdio>

void FillView(CHarnessView& view, int nCount, const char* pszTag, std::vector<HANDLE>& rHandles)
{
    const int nFirst = static_cast<int>(view.SendMessage(LVM_GETITEMCOUNT));
    std::vector<HANDLE> added;
    view.SendMessage(WM_SETREDRAW, FALSE);
    for (int n = nFirst; n < nFirst + nCount; ++n) {
        char szName[64];
        std::snprintf(szName, sizeof(szName), "%s.%lu.%d", pszTag, GetCurrentProcessId(), n);
        EventEntryPtr pEntry = AcquireEventEntry(0, szName, TRUE, FALSE);
        if (!pEntry)
            continue;
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.pszText = const_cast<LPSTR>(pEntry->strName.GetString());
        item.iImage = ORIGIN_CREATED * 2;
        item.lParam = reinterpret_cast<LPARAM>(pEntry.get());
        if (view.SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)) == -1)
            continue;
        added.push_back(pEntry.release()->hEvent);
    }
    view.SendMessage(WM_SETREDRAW, TRUE);
    ::InvalidateRect(view.m_hWnd, nullptr, TRUE);
    rHandles.insert(rHandles.begin(), added.rbegin(), added.rend());
}

int ItemImage(const CHarnessView& view, int nItem)
{
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = nItem;
    if (!view.SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return -1;
    return item.iImage;
}

std::vector<ViewItem> ReadItems(const CHarnessView& view)
{
    std::vector<ViewItem> items;
    const int nCount = static_cast<int>(view.SendMessage(LVM_GETITEMCOUNT));
    for (int i = 0; i < nCount; ++i) {
        char szText[512] = "";
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = i;
        item.pszText = szText;
        item.cchTextMax = sizeof(szText);
        if (!view.SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
            item.iImage = -1;
        items.push_back(ViewItem{ szText, item.iImage });
    }
    return items;
}
