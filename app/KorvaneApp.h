#pragma once
// CKorvaneApp: the application object. Start-up installs the paths of the
// settings and help files beside the executable and opens the one window.
#include "WinApp.h"

class CKorvaneApp : public CWinApp
{
public:
    CKorvaneApp();
    ~CKorvaneApp() override;

    BOOL InitInstance() override;

protected:
    void OnAppAbout();

    DECLARE_MESSAGE_MAP()
};

extern CKorvaneApp theApp;
