// The library handles this process holds. A handle carries bits above 32, so a caller that keeps
// it in a 32-bit cell loses it and is refused.
#pragma once

#include <cstdint>

namespace sim {

std::uint64_t OpenHandle();
bool IsOpenHandle(std::uint64_t handle);
bool CloseHandleOnce(std::uint64_t handle);  // false when unknown or already closed

}  // namespace sim
