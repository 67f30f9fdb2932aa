#include "DocTemplate.h"

#include "Document.h"
#include "FrameWnd.h"

#include <string.h>

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                           const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource)
    , m_pDocClass(pDocClass)
    , m_pFrameClass(pFrameClass)
    , m_pViewClass(pViewClass)
{
}

void CDocTemplate::LoadTemplate()
{
    m_strDocStrings.LoadString(m_nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const
{
    LPCSTR pszField = m_strDocStrings;
    for (int i = 0; i < index && pszField; ++i)
    {
        pszField = strchr(pszField, '\n');
        if (pszField)
            ++pszField;
    }
    if (!pszField)
    {
        rString.Empty();
        return FALSE;
    }
    const LPCSTR pszEnd = strchr(pszField, '\n');
    rString = CString(pszField, pszEnd ? static_cast<int>(pszEnd - pszField) : lstrlenA(pszField));
    return !rString.IsEmpty();
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CObject* pObject = m_pDocClass ? m_pDocClass->CreateObject() : nullptr;
    if (!pObject)
        return nullptr;
    if (!pObject->IsKindOf(RUNTIME_CLASS(CDocument)))
    {
        delete pObject;
        return nullptr;
    }
    CDocument* pDoc = static_cast<CDocument*>(pObject);
    AddDocument(pDoc);
    return pDoc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc)
{
    CObject* pObject = m_pFrameClass ? m_pFrameClass->CreateObject() : nullptr;
    if (!pObject)
        return nullptr;
    if (!pObject->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
    {
        delete pObject;
        return nullptr;
    }
    CCreateContext context;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewDocTemplate = this;

    CFrameWnd* pFrame = static_cast<CFrameWnd*>(pObject);
    // A frame that fails to load has deleted itself.
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

void CDocTemplate::SetDefaultTitle(CDocument* pDoc) const
{
    CString strTitle;
    if (!GetDocString(strTitle, docName))
        strTitle.LoadString(AFX_IDS_UNTITLED);
    pDoc->SetTitle(strTitle);
}
