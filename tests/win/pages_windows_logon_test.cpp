// The Windows logon page as its users meet it: what the client stored comes back only while
// Windows names the client's logon module, the lists come from the card list and the profile
// catalogue made once at start, and the groups follow the main switch and the chosen card.
#include "app/message_box.h"
#include "pages/page6_dlg.h"
#include "sim/common/sim_state.h"
#include "store/nics_info.h"
#include "store/profile_catalogue.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace templates;

constexpr char kGinaKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\OvaGina";
constexpr char kWinlogonKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
constexpr char kProbeVersionKey[] = "Software\\Wine\\AppDefaults\\logon_page_probe.exe";
constexpr char kCards[] = "W1||Wired One||0##R1||Radio One||1##W2||Wired Two||0##";
const std::vector<std::string> kCardNames = {"Wired One", "Radio One", "Wired Two"};
const std::set<int> kEveryControl = {1055, 1056, 1057, 1058, 1059, 1060, 1061, 1062};

std::set<int> Enabled(HWND page) {
    std::set<int> enabled;
    for (int id : kEveryControl)
        if (templates::Enabled(page, id)) enabled.insert(id);
    return enabled;
}
// What the user does: the control changes, then its notification reaches the page.
void Tick(HWND page, bool ticked) {
    CheckDlgButton(page, 1055, ticked ? BST_CHECKED : BST_UNCHECKED);
    Notify(page, 1055, BN_CLICKED);
}
void ChooseCard(HWND page, int index) {
    SendDlgItemMessageA(page, 1057, CB_SETCURSEL, index, 0);
    Notify(page, 1057, CBN_SELENDOK);
}

// The profile files and the cards are set before the process makes its two lists, which it does
// once; the folders go back as they were at once, and what the suite stored goes when it ends.
class WindowsLogonPage : public PageHost {
protected:
    static void SetUpTestSuite() {
        SetMessageBoxRecorder(
            [](HWND, const std::string&, const std::string&, UINT) { return IDOK; });
        testing_client::SetFixtureText("Cards", kCards);
        EmptyProfileFolders folders;
        for (const char* name : {"campus.wcf", "office.pcf", "lab.hcf", "vpn.kpf"})
            Put(folders.common, name);
        Put(folders.user, "logon-test.pcf");
        ASSERT_EQ(MakeProcessNicsInfo()->GetNicCount(), 3);
        ASSERT_EQ(MakeProcessProfilesInfo()->entries().size(), 3u);
    }
    static void TearDownTestSuite() {
        testing_client::ClearFixtures();
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kGinaKey);
        SetText(HKEY_LOCAL_MACHINE, kWinlogonKey, "GinaDLL", std::nullopt);
        RegDeleteTreeA(HKEY_CURRENT_USER, kProbeVersionKey);
    }
    void SetUp() override {
        PageHost::SetUp();
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kGinaKey);
        SetText(HKEY_LOCAL_MACHINE, kWinlogonKey, "GinaDLL", std::nullopt);
    }
    static void StoreLogon(const std::optional<std::string>& gina, const std::string& use) {
        SetText(HKEY_LOCAL_MACHINE, kWinlogonKey, "GinaDLL", gina);
        SetText(HKEY_LOCAL_MACHINE, kGinaKey, "UseOvaGina", use);
    }
    std::unique_ptr<CPage6Dlg> Open() {
        auto page = std::make_unique<CPage6Dlg>();
        EXPECT_TRUE(page->Create(CPage6Dlg::IDD, &parent));
        return page;
    }
};

// What the page shows of the stored logon settings.
struct Shown {
    bool ticked;
    int card;  // selected in 1057
    std::vector<std::string> profiles;
    int profile;  // selected in 1059
    std::string wait;
    std::set<int> enabled;
};
const Shown kNothingLoaded = {false, -1, {"campus.wcf", "office.pcf", "lab.hcf"}, -1, "7", {1055}};

TEST_F(WindowsLogonPage, StoredSettingsComeBackOnlyWhileWindowsNamesTheClientsModuleAndTheyAreOn) {
    // The values the client keeps under its logon key beside these: card "radio", wait 12.
    struct Stored {
        std::optional<std::string> gina;
        std::string use, nicType;
        std::optional<std::string> path;
    };
    const std::pair<Stored, Shown> cases[] = {
        {{"OvaGina.dll", "1", "ndis", "C:\\P\\CAMPUS.wcf"},
         {true, 1, {"campus.wcf"}, 0, "12", kEveryControl}},
        {{"OvaGina.dll", "1", "wired", std::nullopt},
         {true, 1, {"office.pcf", "lab.hcf", ""}, 0, "12", kEveryControl}},
        {{"OvaGina.dll", "0", "wired", "lab.hcf"},
         {false, -1, {"office.pcf", "lab.hcf"}, -1, "12", {1055}}},
        {{"ovagina.dll", "1", "ndis", "lab.hcf"}, kNothingLoaded},
        {{"msgina.dll", "1", "ndis", "lab.hcf"}, kNothingLoaded},
        {{std::nullopt, "1", "ndis", "lab.hcf"}, kNothingLoaded},
    };
    for (const auto& [c, shown] : cases) {
        SCOPED_TRACE(c.gina.value_or("no GinaDLL") + ", UseOvaGina " + c.use);
        StoreLogon(c.gina, c.use);
        SetText(HKEY_LOCAL_MACHINE, kGinaKey, "NicName", "radio");
        SetText(HKEY_LOCAL_MACHINE, kGinaKey, "NicType", c.nicType);
        SetText(HKEY_LOCAL_MACHINE, kGinaKey, "ProfilePathName", c.path);
        SetText(HKEY_LOCAL_MACHINE, kGinaKey, "AuthTimeout", "12");
        const auto page = Open();
        const HWND p = page->m_hWnd;
        EXPECT_EQ(Ticked(p, 1055), shown.ticked);
        EXPECT_EQ(Lines(p, 1057), kCardNames);
        EXPECT_EQ(page->m_cardList.GetCurSel(), shown.card);
        EXPECT_EQ(Lines(p, 1059), shown.profiles) << "no user-folder or .kpf file";
        EXPECT_EQ(page->m_profileList.GetCurSel(), shown.profile);
        EXPECT_EQ(Text(p, 1062), shown.wait);
        EXPECT_EQ(Enabled(p), shown.enabled);
    }
}

TEST_F(WindowsLogonPage, ChoosingACardRefillsTheProfilesOfItsKindWithNoneSelected) {
    StoreLogon("OvaGina.dll", "1");
    SetText(HKEY_LOCAL_MACHINE, kGinaKey, "ProfilePathName", "campus.wcf");
    const auto page = Open();
    ChooseCard(page->m_hWnd, 2);
    EXPECT_EQ(Lines(page->m_hWnd, 1059), (std::vector<std::string>{"office.pcf", "lab.hcf"}));
    EXPECT_EQ(page->m_profileList.GetCurSel(), -1);
    EXPECT_EQ(page->m_strNicName + "/" + page->m_strNicType + "/" + page->m_strNdisName,
              "Wired Two/wired/W2");
    ChooseCard(page->m_hWnd, 1);
    EXPECT_EQ(Lines(page->m_hWnd, 1059), std::vector<std::string>{"campus.wcf"});
    EXPECT_TRUE(boxTitles.empty());
}

TEST_F(WindowsLogonPage, TheGroupsFollowTheMainSwitchAndAChosenCardThatTheCardListHolds) {
    const auto page = Open();
    const HWND p = page->m_hWnd;
    Tick(p, true);
    EXPECT_EQ(Enabled(p), (std::set<int>{1055, 1056, 1057})) << "no card chosen yet";
    ChooseCard(p, 0);
    EXPECT_EQ(Enabled(p), kEveryControl);
    Tick(p, false);
    EXPECT_EQ(Enabled(p), std::set<int>{1055});
    Tick(p, true);
    EXPECT_EQ(Enabled(p), kEveryControl);

    // a card that the card list does not hold
    SendDlgItemMessageA(p, 1057, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Gone"));
    ChooseCard(p, 3);
    EXPECT_EQ(Enabled(p), (std::set<int>{1055, 1056, 1057}));
    ASSERT_EQ(boxTitles.size(), 1u);
    EXPECT_EQ(boxTitles[0].substr(boxTitles[0].size() - 6), "(8087)");
}

TEST_F(WindowsLogonPage, CardsChangedAfterTheStartAreNotOffered) {
    testing_client::SetFixtureText("Cards", "N||New Card||1##");
    ASSERT_EQ(NicsInfo().GetNicCount(), 1) << "a new enumeration sees the change";
    EXPECT_EQ(Lines(Open()->m_hWnd, 1057), kCardNames);
    testing_client::SetFixtureText("Cards", kCards);
}

TEST_F(WindowsLogonPage, OutsideTheNtFamilyThePageIsUntickedWithEveryControlDisabled) {
    StoreLogon("OvaGina.dll", "1");
    const std::string probe = "\"" + driver::OwnFolder() + "\\logon_page_probe.exe\"";
    EXPECT_EQ(driver::Run(probe), 0x7FF) << "NT family: ticked, every control enabled";
    SetText(HKEY_CURRENT_USER, kProbeVersionKey, "Version", "win98");
    EXPECT_EQ(driver::Run(probe), 0x400);
}

}  // namespace
