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

// A checkbox the page hides offers no choice, so its member goes back as it came in, even a
// value the box cannot show (a checkbox answers 1 for anything but 0). Whether it is offered is
// decided by the page's values, not by the box's visibility: the initialisation reads the
// controls back before it hides the boxes.
void DDX_OfferedCheck(CDataExchange* pDX, bool offered, int nIDC, int& value) {
    if (offered || !pDX->m_bSaveAndValidate) DDX_Check(pDX, nIDC, value);
}

}  // namespace

CPage4Dlg::CPage4Dlg()
    : CSkinnedPage(IDD,
                   {IDC_RADIO_KOREAN, IDC_RADIO_ENGLISH, kUnusedSkinnedId, IDC_CHECK_TRAY_AT_BOOT,
                    IDC_STATIC_LANGUAGE, IDC_CHECK_BROADCAST_AUTH, IDC_RADIO_TLS_12,
                    IDC_RADIO_TLS_10, IDC_STATIC_SECURITY, IDC_CHECK_AUTO_PC_NAME},
                   kTextCount) {}

// Radios 1012 and 1013 each make a group of their own, so the page clears the other one itself;
// the TLS radios share a group, and 1086 is exchanged once more on its own.
void CPage4Dlg::DoDataExchange(CDataExchange* pDX) {
    CSkinnedPage::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_RADIO_KOREAN, m_nKoreanRadio);
    DDX_Radio(pDX, IDC_RADIO_ENGLISH, m_nEnglishRadio);
    DDX_Radio(pDX, IDC_RADIO_TLS_10, m_nTls10Radio);
    DDX_Radio(pDX, IDC_RADIO_TLS_12, m_nTls12Radio);
    DDX_OfferedCheck(pDX, !m_strText[kTextTrayAtBoot].empty(), IDC_CHECK_TRAY_AT_BOOT,
                     m_bTrayAtBoot);
    DDX_OfferedCheck(pDX, !m_strText[kTextBroadcastAuth].empty(), IDC_CHECK_BROADCAST_AUTH,
                     m_bBroadcastAuth);
    DDX_OfferedCheck(pDX, m_nShowPcName != SW_HIDE, IDC_CHECK_AUTO_PC_NAME, m_bAutoPcName);
}

const MessageMap* CPage4Dlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        CommandEntry(IDC_RADIO_KOREAN, BN_CLICKED, &CPage4Dlg::OnKorean),
        CommandEntry(IDC_RADIO_ENGLISH, BN_CLICKED, &CPage4Dlg::OnEnglish),
        CommandEntry(IDC_RADIO_TLS_10, BN_CLICKED, &CPage4Dlg::OnTls10),
        CommandEntry(IDC_RADIO_TLS_12, BN_CLICKED, &CPage4Dlg::OnTls12),
        CommandEntry(IDC_BUTTON_DETAILS, BN_CLICKED, &CPage4Dlg::OnDetails),
    };
    static const MessageMap map{CSkinnedPage::GetMessageMap(), entries};
    return &map;
}

// A stored choice the page does not know shows as the nearest one and is handed back as it shows:
// any language but Korean is English, any TLS choice but 1.2 is 1.0.
void CPage4Dlg::InitializeValues() {
    if (m_nLanguage != 0)
        OnEnglish();
    else
        OnKorean();
    if (m_nTlsVersion == 1)
        OnTls12();
    else
        OnTls10();

    for (int id : kSecurityGroup) GetDlgItem(id)->ShowWindow(m_nShowTls);
    // a stored switch other than 0 and 1 shows the box too, never maximised over the page
    GetDlgItem(IDC_CHECK_AUTO_PC_NAME)->ShowWindow(m_nShowPcName != SW_HIDE ? SW_SHOW : SW_HIDE);

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

// Each radio value names the ticked position within its own group; 1 is past the end of a
// one-radio group and clears it.
void CPage4Dlg::ChooseRadio(int& choice, int value, int& clicked, int& other) {
    UpdateData(TRUE);
    choice = value;
    clicked = 0;
    other = 1;
    UpdateData(FALSE);
}

// Korean and English are groups of one radio each, which the dialog manager's arrow keys cannot
// leave; only the ticked one is a tab stop, since a radio the focus reaches ticks itself. The
// arrow keys move between the two as within one group, and tick the one they reach.
BOOL CPage4Dlg::PreTranslateMessage(MSG* pMsg) {
    const bool arrow =
        pMsg->message == WM_KEYDOWN && pMsg->wParam >= VK_LEFT && pMsg->wParam <= VK_DOWN;
    const int id = arrow && ::GetParent(pMsg->hwnd) == m_hWnd ? ::GetDlgCtrlID(pMsg->hwnd) : 0;
    if (id != IDC_RADIO_KOREAN && id != IDC_RADIO_ENGLISH)
        return CSkinnedPage::PreTranslateMessage(pMsg);
    CWnd* other = GetDlgItem(id == IDC_RADIO_KOREAN ? IDC_RADIO_ENGLISH : IDC_RADIO_KOREAN);
    if (other->IsWindowEnabled()) {
        other->SetFocus();
        other->SendMessage(BM_CLICK);
    }
    return TRUE;
}

// The dialog works on its own copy: only OK brings the choice back to the page.
void CPage4Dlg::OnDetails() {
    CDetailsDlg dialog(this);
    dialog.SetInterfaceTexts(&m_strText[kTextDetailsFirst]);
    dialog.m_bDebugData = m_bDebugData;
    if (dialog.DoModal() == IDOK) m_bDebugData = dialog.m_bDebugData;
}
