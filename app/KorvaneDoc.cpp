#include "KorvaneDoc.h"

BEGIN_MESSAGE_MAP(CKorvaneDoc, CDocument)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CKorvaneDoc, CDocument)

CKorvaneDoc::CKorvaneDoc() = default;

CKorvaneDoc::~CKorvaneDoc() = default;

BOOL CKorvaneDoc::OnNewDocument()
{
    return CDocument::OnNewDocument() ? TRUE : FALSE;
}
