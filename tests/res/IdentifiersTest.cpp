// The identifiers the program and the framework share with the resource
// script, checked against their documented numbers when this file compiles.
#include "FrameworkIds.h"
#include "resource.h"

static_assert(IDR_MAINFRAME == 128 && IDR_EVENT_POPUP == 132 && IDB_EVENT_STATES == 131);
static_assert(IDD_ABOUTBOX == 100 && IDD_EVENT_CREATE == 130 && IDD_EVENT_INFO == 133);
static_assert(IDS_CREATE_FAILED == 1000 && IDS_OPEN_FAILED == 1001 && IDS_ALREADY_EXISTS == 1002);
static_assert(IDS_BY_CREATE == 1010 && IDS_BY_OPEN == 1011 && IDS_SIGNALED == 1012 && IDS_NONSIGNALED == 1013);
static_assert(IDS_MANUAL_RESET == 1014 && IDS_AUTO_RESET == 1015);
static_assert(IDS_CREATED_SIGNALED == 1016 && IDS_CREATED_NONSIGNALED == 1017);
static_assert(ID_EVENT_CREATE == 32772 && ID_VIEW_UPDATE == 32775 && ID_EVENT_SIGNAL == 32780);
static_assert(ID_EVENT_NONSIGNAL == 32781 && ID_EVENT_CLOSE == 32782 && ID_EVENT_INFO == 32786);
static_assert(IDC_EVENT_NAME == 1000 && IDC_MODE_CREATE == 1001 && IDC_MODE_OPEN == 1002);
static_assert(IDC_INITIAL_SIGNALED == 1003 && IDC_MANUAL_RESET == 1004);
static_assert(IDC_INFO_NAME == 1000 && IDC_INFO_METHOD == 1001 && IDC_INFO_STATE == 1002 && IDC_INFO_REMARKS == 1003);
static_assert(IDC_STATIC == -1);

static_assert(AFX_IDS_APP_TITLE == 57344);
static_assert(ID_FILE_NEW == 57600 && ID_FILE_OPEN == 57601);
static_assert(ID_APP_ABOUT == 57664 && ID_APP_EXIT == 57665 && ID_HELP_FINDER == 57667);
static_assert(ID_HELP == 57670 && ID_DEFAULT_HELP == 57671);
static_assert(ID_VIEW_TOOLBAR == 59392 && AFX_IDW_TOOLBAR == 59392 && AFX_IDW_PANE_FIRST == 59648);
static_assert(AFX_IDP_FAILED_TO_LAUNCH_HELP == 61703);
