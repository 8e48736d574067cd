#include "pages/page8_dlg.h"

#include "ui/captions.h"

namespace {

constexpr Caption kCaptions[] = {
    {IDC_CHECK_AUTO_SWITCH, CPage8Dlg::kTextAutoSwitch},
    {IDC_CHECK_SWITCH_NOTICE, CPage8Dlg::kTextNotice},
    {IDC_STATIC_SWITCH_WIRED_PROFILE, CPage8Dlg::kTextWiredProfile},
    {IDC_STATIC_SWITCH_WIRELESS_PROFILE, CPage8Dlg::kTextWirelessProfile},
    {IDC_STATIC_SWITCH_WIRED_CARD, CPage8Dlg::kTextWiredCard},
    {IDC_STATIC_SWITCH_WIRELESS_CARD, CPage8Dlg::kTextWirelessCard},
};

}  // namespace

CPage8Dlg::CPage8Dlg()
    : CSkinnedPage(IDD,
                   {IDC_CHECK_AUTO_SWITCH, IDC_CHECK_SWITCH_NOTICE, IDC_STATIC_SWITCH_WIRED_PROFILE,
                    IDC_STATIC_SWITCH_WIRELESS_PROFILE, IDC_STATIC_SWITCH_WIRED_CARD,
                    IDC_STATIC_SWITCH_WIRELESS_CARD},
                   kTextCount) {}

void CPage8Dlg::InitializeValues() {
    SetCaptions(*this, kCaptions, m_strText.data());
}
