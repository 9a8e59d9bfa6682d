#pragma once
// The whole start-up: settings location and reading, the embedded tables, the merge of
// the update file, the integrity checks, the derived lists, statistics, export files,
// the opening text and the drop-down contents. Run once per run of the program.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "data/Database.h"
#include "platform/Platform.h"
#include "settings/Settings.h"

namespace velmora {

class IniStore;

// What the start-up reports while it runs. The desktop program shows it in the splash
// window and lets pending events be processed after each call.
class StartupProgress {
public:
    virtual ~StartupProgress() = default;
    // Start-up step 3: the splash window appears (and is hidden again at once when
    // `visible` is false); its check box is cleared.
    virtual void begin(bool visible) { (void)visible; }
    virtual void status(const std::string& text, int percent) = 0;
    // The settings have been read (start-up steps 6 and 7): the main window applies them.
    virtual void settingsRead(const Settings& settings) { (void)settings; }
    // Start-up step 19: is the splash window's "Do Not Show this screen again" ticked?
    virtual bool doNotShowAgain() { return false; }
    // Start-up step 19: the splash window is hidden.
    virtual void end() {}
};

struct StartupEnvironment {
    std::string currentDir; // the process's current directory
    FileSystem* files = nullptr;
    IniStore* ini = nullptr;
    MessageBoxes* messages = nullptr;
    const Clock* clock = nullptr;
    StartupProgress* progress = nullptr; // may be null
    int screenWidth = 1920, screenHeight = 1080;
};

// Items and selections of the six drop-down boxes, in SEARCH key order.
struct SearchBoxes {
    std::array<std::vector<std::string>, kSearchBoxCount> items;
    std::array<int, kSearchBoxCount> selected{};
};

struct StartupResult {
    bool ok = false; // false: a fatal data error was shown; the program ends without saving
    std::unique_ptr<Database> db;
    Settings settings;
    SearchBoxes boxes;
};

StartupResult runStartup(const StartupEnvironment& env);

// The texts the start-up shows.
namespace startup_text {
inline constexpr const char* kCaption = "Velmora 4.1.09";
inline constexpr const char* kHelpStrip =
    "Click the 'Help' button at the bottom of the right hand panel any time to show this opening screen again.";
} // namespace startup_text

// ---- the pieces, for tests and for the benchmark

// Merges the update file's lines into the lists (the caller has read and decoded it).
// Returns whether it was merged.
bool mergeUpdateLines(Database& db, const std::vector<std::string>& lines);
// The integrity report (empty when the data hang together).
std::string integrityReport(const Database& db);
// Seasons, names, win counts, season table and statistics, as start-up runs them.
// Fatal data errors are shown through `messages`; returns false after one.
// `exportFiles` (optional) receives the eight export files: name and lines.
struct ExportFile {
    std::string name;
    std::vector<std::string> lines;
};
bool deriveLists(Database& db, MessageBoxes& messages, StartupProgress* progress,
                 std::vector<ExportFile>* exportFiles);

} // namespace velmora
