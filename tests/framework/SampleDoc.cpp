#include "SampleDoc.h"

IMPLEMENT_DYNCREATE(CSampleDoc, CDocument)

BEGIN_MESSAGE_MAP(CSampleDoc, CDocument)
END_MESSAGE_MAP()

int CSampleDoc::s_nAlive = 0;

CSampleDoc::CSampleDoc()
{
    ++s_nAlive;
}

CSampleDoc::~CSampleDoc()
{
    --s_nAlive;
}

BOOL CSampleDoc::OnNewDocument()
{
    return CDocument::OnNewDocument() ? TRUE : FALSE;
}
