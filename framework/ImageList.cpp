#include "ImageList.h"

CImageList::~CImageList()
{
    DeleteImageList();
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    DeleteImageList();
    m_hImageList = ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nBitmapID), cx, nGrow,
                                        crMask, IMAGE_BITMAP, LR_DEFAULTCOLOR);
    return m_hImageList != nullptr;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return TRUE;
}
