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

String HelpFilePath(const PathName& programDirectory, const Char* productName) {
    PathName help = programDirectory;
    const String fileName = FormatPercent1(TXT("%.chm"), productName);
    if (!help.SetPathFileName(fileName.Text())) return String();
    return String(help.ComposePath());
}

String MessageBoxHelpTopic(const Char* topicName) {
    return FormatPercent1(TXT("Message_Box_Help_Button/%.htm"), topicName);
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
