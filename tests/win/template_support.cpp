#include "tests/win/template_support.h"

#include "store/profile_catalogue.h"
#include "tests/win/afx_test_support.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <fstream>

namespace templates {

namespace {

std::vector<HWND> Controls(HWND window) {
    std::vector<HWND> controls;
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        controls.push_back(c);
    return controls;
}

}  // namespace

void ExpectSkinnedExactly(HWND window, const std::set<int>& skinned) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    std::set<int> seen;
    for (HWND control : Controls(window)) {
        dc.SetTextColor(RGB(1, 2, 3));
        dc.SetBkMode(OPAQUE);
        const LRESULT brush =
            SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.m_hDC),
                         reinterpret_cast<LPARAM>(control));
        const bool hollow = brush == reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        const bool coloured = GetTextColor(dc) == RGB(119, 116, 81) && GetBkMode(dc) == TRANSPARENT;
        EXPECT_EQ(hollow, coloured) << GetDlgCtrlID(control);
        if (hollow && coloured) seen.insert(GetDlgCtrlID(control));
    }
    EXPECT_EQ(seen, skinned);
}

void ExpectTexts(const CWnd& window, const Shown& shown) {
    for (const auto& [id, expected] : shown) EXPECT_EQ(Text(window.m_hWnd, id), expected) << id;
}

void ExpectPages(const std::vector<PageCase>& pages, CWnd* parent) {
    for (size_t i = 0; i < pages.size(); ++i) {
        const PageCase& p = pages[i];
        for (bool locked : {false, true}) {
            if (locked && p.locked.empty()) continue;  // a page that cannot be locked
            SCOPED_TRACE("page " + std::to_string(i) + (locked ? " locked" : ""));
            auto page = p.make(p.texts, locked, parent);
            ASSERT_NE(page, nullptr);
            EXPECT_EQ(page->GetStyle() & (WS_CHILD | WS_VISIBLE), static_cast<DWORD>(WS_CHILD))
                << "the tab control shows one page at a time";
            for (size_t t = 0; t < p.shownOn.size(); ++t)
                if (p.shownOn[t]) ExpectTexts(*page, {{p.shownOn[t], p.texts[t]}});
            ExpectSkinnedExactly(page->m_hWnd, p.skinned);
            std::set<int> disabled;
            for (HWND control : Controls(page->m_hWnd))
                if (!IsWindowEnabled(control)) disabled.insert(GetDlgCtrlID(control));
            EXPECT_EQ(disabled, locked ? p.locked : p.unlockedDisabled);
        }
    }
}

std::vector<std::string> Lines(HWND page, int combo) {
    std::vector<std::string> lines;
    for (int i = 0; i < SendDlgItemMessageA(page, combo, CB_GETCOUNT, 0, 0); ++i)
        lines.push_back(ComboLineText(GetDlgItem(page, combo), i));
    return lines;
}

bool Enabled(HWND page, int id) {
    return IsWindowEnabled(GetDlgItem(page, id)) != FALSE;
}

bool Ticked(HWND page, int id) {
    return IsDlgButtonChecked(page, id) == BST_CHECKED;
}

void Notify(HWND page, int id, int code) {
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, code),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

void Tick(HWND page, int id, bool ticked) {
    CheckDlgButton(page, id, ticked ? BST_CHECKED : BST_UNCHECKED);
    Notify(page, id, BN_CLICKED);
}

void Choose(HWND page, int combo, int index) {
    SendDlgItemMessageA(page, combo, CB_SETCURSEL, index, 0);
    Notify(page, combo, CBN_SELENDOK);
}

void SelectRow(HWND page, int list, int row) {
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = item.stateMask;
    SendDlgItemMessageA(page, list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

void ClickRow(HWND page, int list, int row) {
    SelectRow(page, list, row);
    NMITEMACTIVATE click = {
        {GetDlgItem(page, list), UINT_PTR(list), UINT(NM_CLICK)}, row, 0, 0, 0, 0, {}, 0, 0};
    SendMessageA(page, WM_NOTIFY, list, reinterpret_cast<LPARAM>(&click));
}

void SetText(HKEY root, const char* key, const char* name, const std::optional<std::string>& text) {
    if (text)
        RegSetKeyValueA(root, key, name, REG_SZ, text->c_str(), DWORD(text->size() + 1));
    else
        RegDeleteKeyValueA(root, key, name);
}

void SetDword(HKEY root, const char* key, const char* name, DWORD value) {
    RegSetKeyValueA(root, key, name, REG_DWORD, &value, sizeof value);
}

void Put(const std::string& folder, const std::string& name, const std::string& content) {
    SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);  // a fresh prefix has no installation
    EXPECT_TRUE(std::ofstream(folder + "\\" + name, std::ios::binary) << content) << name;
}

std::string EmptyLog() {
    char appData[MAX_PATH] = {};
    SHGetSpecialFolderPathA(nullptr, appData, CSIDL_APPDATA, FALSE);
    CreateDirectoryA((std::string(appData) + "\\Ovanta").c_str(), nullptr);
    const std::string log = std::string(appData) + "\\Ovanta\\OvaSettings.log";
    DeleteFileA(log.c_str());
    return log;
}

Destination::Destination(const char* initial) {
    std::memset(this, 0x5A, sizeof *this);
    std::memset(text, 0, sizeof text);
    std::strcpy(text, initial);
}

bool Destination::GuardsIntact() const {
    return std::string(before, 8) + std::string(after, 8) == std::string(16, 0x5A);
}

EmptyProfileFolders::EmptyProfileFolders()
    : common(GetProfileFolder()), user(GetUserProfileFolder()) {
    for (const std::string& folder : {common, user}) {
        MoveFileExA(folder.c_str(), (folder + ".kept").c_str(), MOVEFILE_REPLACE_EXISTING);
        SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    }
}

EmptyProfileFolders::~EmptyProfileFolders() {
    for (const std::string& folder : {common, user}) {
        SHFILEOPSTRUCTA removal = {};
        const std::string from = folder + '\0';  // the list ends with a second zero
        removal.wFunc = FO_DELETE;
        removal.pFrom = from.c_str();
        removal.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
        SHFileOperationA(&removal);
        MoveFileExA((folder + ".kept").c_str(), folder.c_str(), 0);
    }
}

void BoxTitles::SetUp() {
    SetMessageBoxRecorder([this](HWND, const std::string&, const std::string& title, UINT) {
        boxTitles.push_back(title);
        return IDOK;
    });
}

void PageHost::SetUp() {
    BoxTitles::SetUp();
    InitTestControls();
    parent.Attach(CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                                  nullptr, nullptr));
    ASSERT_NE(parent.m_hWnd, nullptr);
    app.m_hClient = QTV_CLI_initialize();
    ASSERT_NE(app.m_hClient, 0u);
}

void PageHost::TearDown() {
    QTV_CLI_terminate(app.m_hClient);
    DestroyWindow(parent.Detach());
    BoxTitles::TearDown();
}

}  // namespace templates
