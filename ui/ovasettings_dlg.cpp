#include "ui/ovasettings_dlg.h"

COvaSettingsDlg::COvaSettingsDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

BOOL COvaSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    return TRUE;
}
