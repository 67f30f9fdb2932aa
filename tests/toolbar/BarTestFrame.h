#pragma once
// A main frame built the way Korvane's is: 250 x 200 pixels, the view as
// its client, and a flat toolbar with gripper and tooltips from
// IDR_MAINFRAME, dockable at every edge and docked at the top.
#include "FrameWnd.h"
#include "ToolBar.h"

class CBarTestView;

class CBarTestFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CBarTestFrame)
public:
    CBarTestFrame() = default;

    // Creates and shows a frame with a CBarTestView; null when creation
    // failed (the object is gone then).
    static CBarTestFrame* CreateShown();

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

    CToolBar& ToolBar() { return m_wndToolBar; }
    CBarTestView* View() const;

    // Toolbar resource the next frame loads; another one makes creation fail.
    static UINT s_nIDToolBar;

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);

    DECLARE_MESSAGE_MAP()

private:
    CToolBar m_wndToolBar;
};
