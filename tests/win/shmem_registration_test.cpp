// The editor registration of OvaShMem.dll across processes, used as the editor uses it: through
// the client library's module protocol, one load per use. Within one process the main dialog's
// tests prove it through the editor itself. The other editor is ovasim's holder, which registers,
// unloads the module and waits, as an editor that crashes never unregisters.
#include "client/loaded_module.h"
#include "sim/common/status.h"
#include "sim/shmem/shared_registration.h"
#include "sim/shmem/unique_handle.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using shmem::UniqueHandle;

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

class EditorRegistration : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(Registered()) << "an editor registration is left over from elsewhere";
    }
    // No registration outlives a test.
    void TearDown() override { Invoke(kRemove); }
};

TEST_F(EditorRegistration, AnotherProcessHoldsTheRegistrationUntilItEnds) {
    ASSERT_EQ(driver::Run("\"" + driver::OwnFolder() + "\\ovasim.exe\" register-editor"), 0);
    const std::vector<DWORD> holders = driver::ProcessesNamed("ovasim.exe");
    ASSERT_EQ(holders.size(), 1u);
    EXPECT_TRUE(Registered());
    Answer second = Invoke(kRegister);
    EXPECT_EQ(second.result, 0);
    EXPECT_EQ(second.status, kStatusAlreadyRegistered);

    // Ended the hard way, without removing its registration: it locks nobody out, even while
    // someone else looking at the mapping keeps the dead editor's record alive.
    UniqueHandle observer(OpenFileMappingA(FILE_MAP_READ, FALSE, shmem::kMappingName));
    ASSERT_TRUE(observer);
    driver::EndProcess(holders[0]);
    EXPECT_FALSE(Registered());
    EXPECT_NE(Invoke(kRegister).result, 0);
}

}  // namespace
