#pragma once
// The sample program's main frame: fixed size, a caption that never
// changes, help from the menu.
#include "FrameWnd.h"

class CSampleFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CSampleFrame)
public:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

protected:
    CSampleFrame() = default;

    DECLARE_MESSAGE_MAP()
};
