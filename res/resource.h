/* Korvane's resource identifiers, grouped by kind.
   Plain #defines only: this header is read by the C++ compiler and by windres.
   The framework's standard identifiers live in framework/FrameworkIds.h. */
#ifndef KORVANE_RES_RESOURCE_H
#define KORVANE_RES_RESOURCE_H

/* Resources named by one identifier each (menu, toolbar, bitmap, icon, dialog). */
#define IDR_MAINFRAME               128   /* menu bar, toolbar, toolbar bitmap, icon, document string */
#define IDR_EVENT_POPUP             132   /* context menu of the event list */
#define IDB_EVENT_STATES            131   /* four 24 x 16 state images of list items */

/* Dialog templates. */
#define IDD_ABOUTBOX                100
#define IDD_EVENT_CREATE            130
#define IDD_EVENT_INFO              133

/* Messages and texts (string table). */
#define IDS_CREATE_FAILED           1000
#define IDS_OPEN_FAILED             1001
#define IDS_ALREADY_EXISTS          1002
#define IDS_BY_CREATE               1010
#define IDS_BY_OPEN                 1011
#define IDS_SIGNALED                1012
#define IDS_NONSIGNALED             1013
#define IDS_MANUAL_RESET            1014
#define IDS_AUTO_RESET              1015
#define IDS_CREATED_SIGNALED        1016
#define IDS_CREATED_NONSIGNALED     1017

/* Commands (menus, toolbar, command texts in the string table). */
#define ID_EVENT_CREATE             32772
#define ID_VIEW_UPDATE              32775
#define ID_EVENT_SIGNAL             32780
#define ID_EVENT_NONSIGNAL          32781
#define ID_EVENT_CLOSE              32782
#define ID_EVENT_INFO               32786

/* Controls of the create-event dialog (IDD_EVENT_CREATE). */
#define IDC_EVENT_NAME              1000
#define IDC_MODE_CREATE             1001
#define IDC_MODE_OPEN               1002
#define IDC_INITIAL_SIGNALED        1003
#define IDC_MANUAL_RESET            1004

/* Controls of the event information dialog (IDD_EVENT_INFO). */
#define IDC_INFO_NAME               1000
#define IDC_INFO_METHOD             1001
#define IDC_INFO_STATE              1002
#define IDC_INFO_REMARKS            1003

/* Controls that the program never addresses. */
#define IDC_STATIC                  (-1)

#endif
