#include "pages/details_dlg.h"

CDetailsDlg::CDetailsDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CDetailsDlg::SetInterfaceTexts(const std::string* texts) {
    m_strDebugDataText = texts[0];
    m_strOkText = texts[1];
    m_strCancelText = texts[2];
    m_strTitle = texts[3];
}

BOOL CDetailsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_CHECK_DEBUG_DATA, m_strDebugDataText);
    SetDlgItemText(IDOK, m_strOkText);
    SetDlgItemText(IDCANCEL, m_strCancelText);
    SetWindowText(m_strTitle);
    UpdateData(TRUE);
    return TRUE;
}

void CDetailsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_CHECK_DEBUG_DATA, m_bDebugData);
}

const MessageMap* CDetailsDlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        CommandEntry(IDC_CHECK_DEBUG_DATA, BN_CLICKED, &CDetailsDlg::OnDebugDataClicked),
    };
    static const MessageMap map{CDialog::GetMessageMap(), entries};
    return &map;
}

// The member follows the box at once; the general options page takes it only after OK.
void CDetailsDlg::OnDebugDataClicked() {
    UpdateData(TRUE);
}
