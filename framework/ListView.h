#pragma once
// CListView: a view that is itself a list-view control ("SysListView32").
// The control paints itself; the view talks to it with LVM_ messages and
// gets its notifications reflected from the frame (ON_NOTIFY_REFLECT).
// Image lists given to the control are taken back when the window is
// finally destroyed, so the control never destroys them: their owner
// (a CImageList) does.
#include "View.h"

class CListView : public CView
{
    DECLARE_DYNAMIC(CListView)
public:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

protected:
    CListView() = default;

    void OnPaint();
    void OnNcDestroy();

    DECLARE_MESSAGE_MAP()
};
