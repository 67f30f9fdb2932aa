#pragma once
// CMainFrame: the program's one top-level window, with the menu bar, the
// dockable toolbar and the event list filling the rest.
#include "FrameWnd.h"
#include "ToolBar.h"

class CMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
protected:
    CMainFrame();

public:
    ~CMainFrame() override;

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);

    DECLARE_MESSAGE_MAP()

private:
    CToolBar m_wndToolBar;
};
