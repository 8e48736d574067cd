// Reading HKEY_LOCAL_MACHINE values through the client library with the application's handle.
#include "app/ovasettings_app.h"
#include "sim/common/sim_state.h"
#include "store/machine_registry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

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

// A 260-byte destination between guard bytes, as the pages pass it.
struct Destination {
    char before[8];
    char text[260];
    char after[8];
    Destination() {
        std::memset(this, 0x5A, sizeof *this);
        std::memset(text, 0, sizeof text);
    }
    bool GuardsIntact() const {
        for (int i = 0; i < 8; ++i)
            if (before[i] != 0x5A || after[i] != 0x5A) return false;
        return true;
    }
};

// With or without its stored zero; cut at the destination's size minus one.
TEST_F(MachineRegistry, TextIsReadWholeOrCutToItsDestination) {
    const struct {
        std::string stored;
        bool withZero;
        size_t length;
    } cases[] = {{"C:\\Profiles\\office.pcf", true, 22},
                 {"wired", false, 5},
                 {std::string(259, 'p'), true, 259},
                 {std::string(260, 'p'), true, 259},
                 {std::string(1023, 'p'), true, 259}};
    for (const auto& c : cases) {
        SetText("Text", c.stored, c.withZero);
        Destination d;
        EXPECT_TRUE(ReadMachineText(kKey, "Text", d.text, sizeof d.text)) << c.stored.size();
        EXPECT_EQ(std::string(d.text), c.stored.substr(0, c.length));
        EXPECT_TRUE(d.GuardsIntact()) << c.stored.size();
    }
}

// A missing value, one of another type, a text too long for the reader or a missing key leave
// the caller's default; so do a missing value and a text for the integer reader.
TEST_F(MachineRegistry, FailedReadsLeaveTheCallersDefaultWhileADwordComesIntoItsCell) {
    DWORD number = 7;
    RegSetValueExA(key.get(), "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof number);
    SetText("TooLongForTheReader", std::string(1024, 'x'), true);
    for (const char* name : {"Missing", "Number", "TooLongForTheReader"}) {
        Destination d;
        std::strcpy(d.text, "default");
        EXPECT_FALSE(ReadMachineText(kKey, name, d.text, sizeof d.text)) << name;
        EXPECT_STREQ(d.text, "default") << name;
    }
    Destination d;
    EXPECT_FALSE(ReadMachineText("SOFTWARE\\Brenwick\\NoSuchKey", "x", d.text, sizeof d.text));

    SetText("Text", "1", true);
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
