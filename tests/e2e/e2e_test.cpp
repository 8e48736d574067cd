// The real editor as its own process, driven from outside on a freshly reset client: the
// single-instance guard between two real processes, a client library that cannot be opened, the
// release of the library handle at the end, and an editing session (controls changed on several
// pages, a card chosen from a list, the libraries needed only to start let go, OK) after which
// the client holds those changes and nothing else, in its own dump and as Windows's own registry
// tool reads it. And the one way Wine hands a list's line to another process differently from
// Windows.
#include "tests/win/client_state.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <nlohmann/json.hpp>

namespace {

constexpr const char kInstalledEditor[] = "\"C:\\Program Files\\Ovanta\\OvaSettings.exe\"";
constexpr DWORD kWindowTimeoutMs = 30000;

bool Ovasim(const std::string& arguments, std::string* out = nullptr) {
    return driver::Run("\"" + driver::OwnFolder() + "\\ovasim.exe\" " + arguments, out) == 0;
}
// The dump without its "journal" member, which every call of the client library extends.
std::string WithoutJournal(const std::string& json) {
    auto state = nlohmann::json::parse(json, nullptr, false);
    if (state.is_discarded()) return "not JSON: " + json;
    state.erase("journal");
    return state.dump(1);
}
using driver::Process;

class EditorStart : public ::testing::Test {
protected:
    // A client with cards and with what every page reads, so that the editor opens without a box.
    void SetUp() override { ASSERT_TRUE(Ovasim("reset --demo")); }
    void TearDown() override {
        for (Process* p : {&first, &second}) {
            if (p->handle && !driver::WaitForExit(*p, 0)) TerminateProcess(p->handle, 1);
            driver::CloseProcess(*p);
        }
    }

    // Closes the editor's dialog with Cancel and waits for the process to end.
    void Cancel(Process& editor, HWND dialog) {
        driver::Click(dialog, IDCANCEL);
        EXPECT_TRUE(driver::WaitForExit(editor, kWindowTimeoutMs));
    }

    // Every process of the editor opens two library handles: first the card list's own, made
    // before the application starts and never released, then the application's, released once
    // and last.
    static void ExpectReleasedOnce(DWORD pid) {
        auto journal =
            testing_client::JournalOf("C:\\Program Files\\Ovanta\\ovacli-journal.txt", pid);
        ASSERT_FALSE(journal.empty());
        // each open and release, and whether it is on the card list's handle
        std::vector<std::pair<std::string, bool>> life;
        for (const auto& e : journal)
            if (e.operation == "initialize" || e.operation == "terminate")
                life.emplace_back(e.operation, e.handle == journal.front().handle);
        const decltype(life) expected = {
            {"initialize", true}, {"initialize", false}, {"terminate", false}};
        EXPECT_EQ(life, expected);
        EXPECT_EQ(journal.back().result, 0);
        EXPECT_EQ(journal.back().operation, "terminate") << "released last";
    }

    Process first, second;
};

TEST_F(EditorStart, SecondCopyShows8119AndTheFirstStaysUndisturbed) {
    ASSERT_TRUE(Ovasim("set-item 49 --int 1"));
    first = driver::Start(kInstalledEditor);
    HWND dialog = driver::WaitForDialog(first.pid, kWindowTimeoutMs);
    ASSERT_NE(dialog, nullptr);
    ASSERT_FALSE(driver::IsMessageBox(dialog)) << "the demo client opens without a box";
    EXPECT_EQ(driver::WaitForMessageBox(first.pid, 500), nullptr);

    second = driver::Start(kInstalledEditor);
    HWND box = driver::WaitForMessageBox(second.pid, kWindowTimeoutMs);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(driver::WindowText(box), "Error - (8119)");
    EXPECT_FALSE(driver::ControlText(box, 0xFFFF).empty());
    driver::Click(box, IDOK);
    EXPECT_TRUE(driver::WaitForExit(second, kWindowTimeoutMs)) << "ended, and without a dialog";
    ExpectReleasedOnce(second.pid);  // the refused copy made its card list too

    EXPECT_TRUE(IsWindow(dialog) && IsWindowVisible(dialog)) << "the first copy goes on";
    Cancel(first, dialog);
    ExpectReleasedOnce(first.pid);
}

// Both the card list (before the application starts) and the application ask for a handle, and
// each refusal shows 8024.
TEST_F(EditorStart, ClientLibraryThatCannotBeOpenedShows8024TwiceAndNoDialog) {
    ASSERT_TRUE(Ovasim("set-item 49 --int 1"));
    ASSERT_TRUE(Ovasim("fixture InitializeFails 1"));
    first = driver::Start(kInstalledEditor);
    for (const char* whose : {"the card list", "the application"}) {
        HWND box = driver::WaitForMessageBox(first.pid, kWindowTimeoutMs);
        ASSERT_NE(box, nullptr) << whose;
        EXPECT_EQ(driver::WindowText(box), "Error - (8024)") << whose;
        driver::Click(box, IDOK);
        // the next box comes once this one has gone
        for (int i = 0; i < 100 && IsWindow(box); ++i) Sleep(20);
    }
    EXPECT_TRUE(driver::WaitForExit(first, kWindowTimeoutMs));
}

// A bare client with cards first shows the boxes its pages prescribe for what it lacks, each
// once, and then the editor's window; OK then stores start-up authentication off, in the key the
// installation made.
TEST_F(EditorStart, OnABareClientOnlyThePagesBoxesComeBeforeTheWindowAndOkStoresStartUpOff) {
    ASSERT_TRUE(Ovasim("reset --english"));
    ASSERT_TRUE(Ovasim("fixture Cards \"lan0||Wired LAN||0##\""));
    first = driver::Start(kInstalledEditor);
    std::vector<std::string> shown;
    HWND window = nullptr;
    while ((window = driver::WaitForDialog(first.pid, kWindowTimeoutMs)) &&
           driver::IsMessageBox(window) && shown.size() < 5) {
        shown.push_back(driver::WindowText(window));
        driver::Click(window, IDOK);
        for (int i = 0; i < 100 && IsWindow(window); ++i) Sleep(20);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"Error - (8091)", "Error - (8106)"}));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(driver::WaitForMessageBox(first.pid, 500), nullptr);
    driver::Click(window, IDOK);
    EXPECT_TRUE(driver::WaitForExit(first, kWindowTimeoutMs))
        << "a box: " << driver::WindowText(driver::WaitForMessageBox(first.pid, 0));
    std::string dump;
    ASSERT_TRUE(Ovasim("dump", &dump));
    EXPECT_EQ(
        nlohmann::json::parse(dump)["registry"]["HKLM\\SOFTWARE\\Brenwick\\Ovanta\\6.0\\StartUp"]
                                   ["StartUpAuthEnable"],
        0);
}

// Control ID of any page of DIALOG, in the tab control or (without a tab) in the dialog itself.
HWND PageControl(HWND dialog, int id) {
    std::pair<int, HWND> search{id, nullptr};
    EnumChildWindows(
        dialog,
        [](HWND window, LPARAM p) {
            auto& [id, found] = *reinterpret_cast<std::pair<int, HWND>*>(p);
            return (found = GetDlgItem(window, id)) ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

using EditingSession = EditorStart;  // an editor a failed step leaves open ends with the test
TEST_F(EditingSession, OkStoresTheChangesOfSeveralPagesAndNothingElse) {
    first = driver::Start(kInstalledEditor);
    HWND dialog = driver::WaitForDialog(first.pid, kWindowTimeoutMs);
    std::string before, after;
    ASSERT_TRUE(Ovasim("dump", &before));
    SendMessageA(PageControl(dialog, 1020), BM_CLICK, 0, 0);  // auto-connect off
    SendMessageA(PageControl(dialog, 1066), BM_CLICK, 0, 0);  // wired/wireless switching off
    SendMessageA(PageControl(dialog, 1062), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("12"));
    // the second wired card for Windows logon, its NDIS name and kind with it, then a profile
    // from the list that choosing a card empties and fills anew
    const char kCard[] = "Intel(R) Ethernet Connection I219-LM";
    const HWND logon = GetParent(PageControl(dialog, 1057));
    ASSERT_TRUE(driver::Choose(logon, 1057, kCard));
    ASSERT_TRUE(driver::Choose(logon, 1059, "office.pcf"));
    // what it loaded only to start has gone; the hash and cipher library OK needs again stays
    const std::vector<std::string> modules = driver::LoadedModules(first.pid);
    const auto loaded = [&modules](const char* name) {
        return std::find(modules.begin(), modules.end(), name) != modules.end();
    };
    ASSERT_TRUE(loaded("ovacli.dll"));
    for (const char* gone : {"shell32.dll", "gdiplus.dll", "crypt32.dll", "ovareg.dll"})
        EXPECT_FALSE(loaded(gone)) << gone;
    EXPECT_TRUE(loaded("bcrypt.dll"));
    driver::Click(dialog, IDOK);
    EXPECT_TRUE(driver::WaitForExit(first, kWindowTimeoutMs))
        << "a box: " << driver::WindowText(driver::WaitForMessageBox(first.pid, 0));
    driver::EndProcess(first.pid);
    ExpectReleasedOnce(first.pid);  // closing with OK releases as closing with Cancel does

    auto expected = nlohmann::json::parse(before);
    auto& items = expected["store"]["items"];
    items["44"] = 0;
    auto& svc = expected["registry"]["HKLM\\SOFTWARE\\Brenwick\\Ovanta\\6.0\\OvaSvc"];
    svc["WireWirelessAutoSwitch"] = svc["UserNotice"] = 0;  // switching off silences its notice
    auto& gina = expected["registry"]["HKLM\\SOFTWARE\\Brenwick\\Ovanta\\6.0\\OvaGina"];
    gina["AuthTimeout"] = "12";
    gina["NicName"] = kCard;
    gina["NdisName"] = "{4D36E972-0002-4A1B-9C2D-00155D010A02}";
    gina["NicType"] = "wired";
    expected["registryBytes"]["HKLM\\SOFTWARE\\Brenwick\\Ovanta\\6.0\\OvaGina"]["NicName"] =
        sizeof kCard;
    std::string profiles;  // the start list's profiles, committed again as they stand
    for (const auto& entry : expected["store"]["startList"])
        profiles += entry["profile"].get<std::string>() + ";;";
    items["71"] = profiles;
    ASSERT_TRUE(Ovasim("dump", &after));
    EXPECT_EQ(WithoutJournal(after), WithoutJournal(expected.dump()));
    // and as Windows's own registry tool reads it
    std::string query;
    EXPECT_EQ(driver::Run("reg.exe query \"HKLM\\SOFTWARE\\Brenwick\\Ovanta\\6.0\\OvaGina\" /v "
                          "NicName",
                          &query),
              0);
    EXPECT_NE(query.find(std::string("REG_SZ    ") + kCard), std::string::npos) << query;
}

// Where Wine differs from Windows: a combo box line asked for with the ANSI message from another
// process comes in UTF-16 (Windows converts it), which is why the driver reads lines in UTF-16.
using WineDifference = EditorStart;
TEST_F(WineDifference, AComboBoxLineAskedForInAnsiFromAnotherProcessComesInUtf16) {
    first = driver::Start(kInstalledEditor);
    HWND dialog = driver::WaitForDialog(first.pid, kWindowTimeoutMs);
    char line[256] = {};  // room for the line in UTF-16 too
    SendMessageA(PageControl(dialog, 1057), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(line));
    EXPECT_EQ(std::string(line, 4), std::string("R\0e\0", 4)) << "the first card, Realtek";
    Cancel(first, dialog);
}

}  // namespace
