#include "SampleView.h"

#include "FrameworkTestIds.h"

#include <commctrl.h>

IMPLEMENT_DYNCREATE(CSampleView, CListView)

BEGIN_MESSAGE_MAP(CSampleView, CListView)
    ON_COMMAND(ID_SAMPLE_ADD, &CSampleView::OnSampleAdd)
    ON_COMMAND(ID_SAMPLE_REMOVE, &CSampleView::OnSampleRemove)
    ON_UPDATE_COMMAND_UI(ID_SAMPLE_REMOVE, &CSampleView::OnUpdateNeedSelection)
    ON_NOTIFY_REFLECT(LVN_DELETEITEM, &CSampleView::OnLvnDeleteitem)
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

int SampleItem::s_nAlive = 0;
int CSampleView::s_nDrawn = 0;

CSampleView::CSampleView()
{
    m_imageList.Create(IDB_SAMPLE_STATES, 24, 1, RGB(0, 128, 128));
}

CSampleView::~CSampleView() = default;

BOOL CSampleView::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= LVS_LIST | LVS_SINGLESEL;
    return CListView::PreCreateWindow(cs);
}

void CSampleView::OnInitialUpdate()
{
    CListView::OnInitialUpdate();
    SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_imageList.GetSafeHandle()));
}

void CSampleView::OnDraw(HDC)
{
    ++s_nDrawn;
}

void CSampleView::OnSampleAdd()
{
    SampleItem* pItem = new SampleItem;
    pItem->strName.Format("item %d", ++m_nAdded);
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.pszText = const_cast<LPSTR>(pItem->strName.GetString());
    item.iImage = m_nAdded % 2;
    item.lParam = reinterpret_cast<LPARAM>(pItem);
    SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void CSampleView::OnSampleRemove()
{
    SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(SendMessage(LVM_GETSELECTIONMARK)));
}

void CSampleView::OnUpdateNeedSelection(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(SendMessage(LVM_GETSELECTIONMARK) != -1);
}

void CSampleView::OnLvnDeleteitem(NMHDR* pNMHDR, LRESULT* pResult)
{
    delete reinterpret_cast<SampleItem*>(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->lParam);
    *pResult = 0;
}

void CSampleView::OnContextMenu(CWnd*, POINT point)
{
    LVHITTESTINFO hit = {};
    hit.pt = point;
    ScreenToClient(&hit.pt);
    if (SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) == -1)
        return;
    const HMENU hMenu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_SAMPLE_POPUP));
    TrackPopupMenu(GetSubMenu(hMenu, 0), 0, point.x, point.y, 0, m_hWnd, nullptr);
    DestroyMenu(hMenu);
}
