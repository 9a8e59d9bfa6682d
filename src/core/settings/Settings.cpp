#include "settings/Settings.h"

#include <cstdio>
#include <cstdlib>

#include "settings/IniFile.h"

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace velmora {

namespace {

constexpr const char* kHeader = "HEADER";
constexpr const char* kOptions = "OPTIONS";
constexpr const char* kPrint = "PRINT";
constexpr const char* kSearch = "SEARCH";
constexpr const char* kColours = "COLOURS";
constexpr const char* kForm1 = "FORM1";

constexpr std::array<const char*, kSearchBoxCount> kSearchKeys{"Driver", "Team", "Engine",
                                                               "Circuit", "Venue", "Season"};
constexpr std::array<const char*, kColourCount> kColourKeys{"Results",       "Driver Wins", "Team Wins",
                                                            "Engine Wins",   "Driver Champs",
                                                            "Team Champs",   "Engine Champs"};

constexpr int kDefaultWidth = 1370;
constexpr int kDefaultHeight = 861;
constexpr std::uint32_t kMaxColour = 0xFFFFFF;

void writeOptions(IniStore& ini, const Settings& s) { ini.writeString(kOptions, "Options", s.options); }

void writeColours(IniStore& ini, const Settings& s) {
    for (int i = 0; i < kColourCount; ++i) ini.writeInteger(kColours, kColourKeys[i], s.colours[i]);
}

// Ends a group of writes, passing on the reason when it fails.
bool finish(IniStore& ini, std::string* error) {
    std::string reason;
    if (ini.close(&reason)) return true;
    if (error) *error = reason;
    return false;
}

std::string withoutTrailingSeparator(std::string dir) {
    while (dir.size() > 1 && (dir.back() == '/' || dir.back() == '\\')) dir.pop_back();
    return dir;
}

} // namespace

bool Settings::option(int position) const {
    if (position < 1 || position > static_cast<int>(options.size())) return false;
    return options[static_cast<size_t>(position - 1)] == '1';
}

void Settings::setOption(int position, bool on) {
    if (position < 1 || position > kOptionsLength) return;
    if (options.size() < static_cast<size_t>(kOptionsLength)) options = repairOptions(options);
    options[static_cast<size_t>(position - 1)] = on ? '1' : '0';
}

std::string repairOptions(const std::string& stored) {
    std::string options(Settings::kOptionsLength, '1');
    for (size_t i = 0; i < options.size() && i < stored.size(); ++i)
        if (stored[i] == '0' || stored[i] == '1') options[i] = stored[i];
    return options;
}

std::string programDirectoryFor(const std::string& currentDir, bool windowsRules) {
    if (windowsRules) {
        if (currentDir.empty()) return ".\\";
        char last = currentDir.back();
        return (last == '\\' || last == ':') ? currentDir : currentDir + '\\';
    }
    if (currentDir.empty()) return "./";
    return currentDir.back() == '/' ? currentDir : currentDir + '/';
}

std::string fallbackDirectory() {
#ifdef _WIN32
    return "c:\\Temp\\Tavrix\\Velmora\\";
#else
    // The per-user data directory; never a directory shared with other users.
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return withoutTrailingSeparator(xdg) + "/Velmora/";
    std::string home;
    if (const char* h = std::getenv("HOME"); h && h[0] == '/') {
        home = h;
    } else if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/') {
        home = pw->pw_dir;
    }
    if (home.empty()) return {};
    return withoutTrailingSeparator(home) + "/.local/share/Velmora/";
#endif
}

SettingsLocation resolveSettingsLocation(const std::string& currentDir, IniStore& ini, FileSystem& files,
                                         const Clock& clock) {
    SettingsLocation location;
    location.programDir = programDirectoryFor(currentDir);
    location.settingsFile = location.programDir + kSettingsFileName;

    // The write test. A file that cannot be read also fails it, as close() then refuses
    // to replace the file.
    ini.open(location.settingsFile);
    ini.writeString(kHeader, "Last Access", dateTimeText(clock.now()));
    if (ini.close()) return location;

    location.programDir = fallbackDirectory();
    location.settingsFile = location.programDir + kSettingsFileName;
    location.usingFallback = true;
    if (!location.programDir.empty()) files.createDirectories(withoutTrailingSeparator(location.programDir));
    return location;
}

std::string readOptionsOnly(IniStore& ini, const std::string& settingsFile) {
    ini.open(settingsFile);
    std::string stored = ini.readString(kOptions, "Options", std::string(Settings::kOptionsLength, '1'));
    ini.close();
    return repairOptions(stored);
}

bool readStartupSettings(IniStore& ini, Settings& settings, int screenWidth, int screenHeight,
                         const Clock& clock, std::string* error) {
    int defaultWidth = kDefaultWidth;
    int defaultHeight = kDefaultHeight;
    if (screenWidth > 0 && screenWidth < kDefaultWidth) defaultWidth = screenWidth - 16;
    if (screenHeight > 0 && screenHeight < kDefaultHeight) defaultHeight = screenHeight - 16;

    ini.open(settings.settingsFile);
    ini.writeString(kHeader, "Last Launch", dateTimeText(clock.now()));

    settings.form1.left = ini.readInteger(kForm1, "Left", 8);
    settings.form1.top = ini.readInteger(kForm1, "Top", 8);
    settings.form1.width = ini.readInteger(kForm1, "Width", defaultWidth);
    settings.form1.height = ini.readInteger(kForm1, "Height", defaultHeight);
    settings.lb2 = ini.readInteger(kForm1, "LB2", 420);
    settings.lb3 = ini.readInteger(kForm1, "LB3", 293);
    settings.lb5 = ini.readInteger(kForm1, "LB5", 400);
    settings.lb6 = ini.readInteger(kForm1, "LB6", 400);

    settings.allowHyperlink = ini.readBool(kOptions, "Allow Hyperlink", true);
    settings.options =
        repairOptions(ini.readString(kOptions, "Options", std::string(Settings::kOptionsLength, '1')));
    settings.printLines = ini.readInteger(kPrint, "Lines", 200);

    for (int i = 0; i < kSearchBoxCount; ++i) settings.search[i] = ini.readInteger(kSearch, kSearchKeys[i], 0);

    const Settings defaults;
    for (int i = 0; i < kColourCount; ++i) {
        const int def = static_cast<int>(defaults.colours[i]);
        const int value = ini.readInteger(kColours, kColourKeys[i], def);
        // A colour is a 24-bit value; anything else is not one the program wrote.
        settings.colours[i] = (value < 0 || static_cast<std::uint32_t>(value) > kMaxColour)
                                  ? defaults.colours[i]
                                  : static_cast<std::uint32_t>(value);
    }
    return finish(ini, error);
}

bool saveOnExit(IniStore& ini, const Settings& settings, bool mainWindowNormal, std::string* error) {
    ini.open(settings.settingsFile);
    if (mainWindowNormal) {
        ini.writeInteger(kForm1, "Left", settings.form1.left);
        ini.writeInteger(kForm1, "Top", settings.form1.top);
        ini.writeInteger(kForm1, "Width", settings.form1.width);
        ini.writeInteger(kForm1, "Height", settings.form1.height);
    }
    ini.writeInteger(kForm1, "LB2", settings.lb2);
    ini.writeInteger(kForm1, "LB3", settings.lb3);
    ini.writeInteger(kForm1, "LB5", settings.lb5);
    ini.writeInteger(kForm1, "LB6", settings.lb6);
    ini.writeBool(kOptions, "Allow Hyperlink", settings.allowHyperlink);
    writeOptions(ini, settings);
    ini.writeInteger(kPrint, "Lines", settings.printLines);
    for (int i = 0; i < kSearchBoxCount; ++i) ini.writeInteger(kSearch, kSearchKeys[i], settings.search[i]);
    writeColours(ini, settings);
    return finish(ini, error);
}

bool saveOptions(IniStore& ini, const Settings& settings, std::string* error) {
    ini.open(settings.settingsFile);
    writeOptions(ini, settings);
    return finish(ini, error);
}

bool savePreferences(IniStore& ini, const Settings& settings, std::string* error) {
    ini.open(settings.settingsFile);
    writeOptions(ini, settings);
    writeColours(ini, settings);
    return finish(ini, error);
}

Geometry readWindowGeometry(IniStore& ini, const Settings& settings, const std::string& section,
                            const Geometry& defaults, bool withSize) {
    Geometry g = defaults;
    ini.open(settings.settingsFile);
    g.left = ini.readInteger(section, "Left", defaults.left);
    g.top = ini.readInteger(section, "Top", defaults.top);
    if (withSize) {
        g.width = ini.readInteger(section, "Width", defaults.width);
        g.height = ini.readInteger(section, "Height", defaults.height);
    }
    ini.close();
    return g;
}

bool writeWindowGeometry(IniStore& ini, const Settings& settings, const std::string& section,
                         const WindowState& state, bool withSize, std::string* error) {
    if (!state.normal) return true; // a minimised or maximised window keeps its saved place
    ini.open(settings.settingsFile);
    ini.writeInteger(section, "Left", state.geometry.left);
    ini.writeInteger(section, "Top", state.geometry.top);
    if (withSize) {
        ini.writeInteger(section, "Width", state.geometry.width);
        ini.writeInteger(section, "Height", state.geometry.height);
    }
    return finish(ini, error);
}

std::string dateTimeText(const DateTime& when) {
    char text[64];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", when.day, when.month, when.year, when.hour,
                  when.minute, when.second);
    return text;
}

int savedSearchIndex(int stored, int itemCount) {
    if (itemCount <= 0) return -1;
    if (stored < 0 || stored >= itemCount) return 0;
    return stored;
}

std::optional<ScreenLayout> screenLayoutFor(int monitorWidth) {
    if (monitorWidth == 1920) return ScreenLayout{{8, 8, 1374, 861}, 420, 293, 400, 400, 244, 644, 641, 844};
    if (monitorWidth == 2736) return ScreenLayout{{8, 8, 2723, 1696}, 840, 586, 800, 800, 484, 1285, 1310, 1710};
    return std::nullopt;
}

void applyScreenLayout(const ScreenLayout& layout, Settings& settings) {
    settings.form1 = layout.mainWindow;
    settings.lb2 = layout.lb2;
    settings.lb3 = layout.lb3;
    settings.lb5 = layout.lb5;
    settings.lb6 = layout.lb6;
}

} // namespace velmora
