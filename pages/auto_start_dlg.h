// The start entry dialog: one entry of the start list, a card with the profile to authenticate
// with on it and, where the profile asks for them, an ID and a password. A borderless skinned
// window: its background picture covers it, and two image buttons stand in for OK and Cancel.
#pragma once

#include "afx/afxwin.h"
#include "afx/bitmap_button.h"
#include "res/resource.h"
#include "ui/skin.h"

#include <array>
#include <string>

class CAutoStartDlg : public CDialog {
public:
    enum { IDD = IDD_AUTO_START };

    // The dialog's interface texts, as the start list page hands them on.
    enum Text {
        kTextCard,         // text 208, static 1032
        kTextProfile,      // text 209, static 1035
        kTextCredentials,  // text 210, static 1037
        kTextId,           // text 211, static 1038
        kTextPassword,     // text 212, static 1041
        kTextCount
    };

    explicit CAutoStartDlg(CWnd* pParent = nullptr);

    // Copies kTextCount texts.
    void SetInterfaceTexts(const std::string* texts);

    std::string m_strInstallDir;  // the client's installation, for the background picture
    std::array<std::string, kTextCount> m_strText;
    int m_nDpi = 96;  // the screen resolution, which chooses the background picture

protected:
    BOOL OnInitDialog() override;
    const MessageMap* GetMessageMap() const override;

private:
    void CreateImageButtons();
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDestroy();

    skin::SkinBitmap m_background;
    CBitmapButton m_btnOk;
    CBitmapButton m_btnCancel;
};
