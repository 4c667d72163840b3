#include "app/product_info.h"

#include "app/help_topics.h"

namespace corvinata {

ProgramProductInfo::ProgramProductInfo(StorageService& storage, const PathName& programDirectory)
    : storage_(storage), programDirectory_(programDirectory) {}

const Char* ProgramProductInfo::GetProductName() const { return TXT("Corvinata"); }
const Char* ProgramProductInfo::GetVersion() const { return TXT("1.70"); }
const Char* ProgramProductInfo::GetEditionName() const { return TXT(""); }
const Char* ProgramProductInfo::GetCompanyName() const { return TXT("Corvinata Software"); }
const char* ProgramProductInfo::GetProductNameAnsi() noexcept { return "Corvinata"; }
const Char* ProgramProductInfo::GetWebAddress() const { return TXT("https://corvinata.org"); }
const Char* ProgramProductInfo::GetLanguageName() noexcept { return TXT("English"); }

String ProgramProductInfo::GetGraphsDirectory() const {
    PathName graphs = programDirectory_;
    if (!graphs.AppendPathFolder(kGraphsFolder)) return String();
    return String(graphs.GetPathDirectoryWithSeparator());
}

String ProgramProductInfo::GetHelpFilePath() const {
    return HelpFilePath(programDirectory_, GetProductName());
}

}  // namespace corvinata
