#include "CommonControls.h"

#include <commctrl.h>

void AfxInitCommonControls(DWORD dwICC)
{
    INITCOMMONCONTROLSEX icc = { sizeof(icc), dwICC };
    InitCommonControlsEx(&icc);
}
