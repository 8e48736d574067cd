// The editor registration as it lies in the shared memory of OvaShMem.dll. Every process that
// loads the module (or looks inside, as the tests do) sees the same named mapping, so the layout
// is fixed: plain fields of fixed size, no pointers.
#pragma once

#include <cstdint>

namespace shmem {

// The only name an editor may register under.
constexpr char kEditorName[] = "OvaSettings";

// The mapping exists while some process has it open: the registering process keeps a handle for
// as long as it lives (or until it removes the registration), so the record survives the module's
// unloading between uses.
constexpr char kMappingName[] = "Local\\Ovanta.OvaShMem.OvaSettings";
// Serialises every look at the record, across processes. A holder that dies inside leaves the
// mutex abandoned, which the next caller takes over like a released one.
constexpr char kLockName[] = "Local\\Ovanta.OvaShMem.OvaSettings.Lock";

// Marks a mapping of this layout; a fresh mapping is all zeros until its creator writes it.
constexpr char kRecordTag[8] = "OvaShM1";

struct SharedRegistration {
    char tag[8];              // kRecordTag
    std::uint32_t processId;  // the registered editor's process; 0 = no registration
    std::uint32_t reserved;   // zero
    // The registered process's creation time (FILETIME), so that a later process that is given
    // the same id is not taken for the editor.
    std::uint64_t processStart;
    std::uint64_t window;  // the editor's main window handle, 0 until command 3
    // The mapping handle the registered process keeps open; a value that means something only
    // inside that process, where removing the registration closes it.
    std::uint64_t keptMapping;
};
static_assert(sizeof(SharedRegistration) == 40, "the layout is shared between processes");

}  // namespace shmem
