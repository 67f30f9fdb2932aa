#pragma once
// Registers the window classes of the common controls the framework is
// about to create (ICC_... flags); called before creating list views and
// toolbars. Repeating the call is harmless.
#include <windows.h>

void AfxInitCommonControls(DWORD dwICC);
