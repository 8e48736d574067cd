// The start entry dialog against the simulated client: the cards and profiles it offers, which
// profile a name stands for, what choosing them clears, what OK refuses, and dragging it.
#include "app/message_box.h"
#include "pages/auto_start_dlg.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace templates;
using testing_client::SetFixtureText;
using Names = std::vector<std::string>;

constexpr int kCardList = 1030, kProfileList = 1033, kId = 1036, kPassword = 1040;
constexpr char kReadable[] = "[Profile]\r\n", kWithCredentials[] = "[Profile]\r\nCredentials=1\r\n";

void Write(const std::string& folder, const std::string& name, const std::string& content) {
    std::ofstream(folder + "\\" + name, std::ios::binary) << content;
}

class StartEntry : public PageHost {
protected:
    std::unique_ptr<CAutoStartDlg> Make(const std::string& card = "",
                                        const std::string& profile = "") {
        auto dialog = std::make_unique<CAutoStartDlg>(&parent);
        dialog->m_strWirelessExt = ".wcf";
        dialog->m_strWiredExt = ".pcf";
        dialog->m_strCardName = card;
        dialog->m_strProfilePath = profile;
        EXPECT_TRUE(dialog->Create(CAutoStartDlg::IDD, &parent));
        dialog->ShowWindow(SW_SHOW);
        return dialog;
    }
    // Opens LIST and confirms its line LINE, as a user picks it.
    static void Choose(const CAutoStartDlg& dialog, int list, const std::string& line) {
        Notify(dialog.m_hWnd, list, CBN_DROPDOWN);
        const LRESULT index =
            SendDlgItemMessageA(dialog.m_hWnd, list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(line.c_str()));
        ASSERT_GE(index, 0) << line;
        SendDlgItemMessageA(dialog.m_hWnd, list, CB_SETCURSEL, index, 0);
        Notify(dialog.m_hWnd, list, CBN_SELENDOK);
    }
    // OK pressed: true when the dialog ended, otherwise the box it showed is recorded.
    static bool Ok(const CAutoStartDlg& dialog) {
        Notify(dialog.m_hWnd, ID_MENU_AUTO_START_OK, BN_CLICKED);
        return !IsWindowVisible(dialog.m_hWnd);
    }

    testing_client::ScopedClient client{1};
    EmptyProfileFolders folders;
};

TEST_F(StartEntry, CardsAreListedByKindAndTheProfileListNeedsACardFirst) {
    SetFixtureText("Cards", "W||Air||1##D||Cable||0##S||Seven||7####X||Hidden||0##");
    HWND owner = nullptr;
    SetMessageBoxRecorder([&](HWND box, const std::string&, const std::string& title, UINT) {
        owner = box;
        boxTitles.push_back(title);
        return IDOK;
    });
    const auto dialog = Make();
    Notify(dialog->m_hWnd, kProfileList, CBN_DROPDOWN);
    EXPECT_EQ(boxTitles, Names{"Error - (8028)"});
    EXPECT_EQ(owner, dialog->m_hWnd);
    EXPECT_TRUE(Lines(dialog->m_hWnd, kProfileList).empty());
    Notify(dialog->m_hWnd, kCardList, CBN_DROPDOWN);
    EXPECT_EQ(Lines(dialog->m_hWnd, kCardList),
              (Names{"(?] Seven", "(Wire)Cable", "(Wireless)Air"}));

    Choose(*dialog, kCardList, "(?] Seven");
    EXPECT_EQ(boxTitles.back(), "Error - (8026)");
    EXPECT_EQ(dialog->m_strCardName, "");
    EXPECT_FALSE(Ok(*dialog));
    EXPECT_EQ(boxTitles.back(), "Error - (8019)");

    testing_client::SetFixtureDword("EnumCardResult", 5);
    Notify(dialog->m_hWnd, kCardList, CBN_DROPDOWN);
    EXPECT_EQ(boxTitles.back(), "Error - (8025)");
    EXPECT_TRUE(Lines(dialog->m_hWnd, kCardList).empty());
}

// Only the kind's extension counts, in any case; a name in both folders is the common file.
TEST_F(StartEntry, ProfilesOfTheCardsKindFromBothFoldersTheCommonOneWinning) {
    SetFixtureText("Cards", "W||Air||1##D||Cable||0##");
    for (const char* name : {"A.WCF", "both.wcf", "c.wcfx", "d.pcf"})
        Write(folders.user, name, kReadable);
    Write(folders.common, "both.wcf", kReadable);
    CreateDirectoryA((folders.common + "\\dir.wcf").c_str(), nullptr);
    const auto dialog = Make();
    Choose(*dialog, kCardList, "(Wireless)Air");
    Choose(*dialog, kProfileList, "both.wcf");
    EXPECT_EQ(Lines(dialog->m_hWnd, kProfileList), (Names{"A.WCF", "both.wcf", "both.wcf"}));
    EXPECT_EQ(dialog->m_strProfilePath, folders.common + "\\both.wcf");
    EXPECT_TRUE(Ok(*dialog));
    EXPECT_EQ(dialog->m_strCardName, "Air");
    EXPECT_TRUE(boxTitles.empty());
}

// A wired card after a wireless profile empties the profile text, so OK finds no profile.
TEST_F(StartEntry, ChoosingACardOfTheOtherKindDropsTheProfile) {
    SetFixtureText("Cards", "W||Air||1##D||Cable||0##");
    Write(folders.user, "home.wcf", kReadable);
    const auto dialog = Make();
    Choose(*dialog, kCardList, "(Wireless)Air");
    Choose(*dialog, kProfileList, "home.wcf");
    Choose(*dialog, kCardList, "(Wire)Cable");
    EXPECT_EQ(Text(dialog->m_hWnd, kProfileList), "");
    EXPECT_EQ(Text(dialog->m_hWnd, kCardList), "(Wire)Cable");
    EXPECT_FALSE(Ok(*dialog));
    EXPECT_EQ(boxTitles, Names{"Error - (8020)"});
}

// The ID and password are asked for, and required, only when the profile needs them.
TEST_F(StartEntry, CredentialsAreShownAndRequiredOnlyForAProfileThatNeedsThem) {
    SetFixtureText("Cards", "D||Cable||0##");
    Write(folders.common, "open.pcf", kReadable);
    Write(folders.common, "closed.pcf", kWithCredentials);
    const struct {
        const char* profile;
        bool shown;
        Names boxes;
    } cases[] = {{"open.pcf", false, {}}, {"closed.pcf", true, {"Error - (8021)"}}};
    for (const auto& c : cases) {
        boxTitles.clear();
        const auto dialog = Make();
        Choose(*dialog, kCardList, "(Wire)Cable");
        Choose(*dialog, kProfileList, c.profile);
        for (int id : {kId, kPassword, 1038, 1041})
            EXPECT_EQ(IsWindowVisible(GetDlgItem(dialog->m_hWnd, id)) != 0, c.shown) << id;
        EXPECT_EQ(Ok(*dialog), !c.shown);
        EXPECT_EQ(boxTitles, c.boxes);
    }
}

// The entry keeps the profile it had; the list shows none.
TEST_F(StartEntry, AProfileTheClientCannotReadKeepsTheEarlierPath) {
    Write(folders.user, "bad.wcf", "not a profile");
    const auto dialog = Make("Air", "C:\\Profiles\\old.wcf");
    EXPECT_EQ(Text(dialog->m_hWnd, kProfileList), "old.wcf");
    Choose(*dialog, kProfileList, "bad.wcf");
    EXPECT_EQ(boxTitles, Names{"Error - (8027)"});
    EXPECT_EQ(Text(dialog->m_hWnd, kProfileList), "");
    EXPECT_EQ(dialog->m_strProfilePath, "C:\\Profiles\\old.wcf");
}

// The profile's extension gives an existing entry its kind; one of neither kind opens empty. A
// card name wider than its field is kept whole.
TEST_F(StartEntry, AnExistingEntryOpensByItsProfilesExtension) {
    const std::string card = "Intel(R) Wi-Fi 6 AX201 160MHz, a name wider than the card field";
    const struct {
        const char *profile, *prefix, *shownProfile;
    } cases[] = {{"C:\\P\\x.WCF", "(Wireless)", "x.WCF"},
                 {"C:\\P\\y.pcf", "(Wire)", "y.pcf"},
                 {"C:\\P.wcf\\z.txt", nullptr, ""}};
    for (const auto& c : cases) {
        const auto dialog = Make(card, c.profile);
        EXPECT_EQ(Text(dialog->m_hWnd, kCardList), c.prefix ? c.prefix + card : "") << c.profile;
        EXPECT_EQ(Text(dialog->m_hWnd, kProfileList), c.shownProfile) << c.profile;
        EXPECT_EQ(dialog->m_strCardName + dialog->m_strProfilePath,
                  c.prefix ? card + c.profile : "");
    }
}

// The press, moved 30 to the right and 20 down and let go, drags the whole window.
TEST_F(StartEntry, APressOnTheBackgroundDragsTheWindow) {
    const auto dialog = Make();
    SetForegroundWindow(dialog->m_hWnd);
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
    EXPECT_EQ(after.right - after.left, before.right - before.left);
}

}  // namespace
