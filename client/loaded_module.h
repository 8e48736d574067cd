// The run-time module protocol, in one place: load through the client library, create the object
// from ordinal 1, use it, then Release(1) and FreeLibrary, whatever happened in between.
#pragma once

#include "client/module_interface.h"

#include <windows.h>

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

private:
    HMODULE m_hModule = nullptr;
    ModuleInterface* m_pObject = nullptr;
    State m_state = State::NotLoaded;
};
