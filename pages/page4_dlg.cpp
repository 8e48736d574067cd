#include "pages/page4_dlg.h"

#include "ui/captions.h"

#include <utility>

namespace {

// Every caption but those of the two checkboxes whose text the client may leave out.
constexpr Caption kCaptions[] = {
    {IDC_STATIC_LANGUAGE, CPage4Dlg::kTextLanguage},
    {IDC_RADIO_KOREAN, CPage4Dlg::kTextKorean},
    {IDC_RADIO_ENGLISH, CPage4Dlg::kTextEnglish},
    {IDC_BUTTON_DETAILS, CPage4Dlg::kTextDetails},
    {IDC_STATIC_SECURITY, CPage4Dlg::kTextSecurity},
    {IDC_RADIO_TLS_10, CPage4Dlg::kTextTls10},
    {IDC_RADIO_TLS_12, CPage4Dlg::kTextTls12},
    {IDC_CHECK_AUTO_PC_NAME, CPage4Dlg::kTextAutoPcName},
};

constexpr int kSecurityGroup[] = {IDC_STATIC_SECURITY, IDC_RADIO_TLS_10, IDC_RADIO_TLS_12};

// What a locked page keeps the user from changing; the TLS choice and the PC name stay open.
constexpr int kEditingControls[] = {IDC_BUTTON_DETAILS, IDC_CHECK_TRAY_AT_BOOT,
                                    IDC_CHECK_BROADCAST_AUTH, IDC_RADIO_KOREAN, IDC_RADIO_ENGLISH};

// The skinned set also names 1023, which no control of the page carries.
constexpr int kUnusedSkinnedId = 1023;

}  // namespace

CPage4Dlg::CPage4Dlg()
    : CSkinnedPage(IDD,
                   {IDC_RADIO_KOREAN, IDC_RADIO_ENGLISH, kUnusedSkinnedId, IDC_CHECK_TRAY_AT_BOOT,
                    IDC_STATIC_LANGUAGE, IDC_CHECK_BROADCAST_AUTH, IDC_RADIO_TLS_12,
                    IDC_RADIO_TLS_10, IDC_STATIC_SECURITY, IDC_CHECK_AUTO_PC_NAME},
                   kTextCount) {}

void CPage4Dlg::InitializeValues() {
    for (int id : kSecurityGroup) GetDlgItem(id)->ShowWindow(m_nShowTls);
    GetDlgItem(IDC_CHECK_AUTO_PC_NAME)->ShowWindow(m_nShowPcName);

    // A client without the text of an option does not offer it: an unlabelled checkbox would
    // still change a setting nobody can read.
    for (auto [id, text] : {std::pair{IDC_CHECK_TRAY_AT_BOOT, kTextTrayAtBoot},
                            std::pair{IDC_CHECK_BROADCAST_AUTH, kTextBroadcastAuth}}) {
        if (m_strText[text].empty()) {
            GetDlgItem(id)->ShowWindow(SW_HIDE);
        } else {
            SetDlgItemText(id, m_strText[text]);
            GetDlgItem(id)->ShowWindow(SW_SHOW);
        }
    }
    SetCaptions(*this, kCaptions, m_strText.data());

    // The advanced settings are not offered on the page.
    GetDlgItem(IDC_BUTTON_DETAILS)->ShowWindow(SW_HIDE);
    DisableWhenLocked(m_bLocked, kEditingControls);
}
