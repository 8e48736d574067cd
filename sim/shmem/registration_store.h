// The four operations of the editor registration on the shared record. Each one takes the
// cross-process lock, looks at the record and answers 0 or a status number (sim/common/status.h).
#pragma once

#include <cstdint>

namespace shmem {

// Command 4. *registered is true exactly when a process that still runs holds the registration.
unsigned QueryRegistration(bool* registered);
// Command 1: registers this process, unless another process that still runs holds it. Registering
// again from the process that holds it changes nothing.
unsigned RegisterThisProcess();
// Command 3: records the editor's window in this process's registration.
unsigned StoreWindow(std::uint64_t window);
// Command 2: removes this process's registration.
unsigned RemoveRegistration();

}  // namespace shmem
