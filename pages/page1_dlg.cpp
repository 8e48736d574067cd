#include "pages/page1_dlg.h"

#include "app/ansi_text.h"
#include "app/fixed_text.h"
#include "app/message_box.h"
#include "app/message_text.h"
#include "client/loaded_module.h"
#include "store/registry_schema.h"
#include "store/settings_rules.h"
#include "ui/captions.h"
#include "ui/stored_selection.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

constexpr DWORD kMsgNewEntryNotShown = 8033;
constexpr DWORD kMsgFirstEntryNotShown = 8034;
constexpr DWORD kMsgStoreNotLoaded = 8035;
constexpr DWORD kMsgStoreNoFactory = 8036;
constexpr DWORD kMsgRemoveEntry = 8052;  // asked under the title number 234
constexpr DWORD kMsgFirstNameTooLong = 8059;
constexpr DWORD kMsgLaterNameTooLong = 8060;
constexpr DWORD kMsgSameCard = 9094;

// A stored card name longer than this cannot be a record's card.
constexpr std::size_t kLongestStoredCard = 1024;

// The list's images: a profile of neither kind points past them and so shows no icon.
constexpr int kImageWireless = 0;
constexpr int kImageWired = 1;
constexpr int kImageNone = 2;

constexpr Caption kCaptions[] = {
    {IDC_CHECK_AUTO_START, CPage1Dlg::kTextAutoStart},
    {IDC_STATIC_START_LIST, CPage1Dlg::kTextExplanation},
    {IDC_BUTTON_ADD_ENTRY, CPage1Dlg::kTextAdd},
    {IDC_BUTTON_REMOVE_ENTRY, CPage1Dlg::kTextRemove},
    {IDC_BUTTON_MODIFY_ENTRY, CPage1Dlg::kTextModify},
};

// What a locked page keeps the user from changing.
constexpr int kEditingControls[] = {IDC_CHECK_AUTO_START, IDC_LIST_START_ENTRIES,
                                    IDC_BUTTON_ADD_ENTRY, IDC_BUTTON_REMOVE_ENTRY,
                                    IDC_BUTTON_MODIFY_ENTRY};
// Open whenever entries may be edited; the other two also need an entry clicked.
constexpr int kListControls[] = {IDC_LIST_START_ENTRIES, IDC_BUTTON_ADD_ENTRY};
constexpr int kEntryButtons[] = {IDC_BUTTON_REMOVE_ENTRY, IDC_BUTTON_MODIFY_ENTRY};

void FillEntry(CPage1Dlg::StartEntry& entry, const std::string& card, const std::string& profile,
               const std::string& id, const std::string& password) {
    std::memset(&entry, 0, sizeof entry);
    CopyCut(entry.card, card);
    CopyCut(entry.profile, profile);
    CopyCut(entry.id, id);
    CopyCut(entry.password, password);
}

std::unique_ptr<CPage1Dlg::StartEntry> NewEntry() {
    return std::make_unique<CPage1Dlg::StartEntry>();  // value-initialised: all zero
}

}  // namespace

CPage1Dlg::CPage1Dlg()
    : CSkinnedPage(IDD, {IDC_LIST_START_ENTRIES, IDC_CHECK_AUTO_START, IDC_STATIC_START_LIST},
                   kTextCount) {}

void CPage1Dlg::DoDataExchange(CDataExchange* pDX) {
    CSkinnedPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_START_ENTRIES, m_list);
    DDX_Check(pDX, IDC_CHECK_AUTO_START, m_nAutoStart);
}

const MessageMap* CPage1Dlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        CommandEntry(IDC_BUTTON_ADD_ENTRY, BN_CLICKED, &CPage1Dlg::OnAdd),
        CommandEntry(IDC_BUTTON_REMOVE_ENTRY, BN_CLICKED, &CPage1Dlg::OnRemove),
        CommandEntry(IDC_BUTTON_MODIFY_ENTRY, BN_CLICKED, &CPage1Dlg::OnModify),
        CommandEntry(IDC_CHECK_AUTO_START, BN_CLICKED, &CPage1Dlg::OnAutoStartClicked),
        NotifyEntry(IDC_LIST_START_ENTRIES, LVN_GETDISPINFOA, &CPage1Dlg::OnGetDispInfo),
        NotifyEntry(IDC_LIST_START_ENTRIES, NM_CLICK, &CPage1Dlg::OnClickList),
    };
    static const MessageMap map{CSkinnedPage::GetMessageMap(), entries};
    return &map;
}

// The lock comes before the auto-start value, so a locked page with auto-start on still opens
// the list and Add: only the checkbox stays closed.
void CPage1Dlg::InitializeValues() {
    SetCaptions(*this, kCaptions, m_strText.data());
    // the list lays itself out once, when it is full, not after every column and entry
    m_list.SetRedraw(FALSE);
    SetUpList();
    m_pSelected = nullptr;
    m_pEntries.clear();  // records of an earlier window went with its list
    LoadStartList();
    m_list.SetRedraw(TRUE);
    DisableWhenLocked(m_bLocked, kEditingControls);
    ApplyAutoStart();
}

// The list is made without LVS_SHAREIMAGELISTS, so it destroys its image list with itself.
void CPage1Dlg::SetUpList() {
    CImageList images;
    images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 2);
    for (int icon : {IDI_PROFILE_WIRELESS, IDI_PROFILE_WIRED})
        images.Add(static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(icon),
                                                   IMAGE_ICON, 16, 16, LR_SHARED)));
    m_list.SetImageList(&images, LVSIL_SMALL);
    images.Detach();
    m_list.SetBkColor(RGB(255, 255, 255));
    m_list.SetTextBkColor(RGB(255, 255, 255));
    m_list.SetTextColor(RGB(0, 0, 0));
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);

    RECT client = {};
    m_list.GetClientRect(&client);
    m_list.InsertColumn(0, "Profile Name", LVCFMT_LEFT, client.right - client.left);
}

// Each entry's profile, password and ID are asked of the store by its card name; an entry the
// store cannot answer is left out and the others still load.
void CPage1Dlg::LoadStartList() {
    const std::vector<std::string> names =
        settings::StartListTokens(m_strStartList, m_nStartListCount);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].size() > kLongestStoredCard) {
            ShowErrorText(i == 0 ? kMsgFirstNameTooLong : kMsgLaterNameTooLong);
            return;
        }
        std::unique_ptr<StartEntry> entry = NewEntry();
        CopyCut(entry->card, names[i]);
        if (!ReadStoredEntry(*entry)) continue;
        if (AppendEntry(std::move(entry)) < 0 && i == 0) ShowErrorText(kMsgFirstEntryNotShown);
    }
}

// The store is loaded for this one entry. False drops the entry: the store could not be used or
// failed (a message says so), or it knows no profile for the card (silently).
bool CPage1Dlg::ReadStoredEntry(StartEntry& entry) {
    struct KeyedRead {
        schema::StoreItem item;
        char* field;
        std::size_t size;
    };
    const KeyedRead reads[] = {
        {schema::kItemEntryProfile, entry.profile, sizeof entry.profile},
        {schema::kItemEntryPassword, entry.password, sizeof entry.password},
        {schema::kItemEntryId, entry.id, sizeof entry.id},
    };
    std::optional<DWORD> failure;
    {
        LoadedModule store("OvaReg.dll");
        if (store.state() == LoadedModule::State::NotLoaded) {
            failure = kMsgStoreNotLoaded;
        } else if (store.state() == LoadedModule::State::NoFactory) {
            failure = kMsgStoreNoFactory;
        }
        for (const KeyedRead& read : reads) {
            if (failure) break;
            // the card name goes in as the key, and the answer comes back in its place
            char buffer[schema::kStoreTextSize] = {};
            CopyCut(buffer, entry.card);
            DWORD size = schema::kStoreTextSize;
            DWORD value = 0;
            DWORD status = 0;
            if (!store.object()->Invoke(read.item, &value, buffer, &size, &status)) {
                failure = status;
            } else {
                CopyCut(read.field, read.size, buffer, sizeof buffer);
            }
        }
    }  // the store object is released and the module unloaded before a message shows
    if (failure) ShowErrorText(*failure);
    return !failure && entry.profile[0] != '\0';
}

// The new item's index, or -1 when the list took no item; the record then goes with ENTRY.
int CPage1Dlg::AppendEntry(std::unique_ptr<StartEntry> entry) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = m_list.GetItemCount();
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.iImage = ImageOf(entry->profile);
    item.lParam = reinterpret_cast<LPARAM>(entry.get());
    const int index = m_list.InsertItem(&item);
    if (index >= 0) m_pEntries.push_back(std::move(entry));
    return index;
}

void CPage1Dlg::RemoveEntry(int item) {
    const StartEntry* entry = EntryAt(item);
    m_list.DeleteItem(item);
    m_pEntries.erase(std::find_if(m_pEntries.begin(), m_pEntries.end(),
                                  [entry](const auto& owned) { return owned.get() == entry; }));
}

int CPage1Dlg::ImageOf(const char* profilePath) const {
    if (HasProfileExtension(profilePath, m_strWirelessExt)) return kImageWireless;
    if (HasProfileExtension(profilePath, m_strWiredExt)) return kImageWired;
    return kImageNone;
}

CPage1Dlg::StartEntry* CPage1Dlg::EntryAt(int item) const {
    return reinterpret_cast<StartEntry*>(m_list.GetItemData(item));
}

// Only the rows the list shows as selected count: the arrow keys move the selection without the
// click that records an entry, and what is removed must be the row the user sees chosen.
int CPage1Dlg::SelectedItemOf(const StartEntry* entry) const {
    for (int item = m_list.GetNextItem(-1, LVNI_SELECTED); item >= 0;
         item = m_list.GetNextItem(item, LVNI_SELECTED))
        if (EntryAt(item) == entry) return item;
    return -1;
}

std::vector<const CPage1Dlg::StartEntry*> CPage1Dlg::StartEntries() const {
    std::vector<const StartEntry*> entries;
    if (m_list.m_hWnd) {
        for (int item = 0; item < m_list.GetItemCount(); ++item)
            if (const StartEntry* entry = EntryAt(item)) entries.push_back(entry);
    } else {
        for (const auto& owned : m_pEntries) entries.push_back(owned.get());
    }
    return entries;
}

// Step 7 of the initialisation, and the checkbox's click: nothing is selected afterwards.
void CPage1Dlg::ApplyAutoStart() {
    UpdateData(TRUE);
    m_pSelected = nullptr;
    EnableControls(m_nAutoStart == 1, kListControls);
    EnableControls(false, kEntryButtons);
}

void CPage1Dlg::ShowSelection() {
    EnableControls(true, kListControls);
    // Remove, about to be disabled with the focus, hands it to the list, or nothing would have it
    if (m_pSelected == nullptr && ::GetFocus() == GetDlgItem(IDC_BUTTON_REMOVE_ENTRY)->m_hWnd)
        m_list.SetFocus();
    EnableControls(m_pSelected != nullptr, kEntryButtons);
}

void CPage1Dlg::OnClickList(NMHDR* pNMHDR, LRESULT*) {
    const auto* click = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR);
    m_pSelected = click->iItem >= 0 ? EntryAt(click->iItem) : nullptr;
    ShowSelection();
}

// The list shows each entry by its profile's file name, which it asks for when it draws.
void CPage1Dlg::OnGetDispInfo(NMHDR* pNMHDR, LRESULT*) {
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(pNMHDR)->item;
    if (!(item.mask & LVIF_TEXT) || item.iSubItem != 0) return;
    const StartEntry* entry = EntryAt(item.iItem);
    if (!entry) return;
    CopyCut(m_szItemText, StoredProfileName(entry->profile));
    item.pszText = m_szItemText;
}

// The buttons keep their state after Add and Modify, but an entry must be clicked again before
// Remove or Modify act.
void CPage1Dlg::OnAdd() {
    EntryFields fields;
    if (RunEntryDialog(fields)) AddOrReplace(fields);
    m_pSelected = nullptr;
}

// A card has one entry at most: an entry for a card already listed replaces the old one in its
// row, unless the user keeps the old one.
void CPage1Dlg::AddOrReplace(const EntryFields& fields) {
    StartEntry candidate;
    FillEntry(candidate, fields.card, fields.profile, fields.id, fields.password);
    StartEntry* existing = nullptr;
    for (int item = 0; item < m_list.GetItemCount() && !existing; ++item) {
        StartEntry* listed = EntryAt(item);
        if (listed && lstrcmpiA(listed->card, candidate.card) == 0) existing = listed;
    }
    if (!existing) {
        std::unique_ptr<StartEntry> entry = NewEntry();
        *entry = candidate;
        if (AppendEntry(std::move(entry)) < 0) ShowErrorText(kMsgNewEntryNotShown);
        return;
    }
    // only No, or no question at all, replaces: a box that could not be shown is no consent
    const int answer = ShowTextBox(m_hWnd, kMsgSameCard, "Information - (9094)", "알림 - (9094)",
                                   kQuestionBoxType, existing->card);
    if (answer != IDNO && answer != kNoBoxShown) return;
    *existing = candidate;  // the row keeps its icon
    m_list.RedrawItems(0, m_list.GetItemCount() - 1);
}

void CPage1Dlg::OnRemove() {
    if (!m_pSelected) return;
    const int item = SelectedItemOf(m_pSelected);
    if (item >= 0) {
        const int answer =
            ShowTextBox(m_hWnd, kMsgRemoveEntry, "Information - (234)", "알림 - (234)",
                        kQuestionBoxType, StoredProfileName(m_pSelected->profile));
        // a box that could not be shown is no consent
        if (answer == kNoBoxShown || answer == IDYES) RemoveEntry(item);
    }
    m_pSelected = nullptr;
    ShowSelection();
}

// The card is not compared with the other entries here: two entries may end up with one card.
void CPage1Dlg::OnModify() {
    if (!m_pSelected) return;
    EntryFields fields{m_pSelected->card, m_pSelected->profile, m_pSelected->id,
                       m_pSelected->password};
    if (RunEntryDialog(fields))
        FillEntry(*m_pSelected, fields.card, fields.profile, fields.id, fields.password);
    m_list.RedrawItems(0, m_list.GetItemCount() - 1);
    m_pSelected = nullptr;
}

bool CPage1Dlg::RunEntryDialog(EntryFields& fields) {
    CAutoStartDlg dialog(this);
    dialog.SetInterfaceTexts(&m_strText[kTextEntryFirst]);
    dialog.m_strInstallDir = m_strInstallDir;
    dialog.m_nDpi = m_nDpi;
    dialog.m_strWirelessExt = m_strWirelessExt;
    dialog.m_strWiredExt = m_strWiredExt;
    dialog.m_strCardName = fields.card;
    dialog.m_strProfilePath = fields.profile;
    dialog.m_strId = fields.id;
    dialog.m_strPassword = fields.password;
    if (dialog.DoModal() != IDOK) return false;
    fields = {dialog.m_strCardName, dialog.m_strProfilePath, dialog.m_strId, dialog.m_strPassword};
    return true;
}
