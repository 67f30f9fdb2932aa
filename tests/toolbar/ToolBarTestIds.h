/* Toolbar layouts of the toolbar tests that LoadToolBar must refuse. */
#ifndef KORVANE_TESTS_TOOLBAR_IDS_H
#define KORVANE_TESTS_TOOLBAR_IDS_H

#define IDR_NO_BITMAP       400   /* a good layout without a bitmap of its own */
#define IDR_BAD_VERSION     401   /* version 2 */
#define IDR_SHORT_LAYOUT    402   /* more items counted than stored */

#endif
