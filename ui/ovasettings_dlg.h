// The main settings dialog: the program's only top-level window.
#pragma once

#include "afx/afxwin.h"
#include "res/resource.h"

class COvaSettingsDlg : public CDialog {
public:
    enum { IDD = IDD_OVASETTINGS_DIALOG };

    explicit COvaSettingsDlg(CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
};
