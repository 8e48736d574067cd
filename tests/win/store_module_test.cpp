// The settings store module OvaReg.dll, loaded the way the editor loads it: the start list and
// its passwords. What OK writes of the other items is proven in ui_apply_settings_test, what
// ovasim stores reaching the editor's reads in store_ovasim_test, and the failures the editor
// meets in ui_main_dialog_test.
#include "app/file_content.h"
#include "client/loaded_module.h"
#include "sim/common/sim_state.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD kTextSize = 1024;
constexpr DWORD kStartListSize = 5120;

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
        Answer answer{false, value, "", bufferSize, 0x5a5a};
        answer.ok = m_module.object()->Invoke(item, &answer.value, buffer.data(), &answer.size,
                                              &answer.status) != 0;
        answer.text.assign(buffer.data(), strnlen(buffer.data(), bufferSize));
        for (size_t i = bufferSize; i < buffer.size(); ++i) EXPECT_EQ(buffer[i], '\x7f');
        return answer;
    }

private:
    LoadedModule m_module;
};

class StoreModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, sim::kStoreKey);
        RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, sim::kSimulatorKey, "FailItems");
        ASSERT_TRUE(m_store.ready()) << "OvaReg.dll did not load through the client library";
    }
    void TearDown() override {
        RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, sim::kSimulatorKey, "FailItems");
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, sim::kStoreKey);
    }

    Store m_store;
};

// Every way a text can stand in a registry export: as it is, UTF-16 as regedit writes texts, and
// the hex lists it writes binary data in, of the ANSI and of the UTF-16 bytes.
std::vector<std::string> ExportForms(const std::string& text) {
    auto wide = [](const std::string& ascii) {
        std::string out;
        for (char c : ascii) out += std::string(1, c) + '\0';
        return out;
    };
    std::string hexAnsi, hexWide;
    char hex[8];
    for (char c : text) {
        std::snprintf(hex, sizeof hex, "%02x,", static_cast<unsigned char>(c));
        hexAnsi += hex;
        hexWide += std::string(hex) + "00,";
    }
    hexAnsi.pop_back();
    return {text, wide(text), wide(hexAnsi), wide(hexWide.substr(0, hexWide.size() - 4))};
}

TEST_F(StoreModuleTest, AStartListPasswordIsNowhereInAFullExportOfTheRegistry) {
    const std::string password = "Xq4!Export#Pw";
    const std::string id = "Xq4!Export#Id";  // stored in plain text: proves the export is read
    // the whole start list as the editor writes it with auto-start on
    ASSERT_TRUE(m_store.Request(73).ok);
    ASSERT_TRUE(m_store.Request(57, 1).ok);
    for (auto [item, second] :
         {std::pair{65, std::string("C:\\p\\office.pcf")}, {68, password}, {69, id}})
        ASSERT_TRUE(m_store.Request(item, 0, "Export LAN;;" + second + ";;", kStartListSize).ok);
    ASSERT_TRUE(m_store.Request(71, 0, "C:\\p\\office.pcf;;", kStartListSize).ok);
    ASSERT_EQ(m_store.Request(54, 0, "export lan").text, password);

    const std::string file = "C:\\users\\Public\\full-export.reg";
    DeleteFileA(file.c_str());
    ASSERT_EQ(driver::Run("regedit.exe /E \"" + file + "\""), 0);
    const std::string exported = ReadFileContent(file).value_or("");
    DeleteFileA(file.c_str());
    ASSERT_GT(exported.size(), 100000u) << "the whole registry, every hive";

    EXPECT_NE(exported.find(ExportForms(id)[1]), std::string::npos);
    for (const std::string& form : ExportForms(password))
        EXPECT_EQ(exported.find(form), std::string::npos);
}

}  // namespace
