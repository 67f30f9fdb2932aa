#pragma once
// The application object of the framework tests, with the application's
// part of the routing tests, and the log those handlers write to.
#include "WinApp.h"

#include <string>
#include <vector>

// Handlers append "<who>:<what>" here.
std::vector<std::string>& HandlerLog();

class CTestApp : public CWinApp
{
public:
    // Start-up values as the framework's entry point records them.
    void InitForTest();

protected:
    void OnRouteAll();
    void OnRouteDoc();
    void OnRouteFrame();
    void OnRouteApp();

    DECLARE_MESSAGE_MAP()
};

extern CTestApp theTestApp;
