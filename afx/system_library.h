// A system library loaded for the call that needs it and released with the object. A program
// that imports a library statically loads it, and everything it imports, at every start; one used
// only on request (the open-file dialog) is cheaper taken when the request comes.
#pragma once

#include <windows.h>

class CSystemLibrary {
public:
    explicit CSystemLibrary(const char* name) : m_hModule(::LoadLibraryA(name)) {}
    ~CSystemLibrary() {
        if (m_hModule != nullptr) ::FreeLibrary(m_hModule);
    }
    CSystemLibrary(const CSystemLibrary&) = delete;
    CSystemLibrary& operator=(const CSystemLibrary&) = delete;

    // The export NAME as a FUNCTION, or null when the library or the export is missing.
    template <typename Function>
    Function* Find(const char* name) const {
        if (m_hModule == nullptr) return nullptr;
        return reinterpret_cast<Function*>(
            reinterpret_cast<void*>(::GetProcAddress(m_hModule, name)));
    }

private:
    HMODULE m_hModule;
};
