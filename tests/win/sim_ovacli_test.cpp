// What only the simulated client's own tests see, since the editor does not use it yet or cannot
// tell: the card enumeration of the machine's adapters, the registry operations with their roots
// and failures, the folder modules load from, and a text module answer cut inside a double-byte
// character.
#include "app/file_content.h"
#include "client/loaded_module.h"
#include "client/ovacli.h"
#include "sim/common/sim_state.h"
#include "store/card_list_text.h"
#include "tests/win/client_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

namespace {

constexpr const char kKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\LibraryTest";

class ClientLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        handle = QTV_CLI_initialize();
        ASSERT_NE(handle, 0u);
        ASSERT_EQ(QTV_CLI_reg_create_key(handle, "HKLM", kKey, error), 0) << error;
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
    Enumeration Enumerate(QtvHandle from) {
        char list[kQtvCardListSize] = {};
        DWORD size = kQtvCardListSize;
        int result = QTV_CLI_enum_card(from, list, &size, error);
        return {result, list, size, error};
    }

    testing_client::ScopedClient client;
    QtvHandle handle = 0;
    char error[kQtvErrorSize] = {};
};

TEST_F(ClientLibrary, CardEnumerationAnswersTheMachinesAdaptersOrItsFailure) {
    // Without the fixture: every entry the machine gives is a whole card, loopback left out.
    Enumeration e = Enumerate(handle);
    ASSERT_EQ(e.result, 0) << e.error;
    EXPECT_EQ(e.size, e.list.size());
    size_t entries = 0;
    for (size_t at = e.list.find("##"); at != std::string::npos; at = e.list.find("##", at + 2))
        ++entries;
    EXPECT_EQ(ParseCardList(e.list).size(), entries);
    EXPECT_EQ(e.list.find("Loopback"), std::string::npos);

    e = Enumerate(handle + 1);
    EXPECT_NE(e.result, 0) << "an unknown handle";
    EXPECT_FALSE(e.error.empty());
}

// Writing, reading, deleting and the FailRegValues fixture are what every applying test does
// through the editor.
TEST_F(ClientLibrary, RegistryCallsRefuseOtherRootsAndUnknownHandles) {
    EXPECT_NE(QTV_CLI_reg_set_value(handle, "HKCU", kKey, "x", REG_SZ, "1", 2, error), 0);
    EXPECT_NE(QTV_CLI_reg_create_key(handle + 1, "HKLM", kKey, error), 0);
}

// A size cell of 0 leaves the library no room: it writes nothing, and reads nothing past the
// caller's buffer to answer the length.
TEST_F(ClientLibrary, ASizeCellOf0LeavesTheCallersBufferAlone) {
    ASSERT_EQ(QTV_CLI_reg_set_value(handle, "HKLM", kKey, "x", REG_SZ, "value", 6, error), 0);
    testing_client::SetFixtureText("Cards", "A||Card||0##");
    char guard[2] = {'g', 'h'};
    DWORD type = REG_SZ, size = 0;
    EXPECT_NE(QTV_CLI_reg_query_value(handle, "HKLM", kKey, "x", &type, guard, &size, error), 0);
    EXPECT_EQ(QTV_CLI_enum_card(handle, guard, &size, error), 0);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(std::string(guard, 2), "gh");
}

// A value longer than the library's first read still comes whole.
TEST_F(ClientLibrary, AValueLongerThanTheFirstReadComesWhole) {
    const std::string value(3000, 'v');
    ASSERT_EQ(
        QTV_CLI_reg_set_value(handle, "HKLM", kKey, "x", REG_BINARY, value.c_str(), 3000, error),
        0);
    std::string buffer(4096, 'g');
    DWORD type = REG_BINARY, size = 4096;
    EXPECT_EQ(
        QTV_CLI_reg_query_value(handle, "HKLM", kKey, "x", &type, buffer.data(), &size, error), 0);
    EXPECT_EQ(buffer.substr(0, size), value);
}

// The library keeps its journal open; emptied meanwhile, as a reset empties it, the journal goes
// on from its start, with no gap where the earlier lines were.
TEST_F(ClientLibrary, AJournalEmptiedWhileTheLibraryHoldsItGoesOnFromItsStart) {
    const std::string path = sim::JournalPath();
    HANDLE emptied = CreateFileA(path.c_str(), GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(emptied, INVALID_HANDLE_VALUE);
    CloseHandle(emptied);
    QTV_CLI_reg_create_key(handle, "HKLM", kKey, error);
    EXPECT_EQ(ReadFileContent(path).value_or(""),
              std::to_string(GetCurrentProcessId()) + " reg_create_key 0x" +
                  (std::ostringstream() << std::hex << handle).str() + " 0\r\n");
}

TEST_F(ClientLibrary, ModulesLoadOnlyByTheirFileNameFromTheLibrarysFolder) {
    for (const char* name :
         {"..\\OvaText.dll", "C:\\windows\\system32\\kernel32.dll", "", "x/y.dll"})
        EXPECT_EQ(QTV_CLI_load_module(name), nullptr) << name;
}

// Message 8119 in Korean begins "Ovanta " and a Hangul character of two bytes: a buffer of 9
// bytes ends inside that character, so the answer stops before it.
TEST(SimulatedTextModule, CutsAnAnswerAtTheBufferSizeMinusOneOnACharacterBoundary) {
    testing_client::ScopedClient client{0};
    LoadedModule module("OvaText.dll");
    ASSERT_TRUE(module.ready());
    char full[1024] = {};
    DWORD size = sizeof full, cell = 8119, status = 0;
    ASSERT_NE(module.object()->Invoke(2, &cell, full, &size, &status), 0);
    ASSERT_TRUE(IsDBCSLeadByte(static_cast<BYTE>(full[7]))) << full;
    DWORD none = 0;  // no room even for the zero
    EXPECT_EQ(module.object()->Invoke(2, &cell, full, &none, &status), 0);
    EXPECT_EQ(status, 9018u);
    const struct {
        DWORD size;
        size_t length;
    } cases[] = {{1, 0}, {8, 7}, {9, 7}, {10, 9}};
    for (const auto& c : cases) {
        char text[16];
        std::memset(text, 'z', sizeof text);
        cell = 8119;
        DWORD smallSize = c.size;
        ASSERT_NE(module.object()->Invoke(2, &cell, text, &smallSize, &status), 0);
        EXPECT_EQ(std::strlen(text), c.length) << c.size;
        EXPECT_EQ(std::string(full, c.length), std::string(text)) << c.size;
        EXPECT_EQ(text[c.size], 'z') << "nothing written past the buffer";
    }
}

}  // namespace
