// OvaShMem.dll: the client's shared-memory module, through which a settings editor registers its
// main window under "OvaSettings" so that a second editor can find it and give way.
//
// Invoke(command, name, window cell, five zeros, five pointers to one scratch cell, status cell):
//   4  succeeds exactly when an editor that still runs is registered under the name
//   1  registers this process (refused while another process that still runs holds the name)
//   3  stores the 64-bit window handle of the window cell in this process's registration
//   2  removes this process's registration
// The zeros and the scratch cell carry nothing here. On failure the status cell holds a status
// number; a "no" from command 4 leaves it 0.

#include "client/module_interface.h"
#include "sim/common/status.h"
#include "sim/shmem/registration_store.h"
#include "sim/shmem/shared_registration.h"

#include <cstdint>
#include <cstring>
#include <new>

namespace {

enum Command : unsigned {
    kCommandRegister = 1,
    kCommandRemove = 2,
    kCommandStoreWindow = 3,
    kCommandQuery = 4,
};

struct Outcome {
    bool succeeded;
    unsigned status;
};

Outcome Fail(unsigned status) {
    return {false, status};
}
Outcome FromStatus(unsigned status) {
    return {status == 0, status};
}

Outcome Run(unsigned command, const char* name, const std::uint64_t* windowCell) {
    if (command < kCommandRegister || command > kCommandQuery) return Fail(kStatusUnknownCommand);
    if (!name) return Fail(kStatusBadArgument);
    if (std::strcmp(name, shmem::kEditorName) != 0) return Fail(kStatusWrongName);

    switch (command) {
        case kCommandQuery: {
            bool registered = false;
            unsigned status = shmem::QueryRegistration(&registered);
            return {status == 0 && registered, status};
        }
        case kCommandRegister:
            return FromStatus(shmem::RegisterThisProcess());
        case kCommandStoreWindow:
            if (!windowCell) return Fail(kStatusBadArgument);
            return FromStatus(shmem::StoreWindow(*windowCell));
        default:
            return FromStatus(shmem::RemoveRegistration());
    }
}

class ShMemModule final : public ModuleInterface {
public:
    int Release(int flag) override {
        if (flag & 1) delete this;
        return 0;
    }

    int Invoke(unsigned command, void* name, void* windowCell, void*, void*, void*, void*, void*,
               void*, void*, void*, void*, void*, void* statusCell) override {
        // Without a status cell there is nowhere to say why, but the call still fails.
        if (!statusCell) return 0;
        Outcome outcome = Run(command, static_cast<const char*>(name),
                              static_cast<const std::uint64_t*>(windowCell));
        *static_cast<std::uint32_t*>(statusCell) = outcome.status;
        return outcome.succeeded ? 1 : 0;
    }
};

}  // namespace

// The factory, exported as ordinal 1 only (OvaShMem.def). The caller owns the object and ends
// it with Release(1).
extern "C" ModuleInterface* OvaShMemCreate() {
    return new (std::nothrow) ShMemModule;
}
