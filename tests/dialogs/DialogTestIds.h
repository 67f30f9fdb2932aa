/* Identifiers of the dialog tests' own resources (400xx, clear of Korvane's). */
#ifndef KORVANE_TESTS_DIALOGTESTIDS_H
#define KORVANE_TESTS_DIALOGTESTIDS_H

/* Dialog templates. */
#define IDD_TEST_DATA           40001   /* at 0, 0: centred by the framework */
#define IDD_TEST_PLACED         40002   /* at 20, 10: left where it is */
#define IDD_TEST_SELF_CENTRED   40003   /* at 0, 0 with DS_CENTER: the system centres it */
#define IDD_TEST_EXTENDED       40004   /* extended format, at 0, 0 */

/* Controls of IDD_TEST_DATA. */
#define IDC_TEST_CHECK          40010
#define IDC_TEST_EDIT           40011
#define IDC_TEST_COMBO          40012
#define IDC_TEST_RADIO_A        40013
#define IDC_TEST_RADIO_B        40014

/* Texts. */
#define IDS_TEST_MESSAGE        40100
#define IDS_TEST_TWO_PARAMS     40101
#define IDS_TEST_MISSING        40102   /* no text */

#endif
