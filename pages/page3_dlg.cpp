#include "pages/page3_dlg.h"

#include <algorithm>

namespace {

// What a locked page keeps the user from changing: all four controls.
constexpr int kEditingControls[] = {IDC_CHECK_DEFAULT_WIRELESS, IDC_CHECK_DEFAULT_WIRED,
                                    IDC_COMBO_DEFAULT_WIRELESS, IDC_COMBO_DEFAULT_WIRED};

}  // namespace

CPage3Dlg::CPage3Dlg() : CSkinnedPage(IDD, {IDC_CHECK_DEFAULT_WIRELESS, IDC_CHECK_DEFAULT_WIRED}) {}

void CPage3Dlg::SetInterfaceTexts(const std::string* texts) {
    std::copy(texts, texts + kTextCount, m_strText.begin());
}

BOOL CPage3Dlg::OnInitDialog() {
    CSkinnedPage::OnInitDialog();
    SetDlgItemText(IDC_CHECK_DEFAULT_WIRELESS, m_strText[kTextDefaultWireless]);
    SetDlgItemText(IDC_CHECK_DEFAULT_WIRED, m_strText[kTextDefaultWired]);
    LoadLogo();
    if (m_bLocked) {
        for (int id : kEditingControls) GetDlgItem(id)->EnableWindow(FALSE);
    }
    return TRUE;
}
