#include "app/help_topics.h"

#include <iterator>

#include "base/text_format.h"

namespace corvinata {

PathName ProgramDirectoryFromModulePath(const Char* modulePath) {
    Char cut[kMaxModulePath + 1];
    int length = 0;
    while (length < kMaxModulePath && modulePath[length]) {
        cut[length] = modulePath[length];
        ++length;
    }
    cut[length] = 0;
    PathName path;
    path.SetPath(cut);
    return path;
}

String HelpFileName(const Char* productName) { return FormatPercent1(TXT("%.chm"), productName); }

String HelpFilePath(const PathName& programDirectory, const Char* productName) {
    PathName help = programDirectory;
    if (!help.SetPathFileName(HelpFileName(productName).Text())) return String();
    return String(help.ComposePath());
}

constexpr MessageTopicEntry kMessageTopics[] = {
    {MessageTopic::SystemUnknown, TXT("Corvinata_is_unable_to_identify")},
    {MessageTopic::WindowsTooOld, TXT("Corvinata_requires_Windows")},
    {MessageTopic::ResolutionUnknown, TXT("Corvinata_is_unable_to_determine_the_resolution")},
    {MessageTopic::LowResolution, TXT("The_resolution_of_your_monitor")},
    {MessageTopic::ErrorInitializing, TXT("Error_initializing")},
    {MessageTopic::NightVisionWasActive, TXT("Corvinata_is_currently_in_night_vision")},
    {MessageTopic::HelpFileNotOpened, TXT("Corvinata_could_not_open_the_help_file")},
    {MessageTopic::QuickTourNotFound, TXT("Corvinata_cannot_run_the_Quick_Tour")},
    {MessageTopic::ScriptNotOpened, TXT("Script_could_not_be_opened_because")},
    {MessageTopic::ScriptCompilationError, TXT("Script_Compilation_Error")},
    // 10
    {MessageTopic::ScriptExecutionError, TXT("Script_Execution_Error")},
    {MessageTopic::GraphFileNotOpened, TXT("Corvinata_was_unable_to_open_the_file")},
    {MessageTopic::GraphOpenedWithDefaults, TXT("The_graph_was_opened_with_default_values")},
    {MessageTopic::SaveGraphChanges, TXT("Do_you_want_to_save_changes")},
    {MessageTopic::EarlierGraphVersion, TXT("The_graph_was_created_with_an_earlier_version")},
    {MessageTopic::GraphSaveError, TXT("Corvinata_encountered_an_error_saving_the_graph")},
    {MessageTopic::FileExists, TXT("File_Already_Exists")},
    {MessageTopic::DeleteGraphLine, TXT("Do_you_want_to_delete_the_line")},
    {MessageTopic::LineNameMissing, TXT("Please_enter_a_name_for_the_line")},
    {MessageTopic::ExpressionSyntaxError, TXT("The_CorvinataScript_expression_contains_a_syntax_error")},
    // 20
    {MessageTopic::DifferentValue, TXT("Please_enter_a_different_value")},
    {MessageTopic::RangeReversed, TXT("The_to_value_must_be_larger_than_the_from_value")},
    {MessageTopic::PictureNotLoaded, TXT("The_picture_could_not_be_loaded")},
    {MessageTopic::ReportNotSaved, TXT("The_report_could_not_be_saved")},
    {MessageTopic::ResultNotShown, TXT("The_selected_result_cannot_be_shown")},
    {MessageTopic::DeleteRuns, TXT("Do_you_want_to_delete_n_runs")},
    {MessageTopic::LocationInUse, TXT("The_location_can_not_be_deleted")},
    {MessageTopic::DeleteLocation, TXT("Do_you_want_to_delete_the_location")},
    {MessageTopic::DuplicateLocation, TXT("A_location_with_the_given_country_and_town_name_already_exists")},
    {MessageTopic::MapDescriptionError, TXT("Corvinata_encountered_an_error")},
    // 30
    {MessageTopic::NoTimeZone, TXT("No_time_zone_is_known_for_the_coordinates")},
    {MessageTopic::TimeZoneMismatch, TXT("You_entered_a_time_zone")},
};

constexpr int kMessageTopicCount = static_cast<int>(std::size(kMessageTopics));

constexpr bool TopicsInEnumerationOrder() {
    for (int i = 0; i < kMessageTopicCount; ++i)
        if (static_cast<int>(kMessageTopics[i].topic) != i) return false;
    return true;
}
static_assert(TopicsInEnumerationOrder(), "message topics out of order");
static_assert(kMessageTopicCount == static_cast<int>(MessageTopic::TimeZoneMismatch) + 1,
              "a message without its topic");

String MessageBoxHelpTopic(MessageTopic topic) {
    const int index = static_cast<int>(topic);
    // Out of the table only by a cast gone wrong: the contents then.
    if (index < 0 || index >= kMessageTopicCount) return String(TXT("contents.htm"));
    return FormatPercent1(TXT("Message_Box_Help_Button/%.htm"), kMessageTopics[index].name);
}

// Folder names are all lower case: the help file's names are matched
// without regard to case on Windows, so two spellings of one folder merge.
constexpr HelpPageTopic kHelpPageTopics[] = {
    {HelpPage::Contents, TXT("contents.htm")},
    {HelpPage::MainMenu, TXT("main_menu/main_menu.htm")},
    {HelpPage::Glossary, TXT("main_menu/help_menu/glossary.htm")},
    {HelpPage::QuickTour, TXT("quick_tour/Quick_Tour.htm")},
    {HelpPage::KeyboardMap, TXT("main_menu/help_menu/keyboard_map.htm")},
    {HelpPage::Welcome, TXT("picture/dialog_welcome.htm")},
    {HelpPage::Appearance, TXT("options/dialog_appearance.htm")},
    {HelpPage::DateAndTime, TXT("options/dialog_date_and_time.htm")},
    {HelpPage::SelectLocation, TXT("options/dialog_select_location.htm")},
    {HelpPage::DefineUserLocation, TXT("options/dialog_define_user_location.htm")},
    // 10
    {HelpPage::SelectObject, TXT("dialogs/dialog_select_object.htm")},
    {HelpPage::SkyWindow, TXT("sky/sky_window.htm")},
    {HelpPage::SkyOptions, TXT("sky/dialog_sky_options.htm")},
    {HelpPage::SolarSystemWindow, TXT("solar_system/solar_system_window.htm")},
    {HelpPage::SolarSystemOptions, TXT("solar_system/dialog_solar_system_options.htm")},
    {HelpPage::JupiterExplorerWindow, TXT("jupiter_explorer/jupiter_explorer_window.htm")},
    {HelpPage::JupiterExplorerOptions, TXT("jupiter_explorer/dialog_jupiter_explorer_options.htm")},
    {HelpPage::SaturnExplorerWindow, TXT("saturn_explorer/saturn_explorer_window.htm")},
    {HelpPage::SaturnExplorerOptions, TXT("saturn_explorer/dialog_saturn_explorer_options.htm")},
    {HelpPage::SolarEclipseWindow, TXT("solar_eclipse/solar_eclipse_window.htm")},
    // 20
    {HelpPage::GraphWindow, TXT("graph/graph_window.htm")},
    {HelpPage::GraphOptions, TXT("graph/dialog_graph_options.htm")},
    {HelpPage::EditGraphLines, TXT("graph/dialog_edit_graph_lines.htm")},
    {HelpPage::AddGraphLine, TXT("graph/dialog_add_graph_line.htm")},
    {HelpPage::EditGraphLine, TXT("graph/dialog_edit_graph_line.htm")},
    {HelpPage::PictureWindow, TXT("picture/picture_window.htm")},
    {HelpPage::PictureOptions, TXT("picture/dialog_picture_options.htm")},
    {HelpPage::InstalledPicturePacks, TXT("picture/dialog_installed_picpacks.htm")},
    {HelpPage::ReportWindow, TXT("reports/report_window.htm")},
    {HelpPage::Calculator, TXT("tools/calculator/tools_calculator.htm")},
    // 30
    {HelpPage::EventFinder, TXT("tools/event_finder/tools_event_finder.htm")},
    {HelpPage::EventFinderHistory, TXT("tools/event_finder/tools_event_finder_history.htm")},
    {HelpPage::SelectEvent, TXT("tools/event_finder/dialog_select_event.htm")},
    {HelpPage::EventForecast, TXT("tools/event_forecast/tools_event_forecast.htm")},
    {HelpPage::EventForecastOptions, TXT("tools/event_forecast/dialog_event_forecast_options.htm")},
    {HelpPage::ObjectInfo, TXT("tools/object_info/tools_object_info.htm")},
    {HelpPage::SymbolTable, TXT("tools/symbol_table/tools_symbol_table.htm")},
    {HelpPage::SelectLesson, TXT("dialogs/dialog_select_lesson.htm")},
    {HelpPage::RunLesson, TXT("dialogs/dialog_run_lesson.htm")},
};

constexpr int kHelpPageCount = static_cast<int>(std::size(kHelpPageTopics));

// Each page stands at its own place, so that a lookup is an index.
constexpr bool PagesInEnumerationOrder() {
    for (int i = 0; i < kHelpPageCount; ++i)
        if (static_cast<int>(kHelpPageTopics[i].page) != i) return false;
    return true;
}
static_assert(PagesInEnumerationOrder(), "help pages out of order");
static_assert(kHelpPageCount == static_cast<int>(HelpPage::RunLesson) + 1, "a help page without its topic");

const Char* HelpTopicOf(HelpPage page) noexcept {
    const int index = static_cast<int>(page);
    return index >= 0 && index < kHelpPageCount ? kHelpPageTopics[index].topic : TXT("contents.htm");
}

}  // namespace corvinata
