#include "DocTemplate.h"

#include "Document.h"
#include "FrameWnd.h"
#include "FrameworkIds.h"
#include "MessageBox.h"
#include "WinApp.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                                       const CRuntimeClass* pFrameClass,
                                       const CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pOnlyDoc)
        m_pOnlyDoc->OnCloseDocument();
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    CWinApp* pApp = AfxGetApp();
    CDocument* pDocument = m_pOnlyDoc;
    CFrameWnd* pFrame = nullptr;
    const bool bCreated = pDocument == nullptr;
    if (pDocument)
    {
        // The one document is reused with its frame, the main window.
        if (!pDocument->SaveModified())
            return nullptr;
        if (pApp && pApp->m_pMainWnd && pApp->m_pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            pFrame = static_cast<CFrameWnd*>(pApp->m_pMainWnd);
    }
    else
    {
        pDocument = CreateNewDocument();
        if (!pDocument)
        {
            AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
            return nullptr;
        }
    }

    if (!pFrame)
    {
        // The half-built document must survive a failed frame, to be
        // deleted here.
        const BOOL bAutoDelete = pDocument->m_bAutoDelete;
        pDocument->m_bAutoDelete = FALSE;
        pFrame = CreateNewFrame(pDocument);
        pDocument->m_bAutoDelete = bAutoDelete;
        if (!pFrame)
        {
            AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
            if (bCreated)
                delete pDocument;
            return nullptr;
        }
    }

    if (!lpszPathName)
    {
        SetDefaultTitle(pDocument);
        if (!pDocument->OnNewDocument())
        {
            if (bCreated)
                pFrame->DestroyWindow();    // takes the document along
            return nullptr;
        }
    }
    else
    {
        const BOOL bWasModified = pDocument->IsModified();
        pDocument->SetModifiedFlag(FALSE);
        if (!pDocument->OnOpenDocument(lpszPathName))
        {
            if (bCreated)
                pFrame->DestroyWindow();    // takes the document along
            else
                pDocument->SetModifiedFlag(bWasModified);
            return nullptr;
        }
        pDocument->SetPathName(lpszPathName);
    }

    if (bCreated && pApp && !pApp->m_pMainWnd)
        pApp->m_pMainWnd = pFrame;
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}

void CSingleDocTemplate::CloseAllDocuments()
{
    if (m_pOnlyDoc)
        m_pOnlyDoc->OnCloseDocument();
}

BOOL CSingleDocTemplate::SaveAllModified()
{
    return !m_pOnlyDoc || m_pOnlyDoc->SaveModified();
}
