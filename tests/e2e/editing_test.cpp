// An editing session on the real editor: controls on several pages changed as a user changes
// them, a card chosen from a list, OK, and the client then holds those changes and nothing else,
// in its own dump and in the registry as Windows's own tool reads it. And the one way Wine hands
// a list's line to another process differently from Windows.
#include "tests/e2e/e2e_client.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

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

TEST(EditingSession, OkStoresTheChangesOfSeveralPagesAndNothingElse) {
    ASSERT_TRUE(e2e::Ovasim("reset --demo"));
    driver::Process editor = driver::Start(e2e::kInstalledEditor);
    struct Ender {  // an editor that a failed step leaves open ends with the test
        driver::Process& editor;
        ~Ender() { driver::EndProcess(editor.pid), driver::CloseProcess(editor); }
    } ender{editor};
    HWND dialog = driver::WaitForDialog(editor.pid, e2e::kWindowTimeoutMs);
    std::string before, after;
    ASSERT_TRUE(e2e::OvasimDump(&before));
    SendMessageA(PageControl(dialog, 1020), BM_CLICK, 0, 0);  // auto-connect off
    SendMessageA(PageControl(dialog, 1066), BM_CLICK, 0, 0);  // wired/wireless switching off
    SendMessageA(PageControl(dialog, 1062), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("12"));
    EXPECT_FALSE(driver::IsChecked(GetParent(PageControl(dialog, 1020)), 1020));
    // the second wired card for Windows logon, its NDIS name and kind with it, then a profile
    // from the list that choosing a card empties and fills anew
    const char kCard[] = "Intel(R) Ethernet Connection I219-LM";
    const HWND logon = GetParent(PageControl(dialog, 1057));
    ASSERT_TRUE(driver::Choose(logon, 1057, kCard));
    ASSERT_TRUE(driver::Choose(logon, 1059, "office.pcf"));
    driver::Click(dialog, IDOK);
    EXPECT_TRUE(driver::WaitForExit(editor, e2e::kWindowTimeoutMs))
        << "a box: " << driver::WindowText(driver::WaitForMessageBox(editor.pid, 0));
    driver::EndProcess(editor.pid);

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
    ASSERT_TRUE(e2e::OvasimDump(&after));
    EXPECT_EQ(e2e::WithoutJournal(after), e2e::WithoutJournal(expected.dump()));
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
TEST(WineDifference, AComboBoxLineAskedForInAnsiFromAnotherProcessComesInUtf16) {
    ASSERT_TRUE(e2e::Ovasim("reset --demo"));
    driver::Process editor = driver::Start(e2e::kInstalledEditor);
    HWND dialog = driver::WaitForDialog(editor.pid, e2e::kWindowTimeoutMs);
    char line[256] = {};  // room for the line in UTF-16 too
    SendMessageA(PageControl(dialog, 1057), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(line));
    EXPECT_EQ(std::string(line, 4), std::string("R\0e\0", 4)) << "the first card, Realtek";
    driver::Click(dialog, IDCANCEL);
    EXPECT_TRUE(driver::WaitForExit(editor, e2e::kWindowTimeoutMs));
    driver::CloseProcess(editor);
}

}  // namespace
