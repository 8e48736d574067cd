// The card list the program builds once at its start, and the profile searches behind the
// catalogue and the pages, against the simulated client and real folders.
#include "app/file_content.h"
#include "store/nics_info.h"
#include "store/profile_catalogue.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"

#include <winsock2.h>

namespace {

using templates::Put;
using testing_client::SetFixtureDword;
using testing_client::SetFixtureText;

class CardList : public templates::BoxTitles {
protected:
    void TearDown() override {
        BoxTitles::TearDown();
        // a list keeps Winsock started for the rest of the process; the other tests need it ended
        while (WSACleanup() == 0) continue;
    }

    testing_client::ScopedClient client{1};
};

TEST_F(CardList, TwoCardsAreCountedAndEachFailureLeavesTheListEmpty) {
    SetFixtureText("Cards", "A||Card A||0##B||Card B||1##");
    NicsInfo nics;
    EXPECT_TRUE(boxTitles.empty());
    ASSERT_EQ(nics.GetNicCount(), 2);

    // a combo box without a selection reports -1: past the end, and nothing is copied
    NicEntry untouched{"kept", "kept", "kept"};
    EXPECT_FALSE(nics.GetNicAt(-1, &untouched));
    EXPECT_FALSE(nics.GetNicAt(2, &untouched));
    EXPECT_EQ(untouched.NicName + untouched.NicType + untouched.NdisName, "keptkeptkept");

    // each failure shows its message and leaves the list empty
    const std::string log = templates::EmptyLog();
    std::string logAtFirstBox;
    SetMessageBoxRecorder([&](HWND, const std::string&, const std::string& title, UINT) {
        if (boxTitles.empty()) logAtFirstBox = ReadFileContent(log).value_or("");
        boxTitles.push_back(title);
        return IDOK;
    });
    SetFixtureDword("EnumCardResult", 5);
    EXPECT_EQ(NicsInfo().GetNicCount(), 0);
    SetFixtureText("Cards", "");
    SetFixtureDword("EnumCardResult", 0);
    EXPECT_EQ(NicsInfo().GetNicCount(), 0);
    EXPECT_EQ(boxTitles, (std::vector<std::string>{"Error - (8089)", "Error - (8090)"}));
    EXPECT_NE(
        logAtFirstBox.find(" NicsInfo::GetNicListFromOvantaQTV() : QTV_CLI_enum_card() is failed. "
                           "nResult = 5, error = The network cards could not be enumerated."),
        std::string::npos)
        << "the failed enumeration is logged before its box";

    // without a library handle there is nothing to enumerate with
    boxTitles.clear();
    SetFixtureDword("InitializeFails", 1);
    NicsInfo unopened;
    EXPECT_FALSE(unopened.GetNicListFromOvantaQTV());
    EXPECT_EQ(boxTitles, (std::vector<std::string>{"Error - (8024)", "Error - (8088)"}));
}

std::vector<std::string> Names(const std::vector<ProfileEntry>& list) {
    std::vector<std::string> names;
    for (const ProfileEntry& entry : list) names.push_back(entry.name + "/" + entry.kind);
    return names;
}

// Both profile folders start empty; what they held before comes back afterwards.
TEST(ProfileFolders, ASearchListsFilesByTheKindOfTheirExactExtensionAndTheFullScanBothFolders) {
    templates::EmptyProfileFolders folders;
    const std::string &common = folders.common, &user = folders.user;
    for (const char* name : {"a.wcf", "b.pcf"}) Put(common, name);
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

    // the full scan: the common folder first, a name in both folders twice, every extension
    DeleteFileA((common + "\\A.WCF").c_str());
    Put(user, "b.pcf");
    Put(user, "home.kpf");
    ProfileLists all;
    EXPECT_TRUE(ListAllProfiles(&all));
    ASSERT_EQ(all.wired.size(), 3u);
    EXPECT_EQ(all.wired[0].path, common + "\\b.pcf");
    EXPECT_EQ(all.wired[1].path, user + "\\b.pcf");
    EXPECT_EQ(all.wired[2].path, user + "\\home.kpf");
    EXPECT_TRUE(all.wireless.empty());
}

// The full scan reads each folder once and lists what a search per extension finds, in the same
// order: names in any letter case or with dots inside, an extension of four letters (its short
// name ends in the shorter one), a bare extension; neither a near miss nor a folder.
TEST(ProfileFolders, TheFullScanListsWhatASearchPerExtensionFinds) {
    templates::EmptyProfileFolders folders;
    for (const char* name :
         {"b.PCF", "a.wcf", "c.wcf.pcf", "long file name.kpf", "d.pcfx", ".hcf", "e.pc", "F.Wcf"})
        Put(folders.common, name);
    Put(folders.user, "g.tef");
    CreateDirectoryA((folders.common + "\\x.pcf").c_str(), nullptr);
    ProfileLists scanned, searched;
    EXPECT_TRUE(ListAllProfiles(&scanned));
    for (const std::string& folder : {folders.common, folders.user})
        for (const char* extension : kProfileExtensions)
            FindProfileFiles(folder + "\\*" + extension, &searched);
    EXPECT_EQ(Names(scanned.wired), Names(searched.wired));
    EXPECT_EQ(Names(scanned.wireless), Names(searched.wireless));
    EXPECT_EQ(scanned.wired.size() + scanned.wireless.size(), 8u);
}

}  // namespace
