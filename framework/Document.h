#pragma once
// CDocument: the data behind the views of one frame. The document template
// creates it, and it deletes itself when its last view goes (m_bAutoDelete).
// Commands the active view does not handle are offered to its document.
#include "CmdTarget.h"

#include <vector>

class CDocTemplate;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument() = default;
    ~CDocument() override;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    const CString& GetTitle() const { return m_strTitle; }
    void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }
    const CString& GetPathName() const { return m_strPathName; }
    void SetPathName(LPCSTR lpszPathName) { m_strPathName = lpszPathName; }
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    BOOL IsModified() const { return m_bModified; }
    void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_viewList; }

    // A fresh, empty document.
    virtual BOOL OnNewDocument();
    // Opens lpszPathName for reading, denying writes by others, and closes
    // it again: documents store nothing. Shows AFX_IDP_FAILED_TO_OPEN_DOC
    // and returns FALSE when the file cannot be opened.
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    // Destroys the frames that show the document, then the document.
    virtual void OnCloseDocument();
    virtual void DeleteContents();

    // Whether frame pFrame may close; asks about saving when modified.
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    // TRUE when the document may be closed: unmodified, or the user did not cancel.
    virtual BOOL SaveModified();

    BOOL m_bAutoDelete = TRUE;    // delete itself when its last view goes

private:
    friend class CDocTemplate;

    CDocTemplate* m_pDocTemplate = nullptr;
    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified = FALSE;
    std::vector<CView*> m_viewList;
};
