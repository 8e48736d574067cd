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

TEST_F(MachineRegistry, TextReadsTheSameWithOrWithoutItsStoredZero) {
    SetText("WithZero", "C:\\Profiles\\office.pcf", true);
    SetText("WithoutZero", "wired", false);
    Destination a, b;
    EXPECT_TRUE(ReadMachineText(kKey, "WithZero", a.text, sizeof a.text));
    EXPECT_STREQ(a.text, "C:\\Profiles\\office.pcf");
    EXPECT_TRUE(ReadMachineText(kKey, "WithoutZero", b.text, sizeof b.text));
    EXPECT_STREQ(b.text, "wired");
}

TEST_F(MachineRegistry, TextLongerThanTheDestinationIsCutAtItsSizeMinusOne) {
    for (size_t length : {259u, 260u, 300u, 1023u}) {
        SetText("Long", std::string(length, 'p'), true);
        Destination d;
        EXPECT_TRUE(ReadMachineText(kKey, "Long", d.text, sizeof d.text)) << length;
        EXPECT_EQ(std::strlen(d.text), std::min<size_t>(length, 259)) << length;
        EXPECT_TRUE(d.GuardsIntact()) << length;
    }
}

TEST_F(MachineRegistry, FailedTextReadLeavesTheDestinationAsItWas) {
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
}

TEST_F(MachineRegistry, DwordReadsIntoTheCallersCellOrLeavesItsDefault) {
    DWORD stored = 20;
    RegSetValueExA(key.get(), "AuthTimeout", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored),
                   sizeof stored);
    SetText("Text", "1", true);
    DWORD cell = 0;
    EXPECT_TRUE(ReadMachineDword(kKey, "AuthTimeout", &cell));
    EXPECT_EQ(cell, 20u);
    for (const char* name : {"Missing", "Text"}) {
        cell = 5;
        EXPECT_FALSE(ReadMachineDword(kKey, name, &cell)) << name;
        EXPECT_EQ(cell, 5u) << name;
    }
}

}  // namespace
