#include "HarnessView.h"

IMPLEMENT_DYNCREATE(CHarnessView, CKorvaneView)
