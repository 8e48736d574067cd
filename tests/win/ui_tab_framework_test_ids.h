// Templates and control ids of the tab framework's test dialogs (ui_tab_framework_test.rc).
#pragma once

// A dialog with tabs along each side: top (one row), bottom, left and right.
#define IDD_TAB_HOST 600
#define IDC_HOST_BUTTON 601
#define IDC_TABS_TOP 602
#define IDC_TABS_BOTTOM 603
#define IDC_TABS_LEFT 604
#define IDC_TABS_RIGHT 605

// Pages: child dialogs that start hidden.
#define IDD_PAGE_NAMES 610
#define IDC_EDIT_FIRST_NAME 611
#define IDC_EDIT_LAST_NAME 612
