// The start list page on the simulated store: loading, Add, Modify, the lock and auto-start.
#include "app/message_box.h"
#include "pages/page1_dlg.h"
#include "sim/store/settings_store.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"

namespace {

using namespace templates;
using Names = std::vector<std::string>;
using Open = std::vector<bool>;

// The user of the start entry dialog: the next answer each run; one without a card cancels.
struct ScriptedPage : CPage1Dlg {
    std::vector<EntryFields> answers, handed;
    bool RunEntryDialog(EntryFields& fields) override {
        handed.push_back(std::exchange(fields, answers.at(handed.size())));
        return !fields.card.empty();
    }
};

class StartListPage : public PageHost {
protected:
    void SetUp() override {
        PageHost::SetUp();
        SetMessageBoxRecorder(
            [this](HWND, const std::string& text, const std::string& title, UINT type) {
                boxes.push_back(type == 0x40024 ? title + text.substr(0, text.find('\n')) : title);
                return answer;
            });
        sim::DeleteMachineTree(sim::kStartListKeyPath);
        for (auto [card, profile] : {std::pair{"LAN", "C:\\p\\office.pcf"},
                                     {"Wi-Fi", "C:\\p\\campus.WCF"},
                                     {"Odd", "C:\\p\\lab.hcf"},
                                     {"Empty", ""}})
            sim::PutCommittedEntry(card, profile, "alice", "Pw~4");
    }
    std::unique_ptr<ScriptedPage> Make(const std::string& list, int count, int autoStart = 1,
                                       bool locked = false) {
        auto page = std::make_unique<ScriptedPage>();
        boxes.clear();
        page->m_strWirelessExt = ".wcf";
        page->m_strWiredExt = ".PCF";
        page->m_strStartList = list;
        page->m_nStartListCount = count;
        page->m_nAutoStart = autoStart;
        page->m_bLocked = locked;
        EXPECT_TRUE(page->Create(CPage1Dlg::IDD, &parent));
        return page;
    }
    static Names Rows(const CPage1Dlg& page) {
        Names rows;
        for (const CPage1Dlg::StartEntry* entry : page.StartEntries()) {
            char text[300] = {};
            LVITEMA item = {};
            item.mask = LVIF_TEXT | LVIF_IMAGE;
            item.iItem = static_cast<int>(rows.size());
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendDlgItemMessageA(page.m_hWnd, 1006, LVM_GETITEMA, 0,
                                reinterpret_cast<LPARAM>(&item));
            rows.push_back(std::string(entry->card) + " " + text + "/" +
                           std::to_string(item.iImage));
        }
        return rows;
    }
    static void Click(const CPage1Dlg& page, int row) {
        NMITEMACTIVATE click = {
            {GetDlgItem(page.m_hWnd, 1006), 1006, UINT(NM_CLICK)}, row, 0, 0, 0, 0, {}, 0, 0};
        SendMessageA(page.m_hWnd, WM_NOTIFY, 1006, reinterpret_cast<LPARAM>(&click));
    }
    static Open OpenControls(const CPage1Dlg& page) {
        Open open;
        for (int id : {1029, 1006, 1009, 1010, 1011}) open.push_back(Enabled(page.m_hWnd, id));
        return open;
    }

    testing_client::ScopedClient client{1};
    Names boxes;
    int answer = IDYES;
};

// An entry without a profile goes silently; one the store does not know, with the store's box.
TEST_F(StartListPage, LoadingListsTheStoredEntriesThatHaveAProfile) {
    const std::pair<std::string, Names> cases[] = {
        {";;", {}},
        {"LAN;;Wi-Fi;;Odd;;Empty", {"LAN office.pcf/1", "Wi-Fi campus.WCF/0", "Odd lab.hcf/2"}},
        {"Odd;;;;Nobody;;LAN;;Wi-Fi", {"Odd lab.hcf/2", "Error - (9009)"}},  // count 1: two read
        {"Odd;;" + std::string(1025, 'x') + ";;LAN", {"Odd lab.hcf/2", "Error - (8060)"}},
    };
    for (const auto& [list, shown] : cases) {
        Names rows = Rows(*Make(list, list[0] == 'O' ? 1 : 4));
        rows.insert(rows.end(), boxes.begin(), boxes.end());
        EXPECT_EQ(rows, shown) << list.substr(0, 30);
    }
}

// Modify hands the dialog the clicked entry and compares no cards; a click serves one action.
TEST_F(StartListPage, AddAsksForACardListedInOtherCaseAndModifyMayGiveTwoEntriesOneCard) {
    for (int reply : {IDYES, IDNO}) {
        answer = reply;
        const auto page = Make("Wi-Fi;;Odd", 2);
        page->answers = {{}, {"wi-fi", "C:\\q\\new.pcf", "", ""}, {"New", "C:\\n.wcf", "", ""}};
        for (int run = 0; run < 3; ++run) Notify(page->m_hWnd, 1009, BN_CLICKED);
        EXPECT_EQ(boxes, Names{"Information - (9094)Wi-Fi"});
        const char* first = reply == IDYES ? "Wi-Fi campus.WCF/0" : "wi-fi new.pcf/0";
        EXPECT_EQ(Rows(*page), (Names{first, "Odd lab.hcf/2", "New n.wcf/0"}));
    }
    const auto page = Make("LAN;;Wi-Fi", 2);
    page->answers = {{"LAN", "C:\\p\\lab.pcf", "", ""}};
    Click(*page, 1);
    for (int run = 0; run < 2; ++run) Notify(page->m_hWnd, 1011, BN_CLICKED);
    EXPECT_EQ(page->handed.at(0).card + page->handed[0].password, "Wi-FiPw~4");
    EXPECT_EQ(Rows(*page), (Names{"LAN office.pcf/1", "LAN lab.pcf/0"}));
}

TEST_F(StartListPage, TheLockClosesTheBoxAndAutoStartAloneOpensTheList) {
    EXPECT_EQ(OpenControls(*Make("LAN", 1, 1, true)), (Open{false, true, true, false, false}));
    const auto page = Make("LAN;;Odd", 2);
    Click(*page, 0);  // opens Remove and Modify, which clearing the box closes
    for (UINT check : {BST_UNCHECKED, BST_CHECKED}) {
        CheckDlgButton(page->m_hWnd, 1029, check);
        Notify(page->m_hWnd, 1029, BN_CLICKED);
        EXPECT_EQ(OpenControls(*page), (Open{true, check == 1, check == 1, false, false}));
        EXPECT_EQ(Rows(*page).size(), 2u);
    }
}

}  // namespace
