#pragma once
// What the document template hands to a new frame so that the frame can
// create its view and tie it to the document.
class CDocTemplate;
class CDocument;
class CFrameWnd;
class CView;
struct CRuntimeClass;

struct CCreateContext
{
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};
