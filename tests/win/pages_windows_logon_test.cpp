// The trusted root certificate, Windows logon, firewall policy, wired/wireless switch and
// start-up authentication pages: their texts on the right controls, the lock and the skin. The
// Windows logon page as its users meet it: what the client stored comes back only while Windows
// names the client's logon module, the lists come from the card list and the profile catalogue
// made once at start, and the groups follow the main switch and the chosen card.
#include "pages/page5_dlg.h"
#include "pages/page6_dlg.h"
#include "pages/page7_dlg.h"
#include "pages/page8_dlg.h"
#include "pages/page9_dlg.h"
#include "store/nics_info.h"
#include "store/profile_catalogue.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"
#include "tools/driver/driver.h"

namespace {

using namespace templates;

const std::vector<PageCase> kPages = {
    {{"230", "231", "232", "233", "234", "235"},
     {1042, 0, 0, 1053},
     {1042, 1052},  // importing still works
     {1042},
     MakePage<CPage5Dlg>},
    {{"242", "243", "244", "245", "246"},
     {1055, 1056, 1058, 1060, 1061},
     {},
     {1055, 1056, 1057, 1058, 1059, 1060, 1061},
     MakePage<CPage6Dlg>,
     {1056, 1057, 1058, 1059, 1060, 1061, 1062}},  // logon authentication is off
    {{}, {}, {}, {}, MakePage<CPage7Dlg>},
    {{"252", "253", "254", "255", "256", "257"},
     {1066, 1067, 1072, 1073, 1074, 1075},
     {},
     {1066, 1067, 1072, 1073, 1074, 1075},
     MakePage<CPage8Dlg>},
    {{"260", "261", "262", "263", "264"},
     {1078, 1079, 1083, 1084, 1087},
     {},
     {1078, 1079, 1081, 1082, 1083, 1084, 1087},
     MakePage<CPage9Dlg>},
};

// The start-up page enables its lists only on a client without start-up values.
class PagesSecond : public PageHost {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(driver::Run("\"" + driver::OwnFolder() + "\\ovasim.exe\" reset --english"), 0);
    }
};

// Of these pages only the certificate page can be locked.
TEST_F(PagesSecond, PagesAreHiddenChildrenWithTheirTextsSkinAndLock) {
    ExpectPages(kPages, &parent);
}

constexpr char kGinaKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\OvaGina";
constexpr char kWinlogonKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
constexpr char kCards[] = "W1||Wired One||0##R1||Radio One||1##W2||Wired Two||0##";
const Names kCardNames = {"Wired One", "Radio One", "Wired Two"};
const std::set<int> kEveryControl = {1055, 1056, 1057, 1058, 1059, 1060, 1061, 1062};

std::set<int> Enabled(HWND page) {
    std::set<int> enabled;
    for (int id : kEveryControl)
        if (templates::Enabled(page, id)) enabled.insert(id);
    return enabled;
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
        SetText(HKEY_LOCAL_MACHINE, kWinlogonKey, "GinaDLL", std::nullopt);
    }
    void SetUp() override {
        PageHost::SetUp();
        SetText(HKEY_LOCAL_MACHINE, kWinlogonKey, "GinaDLL", std::nullopt);
    }

    DeletedKey gina{kGinaKey};
};

struct Shown {
    bool ticked;
    int card, profile;  // selected in 1057 and 1059
    Names profiles;
    std::string wait;
    std::set<int> enabled;
};
const Shown kNothingLoaded = {false, -1, -1, {"campus.wcf", "office.pcf", "lab.hcf"}, "7", {1055}};

// The card list is the one made at the start, whatever the cards are now. On the page that loaded
// nothing, choosing a card refills the profiles of its kind with none selected, and the groups
// follow the main switch and the chosen card.
TEST_F(WindowsLogonPage, StoredSettingsComeBackOnlyWithTheClientsModuleAndTheGroupsFollowTheUser) {
    testing_client::SetFixtureText("Cards", "N||New Card||1##");
    ASSERT_EQ(NicsInfo().GetNicCount(), 1) << "a new enumeration sees the change";
    // The values the client keeps under its logon key beside these: card "radio", wait 12.
    struct Stored {
        std::optional<std::string> gina, path;
        std::string use, nicType;
    };
    const std::pair<Stored, Shown> cases[] = {
        {{"OvaGina.dll", "C:\\P\\CAMPUS.wcf", "1", "ndis"},
         {true, 1, 0, {"campus.wcf"}, "12", kEveryControl}},
        {{"OvaGina.dll", "C:\\P\\Lab.HCF", "1", "wired"},  // the second of its kind
         {true, 1, 1, {"office.pcf", "lab.hcf"}, "12", kEveryControl}},
        {{"OvaGina.dll", std::nullopt, "1", "wired"},
         {true, 1, 0, {"office.pcf", "lab.hcf", ""}, "12", kEveryControl}},
        {{"OvaGina.dll", "lab.hcf", "0", "wired"},
         {false, -1, -1, {"office.pcf", "lab.hcf"}, "12", {1055}}},
        {{"ovagina.dll", "lab.hcf", "1", "ndis"}, kNothingLoaded},
        {{"msgina.dll", "lab.hcf", "1", "ndis"}, kNothingLoaded},
        {{std::nullopt, "lab.hcf", "1", "ndis"}, kNothingLoaded},
    };
    std::unique_ptr<CPage6Dlg> page;
    for (const auto& [c, shown] : cases) {
        SCOPED_TRACE(c.gina.value_or("no GinaDLL") + ", UseOvaGina " + c.use);
        SetText(HKEY_LOCAL_MACHINE, kWinlogonKey, "GinaDLL", c.gina);
        SetText(HKEY_LOCAL_MACHINE, kGinaKey, "UseOvaGina", c.use);
        SetText(HKEY_LOCAL_MACHINE, kGinaKey, "NicName", "radio");
        SetText(HKEY_LOCAL_MACHINE, kGinaKey, "NicType", c.nicType);
        SetText(HKEY_LOCAL_MACHINE, kGinaKey, "ProfilePathName", c.path);
        SetText(HKEY_LOCAL_MACHINE, kGinaKey, "AuthTimeout", "12");
        page = std::make_unique<CPage6Dlg>();
        ASSERT_TRUE(page->Create(CPage6Dlg::IDD, &parent));
        const HWND p = page->m_hWnd;
        EXPECT_EQ(Ticked(p, 1055), shown.ticked);
        EXPECT_EQ(Lines(p, 1057), kCardNames);
        EXPECT_EQ(page->m_cardList.GetCurSel(), shown.card);
        EXPECT_EQ(Lines(p, 1059), shown.profiles) << "no user-folder or .kpf file";
        EXPECT_EQ(page->m_profileList.GetCurSel(), shown.profile);
        EXPECT_EQ(Text(p, 1062), shown.wait);
        EXPECT_EQ(Enabled(p), shown.enabled);
    }
    testing_client::SetFixtureText("Cards", kCards);

    const HWND p = page->m_hWnd;
    SendDlgItemMessageA(p, 1055, BM_CLICK, 0, 0);
    EXPECT_EQ(Enabled(p), (std::set<int>{1055, 1056, 1057})) << "no card chosen yet";
    Choose(p, 1057, 1);
    EXPECT_EQ(Enabled(p), kEveryControl);
    EXPECT_EQ(Lines(p, 1059), Names{"campus.wcf"});
    SendDlgItemMessageA(p, 1059, CB_SETCURSEL, 0, 0);
    Choose(p, 1057, 2);
    EXPECT_EQ(Lines(p, 1059), (Names{"office.pcf", "lab.hcf"}));
    EXPECT_EQ(page->m_profileList.GetCurSel(), -1);
    EXPECT_EQ(page->m_strNicName + "/" + page->m_strNicType + "/" + page->m_strNdisName,
              "Wired Two/wired/W2");
    SendDlgItemMessageA(p, 1055, BM_CLICK, 0, 0);
    EXPECT_EQ(Enabled(p), std::set<int>{1055});
    SendDlgItemMessageA(p, 1055, BM_CLICK, 0, 0);
    EXPECT_EQ(Enabled(p), kEveryControl);

    // a card that the card list does not hold
    SendDlgItemMessageA(p, 1057, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Gone"));
    Choose(p, 1057, 3);
    EXPECT_EQ(Enabled(p), (std::set<int>{1055, 1056, 1057}));
    ASSERT_EQ(boxTitles.size(), 1u);
    EXPECT_EQ(boxTitles[0].substr(boxTitles[0].size() - 6), "(8087)");
}

}  // namespace
