// The simulated client library as the editor calls it: handles, the card enumeration with its
// fixtures, the registry operations with their roots, sizes and failures, and the journal.
#include "client/ovacli.h"
#include "sim/common/sim_state.h"
#include "store/card_list_text.h"
#include "tests/win/client_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr const char kKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\LibraryTest";

class ClientLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        handle = QTV_CLI_initialize();
        ASSERT_NE(handle, 0u);
    }
    void TearDown() override {
        QTV_CLI_terminate(handle);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kKey);
    }
    struct Enumeration {
        int result;
        std::string list;
        DWORD size;
        std::string error;
    };
    Enumeration Enumerate() {
        char list[kQtvCardListSize] = {};
        char error[kQtvErrorSize] = {};
        DWORD size = kQtvCardListSize;
        int result = QTV_CLI_enum_card(handle, list, &size, error);
        return {result, list, size, error};
    }

    testing_client::ScopedClient client;
    QtvHandle handle = 0;
};

TEST_F(ClientLibrary, HandlesAreReleasedOnceAndJournaled) {
    QtvHandle second = QTV_CLI_initialize();
    EXPECT_NE(second, handle);
    EXPECT_GT(second, 0xFFFFFFFFull);
    EXPECT_EQ(QTV_CLI_terminate(second), 0);
    EXPECT_NE(QTV_CLI_terminate(second), 0) << "a second release is refused";
    auto journal = testing_client::JournalOfThisProcess();
    ASSERT_GE(journal.size(), 3u);
    EXPECT_EQ(journal[journal.size() - 2].operation, "terminate");
    EXPECT_EQ(journal[journal.size() - 2].result, 0);
    EXPECT_EQ(journal.back().handle, second);
    EXPECT_NE(journal.back().result, 0);

    testing_client::SetFixtureDword("InitializeFails", 1);
    EXPECT_EQ(QTV_CLI_initialize(), 0u);
}

TEST_F(ClientLibrary, CardEnumerationAnswersTheCardsFixtureVerbatimWithItsLength) {
    const std::string cards = "{A1}||Intel(R) Ethernet||0##{B2}||Intel(R) Wi-Fi 6||1##";
    testing_client::SetFixtureText("Cards", cards);
    Enumeration e = Enumerate();
    EXPECT_EQ(e.result, 0);
    EXPECT_EQ(e.list, cards);
    EXPECT_EQ(e.size, cards.size());
}

TEST_F(ClientLibrary, CardEnumerationWithoutFixtureListsTheMachinesAdaptersInTheListFormat) {
    Enumeration e = Enumerate();
    ASSERT_EQ(e.result, 0) << e.error;
    EXPECT_EQ(e.size, e.list.size());
    // every entry the machine gives is a whole card: both names and a kind
    size_t entries = 0;
    for (size_t at = e.list.find("##"); at != std::string::npos; at = e.list.find("##", at + 2))
        ++entries;
    EXPECT_EQ(ParseCardList(e.list).size(), entries);
    EXPECT_EQ(e.list.find("Loopback"), std::string::npos);
}

TEST_F(ClientLibrary, CardEnumerationFailsAsTheFixtureSaysOrForAnUnknownHandle) {
    testing_client::SetFixtureDword("EnumCardResult", 7);
    Enumeration e = Enumerate();
    EXPECT_EQ(e.result, 7);
    EXPECT_FALSE(e.error.empty());
    testing_client::ClearFixtures();
    char list[kQtvCardListSize] = {};
    char error[kQtvErrorSize] = {};
    DWORD size = kQtvCardListSize;
    EXPECT_NE(QTV_CLI_enum_card(handle + 1, list, &size, error), 0);
    EXPECT_STRNE(error, "");
}

TEST_F(ClientLibrary, RegistryValuesAreWrittenReadAndDeletedUnderHklmOnly) {
    char error[kQtvErrorSize] = {};
    ASSERT_EQ(QTV_CLI_reg_create_key(handle, "HKLM", kKey, error), 0) << error;
    // a text with its zero, and one without: both read back as the same text
    ASSERT_EQ(QTV_CLI_reg_set_value(handle, "HKLM", kKey, "UseOvaGina", REG_SZ, "1", 2, error), 0);
    ASSERT_EQ(QTV_CLI_reg_set_value(handle, "HKLM", kKey, "driver", REG_SZ, "wired", 5, error), 0);
    DWORD number = 20;
    ASSERT_EQ(QTV_CLI_reg_set_value(handle, "HKLM", kKey, "Timeout", REG_DWORD, &number, 4, error),
              0);
    struct Case {
        const char* name;
        const char* text;
    } cases[] = {{"UseOvaGina", "1"}, {"driver", "wired"}};
    for (const Case& c : cases) {
        char data[kQtvRegDataSize] = {};
        DWORD type = REG_SZ, size = kQtvRegDataSize;
        ASSERT_EQ(QTV_CLI_reg_query_value(handle, "HKLM", kKey, c.name, &type, data, &size, error),
                  0);
        EXPECT_STREQ(data, c.text);
    }
    DWORD read = 0, type = REG_DWORD, size = 4;
    ASSERT_EQ(QTV_CLI_reg_query_value(handle, "HKLM", kKey, "Timeout", &type, &read, &size, error),
              0);
    EXPECT_EQ(read, 20u);

    EXPECT_EQ(QTV_CLI_reg_delete_value(handle, "HKLM", kKey, "driver", error), 0);
    char data[kQtvRegDataSize] = {};
    type = REG_SZ;
    size = kQtvRegDataSize;
    EXPECT_NE(QTV_CLI_reg_query_value(handle, "HKLM", kKey, "driver", &type, data, &size, error),
              0);
    EXPECT_NE(QTV_CLI_reg_set_value(handle, "HKCU", kKey, "x", REG_SZ, "1", 2, error), 0);
    EXPECT_NE(QTV_CLI_reg_create_key(handle + 1, "HKLM", kKey, error), 0);
}

TEST_F(ClientLibrary, FailRegValuesRefusesTheNamedValuesWithAnErrorText) {
    char error[kQtvErrorSize] = {};
    ASSERT_EQ(QTV_CLI_reg_create_key(handle, "HKLM", kKey, error), 0);
    testing_client::SetFixtureText("FailRegValues", "WireCard;NicName");
    EXPECT_NE(QTV_CLI_reg_set_value(handle, "HKLM", kKey, "wirecard", REG_SZ, "x", 2, error), 0);
    EXPECT_NE(std::string(error).find("wirecard"), std::string::npos) << error;
    EXPECT_EQ(QTV_CLI_reg_set_value(handle, "HKLM", kKey, "WirelessCard", REG_SZ, "x", 2, error),
              0);
}

TEST_F(ClientLibrary, ModulesLoadOnlyByTheirFileNameFromTheLibrarysFolder) {
    for (const char* name :
         {"..\\OvaText.dll", "C:\\windows\\system32\\kernel32.dll", "", "x/y.dll"})
        EXPECT_EQ(QTV_CLI_load_module(name), nullptr) << name;
    HMODULE text = QTV_CLI_load_module("OvaText.dll");
    ASSERT_NE(text, nullptr);
    EXPECT_NE(GetProcAddress(text, MAKEINTRESOURCEA(1)), nullptr);
    FreeLibrary(text);
}

}  // namespace
