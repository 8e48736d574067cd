// What the registration tests share: the module used as the editor uses it, and the record as
// another process sees it.
#pragma once

#include "sim/shmem/shared_registration.h"

#include <cstdint>
#include <optional>
#include <string>

namespace shmem_test {

constexpr char kModule[] = "OvaShMem.dll";
constexpr unsigned kRegister = 1, kRemove = 2, kStoreWindow = 3, kQuery = 4;

struct Answer {
    int result;
    std::uint32_t status;
};

struct Call {
    unsigned command;
    const char* name = shmem::kEditorName;
    std::uint64_t window = 0;
    bool windowCell = true;
    bool statusCell = true;
};

// One use of the module through the client library, with the arguments the editor passes: the
// name, the window cell, five zeros, five pointers to one scratch cell, the status cell.
Answer Invoke(const Call& call);
inline Answer Invoke(unsigned command) {
    return Invoke(Call{command});
}
inline bool Registered() {
    return Invoke(kQuery).result != 0;
}

// The record as another process sees it; nullopt when no mapping exists.
std::optional<shmem::SharedRegistration> ReadRecord();

// The folder of the test program, where the build puts every program and module.
std::string OwnFolder();

}  // namespace shmem_test
