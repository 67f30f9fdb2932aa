/* Identifiers of the framework tests' own resources, clear of the
   framework's ranges (0xE000 and up). */
#ifndef KORVANE_TESTS_FRAMEWORK_IDS_H
#define KORVANE_TESTS_FRAMEWORK_IDS_H

/* Menu, icon and document string of the sample frame and of the routing frame. */
#define IDR_SAMPLE                  300
#define IDR_ROUTING                 310
#define IDR_SAMPLE_POPUP            320   /* context menu of the sample view */
#define IDR_NO_ICON                 330   /* menu and document string, no icon */
#define IDB_SAMPLE_STATES           340   /* two 24 x 16 images */

/* Commands of the sample view. */
#define ID_SAMPLE_ADD               40001
#define ID_SAMPLE_REMOVE            40002

/* Commands of the routing tests: who handles them is in their names. */
#define ID_ROUTE_ALL                40101   /* view, document, frame, application */
#define ID_ROUTE_DOC                40102   /* document, frame, application */
#define ID_ROUTE_FRAME              40103   /* frame, application */
#define ID_ROUTE_APP                40104   /* application */
#define ID_ROUTE_NONE               40105   /* nobody */
#define ID_RULE_OFF                 40106   /* view handler; its rule disables it */
#define ID_RULE_CHECKED             40107   /* view handler; its rule enables and checks it */
#define ID_RULE_ONLY                40108   /* a rule that enables it, but no handler */
#define ID_ROUTE_EX_DECLINES        40109   /* view's handler declines, frame's takes it */

#endif
