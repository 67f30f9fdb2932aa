#include "Document.h"

#include "DocTemplate.h"
#include "FrameWnd.h"
#include "FrameworkIds.h"
#include "MessageBox.h"
#include "View.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::~CDocument()
{
    for (CView* pView : m_viewList)
        pView->m_pDocument = nullptr;
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::AddView(CView* pView)
{
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView)
{
    m_viewList.erase(std::remove(m_viewList.begin(), m_viewList.end(), pView), m_viewList.end());
    pView->m_pDocument = nullptr;
    if (m_viewList.empty() && m_bAutoDelete)
        OnCloseDocument();
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName)
{
    const HANDLE hFile = CreateFileA(lpszPathName, GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        AfxMessageBox(AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    CloseHandle(hFile);
    DeleteContents();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    // The frames go first; while they take their views along, the
    // document must not delete itself.
    const BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    const std::vector<CView*> views = m_viewList;
    for (CView* pView : views)
    {
        if (std::find(m_viewList.begin(), m_viewList.end(), pView) == m_viewList.end())
            continue;
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame)
            pFrame->DestroyWindow();
        else
            pView->DestroyWindow();
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

void CDocument::DeleteContents()
{
}

BOOL CDocument::CanCloseFrame(CFrameWnd*)
{
    return SaveModified();
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    // Documents of this framework store nothing: the answer only decides
    // whether closing goes on.
    return AfxMessageBox(AFX_IDP_ASK_TO_SAVE, MB_YESNOCANCEL) != IDCANCEL;
}
