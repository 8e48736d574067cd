#include "tests/win/shmem_test_support.h"

#include "client/loaded_module.h"
#include "sim/shmem/unique_handle.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

namespace shmem_test {

Answer Invoke(const Call& call) {
    LoadedModule module(kModule);
    EXPECT_TRUE(module.ready()) << kModule << " is not usable";
    if (!module.ready()) return {0, 0};
    std::string name = call.name ? call.name : "";
    std::uint64_t window = call.window;
    std::uint64_t scratch = 0;
    std::uint32_t status = 0;
    int result = module.object()->Invoke(call.command, call.name ? name.data() : nullptr,
                                         call.windowCell ? &window : nullptr, nullptr, nullptr,
                                         nullptr, nullptr, nullptr, &scratch, &scratch, &scratch,
                                         &scratch, &scratch, call.statusCell ? &status : nullptr);
    return {result, status};
}

std::optional<shmem::SharedRegistration> ReadRecord() {
    shmem::UniqueHandle mapping(OpenFileMappingA(FILE_MAP_READ, FALSE, shmem::kMappingName));
    if (!mapping) return std::nullopt;
    const void* view =
        MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, sizeof(shmem::SharedRegistration));
    if (!view) return std::nullopt;
    shmem::SharedRegistration record;
    std::memcpy(&record, view, sizeof record);
    UnmapViewOfFile(view);
    return record;
}

std::string OwnFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH - 1);
    std::string folder(path);
    size_t slash = folder.find_last_of('\\');
    return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

}  // namespace shmem_test
