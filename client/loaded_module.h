// The run-time module protocol, in one place: load through the client library, create the object
// from ordinal 1, use it, then Release(1) and FreeLibrary, whatever happened in between.
#pragma once

#include "client/module_interface.h"

#include <windows.h>

#include <memory>
#include <type_traits>

struct ModuleFreer {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
// A reference of our own on a module the library has loaded: while it lasts, the library's
// unload leaves the module mapped, and its next load through the library finds it in place
// instead of mapping and starting it again. Null when no reference could be taken.
using ModuleHold = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;

class LoadedModule {
public:
    enum class State { NotLoaded, NoFactory, Ready };

    explicit LoadedModule(const char* fileName);
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    State state() const { return m_state; }
    bool ready() const { return m_state == State::Ready; }
    // The module's object; only valid while ready().
    ModuleInterface* object() const { return m_pObject; }
    // A hold on the loaded module; null when nothing is loaded.
    ModuleHold Hold() const;

private:
    HMODULE m_hModule = nullptr;
    ModuleInterface* m_pObject = nullptr;
    State m_state = State::NotLoaded;
};
