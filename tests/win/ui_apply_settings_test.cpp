// OK on the main dialog against the demo client: what it writes, value by value and byte by byte,
// what a failure leaves open, and what a second OK writes again.
#include "store/nics_info.h"
#include "store/profile_catalogue.h"
#include "store/registry_schema.h"
#include "store/startup_shortcuts.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"
#include "tests/win/main_dialog_host.h"
#include "tools/driver/driver.h"

#include <nlohmann/json.hpp>
#include <shlobj.h>

namespace {

using namespace main_dialog;
using namespace templates;
using Json = nlohmann::ordered_json;
using Act = std::function<void(COvaSettingsDlg&)>;
using D = COvaSettingsDlg;
using Writes = std::vector<std::pair<std::string, std::uint32_t>>;

std::string Key(const char* key) {
    return std::string("HKLM\\") + key;
}

Json Dump() {
    std::string out;
    const int exit = driver::Run("\"" + driver::OwnFolder() + "\\ovasim.exe\" dump", &out);
    const DWORD error = GetLastError();
    EXPECT_EQ(exit, 0) << "error " << error;
    Json state = Json::parse(out, nullptr, false);
    if (state.is_object()) state.erase("journal");
    return state;
}

Act Then(Act first, Act second) {
    return [first, second](COvaSettingsDlg& d) { first(d), second(d); };
}
const Act kOk = [](COvaSettingsDlg& d) { d.SendMessage(WM_COMMAND, IDOK); };
// The control ID of page PAGE left unticked, or with nothing chosen.
template <auto page>
Act Untick(int id) {
    return [id](COvaSettingsDlg& d) { Tick(d.*page, id, false); };
}
template <auto page>
Act Unpick(int id) {
    return [id](COvaSettingsDlg& d) { Choose(d.*page, id, -1); };
}
// The wireless default, chosen from a fresh enumeration; LongCards names it with LENGTH letters.
const Act kChooseFirstWirelessCard = [](COvaSettingsDlg& d) {
    d.m_page3.SendMessage(WM_COMMAND, MAKEWPARAM(1014, CBN_DROPDOWN), 0);
    Choose(d.m_page3, 1014, 0);
};
// Each entry of the start list clicked and removed, as the user removes them.
const Act kRemoveEveryEntry = [](COvaSettingsDlg& d) {
    while (ListView_GetItemCount(GetDlgItem(d.m_page1.m_hWnd, 1006)) > 0) {
        ClickRow(d.m_page1.m_hWnd, 1006, 0);
        d.m_page1.SendMessage(WM_COMMAND, 1010);
    }
};
std::string LongCards(size_t length) {
    return "fixture Cards N||" + std::string(length, 'W') + "||1##R||Realtek||0##";
}
Act DebugData(int on) {
    return [on](COvaSettingsDlg& d) { d.m_page4.m_bDebugData = on; };
}
Act WaitTime(const char* text) {
    return [text](COvaSettingsDlg& d) { SetDlgItemTextA(d.m_page6.m_hWnd, 1062, text); };
}

class ApplySettings : public Host {
protected:
    // The card list and the catalogue the program makes at its start, from the demo client.
    static void SetUpTestSuite() {
        ASSERT_TRUE(Ovasim("reset --english --demo"));
        MakeProcessNicsInfo();
        MakeProcessProfilesInfo();
    }
    // The value writes since the last reset, which empties the journal, by name and the byte
    // count each was given.
    static Writes ValueWrites() {
        Writes writes;
        for (const auto& line : testing_client::JournalOfThisProcess())
            if (line.bytes) writes.emplace_back(line.valueName, *line.bytes);
        return writes;
    }
};

// Cancel after changes on every page writes nothing; OK without a change then writes back what
// it read, with the start list committed again as it stands.
TEST_F(ApplySettings, CancelWritesNothingAndOkOnTheDemoClientWritesBackWhatItReadByteByByte) {
    const Json before = Dump();
    ASSERT_TRUE(Run([](COvaSettingsDlg& d) {
        CWnd* pages[] = {&d.m_page1, &d.m_page2, &d.m_page3, &d.m_page4,
                         &d.m_page6, &d.m_page8, &d.m_page9};
        const int checkboxes[] = {1029, 1020, 1021, 1024, 1055, 1066, 1087};
        for (int i = 0; i < 7; ++i) Tick(*pages[i], checkboxes[i], false);
    }));
    EXPECT_FALSE(closedWithOk);
    ASSERT_EQ(Dump(), before);

    ASSERT_TRUE(Run(kOk));
    EXPECT_TRUE(closedWithOk);
    EXPECT_EQ(boxes, Names{});
    Json expected = before;
    const std::string profiles = GetProfileFolder();
    expected["store"]["items"]["71"] =
        profiles + "\\office.pcf;;" + profiles + "\\guest.wcf;;" + profiles + "\\lab.hcf;;";
    const Json after = Dump();
    EXPECT_EQ(after, expected) << "written: " << after.dump(1);

    // texts with their zero but for the start-up values, which go without
    using namespace schema;
    auto bytes = [&](const char* key, const char* name, int zero = 1) {
        const size_t length = after["registry"][Key(key)][name].get<std::string>().size();
        return std::pair{std::string(name), static_cast<std::uint32_t>(length + zero)};
    };
    Writes writes = {{kLanguage, 4}, {kUseOvaGina, 2}};
    for (const char* name :
         {kGinaNicName, kGinaNdisName, kGinaNicType, kGinaProfilePathName, kGinaAuthTimeout})
        writes.push_back(bytes(kOvaGinaKey, name));
    writes.insert(writes.end(), {{kGinaDll, 12}, {kWireWirelessAutoSwitch, 4}, {kUserNotice, 4}});
    for (const char* name : {kWireProfile, kWirelessProfile, kWireCard, kWirelessCard})
        writes.push_back(bytes(kOvaSvcKey, name));
    writes.insert(writes.end(), {bytes(kStartUpKey, kStartUpProfile, 0),
                                 bytes(kStartUpKey, kStartUpDriver, 0),
                                 {kStartUpAuthEnable, 4}});
    EXPECT_EQ(ValueWrites(), writes);
}

// Each change writes what it means and leaves the rest as it was, and the dialog closes without a
// box. Each failure shows its boxes (0: the library's own text, in a box titled with the program's
// name), writes nothing after its own step and leaves the dialog open; a second OK then writes
// everything again from the first step.
TEST_F(ApplySettings, EachChangeWritesWhatItMeansAndEachFailureKeepsTheDialogOpen) {
    using namespace schema;
    // Places in the dump, as JSON pointers.
    const std::string gina = "/registry/" + Key(kOvaGinaKey) + "/",
                      startUp = "/registry/" + Key(kStartUpKey) + "/", items = "/store/items/";
    const std::string run = "/registry/" + Key(kRunKey) + "/" + kRunOvanta;
    const std::string ginaDll = "/registry/" + Key(kWinlogonKey) + "/" + kGinaDll;
    const std::string lab = GetProfileFolder() + "\\lab.hcf";
    const struct {
        std::vector<std::string> setup;
        Act act;
        std::vector<std::pair<std::string, Json>> expected;
        std::vector<std::string> unwritten = {};
        std::vector<int> boxes = {};
        bool closes = true, anyValueWritten = true;
    } cases[] = {
        {{}, WaitTime("5x"), {{gina + kGinaAuthTimeout, "5x"}, {run, nullptr}}},  // none made
        {{LongCards(1024)},
         kChooseFirstWirelessCard,
         {{items + "45", std::string(1023, 'W')}, {items + "84", "N"}}},  // that card's NDIS name
        {{},
         Untick<&D::m_page6>(1055),
         {{ginaDll, nullptr}, {gina + kUseOvaGina, "0"}, {gina + kGinaAuthTimeout, "10"}}},
        {{},  // a card name longer than any buffer of the page is written whole
         [](COvaSettingsDlg& d) {
             const std::string name(1100, 'L');
             const LRESULT line = SendDlgItemMessageA(d.m_page6.m_hWnd, 1057, CB_ADDSTRING, 0,
                                                      reinterpret_cast<LPARAM>(name.c_str()));
             SendDlgItemMessageA(d.m_page6.m_hWnd, 1057, CB_SETCURSEL, line, 0);
         },
         {{gina + kGinaNicName, std::string(1100, 'L')}}},
        // the logon page without a tab (its switch is not 1) writes and deletes nothing of it
        {{"set-item 77 --int 2"},
         Untick<&D::m_page6>(1055),
         {{gina + kUseOvaGina, "1"}, {ginaDll, "OvaGina.dll"}},
         {kUseOvaGina, kGinaNicName, kGinaNdisName, kGinaNicType, kGinaProfilePathName,
          kGinaAuthTimeout, kGinaDll}},
        {{},
         Untick<&D::m_page9>(1087),
         {{startUp + kStartUpAuthEnable, 0}, {startUp + kStartUpDriver, "ndis"}},
         {kStartUpProfile, kStartUpDriver}},
        // auto-start on with no entry left opens and commits an empty list
        {{"fixture MissingTexts 8052"},  // no question before a removal
         kRemoveEveryEntry,
         {{"/store/startList", Json::array()}, {items + "71", ""}}},
        {{},
         [](COvaSettingsDlg& d) {
             Tick(d.m_page4, 1024, false);
             for (int id : {1076, 1090, 1088}) Tick(d.m_page4, id, true);
             Tick(d.m_page3, 1022, false);
         },
         {{items + "47", 0},
          {items + "40", 1},
          {items + "909", 1},
          {items + "905", 0},
          {items + "46", ""},
          {items + "83", ""}}},
        {{"set-item 74 --text -w30;;", "fixture FailItems 75=9033"},
         nullptr,
         {{items + "74", "-w30;;"}}},
        {{"set-item 74 --text -d;;-w30;;-dd;;"}, DebugData(0), {{items + "74", "-w30;;"}}},
        {{"set-item 74 --text -w30;;"}, DebugData(1), {{items + "74", "-w30;;-dd;;"}}},
        {{"fixture FailItems 71=9033"},
         Untick<&D::m_page1>(1029),
         {{items + "41", 0}, {items + "71", nullptr}, {"/store/startList/2/profile", lab}}},
        {{}, Unpick<&D::m_page3>(1014), {}, {}, {8077}, false, false},
        {{}, Unpick<&D::m_page3>(1015), {}, {}, {8078}, false, false},
        {{LongCards(1025)}, kChooseFirstWirelessCard, {}, {}, {8063}, false, false},
        {{}, WaitTime(""), {}, {}, {8082}, false},
        {{}, WaitTime("0"), {}, {}, {8083}, false},
        {{}, WaitTime("21"), {}, {}, {8083}, false},
        {{"fixture FailRegValues NicName"}, nullptr, {}, {}, {0, 8084}, false},
        {{"fixture FailRegValues UseOvaGina"}, Untick<&D::m_page6>(1055), {}, {}, {0, 8081}, false},
        {{}, Unpick<&D::m_page8>(1068), {}, {}, {8079}, false},
        {{}, Unpick<&D::m_page8>(1069), {}, {}, {8080}, false},
        {{"fixture FailRegValues UserNotice"}, Untick<&D::m_page8>(1066), {}, {}, {}, false},
        {{}, Unpick<&D::m_page9>(1082), {}, {}, {8105}, false},
        // after 8077 the user changes something else (auto-connect) and presses OK again
        {{},
         [](COvaSettingsDlg& d) {
             Choose(d.m_page3, 1014, -1);
             kOk(d);
             EXPECT_TRUE(IsWindowEnabled(d.m_tabPages.m_hWnd)) << "the pages in reach again";
             Tick(d.m_page2, 1020, false);
             Tick(d.m_page3, 1021, false);
         },
         {{items + "44", 0}, {items + "45", ""}, {items + "84", ""}},  // no NDIS name when unticked
         {},
         {8077}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        ASSERT_TRUE(Ovasim("reset --english --demo"));
        for (const std::string& setup : c.setup) ASSERT_TRUE(Ovasim(setup));
        ASSERT_TRUE(Run(c.act ? Then(c.act, kOk) : kOk));
        EXPECT_EQ(closedWithOk, c.closes);
        Names titles;
        for (int box : c.boxes)
            titles.push_back(box ? "Error - (" + std::to_string(box) + ")" : "OvaSettings");
        EXPECT_EQ(boxes, titles);
        const Writes writes = ValueWrites();
        EXPECT_EQ(writes.empty() ? "" : writes.front().first, c.anyValueWritten ? kLanguage : "")
            << "each OK writes from the first step";
        for (const std::string& name : c.unwritten)
            for (const auto& write : writes) EXPECT_NE(write.first, name);
        if (!c.boxes.empty() && c.boxes.front() == 0) {  // the value the fixture fails
            const std::string failed = c.setup.back().substr(c.setup.back().rfind(' ') + 1);
            EXPECT_EQ(boxTexts.front(), "The value " + failed + " could not be written.");
        }
        if (c.expected.empty()) continue;
        const Json state = Dump();
        for (const auto& [place, value] : c.expected)
            EXPECT_EQ(state.value(Json::json_pointer(place), Json()), value) << place;
    }
}

// OK and Cancel pressed while a box of OK's writing is up change nothing, and the pages are out
// of reach: everything is written once, and the dialog ends with that OK.
TEST_F(ApplySettings, OkAndCancelWhileOkIsWritingAreIgnored) {
    ASSERT_TRUE(Ovasim("fixture FailItems 59=9033"));  // auto-connect fails, and OK goes on
    bool shown = false, pagesReachable = true;
    SetMessageBoxRecorder([&](HWND, const std::string&, const std::string& title, UINT) {
        boxes.push_back(title);
        if (boxes.size() == 1)  // once: a second OK inside the first would ask again
            for (int command : {IDOK, IDCANCEL}) g_dialog->SendMessage(WM_COMMAND, command);
        shown = IsWindowVisible(g_dialog->m_hWnd);
        pagesReachable = IsWindowEnabled(g_dialog->m_tabPages.m_hWnd);
        return IDOK;
    });
    ASSERT_TRUE(Run(kOk));
    EXPECT_TRUE(shown) << "Cancel did not end it";
    EXPECT_FALSE(pagesReachable);
    EXPECT_TRUE(closedWithOk);
    EXPECT_EQ(boxes, Names{"Error - (9033)"});
    const Writes writes = ValueWrites();
    EXPECT_EQ(std::count_if(writes.begin(), writes.end(),
                            [](const auto& write) { return write.first == schema::kLanguage; }),
              1);
}

TEST_F(ApplySettings, ARunValueIsReplacedOnlyWhereItExists) {
    SetText(HKEY_LOCAL_MACHINE, schema::kRunKey, schema::kRunOvanta, "old");
    ASSERT_TRUE(Run(Then([](auto& d) { Tick(d.m_page9, 1087, false); }, kOk)));
    EXPECT_EQ(Dump()["registry"][Key(schema::kRunKey)][schema::kRunOvanta], "old");
    ASSERT_TRUE(Run(Then([](auto& d) { Tick(d.m_page9, 1087, true); }, kOk)));
    const std::string command = "\"C:\\Program Files\\Ovanta\\Ovanta.exe\" \"" +
                                GetProfileFolder() + "\\campus.wcf\" /ExtCred:OvaPlume.dll";
    EXPECT_EQ(Dump()["registry"][Key(schema::kRunKey)][schema::kRunOvanta], command);
    const Writes writes = ValueWrites();
    EXPECT_NE(std::find(writes.begin(), writes.end(),
                        std::pair{std::string(schema::kRunOvanta),
                                  static_cast<std::uint32_t>(command.size())}),
              writes.end())
        << "written without its zero";
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, schema::kRunKey, schema::kRunOvanta);
}

// In shortcut mode the old shortcuts go first, the all-users folder's before the user's; one that
// stays keeps the new one from being made, and one in the all-users folder keeps the user's folder
// as it was.
TEST_F(ApplySettings, ShortcutModeReplacesTheProfileShortcutsOfBothStartupFolders) {
    ASSERT_TRUE(Ovasim("set-item 130 --int 1"));
    const std::string common = StartupFolder(CSIDL_COMMON_STARTUP);
    const std::string user = StartupFolder(CSIDL_STARTUP);
    const std::string office = GetProfileFolder() + "\\office.pcf";
    const Act chooseOffice = [](auto& d) {
        Tick(d.m_page9, 1078, true);
        Choose(d.m_page9, 1081, 0);
    };
    const Json none = Json::array(),
               old = Json::array({{{"name", "old.pcf.lnk"}, {"target", office}}});
    const struct {
        std::string held;
        const char* box;
        Json commonAfter, userAfter;
    } cases[] = {{common, "Error - (8114)", old, old}, {user, "Error - (8113)", none, old}};
    for (const auto& c : cases) {
        for (const std::string& folder : {common, user})
            ASSERT_TRUE(CreateProfileShortcut(folder + "\\old.pcf.lnk", office, "old"));
        // held open without leave to delete, the way a program holding the file keeps it
        HANDLE held = CreateFileA((c.held + "\\old.pcf.lnk").c_str(), GENERIC_READ, FILE_SHARE_READ,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        ASSERT_TRUE(Run(Then(chooseOffice, kOk)));
        CloseHandle(held);
        EXPECT_TRUE(closedWithOk);
        EXPECT_EQ(boxes, (Names{"Error - (8111)", c.box})) << "the page found two shortcuts";
        const Json shortcuts = Dump()["startupShortcuts"];
        EXPECT_EQ(shortcuts["common"], c.commonAfter) << c.box << ": no new shortcut";
        EXPECT_EQ(shortcuts["user"], c.userAfter) << c.box;
    }

    ASSERT_TRUE(Run(Then(chooseOffice, kOk)));
    EXPECT_EQ(boxes, Names{});
    const Json made = Json::array({{{"name", "office.pcf.lnk"}, {"target", office}}});
    const Json shortcuts = Dump()["startupShortcuts"];
    EXPECT_EQ(shortcuts["common"], made) << "the old ones gone";
    EXPECT_EQ(shortcuts["user"], none);
    DeleteFileA((common + "\\office.pcf.lnk").c_str());
}

// Wine fixes a program's Windows version at its start, so the dialog runs in a probe process
// that Wine tells it runs on Windows 98: the logon page is off and OK writes the rest, but no
// Windows logon value. Switching and start-up authentication are off: outside the NT family the
// profiles lie elsewhere.
TEST_F(ApplySettings, OutsideTheNtFamilyTheLogonPageIsOffAndOkWritesNoneOfIt) {
    using namespace schema;
    SetDword(HKEY_LOCAL_MACHINE, kOvaSvcKey, kWireWirelessAutoSwitch, 0);
    SetDword(HKEY_LOCAL_MACHINE, kStartUpKey, kStartUpAuthEnable, 0);
    const std::string command = "\"" + driver::OwnFolder() + "\\logon_page_probe.exe\"";
    EXPECT_EQ(driver::Run(command), 0xFFF)
        << "NT family: ticked, every control enabled, closed by OK";
    constexpr char kVersionKey[] = "Software\\Wine\\AppDefaults\\logon_page_probe.exe";
    SetText(HKEY_CURRENT_USER, kVersionKey, "Version", "win98");
    driver::Process probe = driver::Start(command);
    DWORD code = 0;
    EXPECT_TRUE(driver::WaitForExit(probe, 60000, &code));
    EXPECT_EQ(code, 0xC00u) << "unticked, every control disabled, closed by OK";
    std::set<std::string> written;
    for (const auto& e :
         testing_client::JournalOf(driver::OwnFolder() + "\\ovacli-journal.txt", probe.pid))
        if (e.bytes) written.insert(e.valueName);
    driver::CloseProcess(probe);
    for (const char* name : {kUseOvaGina, kGinaNicName, kGinaNdisName, kGinaNicType,
                             kGinaProfilePathName, kGinaAuthTimeout, kGinaDll})
        EXPECT_EQ(written.count(name), 0u) << name;
    EXPECT_EQ(written.count(kLanguage), 1u);
    RegDeleteTreeA(HKEY_CURRENT_USER, kVersionKey);
}

}  // namespace
