// Templates and control ids of the framework's test dialogs (afx_test.rc).
#pragma once

// Two combo boxes and a group of three radios, for data exchange.
#define IDD_AFX_FIELDS 101
#define IDC_COMBO_EDITABLE 1120
#define IDC_COMBO_LIST 1121
#define IDC_RADIO_FIRST 1122  // a group of three radios

// A modal dialog with OK, Cancel and one edit field.
#define IDD_AFX_MODAL 102
#define IDC_EDIT_VALUE 1200
