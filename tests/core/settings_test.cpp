// The settings kept in Velmora.INI: location and fallback, start-up reads, the save
// points, and the values the windows take from them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core_fakes.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

using namespace velmora;

namespace {

using velmora::testing::FixedClock;
using velmora::testing::MemoryFileSystem;

// The time every test runs at.
const DateTime kNow{2024, 3, 7, 9, 5, 1};

// Sets an environment variable for one test and restores it afterwards.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) setenv(name, value, 1);
        else unsetenv(name);
    }
    ~EnvVar() {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

const std::string kDir = "/home/user/f1/";
const std::string kFile = kDir + "Velmora.INI";

struct Fixture {
    MemoryFileSystem files;
    IniFileStore ini{files};
    FixedClock clock{kNow};
    Settings settings;

    Fixture() {
        settings.programDir = kDir;
        settings.settingsFile = kFile;
    }
    bool startup(int screenWidth = 1920, int screenHeight = 1080) {
        return readStartupSettings(ini, settings, screenWidth, screenHeight, clock);
    }
};

} // namespace

TEST(Settings, FirstRunTakesTheDefaultsAndWritesOnlyTheHeader) {
    Fixture f;
    SettingsLocation loc = resolveSettingsLocation("/home/user/f1", f.ini, f.files, f.clock);
    EXPECT_EQ(loc.programDir, kDir);
    EXPECT_EQ(loc.settingsFile, kFile);
    EXPECT_FALSE(loc.usingFallback);
    EXPECT_EQ(readOptionsOnly(f.ini, loc.settingsFile), std::string(37, '1'));
    ASSERT_TRUE(f.startup());

    const Settings& s = f.settings;
    EXPECT_EQ(s.options, std::string(37, '1'));
    EXPECT_TRUE(s.option(21));  // splash shown
    EXPECT_TRUE(s.option(17));  // plain black on white
    EXPECT_TRUE(s.option(15));  // Courier New
    EXPECT_TRUE(s.option(16));  // small tool buttons
    EXPECT_TRUE(s.allowHyperlink);
    EXPECT_EQ(s.printLines, 200);
    EXPECT_EQ(s.search, (std::array<int, 6>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(s.colours, (std::array<std::uint32_t, 7>{13631487u, 14540253u, 14540253u, 14540253u, 14540253u,
                                                       14540253u, 14540253u}));
    EXPECT_EQ(s.form1.left, 8);
    EXPECT_EQ(s.form1.top, 8);
    EXPECT_EQ(s.form1.width, 1370);
    EXPECT_EQ(s.form1.height, 861);
    EXPECT_EQ((std::array<int, 4>{s.lb2, s.lb3, s.lb5, s.lb6}), (std::array<int, 4>{420, 293, 400, 400}));

    EXPECT_EQ(f.files.files[kFile], "[HEADER]\r\nLast Access=07/03/2024 09:05:01\r\nLast Launch=07/03/2024 09:05:01\r\n");
}

TEST(Settings, MainWindowSizeDefaultsFollowASmallScreen) {
    struct Case {
        int screenW, screenH, width, height;
    } cases[] = {{1920, 1080, 1370, 861}, {1370, 861, 1370, 861}, {1280, 800, 1264, 784},
                 {1366, 768, 1350, 752},  {0, 0, 1370, 861}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.screenW) + "x" + std::to_string(c.screenH));
        Fixture f;
        ASSERT_TRUE(f.startup(c.screenW, c.screenH));
        EXPECT_EQ(f.settings.form1.width, c.width);
        EXPECT_EQ(f.settings.form1.height, c.height);
    }
    // A stored size wins over the screen rule.
    Fixture f;
    f.files.files[kFile] = "[FORM1]\r\nWidth=1000\r\nHeight=700\r\n";
    ASSERT_TRUE(f.startup(800, 600));
    EXPECT_EQ(f.settings.form1.width, 1000);
    EXPECT_EQ(f.settings.form1.height, 700);
}

TEST(Settings, ProgramDirectoryGetsOneTrailingSeparator) {
    struct Case {
        const char* current;
        bool windows;
        const char* dir;
    } cases[] = {
        {"C:\\", true, "C:\\"},           {"C:", true, "C:"},
        {"C:\\Data", true, "C:\\Data\\"}, {"\\\\server\\share", true, "\\\\server\\share\\"},
        {"/home/user", false, "/home/user/"}, {"/", false, "/"},
        {"/home/user/", false, "/home/user/"}, {"", false, "./"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.current);
        EXPECT_EQ(programDirectoryFor(c.current, c.windows), c.dir);
    }
    EXPECT_EQ(programDirectoryFor("C:\\", true) + kSettingsFileName, "C:\\Velmora.INI");
    EXPECT_EQ(programDirectoryFor("C:\\Data", true) + kSettingsFileName, "C:\\Data\\Velmora.INI");
}

TEST(Settings, ReadOnlyProgramDirectoryFallsBackToTheUsersDataDirectory) {
    EnvVar xdg("XDG_DATA_HOME", "/home/user/.data");
    Fixture f;
    f.files.readOnlyDirs.insert("/opt/velmora/");
    SettingsLocation loc = resolveSettingsLocation("/opt/velmora", f.ini, f.files, f.clock);
    EXPECT_TRUE(loc.usingFallback);
    EXPECT_EQ(loc.programDir, "/home/user/.data/Velmora/");
    EXPECT_EQ(loc.settingsFile, "/home/user/.data/Velmora/Velmora.INI");
    EXPECT_EQ(f.files.createdDirs, std::vector<std::string>{"/home/user/.data/Velmora"});
    EXPECT_TRUE(f.files.files.empty()); // the write test is not repeated in the fallback

    // Start-up then writes Last Launch there, but the fallback file has no Last Access.
    f.settings.settingsFile = loc.settingsFile;
    ASSERT_TRUE(f.startup());
    EXPECT_EQ(f.files.files[loc.settingsFile], "[HEADER]\r\nLast Launch=07/03/2024 09:05:01\r\n");
}

TEST(Settings, FallbackDirectoryIsPerUser) {
    {
        EnvVar xdg("XDG_DATA_HOME", "/srv/me/data/");
        EXPECT_EQ(fallbackDirectory(), "/srv/me/data/Velmora/");
    }
    {
        EnvVar xdg("XDG_DATA_HOME", "relative/path"); // not absolute: ignored
        EnvVar home("HOME", "/home/someone");
        EXPECT_EQ(fallbackDirectory(), "/home/someone/.local/share/Velmora/");
    }
    {
        EnvVar xdg("XDG_DATA_HOME", nullptr);
        EnvVar home("HOME", "/home/someone/");
        EXPECT_EQ(fallbackDirectory(), "/home/someone/.local/share/Velmora/");
    }
}

TEST(Settings, EveryKeySurvivesExitAndTheNextStartup) {
    Fixture f;
    Settings& s = f.settings;
    s.options = "1010101010101010101010101010101010101";
    s.allowHyperlink = false;
    s.printLines = 10;
    s.search = {3, -1, 7, 0, 12, 68};
    s.colours = {1u, 2u, 255u, 65280u, 16711680u, 16777215u, 0u};
    s.form1 = {-4, 30, 1500, 900};
    s.lb2 = 500;
    s.lb3 = 301;
    s.lb5 = 410;
    s.lb6 = 420;
    ASSERT_TRUE(saveOnExit(f.ini, s, true));

    Fixture g;
    g.files = f.files;
    ASSERT_TRUE(g.startup());
    const Settings& r = g.settings;
    EXPECT_EQ(r.options, s.options);
    EXPECT_EQ(r.allowHyperlink, false);
    EXPECT_EQ(r.printLines, 10);
    EXPECT_EQ(r.search, s.search);
    EXPECT_EQ(r.colours, s.colours);
    EXPECT_EQ((std::array<int, 4>{r.form1.left, r.form1.top, r.form1.width, r.form1.height}),
              (std::array<int, 4>{-4, 30, 1500, 900}));
    EXPECT_EQ((std::array<int, 4>{r.lb2, r.lb3, r.lb5, r.lb6}), (std::array<int, 4>{500, 301, 410, 420}));

    // The secondary windows keep their own sections.
    struct Win {
        const char* section;
        bool withSize;
        Geometry defaults;
    } wins[] = {{"FORM2", false, {8, 8, 0, 0}},     {"FORM3", true, {8, 8, 0, 0}},
                {"FORM4", true, {8, 8, 540, 320}},  {"FORM6", true, {8, 8, 860, 400}},
                {"FORM7", true, {8, 8, 860, 400}},  {"FORM8", true, {8, 8, 860, 400}},
                {"FORM9", true, {8, 8, 540, 320}},  {"FORM10", false, {8, 8, 0, 0}}};
    int n = 0;
    for (const auto& w : wins) {
        SCOPED_TRACE(w.section);
        Geometry first = readWindowGeometry(g.ini, r, w.section, w.defaults, w.withSize);
        EXPECT_EQ((std::array<int, 4>{first.left, first.top, first.width, first.height}),
                  (std::array<int, 4>{w.defaults.left, w.defaults.top, w.defaults.width, w.defaults.height}));
        ++n;
        WindowState state{{100 + n, 200 + n, 300 + n, 400 + n}, true};
        ASSERT_TRUE(writeWindowGeometry(g.ini, r, w.section, state, w.withSize));
        // Minimised or maximised at the close: the saved place stays.
        ASSERT_TRUE(writeWindowGeometry(g.ini, r, w.section, {{1, 1, 1, 1}, false}, w.withSize));
        Geometry back = readWindowGeometry(g.ini, r, w.section, w.defaults, w.withSize);
        EXPECT_EQ(back.left, 100 + n);
        EXPECT_EQ(back.top, 200 + n);
        EXPECT_EQ(back.width, w.withSize ? 300 + n : w.defaults.width);
        EXPECT_EQ(back.height, w.withSize ? 400 + n : w.defaults.height);
    }
}

TEST(Settings, ExitWritesItsGroupsInOrder) {
    Fixture f;
    resolveSettingsLocation("/home/user/f1", f.ini, f.files, f.clock);
    ASSERT_TRUE(f.startup());
    ASSERT_TRUE(saveOnExit(f.ini, f.settings, true));
    EXPECT_EQ(f.files.files[kFile],
              "[HEADER]\r\n"
              "Last Access=07/03/2024 09:05:01\r\n"
              "Last Launch=07/03/2024 09:05:01\r\n"
              "\r\n"
              "[FORM1]\r\nLeft=8\r\nTop=8\r\nWidth=1370\r\nHeight=861\r\nLB2=420\r\nLB3=293\r\nLB5=400\r\nLB6=400\r\n"
              "\r\n"
              "[OPTIONS]\r\nAllow Hyperlink=1\r\nOptions=1111111111111111111111111111111111111\r\n"
              "\r\n"
              "[PRINT]\r\nLines=200\r\n"
              "\r\n"
              "[SEARCH]\r\nDriver=0\r\nTeam=0\r\nEngine=0\r\nCircuit=0\r\nVenue=0\r\nSeason=0\r\n"
              "\r\n"
              "[COLOURS]\r\nResults=13631487\r\nDriver Wins=14540253\r\nTeam Wins=14540253\r\n"
              "Engine Wins=14540253\r\nDriver Champs=14540253\r\nTeam Champs=14540253\r\nEngine Champs=14540253\r\n");
}

TEST(Settings, WindowsFileIsReadAndWrittenBackAsRead) {
    Fixture f;
    const std::string old =
        "[HEADER]\r\nLast Access=12/01/2019 20:41:09\r\nLast Launch=12/01/2019 20:41:10\r\n"
        "[OPTIONS]\r\nOptions=1111111111111111011101111111111111111\r\nAllow Hyperlink=0\r\n"
        "[PRINT]\r\nLines=10\r\n"
        "[SEARCH]\r\nDriver=-1\r\nTeam=4\r\nEngine=2\r\nCircuit=11\r\nVenue=9\r\nSeason=67\r\n"
        "[COLOURS]\r\nResults=8454143\r\nDriver Wins=16777215\r\nTeam Wins=12632256\r\nEngine Wins=14540253\r\n"
        "Driver Champs=14540253\r\nTeam Champs=14540253\r\nEngine Champs=-16777201\r\n"
        "[FORM1]\r\nLeft=0\r\nTop=0\r\nWidth=1374\r\nHeight=861\r\nLB2=420\r\nLB3=293\r\nLB5=400\r\nLB6=400\r\n"
        "[FORM4]\r\nLeft=240\r\nTop=180\r\nWidth=540\r\nHeight=320\r\n"
        "[Extra]\r\nmine=kept\r\n";
    f.files.files[kFile] = old;
    ASSERT_TRUE(f.startup());
    const Settings& s = f.settings;
    EXPECT_FALSE(s.option(17)); // coloured
    EXPECT_FALSE(s.option(21)); // no splash
    EXPECT_FALSE(s.allowHyperlink);
    EXPECT_EQ(s.printLines, 10);
    EXPECT_EQ(s.search, (std::array<int, 6>{-1, 4, 2, 11, 9, 67}));
    EXPECT_EQ(s.colour(Colour::Results), 8454143u);
    EXPECT_EQ(s.colour(Colour::TeamWins), 12632256u);
    EXPECT_EQ(s.colour(Colour::EngineChamps), 14540253u); // a Windows system colour is no 24-bit colour
    EXPECT_EQ(s.form1.width, 1374);

    ASSERT_TRUE(saveOnExit(f.ini, s, true));
    const std::string& now = f.files.files[kFile];
    for (const char* line : {"\r\nAllow Hyperlink=0\r\n", "[PRINT]\r\nLines=10\r\n", "\r\nDriver=-1\r\n",
                             "[FORM4]\r\nLeft=240\r\nTop=180\r\nWidth=540\r\nHeight=320\r\n",
                             "[Extra]\r\nmine=kept\r\n", "Last Access=12/01/2019 20:41:09\r\n"})
        EXPECT_NE(now.find(line), std::string::npos) << line;
}

TEST(Settings, StartupReadsInItsFixedOrder) {
    // Records every access, so the order of the start-up read can be checked.
    class RecordingStore : public IniStore {
    public:
        std::vector<std::string> calls;
        bool open(const std::string&, std::string*) override {
            calls.push_back("open");
            return true;
        }
        bool lookup(const std::string& section, const std::string& key, std::string&) const override {
            const_cast<RecordingStore*>(this)->calls.push_back("R " + section + "/" + key);
            return false;
        }
        void writeString(const std::string& section, const std::string& key, const std::string&) override {
            calls.push_back("W " + section + "/" + key);
        }
        bool close(std::string*) override {
            calls.push_back("close");
            return true;
        }
    } store;
    Settings s;
    FixedClock clock{kNow};
    ASSERT_TRUE(readStartupSettings(store, s, 1920, 1080, clock));
    const std::vector<std::string> expected{
        "open",
        "W HEADER/Last Launch",
        "R FORM1/Left", "R FORM1/Top", "R FORM1/Width", "R FORM1/Height",
        "R FORM1/LB2", "R FORM1/LB3", "R FORM1/LB5", "R FORM1/LB6",
        "R OPTIONS/Allow Hyperlink", "R OPTIONS/Options", "R PRINT/Lines",
        "R SEARCH/Driver", "R SEARCH/Team", "R SEARCH/Engine", "R SEARCH/Circuit", "R SEARCH/Venue",
        "R SEARCH/Season",
        "R COLOURS/Results", "R COLOURS/Driver Wins", "R COLOURS/Team Wins", "R COLOURS/Engine Wins",
        "R COLOURS/Driver Champs", "R COLOURS/Team Champs", "R COLOURS/Engine Champs",
        "close"};
    EXPECT_EQ(store.calls, expected);
}

TEST(Settings, ExitWithTheWindowMaximisedKeepsItsPlace) {
    Fixture f;
    f.files.files[kFile] = "[FORM1]\r\nLeft=20\r\nTop=30\r\nWidth=1200\r\nHeight=800\r\nLB2=420\r\n";
    ASSERT_TRUE(f.startup());
    f.settings.form1 = {0, 0, 1920, 1040}; // the maximised window
    f.settings.lb2 = 430;
    f.settings.lb3 = 300;
    f.settings.lb5 = 410;
    f.settings.lb6 = 405;
    ASSERT_TRUE(saveOnExit(f.ini, f.settings, /*mainWindowNormal=*/false));

    Fixture g;
    g.files = f.files;
    ASSERT_TRUE(g.startup());
    EXPECT_EQ((std::array<int, 4>{g.settings.form1.left, g.settings.form1.top, g.settings.form1.width,
                                  g.settings.form1.height}),
              (std::array<int, 4>{20, 30, 1200, 800}));
    EXPECT_EQ((std::array<int, 4>{g.settings.lb2, g.settings.lb3, g.settings.lb5, g.settings.lb6}),
              (std::array<int, 4>{430, 300, 410, 405}));
}

TEST(Settings, FailedSaveIsReportedAndTheOldFileStaysWhole) {
    Fixture f;
    const std::string old = "[OPTIONS]\r\nOptions=0000000000000000000000000000000000000\r\n";
    f.files.files[kFile] = old;
    f.files.readOnlyDirs.insert(kDir);
    f.settings.options = std::string(37, '1');

    using Save = bool (*)(IniStore&, const Settings&, std::string*);
    const std::pair<const char*, Save> saves[] = {
        {"exit", [](IniStore& i, const Settings& s, std::string* e) { return saveOnExit(i, s, true, e); }},
        {"options", saveOptions},
        {"preferences", savePreferences},
        {"window", [](IniStore& i, const Settings& s, std::string* e) {
             return writeWindowGeometry(i, s, "FORM2", {{1, 2, 3, 4}, true}, false, e);
         }},
        {"start-up", [](IniStore& i, const Settings& s, std::string* e) {
             Settings copy = s;
             return readStartupSettings(i, copy, 1920, 1080, FixedClock{kNow}, e);
         }},
    };
    for (const auto& [name, save] : saves) {
        SCOPED_TRACE(name);
        std::string error;
        EXPECT_FALSE(save(f.ini, f.settings, &error));
        EXPECT_NE(error.find("permission denied"), std::string::npos) << error;
        EXPECT_EQ(f.files.files[kFile], old);
    }
}

TEST(Settings, SaveOptionsAndPreferencesWriteOnlyTheirKeys) {
    Fixture f;
    f.files.files[kFile] = "[PRINT]\r\nLines=50\r\n";
    f.settings.options = std::string(37, '0');
    f.settings.printLines = 999;
    f.settings.colours[6] = 42;
    ASSERT_TRUE(saveOptions(f.ini, f.settings));
    EXPECT_EQ(f.files.files[kFile], "[PRINT]\r\nLines=50\r\n\r\n[OPTIONS]\r\nOptions=" + std::string(37, '0') + "\r\n");
    ASSERT_TRUE(savePreferences(f.ini, f.settings));
    const std::string& text = f.files.files[kFile];
    EXPECT_NE(text.find("[COLOURS]\r\nResults=13631487\r\n"), std::string::npos);
    EXPECT_NE(text.find("Engine Champs=42\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Lines=999"), std::string::npos);
}

TEST(Settings, StoredOptionsStringIsRepaired) {
    const std::string ones(37, '1');
    struct Case {
        std::string stored, repaired;
    } cases[] = {
        {ones, ones},
        {"", ones},
        {"0", "0" + ones.substr(1)},
        {std::string(20, '0'), std::string(20, '0') + std::string(17, '1')},
        {"0x0 0?1", "010" "1" "0" "1" "1" + ones.substr(7)},
        {std::string(40, '0'), std::string(37, '0')},
        {"\xC3\xA9" + std::string(35, '0'), "11" + std::string(35, '0')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(repairOptions(c.stored), c.repaired);
    }
    // A short value in the file reaches the program whole, position 21 included.
    Fixture f;
    f.files.files[kFile] = "[OPTIONS]\r\nOptions=1111111111111111\r\n";
    EXPECT_EQ(readOptionsOnly(f.ini, kFile), ones);
    ASSERT_TRUE(f.startup());
    EXPECT_TRUE(f.settings.option(21));
    EXPECT_FALSE(f.settings.option(0));
    EXPECT_FALSE(f.settings.option(38));
}

TEST(Settings, OptionPositionsAreSetInPlace) {
    Settings s;
    s.setOption(17, false);
    s.setOption(1, false);
    s.setOption(37, false);
    s.setOption(38, false); // out of range: ignored
    s.setOption(0, false);
    EXPECT_EQ(s.options, "0111111111111111011111111111111111110");
    EXPECT_FALSE(s.option(17));
    EXPECT_TRUE(s.option(16));
}

TEST(Settings, SavedSearchIndexSelectsAnItemOfTheBox) {
    struct Case {
        int stored, count, index;
    } cases[] = {{0, 10, 0}, {9, 10, 9}, {-1, 10, 0}, {-7, 10, 0}, {10, 10, 0}, {250, 10, 0}, {0, 0, -1}, {-1, 0, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.stored) + " of " + std::to_string(c.count));
        EXPECT_EQ(savedSearchIndex(c.stored, c.count), c.index);
    }
}

TEST(Settings, KnownScreenWidthsHaveTheirOwnLayout) {
    auto hd = screenLayoutFor(1920);
    ASSERT_TRUE(hd);
    EXPECT_EQ((std::array<int, 4>{hd->mainWindow.left, hd->mainWindow.top, hd->mainWindow.width, hd->mainWindow.height}),
              (std::array<int, 4>{8, 8, 1374, 861}));
    EXPECT_EQ((std::array<int, 8>{hd->lb2, hd->lb3, hd->lb5, hd->lb6, hd->label4Left, hd->label5Left, hd->form3Width,
                                  hd->form3Height}),
              (std::array<int, 8>{420, 293, 400, 400, 244, 644, 641, 844}));
    auto big = screenLayoutFor(2736);
    ASSERT_TRUE(big);
    EXPECT_EQ((std::array<int, 4>{big->mainWindow.left, big->mainWindow.top, big->mainWindow.width,
                                  big->mainWindow.height}),
              (std::array<int, 4>{8, 8, 2723, 1696}));
    EXPECT_EQ((std::array<int, 8>{big->lb2, big->lb3, big->lb5, big->lb6, big->label4Left, big->label5Left,
                                  big->form3Width, big->form3Height}),
              (std::array<int, 8>{840, 586, 800, 800, 484, 1285, 1310, 1710}));
    for (int other : {0, 1366, 1919, 1921, 2560, 3840}) EXPECT_FALSE(screenLayoutFor(other)) << other;

    // The layout replaces what was read, so the next Exit saves it.
    Settings s;
    s.form1 = {100, 100, 500, 500};
    s.lb2 = 1;
    applyScreenLayout(*big, s);
    EXPECT_EQ(s.form1.width, 2723);
    EXPECT_EQ(s.lb2, 840);
    EXPECT_EQ(s.lb6, 800);
}

TEST(Settings, DateTimeText) {
    EXPECT_EQ(dateTimeText({2024, 3, 7, 9, 5, 1}), "07/03/2024 09:05:01");
    EXPECT_EQ(dateTimeText({1999, 12, 31, 23, 59, 59}), "31/12/1999 23:59:59");
}
