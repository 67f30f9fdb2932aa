#pragma once
// CFrameWnd: a top-level frame with a menu bar, control bars along its edges
// and a view filling the rest of its client area.
//
// LoadFrame(nIDResource) takes everything from one resource identifier: the
// caption (field 0 of string nIDResource), the class icon and the menu. The
// frame routes commands to the active view (and its document) first, then
// to its own map, then to the application object; it applies the update
// rules to menu-bar popups as they open, and its control bars run theirs at
// idle time when they receive WM_IDLEUPDATECMDUI. The object deletes itself
// when its window is destroyed.
//
// Control bars take part in the layout by answering WM_SIZEPARENT (see
// CWnd::RepositionBars); RecalcLayout runs on every resize.
#include "FrameworkIds.h"
#include "Wnd.h"

class CControlBar;
class CDocument;
class CView;

// Frame style: the document's title is appended to the caption.
constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

// Style of a view created by the frame; a view turns the border into a client edge.
constexpr DWORD AFX_WS_DEFAULT_VIEW = WS_CHILD | WS_VISIBLE | WS_BORDER;

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd() = default;

    // Creates the frame window from nIDResource; on failure the object has
    // deleted itself.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Lays out the control bars and lets the view fill the rest.
    virtual void RecalcLayout();

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew);
    CDocument* GetActiveDocument() const;

    // After the document is ready: the initial update of the views, then the
    // frame is shown (the main window with the program's show command).
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);

    // --- control bars (FrameWndDocking.cpp)
    // Creates dock bars along the edges named (CBRS_ALIGN_...), where bars
    // that allow it can be docked; such bars can also float.
    void EnableDocking(DWORD dwDockStyle);
    // Docks pBar in dock bar nDockBarID (AFX_IDW_DOCKBAR_...), or with 0 at
    // the edge of its own alignment, and lays the frame out again.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0);
    // Floats pBar in a small window of its own whose top-left corner is at
    // point (screen coordinates), and lays the frame out again.
    void FloatControlBar(CControlBar* pBar, POINT point);
    // Shows or hides pBar, with its floating window, at once.
    void ShowControlBar(CControlBar* pBar, BOOL bShow);
    // The control bar with child identifier nID, docked or floating, or null.
    CControlBar* GetControlBar(UINT nID) const;

    // --- handlers of the frame's map
    void OnHelpIndex();     // ID_DEFAULT_HELP: the help file's contents
    // Update rule of a show-bar command: checked while the bar whose child
    // identifier is the command is visible.
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    // Show-bar command: hides that bar when visible, else shows it.
    BOOL OnBarCheck(UINT nID);

protected:
    // Creates the view of pContext as the frame's client.
    virtual BOOL OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    void OnClose();
    void OnInitMenuPopup(HMENU hPopupMenu, UINT nIndex, BOOL bSysMenu);
    BOOL OnQueryEndSession();
    void OnEndSession(BOOL bEnding);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // The captions of floating bars look active while the frame's does
    // (FrameWndDocking.cpp).
    LRESULT OnNcActivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnHelpInfo(WPARAM wParam, LPARAM lParam);
    BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

    UINT m_nIDResource = 0;
    CString m_strTitle;     // caption, field 0 of the document string
    CString m_strClassName; // window class registered for the frame

    DECLARE_MESSAGE_MAP()

private:
    CView* m_pViewActive = nullptr;
    bool m_bInRecalcLayout = false;
};
