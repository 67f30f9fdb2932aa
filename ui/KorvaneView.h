#pragma once
// CKorvaneView: the list of held events. Each item shows an event's name and
// state icon and owns its EventEntry; the view carries every event command.
#include "ImageList.h"
#include "ListView.h"

struct EventEntry;

class CKorvaneView : public CListView
{
    DECLARE_DYNCREATE(CKorvaneView)
protected:
    CKorvaneView();

public:
    ~CKorvaneView() override;

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void OnInitialUpdate() override;
    void OnDraw(HDC hDC) override;

protected:
    void OnEventCreate();
    void OnContextMenu(CWnd* pWnd, POINT point);
    void OnViewUpdate();
    void OnLvnDeleteitem(NMHDR* pNMHDR, LRESULT* pResult);
    void OnEventClose();
    void OnEventSignal();
    void OnEventNonsignal();
    void OnUpdateNeedSelection(CCmdUI* pCmdUI);
    void OnEventInfo();

    // What the create command does once its dialog has ended with OK:
    // acquires the event, puts its item at the top and refreshes. When the
    // event cannot be had (its message has been shown), nothing changes.
    void AddEventItem(int nMode, LPCSTR pszName, BOOL bManualReset, BOOL bInitialState);

    DECLARE_MESSAGE_MAP()

private:
    int GetSelectionMark() const;
    // The entry of item nItem, or null when nItem names no item.
    EventEntry* GetItemEntry(int nItem) const;
    // Sends the refresh command to this view and returns once it has run.
    void SendRefresh();

    CImageList m_imageList;
};
