#pragma once
// Document templates: one resource identifier ties a document class, a
// frame class and a view class together. The template creates all three
// through their runtime classes and loads the document string, entry
// nIDResource of the string table, whose fields are separated by line feeds.
//
//     AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME,
//         RUNTIME_CLASS(CMyDoc), RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CMyView)));
#include "CmdTarget.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex
    {
        windowTitle,      // caption of the main window
        docName,          // default document title
        fileNewName,      // name in a choice of new document types
        filterName,       // file dialog filter
        filterExt,        // file extension, ".xyz"
        regFileTypeId,    // shell registration
        regFileTypeName,
    };

    UINT GetResourceID() const { return m_nIDResource; }
    // Field index of the document string; FALSE when the field is empty.
    BOOL GetDocString(CString& rString, DocStringIndex index) const;
    // Loads the document string (done when the template is added).
    virtual void LoadTemplate();

    // A new document (lpszPathName null) or one opened from a file, shown
    // in its frame; null on failure, after the failure has been reported.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual void CloseAllDocuments() = 0;
    virtual BOOL SaveAllModified() = 0;

    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);

    CDocument* CreateNewDocument();
    // A frame loaded from the template's resource, with its view tied to
    // pDoc; null when it cannot be created (the frame is then gone).
    CFrameWnd* CreateNewFrame(CDocument* pDoc);
    void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    void SetDefaultTitle(CDocument* pDoc) const;

protected:
    CDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                 const CRuntimeClass* pViewClass);

private:
    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;
};

// The template of a single-document program: one document and one frame,
// reused for a new or opened document.
class CSingleDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                       const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass);
    ~CSingleDocTemplate() override;

    CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    void CloseAllDocuments() override;
    BOOL SaveAllModified() override;
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;

    CDocument* GetOnlyDocument() const { return m_pOnlyDoc; }

private:
    CDocument* m_pOnlyDoc = nullptr;
};
