#include "BareListView.h"

#include "resource.h"

#include <cstdio>

CBareListView::CBareListView(int x, int y)
{
    INITCOMMONCONTROLSEX icc{ sizeof(icc), ICC_LISTVIEW_CLASSES };
    InitCommonControlsEx(&icc);
    m_hWndTop = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, 250, 200,
                                nullptr, nullptr, nullptr, nullptr);
    m_hWndList = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                                 WS_CHILD | WS_VISIBLE | LVS_LIST | LVS_SINGLESEL, 0, 0, 240, 150,
                                 m_hWndTop, nullptr, nullptr, nullptr);
    m_hImages = ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_EVENT_STATES),
                                     24, 1, RGB(0, 128, 128), IMAGE_BITMAP, LR_DEFAULTCOLOR);
    SendMessageA(m_hWndList, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_hImages));
}

CBareListView::~CBareListView()
{
    DestroyWindow(m_hWndTop);
    if (m_hImages)
        ImageList_Destroy(m_hImages);
}

void CBareListView::Fill(int nCount, const char* pszTag) const
{
    SendMessageA(m_hWndList, WM_SETREDRAW, FALSE, 0);
    for (int n = 0; n < nCount; ++n) {
        char szName[64];
        std::snprintf(szName, sizeof(szName), "%s.%lu.%d", pszTag, GetCurrentProcessId(), n);
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.pszText = szName;
        SendMessageA(m_hWndList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(m_hWndList, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_hWndList, nullptr, TRUE);
}
