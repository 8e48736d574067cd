// The start entry dialog against the simulated client's cards and profile folders.
#include "pages/auto_start_dlg.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace templates;
using Names = std::vector<std::string>;

constexpr int kCards = 1030, kProfiles = 1033;

void Write(const std::string& folder, const std::string& name, const std::string& content) {
    std::ofstream(folder + "\\" + name, std::ios::binary) << content;
}

class StartEntry : public PageHost {
protected:
    std::unique_ptr<CAutoStartDlg> Make(const std::string& card = "",
                                        const std::string& path = "") {
        testing_client::SetFixtureText("Cards", "W||Air||1##D||Cable||0##S||Odd||7####X||No||0##");
        auto dialog = std::make_unique<CAutoStartDlg>(&parent);
        dialog->m_strWirelessExt = ".wcf";
        dialog->m_strWiredExt = ".pcf";
        dialog->m_strCardName = card;
        dialog->m_strProfilePath = path;
        EXPECT_TRUE(dialog->Create(CAutoStartDlg::IDD, &parent));
        dialog->ShowWindow(SW_SHOW);
        return dialog;
    }
    static void Choose(const CAutoStartDlg& dialog, int list, const char* line) {
        Notify(dialog.m_hWnd, list, CBN_DROPDOWN);
        const LRESULT index =
            SendDlgItemMessageA(dialog.m_hWnd, list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(line));
        SendDlgItemMessageA(dialog.m_hWnd, list, CB_SETCURSEL, index, 0);
        Notify(dialog.m_hWnd, list, CBN_SELENDOK);
    }
    static bool Ok(const CAutoStartDlg& dialog) {
        Notify(dialog.m_hWnd, ID_MENU_AUTO_START_OK, BN_CLICKED);
        return !IsWindowVisible(dialog.m_hWnd);
    }

    testing_client::ScopedClient client{1};
    EmptyProfileFolders folders;
};

TEST_F(StartEntry, ProfilesNeedACardAndACardOfNeitherKindIsRefused) {
    const auto dialog = Make();
    Notify(dialog->m_hWnd, kProfiles, CBN_DROPDOWN);
    EXPECT_TRUE(Lines(dialog->m_hWnd, kProfiles).empty());
    const auto entry = Make("Air", "C:\\P\\x.wcf");
    Choose(*entry, kCards, "(?] Odd");
    EXPECT_EQ(Lines(entry->m_hWnd, kCards), (Names{"(?] Odd", "(Wire)Cable", "(Wireless)Air"}));
    EXPECT_EQ(Text(entry->m_hWnd, kProfiles) + entry->m_strCardName, "");
    EXPECT_FALSE(Ok(*entry));
    EXPECT_EQ(boxTitles, (Names{"Error - (8028)", "Error - (8026)", "Error - (8019)"}));
}

// Only the kind's extension counts, in any case; a name in both folders is the common file. A
// wired card then drops the wireless profile, so OK finds none.
TEST_F(StartEntry, ProfilesOfTheCardsKindTheCommonOneWinningUntilTheKindChanges) {
    for (const char* name : {"A.WCF", "both.wcf", "c.wcfx", "d.pcf"})
        Write(folders.user, name, "[Profile]\r\n");
    Write(folders.common, "both.wcf", "[Profile]\r\n");
    const auto dialog = Make();
    Choose(*dialog, kCards, "(Wireless)Air");
    Choose(*dialog, kProfiles, "both.wcf");
    EXPECT_EQ(Lines(dialog->m_hWnd, kProfiles), (Names{"A.WCF", "both.wcf", "both.wcf"}));
    EXPECT_EQ(dialog->m_strProfilePath, folders.common + "\\both.wcf");
    Choose(*dialog, kCards, "(Wire)Cable");
    EXPECT_EQ(Text(dialog->m_hWnd, kProfiles), "");
    EXPECT_FALSE(Ok(*dialog));
    EXPECT_EQ(boxTitles, Names{"Error - (8020)"});
}

// The ID and password are asked for, and required, only when the profile needs them; a profile
// the client cannot read leaves the entry's earlier one.
TEST_F(StartEntry, TheProfileReadDecidesTheCredentials) {
    Write(folders.common, "open.pcf", "[Profile]\r\n");
    Write(folders.common, "closed.pcf", "[Profile]\r\nCredentials=1\r\n");
    Write(folders.common, "bad.pcf", "not a profile");
    const struct {
        const char* profile;
        bool shown, ended;
        Names boxes;
        const char* path;
    } cases[] = {{"open.pcf", false, true, {}, "open.pcf"},
                 {"closed.pcf", true, false, {"Error - (8021)"}, "closed.pcf"},
                 {"bad.pcf", true, false, {"Error - (8027)", "Error - (8020)"}, "old.pcf"}};
    for (const auto& c : cases) {
        boxTitles.clear();
        const auto dialog = Make("Cable", folders.common + "\\old.pcf");
        Choose(*dialog, kProfiles, c.profile);
        for (int id : {1036, 1040, 1038, 1041})
            EXPECT_EQ(IsWindowVisible(GetDlgItem(dialog->m_hWnd, id)) != 0, c.shown) << id;
        EXPECT_EQ(dialog->m_strProfilePath, folders.common + "\\" + c.path);
        EXPECT_EQ(Text(dialog->m_hWnd, kProfiles), c.path == std::string(c.profile) ? c.path : "");
        EXPECT_EQ(Ok(*dialog), c.ended);
        EXPECT_EQ(boxTitles, c.boxes) << c.profile;
    }
}

// An entry's profile extension gives it its kind, else it opens empty; a wide name is kept whole.
TEST_F(StartEntry, AnExistingEntryOpensByItsProfilesExtension) {
    const std::string card = "Intel(R) Wi-Fi 6 AX201 160MHz, a name wider than the card field";
    const struct {
        const char *path, *prefix, *profile;
    } cases[] = {{"C:\\P\\x.WCF", "(Wireless)", "x.WCF"},
                 {"C:\\P\\y.pcf", "(Wire)", "y.pcf"},
                 {"C:\\P.wcf\\z.txt", nullptr, ""}};
    for (const auto& c : cases) {
        const auto dialog = Make(card, c.path);
        EXPECT_EQ(Text(dialog->m_hWnd, kCards), c.prefix ? c.prefix + card : "") << c.path;
        EXPECT_EQ(Text(dialog->m_hWnd, kProfiles), c.profile) << c.path;
        EXPECT_EQ(dialog->m_strCardName + dialog->m_strProfilePath, c.prefix ? card + c.path : "");
    }
}

// The press, moved 30 to the right and 20 down and let go, drags the whole window.
TEST_F(StartEntry, APressOnTheBackgroundDragsTheWindow) {
    const auto dialog = Make();
    RECT before = {}, after = {};
    GetWindowRect(dialog->m_hWnd, &before);
    SetCursorPos(before.left + 10, before.top + 10);
    dialog->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SetCursorPos(before.left + 40, before.top + 30);
    dialog->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 30));
    dialog->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(40, 30));
    for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&msg);
    GetWindowRect(dialog->m_hWnd, &after);
    EXPECT_EQ(after.left - before.left, 30);
    EXPECT_EQ(after.top - before.top, 20);
}

}  // namespace
