#pragma once
// The settings held in memory for the whole run, the settings file's location, and
// the save points. The file itself is reached through IniStore (settings/IniFile.h).

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Platform.h"

namespace velmora {

class IniStore;

// The seven display colours, in the order the preferences window lists them.
enum class Colour { Results = 0, DriverWins, TeamWins, EngineWins, DriverChamps, TeamChamps, EngineChamps };
constexpr int kColourCount = 7;

// The six drop-down boxes of the main window, in SEARCH key order.
enum class SearchBox { Driver = 0, Team, Engine, Circuit, Venue, Season };
constexpr int kSearchBoxCount = 6;

struct Geometry {
    int left = 8, top = 8, width = 0, height = 0;
};

// Position and size of one window, as a FORMn section holds it.
struct WindowState {
    Geometry geometry;
    bool normal = true; // neither minimised nor maximised
};

struct Settings {
    static constexpr int kOptionsLength = 37;

    std::string programDir;   // with its trailing separator
    std::string settingsFile; // programDir + "Velmora.INI"
    bool usingFallback = false;

    std::string options = std::string(kOptionsLength, '1'); // the OptionsString
    bool allowHyperlink = true;
    int printLines = 200;
    std::array<int, kSearchBoxCount> search{}; // saved item indices, -1 = no selection
    std::array<std::uint32_t, kColourCount> colours{13631487u, 14540253u, 14540253u, 14540253u,
                                                     14540253u, 14540253u, 14540253u};

    // FORM1: the main window and the widths of its four resizable lists.
    Geometry form1{8, 8, 1370, 861};
    int lb2 = 420, lb3 = 293, lb5 = 400, lb6 = 400;

    // Option position 1 to 37 is '1'.
    bool option(int position) const;
    void setOption(int position, bool on);
    std::uint32_t colour(Colour c) const { return colours[static_cast<size_t>(c)]; }
};

// Brings a stored OptionsString to 37 characters of '0' and '1': missing or bad
// positions take their default '1'.
std::string repairOptions(const std::string& stored);

// The settings file's location and the directory where the program keeps its files.
struct SettingsLocation {
    std::string programDir;
    std::string settingsFile;
    bool usingFallback = false;
};

constexpr const char* kSettingsFileName = "Velmora.INI";

// The program directory for a current directory: with one separator appended unless
// it already ends in one. Windows rules take a backslash, and a trailing colon (a bare
// drive such as "C:") also counts as an end; elsewhere the separator is '/'. An empty
// text means the current directory itself.
#ifdef _WIN32
constexpr bool kWindowsPaths = true;
#else
constexpr bool kWindowsPaths = false;
#endif
std::string programDirectoryFor(const std::string& currentDir, bool windowsRules = kWindowsPaths);

// Start-up steps 1 and 2: the program directory from the current directory, the write
// test (HEADER/Last Access), and on failure the per-user fallback directory (created).
// The write test is not repeated in the fallback directory.
SettingsLocation resolveSettingsLocation(const std::string& currentDir, IniStore& ini, FileSystem& files,
                                         const Clock& clock);

// The per-user fallback directory, with its trailing separator: on Windows
// "c:\Temp\Tavrix\Velmora\", elsewhere $XDG_DATA_HOME/Velmora/ or
// ~/.local/share/Velmora/.
std::string fallbackDirectory();

// Start-up step 3: OPTIONS/Options alone (repaired, see repairOptions).
std::string readOptionsOnly(IniStore& ini, const std::string& settingsFile);

// Start-up step 4: writes HEADER/Last Launch, then reads FORM1, OPTIONS, PRINT, SEARCH
// and COLOURS in that order. The FORM1 width and height defaults depend on the screen
// size (a size of 0 or less counts as unknown). Every value is filled even when the
// Last Launch write fails; the result then is false with the reason.
bool readStartupSettings(IniStore& ini, Settings& settings, int screenWidth, int screenHeight,
                         const Clock& clock, std::string* error = nullptr);

// The save points. Each returns false with a reason when the file cannot be written.
bool saveOnExit(IniStore& ini, const Settings& settings, bool mainWindowNormal, std::string* error = nullptr);
bool saveOptions(IniStore& ini, const Settings& settings, std::string* error = nullptr);
bool savePreferences(IniStore& ini, const Settings& settings, std::string* error = nullptr);

// A secondary window's FORMn keys ("FORM2" ... "FORM10"). Reads fill the defaults
// given; writes happen only when the window is in the normal state.
Geometry readWindowGeometry(IniStore& ini, const Settings& settings, const std::string& section,
                            const Geometry& defaults, bool withSize);
bool writeWindowGeometry(IniStore& ini, const Settings& settings, const std::string& section,
                         const WindowState& state, bool withSize, std::string* error = nullptr);

// The HEADER date-time text ("dd/mm/yyyy hh:mm:ss").
std::string dateTimeText(const DateTime& when);

// The item to select in a drop-down box of `itemCount` items for a saved SEARCH index:
// a stored -1 (or any negative value) and an index at or beyond the end give 0; an
// empty box gives -1 (no selection).
int savedSearchIndex(int stored, int itemCount);

// The main window's layout on the two monitor widths it knows (1920 and 2736 pixels);
// it replaces the FORM1 values read at start-up for that run.
struct ScreenLayout {
    Geometry mainWindow;
    int lb2 = 0, lb3 = 0, lb5 = 0, lb6 = 0; // ListBox2, ListBox3, ListBox5, ListBox6 widths
    int label4Left = 0, label5Left = 0;
    int form3Width = 0, form3Height = 0;    // the preferences window
};
// nullopt for every other width.
std::optional<ScreenLayout> screenLayoutFor(int monitorWidth);
// Takes the layout's main-window geometry and list widths into the settings, so that
// the next Exit saves them.
void applyScreenLayout(const ScreenLayout& layout, Settings& settings);

} // namespace velmora
