// The editor registration of OvaShMem.dll across processes, used as the editor uses it: through
// the client library's module protocol, one load per use. Within one process the main dialog's
// tests prove it through the editor itself. The other editor is ovasim's holder, which registers,
// unloads the module and waits, as an editor that crashes never unregisters.
#include "client/loaded_module.h"
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

// One use of the module with the arguments the editor passes: the name, the window cell, five
// zeros, five pointers to one scratch cell, the status cell.
bool Invoke(unsigned command) {
    LoadedModule module("OvaShMem.dll");
    EXPECT_TRUE(module.ready()) << "OvaShMem.dll is not usable";
    if (!module.ready()) return false;
    std::string text = shmem::kEditorName;
    std::uint64_t window = 0, scratch = 0;
    std::uint32_t status = 0;
    return module.object()->Invoke(command, text.data(), &window, nullptr, nullptr, nullptr,
                                   nullptr, nullptr, &scratch, &scratch, &scratch, &scratch,
                                   &scratch, &status) != 0;
}

class EditorRegistration : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(Invoke(kQuery)) << "an editor registration is left over from elsewhere";
    }
    // No registration outlives a test.
    void TearDown() override { Invoke(kRemove); }
};

TEST_F(EditorRegistration, AnotherProcessHoldsTheRegistrationUntilItEnds) {
    ASSERT_EQ(driver::Run("\"" + driver::OwnFolder() + "\\ovasim.exe\" register-editor"), 0);
    const std::vector<DWORD> holders = driver::ProcessesNamed("ovasim.exe");
    ASSERT_EQ(holders.size(), 1u);
    EXPECT_TRUE(Invoke(kQuery));
    EXPECT_FALSE(Invoke(kRegister)) << "a second registration is refused";

    // Ended the hard way, without removing its registration: it locks nobody out, even while
    // someone else looking at the mapping keeps the dead editor's record alive.
    UniqueHandle observer(OpenFileMappingA(FILE_MAP_READ, FALSE, shmem::kMappingName));
    ASSERT_TRUE(observer);
    driver::EndProcess(holders[0]);
    EXPECT_FALSE(Invoke(kQuery));
    EXPECT_TRUE(Invoke(kRegister));
}

}  // namespace
