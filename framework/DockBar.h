#pragma once
// CDockBar: the strip along one edge of a frame that holds the control bars
// docked there, one row (top, bottom) or column (left, right) per bar.
//
// CFrameWnd::EnableDocking creates one per edge as a child of the frame; in
// the frame's layout a dock bar spans its edge and is as thick as its visible
// bars together, so an edge without visible bars takes no room. A dock bar
// lives on the heap and deletes itself with its window.
#include "ControlBar.h"

#include <memory>
#include <vector>

// The frame's edges and the child identifiers of their dock bars, in the
// order the layout and a dragged bar look at them: rows before columns.
struct AFX_DOCKEDGE
{
    DWORD dwAlign;
    UINT nID;
};
extern const AFX_DOCKEDGE afxDockEdges[4];

class CDockBar : public CControlBar
{
    DECLARE_DYNAMIC(CDockBar)
public:
    // Creates the dock bar for edge dwAlign (one CBRS_ALIGN_...) of pFrame as
    // its child nID; null when the window cannot be made.
    static CDockBar* Create(CFrameWnd* pFrame, DWORD dwAlign, UINT nID);

    DWORD GetAlignment() const { return GetBarStyle() & CBRS_ALIGN_ANY; }

    // Takes pBar as the last of its bars, out of the dock bar that held it,
    // and gives it the bar style of this edge.
    void DockControlBar(CControlBar* pBar);
    // Lets go of pBar; the caller gives it another parent.
    void RemoveControlBar(CControlBar* pBar);

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler) override;

protected:
    CDockBar() = default;
    void PostNcDestroy() override;

    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    std::vector<CControlBar*> m_arrBars;
    bool m_bAutoDelete = false;   // set once the window exists
};
