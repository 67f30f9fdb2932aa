#include "SampleFrame.h"

IMPLEMENT_DYNCREATE(CSampleFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CSampleFrame, CFrameWnd)
    ON_COMMAND(ID_DEFAULT_HELP, &CSampleFrame::OnHelpIndex)
END_MESSAGE_MAP()

BOOL CSampleFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style &= ~FWS_ADDTOTITLE;
    cs.cx = 250;
    cs.cy = 200;
    return TRUE;
}
