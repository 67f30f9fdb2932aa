/* Identifiers of the modal helper's own test dialog. */
#ifndef KORVANE_TESTS_MODALHELPERTESTIDS_H
#define KORVANE_TESTS_MODALHELPERTESTIDS_H

#define IDD_HELPER_PLAIN    40001
#define IDC_HELPER_EDIT     40010
#define IDC_HELPER_CHECK    40011

#endif
