#pragma once
// The sample program's view: a list whose items each own a heap record,
// released when the control reports the item's deletion.
#include "ImageList.h"
#include "ListView.h"

struct SampleItem
{
    CString strName;
    static int s_nAlive;    // records not yet released

    SampleItem() { ++s_nAlive; }
    ~SampleItem() { --s_nAlive; }
    SampleItem(const SampleItem&) = delete;
    SampleItem& operator=(const SampleItem&) = delete;
};

class CSampleView : public CListView
{
    DECLARE_DYNCREATE(CSampleView)
public:
    ~CSampleView() override;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void OnInitialUpdate() override;
    void OnDraw(HDC hDC) override;

    HIMAGELIST GetImageList() const { return m_imageList; }
    static int s_nDrawn;    // OnDraw calls

protected:
    CSampleView();

    void OnSampleAdd();
    void OnSampleRemove();
    void OnUpdateNeedSelection(CCmdUI* pCmdUI);
    void OnLvnDeleteitem(NMHDR* pNMHDR, LRESULT* pResult);
    void OnContextMenu(CWnd* pWnd, POINT point);

    DECLARE_MESSAGE_MAP()

private:
    CImageList m_imageList;
    int m_nAdded = 0;
};
