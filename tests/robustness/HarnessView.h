#pragma once
// CHarnessView: Korvane's list view with the create command's work after its
// dialog within reach, so that tests and benchmarks can add events through
// the command's own code without running the dialog. Everything else is the
// list view as the program has it.
#include "KorvaneView.h"

class CHarnessView : public CKorvaneView
{
    DECLARE_DYNCREATE(CHarnessView)
public:
    using CKorvaneView::AddEventItem;
};
