// Dialog data exchange, with MFC's rules: one DoDataExchange per dialog, one DDX_ line per
// control, run by UpdateData in either direction:
//
//     void CMyDlg::DoDataExchange(CDataExchange* pDX) {
//         CDialog::DoDataExchange(pDX);
//         DDX_Control(pDX, 1030, m_cardList);
//         DDX_Check(pDX, 1029, m_nAutoStart);
//         DDX_Text(pDX, 1036, m_strId);
//     }
//
// A field that cannot be taken ends the exchange (CDataExchange::Fail): the focus goes to that
// control, the lines after it do nothing and UpdateData answers FALSE. Members exchanged before it
// keep their new values.
#pragma once

#include "afx/wnd.h"

#include <windows.h>

#include <string>

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    // The control nIDC of the dialog; a missing control is a programming error.
    HWND PrepareCtrl(int nIDC);
    // The same for an edit control, whose text is selected when its field fails.
    HWND PrepareEditCtrl(int nIDC);
    // Ends the exchange at the control prepared last: it gets the focus, and every later DDX_
    // line does nothing.
    void Fail();
    bool Failed() const { return m_bFailed; }

    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;

private:
    bool m_bFailed = false;
};

// Subclasses control nIDC with rControl the first time (either direction); later calls keep it.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// A check box: BST_UNCHECKED (0), BST_CHECKED (1) or BST_INDETERMINATE (2). Loading passes the
// value to the button as it is.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// A group of radio buttons that starts at nIDC and runs up to the next control with WS_GROUP:
// the position of the ticked button among the group's radio buttons (counting from 0), or -1
// when none is ticked (when several are, the last). Loading ticks the button at that position
// and clears every other one of the group; -1 clears them all.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// The control's text.
void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
// A combo box. Saving reads the edit field's text, or a drop-down list's selected line (empty
// when none). Loading selects the first line that begins with the value, ignoring case, searching
// from the top; when none does, the value becomes the edit field's text (a drop-down list is
// then left as it was).
void DDX_CBString(CDataExchange* pDX, int nIDC, std::string& value);
