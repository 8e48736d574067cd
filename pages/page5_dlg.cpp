#include "pages/page5_dlg.h"

#include "afx/file_find.h"
#include "afx/shell_library.h"
#include "app/ansi_text.h"
#include "app/fixed_text.h"
#include "app/message_box.h"
#include "app/message_text.h"
#include "store/profile_catalogue.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace {

constexpr DWORD kMsgCertPathTooLong = 8046;
constexpr DWORD kMsgImportPathTooLong = 8049;
constexpr DWORD kMsgNoCertFileName = 8050;
constexpr DWORD kMsgReplaceCert = 8053;
constexpr DWORD kMsgRowRefused = 8061;
constexpr DWORD kMsgNoRowMemory = 8062;

constexpr char kReplaceTitle[] = "Information - (245)";
constexpr char kReplaceTitleKorean[] = "알림 - (245)";

// Bitmap IDB_CERTIFICATE holds images of this width side by side; this colour is transparent.
constexpr int kCertIconWidth = 17;
constexpr COLORREF kCertIconMask = RGB(0, 128, 128);

// The list asks for at most this many characters of a row's text.
constexpr size_t kShownTextLength = 256;

// What a locked page keeps the user from changing; importing stays open.
constexpr int kEditingControls[] = {IDC_LIST_CERTIFICATES, IDC_STATIC_TRUSTED_ROOTS};

// The columns share the list's width, two thirds to the first.
int FirstColumnWidth(int listWidth) {
    return 2 * listWidth / 3 - 40;
}
int SecondColumnWidth(int listWidth) {
    return listWidth / 3 + 40;
}

// A folder of that name is no file: a certificate could be neither opened from it nor replaced.
bool FileExists(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

CPage5Dlg::CPage5Dlg() : CSkinnedPage(IDD, {IDC_STATIC_TRUSTED_ROOTS}, kTextCount) {}

void CPage5Dlg::DoDataExchange(CDataExchange* pDX) {
    CSkinnedPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_CERTIFICATES, m_listCerts);
}

const MessageMap* CPage5Dlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        NotifyEntry(IDC_LIST_CERTIFICATES, LVN_GETDISPINFOA, &CPage5Dlg::OnGetDispInfo),
        NotifyEntry(IDC_LIST_CERTIFICATES, NM_DBLCLK, &CPage5Dlg::OnDoubleClick),
        CommandEntry(IDC_BUTTON_IMPORT_CERT, BN_CLICKED, &CPage5Dlg::OnImport),
        MessageEntry(WM_DESTROY, &CPage5Dlg::OnDestroy),
    };
    static const MessageMap map{CSkinnedPage::GetMessageMap(), entries};
    return &map;
}

void CPage5Dlg::InitializeValues() {
    SetDlgItemText(IDC_BUTTON_IMPORT_CERT, m_strText[kTextImport]);
    SetDlgItemText(IDC_STATIC_TRUSTED_ROOTS, m_strText[kTextTrustedRoots]);
    m_listCerts.SetRedraw(FALSE);  // drawn again once filled
    SetUpList();
    FillList();
    m_strAppDataDir = SpecialFolder(CSIDL_APPDATA).value_or("");
    DisableWhenLocked(m_bLocked, kEditingControls);
}

void CPage5Dlg::SetUpList() {
    // The list only borrows the icons (LVS_SHAREIMAGELISTS): the page lets them go.
    m_imageList.Attach(::ImageList_LoadImageA(AfxGetResourceHandle(),
                                              MAKEINTRESOURCEA(IDB_CERTIFICATE), kCertIconWidth, 1,
                                              kCertIconMask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
    m_listCerts.SetImageList(&m_imageList, LVSIL_SMALL);
    m_listCerts.SetBkColor(RGB(255, 255, 255));
    m_listCerts.SetTextColor(RGB(0, 0, 0));
    m_listCerts.SetTextBkColor(RGB(255, 255, 255));
    m_listCerts.SetExtendedStyle(LVS_EX_FULLROWSELECT);

    RECT client = {};
    m_listCerts.GetClientRect(&client);
    const int width = client.right - client.left;
    m_listCerts.InsertColumn(0, m_strText[kTextColumn0].c_str(), LVCFMT_LEFT,
                             FirstColumnWidth(width));
    m_listCerts.InsertColumn(1, m_strText[kTextColumn1].c_str(), LVCFMT_LEFT,
                             SecondColumnWidth(width));
}

// The first header counts the rows shown: "header (n)".
void CPage5Dlg::SetCountHeader() {
    RECT client = {};
    m_listCerts.GetClientRect(&client);
    std::string header =
        m_strText[kTextColumn0] + " (" + std::to_string(m_listCerts.GetItemCount()) + ")";
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = header.data();
    column.cx = FirstColumnWidth(client.right - client.left);
    m_listCerts.SendMessage(LVM_SETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
}

// The list lays itself out once, when every row is in; the count header is measured after that,
// against the list as it then is.
void CPage5Dlg::FillList() {
    m_listCerts.SetRedraw(FALSE);
    CFileFind finder;
    BOOL working = finder.FindFile((m_strInstallDir + "\\Cert\\*.0").c_str());
    while (working) {
        working = finder.FindNextFile();
        if (finder.IsDots() || finder.IsDirectory()) continue;
        const std::string path = finder.GetFilePath();
        if (path.size() > static_cast<size_t>(kPathSize)) {
            ShowErrorText(kMsgCertPathTooLong);
            continue;
        }
        char buffer[kPathSize] = {};
        CopyCut(buffer, path);
        AddRow(buffer);
    }
    m_listCerts.SetRedraw(TRUE);
    SetCountHeader();
}

// A file the library cannot read as a certificate has no row, and nothing is said about it.
void CPage5Dlg::AddRow(const char* path) {
    char texts[5][kQtvCertTextSize] = {};
    char error[kQtvErrorSize] = {};
    DWORD cell = 0;
    if (QTV_CLI_get_cert_info(path, texts[0], texts[1], texts[2], texts[3], texts[4], &cell,
                              error) == 0)
        return;
    std::unique_ptr<CertItem> item(new (std::nothrow) CertItem{});
    if (!item) {
        ShowErrorText(kMsgNoRowMemory);
        return;
    }
    CopyCut(item->path, path, kPathSize);
    for (int i = 0; i < 5; ++i) CopyCut(item->text[i], texts[i], kQtvCertTextSize);
    // kept before the row exists, so that the row never points at a record not yet kept
    try {
        m_certItems.push_back(std::move(item));
    } catch (const std::bad_alloc&) {  // the list of records could not grow: no row either
        ShowErrorText(kMsgNoRowMemory);
        return;
    }
    if (m_listCerts.InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, m_listCerts.GetItemCount(),
                               LPSTR_TEXTCALLBACKA, 0, 0, 0,
                               reinterpret_cast<LPARAM>(m_certItems.back().get())) < 0) {
        ShowErrorText(kMsgRowRefused);
        m_certItems.pop_back();
    }
}

// The rows go before their records, so that no row is asked about a freed one.
void CPage5Dlg::EmptyList() {
    m_listCerts.DeleteAllItems();
    m_certItems.clear();
}

void CPage5Dlg::OnGetDispInfo(NMHDR* pNMHDR, LRESULT*) {
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(pNMHDR)->item;
    if (!(item.mask & LVIF_TEXT) || item.pszText == nullptr || item.cchTextMax <= 0) return;
    const auto* cert = reinterpret_cast<const CertItem*>(m_listCerts.GetItemData(item.iItem));
    if (cert == nullptr || item.iSubItem < 0 || item.iSubItem > 1) return;
    const char* text = cert->text[item.iSubItem + 1];
    const size_t room = std::min(kShownTextLength + 1, static_cast<size_t>(item.cchTextMax));
    CopyCut(item.pszText, room, text, room);
}

// The system's viewer opens a copy named after the file ("N.0.cer"), since it knows certificates
// by that extension only; opening the same certificate again overwrites the copy.
void CPage5Dlg::OnDoubleClick(NMHDR* pNMHDR, LRESULT*) {
    const int row = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem;
    if (row < 0) return;
    const auto* cert = reinterpret_cast<const CertItem*>(m_listCerts.GetItemData(row));
    if (cert == nullptr || cert->path[0] == '\0' || !FileExists(cert->path) ||
        m_strAppDataDir.empty())
        return;
    const std::string path = cert->path;
    const std::string target =
        m_strAppDataDir + "\\" + path.substr(path.find_last_of('\\') + 1) + ".cer";
    CopyFileA(cert->path, target.c_str(), FALSE);
    OpenWithShell(target);
}

void CPage5Dlg::OpenWithShell(const std::string& path) {
    const CShellLibrary shell;
    if (shell.Execute) shell.Execute(m_hWnd, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CPage5Dlg::OnImport() {
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_LONGNAMES,
                       m_strText[kTextImportFilter].c_str(), this);
    dialog.m_ofn.lpstrTitle = m_strText[kTextImportTitle].c_str();
    if (AskImportFile(dialog) != IDOK) return;
    const std::string chosen = dialog.GetPathName();
    if (chosen.size() > static_cast<size_t>(kPathSize)) {
        ShowErrorText(kMsgImportPathTooLong);
        return;
    }
    char source[kPathSize] = {};
    CopyCut(source, chosen);
    char fileName[kPathSize] = {};
    char error[kQtvErrorSize] = {};
    DWORD cell = 0;
    if (QTV_CLI_get_cert_file_name(source, fileName, &cell, error) == 0) {
        ShowErrorText(kMsgNoCertFileName);
        return;
    }
    const std::string name = TextOf(fileName, sizeof fileName);
    char target[kPathSize] = {};
    CopyCut(target, m_strInstallDir + "\\Cert\\" + name);
    if (!FileExists(target) || AskReplace(name)) QTV_CLI_install_cert(source, target);
    EmptyList();
    FillList();
}

// Without a question to ask, the certificate is replaced; a box that could not be shown is no
// consent.
bool CPage5Dlg::AskReplace(const std::string& fileName) {
    const int answer = ShowTextBox(m_hWnd, kMsgReplaceCert, kReplaceTitle, kReplaceTitleKorean,
                                   kQuestionBoxType, fileName);
    return answer == kNoBoxShown || answer == IDYES;
}

void CPage5Dlg::OnDestroy() {
    CSkinnedPage::OnDestroy();
    EmptyList();
}
