// The settings store module OvaReg.dll, loaded the way the editor loads it: every item the editor
// reads at start, every item it writes on OK, the start list and its passwords, and the failures.
// The store is seeded and inspected through the registry layout of sim/README.md.
#include "client/loaded_module.h"
#include "sim/common/sim_state.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr char kStoreKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\Store";
constexpr char kStartListKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\Store\\StartList";
constexpr char kOvaSettingsKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\OvaSettings";
constexpr char kSimulatorKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\Simulator";

constexpr DWORD kTextSize = 1024;
constexpr DWORD kStartListSize = 5120;

void SetMachineDword(const char* key, const char* name, DWORD value) {
    sim::RegKey opened;
    ASSERT_EQ(opened.Create(HKEY_LOCAL_MACHINE, key, KEY_SET_VALUE), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(opened.get(), name, 0, REG_DWORD, reinterpret_cast<BYTE*>(&value),
                             sizeof value),
              ERROR_SUCCESS);
}

void SetMachineText(const char* key, const char* name, const std::string& text) {
    sim::RegKey opened;
    ASSERT_EQ(opened.Create(HKEY_LOCAL_MACHINE, key, KEY_SET_VALUE), ERROR_SUCCESS);
    ASSERT_EQ(
        RegSetValueExA(opened.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1)),
        ERROR_SUCCESS);
}

void DeleteMachineValue(const char* key, const char* name) {
    sim::RegKey opened;
    if (opened.Open(HKEY_LOCAL_MACHINE, key, KEY_SET_VALUE) == ERROR_SUCCESS)
        RegDeleteValueA(opened.get(), name);
}

// What one request gave back.
struct Answer {
    bool ok = false;
    DWORD value = 0;
    std::string text;
    DWORD size = 0;
    DWORD status = 0;
};

// The store object of one loaded OvaReg.dll, requested as the editor requests it.
class Store {
public:
    Store() : m_module("OvaReg.dll") {}
    bool ready() const { return m_module.ready(); }

    Answer Request(unsigned item, DWORD value = 0, const std::string& text = std::string(),
                   DWORD bufferSize = kTextSize) {
        std::vector<char> buffer(bufferSize + 16, '\x7f');  // bytes past the size stay untouched
        std::fill(buffer.begin(), buffer.begin() + bufferSize, '\0');
        std::memcpy(buffer.data(), text.data(), std::min<size_t>(text.size(), bufferSize));
        Answer answer;
        answer.value = value;
        answer.size = bufferSize;
        answer.status = 0x5a5a;
        answer.ok = m_module.object()->Invoke(item, &answer.value, buffer.data(), &answer.size,
                                              &answer.status) != 0;
        answer.text.assign(buffer.data(), strnlen(buffer.data(), bufferSize));
        for (size_t i = bufferSize; i < buffer.size(); ++i) EXPECT_EQ(buffer[i], '\x7f');
        return answer;
    }

    Answer StartList() { return Request(43, 0, std::string(), kStartListSize); }

private:
    LoadedModule m_module;
};

// Every byte of TEXT in the wide form the registry's W functions give.
std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());  // the texts searched for are ASCII
}

bool Contains(const BYTE* data, size_t size, const void* needle, size_t length) {
    if (length == 0 || size < length) return false;
    const BYTE* end = data + size;
    return std::search(data, end, static_cast<const BYTE*>(needle),
                       static_cast<const BYTE*>(needle) + length) != end;
}

// Walks a registry tree as a full export would see it: key names, value names and value data.
// Data is read through the W functions, so a text value shows in UTF-16 and binary data as it is;
// the needle is looked for in its ANSI and its UTF-16 bytes in all of them.
class RegistryScan {
public:
    explicit RegistryScan(const std::string& needle) : m_ansi(needle), m_wide(Widen(needle)) {}

    bool Found(HKEY root) {
        Walk(root, 0);
        return m_found;
    }
    size_t keysSeen() const { return m_keys; }

private:
    bool Holds(const void* data, size_t size) const {
        auto bytes = static_cast<const BYTE*>(data);
        return Contains(bytes, size, m_ansi.data(), m_ansi.size()) ||
               Contains(bytes, size, m_wide.data(), m_wide.size() * sizeof(wchar_t));
    }

    void Walk(HKEY key, int depth) {
        ++m_keys;
        DWORD subkeys = 0, maxKey = 0, values = 0, maxName = 0, maxData = 0;
        if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, &maxKey, nullptr, &values,
                             &maxName, &maxData, nullptr, nullptr) != ERROR_SUCCESS)
            return;
        std::vector<wchar_t> name(std::max(maxKey, maxName) + 2);
        std::vector<BYTE> data(maxData + 2);
        for (DWORD i = 0; i < values && !m_found; ++i) {
            DWORD nameLength = static_cast<DWORD>(name.size()), dataSize = maxData, type = 0;
            if (RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, data.data(),
                              &dataSize) != ERROR_SUCCESS)
                continue;
            m_found =
                Holds(name.data(), nameLength * sizeof(wchar_t)) || Holds(data.data(), dataSize);
        }
        if (depth > 64) return;
        for (DWORD i = 0; i < subkeys && !m_found; ++i) {
            DWORD nameLength = static_cast<DWORD>(name.size());
            if (RegEnumKeyExW(key, i, name.data(), &nameLength, nullptr, nullptr, nullptr,
                              nullptr) != ERROR_SUCCESS)
                continue;
            if (Holds(name.data(), nameLength * sizeof(wchar_t))) {
                m_found = true;
                break;
            }
            HKEY child = nullptr;
            if (RegOpenKeyExW(key, name.data(), 0, KEY_READ, &child) != ERROR_SUCCESS) continue;
            Walk(child, depth + 1);
            RegCloseKey(child);
        }
    }

    std::string m_ansi;
    std::wstring m_wide;
    bool m_found = false;
    size_t m_keys = 0;
};

class StoreModuleTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_language = sim::ReadDword(HKEY_LOCAL_MACHINE, kOvaSettingsKey, "Language");
    }
    static void TearDownTestSuite() {
        if (s_language) {
            SetMachineDword(kOvaSettingsKey, "Language", *s_language);
        } else {
            DeleteMachineValue(kOvaSettingsKey, "Language");
        }
    }

    void SetUp() override {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kStoreKey);
        DeleteMachineValue(kSimulatorKey, "FailItems");
        ASSERT_TRUE(m_store.ready()) << "OvaReg.dll did not load through the client library";
    }
    void TearDown() override {
        DeleteMachineValue(kSimulatorKey, "FailItems");
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kStoreKey);
    }

    // One entry through the records the editor writes on OK.
    void WriteEntry(const std::string& card, const std::string& profile,
                    const std::string& password, const std::string& id) {
        EXPECT_TRUE(m_store.Request(65, 0, card + ";;" + profile + ";;", kStartListSize).ok);
        EXPECT_TRUE(m_store.Request(68, 0, card + ";;" + password + ";;", kStartListSize).ok);
        EXPECT_TRUE(m_store.Request(69, 0, card + ";;" + id + ";;", kStartListSize).ok);
    }

    // The whole start list as the editor writes it with auto-start on.
    void CommitList(const std::vector<std::vector<std::string>>& entries) {
        ASSERT_TRUE(m_store.Request(73).ok);
        ASSERT_TRUE(m_store.Request(57, 1).ok);
        std::string profiles;
        for (const auto& entry : entries) {
            WriteEntry(entry[0], entry[1], entry[2], entry[3]);
            profiles += entry[1] + ";;";
        }
        ASSERT_TRUE(m_store.Request(71, 0, profiles, kStartListSize).ok);
    }

    Store m_store;
    static std::optional<DWORD> s_language;
};

std::optional<DWORD> StoreModuleTest::s_language;

struct IntegerItem {
    unsigned item;
    const char* value;
    DWORD stored;
};

struct TextItem {
    unsigned item;
    const char* value;
    const char* stored;
};

// The integers the editor reads when it opens, each seeded with a value of its own.
const IntegerItem kIntegerItems[] = {
    {77, "ShowLogonPage", 0},       {78, "ShowFirewallPage", 1}, {79, "ShowSwitchPage", 0},
    {80, "ShowDefaultCardPage", 1}, {41, "AutoStart", 1},        {44, "AutoConnect", 1},
    {47, "TrayAtBoot", 1},          {40, "BroadcastAuth", 1},    {905, "TlsVersion", 1},
    {907, "SiteIcon", 1},           {908, "ShowPcName", 0},      {909, "AutoPcName", 1},
    {813, "ShowStartUpPage", 1},    {130, "StartUpMode", 1},
};

const TextItem kTextItems[] = {
    {72, "InstallDir", "D:\\Apps\\Ovanta Client"},
    {45, "DefaultWirelessCard", "Intel(R) Wi-Fi 6 AX201"},
    {46, "DefaultWiredCard", "Realtek PCIe GbE"},
    {50, "LockMask", "10111"},
    {74, "Options", "-w30;;-d;;"},
    {103, "WirelessProfileExt", ".wcf"},
    {104, "WiredProfileExt", ".pcf"},
    {902, "VersionText", "Ovanta 6.0.2 (site)"},
};

TEST_F(StoreModuleTest, EveryItemReadAtEditorStartAnswersWhatTheStoreHolds) {
    for (const IntegerItem& seed : kIntegerItems)
        SetMachineDword(kStoreKey, seed.value, seed.stored);
    for (const TextItem& seed : kTextItems) SetMachineText(kStoreKey, seed.value, seed.stored);
    SetMachineDword(kOvaSettingsKey, "Language", 1);

    for (const IntegerItem& seed : kIntegerItems) {
        Answer answer = m_store.Request(seed.item, 0xdeadbeef);
        EXPECT_TRUE(answer.ok) << "item " << seed.item << " status " << answer.status;
        EXPECT_EQ(answer.value, seed.stored) << "item " << seed.item;
    }
    for (const TextItem& seed : kTextItems) {
        Answer answer = m_store.Request(seed.item);
        EXPECT_TRUE(answer.ok) << "item " << seed.item << " status " << answer.status;
        EXPECT_EQ(answer.text, seed.stored) << "item " << seed.item;
        EXPECT_EQ(answer.size, std::strlen(seed.stored)) << "item " << seed.item;
    }
    Answer language = m_store.Request(49, 7);
    EXPECT_TRUE(language.ok);
    EXPECT_EQ(language.value, 1u);
}

TEST_F(StoreModuleTest, TheLanguageOfAClientThatHasNoneIsKorean) {
    DeleteMachineValue(kOvaSettingsKey, "Language");
    Answer answer = m_store.Request(49, 7);
    EXPECT_TRUE(answer.ok);
    EXPECT_EQ(answer.value, 0u);
}

TEST_F(StoreModuleTest, AnItemThatWasNeverStoredFailsWithTheStoreReadStatus) {
    Answer integer = m_store.Request(41);
    EXPECT_FALSE(integer.ok);
    EXPECT_EQ(integer.status, 9005u);
    Answer text = m_store.Request(72);
    EXPECT_FALSE(text.ok);
    EXPECT_EQ(text.status, 9005u);
}

struct WrittenItem {
    unsigned written;
    unsigned read;
    DWORD value;
    const char* text;  // null for an integer item
};

const WrittenItem kWrittenItems[] = {
    {57, 41, 1, nullptr},
    {59, 44, 1, nullptr},
    {62, 47, 1, nullptr},
    {39, 40, 1, nullptr},
    {906, 905, 1, nullptr},
    {910, 909, 1, nullptr},
    {60, 45, 0, "Qualcomm Atheros AR9485"},
    {61, 46, 0, "Intel(R) Ethernet I219-V"},
    {75, 74, 0, "-w30;;-dd;;"},
};

TEST_F(StoreModuleTest, EveryWrittenItemComesBackThroughItsReadItem) {
    for (const WrittenItem& item : kWrittenItems) {
        std::string text = item.text ? item.text : "";
        Answer written = m_store.Request(item.written, item.value, text);
        ASSERT_TRUE(written.ok) << "item " << item.written << " status " << written.status;

        // The value cell starts as something else, so the answer must overwrite it.
        Answer read = m_store.Request(item.read, item.value ^ 1u);
        EXPECT_TRUE(read.ok) << "item " << item.read << " status " << read.status;
        if (item.text) {
            EXPECT_EQ(read.text, item.text) << "item " << item.written << " to " << item.read;
        } else {
            EXPECT_EQ(read.value, item.value) << "item " << item.written << " to " << item.read;
            ASSERT_TRUE(m_store.Request(item.written, 0).ok);
            EXPECT_EQ(m_store.Request(item.read, 1).value, 0u) << "item " << item.written;
        }
    }
}

TEST_F(StoreModuleTest, ItemsNothingReadsKeepWhatTheyWereGiven) {
    const std::string tray = "\"C:\\Program Files\\Ovanta\\OvaTray.exe\" /R /1";
    ASSERT_TRUE(m_store.Request(62, 1, tray).ok);
    ASSERT_TRUE(m_store.Request(84, 0, "{4D36E972-E325-11CE-BFC1-08002BE10318}").ok);
    ASSERT_TRUE(m_store.Request(83, 0, "{A1B2C3D4-0000-1111-2222-333344445555}").ok);

    EXPECT_EQ(sim::ReadText(HKEY_LOCAL_MACHINE, kStoreKey, "TrayCommand"), tray);
    EXPECT_EQ(sim::ReadText(HKEY_LOCAL_MACHINE, kStoreKey, "DefaultWirelessNdis"),
              "{4D36E972-E325-11CE-BFC1-08002BE10318}");
    EXPECT_EQ(sim::ReadText(HKEY_LOCAL_MACHINE, kStoreKey, "DefaultWiredNdis"),
              "{A1B2C3D4-0000-1111-2222-333344445555}");
}

TEST_F(StoreModuleTest, AWrittenStartListComesBackByCardName) {
    CommitList({{"LAN", "C:\\ProgramData\\Ovanta\\Profiles\\office.pcf", "pw-lan", "kim"},
                {"Wi-Fi", "C:\\ProgramData\\Ovanta\\Profiles\\campus.wcf", "", ""}});

    Answer list = m_store.StartList();
    ASSERT_TRUE(list.ok);
    EXPECT_EQ(list.text, "LAN;;Wi-Fi");
    EXPECT_EQ(list.value, 2u);
    EXPECT_EQ(m_store.Request(41).value, 1u);

    // The editor asks with the card name it split from item 43; the store ignores letter case.
    EXPECT_EQ(m_store.Request(51, 0, "lan").text, "C:\\ProgramData\\Ovanta\\Profiles\\office.pcf");
    EXPECT_EQ(m_store.Request(54, 0, "LAN").text, "pw-lan");
    EXPECT_EQ(m_store.Request(55, 0, "LAN").text, "kim");
    EXPECT_EQ(m_store.Request(51, 0, "WI-FI").text,
              "C:\\ProgramData\\Ovanta\\Profiles\\campus.wcf");
    Answer noPassword = m_store.Request(54, 0, "Wi-Fi");
    EXPECT_TRUE(noPassword.ok);
    EXPECT_EQ(noPassword.text, "");
    EXPECT_EQ(m_store.Request(55, 0, "Wi-Fi").text, "");

    EXPECT_EQ(sim::ReadText(HKEY_LOCAL_MACHINE, kStoreKey, "StartProfiles"),
              "C:\\ProgramData\\Ovanta\\Profiles\\office.pcf;;"
              "C:\\ProgramData\\Ovanta\\Profiles\\campus.wcf;;");
}

TEST_F(StoreModuleTest, WithAutoStartOffTheStoredListStaysAsItWas) {
    CommitList({{"LAN", "C:\\p\\office.pcf", "", "kim"}});

    // OK with auto-start off: 73 and 57, no records and no 71.
    ASSERT_TRUE(m_store.Request(73).ok);
    ASSERT_TRUE(m_store.Request(57, 0).ok);

    Answer list = m_store.StartList();
    EXPECT_EQ(list.text, "LAN");
    EXPECT_EQ(list.value, 1u);
    EXPECT_EQ(m_store.Request(51, 0, "LAN").text, "C:\\p\\office.pcf");
    EXPECT_EQ(m_store.Request(41, 1).value, 0u);
}

TEST_F(StoreModuleTest, AnEntryRemovedBeforeTheCommitIsGoneAfterwards) {
    CommitList(
        {{"LAN", "C:\\p\\office.pcf", "", "kim"}, {"Wi-Fi", "C:\\p\\campus.wcf", "", "lee"}});
    CommitList({{"Wi-Fi", "C:\\p\\guest.wcf", "", ""}});

    Answer list = m_store.StartList();
    EXPECT_EQ(list.text, "Wi-Fi");
    EXPECT_EQ(list.value, 1u);
    Answer gone = m_store.Request(51, 0, "LAN");
    EXPECT_FALSE(gone.ok);
    EXPECT_EQ(gone.status, 9009u);
    EXPECT_EQ(m_store.Request(51, 0, "Wi-Fi").text, "C:\\p\\guest.wcf");
    EXPECT_EQ(m_store.Request(55, 0, "Wi-Fi").text, "");
}

TEST_F(StoreModuleTest, AnEmptyCommittedListAnswersNoNames) {
    CommitList({{"LAN", "C:\\p\\office.pcf", "", ""}});
    CommitList({});
    Answer list = m_store.StartList();
    EXPECT_TRUE(list.ok);
    EXPECT_EQ(list.text, "");
    EXPECT_EQ(list.value, 0u);
    EXPECT_EQ(sim::ReadText(HKEY_LOCAL_MACHINE, kStoreKey, "StartProfiles"), "");
}

TEST_F(StoreModuleTest, StartListRecordsNeedAnOpenListAndTheirShape) {
    Answer early = m_store.Request(65, 0, "LAN;;C:\\p\\office.pcf;;", kStartListSize);
    EXPECT_FALSE(early.ok);
    EXPECT_EQ(early.status, 9011u);
    Answer commit = m_store.Request(71, 0, "", kStartListSize);
    EXPECT_FALSE(commit.ok);
    EXPECT_EQ(commit.status, 9011u);

    ASSERT_TRUE(m_store.Request(73).ok);
    for (const char* broken : {"LAN", "LAN;;office.pcf", ";;office.pcf;;", ""}) {
        Answer answer = m_store.Request(65, 0, broken, kStartListSize);
        EXPECT_FALSE(answer.ok) << broken;
        EXPECT_EQ(answer.status, 9010u) << broken;
    }
}

TEST_F(StoreModuleTest, AStartListPasswordIsNeverInTheRegistryInPlainText) {
    const std::string password = "Pw~7Tq#Zx9!ovanta";
    const std::string id = "Id~3Rk#Vm1!ovanta";  // stored in plain text: proves the scan sees
    ASSERT_TRUE(m_store.Request(73).ok);
    WriteEntry("LAN", "C:\\p\\office.pcf", password, id);

    // Pending, before the commit, and committed, after it.
    EXPECT_TRUE(RegistryScan(id).Found(HKEY_LOCAL_MACHINE));
    EXPECT_FALSE(RegistryScan(password).Found(HKEY_LOCAL_MACHINE));
    ASSERT_TRUE(m_store.Request(71, 0, "C:\\p\\office.pcf;;", kStartListSize).ok);
    RegistryScan scan(password);
    EXPECT_FALSE(scan.Found(HKEY_LOCAL_MACHINE));
    EXPECT_GT(scan.keysSeen(), 100u);

    std::vector<BYTE> blob(4096);
    DWORD type = 0, size = static_cast<DWORD>(blob.size());
    sim::RegKey entry;
    ASSERT_EQ(entry.Open(HKEY_LOCAL_MACHINE, (std::string(kStartListKey) + "\\0000").c_str(),
                         KEY_QUERY_VALUE),
              ERROR_SUCCESS);
    ASSERT_EQ(RegQueryValueExA(entry.get(), "Password", nullptr, &type, blob.data(), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_GT(size, password.size());

    EXPECT_EQ(m_store.Request(54, 0, "lan").text, password);
}

TEST_F(StoreModuleTest, AnEmptyPasswordRemovesTheStoredOne) {
    CommitList({{"LAN", "C:\\p\\office.pcf", "secret", "kim"}});
    CommitList({{"LAN", "C:\\p\\office.pcf", "", "kim"}});
    Answer answer = m_store.Request(54, 0, "LAN");
    EXPECT_TRUE(answer.ok);
    EXPECT_EQ(answer.text, "");
    sim::RegKey entry;
    ASSERT_EQ(entry.Open(HKEY_LOCAL_MACHINE, (std::string(kStartListKey) + "\\0000").c_str(),
                         KEY_QUERY_VALUE),
              ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExA(entry.get(), "Password", nullptr, nullptr, nullptr, nullptr),
              ERROR_FILE_NOT_FOUND);
}

TEST_F(StoreModuleTest, AnUnknownCardNameFailsWithNoSuchEntry) {
    CommitList({{"LAN", "C:\\p\\office.pcf", "", ""}});
    for (unsigned item : {51u, 54u, 55u}) {
        Answer answer = m_store.Request(item, 0, "WLAN");
        EXPECT_FALSE(answer.ok) << item;
        EXPECT_EQ(answer.status, 9009u) << item;
    }
}

struct FailCase {
    const char* fixture;
    unsigned item;
    DWORD status;
};

const FailCase kFailCases[] = {
    {"41=9031", 41, 9031},     {"57=9040;43=9041", 43, 9041},
    {"72=8112", 72, 8112},     {"999=9030", 999, 9030},  // before the item's own check
    {"1=2;71=9033", 71, 9033},                           // before the pending-list check
};

TEST_F(StoreModuleTest, FailItemsFailsTheNamedItemWithItsStatus) {
    SetMachineDword(kStoreKey, "AutoStart", 1);
    SetMachineText(kStoreKey, "InstallDir", "C:\\Program Files\\Ovanta");
    for (const FailCase& failing : kFailCases) {
        SetMachineText(kSimulatorKey, "FailItems", failing.fixture);
        Answer answer = m_store.Request(failing.item, 0, "", kStartListSize);
        EXPECT_FALSE(answer.ok) << failing.fixture;
        EXPECT_EQ(answer.status, failing.status) << failing.fixture;
    }
    // Other items go on answering.
    SetMachineText(kSimulatorKey, "FailItems", "41=9031");
    EXPECT_EQ(m_store.Request(72).text, "C:\\Program Files\\Ovanta");
}

TEST_F(StoreModuleTest, AFailedWriteChangesNothing) {
    SetMachineDword(kStoreKey, "AutoConnect", 0);
    SetMachineText(kSimulatorKey, "FailItems", "59=9032");
    Answer written = m_store.Request(59, 1);
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.status, 9032u);
    EXPECT_EQ(sim::ReadDword(HKEY_LOCAL_MACHINE, kStoreKey, "AutoConnect"), 0u);
}

TEST_F(StoreModuleTest, AnUnknownItemFailsWithUnknownItem) {
    for (unsigned item : {0u, 42u, 52u, 76u, 900u, 100000u}) {
        Answer answer = m_store.Request(item);
        EXPECT_FALSE(answer.ok) << item;
        EXPECT_EQ(answer.status, 9002u) << item;
    }
}

TEST_F(StoreModuleTest, ATextAnswerIsCutToTheBufferSizeMinusOne) {
    SetMachineText(kStoreKey, "InstallDir", "C:\\Program Files\\Ovanta");
    Answer answer = m_store.Request(72, 0, "", 8);
    EXPECT_TRUE(answer.ok);
    EXPECT_EQ(answer.text, "C:\\Prog");
    EXPECT_EQ(answer.size, 7u);

    Answer empty = m_store.Request(72, 0, "", 0);
    EXPECT_FALSE(empty.ok);
    EXPECT_EQ(empty.status, 9018u);
}

TEST_F(StoreModuleTest, TheStartListTextIsCutBetweenNamesAndCountsWhatItHolds) {
    CommitList({{"AAAA", "a.pcf", "", ""}, {"BBBB", "b.pcf", "", ""}, {"CCCC", "c.pcf", "", ""}});
    Answer two = m_store.Request(43, 0, "", 11);  // room for "AAAA;;BBBB"
    EXPECT_EQ(two.text, "AAAA;;BBBB");
    EXPECT_EQ(two.value, 2u);
    Answer one = m_store.Request(43, 0, "", 10);
    EXPECT_EQ(one.text, "AAAA");
    EXPECT_EQ(one.value, 1u);
}

TEST_F(StoreModuleTest, AWrittenTextEndsAtTheSizeCellWhenItHasNoZero) {
    // A 1024-byte buffer filled to its last byte: the store takes all 1024 characters.
    std::string full(kTextSize, 'x');
    ASSERT_TRUE(m_store.Request(75, 0, full, kTextSize).ok);
    EXPECT_EQ(sim::ReadText(HKEY_LOCAL_MACHINE, kStoreKey, "Options"), full);
}

// Every way a text can stand in a registry export: UTF-16 as regedit writes texts, and the hex
// lists it writes binary data in, of the ANSI and of the UTF-16 bytes.
std::vector<std::string> ExportForms(const std::string& text) {
    std::string utf16, hexAnsi, hexWide;
    char hex[8];
    for (char c : text) {
        utf16 += c;
        utf16 += '\0';
        std::snprintf(hex, sizeof hex, "%02x,", static_cast<unsigned char>(c));
        hexAnsi += hex;
        hexWide += std::string(hex) + "00,";
    }
    auto wide = [](const std::string& ascii) {
        std::string out;
        for (char c : ascii) out += std::string(1, c) + '\0';
        return out;
    };
    hexAnsi.pop_back();
    return {text, utf16, wide(hexAnsi), wide(hexWide.substr(0, hexWide.size() - 4))};
}

TEST_F(StoreModuleTest, AStartListPasswordIsNowhereInAFullExportOfTheRegistry) {
    const std::string password = "Xq4!Export#Pw";
    const std::string id = "Xq4!Export#Id";  // stored in plain text: proves the export is read
    ASSERT_TRUE(m_store.Request(73).ok);
    WriteEntry("Export LAN", "C:\\p\\office.pcf", password, id);
    ASSERT_TRUE(m_store.Request(71, 0, "C:\\p\\office.pcf;;", kStartListSize).ok);
    ASSERT_EQ(m_store.Request(54, 0, "export lan").text, password);

    const std::string file = "C:\\users\\Public\\full-export.reg";
    DeleteFileA(file.c_str());
    ASSERT_EQ(driver::Run("regedit.exe /E \"" + file + "\""), 0);
    std::ifstream in(file, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    const std::string exported = content.str();
    DeleteFileA(file.c_str());
    ASSERT_GT(exported.size(), 100000u) << "the whole registry, every hive";

    EXPECT_NE(exported.find(ExportForms(id)[1]), std::string::npos);
    for (const std::string& form : ExportForms(password))
        EXPECT_EQ(exported.find(form), std::string::npos);
}

}  // namespace
