// The editor registration of OvaShMem.dll across processes, used as the editor uses it: through
// the client library's module protocol, one load per use. Within one process the main dialog's
// tests prove it through the editor itself.
//
// The program doubles as the other editor: started with kHolderArg it registers, unloads the
// module, says so and waits to be killed, as an editor that crashes never unregisters.
#include "client/loaded_module.h"
#include "sim/common/status.h"
#include "sim/shmem/shared_registration.h"
#include "sim/shmem/unique_handle.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace {

using shmem::UniqueHandle;

constexpr char kHolderArg[] = "hold-registration-for-test";
constexpr unsigned kRegister = 1, kRemove = 2, kQuery = 4;

struct Answer {
    int result;
    std::uint32_t status;
};

// One use of the module with the arguments the editor passes: the name, the window cell, five
// zeros, five pointers to one scratch cell, the status cell.
Answer Invoke(unsigned command) {
    LoadedModule module("OvaShMem.dll");
    EXPECT_TRUE(module.ready()) << "OvaShMem.dll is not usable";
    if (!module.ready()) return {0, 0};
    std::string text = shmem::kEditorName;
    std::uint64_t window = 0, scratch = 0;
    std::uint32_t status = 0;
    int result =
        module.object()->Invoke(command, text.data(), &window, nullptr, nullptr, nullptr, nullptr,
                                nullptr, &scratch, &scratch, &scratch, &scratch, &scratch, &status);
    return {result, status};
}

bool Registered() {
    return Invoke(kQuery).result != 0;
}

// The record as another process sees it; nullopt when no mapping exists.
std::optional<shmem::SharedRegistration> ReadRecord() {
    UniqueHandle mapping(OpenFileMappingA(FILE_MAP_READ, FALSE, shmem::kMappingName));
    if (!mapping) return std::nullopt;
    const void* view =
        MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, sizeof(shmem::SharedRegistration));
    if (!view) return std::nullopt;
    shmem::SharedRegistration record;
    std::memcpy(&record, view, sizeof record);
    UnmapViewOfFile(view);
    return record;
}

// Another editor process that holds the registration until it is killed.
class OtherEditor {
public:
    OtherEditor() {
        std::string readyName = "Local\\OvaShMemTest." + std::to_string(GetCurrentProcessId());
        UniqueHandle ready(CreateEventA(nullptr, TRUE, FALSE, readyName.c_str()));
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH - 1);
        m_process = driver::Start("\"" + std::string(path) + "\" " + kHolderArg + " " + readyName);
        HANDLE either[] = {ready.get(), m_process.handle};
        m_registered =
            m_process.handle && WaitForMultipleObjects(2, either, FALSE, 30000) == WAIT_OBJECT_0;
    }
    ~OtherEditor() {
        Kill();
        driver::CloseProcess(m_process);
    }
    OtherEditor(const OtherEditor&) = delete;
    OtherEditor& operator=(const OtherEditor&) = delete;

    bool registered() const { return m_registered; }
    DWORD processId() const { return m_process.pid; }
    void Kill() {
        if (!m_process.handle) return;
        TerminateProcess(m_process.handle, 99);
        WaitForSingleObject(m_process.handle, 30000);
    }

private:
    driver::Process m_process;
    bool m_registered = false;
};

int HoldForParent(const char* readyName) {
    UniqueHandle ready(OpenEventA(EVENT_MODIFY_STATE, FALSE, readyName));
    if (!ready) return 2;
    Answer answer = Invoke(kRegister);
    if (!answer.result) return static_cast<int>(answer.status);
    SetEvent(ready.get());
    Sleep(120000);  // a parent that died before killing this should not leave it behind for long
    return 3;
}

class EditorRegistration : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(Registered()) << "an editor registration is left over from elsewhere";
    }
    // No registration outlives a test.
    void TearDown() override { Invoke(kRemove); }
};

TEST_F(EditorRegistration, AnotherProcessHoldsTheRegistrationUntilItEnds) {
    OtherEditor other;
    ASSERT_TRUE(other.registered());
    EXPECT_TRUE(Registered());
    std::optional<shmem::SharedRegistration> record = ReadRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->processId, other.processId());
    Answer second = Invoke(kRegister);
    EXPECT_EQ(second.result, 0);
    EXPECT_EQ(second.status, kStatusAlreadyRegistered);

    // Ended the hard way, without removing its registration: it locks nobody out, even while
    // someone else looking at the mapping keeps the dead editor's record alive.
    UniqueHandle observer(OpenFileMappingA(FILE_MAP_READ, FALSE, shmem::kMappingName));
    other.Kill();
    ASSERT_TRUE(ReadRecord());
    EXPECT_FALSE(Registered());
    EXPECT_NE(Invoke(kRegister).result, 0);
}

}  // namespace

// Replaces GoogleTest's main so that the program can also be the other editor.
int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], kHolderArg) == 0) return HoldForParent(argv[2]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
