#include "pages/page6_dlg.h"

#include "ui/captions.h"

namespace {

constexpr Caption kCaptions[] = {
    {IDC_CHECK_WINDOWS_LOGON, CPage6Dlg::kTextUseLogon},
    {IDC_STATIC_LOGON_CARD, CPage6Dlg::kTextCard},
    {IDC_STATIC_LOGON_PROFILE, CPage6Dlg::kTextProfile},
    {IDC_STATIC_LOGON_WAIT, CPage6Dlg::kTextWait},
    {IDC_STATIC_LOGON_SECONDS, CPage6Dlg::kTextSeconds},
};

}  // namespace

// Everything but the wait-time edit is drawn in the skin colour.
CPage6Dlg::CPage6Dlg()
    : CSkinnedPage(IDD,
                   {IDC_CHECK_WINDOWS_LOGON, IDC_STATIC_LOGON_CARD, IDC_COMBO_LOGON_CARD,
                    IDC_STATIC_LOGON_PROFILE, IDC_COMBO_LOGON_PROFILE, IDC_STATIC_LOGON_WAIT,
                    IDC_STATIC_LOGON_SECONDS},
                   kTextCount) {}

void CPage6Dlg::InitializeValues() {
    SetCaptions(*this, kCaptions, m_strText.data());
}
