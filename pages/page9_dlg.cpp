#include "pages/page9_dlg.h"

#include "ui/captions.h"

namespace {

constexpr Caption kCaptions[] = {
    {IDC_RADIO_STARTUP_WIRED, CPage9Dlg::kTextWired},
    {IDC_RADIO_STARTUP_WIRELESS, CPage9Dlg::kTextWireless},
    {IDC_STATIC_STARTUP_WIRED, CPage9Dlg::kTextWiredProfile},
    {IDC_STATIC_STARTUP_WIRELESS, CPage9Dlg::kTextWirelessProfile},
    {IDC_CHECK_STARTUP_AUTH, CPage9Dlg::kTextStartUpAuth},
};

}  // namespace

CPage9Dlg::CPage9Dlg()
    : CSkinnedPage(IDD,
                   {IDC_RADIO_STARTUP_WIRED, IDC_RADIO_STARTUP_WIRELESS, IDC_COMBO_STARTUP_WIRED,
                    IDC_COMBO_STARTUP_WIRELESS, IDC_STATIC_STARTUP_WIRED,
                    IDC_STATIC_STARTUP_WIRELESS, IDC_CHECK_STARTUP_AUTH},
                   kTextCount) {}

void CPage9Dlg::InitializeValues() {
    SetCaptions(*this, kCaptions, m_strText.data());
}
