#pragma once
// The settings held in memory for the whole run, the settings file's location, and
// the save points. The file itself is reached through IniStore (settings/IniFile.h).

#include <array>
#include <cstdint>
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

// Start-up steps 1 and 2: the program directory from the current directory, the write
// test (HEADER/Last Access), and on failure the per-user fallback directory (created).
SettingsLocation resolveSettingsLocation(const std::string& currentDir, IniStore& ini, FileSystem& files,
                                         const Clock& clock);

// The per-user fallback directory, with its trailing separator.
std::string fallbackDirectory();

// Start-up step 3: OPTIONS/Options alone.
std::string readOptionsOnly(IniStore& ini, const std::string& settingsFile);

// Start-up step 4: writes HEADER/Last Launch and reads everything else, in the spec's
// order. The FORM1 width and height defaults depend on the screen size.
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

} // namespace velmora
