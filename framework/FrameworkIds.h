/* The framework's standard identifiers: texts, commands, prompts and child windows.
   Plain #defines only: this header is read by the C++ compiler and by windres.
   The ranges are the framework's own; a program's identifiers stay below them. */
#ifndef KORVANE_FRAMEWORK_FRAMEWORKIDS_H
#define KORVANE_FRAMEWORK_FRAMEWORKIDS_H

/* Standard texts (0xE000 range). */
#define AFX_IDS_APP_TITLE               0xE000  /* 57344: application title */
#define AFX_IDS_UNTITLED                0xE001  /* 57345: title of a document without a name */

/* Standard commands: file (0xE100 range). */
#define ID_FILE_NEW                     0xE100  /* 57600 */
#define ID_FILE_OPEN                    0xE101  /* 57601 */

/* Standard commands: application and help (0xE140 range). */
#define ID_APP_ABOUT                    0xE140  /* 57664 */
#define ID_APP_EXIT                     0xE141  /* 57665 */
#define ID_HELP_INDEX                   0xE142  /* 57666 */
#define ID_HELP_FINDER                  0xE143  /* 57667 */
#define ID_HELP_USING                   0xE144  /* 57668 */
#define ID_CONTEXT_HELP                 0xE145  /* 57669 */
#define ID_HELP                         0xE146  /* 57670: F1 */
#define ID_DEFAULT_HELP                 0xE147  /* 57671 */

/* Standard commands: control bars (0xE800 range, equal to the bars' child ids). */
#define ID_VIEW_TOOLBAR                 0xE800  /* 59392 */

/* Child window identifiers: control bars and dock bars (0xE800 range). */
#define AFX_IDW_TOOLBAR                 0xE800  /* 59392 */
#define AFX_IDW_DOCKBAR_TOP             0xE81B
#define AFX_IDW_DOCKBAR_LEFT            0xE81C
#define AFX_IDW_DOCKBAR_RIGHT           0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM          0xE81E
#define AFX_IDW_DOCKBAR_FLOAT           0xE81F

/* Child window identifiers: view panes (0xE900 range). */
#define AFX_IDW_PANE_FIRST              0xE900  /* 59648 */
#define AFX_IDW_PANE_LAST               0xE9FF

/* Prompts: documents, help, registration (0xF100 range). */
#define AFX_IDP_INVALID_FILENAME        0xF100
#define AFX_IDP_FAILED_TO_OPEN_DOC      0xF101
#define AFX_IDP_FAILED_TO_SAVE_DOC      0xF102
#define AFX_IDP_ASK_TO_SAVE             0xF103
#define AFX_IDP_FAILED_TO_CREATE_DOC    0xF104
#define AFX_IDP_FILE_TOO_LARGE          0xF105
#define AFX_IDP_FAILED_TO_START_PRINT   0xF106
#define AFX_IDP_FAILED_TO_LAUNCH_HELP   0xF107  /* 61703 */
#define AFX_IDP_INTERNAL_FAILURE        0xF108
#define AFX_IDP_COMMAND_FAILURE         0xF109
#define AFX_IDP_FAILED_MEMORY_ALLOC     0xF10A
#define AFX_IDP_UNREG_DONE              0xF10B
#define AFX_IDP_UNREG_FAILURE           0xF10C

/* Prompts: dialog data validation (0xF110 range). */
#define AFX_IDP_PARSE_INT               0xF110
#define AFX_IDP_PARSE_REAL              0xF111
#define AFX_IDP_PARSE_INT_RANGE         0xF112
#define AFX_IDP_PARSE_REAL_RANGE        0xF113
#define AFX_IDP_PARSE_STRING_SIZE       0xF114
#define AFX_IDP_PARSE_RADIO_BUTTON      0xF115
#define AFX_IDP_PARSE_BYTE              0xF116
#define AFX_IDP_PARSE_UINT              0xF117

/* Prompts: file errors while loading a document (0xF120 range). */
#define AFX_IDP_FILE_NONE               0xF120
#define AFX_IDP_FILE_GENERIC            0xF121
#define AFX_IDP_FILE_NOT_FOUND          0xF122
#define AFX_IDP_FILE_BAD_PATH           0xF123
#define AFX_IDP_FILE_TOO_MANY_OPEN      0xF124
#define AFX_IDP_FILE_ACCESS_DENIED      0xF125
#define AFX_IDP_FILE_INVALID_FILE       0xF126
#define AFX_IDP_FILE_REMOVE_CURRENT     0xF127
#define AFX_IDP_FILE_DIR_FULL           0xF128
#define AFX_IDP_FILE_BAD_SEEK           0xF129
#define AFX_IDP_FILE_HARD_IO            0xF12A
#define AFX_IDP_FILE_SHARING            0xF12B
#define AFX_IDP_FILE_LOCKING            0xF12C
#define AFX_IDP_FILE_DISKFULL           0xF12D
#define AFX_IDP_FILE_EOF                0xF12E

#endif
