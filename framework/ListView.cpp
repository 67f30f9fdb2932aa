#include "ListView.h"

#include "CommonControls.h"

#include <commctrl.h>

IMPLEMENT_DYNAMIC(CListView, CView)

BEGIN_MESSAGE_MAP(CListView, CView)
    ON_WM_PAINT()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

BOOL CListView::PreCreateWindow(CREATESTRUCTA& cs)
{
    AfxInitCommonControls(ICC_LISTVIEW_CLASSES);
    cs.lpszClass = WC_LISTVIEWA;
    return CView::PreCreateWindow(cs);
}

void CListView::OnPaint()
{
    Default();
}

void CListView::OnNcDestroy()
{
    for (const int nImageList : { LVSIL_NORMAL, LVSIL_SMALL, LVSIL_STATE })
        SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(nImageList), 0);
    Default();
}
