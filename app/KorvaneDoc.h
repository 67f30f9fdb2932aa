#pragma once
// CKorvaneDoc: the document between frame and view. It holds nothing: the
// held events live in the view's list.
#include "Document.h"

class CKorvaneDoc : public CDocument
{
    DECLARE_DYNCREATE(CKorvaneDoc)
protected:
    CKorvaneDoc();

public:
    ~CKorvaneDoc() override;

    BOOL OnNewDocument() override;

protected:
    DECLARE_MESSAGE_MAP()
};
