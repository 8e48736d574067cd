// Reading HKEY_LOCAL_MACHINE values through the client library with the application's handle.
#include "app/ovasettings_app.h"
#include "sim/common/sim_state.h"
#include "store/machine_registry.h"
#include "tests/win/template_support.h"

namespace {

using templates::Destination;

constexpr const char kKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\ReaderTest";

class MachineRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        app.m_hClient = QTV_CLI_initialize();
        ASSERT_NE(app.m_hClient, 0u);
        key.Create(HKEY_LOCAL_MACHINE, kKey, KEY_SET_VALUE);
    }
    void TearDown() override {
        key.Close();
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kKey);
        QTV_CLI_terminate(app.m_hClient);
    }
    void SetText(const char* name, const std::string& text, bool withZero) {
        RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()),
                       static_cast<DWORD>(text.size() + (withZero ? 1 : 0)));
    }

    COvaSettingsApp app;
    sim::RegKey key;
};

// With or without its stored zero (the short one without); cut at the destination's size minus
// one.
TEST_F(MachineRegistry, TextIsReadWholeOrCutToItsDestination) {
    for (size_t length : {5u, 259u, 260u, 1023u}) {
        const std::string stored(length, 'p');
        SetText("Text", stored, length != 5);
        Destination d;
        EXPECT_TRUE(ReadMachineText(kKey, "Text", d.text, sizeof d.text)) << length;
        EXPECT_EQ(std::string(d.text), stored.substr(0, 259)) << length;
        EXPECT_TRUE(d.GuardsIntact()) << length;
    }
}

// A missing value, one of another type, a text too long for the reader or a missing key leave
// the caller's default; so do a missing value and a text for the integer reader.
TEST_F(MachineRegistry, FailedReadsLeaveTheCallersDefaultWhileADwordComesIntoItsCell) {
    DWORD number = 7;
    RegSetValueExA(key.get(), "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof number);
    SetText("TooLongForTheReader", std::string(1024, 'x'), true);
    SetText("Text", "1", true);
    for (const auto& [keyPath, name] : {std::pair{kKey, "Missing"},
                                        {kKey, "Number"},
                                        {kKey, "TooLongForTheReader"},
                                        {"SOFTWARE\\Brenwick\\NoSuchKey", "Text"}}) {
        Destination d("default");
        EXPECT_FALSE(ReadMachineText(keyPath, name, d.text, sizeof d.text)) << name;
        EXPECT_STREQ(d.text, "default") << name;
    }
    for (const char* name : {"Missing", "Text"}) {
        DWORD cell = 5;
        EXPECT_FALSE(ReadMachineDword(kKey, name, &cell)) << name;
        EXPECT_EQ(cell, 5u) << name;
    }
    DWORD cell = 0;
    EXPECT_TRUE(ReadMachineDword(kKey, "Number", &cell));
    EXPECT_EQ(cell, 7u);
}

}  // namespace
