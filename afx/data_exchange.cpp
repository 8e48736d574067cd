#include "afx/data_exchange.h"

namespace {

// Sets a control's text only when it differs, so that a reload does not flicker or move the
// caret.
void SetTextIfChanged(HWND hWndControl, const std::string& text) {
    std::string current;
    CWnd::FromHandle(hWndControl)->GetWindowText(current);
    if (current != text) ::SetWindowTextA(hWndControl, text.c_str());
}

bool IsRadioButton(HWND hWnd) {
    return (::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

// Ticks or clears a radio. One that already shows the state, with the tab stop a radio takes
// from it (only the ticked radio of a group is a tab stop), is left alone: ticking an automatic
// radio makes the button clear the rest of its group, which under Wine walks the whole dialog
// group at about a millisecond a tick, and the result would be the same.
void SetRadioCheck(HWND hWndRadio, WPARAM check) {
    const bool tabStop = (::GetWindowLongA(hWndRadio, GWL_STYLE) & WS_TABSTOP) != 0;
    if (static_cast<WPARAM>(::SendMessageA(hWndRadio, BM_GETCHECK, 0, 0)) == check &&
        tabStop == (check == BST_CHECKED))
        return;
    ::SendMessageA(hWndRadio, BM_SETCHECK, check, 0);
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND hWndControl = m_pDlgWnd->GetDlgItemHandle(nIDC);
    AFX_ASSERT(hWndControl != nullptr);
    m_hWndLastControl = hWndControl;
    m_bEditLastControl = FALSE;
    return hWndControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND hWndControl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndControl;
}

void CDataExchange::Fail() {
    if (m_hWndLastControl != nullptr) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl) ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    m_bFailed = true;
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (pDX->Failed() || rControl.m_hWnd != nullptr) return;
    HWND hWndControl = pDX->PrepareCtrl(nIDC);
    const BOOL subclassed = rControl.SubclassWindow(hWndControl);
    AFX_ASSERT(subclassed);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    if (pDX->Failed()) return;
    HWND hWndControl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(hWndControl, BM_GETCHECK, 0, 0));
    } else {
        ::SendMessageA(hWndControl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    if (pDX->Failed()) return;
    HWND hWndControl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) value = -1;
    int position = 0;
    do {
        // Other controls inside the group do not count.
        if (IsRadioButton(hWndControl)) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageA(hWndControl, BM_GETCHECK, 0, 0) != BST_UNCHECKED) {
                    value = position;
                }
            } else {
                SetRadioCheck(hWndControl, position == value ? BST_CHECKED : BST_UNCHECKED);
            }
            ++position;
        }
        hWndControl = ::GetWindow(hWndControl, GW_HWNDNEXT);
    } while (hWndControl != nullptr && (::GetWindowLongA(hWndControl, GWL_STYLE) & WS_GROUP) == 0);
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value) {
    if (pDX->Failed()) return;
    HWND hWndControl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        CWnd::FromHandle(hWndControl)->GetWindowText(value);
    } else {
        SetTextIfChanged(hWndControl, value);
    }
}

void DDX_CBString(CDataExchange* pDX, int nIDC, std::string& value) {
    if (pDX->Failed()) return;
    HWND hWndControl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        // A combo box answers its edit field's text, or a drop-down list's selected line.
        CWnd::FromHandle(hWndControl)->GetWindowText(value);
    } else if (::SendMessageA(hWndControl, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(value.c_str())) == CB_ERR) {
        // A drop-down list has no edit field and ignores this.
        ::SetWindowTextA(hWndControl, value.c_str());
    }
}
