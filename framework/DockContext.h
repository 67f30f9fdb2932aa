#pragma once
// CDockContext: what the user does with a dockable control bar by mouse.
//
// Pressing the left button on the bar's gripper (or on the caption of its
// floating window) starts a drag: a rectangle on the screen follows the
// mouse, thin and in the docked shape while the bar would dock at the edge
// it is over, thick and in the floating window's shape elsewhere. Releasing
// the button docks the bar there or floats it; Esc, the right button or a
// lost capture cancel the drag and leave the bar where it was. A
// double-click floats a docked bar, or docks a floating one back at the edge
// it came from. Created by CControlBar::EnableDocking.
#include <windows.h>

class CControlBar;

class CDockContext
{
public:
    explicit CDockContext(CControlBar* pBar) : m_pBar(pBar) {}
    CDockContext(const CDockContext&) = delete;
    CDockContext& operator=(const CDockContext&) = delete;

    // Runs the drag from ptScreen until the button is released or the drag
    // is cancelled; returns once the bar is in its new place.
    void StartDrag(POINT ptScreen);
    void ToggleDocking();

    // Where the bar was docked and floated last; the frame keeps them up to
    // date, double-clicks go back there.
    UINT m_nMRUDockID = 0;
    POINT m_ptMRUFloatPos = { 0, 0 };
    BOOL m_bMRUFloatPos = FALSE;

private:
    struct Shapes
    {
        SIZE sizeHorz;    // docked at the top or bottom
        SIZE sizeVert;    // docked at the left or right
        SIZE sizeFloat;   // the floating window
    };

    Shapes MeasureShapes() const;
    RECT ShapeAt(POINT pt, SIZE size) const;
    UINT DockBarAt(POINT pt) const;
    void Track(POINT pt);
    void Drop(POINT pt);

    CControlBar* m_pBar;

    // The drag in progress.
    Shapes m_shapes = {};
    POINT m_ptStart = { 0, 0 };
    POINT m_ptOffset = { 0, 0 };   // from the dragged rectangle's corner to the mouse
    RECT m_rectTrack = {};          // where the bar would go now
    UINT m_nTrackDockBarID = 0;     // and the dock bar it would join, 0 for floating
};
