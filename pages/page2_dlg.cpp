#include "pages/page2_dlg.h"

namespace {

// What a locked page keeps the user from changing.
constexpr int kEditingControls[] = {IDC_CHECK_AUTO_CONNECT};

}  // namespace

CPage2Dlg::CPage2Dlg()
    : CSkinnedPage(IDD, {IDC_CHECK_AUTO_CONNECT, IDC_STATIC_AUTO_CONNECT}, kTextCount) {}

// The checkbox has no handler: its state reaches the member when the main dialog takes the values.
void CPage2Dlg::DoDataExchange(CDataExchange* pDX) {
    CSkinnedPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_CHECK_AUTO_CONNECT, m_nAutoConnect);
}

void CPage2Dlg::InitializeValues() {
    SetDlgItemText(IDC_CHECK_AUTO_CONNECT, m_strText[kTextAutoConnect]);
    SetDlgItemText(IDC_STATIC_AUTO_CONNECT, m_strText[kTextExplanation]);
    DisableWhenLocked(m_bLocked, kEditingControls);
}
