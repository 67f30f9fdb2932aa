#include "BarTestView.h"

#include "resource.h"

IMPLEMENT_DYNCREATE(CBarTestView, CView)

BEGIN_MESSAGE_MAP(CBarTestView, CView)
    ON_COMMAND_EX(ID_EVENT_CREATE, &CBarTestView::OnEventCommand)
    ON_COMMAND_EX(ID_EVENT_CLOSE, &CBarTestView::OnEventCommand)
    ON_COMMAND_EX(ID_EVENT_SIGNAL, &CBarTestView::OnEventCommand)
    ON_COMMAND_EX(ID_EVENT_NONSIGNAL, &CBarTestView::OnEventCommand)
    ON_COMMAND_EX(ID_VIEW_UPDATE, &CBarTestView::OnEventCommand)
    ON_UPDATE_COMMAND_UI(ID_EVENT_CLOSE, &CBarTestView::OnUpdateNeedSelection)
    ON_UPDATE_COMMAND_UI(ID_EVENT_SIGNAL, &CBarTestView::OnUpdateNeedSelection)
    ON_UPDATE_COMMAND_UI(ID_EVENT_NONSIGNAL, &CBarTestView::OnUpdateNeedSelection)
END_MESSAGE_MAP()

void CBarTestView::OnDraw(HDC)
{
}

BOOL CBarTestView::OnEventCommand(UINT nID)
{
    ++m_nCommands[nID];
    return TRUE;
}

void CBarTestView::OnUpdateNeedSelection(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bSelection);
}
