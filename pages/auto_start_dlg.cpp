#include "pages/auto_start_dlg.h"

#include "afx/file_find.h"
#include "app/message_text.h"
#include "app/ovasettings_app.h"
#include "client/ovacli.h"
#include "store/card_enumeration.h"
#include "store/card_list_text.h"
#include "store/profile_catalogue.h"
#include "ui/captions.h"
#include "ui/stored_selection.h"

#include <shlobj.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

enum EntryMessage : DWORD {
    kMsgNoCard = 8019,
    kMsgNoProfile = 8020,
    kMsgNoId = 8021,
    kMsgNoPassword = 8022,
    kMsgEnumerationFailed = 8025,
    kMsgUnknownCardKind = 8026,
    kMsgProfileUnreadable = 8027,
    kMsgNoCardForProfiles = 8028,
    kMsgNoUserFolder = 8029,
    kMsgNoCommonFolder = 8030,
    kMsgCardNameTooLong = 8055,
    kMsgProfilePathTooLong = 8056,
    kMsgIdTooLong = 8057,
    kMsgPasswordTooLong = 8058,
};

// The kind prefixes of the card list's lines. A card whose flag names neither kind is still
// listed, under a prefix that choosing it refuses.
constexpr char kWiredPrefix[] = "(Wire)";
constexpr char kWirelessPrefix[] = "(Wireless)";
constexpr char kUnknownPrefix[] = "(?] ";
constexpr char kProfilePattern[] = "\\Ovanta\\Profiles\\*";

constexpr Caption kCaptions[] = {
    {IDC_STATIC_CARD, CAutoStartDlg::kTextCard},
    {IDC_STATIC_PROFILE, CAutoStartDlg::kTextProfile},
    {IDC_STATIC_CREDENTIALS, CAutoStartDlg::kTextCredentials},
    {IDC_STATIC_ID, CAutoStartDlg::kTextId},
    {IDC_STATIC_PASSWORD, CAutoStartDlg::kTextPassword},
};

// The labels drawn in the skin colour straight onto the background. The set also names 1042,
// which no control of the dialog carries.
constexpr int kSkinnedIds[] = {IDC_STATIC_CARD, IDC_STATIC_PROFILE,  IDC_STATIC_CREDENTIALS,
                               IDC_STATIC_ID,   IDC_STATIC_PASSWORD, 1042};

// The ID and password fields with their labels, shown only for a profile that asks for them.
constexpr int kCredentialControls[] = {IDC_EDIT_ID, IDC_EDIT_PASSWORD, IDC_STATIC_ID,
                                       IDC_STATIC_PASSWORD};

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// Windows 98 and Me keep no common application-data folder of their own.
bool HasNoCommonProfiles() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) return false;
    return version.dwMajorVersion == 4 &&
           (version.dwMinorVersion == 10 || version.dwMinorVersion == 90);
}

}  // namespace

CAutoStartDlg::CAutoStartDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CAutoStartDlg::SetInterfaceTexts(const std::string* texts) {
    std::copy(texts, texts + kTextCount, m_strText.begin());
}

void CAutoStartDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMBO_CARD, m_comboCard);
    DDX_Control(pDX, IDC_COMBO_PROFILE, m_comboProfile);
    DDX_CBString(pDX, IDC_COMBO_CARD, m_strCardText);
    DDX_CBString(pDX, IDC_COMBO_PROFILE, m_strProfileText);
    DDX_Text(pDX, IDC_EDIT_ID, m_strId);
    DDX_Text(pDX, IDC_EDIT_PASSWORD, m_strPassword);
}

BOOL CAutoStartDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_background.reset(skin::LoadSkinBitmap(m_strInstallDir, skin::BackgroundName(m_nDpi)));
    CreateImageButtons();
    SetCaptions(*this, kCaptions, m_strText.data());
    TakeKindFromProfilePath();
    if (!m_strProfilePath.empty()) m_strProfileText = StoredProfileName(m_strProfilePath);
    UpdateData(FALSE);
    return TRUE;
}

// The buttons hang below the right end of the password field, whose place in the template
// follows the background picture; their size is that of their bitmaps (61 x 21).
void CAutoStartDlg::CreateImageButtons() {
    CRect edit;
    GetDlgItem(IDC_EDIT_PASSWORD)->GetWindowRect(&edit);
    ScreenToClient(&edit);
    const DWORD style = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
    const CRect ok(edit.right - 132, edit.bottom + 20, edit.right - 71, edit.bottom + 41);
    const CRect cancel(edit.right - 61, edit.bottom + 20, edit.right, edit.bottom + 41);
    m_btnOk.Create(nullptr, style, ok, this, ID_MENU_AUTO_START_OK);
    m_btnOk.LoadBitmaps(IDB_OK_NORMAL, IDB_OK_PRESSED, IDB_OK_NORMAL, IDB_OK_NORMAL);
    m_btnCancel.Create(nullptr, style, cancel, this, ID_MENU_AUTO_START_CANCEL);
    m_btnCancel.LoadBitmaps(IDB_CANCEL_NORMAL, IDB_CANCEL_PRESSED, IDB_CANCEL_NORMAL,
                            IDB_CANCEL_NORMAL);
}

// An entry's card carries no kind of its own: its profile's extension tells it. An entry whose
// profile is of neither kind cannot be started, so the dialog offers it as a new one.
void CAutoStartDlg::TakeKindFromProfilePath() {
    if (m_strProfilePath.empty()) return;
    if (HasProfileExtension(m_strProfilePath, m_strWirelessExt)) {
        m_nKind = kKindWireless;
        m_strCardText = kWirelessPrefix + m_strCardName;
    } else if (HasProfileExtension(m_strProfilePath, m_strWiredExt)) {
        m_nKind = kKindWired;
        m_strCardText = kWiredPrefix + m_strCardName;
    } else {
        m_strProfilePath.clear();
        m_strCardName.clear();
        m_nKind = kKindNone;
    }
}

const MessageMap* CAutoStartDlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        CommandEntry(ID_MENU_AUTO_START_OK, BN_CLICKED, &CAutoStartDlg::OnOK),
        CommandEntry(ID_MENU_AUTO_START_CANCEL, BN_CLICKED, &CAutoStartDlg::OnCancelCommand),
        CommandEntry(ID_MENU_AUTO_START_CERTIFICATE, BN_CLICKED, &CAutoStartDlg::OnNothing),
        CommandEntry(IDC_BUTTON_CERTIFICATE, BN_CLICKED, &CAutoStartDlg::OnNothing),
        CommandEntry(IDC_COMBO_CARD, CBN_DROPDOWN, &CAutoStartDlg::OnCardDropDown),
        CommandEntry(IDC_COMBO_CARD, CBN_SELENDOK, &CAutoStartDlg::OnCardChosen),
        CommandEntry(IDC_COMBO_CARD, CBN_EDITCHANGE, &CAutoStartDlg::OnEditChange),
        CommandEntry(IDC_COMBO_PROFILE, CBN_DROPDOWN, &CAutoStartDlg::OnProfileDropDown),
        CommandEntry(IDC_COMBO_PROFILE, CBN_SELENDOK, &CAutoStartDlg::OnProfileChosen),
        CommandEntry(IDC_COMBO_PROFILE, CBN_EDITCHANGE, &CAutoStartDlg::OnEditChange),
        MessageEntry(WM_LBUTTONDOWN, &CAutoStartDlg::OnLButtonDown),
        MessageEntry(WM_PAINT, &CAutoStartDlg::OnPaint),
        MessageEntry(WM_PRINTCLIENT, &CAutoStartDlg::OnPrintClient),
        CtlColorEntry(&CAutoStartDlg::OnCtlColor),
        MessageEntry(WM_DESTROY, &CAutoStartDlg::OnDestroy),
    };
    static const MessageMap map{CDialog::GetMessageMap(), entries};
    return &map;
}

// Errors stay in front of the dialog that caused them.
void CAutoStartDlg::ShowError(DWORD number) {
    ShowErrorText(m_hWnd, number);
}

// Cards come and go while the editor is open: the list shows the cards present when it opens.
void CAutoStartDlg::OnCardDropDown() {
    m_comboCard.ResetContent();
    const CardEnumeration cards = EnumerateCards(ClientHandle(), nullptr);  // nothing logged here
    if (cards.result != 0) {
        ShowError(kMsgEnumerationFailed);
        return;
    }
    for (const RawCardEntry& card : SplitCardListByCharacter(cards.text)) {
        const char* prefix = card.flag == "1"   ? kWirelessPrefix
                             : card.flag == "0" ? kWiredPrefix
                                                : kUnknownPrefix;
        m_comboCard.AddString((prefix + card.displayName).c_str());
    }
}

// A profile already chosen stays only when it is of the new card's kind. A list filled for the
// other kind offers nothing until it is opened again: the arrow keys on the closed list would
// otherwise choose a profile of the old kind.
void CAutoStartDlg::OnCardChosen() {
    const int chosen = m_comboCard.GetCurSel();
    if (chosen < 0) return;
    const int kindBefore = m_nKind;
    m_comboCard.GetLBText(chosen, m_strCardText);
    if (StartsWith(m_strCardText, kWiredPrefix)) {
        m_strCardName = m_strCardText.substr(sizeof kWiredPrefix - 1);
        m_nKind = kKindWired;
        if (!HasProfileExtension(m_strProfileText, m_strWiredExt)) m_strProfileText.clear();
    } else if (StartsWith(m_strCardText, kWirelessPrefix)) {
        m_strCardName = m_strCardText.substr(sizeof kWirelessPrefix - 1);
        m_nKind = kKindWireless;
        if (!HasProfileExtension(m_strProfileText, m_strWirelessExt)) m_strProfileText.clear();
    } else {
        m_strCardName.clear();
        m_strProfileText.clear();
        ShowError(kMsgUnknownCardKind);
    }
    if (m_nKind != kindBefore) {
        m_comboProfile.ResetContent();
        m_strCommonPaths.clear();
        m_strUserPaths.clear();
    }
    UpdateData(FALSE);
}

// The profiles of the chosen card's kind, the user's own first, then the machine's.
void CAutoStartDlg::OnProfileDropDown() {
    m_comboProfile.ResetContent();
    m_strCommonPaths.clear();
    m_strUserPaths.clear();
    const std::string* extension = m_nKind == kKindWireless ? &m_strWirelessExt
                                   : m_nKind == kKindWired  ? &m_strWiredExt
                                                            : nullptr;
    if (!extension) {
        ShowError(kMsgNoCardForProfiles);
        return;
    }
    const std::optional<std::string> user = SpecialFolder(CSIDL_APPDATA);
    if (!user) {
        ShowError(kMsgNoUserFolder);
        return;
    }
    AddProfilesFrom(*user, *extension, m_strUserPaths);
    if (HasNoCommonProfiles()) return;
    const std::optional<std::string> common = SpecialFolder(CSIDL_COMMON_APPDATA);
    if (!common) {
        ShowError(kMsgNoCommonFolder);
        return;
    }
    AddProfilesFrom(*common, *extension, m_strCommonPaths);
}

// The search also matches longer extensions through their short names ("a.wcfx" is "A~1.WCF"),
// so each match is held against the extension itself.
void CAutoStartDlg::AddProfilesFrom(const std::string& folder, const std::string& extension,
                                    std::vector<std::string>& paths) {
    CFileFind finder;
    BOOL working = finder.FindFile((folder + kProfilePattern + extension).c_str());
    while (working) {
        working = finder.FindNextFile();
        if (finder.IsDots() || finder.IsDirectory()) continue;
        const std::string path = finder.GetFilePath();
        if (!HasProfileExtension(path, extension)) continue;
        paths.push_back(path);
        m_comboProfile.AddString(finder.GetFileName().c_str());
    }
}

// A name found in both folders is the machine's profile, which every user of it shares.
void CAutoStartDlg::OnProfileChosen() {
    const int chosen = m_comboProfile.GetCurSel();
    if (chosen < 0) return;
    m_comboProfile.GetLBText(chosen, m_strProfileText);
    const auto named = [this](const std::string& path) {
        return SameIgnoringCase(StoredProfileName(path), m_strProfileText);
    };
    auto found = std::find_if(m_strCommonPaths.begin(), m_strCommonPaths.end(), named);
    if (found == m_strCommonPaths.end()) {
        found = std::find_if(m_strUserPaths.begin(), m_strUserPaths.end(), named);
        if (found == m_strUserPaths.end()) return;
    }
    const std::string path = *found;
    if (!ReadProfile(path)) {
        // the entry keeps the profile it had, and the list shows none
        m_strProfileText.clear();
        m_comboProfile.SetCurSel(-1);
    } else {
        m_strProfilePath = path;
        ShowCredentials(m_nNeedsCredentials == 1);
    }
    UpdateData(FALSE);
}

// The block the client hands out goes back to it whatever the answer.
bool CAutoStartDlg::ReadProfile(const std::string& path) {
    char buffer[kQtvProfileSize] = {};
    char error[kQtvErrorSize] = {};
    DWORD size = kQtvProfileSize;
    DWORD needsCredentials = static_cast<DWORD>(m_nNeedsCredentials);
    void* block = nullptr;
    const int result = QTV_CLI_read_profile(ClientHandle(), path.c_str(), buffer, &size, 0,
                                            &needsCredentials, &block, error);
    QTV_CLI_free_profile(block);
    m_nNeedsCredentials = static_cast<int>(needsCredentials);
    if (result != 0) {
        ShowError(kMsgProfileUnreadable);
        return false;
    }
    return true;
}

void CAutoStartDlg::ShowCredentials(bool shown) {
    for (int id : kCredentialControls) GetDlgItem(id)->ShowWindow(shown ? SW_SHOW : SW_HIDE);
}

// The checks stop at the first failure, whose box names it; the dialog then stays open as it was.
void CAutoStartDlg::OnOK() {
    UpdateData(TRUE);
    const struct {
        bool failed;
        DWORD message;
    } checks[] = {
        {m_strCardText.empty() || m_strCardName.empty(), kMsgNoCard},
        {m_strProfileText.empty() || m_strProfilePath.empty(), kMsgNoProfile},
        {m_strCardName.size() >= kMaxPathLength, kMsgCardNameTooLong},
        {m_strProfilePath.size() >= kMaxPathLength, kMsgProfilePathTooLong},
        {m_strId.size() >= kMaxCredentialLength, kMsgIdTooLong},
        {m_strPassword.size() >= kMaxCredentialLength, kMsgPasswordTooLong},
        {m_nNeedsCredentials == 1 && m_strId.empty(), kMsgNoId},
        {m_nNeedsCredentials == 1 && m_strPassword.empty(), kMsgNoPassword},
    };
    for (const auto& check : checks) {
        if (check.failed) {
            ShowError(check.message);
            return;
        }
    }
    EndDialog(IDOK);
}

// A press on the background is handed to the system as a press on a caption, which the dialog
// has not got: the system then moves the window for as long as the button is held.
LRESULT CAutoStartDlg::OnLButtonDown(WPARAM, LPARAM lParam) {
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::ClientToScreen(m_hWnd, &point);
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
    return 0;
}

// Beginning the paint erases the dialog as usual; the picture then covers it.
void CAutoStartDlg::OnPaint() {
    CPaintDC dc(this);
    skin::PaintBackground(dc, m_background.get());
}

// The dialog printed (PrintWindow, WM_PRINTCLIENT) looks as it is drawn on the screen.
LRESULT CAutoStartDlg::OnPrintClient(WPARAM wParam, LPARAM) {
    CDC dc;
    dc.Attach(reinterpret_cast<HDC>(wParam));
    skin::PaintBackground(dc, m_background.get());
    dc.Detach();
    return 0;
}

HBRUSH CAutoStartDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH standard = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    const int id = pWnd ? ::GetDlgCtrlID(pWnd->m_hWnd) : 0;
    const bool skinned =
        std::find(std::begin(kSkinnedIds), std::end(kSkinnedIds), id) != std::end(kSkinnedIds);
    return skin::ControlColor(pDC, skinned, standard);
}

void CAutoStartDlg::OnDestroy() {
    CDialog::OnDestroy();
    m_background.reset();
}
