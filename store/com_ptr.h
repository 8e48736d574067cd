// A COM interface pointer that releases its object when it goes.
#pragma once

#include <unknwn.h>

#include <memory>

struct ComReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using ComPtr = std::unique_ptr<Interface, ComReleaser>;
