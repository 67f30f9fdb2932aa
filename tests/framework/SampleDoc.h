#pragma once
// The sample program's document: it holds nothing. Counts the documents
// alive, so that tests see when the framework deletes one.
#include "Document.h"

class CSampleDoc : public CDocument
{
    DECLARE_DYNCREATE(CSampleDoc)
public:
    ~CSampleDoc() override;
    BOOL OnNewDocument() override;

    static int s_nAlive;

protected:
    CSampleDoc();

    DECLARE_MESSAGE_MAP()
};
