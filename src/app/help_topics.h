// Where the program finds its help file, and the help topics of its pages.
//
// The compiled help file lies beside the program file and is named after the
// product; every window, pane and dialog opens its own page of it, named in
// one table so that none can be left without a page.
#pragma once

#include "base/path_name.h"
#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

// Longest module path the program takes; a longer one is cut there.
constexpr int kMaxModulePath = 260;

// The directory parts of the running module's full path.
PathName ProgramDirectoryFromModulePath(const Char* modulePath);
// The help file: the program directory, the product name and ".chm".
String HelpFilePath(const PathName& programDirectory, const Char* productName);
// The help file's name: the product's name with ".chm".
String HelpFileName(const Char* productName);
// The messages of the program's message box, each with a page of its own
// in the help file's folder of messages (TimeZoneMismatch
// stays last: the table is checked against it).
enum class MessageTopic {
    SystemUnknown,
    WindowsTooOld,
    ResolutionUnknown,
    LowResolution,
    ErrorInitializing,
    NightVisionWasActive,
    HelpFileNotOpened,
    QuickTourNotFound,
    ScriptNotOpened,
    ScriptCompilationError,
    // 10
    ScriptExecutionError,
    GraphFileNotOpened,
    GraphOpenedWithDefaults,
    SaveGraphChanges,
    EarlierGraphVersion,
    GraphSaveError,
    FileExists,
    DeleteGraphLine,
    LineNameMissing,
    ExpressionSyntaxError,
    // 20
    DifferentValue,
    RangeReversed,
    PictureNotLoaded,
    ReportNotSaved,
    ResultNotShown,
    DeleteRuns,
    LocationInUse,
    DeleteLocation,
    DuplicateLocation,
    MapDescriptionError,
    // 30
    NoTimeZone,
    TimeZoneMismatch,
};

struct MessageTopicEntry {
    MessageTopic topic;
    const Char* name;  // the page's file name in the folder, without ".htm"
};

// Every message topic, in the order of the enumeration.
extern const MessageTopicEntry kMessageTopics[];
extern const int kMessageTopicCount;

// The page of a message box's Help button: "Message_Box_Help_Button/" +
// the topic's name + ".htm".
String MessageBoxHelpTopic(MessageTopic topic);

// The pages that the Help menu, the windows, the panes and the dialogs open
// (RunLesson stays last: the table is checked against it).
enum class HelpPage {
    Contents,
    MainMenu,
    Glossary,
    QuickTour,
    KeyboardMap,
    Welcome,
    Appearance,
    DateAndTime,
    SelectLocation,
    DefineUserLocation,
    SelectObject,
    SkyWindow,
    SkyOptions,
    SolarSystemWindow,
    SolarSystemOptions,
    JupiterExplorerWindow,
    JupiterExplorerOptions,
    SaturnExplorerWindow,
    SaturnExplorerOptions,
    SolarEclipseWindow,
    GraphWindow,
    GraphOptions,
    EditGraphLines,
    AddGraphLine,
    EditGraphLine,
    PictureWindow,
    PictureOptions,
    InstalledPicturePacks,
    ReportWindow,
    Calculator,
    EventFinder,
    EventFinderHistory,
    SelectEvent,
    EventForecast,
    EventForecastOptions,
    ObjectInfo,
    SymbolTable,
    SelectLesson,
    RunLesson,
};

struct HelpPageTopic {
    HelpPage page;
    const Char* topic;  // the page's path inside the help file
};

// Every page, in the order of the enumeration.
extern const HelpPageTopic kHelpPageTopics[];
extern const int kHelpPageCount;

// The page's path inside the help file ("sky/sky_window.htm").
const Char* HelpTopicOf(HelpPage page) noexcept;

}  // namespace corvinata
