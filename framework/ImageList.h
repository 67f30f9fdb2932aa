#pragma once
// CImageList: owns one image list of the common controls and destroys it
// with itself. Controls that display it only borrow it.
#include <windows.h>
#include <commctrl.h>

class CImageList
{
public:
    CImageList() = default;
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    // Loads bitmap nBitmapID as a strip of images cx pixels wide; pixels of
    // colour crMask are transparent. Replaces a list held before.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL DeleteImageList();

    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    HIMAGELIST m_hImageList = nullptr;
};
