// The certificate page on a Cert folder of its own, the firewall page on the library's fixture.
#include "app/ansi_text.h"
#include "app/file_content.h"
#include "pages/page5_dlg.h"
#include "pages/page7_dlg.h"
#include "sim/common/sim_state.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"
#include "tools/driver/driver.h"

#include <algorithm>

namespace {

using namespace templates;

// The file dialog answers CHOSEN, or is cancelled when it is empty; what the shell would open
// is kept in OPENED.
struct Page : CPage5Dlg {
    std::string chosen;
    Names opened;
    INT_PTR AskImportFile(CFileDialog& dialog) override {
        lstrcpynA(dialog.m_ofn.lpstrFile, chosen.c_str(), dialog.m_ofn.nMaxFile);
        return chosen.empty() ? IDCANCEL : IDOK;
    }
    void OpenWithShell(const std::string& path) override { opened.push_back(path); }
    bool Open(CWnd* parent, const std::string& install) {  // on the Cert folder under install
        SetInterfaceTexts(Texts{"230", "231", "232", "233", "234", "235"}.data());
        m_strInstallDir = install;
        return Create(IDD, parent);
    }
};

const std::string kBuilt = driver::OwnFolder() + "\\certs\\";  // made by the build

std::string Heading(HWND list, int column) {
    char text[64] = {};
    LVCOLUMNA heading = {};
    heading.mask = LVCF_TEXT;
    heading.pszText = text;
    heading.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&heading));
    return text;
}

// Cert holds an unreadable file under Brenwick's name, a folder "x.0" and a file not named ".0";
// Campus comes after the page, so only a rebuilt list counts it. Questions follow the file name;
// a folder under Brenwick's name is no file to replace, so nothing asks.
TEST_F(PageHost, CertificatePageListsWhatTheLibraryReadsAndImportAsksBeforeReplacing) {
    EmptyProfileFolders scratch;  // the installation folder, emptied and put back at the end
    const std::string install = scratch.user, cert = install + "\\Cert\\";
    struct Case {
        std::string chosen, missingTexts;
        int language, answer, rows;
        Names boxes;
        bool folderAtTarget = false;
    } cases[] = {
        {"", "", 1, IDYES, 0, {}},
        {"names.txt", "", 1, IDYES, 0, {"Error - (8050)"}},
        {"brenwick-root.pem", "", 1, IDNO, 1, {"Information - (245) after"}},
        {"brenwick-root.pem", "", 1, 0, 1, {"Information - (245) after"}},  // the box failed
        {"brenwick-root.der", "", 0, IDYES, 2, {Utf8ToCodePage("알림 - (245)") + " after"}},
        {"brenwick-root.pem", "8053", 1, IDNO, 2, {}},
        {"brenwick-root.pem", "", 1, IDNO, 1, {}, true},
    };
    for (const Case& c : cases) {
        testing_client::ScopedClient client(c.language);
        testing_client::SetFixtureText("MissingTexts", c.missingTexts);
        DeleteFileA((cert + "6b1a6887.0").c_str());
        CreateDirectoryA(cert.c_str(), nullptr);
        CreateDirectoryA((cert + "x.0").c_str(), nullptr);
        if (c.folderAtTarget && DeleteFileA((cert + "cdb864bc.0").c_str()))
            CreateDirectoryA((cert + "cdb864bc.0").c_str(), nullptr);
        CopyFileA((kBuilt + "names.txt").c_str(), (cert + "cdb864bc.0").c_str(), FALSE);
        CopyFileA((kBuilt + "campus-radius.der").c_str(), (cert + "c.crt").c_str(), FALSE);
        Names boxes;
        SetMessageBoxRecorder([&](HWND, const std::string& text, const std::string& title, UINT) {
            boxes.push_back(title + (text.rfind("cdb864bc.0\n", 0) == 0 ? " after" : ""));
            return c.answer;
        });
        Page page;  // locked when Korean: the list greyed, importing still open
        page.m_bLocked = c.language == 0;
        page.chosen = c.chosen.empty() ? "" : kBuilt + c.chosen;
        const size_t before = testing_client::JournalOfThisProcess().size();
        ASSERT_TRUE(page.Open(&parent, install));
        const auto journal = testing_client::JournalOfThisProcess();
        EXPECT_EQ(std::count_if(journal.begin() + before, journal.end(),
                                [](const auto& e) { return e.operation == "get_cert_info"; }),
                  c.folderAtTarget ? 0 : 1)
            << "the library is asked about the file, never about a folder";
        CopyFileA((kBuilt + "campus-radius.pem").c_str(), (cert + "6b1a6887.0").c_str(), FALSE);
        Notify(page.m_hWnd, 1053, BN_CLICKED);
        EXPECT_EQ(boxes, c.boxes);
        EXPECT_EQ(Heading(page.m_listCerts.m_hWnd, 0), "231 (" + std::to_string(c.rows) + ")");
        if (c.rows != 1) continue;
        EXPECT_EQ(page.m_listCerts.GetItemText(0, 0), "Campus RADIUS Root");
    }
}

// Without a Cert folder the list is empty and says so; the first column
// takes two thirds of the width, the second the rest, each row with the certificate icon. A
// double-click opens a copy named after the file, in the application-data folder; without that
// folder or the file nothing opens.
TEST_F(PageHost, CertificateListSharesItsWidthAndADoubleClickOpensACopyWhileItsFileIsThere) {
    EmptyProfileFolders scratch;
    Page page;
    page.chosen = kBuilt + "campus-radius.pem";
    ASSERT_TRUE(page.Open(&parent, scratch.user));
    const HWND list = page.m_listCerts.m_hWnd;
    RECT client = {};
    GetClientRect(list, &client);
    EXPECT_EQ(Heading(list, 0) + "|" + Heading(list, 1), "231 (0)|232");
    const int first = ListView_GetColumnWidth(list, 0), second = ListView_GetColumnWidth(list, 1);
    EXPECT_NEAR(first + second, client.right, 1);
    EXPECT_GT(first, second);
    EXPECT_EQ(ImageList_GetImageCount(ListView_GetImageList(list, LVSIL_SMALL)), 1);

    CreateDirectoryA((scratch.user + "\\Cert").c_str(), nullptr);
    Notify(page.m_hWnd, 1053, BN_CLICKED);
    ASSERT_EQ(page.m_listCerts.GetItemCount(), 1);
    const std::string file = scratch.user + "\\Cert\\6b1a6887.0";
    const std::string appData = page.m_strAppDataDir, copy = appData + "\\6b1a6887.0.cer";
    auto doubleClick = [&page] {
        NMITEMACTIVATE click = {};
        click.hdr = {page.m_listCerts.m_hWnd, 1052, static_cast<UINT>(NM_DBLCLK)};
        for (int row : {-1, 0}) {
            click.iItem = row;
            page.SendMessage(WM_NOTIFY, 1052, reinterpret_cast<LPARAM>(&click));
        }
    };
    doubleClick();
    EXPECT_EQ(page.opened, Names{copy});
    EXPECT_EQ(ReadFileContent(copy), ReadFileContent(file));
    DeleteFileA(copy.c_str());
    page.m_strAppDataDir.clear();
    doubleClick();
    page.m_strAppDataDir = appData;
    DeleteFileA(file.c_str());
    doubleClick();
    EXPECT_EQ(page.opened.size(), 1u);
    EXPECT_EQ(GetFileAttributesA(copy.c_str()), INVALID_FILE_ATTRIBUTES);
}

// One page, its tab entered for each policy in turn: each entry shows that policy alone, and
// leaving the tab empties the table.
TEST_F(PageHost, FirewallPageShowsThePolicyTheLibraryReportsAtEachTabEntry) {
    const FirewallRule out = {0xC0A80001, 0xC0A800FF, 0x0A000001, 0x0A0000FE, 53, 1024,
                              1025,       80,         6,          1,          1};
    const FirewallRule in = {0xC0A80001, 0xC0A800FF, 0x0A000001, 0x0A0000FE, 53, 1024,
                             1025,       80,         17,         0,          0};
    const std::string outRow = "OutBound 10.0.0.1 10.0.0.254 TCP Allow 1025 80",
                      inRow = "InBound 192.168.0.1 192.168.0.255 UDP Deny 53 1024";
    const struct {
        int header[4];  // and the rules after it, as the library lays the block out
        FirewallRule rules[3];
        DWORD size;  // 0: the library reports size 0, and is asked once
        Names rows;
    } cases[] = {
        {{}, {}, 0, {}},
        {{0, 0, 0, 0}, {}, 16, {}},
        {{0, 1, 1, 0}, {out, in}, 16 + 2 * 36, {outRow, inRow}},
        {{0, 2, 1, 0}, {in, out}, 16 + 3 * 36 - 1, {inRow, outRow}},  // the third record cut
    };
    CPage7Dlg page;
    const size_t before = testing_client::JournalOfThisProcess().size();
    ASSERT_TRUE(page.Create(CPage7Dlg::IDD, &parent));
    EXPECT_EQ(testing_client::JournalOfThisProcess().size(), before) << "nothing read before";
    for (const auto& c : cases) {
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, sim::kSimulatorKey, "FirewallPolicy", REG_BINARY,
                        c.header, c.size);
        const size_t journal = testing_client::JournalOfThisProcess().size();
        page.OnTabPageActivate(6, 6);
        EXPECT_EQ(testing_client::JournalOfThisProcess().size() - journal, c.size ? 2u : 1u);
        Names rows(page.m_listRules.GetItemCount());
        for (size_t i = 0; i < rows.size() * 7; ++i)
            rows[i / 7] += (i % 7 ? " " : "") + page.m_listRules.GetItemText(int(i / 7), i % 7);
        EXPECT_EQ(rows, c.rows);
        page.OnTabPageDeactivate(6, 6);
        EXPECT_EQ(page.m_listRules.GetItemCount(), 0);
    }
}

}  // namespace
