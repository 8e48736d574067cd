// The advanced settings dialog of the general options page: whether the client writes debug
// data.
#pragma once

#include "afx/afxwin.h"
#include "res/resource.h"

#include <string>

class CDetailsDlg : public CDialog {
public:
    enum { IDD = IDD_DETAILS };

    // The texts in the order the general options page keeps them: checkbox 1050, OK, Cancel,
    // the window title.
    static constexpr int kTextCount = 4;

    explicit CDetailsDlg(CWnd* pParent = nullptr);

    // Copies kTextCount texts.
    void SetInterfaceTexts(const std::string* texts);

    std::string m_strDebugDataText;
    std::string m_strOkText;
    std::string m_strCancelText;
    std::string m_strTitle;
    int m_bDebugData = 0;  // checkbox 1050

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap* GetMessageMap() const override;

private:
    void OnDebugDataClicked();
};
