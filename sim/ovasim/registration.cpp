// The editor registration from outside an editor: a holder process takes the "OvaSettings"
// registration of OvaShMem.dll, so that an editor started meanwhile finds it and gives way.
//
// The holder is found by two named objects: it owns kHolderMutex for as long as it runs, and it
// ends when kStopEvent is set. Releasing the mutex is its last act, after the registration is
// removed, so whoever takes the mutex knows the registration is gone.

#include "sim/ovasim/registration.h"

#include "client/module_interface.h"
#include "sim/common/sim_state.h"
#include "sim/shmem/shared_registration.h"
#include "sim/shmem/unique_handle.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace ovasim {
namespace {

using shmem::UniqueHandle;

constexpr char kHolderMutex[] = "Local\\OvaSimRegistrationHolder";
constexpr char kStopEvent[] = "Local\\OvaSimUnregisterEditor";

// How long the verbs wait for the holder to take or drop the registration. A holder needs well
// under a second; a cold Wine server takes a few.
constexpr DWORD kHolderWaitMs = 10000;
constexpr DWORD kPollMs = 100;

std::string OwnPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH - 1);
    return path;
}

// OvaShMem.dll from ovasim's own folder, for one use: the module protocol without the client
// library, so that ovasim's registration calls stay out of the library's call journal.
class ShMem {
public:
    ShMem() {
        m_hModule = LoadLibraryA((sim::ModuleFolder() + "\\OvaShMem.dll").c_str());
        if (!m_hModule) return;
        auto factory = reinterpret_cast<ModuleFactory>(
            reinterpret_cast<void*>(GetProcAddress(m_hModule, MAKEINTRESOURCEA(1))));
        if (factory) m_pObject = factory();
    }
    ~ShMem() {
        if (m_pObject) m_pObject->Release(1);
        if (m_hModule) FreeLibrary(m_hModule);
    }
    ShMem(const ShMem&) = delete;
    ShMem& operator=(const ShMem&) = delete;

    bool Usable() const { return m_pObject != nullptr; }
    std::uint32_t Status() const { return m_status; }

    // The same arguments an editor passes: the name, the window cell, five zeros, five pointers
    // to one scratch cell, the status cell.
    bool Invoke(unsigned command, std::uint64_t window = 0) {
        std::string name = shmem::kEditorName;
        std::uint64_t windowCell = window;
        std::uint64_t scratch = 0;
        m_status = 0;
        return m_pObject->Invoke(command, name.data(), &windowCell, nullptr, nullptr, nullptr,
                                 nullptr, nullptr, &scratch, &scratch, &scratch, &scratch, &scratch,
                                 &m_status) != 0;
    }

private:
    HMODULE m_hModule = nullptr;
    ModuleInterface* m_pObject = nullptr;
    std::uint32_t m_status = 0;
};

// Command 4; a module that cannot be used answers through *usable.
bool EditorRegistered(bool* usable) {
    ShMem shmem;
    *usable = shmem.Usable();
    return *usable && shmem.Invoke(4);
}

// The holder's window: what an editor would register is its main window, which the holder does
// not have, so a hidden one stands in for it.
class HiddenWindow {
public:
    HiddenWindow()
        : m_hWnd(CreateWindowExA(0, "STATIC", "ovasim registration holder", WS_POPUP, 0, 0, 0, 0,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {}
    ~HiddenWindow() {
        if (m_hWnd) DestroyWindow(m_hWnd);
    }
    HiddenWindow(const HiddenWindow&) = delete;
    HiddenWindow& operator=(const HiddenWindow&) = delete;
    HWND get() const { return m_hWnd; }

private:
    HWND m_hWnd;
};

// Waits for the stop event while serving the window's messages: a window that never answers
// would hold up every program that broadcasts a message to all top-level windows.
void WaitForStop(HANDLE stop) {
    HANDLE handles[] = {stop};
    while (MsgWaitForMultipleObjects(1, handles, FALSE, INFINITE, QS_ALLINPUT) ==
           WAIT_OBJECT_0 + 1) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

}  // namespace

int RegisterEditor() {
    bool usable = false;
    if (EditorRegistered(&usable)) {
        std::fprintf(stderr,
                     "ovasim register-editor: an editor is already registered under "
                     "\"OvaSettings\"\n");
        return 1;
    }
    if (!usable) {
        std::fprintf(stderr, "ovasim register-editor: OvaShMem.dll beside ovasim cannot be used\n");
        return 1;
    }

    std::string path = OwnPath();
    std::string commandLine = "\"" + path + "\" " + kHolderVerb;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // Detached and in a group of its own, the holder outlives this command and takes no console
    // with it; it inherits no handles, so nothing waiting on ours waits on it.
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        DETACHED_PROCESS | CREATE_NEW_PROCESS_GROUP, nullptr, nullptr, &startup,
                        &info)) {
        std::fprintf(stderr, "ovasim register-editor: the holder cannot be started (error %lu)\n",
                     GetLastError());
        return 1;
    }
    UniqueHandle process(info.hProcess);
    UniqueHandle thread(info.hThread);

    for (DWORD waited = 0; waited < kHolderWaitMs; waited += kPollMs) {
        if (EditorRegistered(&usable)) return 0;
        if (WaitForSingleObject(process.get(), kPollMs) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process.get(), &code);
            std::fprintf(stderr,
                         "ovasim register-editor: the holder ended without registering "
                         "(exit code %lu)\n",
                         code);
            return 1;
        }
    }
    if (EditorRegistered(&usable)) return 0;
    // A holder that registers later than this would hold a registration nobody asked for.
    TerminateProcess(process.get(), 1);
    std::fprintf(stderr, "ovasim register-editor: no registration appeared within %lu seconds\n",
                 kHolderWaitMs / 1000);
    return 1;
}

int UnregisterEditor() {
    UniqueHandle holder(OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, kHolderMutex));
    if (!holder) return 0;  // no holder runs, so there is nothing of ovasim's to drop

    // The stop event is set again on every round: a holder that has only just started clears
    // the event once before it registers, which must not swallow the request.
    for (DWORD waited = 0; waited < kHolderWaitMs; waited += kPollMs) {
        UniqueHandle stop(OpenEventA(EVENT_MODIFY_STATE, FALSE, kStopEvent));
        if (stop) SetEvent(stop.get());
        DWORD wait = WaitForSingleObject(holder.get(), kPollMs);
        if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) {
            ReleaseMutex(holder.get());
            return 0;
        }
    }
    std::fprintf(stderr,
                 "ovasim unregister-editor: the holder did not drop the registration within %lu "
                 "seconds\n",
                 kHolderWaitMs / 1000);
    return 1;
}

int HoldRegistration() {
    UniqueHandle holder(CreateMutexA(nullptr, TRUE, kHolderMutex));
    if (!holder || GetLastError() == ERROR_ALREADY_EXISTS) {
        std::fprintf(stderr, "ovasim hold-registration: another holder runs\n");
        return 1;
    }
    UniqueHandle stop(CreateEventA(nullptr, TRUE, FALSE, kStopEvent));
    if (!stop) {
        std::fprintf(stderr, "ovasim hold-registration: the stop event cannot be made\n");
        ReleaseMutex(holder.get());
        return 1;
    }
    // A stop request meant for an earlier holder may still be set.
    ResetEvent(stop.get());

    HiddenWindow window;
    {
        ShMem shmem;
        if (!shmem.Usable()) {
            std::fprintf(stderr, "ovasim hold-registration: OvaShMem.dll cannot be used\n");
            ReleaseMutex(holder.get());
            return 1;
        }
        if (!shmem.Invoke(1) || !shmem.Invoke(3, reinterpret_cast<std::uintptr_t>(window.get()))) {
            std::fprintf(stderr, "ovasim hold-registration: registration refused (status %u)\n",
                         shmem.Status());
            shmem.Invoke(2);
            ReleaseMutex(holder.get());
            return 1;
        }
    }  // the module is unloaded here, as an editor unloads it; the registration stays

    WaitForStop(stop.get());

    int result = 0;
    {
        ShMem shmem;
        if (!shmem.Usable() || !shmem.Invoke(2)) {
            std::fprintf(stderr,
                         "ovasim hold-registration: the registration cannot be removed (status "
                         "%u)\n",
                         shmem.Status());
            result = 1;
        }
    }
    ReleaseMutex(holder.get());
    return result;
}

}  // namespace ovasim
