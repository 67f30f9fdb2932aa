#pragma once
// CDocManager: the application's document templates. Created by the first
// CWinApp::AddDocTemplate; owns and deletes the templates.
#include "CString.h"

#include <memory>
#include <vector>

class CDocTemplate;
class CDocument;

class CDocManager
{
public:
    CDocManager();
    ~CDocManager();
    CDocManager(const CDocManager&) = delete;
    CDocManager& operator=(const CDocManager&) = delete;

    // Takes ownership and loads the template's document string.
    void AddDocTemplate(CDocTemplate* pTemplate);
    int GetTemplateCount() const { return static_cast<int>(m_templates.size()); }

    // A new document of the first template (a single-document program has one).
    void OnFileNew();
    // Asks for a file name and opens it.
    void OnFileOpen();
    // Opens any named file with the first template; null on failure.
    CDocument* OpenDocumentFile(LPCSTR lpszFileName);

    BOOL SaveAllModified();
    void CloseAllDocuments();

private:
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
};
