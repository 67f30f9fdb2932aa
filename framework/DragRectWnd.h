#pragma once
// CDragRectWnd: the rectangle that shows, while a control bar is dragged,
// where the bar would go: a hatched frame in a window of its own above all
// others (owned by the bar's frame, so also above that), through which the
// screen stays visible. It takes no activation and no mouse input; the
// window goes with the object.
#include "Wnd.h"

#include <memory>
#include <type_traits>

class CDragRectWnd : public CWnd
{
    DECLARE_DYNAMIC(CDragRectWnd)
public:
    explicit CDragRectWnd(HWND hWndOwner);
    ~CDragRectWnd() override;

    // Shows the frame around rect (screen coordinates), nThickness pixels wide.
    void Show(const RECT& rect, int nThickness);

protected:
    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    struct GdiObjectDeleter
    {
        void operator()(HGDIOBJ hObject) const { DeleteObject(hObject); }
    };
    using BrushPtr = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;

    HWND m_hWndOwner;
    BrushPtr m_brush;   // alternating pixels, the hatching
    RECT m_rect = {};
    int m_nThickness = 0;
};
