// The editor registration of OvaShMem.dll, used as the editor uses it: through the client
// library's module protocol, one load per use, and across processes.
//
// The program doubles as the other editor: started with kHolderArg it registers, unloads the
// module, says so and waits to be told to remove the registration (or to be killed).

#include "sim/common/status.h"
#include "sim/shmem/shared_registration.h"
#include "sim/shmem/unique_handle.h"
#include "tests/win/shmem_test_support.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

using namespace shmem_test;
using shmem::SharedRegistration;
using shmem::UniqueHandle;

constexpr char kHolderArg[] = "hold-registration-for-test";

std::string OwnPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH - 1);
    return path;
}

std::string EventName(const char* role) {
    static unsigned count = 0;
    return "Local\\OvaShMemTest." + std::to_string(GetCurrentProcessId()) + "." +
           std::to_string(++count) + "." + role;
}

// Another editor process that holds the registration until it is released or killed.
class OtherEditor {
public:
    explicit OtherEditor(std::uint64_t window)
        : m_readyName(EventName("ready")), m_releaseName(EventName("release")) {
        m_ready = UniqueHandle(CreateEventA(nullptr, TRUE, FALSE, m_readyName.c_str()));
        m_release = UniqueHandle(CreateEventA(nullptr, TRUE, FALSE, m_releaseName.c_str()));
        std::string path = OwnPath();
        std::string commandLine = "\"" + path + "\" " + kHolderArg + " " + std::to_string(window) +
                                  " " + m_readyName + " " + m_releaseName;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &info))
            return;
        m_process = UniqueHandle(info.hProcess);
        UniqueHandle thread(info.hThread);
        m_processId = info.dwProcessId;
        HANDLE either[] = {m_ready.get(), m_process.get()};
        m_registered = WaitForMultipleObjects(2, either, FALSE, 30000) == WAIT_OBJECT_0;
    }
    ~OtherEditor() {
        if (m_process && WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT) Kill();
    }
    OtherEditor(const OtherEditor&) = delete;
    OtherEditor& operator=(const OtherEditor&) = delete;

    // Whether it started and reported its registration (its exit code says why not).
    bool registered() const { return m_registered; }
    DWORD processId() const { return m_processId; }

    // Ends it the hard way, as a crash would: it never removes its registration.
    void Kill() {
        TerminateProcess(m_process.get(), 99);
        WaitForSingleObject(m_process.get(), 30000);
    }
    // Lets it remove its registration and end; answers its exit code (the status of command 2).
    DWORD Release() {
        SetEvent(m_release.get());
        DWORD code = 1;
        if (WaitForSingleObject(m_process.get(), 30000) == WAIT_OBJECT_0)
            GetExitCodeProcess(m_process.get(), &code);
        return code;
    }

private:
    std::string m_readyName, m_releaseName;
    UniqueHandle m_ready, m_release, m_process;
    DWORD m_processId = 0;
    bool m_registered = false;
};

// The other editor's side: register, store the window, unload, report, wait, remove.
int HoldForParent(const char* window, const char* readyName, const char* releaseName) {
    UniqueHandle ready(OpenEventA(EVENT_MODIFY_STATE, FALSE, readyName));
    UniqueHandle release(OpenEventA(SYNCHRONIZE, FALSE, releaseName));
    if (!ready || !release) return 2;
    Answer answer = Invoke(kRegister);
    if (!answer.result) return static_cast<int>(answer.status);
    answer = Invoke(Call{kStoreWindow, shmem::kEditorName, std::strtoull(window, nullptr, 10)});
    if (!answer.result) return static_cast<int>(answer.status);
    SetEvent(ready.get());
    // A parent that died before releasing should not leave this process behind for long.
    if (WaitForSingleObject(release.get(), 120000) != WAIT_OBJECT_0) return 3;
    answer = Invoke(kRemove);
    return answer.result ? 0 : static_cast<int>(answer.status);
}

class EditorRegistration : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(Registered()) << "an editor registration is left over from elsewhere";
    }
    // Whatever a test registered in this process goes, so that the next test starts clean.
    void TearDown() override { Invoke(kRemove); }
};

TEST_F(EditorRegistration, QueryAnswersNoWhileNothingIsRegistered) {
    Answer answer = Invoke(kQuery);
    EXPECT_EQ(answer.result, 0);
    EXPECT_EQ(answer.status, 0u);
}

TEST_F(EditorRegistration, RegisteringMakesTheQueryAnswerYes) {
    Answer answer = Invoke(kRegister);
    EXPECT_NE(answer.result, 0);
    EXPECT_EQ(answer.status, 0u);
    answer = Invoke(kQuery);
    EXPECT_NE(answer.result, 0);
    EXPECT_EQ(answer.status, 0u);
}

TEST_F(EditorRegistration, RemovingTheRegistrationMakesTheQueryAnswerNo) {
    ASSERT_NE(Invoke(kRegister).result, 0);
    Answer answer = Invoke(kRemove);
    EXPECT_NE(answer.result, 0);
    EXPECT_EQ(answer.status, 0u);
    EXPECT_FALSE(Registered());
}

TEST_F(EditorRegistration, RegistrationOutlivesTheModule) {
    ASSERT_NE(Invoke(kRegister).result, 0);
    // Each use unloads the module; nothing of it is left to keep the mapping.
    ASSERT_EQ(GetModuleHandleA(kModule), nullptr);
    EXPECT_TRUE(Registered());
    std::optional<SharedRegistration> record = ReadRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->processId, GetCurrentProcessId());
}

TEST_F(EditorRegistration, RegisteringAgainFromTheSameProcessKeepsOneRegistration) {
    ASSERT_NE(Invoke(kRegister).result, 0);
    EXPECT_NE(Invoke(kRegister).result, 0);
    EXPECT_NE(Invoke(kRemove).result, 0);
    EXPECT_FALSE(Registered());
    Answer again = Invoke(kRemove);
    EXPECT_EQ(again.result, 0);
    EXPECT_EQ(again.status, kStatusNotRegistered);
}

TEST_F(EditorRegistration, RemovingWithoutARegistrationFailsWithNotRegistered) {
    Answer answer = Invoke(kRemove);
    EXPECT_EQ(answer.result, 0);
    EXPECT_EQ(answer.status, kStatusNotRegistered);
}

TEST_F(EditorRegistration, StoringTheWindowNeedsARegistration) {
    Answer answer = Invoke(Call{kStoreWindow, shmem::kEditorName, 0x1234});
    EXPECT_EQ(answer.result, 0);
    EXPECT_EQ(answer.status, kStatusNotRegistered);
}

TEST_F(EditorRegistration, RecordHoldsTheProcessAndTheWholeWindowHandle) {
    constexpr std::uint64_t kWindow = 0x8765432112345678ull;
    ASSERT_NE(Invoke(kRegister).result, 0);
    Answer answer = Invoke(Call{kStoreWindow, shmem::kEditorName, kWindow});
    EXPECT_NE(answer.result, 0);
    EXPECT_EQ(answer.status, 0u);
    std::optional<SharedRegistration> record = ReadRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(std::memcmp(record->tag, shmem::kRecordTag, sizeof record->tag), 0);
    EXPECT_EQ(record->processId, GetCurrentProcessId());
    EXPECT_EQ(record->window, kWindow);
    EXPECT_NE(record->keptMapping, 0u);

    ASSERT_NE(Invoke(kRemove).result, 0);
    record = ReadRecord();
    // The last handle may be gone with the registration; a record that is left is empty.
    if (record) {
        EXPECT_EQ(record->processId, 0u);
        EXPECT_EQ(record->window, 0u);
    }
}

TEST_F(EditorRegistration, RegistrationOfAnotherProcessIsSeenHere) {
    OtherEditor other(0xABCDEF);
    ASSERT_TRUE(other.registered());
    EXPECT_TRUE(Registered());
    std::optional<SharedRegistration> record = ReadRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->processId, other.processId());
    EXPECT_EQ(record->window, 0xABCDEFu);
    EXPECT_EQ(other.Release(), 0u);
    EXPECT_FALSE(Registered());
}

TEST_F(EditorRegistration, SecondEditorIsRefusedWhileTheFirstRuns) {
    OtherEditor other(1);
    ASSERT_TRUE(other.registered());
    Answer answer = Invoke(kRegister);
    EXPECT_EQ(answer.result, 0);
    EXPECT_EQ(answer.status, kStatusAlreadyRegistered);
    // Nor may it change or remove the first editor's registration.
    answer = Invoke(Call{kStoreWindow, shmem::kEditorName, 2});
    EXPECT_EQ(answer.status, kStatusNotRegistered);
    answer = Invoke(kRemove);
    EXPECT_EQ(answer.status, kStatusNotRegistered);
    EXPECT_TRUE(Registered());
    std::optional<SharedRegistration> record = ReadRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->processId, other.processId());
    EXPECT_EQ(record->window, 1u);
}

TEST_F(EditorRegistration, EditorThatEndedWithoutRemovingItsRegistrationLocksNobodyOut) {
    OtherEditor other(7);
    ASSERT_TRUE(other.registered());
    other.Kill();
    // Nobody else had the mapping open: the registration went with the editor's handles.
    EXPECT_FALSE(ReadRecord());
    EXPECT_FALSE(Registered());
    Answer answer = Invoke(kRegister);
    EXPECT_NE(answer.result, 0);
    EXPECT_EQ(answer.status, 0u);
    std::optional<SharedRegistration> record = ReadRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->processId, GetCurrentProcessId());
    EXPECT_EQ(record->window, 0u);
}

TEST_F(EditorRegistration, RecordLeftByAnEndedEditorCountsAsGone) {
    OtherEditor other(7);
    ASSERT_TRUE(other.registered());
    // Someone else looking at the mapping keeps it, and the dead editor's record, alive.
    UniqueHandle observer(OpenFileMappingA(FILE_MAP_READ, FALSE, shmem::kMappingName));
    ASSERT_TRUE(observer);
    other.Kill();
    // The process object is still held open here, too.
    std::optional<SharedRegistration> record = ReadRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->processId, other.processId());

    EXPECT_FALSE(Registered());
    EXPECT_EQ(Invoke(kRemove).status, kStatusNotRegistered);
    Answer answer = Invoke(kRegister);
    EXPECT_NE(answer.result, 0);
    EXPECT_EQ(answer.status, 0u);
    record = ReadRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->processId, GetCurrentProcessId());
    EXPECT_EQ(record->window, 0u);
}

TEST_F(EditorRegistration, ProcessIdGivenAgainIsNotTakenForTheEditor) {
    // A record left by an ended process whose id this process has since been given: same id,
    // another creation time.
    UniqueHandle mapping(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                            sizeof(SharedRegistration), shmem::kMappingName));
    ASSERT_TRUE(mapping);
    auto* record = static_cast<SharedRegistration*>(
        MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SharedRegistration)));
    ASSERT_NE(record, nullptr);
    std::memcpy(record->tag, shmem::kRecordTag, sizeof record->tag);
    record->processId = GetCurrentProcessId();
    record->processStart = 1;
    record->window = 5;
    record->keptMapping = 0;

    EXPECT_FALSE(Registered());
    EXPECT_EQ(Invoke(kRemove).status, kStatusNotRegistered);
    EXPECT_NE(Invoke(kRegister).result, 0);
    EXPECT_TRUE(Registered());
    EXPECT_NE(record->processStart, 1u);
    EXPECT_EQ(record->window, 0u);
    UnmapViewOfFile(record);
}

TEST_F(EditorRegistration, RecordOfAnotherLayoutIsASharedMemoryFailure) {
    UniqueHandle mapping(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                            sizeof(SharedRegistration), shmem::kMappingName));
    ASSERT_TRUE(mapping);
    ASSERT_NE(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    auto* record = static_cast<SharedRegistration*>(
        MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SharedRegistration)));
    ASSERT_NE(record, nullptr);
    std::memcpy(record->tag, "Other", 6);
    for (unsigned command : {kRegister, kRemove, kStoreWindow, kQuery}) {
        Answer answer = Invoke(Call{command});
        EXPECT_EQ(answer.result, 0) << "command " << command;
        EXPECT_EQ(answer.status, kStatusSharedMemory) << "command " << command;
    }
    UnmapViewOfFile(record);
}

TEST_F(EditorRegistration, OnlyTheNameOvaSettingsIsAccepted) {
    for (const char* name : {"ovasettings", "OvaSettings2", "OvaSetting", ""}) {
        for (unsigned command : {kRegister, kRemove, kStoreWindow, kQuery}) {
            Answer answer = Invoke(Call{command, name});
            EXPECT_EQ(answer.result, 0) << "command " << command << " name \"" << name << "\"";
            EXPECT_EQ(answer.status, kStatusWrongName)
                << "command " << command << " name \"" << name << "\"";
        }
    }
    EXPECT_FALSE(Registered());
}

TEST_F(EditorRegistration, UnknownCommandsAreRefused) {
    for (unsigned command : {0u, 5u, 99u, 0xFFFFFFFFu}) {
        Answer answer = Invoke(Call{command});
        EXPECT_EQ(answer.result, 0) << "command " << command;
        EXPECT_EQ(answer.status, kStatusUnknownCommand) << "command " << command;
    }
}

TEST_F(EditorRegistration, MissingNameOrWindowCellIsABadArgument) {
    for (unsigned command : {kRegister, kRemove, kStoreWindow, kQuery}) {
        Answer answer = Invoke(Call{command, nullptr});
        EXPECT_EQ(answer.result, 0) << "command " << command;
        EXPECT_EQ(answer.status, kStatusBadArgument) << "command " << command;
    }
    ASSERT_NE(Invoke(kRegister).result, 0);
    Call noWindowCell{kStoreWindow};
    noWindowCell.windowCell = false;
    Answer answer = Invoke(noWindowCell);
    EXPECT_EQ(answer.result, 0);
    EXPECT_EQ(answer.status, kStatusBadArgument);
}

TEST_F(EditorRegistration, CallWithoutAStatusCellFailsAndChangesNothing) {
    Call call{kRegister};
    call.statusCell = false;
    EXPECT_EQ(Invoke(call).result, 0);
    EXPECT_FALSE(Registered());
}

}  // namespace

// Replaces GoogleTest's main so that the program can also be the other editor.
int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], kHolderArg) == 0)
        return HoldForParent(argv[2], argv[3], argv[4]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
