#include "DragRectWnd.h"

IMPLEMENT_DYNAMIC(CDragRectWnd, CWnd)

BEGIN_MESSAGE_MAP(CDragRectWnd, CWnd)
    ON_MESSAGE(WM_ERASEBKGND, &CDragRectWnd::OnEraseBkgnd)
    ON_MESSAGE(WM_NCHITTEST, &CDragRectWnd::OnNcHitTest)
END_MESSAGE_MAP()

namespace
{
// The framework's window class for drag rectangles.
LPCSTR RegisterDragRectClass()
{
    return AfxRegisterWndClass("AfxDragRect", 0, nullptr, nullptr);
}

HBRUSH CreateHatchingBrush()
{
    static const WORD kPattern[8] = { 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA };
    const HBITMAP hBitmap = CreateBitmap(8, 8, 1, 1, kPattern);
    const HBRUSH hBrush = CreatePatternBrush(hBitmap);
    DeleteObject(hBitmap);   // the brush keeps a copy
    return hBrush;
}
}

CDragRectWnd::CDragRectWnd(HWND hWndOwner) : m_hWndOwner(hWndOwner), m_brush(CreateHatchingBrush())
{
}

CDragRectWnd::~CDragRectWnd() = default;

void CDragRectWnd::Show(const RECT& rect, int nThickness)
{
    if (!m_hWnd)
    {
        const LPCSTR lpszClassName = RegisterDragRectClass();
        if (!lpszClassName
            || !CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, lpszClassName, nullptr, WS_POPUP,
                         rect.left, rect.top, 0, 0, m_hWndOwner, nullptr))
            return;
    }
    const int cx = rect.right - rect.left;
    const int cy = rect.bottom - rect.top;
    if (nThickness != m_nThickness || cx != m_rect.right - m_rect.left || cy != m_rect.bottom - m_rect.top)
    {
        // Only the frame belongs to the window; the system owns the region.
        const HRGN hRegion = CreateRectRgn(0, 0, cx, cy);
        const HRGN hInside = CreateRectRgn(nThickness, nThickness, cx - nThickness, cy - nThickness);
        CombineRgn(hRegion, hRegion, hInside, RGN_DIFF);
        DeleteObject(hInside);
        SetWindowRgn(m_hWnd, hRegion, TRUE);
    }
    m_rect = rect;
    m_nThickness = nThickness;
    SetWindowPos(m_hWnd, HWND_TOPMOST, rect.left, rect.top, cx, cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

LRESULT CDragRectWnd::OnEraseBkgnd(WPARAM wParam, LPARAM)
{
    const HDC hDC = reinterpret_cast<HDC>(wParam);
    RECT rcClient;
    GetClientRect(&rcClient);
    SetTextColor(hDC, RGB(0, 0, 0));
    SetBkColor(hDC, RGB(255, 255, 255));
    FillRect(hDC, &rcClient, m_brush.get());
    return TRUE;
}

LRESULT CDragRectWnd::OnNcHitTest(WPARAM, LPARAM)
{
    return HTTRANSPARENT;
}
