// The card list and the profile catalogue the program builds once at its start, and the profile
// searches of the pages, against the simulated client and real folders.
#include "app/file_content.h"
#include "app/message_box.h"
#include "store/nics_info.h"
#include "store/profile_catalogue.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"

#include <gtest/gtest.h>
#include <winsock2.h>

#include <string>
#include <vector>

namespace {

using templates::Put;
using testing_client::SetFixtureDword;
using testing_client::SetFixtureText;

class CardList : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageBoxRecorder([this](HWND, const std::string&, const std::string& title, UINT) {
            titles.push_back(title);
            return IDOK;
        });
    }
    void TearDown() override {
        SetMessageBoxRecorder(nullptr);
        // a list keeps Winsock started for the rest of the process; the other tests need it ended
        while (WSACleanup() == 0) {
        }
    }

    testing_client::ScopedClient client{1};
    std::vector<std::string> titles;
};

TEST_F(CardList, TwoCardsComeBackInEnumerationOrderWithTheirKindsThroughAHandleOfItsOwn) {
    SetFixtureText("Cards", "A||Card A||0##B||Card B||1##");
    const size_t journalBefore = testing_client::JournalOfThisProcess().size();
    NicsInfo nics;
    EXPECT_TRUE(titles.empty());
    ASSERT_EQ(nics.GetNicCount(), 2);
    NicEntry card;
    ASSERT_TRUE(nics.GetNicAt(1, &card));
    EXPECT_EQ(card.NicName + "/" + card.NicType + "/" + card.NdisName, "Card B/ndis/B");
    std::vector<std::string> listed;
    for (const NicEntry& entry : nics) listed.push_back(entry.NicName + "/" + entry.NicType);
    EXPECT_EQ(listed, (std::vector<std::string>{"Card A/wired", "Card B/ndis"}));

    // a combo box without a selection reports -1: past the end, and nothing is copied
    NicEntry untouched{"kept", "kept", "kept"};
    EXPECT_FALSE(nics.GetNicAt(-1, &untouched));
    EXPECT_FALSE(nics.GetNicAt(2, &untouched));
    EXPECT_EQ(untouched.NicName + untouched.NicType + untouched.NdisName, "keptkeptkept");

    // the list's own library handle is opened, used once and never released
    auto journal = testing_client::JournalOfThisProcess();
    ASSERT_EQ(journal.size(), journalBefore + 2);
    EXPECT_EQ(journal[journalBefore].operation, "initialize");
    EXPECT_EQ(journal[journalBefore + 1].operation, "enum_card");
    EXPECT_EQ(journal[journalBefore + 1].handle, journal[journalBefore].handle);
}

TEST_F(CardList, EachFailureShowsItsMessageAndLeavesTheListEmpty) {
    const std::string log = templates::EmptyLog();

    SetFixtureDword("EnumCardResult", 5);
    EXPECT_EQ(NicsInfo().GetNicCount(), 0);
    SetFixtureText("Cards", "");
    SetFixtureDword("EnumCardResult", 0);
    EXPECT_EQ(NicsInfo().GetNicCount(), 0);
    EXPECT_EQ(titles, (std::vector<std::string>{"Error - (8089)", "Error - (8090)"}));
    EXPECT_NE(ReadFileContent(log).value_or("").find(
                  " NicsInfo::GetNicListFromOvantaQTV() : QTV_CLI_enum_card() is failed. "
                  "nResult = 5, error = The network cards could not be enumerated."),
              std::string::npos)
        << "the failed enumeration is logged before its box";

    // without a library handle there is nothing to enumerate with
    titles.clear();
    SetFixtureDword("InitializeFails", 1);
    NicsInfo unopened;
    EXPECT_FALSE(unopened.GetNicListFromOvantaQTV());
    EXPECT_EQ(titles, (std::vector<std::string>{"Error - (8024)", "Error - (8088)"}));
}

// Each test finds both profile folders empty; what they held before comes back afterwards.
class ProfileFolders : public ::testing::Test {
protected:
    static std::vector<std::string> Names(const std::vector<ProfileEntry>& list) {
        std::vector<std::string> names;
        for (const ProfileEntry& entry : list) names.push_back(entry.name + "/" + entry.kind);
        return names;
    }

    templates::EmptyProfileFolders folders;
    const std::string &common = folders.common, &user = folders.user;
};

TEST_F(ProfileFolders, ASearchListsFilesByTheKindOfTheirExactExtensionAndNoDirectory) {
    Put(common, "a.wcf");
    Put(common, "b.pcf");
    CreateDirectoryA((common + "\\x.pcf").c_str(), nullptr);
    ProfileLists lists;
    EXPECT_TRUE(FindProfileFiles(common + "\\*.wcf", &lists));
    EXPECT_TRUE(FindProfileFiles(common + "\\*.pcf", &lists));
    EXPECT_EQ(Names(lists.wireless), (std::vector<std::string>{"a.wcf/ndis"}));
    EXPECT_EQ(Names(lists.wired), (std::vector<std::string>{"b.pcf/wired"}));
    EXPECT_EQ(lists.wired[0].path, common + "\\b.pcf");

    // the search ignores letter case, the kind does not
    DeleteFileA((common + "\\a.wcf").c_str());
    Put(common, "A.WCF");
    ProfileLists upper;
    EXPECT_TRUE(FindProfileFiles(common + "\\*.wcf", &upper));
    EXPECT_TRUE(upper.wireless.empty());
    EXPECT_EQ(Names(upper.wired), (std::vector<std::string>{"A.WCF/wired"}));
    EXPECT_FALSE(FindProfileFiles(common + "\\*.hcf", &upper));
}

TEST_F(ProfileFolders, TheFullScanListsTheCommonFolderFirstAndANameInBothFoldersTwice) {
    Put(user, "same.pcf");
    Put(common, "same.pcf");
    Put(user, "home.kpf");
    ProfileLists lists;
    EXPECT_TRUE(ListAllProfiles(&lists));
    ASSERT_EQ(lists.wired.size(), 3u);
    EXPECT_EQ(lists.wired[0].path, common + "\\same.pcf");
    EXPECT_EQ(lists.wired[1].path, user + "\\same.pcf");
    EXPECT_EQ(lists.wired[2].path, user + "\\home.kpf");
}

TEST_F(ProfileFolders, TheCatalogueHoldsTheCommonFoldersWcfPcfAndHcfFilesOnly) {
    for (const char* name : {"lab.hcf", "office.pcf", "vpn.kpf", "campus.wcf"}) Put(common, name);
    Put(user, "home.pcf");
    ProfilesInfo catalogue;
    EXPECT_EQ(Names(catalogue.entries()),
              (std::vector<std::string>{"campus.wcf/ndis", "office.pcf/wired", "lab.hcf/wired"}));
    EXPECT_EQ(catalogue.entries()[0].path, common + "\\campus.wcf");
}

}  // namespace
