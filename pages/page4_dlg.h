// The general options page: the tray icon at Windows start, the client's language, broadcasting
// of authentication packets, the TLS version and the automatic PC name. It also holds the texts
// of the advanced settings dialog (CDetailsDlg).
#pragma once

#include "pages/details_dlg.h"
#include "res/resource.h"
#include "ui/skinned_page.h"

#include <string>

class CPage4Dlg : public CSkinnedPage {
public:
    enum { IDD = IDD_PAGE_GENERAL_OPTIONS };

    // The page's interface texts, in the order the main dialog keeps them. The four texts of the
    // advanced settings dialog lie in the middle, in CDetailsDlg's order.
    enum Text {
        kTextTrayAtBoot,     // text 223, checkbox 1024; empty hides the checkbox
        kTextBroadcastAuth,  // text 258, checkbox 1076; empty hides the checkbox
        kTextLanguage,       // text 225, label 1047
        kTextKorean,         // text 226, radio 1012
        kTextEnglish,        // text 227, radio 1013
        kTextDetails,        // text 228, button 1049
        kTextDetailsFirst,   // texts 236, 237, 238 and 240, for CDetailsDlg
        kTextSecurity = kTextDetailsFirst + CDetailsDlg::kTextCount,  // text 270, label 1089
        kTextTls10,                                                   // text 271, radio 1088
        kTextTls12,                                                   // text 272, radio 1086
        kTextAutoPcName,                                              // text 280, checkbox 1090
        kTextCount
    };

    CPage4Dlg();

    int m_nLanguage = 0;   // 0 Korean, 1 English
    int m_bLocked = 0;     // non-zero: the tray, broadcast, language and advanced controls are off
    int m_bDebugData = 0;  // 1: the client writes debug data
    // A radio's exchange value is the position of the ticked button in the group that starts
    // at that radio, 0 when the radio itself is ticked.
    int m_nEnglishRadio = 0;  // radio 1013
    int m_nKoreanRadio = 0;   // radio 1012
    int m_bTrayAtBoot = 0;
    int m_bBroadcastAuth = 0;
    int m_nTlsVersion = 0;  // 0 TLS 1.0, 1 TLS 1.2
    int m_nTls10Radio = 0;  // the group of 1088 and 1086
    int m_nTls12Radio = 0;  // radio 1086
    int m_nShowTls = 0;     // show command of the security group (1089, 1088, 1086)
    int m_nShowPcName = 0;  // show command of checkbox 1090
    int m_bAutoPcName = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void InitializeValues() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    const MessageMap* GetMessageMap() const override;

private:
    // A click on one of two radios: the controls are read, CHOICE becomes VALUE, the clicked
    // radio's value ticks it and the other's clears it, and the controls are shown again.
    void ChooseRadio(int& choice, int value, int& clicked, int& other);
    void OnKorean() { ChooseRadio(m_nLanguage, 0, m_nKoreanRadio, m_nEnglishRadio); }
    void OnEnglish() { ChooseRadio(m_nLanguage, 1, m_nEnglishRadio, m_nKoreanRadio); }
    void OnTls10() { ChooseRadio(m_nTlsVersion, 0, m_nTls10Radio, m_nTls12Radio); }
    void OnTls12() { ChooseRadio(m_nTlsVersion, 1, m_nTls12Radio, m_nTls10Radio); }
    void OnDetails();
};
