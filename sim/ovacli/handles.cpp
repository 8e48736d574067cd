#include "sim/ovacli/handles.h"

#include <windows.h>

#include <set>

namespace sim {
namespace {

std::set<std::uint64_t>& OpenHandles() {
    static std::set<std::uint64_t> handles;
    return handles;
}

constexpr std::uint64_t kHandleTag = 0x0A5A000000000000ull;

}  // namespace

std::uint64_t OpenHandle() {
    static std::uint32_t sequence = 0;
    std::uint64_t handle = kHandleTag | (std::uint64_t{GetCurrentProcessId()} << 16) | ++sequence;
    OpenHandles().insert(handle);
    return handle;
}

bool IsOpenHandle(std::uint64_t handle) {
    return OpenHandles().count(handle) != 0;
}

bool CloseHandleOnce(std::uint64_t handle) {
    return OpenHandles().erase(handle) != 0;
}

}  // namespace sim
