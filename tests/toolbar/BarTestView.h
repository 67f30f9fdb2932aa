#pragma once
// The test frame's view: it handles the toolbar's event commands the way
// Korvane's list does, with the selection rule on close, signal and
// non-signal, and counts what it is asked to do. Nobody handles the About
// command here, so its button shows the rule for commands without handler.
#include "View.h"

#include <map>

class CBarTestView : public CView
{
    DECLARE_DYNCREATE(CBarTestView)
public:
    void OnDraw(HDC hDC) override;

    BOOL m_bSelection = FALSE;          // what the selection rule looks at
    std::map<UINT, int> m_nCommands;    // commands carried out, by id

protected:
    CBarTestView() = default;

    BOOL OnEventCommand(UINT nID);
    void OnUpdateNeedSelection(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()
};
