#pragma once

#include <functional>
#include <memory>
#include <utility>

namespace platform {

// Makes the object behind a seam a test can replace (a picker, a dialog).
template <class Interface> using Factory = std::function<std::unique_ptr<Interface>()>;

// The factory a seam uses: Default's until a test installs another.
template <class Interface, class Default> Factory<Interface> &CurrentFactory()
{
    static Factory<Interface> factory = [] { return std::make_unique<Default>(); };
    return factory;
}

// Installs a factory for the seam; returns the one it replaces.
template <class Interface, class Default> Factory<Interface> ReplaceFactory(Factory<Interface> factory)
{
    return std::exchange(CurrentFactory<Interface, Default>(), std::move(factory));
}

} // namespace platform
