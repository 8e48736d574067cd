#include "pages/page3_dlg.h"

namespace {

// What a locked page keeps the user from changing: all four controls.
constexpr int kEditingControls[] = {IDC_CHECK_DEFAULT_WIRELESS, IDC_CHECK_DEFAULT_WIRED,
                                    IDC_COMBO_DEFAULT_WIRELESS, IDC_COMBO_DEFAULT_WIRED};

}  // namespace

CPage3Dlg::CPage3Dlg()
    : CSkinnedPage(IDD, {IDC_CHECK_DEFAULT_WIRELESS, IDC_CHECK_DEFAULT_WIRED}, kTextCount) {}

void CPage3Dlg::InitializeValues() {
    SetDlgItemText(IDC_CHECK_DEFAULT_WIRELESS, m_strText[kTextDefaultWireless]);
    SetDlgItemText(IDC_CHECK_DEFAULT_WIRED, m_strText[kTextDefaultWired]);
    DisableWhenLocked(m_bLocked, kEditingControls);
}
