#pragma once
// The sample program: a single-document application written the way the
// program's own classes are, run by the shell-command tests.
#include "WinApp.h"

class CSampleApp : public CWinApp
{
public:
    BOOL InitInstance() override;

protected:
    DECLARE_MESSAGE_MAP()
};
