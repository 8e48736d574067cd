// ovasim's registration verbs: register-editor leaves a holder process with the "OvaSettings"
// registration behind it, unregister-editor ends that holder.

#include "sim/common/status.h"
#include "sim/shmem/unique_handle.h"
#include "tests/win/shmem_test_support.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

namespace {

using namespace shmem_test;
using shmem::UniqueHandle;

constexpr DWORD kNoExitCode = 0xFFFFFFFF;

// Runs `ovasim VERB` to its end and answers its exit code.
DWORD Ovasim(const char* verb) {
    std::string path = OwnFolder() + "\\ovasim.exe";
    std::string commandLine = "\"" + path + "\" " + verb;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
        ADD_FAILURE() << path << " cannot be started: " << GetLastError();
        return kNoExitCode;
    }
    UniqueHandle process(info.hProcess);
    UniqueHandle thread(info.hThread);
    DWORD code = kNoExitCode;
    if (WaitForSingleObject(process.get(), 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.get(), &code);
    return code;
}

// The process that holds the registration, as the record names it.
UniqueHandle OpenHolder(DWORD access) {
    std::optional<shmem::SharedRegistration> record = ReadRecord();
    if (!record || record->processId == 0) return UniqueHandle();
    return UniqueHandle(OpenProcess(access, FALSE, record->processId));
}

class OvasimRegistrationVerbs : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(Registered()) << "an editor registration is left over from elsewhere";
    }
    // No holder outlives a test, whatever the test left behind.
    void TearDown() override {
        Ovasim("unregister-editor");
        Invoke(kRemove);
    }
};

TEST_F(OvasimRegistrationVerbs, RegisterEditorLeavesARegistrationBehind) {
    EXPECT_EQ(Ovasim("register-editor"), 0u);
    EXPECT_TRUE(Registered());
    std::optional<shmem::SharedRegistration> record = ReadRecord();
    ASSERT_TRUE(record);
    EXPECT_NE(record->processId, 0u);
    EXPECT_NE(record->processId, GetCurrentProcessId());
    // The holder registers a real window of its own, as an editor registers its dialog.
    EXPECT_TRUE(IsWindow(reinterpret_cast<HWND>(static_cast<UINT_PTR>(record->window))));
}

TEST_F(OvasimRegistrationVerbs, UnregisterEditorEndsTheHolderAndItsRegistration) {
    ASSERT_EQ(Ovasim("register-editor"), 0u);
    UniqueHandle holder = OpenHolder(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION);
    ASSERT_TRUE(holder);

    EXPECT_EQ(Ovasim("unregister-editor"), 0u);
    EXPECT_FALSE(Registered());
    EXPECT_EQ(WaitForSingleObject(holder.get(), 10000), static_cast<DWORD>(WAIT_OBJECT_0));
    DWORD code = kNoExitCode;
    GetExitCodeProcess(holder.get(), &code);
    EXPECT_EQ(code, 0u) << "the holder could not remove its registration";
}

TEST_F(OvasimRegistrationVerbs, UnregisterEditorWithoutAHolderSucceeds) {
    EXPECT_EQ(Ovasim("unregister-editor"), 0u);
    EXPECT_FALSE(Registered());
}

TEST_F(OvasimRegistrationVerbs, RegisterEditorIsRefusedWhileAnEditorIsRegistered) {
    ASSERT_NE(Invoke(kRegister).result, 0);
    EXPECT_EQ(Ovasim("register-editor"), 1u);
    std::optional<shmem::SharedRegistration> record = ReadRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->processId, GetCurrentProcessId());
}

TEST_F(OvasimRegistrationVerbs, SecondRegisterEditorIsRefusedAndLeavesTheFirstHolder) {
    ASSERT_EQ(Ovasim("register-editor"), 0u);
    std::optional<shmem::SharedRegistration> first = ReadRecord();
    ASSERT_TRUE(first);
    EXPECT_EQ(Ovasim("register-editor"), 1u);
    std::optional<shmem::SharedRegistration> record = ReadRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->processId, first->processId);
    EXPECT_TRUE(Registered());
}

TEST_F(OvasimRegistrationVerbs, KilledHolderLeavesNothingThatBlocksTheNextOne) {
    ASSERT_EQ(Ovasim("register-editor"), 0u);
    UniqueHandle holder = OpenHolder(PROCESS_TERMINATE | SYNCHRONIZE);
    ASSERT_TRUE(holder);
    TerminateProcess(holder.get(), 99);
    ASSERT_EQ(WaitForSingleObject(holder.get(), 10000), static_cast<DWORD>(WAIT_OBJECT_0));

    EXPECT_FALSE(Registered());
    EXPECT_EQ(Ovasim("unregister-editor"), 0u);
    EXPECT_EQ(Ovasim("register-editor"), 0u);
    EXPECT_TRUE(Registered());
}

}  // namespace
