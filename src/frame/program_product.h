// The running program's product information and display options, registered
// for the base library while the program runs.
#pragma once

#include "base/services.h"
#include "base/storage_service_win.h"

namespace corvinata {

class ProgramProduct final : public ProductInfoInterface, public DisplayFormatInterface {
public:
    // `companyName` names the settings level below "Software"; tests pass
    // one of their own so that they never touch the user's settings.
    explicit ProgramProduct(const Char* companyName = TXT("Corvinata Software"))
        : company_(companyName) {}

    StorageService& GetStorage() override { return storage_; }
    const Char* GetProductName() const override { return TXT("Corvinata"); }
    const Char* GetVersion() const override { return TXT("1.70"); }
    const Char* GetEditionName() const override { return TXT(""); }
    const Char* GetCompanyName() const override { return company_; }
    int GetAngleDegreeBase() const override { return 0; }
    int GetRaDisplayUnit() const override { return 1; }

    static const Char* WebAddress() noexcept { return TXT("https://corvinata.org"); }
    static const Char* LanguageName() noexcept { return TXT("English"); }
    static const Char* ReleaseDate() noexcept { return TXT("Dec 6 2026"); }

private:
    Win32StorageService storage_;
    const Char* company_;
};

}  // namespace corvinata
