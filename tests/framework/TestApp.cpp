#include "TestApp.h"

#include "FrameworkTestIds.h"

CTestApp theTestApp;

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_ROUTE_ALL, &CTestApp::OnRouteAll)
    ON_COMMAND(ID_ROUTE_DOC, &CTestApp::OnRouteDoc)
    ON_COMMAND(ID_ROUTE_FRAME, &CTestApp::OnRouteFrame)
    ON_COMMAND(ID_ROUTE_APP, &CTestApp::OnRouteApp)
END_MESSAGE_MAP()

std::vector<std::string>& HandlerLog()
{
    static std::vector<std::string> log;
    return log;
}

void CTestApp::InitForTest()
{
    AfxWinInit(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
}

void CTestApp::OnRouteAll()
{
    HandlerLog().push_back("app:all");
}

void CTestApp::OnRouteDoc()
{
    HandlerLog().push_back("app:doc");
}

void CTestApp::OnRouteFrame()
{
    HandlerLog().push_back("app:frame");
}

void CTestApp::OnRouteApp()
{
    HandlerLog().push_back("app:app");
}
