// The program's own product information: its name, version and maker, where
// it lies, and the settings root built from them.
#pragma once

#include "base/path_name.h"
#include "base/services.h"
#include "base/storage.h"
#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

// Folders beside the program: the sample graphs, and the lessons the
// Educator lists.
constexpr const Char* kGraphsFolder = TXT("GRAPHS");
constexpr const Char* kLessonsFolder = TXT("Scripts");

class ProgramProductInfo final : public ProductInfoInterface {
public:
    // `programDirectory` is the folder of the program file; `storage` must
    // outlive the object.
    ProgramProductInfo(StorageService& storage, const PathName& programDirectory);

    StorageService& GetStorage() override { return storage_; }
    const Char* GetProductName() const override;
    const Char* GetVersion() const override;
    const Char* GetEditionName() const override;
    const Char* GetCompanyName() const override;
    const Char* GetWebAddress() const override;

    // The product name in narrow characters, for the few interfaces that
    // take no wide text.
    static const char* GetProductNameAnsi() noexcept;
    // The language of the program's texts.
    static const Char* GetLanguageName() noexcept;

    const PathName& GetProgramDirectory() const noexcept { return programDirectory_; }
    // The program directory with the sub-folder "GRAPHS".
    String GetGraphsDirectory() const;
    String GetHelpFilePath() const;

private:
    StorageService& storage_;
    PathName programDirectory_;
};

}  // namespace corvinata
