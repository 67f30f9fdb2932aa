#include "BarTestFrame.h"

#include "BarTestView.h"
#include "CreateContext.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(CBarTestFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CBarTestFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

UINT CBarTestFrame::s_nIDToolBar = IDR_MAINFRAME;

CBarTestFrame* CBarTestFrame::CreateShown()
{
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CBarTestView);
    CBarTestFrame* pFrame = new CBarTestFrame;
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    pFrame->InitialUpdateFrame(nullptr, TRUE);
    return pFrame;
}

BOOL CBarTestFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style &= ~FWS_ADDTOTITLE;
    cs.cx = 250;
    cs.cy = 200;
    return TRUE;
}

int CBarTestFrame::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY
                                   | CBRS_SIZE_DYNAMIC,
                               RECT{ 0, 0, 0, 0 }, AFX_IDW_TOOLBAR)
        || !m_wndToolBar.LoadToolBar(s_nIDToolBar))
        return -1;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    return 0;
}

CBarTestView* CBarTestFrame::View() const
{
    return static_cast<CBarTestView*>(GetActiveView());
}
