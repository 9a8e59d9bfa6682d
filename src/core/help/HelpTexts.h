#pragma once
// The fixed texts of the help and information windows: the preferences help (TForm6),
// the search result help (TForm7), the known problems (TForm8), the update help with
// its three example update files (TForm9) and the about window (TForm2).
//
// The memo windows receive their text as lines: every paragraph is one line (the memo
// wraps it), followed by one empty line, and the closing notice ends the text. The
// update help and the about history are lists of coloured lines, empty lines included,
// exactly as they are added to their rich-text boxes.

#include <array>
#include <string>
#include <vector>

#include "views/Page.h"

namespace velmora {

using ColouredParagraph = ColouredLine;

// ---------------------------------------------------------------- window titles
inline constexpr const char* kPreferencesHelpTitle = "Preferences Help";
inline constexpr const char* kResultHelpTitle = "Velmora : Search Result Help";
inline constexpr const char* kKnownProblemsTitle = "Velmora : Current Bugs";
inline constexpr const char* kUpdateHelpTitle = "Velmora : Update File Help";

// The line that ends every memo help text.
inline constexpr const char* kHelpClosingNotice =
    "Velmora 4.1.09 is free software. Race data compiled from F1DB, CC BY 4.0.";

// What the known-problems window's Print button shows instead of printing.
inline constexpr const char* kKnownProblemsPrintRefusal =
    "Get Stuffed!\n\nI am NOT going to permit you to print my bugs!!";

// Hints of the update help's buttons: Close, Print, Restore Help, Example File 1 to 3.
inline constexpr std::array<const char*, 6> kUpdateHelpButtonHints = {
    "Close the Help form",
    "Print the current contents of the window",
    "Restores the Help file after vierwing an example file",
    "Shows an example update file with a partially completed season",
    "Shows an example update file with a completed season",
    "Shows an example update file with a completed season and a partially completed season",
};

// ---------------------------------------------------------------- memo help texts
// Lines for the memo: paragraph, empty line, paragraph, ..., closing notice.
std::vector<std::string> preferencesHelpText();
std::vector<std::string> resultHelpText();
std::vector<std::string> knownProblemsText();

// ---------------------------------------------------------------- update help
// The help box of the update help, line by line with each line's colour.
std::vector<ColouredParagraph> updateHelpText();

// Example update file 1, 2 or 3 exactly as it would be saved, one entry per line:
//   1: the first 14 races of 2016, "***", "+++";
//   2: the 19 races of 2015, "***", the 2015 drivers' record, "+++", the 2015
//      constructors' record;
//   3: the 19 races of 2015, the first 14 of 2016, "***", the 2015 drivers' record,
//      "+++", the 2015 constructors' record.
// Any other number gives an empty list.
std::vector<std::string> updateExampleFile(int which);

// The red heading shown above example file 1, 2 or 3 (empty for any other number).
std::string updateExampleHeading(int which);

// The whole content of the example box for example file 1, 2 or 3: the heading, the
// file's lines, the notes on the shared-drive fields and an early race with shared
// drives. Empty for any other number.
std::vector<ColouredParagraph> updateExampleText(int which);

// The early race line that the example notes show: a race whose first and second
// places were each shared by two drivers and whose third place was not.
std::string sharedDriveExampleLine();

// ---------------------------------------------------------------- about window
struct AboutText {
    std::string windowTitle;  // "About Velmora"
    std::string programName;  // "Velmora 4.1.09"
    std::string titleLine;    // centred across the top panel
    std::string versionLabel; // " Version 4.1.09 "
    std::string dateLabel;    // " November 2016 "
    std::string webAddress;   // shown under the title, left
    std::string webPageUrl;   // opened by a click when links are allowed
    std::string panelHint;    // top panel and history box
    std::string pictureHint;
    std::string credit;       // "Race data compiled from F1DB, CC BY 4.0"
    std::vector<ColouredLine> history; // the version history box, line by line
};

AboutText aboutText();

} // namespace velmora
