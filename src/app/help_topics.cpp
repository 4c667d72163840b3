#include "app/help_topics.h"

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

}  // namespace corvinata
