#pragma once
// CAboutDlg: the About box.
#include "Dialog.h"

class CAboutDlg : public CDialog
{
public:
    CAboutDlg();
    ~CAboutDlg() override;

protected:
    DECLARE_MESSAGE_MAP()
};
