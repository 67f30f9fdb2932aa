#include "KorvaneView.h"

#include "EventCreateDlg.h"
#include "EventEntry.h"
#include "EventInfoDlg.h"
#include "Menu.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CKorvaneView, CListView)
    ON_COMMAND(ID_EVENT_CREATE, &CKorvaneView::OnEventCreate)
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_VIEW_UPDATE, &CKorvaneView::OnViewUpdate)
    ON_NOTIFY_REFLECT(LVN_DELETEITEM, &CKorvaneView::OnLvnDeleteitem)
    ON_COMMAND(ID_EVENT_CLOSE, &CKorvaneView::OnEventClose)
    ON_COMMAND(ID_EVENT_SIGNAL, &CKorvaneView::OnEventSignal)
    ON_COMMAND(ID_EVENT_NONSIGNAL, &CKorvaneView::OnEventNonsignal)
    ON_UPDATE_COMMAND_UI(ID_EVENT_CLOSE, &CKorvaneView::OnUpdateNeedSelection)
    ON_UPDATE_COMMAND_UI(ID_EVENT_NONSIGNAL, &CKorvaneView::OnUpdateNeedSelection)
    ON_UPDATE_COMMAND_UI(ID_EVENT_SIGNAL, &CKorvaneView::OnUpdateNeedSelection)
    ON_COMMAND(ID_EVENT_INFO, &CKorvaneView::OnEventInfo)
    ON_UPDATE_COMMAND_UI(ID_EVENT_INFO, &CKorvaneView::OnUpdateNeedSelection)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CKorvaneView, CListView)

namespace {

// Width of one state image in IDB_EVENT_STATES.
constexpr int STATE_IMAGE_WIDTH = 24;
// Teal: the transparent colour of the state images.
constexpr COLORREF STATE_IMAGE_MASK = RGB(0, 128, 128);
// The number of changed icons from which a refresh holds the list's drawing.
constexpr int HOLD_DRAWING_FROM = 128;

} // namespace

CKorvaneView::CKorvaneView()
{
    // Without the bitmap the items simply show no icons.
    m_imageList.Create(IDB_EVENT_STATES, STATE_IMAGE_WIDTH, 1, STATE_IMAGE_MASK);
}

CKorvaneView::~CKorvaneView() = default;

BOOL CKorvaneView::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= LVS_LIST | LVS_SINGLESEL;
    return CListView::PreCreateWindow(cs);
}

void CKorvaneView::OnInitialUpdate()
{
    CListView::OnInitialUpdate();
    SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_imageList.GetSafeHandle()));
}

void CKorvaneView::OnDraw(HDC)
{
    // The list-view control paints itself.
}

// --- the list as the store of held events ------------------------------------

int CKorvaneView::GetSelectionMark() const
{
    return static_cast<int>(SendMessage(LVM_GETSELECTIONMARK));
}

EventEntry* CKorvaneView::GetItemEntry(int nItem) const
{
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    if (!SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<EventEntry*>(item.lParam);
}

void CKorvaneView::SendRefresh()
{
    SendMessage(WM_COMMAND, MAKEWPARAM(ID_VIEW_UPDATE, 0), 0);
}

void CKorvaneView::OnViewUpdate()
{
    // Each item is probed exactly once, from the top: the probe itself
    // resets a signaled automatic-reset event, so order matters when two
    // items hold the same event. Only icons that changed are written back.
    // Where many change, the list is drawn once at the end rather than
    // item by item; holding the drawing has a fixed cost of its own, so a
    // few changes are drawn as they come.
    const int nCount = static_cast<int>(SendMessage(LVM_GETITEMCOUNT));
    int nChanged = 0;
    for (int i = 0; i < nCount; ++i) {
        LVITEMA item{};
        item.mask = LVIF_IMAGE | LVIF_PARAM;
        item.iItem = i;
        if (!SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
            continue;
        const int nImage = GetEventEntryImage(*reinterpret_cast<const EventEntry*>(item.lParam));
        if (nImage == item.iImage)
            continue;
        if (++nChanged == HOLD_DRAWING_FROM)
            SetRedraw(FALSE);
        item.mask = LVIF_IMAGE;
        item.iImage = nImage;
        SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    if (nChanged >= HOLD_DRAWING_FROM) {
        SetRedraw(TRUE);
        Invalidate();
    }
}

void CKorvaneView::OnLvnDeleteitem(NMHDR* pNMHDR, LRESULT* pResult)
{
    // The only place where an entry, and with it its handle, is released:
    // on the close command and for every item when the window goes.
    const NMLISTVIEW* pNMListView = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    ReleaseEventEntry(reinterpret_cast<EventEntry*>(pNMListView->lParam));
    *pResult = 0;
}

// --- event commands ------------------------------------------------------------

void CKorvaneView::OnEventCreate()
{
    CEventCreateDlg dlg;
    if (dlg.DoModal() != IDOK)
        return;
    AddEventItem(dlg.m_nMode, dlg.m_strName, dlg.m_bManualReset, dlg.m_bInitialState);
}

void CKorvaneView::AddEventItem(int nMode, LPCSTR pszName, BOOL bManualReset, BOOL bInitialState)
{
    EventEntryPtr pEntry = AcquireEventEntry(nMode, pszName, bManualReset, bInitialState);
    if (!pEntry)
        return;

    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = 0;
    item.pszText = const_cast<LPSTR>(pEntry->strName.GetString());
    // Provisional until the refresh below probes the event.
    item.iImage = pEntry->nOrigin * 2 + bInitialState;
    item.lParam = reinterpret_cast<LPARAM>(pEntry.get());
    if (SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)) == -1)
        return;
    pEntry.release(); // the item owns it now
    SendRefresh();
}

void CKorvaneView::OnEventSignal()
{
    if (const EventEntry* pEntry = GetItemEntry(GetSelectionMark())) {
        SignalEventEntry(*pEntry);
        SendRefresh();
    }
}

void CKorvaneView::OnEventNonsignal()
{
    if (const EventEntry* pEntry = GetItemEntry(GetSelectionMark())) {
        ResetEventEntry(*pEntry);
        SendRefresh();
    }
}

void CKorvaneView::OnEventClose()
{
    SendMessage(LVM_DELETEITEM, GetSelectionMark());
    SendRefresh();
}

void CKorvaneView::OnEventInfo()
{
    const EventEntry* pEntry = GetItemEntry(GetSelectionMark());
    if (pEntry == nullptr)
        return;
    CEventInfoDlg dlg(this);
    dlg.m_entry = *pEntry;
    dlg.DoModal();
}

void CKorvaneView::OnUpdateNeedSelection(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetSelectionMark() != -1);
}

void CKorvaneView::OnContextMenu(CWnd*, POINT point)
{
    if (point.x == -1 && point.y == -1) {
        // Asked from the keyboard: use where the cursor was.
        const DWORD dwPos = ::GetMessagePos();
        point.x = static_cast<short>(LOWORD(dwPos));
        point.y = static_cast<short>(HIWORD(dwPos));
    }

    LVHITTESTINFO hit{};
    hit.pt = point;
    ::ScreenToClient(m_hWnd, &hit.pt);
    if (SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) == -1)
        return;

    CMenu menu;
    if (!menu.LoadMenu(IDR_EVENT_POPUP))
        return;
    ::ClientToScreen(m_hWnd, &hit.pt);
    ::TrackPopupMenu(menu.GetSubMenu(0), 0, hit.pt.x, hit.pt.y, 0, m_hWnd, NULL);
}
