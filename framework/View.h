#pragma once
// CView: the window that shows a document inside a frame. The frame creates
// it from the template's view class; it is tied to its document for its
// whole life, receives the commands of the frame first and passes what it
// does not handle to the document. The object deletes itself when its
// window is destroyed.
#include "Wnd.h"

class CDocument;

// Sent by the frame to its descendants once the document is ready.
constexpr UINT WM_INITIALUPDATE = 0x0364;

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // First update after the document is ready; repaints the whole view.
    virtual void OnInitialUpdate();
    // Paints the view's contents.
    virtual void OnDraw(HDC hDC) = 0;

protected:
    CView() = default;
    void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnDestroy();
    void OnPaint();
    LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    friend class CDocument;

    CDocument* m_pDocument = nullptr;
};
