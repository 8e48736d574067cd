// A COM interface pointer that releases its object when it goes, and COM for the calling thread
// for as long as a scope lives.
#pragma once

#include <objbase.h>
#include <unknwn.h>

#include <memory>

struct ComReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using ComPtr = std::unique_ptr<Interface, ComReleaser>;

class ComScope {
public:
    ComScope() : m_bInitialized(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComScope() {
        if (m_bInitialized) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool m_bInitialized;
};
