#include "pages/page2_dlg.h"

#include <algorithm>

CPage2Dlg::CPage2Dlg() : CSkinnedPage(IDD, {IDC_CHECK_AUTO_CONNECT, IDC_STATIC_AUTO_CONNECT}) {}

void CPage2Dlg::SetInterfaceTexts(const std::string* texts) {
    std::copy(texts, texts + kTextCount, m_strText.begin());
}

BOOL CPage2Dlg::OnInitDialog() {
    CSkinnedPage::OnInitDialog();
    LoadLogo();
    SetDlgItemText(IDC_CHECK_AUTO_CONNECT, m_strText[kTextAutoConnect]);
    SetDlgItemText(IDC_STATIC_AUTO_CONNECT, m_strText[kTextExplanation]);
    if (m_bLocked) GetDlgItem(IDC_CHECK_AUTO_CONNECT)->EnableWindow(FALSE);
    return TRUE;
}
