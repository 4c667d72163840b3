// What the base library asks of the application: product information with
// the storage service, and the display options for angles.
//
// The application registers its implementations once at start-up, before
// anything in the base library needs them, and keeps them alive until it
// ends; tests register fakes with ScopedApplicationServices. The base library
// never deletes them.
#pragma once

#include <cassert>

#include "base/number_text.h"
#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

class StorageService;

class ProductInfoInterface {
public:
    virtual ~ProductInfoInterface() = default;

    // The application's storage service; lives as long as the application.
    virtual StorageService& GetStorage() = 0;
    // The product name, owned by the application.
    virtual const Char* GetProductName() const = 0;
    // The version: digits and points.
    virtual const Char* GetVersion() const = 0;
    // The edition, which may be empty.
    virtual const Char* GetEditionName() const = 0;
    // The maker: the level below "Software" that holds the program's settings
    // (and under which installed picture and map packs announce themselves).
    virtual const Char* GetCompanyName() const = 0;
    // The maker's web address, which the About dialog links to and the
    // report pages and graph exports name.
    virtual const Char* GetWebAddress() const = 0;
    // Name, version and edition as one title, written into `receiver`.
    virtual String& GetProductTitle(String& receiver) const {
        return BuildProductTitle(*this, receiver);
    }
};

class DisplayFormatInterface {
public:
    virtual ~DisplayFormatInterface() = default;

    // How angles are shown: 1 decimal, 0 sexagesimal.
    virtual int GetAngleDegreeBase() const = 0;
    // How right ascensions are shown: 1 hours, 0 degrees.
    virtual int GetRaDisplayUnit() const = 0;
};

// The implementations the application registered.
struct ApplicationServices {
    ProductInfoInterface* productInfo = nullptr;
    DisplayFormatInterface* displayFormat = nullptr;
};

namespace detail {
// The one global pointer: null until the application (or a test) registers.
inline const ApplicationServices* g_applicationServices = nullptr;
}  // namespace detail

// Registers `services` (which must outlive the registration), or clears the
// registration with null. Done by the application at start-up and by tests.
inline void SetApplicationServices(const ApplicationServices* services) noexcept {
    detail::g_applicationServices = services;
}

inline bool HasProductInfo() noexcept {
    return detail::g_applicationServices && detail::g_applicationServices->productInfo;
}
inline bool HasDisplayFormat() noexcept {
    return detail::g_applicationServices && detail::g_applicationServices->displayFormat;
}

// The registered product information; must have been registered.
inline ProductInfoInterface& GetProductInfo() noexcept {
    assert(HasProductInfo());
    return *detail::g_applicationServices->productInfo;
}

// The registered display options; must have been registered.
inline DisplayFormatInterface& GetDisplayFormat() noexcept {
    assert(HasDisplayFormat());
    return *detail::g_applicationServices->displayFormat;
}

// Registers services for the lifetime of the object and restores the
// previous registration afterwards (tests, and the application's main).
class ScopedApplicationServices {
public:
    ScopedApplicationServices(ProductInfoInterface* productInfo,
                              DisplayFormatInterface* displayFormat) noexcept
        : services_{productInfo, displayFormat}, previous_(detail::g_applicationServices) {
        SetApplicationServices(&services_);
    }
    ~ScopedApplicationServices() { SetApplicationServices(previous_); }
    ScopedApplicationServices(const ScopedApplicationServices&) = delete;
    ScopedApplicationServices& operator=(const ScopedApplicationServices&) = delete;

private:
    ApplicationServices services_;
    const ApplicationServices* previous_;
};

}  // namespace corvinata
