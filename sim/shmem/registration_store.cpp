#include "sim/shmem/registration_store.h"

#include "sim/common/status.h"
#include "sim/shmem/shared_registration.h"
#include "sim/shmem/unique_handle.h"

#include <windows.h>

#include <cstring>

namespace shmem {
namespace {

// Long enough for any other caller to finish its few field updates; a wait this long means the
// lock is stuck, which is reported rather than waited out.
constexpr DWORD kLockWaitMs = 5000;

std::uint64_t CreationTime(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    return (std::uint64_t{created.dwHighDateTime} << 32) | created.dwLowDateTime;
}

bool IsThisProcess(const SharedRegistration& record) {
    return record.processId == GetCurrentProcessId() &&
           record.processStart == CreationTime(GetCurrentProcess());
}

// Whether the registered process still runs. A process that has ended counts as gone even while
// some handle keeps its object alive, and so does a new process that was given the old id.
bool HolderRuns(const SharedRegistration& record) {
    if (record.processId == 0) return false;
    UniqueHandle process(
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, record.processId));
    // A process that is not ours to look at still runs: refusing the name is the safe answer.
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    if (WaitForSingleObject(process.get(), 0) != WAIT_TIMEOUT) return false;
    std::uint64_t start = CreationTime(process.get());
    return record.processStart == 0 || start == 0 || start == record.processStart;
}

// One caller's turn at the record: the lock, the mapping and its view, for one operation.
class RecordAccess {
public:
    RecordAccess() = default;
    ~RecordAccess() {
        if (m_record) UnmapViewOfFile(m_record);
        if (m_locked) ReleaseMutex(m_lock.get());
    }
    RecordAccess(const RecordAccess&) = delete;
    RecordAccess& operator=(const RecordAccess&) = delete;

    // create: make the mapping when there is none (registering); otherwise an absent mapping
    // means that nothing is registered. Answers 0, kStatusNotRegistered or kStatusSharedMemory.
    unsigned Open(bool create) {
        m_lock = UniqueHandle(CreateMutexA(nullptr, FALSE, kLockName));
        if (!m_lock) return kStatusSharedMemory;
        DWORD wait = WaitForSingleObject(m_lock.get(), kLockWaitMs);
        if (wait != WAIT_OBJECT_0 && wait != WAIT_ABANDONED) return kStatusSharedMemory;
        m_locked = true;

        if (create) {
            m_mapping =
                UniqueHandle(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                sizeof(SharedRegistration), kMappingName));
            if (!m_mapping) return kStatusSharedMemory;
        } else {
            m_mapping = UniqueHandle(OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, kMappingName));
            if (!m_mapping) {
                return GetLastError() == ERROR_FILE_NOT_FOUND ? kStatusNotRegistered
                                                              : kStatusSharedMemory;
            }
        }
        m_record = static_cast<SharedRegistration*>(
            MapViewOfFile(m_mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SharedRegistration)));
        if (!m_record) return kStatusSharedMemory;

        // The creator writes the tag under the lock, so a zero tag is a mapping that has never
        // held a registration; any other tag is a layout this module does not know.
        static const char kNoTag[sizeof kRecordTag] = {};
        if (std::memcmp(m_record->tag, kNoTag, sizeof kNoTag) == 0) {
            if (!create) return kStatusNotRegistered;
            std::memset(m_record, 0, sizeof *m_record);
            std::memcpy(m_record->tag, kRecordTag, sizeof kRecordTag);
        } else if (std::memcmp(m_record->tag, kRecordTag, sizeof kRecordTag) != 0) {
            return kStatusSharedMemory;
        }
        return 0;
    }

    SharedRegistration& record() { return *m_record; }

    // Hands the mapping handle over to the registration: it stays open after this call and
    // after the module is unloaded, until the registration is removed or the process ends.
    HANDLE KeepMappingOpen() { return m_mapping.Release(); }

private:
    UniqueHandle m_lock;
    bool m_locked = false;
    UniqueHandle m_mapping;
    SharedRegistration* m_record = nullptr;
};

}  // namespace

unsigned QueryRegistration(bool* registered) {
    *registered = false;
    RecordAccess access;
    unsigned status = access.Open(false);
    if (status == kStatusNotRegistered) return 0;  // "no" is an answer, not a failure
    if (status != 0) return status;
    *registered = HolderRuns(access.record());
    return 0;
}

unsigned RegisterThisProcess() {
    RecordAccess access;
    if (unsigned status = access.Open(true)) return status;
    SharedRegistration& record = access.record();
    if (IsThisProcess(record)) return 0;
    if (HolderRuns(record)) return kStatusAlreadyRegistered;

    // Whatever is left in the record belongs to a process that has ended: its handle value meant
    // nothing outside it, and its window is gone with it.
    record.processId = GetCurrentProcessId();
    record.processStart = CreationTime(GetCurrentProcess());
    record.window = 0;
    record.keptMapping = reinterpret_cast<std::uintptr_t>(access.KeepMappingOpen());
    return 0;
}

unsigned StoreWindow(std::uint64_t window) {
    RecordAccess access;
    if (unsigned status = access.Open(false)) return status;
    if (!IsThisProcess(access.record())) return kStatusNotRegistered;
    access.record().window = window;
    return 0;
}

unsigned RemoveRegistration() {
    RecordAccess access;
    if (unsigned status = access.Open(false)) return status;
    SharedRegistration& record = access.record();
    if (!IsThisProcess(record)) return kStatusNotRegistered;

    HANDLE kept = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(record.keptMapping));
    record.processId = 0;
    record.processStart = 0;
    record.window = 0;
    record.keptMapping = 0;
    // This call's own handle keeps the mapping until it ends; afterwards the mapping goes away
    // unless another process has it open.
    if (kept) CloseHandle(kept);
    return 0;
}

}  // namespace shmem
