#include "DocManager.h"

#include "DocTemplate.h"

CDocManager::CDocManager() = default;

CDocManager::~CDocManager() = default;

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate)
{
    pTemplate->LoadTemplate();
    m_templates.emplace_back(pTemplate);
}

void CDocManager::OnFileNew()
{
    if (!m_templates.empty())
        m_templates.front()->OpenDocumentFile(nullptr);
}

void CDocManager::OnFileOpen()
{
    char szFile[MAX_PATH] = "";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = GetActiveWindow();
    ofn.lpstrFile = szFile;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    if (GetOpenFileNameA(&ofn))
        OpenDocumentFile(szFile);
}

CDocument* CDocManager::OpenDocumentFile(LPCSTR lpszFileName)
{
    // Templates prefer no extension, so the first one takes any file.
    if (m_templates.empty())
        return nullptr;
    return m_templates.front()->OpenDocumentFile(lpszFileName);
}

BOOL CDocManager::SaveAllModified()
{
    for (const auto& pTemplate : m_templates)
    {
        if (!pTemplate->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CDocManager::CloseAllDocuments()
{
    for (const auto& pTemplate : m_templates)
        pTemplate->CloseAllDocuments();
}
