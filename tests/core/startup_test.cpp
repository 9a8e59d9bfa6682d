// Start-up as a whole: progress, settings location, update merge, integrity checks,
// derived lists, statistics, export files and the opening text.
#include <gtest/gtest.h>

#include "data/RaceDataUnit.h"
#include "data/Startup.h"
#include "data/TextFile.h"
#include "startup_fixture.h"

using namespace velmora;
using namespace velmora::testing;

namespace {

const std::string kDir = "/data/velmora/";

class RecordingProgress : public StartupProgress {
public:
    std::vector<std::pair<std::string, int>> steps;
    bool tick = false;
    bool visible = false;
    void begin(bool v) override { visible = v; }
    void status(const std::string& text, int percent) override { steps.emplace_back(text, percent); }
    bool doNotShowAgain() override { return tick; }
};

struct StartupRun {
    MemoryFileSystem files;
    RecordingMessages messages;
    FixedClock clock;
    RecordingProgress progress;
    StartupResult result;

    void start() { result = startInMemory(files, messages, clock, "/data/velmora", &progress); }
    const Database& db() const { return *result.db; }
};

// The first `races` race lines of the shipped 2018-2025 update file as a file of their own.
std::string updateWithRaces(size_t races, bool withSeparators = true) {
    auto lines = splitLines(readSourceFile("tools/comments/update-2018-2025-nocomments.txt"));
    std::vector<std::string> out(lines.begin(), lines.begin() + static_cast<long>(races));
    if (withSeparators) {
        out.push_back("***");
        out.push_back("+++");
    }
    return joinLinesCrlf(out);
}

} // namespace

TEST(Startup, EmbeddedDataAloneGivesTheBuiltInFigures) {
    StartupRun run;
    run.start();
    ASSERT_TRUE(run.result.ok);
    const Database& db = run.db();
    EXPECT_EQ(db.RaceList.size(), 976u);
    EXPECT_EQ(db.CommentList.size(), 976u);
    EXPECT_EQ(db.DriverChampList.size(), 68u);
    EXPECT_EQ(db.TeamChampList.size(), 60u);
    EXPECT_FALSE(db.updateMerged);
    EXPECT_EQ(db.FirstSeason, 1950);
    EXPECT_EQ(db.LastSeason, 2017);
    EXPECT_EQ(db.RaceCount, 976);
    EXPECT_EQ(db.SeasonList.size(), 68u);
    EXPECT_EQ(db.DriverList.size(), 208u);
    EXPECT_EQ(db.TeamList.size(), 75u);
    EXPECT_EQ(db.EngineList.size(), 36u);
    EXPECT_EQ(db.CircuitList.size(), 75u);
    EXPECT_EQ(db.VenueList.size(), 39u);
    EXPECT_EQ(db.firstButtonCaption, "First - 1950");
    EXPECT_EQ(db.lastButtonCaption, "Last - 2017");
    EXPECT_EQ(db.LongestRace, 11);
    EXPECT_EQ(db.ShortestRace, 516);
    EXPECT_EQ(db.FastestRace, 711);
    EXPECT_EQ(db.SlowestRace, 846);
    EXPECT_EQ(db.YoungestWinnerRace, 940);
    EXPECT_EQ(db.OldestWinnerRace, 11);
    EXPECT_EQ(db.RaceSeasonTable[1].season, 1950);
    EXPECT_EQ(db.RaceSeasonTable[1].number, 1);
    EXPECT_EQ(db.RaceSeasonTable[976].season, 2017);
    EXPECT_EQ(db.RaceSeasonTable[976].number, 20);
    EXPECT_EQ(db.RaceSeasonTable[833].season, 2010);
    EXPECT_EQ(db.RaceSeasonTable[833].number, 13);
    // European (GER) is met first; European (Ger) is its duplicate.
    EXPECT_GE(db.VenueList.indexOf("European (GER)"), 0);
    EXPECT_EQ(db.VenueList.indexOf("European (Ger)"), -1);
    EXPECT_TRUE(run.messages.shown.empty());
}

TEST(Startup, ProgressFollowsTheStepsWithAndWithoutAnUpdateFile) {
    const std::vector<std::pair<std::string, int>> plain = {
        {"Setting up application...", 0}, {"Arranging Data Lists...", 10}, {"Reading Data...", 20},
        {"Setting up data lists...", 20},  {"Setting up drivers...", 30},  {"Setting up teams...", 40},
        {"Setting up engines...", 50},     {"Doing instructions...", 60},  {"Doing seasons...", 70},
        {"Calculating statistics...", 80}, {"Populating search lists...", 90}};
    StartupRun without;
    without.start();
    EXPECT_EQ(without.progress.steps, plain);
    EXPECT_TRUE(without.progress.visible);

    StartupRun with;
    with.files.files[kDir + "update.txt"] = updateWithRaces(5);
    with.start();
    auto expected = plain;
    expected.insert(expected.begin() + 3, {"Analysing Updater File", 10});
    EXPECT_EQ(with.progress.steps, expected);
}

TEST(Startup, SplashCheckBoxTurnsOffOption21InMemory) {
    StartupRun run;
    run.progress.tick = true;
    run.start();
    ASSERT_TRUE(run.result.ok);
    EXPECT_FALSE(run.result.settings.option(21));
    // Nothing is saved until the next save point: the file holds the header only.
    EXPECT_EQ(run.files.files[kDir + "Velmora.INI"].find("[OPTIONS]"), std::string::npos);
}

TEST(Startup, FiveRacesOf2018AreMergedAfterTheEmbeddedRaces) {
    StartupRun run;
    run.files.files[kDir + "update.txt"] = updateWithRaces(5);
    run.start();
    ASSERT_TRUE(run.result.ok);
    const Database& db = run.db();
    EXPECT_TRUE(db.updateMerged);
    EXPECT_EQ(db.RaceList.size(), 981u);
    EXPECT_EQ(db.CommentList.size(), 981u);
    EXPECT_EQ(db.race(977)[1], "25/03/2018");
    EXPECT_EQ(db.race(977)[20], "Ferrari");
    EXPECT_EQ(db.race(977)[21], "");
    EXPECT_EQ(db.RaceSeasonTable[977].season, 2018);
    EXPECT_EQ(db.RaceSeasonTable[977].number, 1);
    EXPECT_EQ(db.LastSeason, 2018);
    EXPECT_NE(std::find(db.openingText.begin(), db.openingText.end(), "  Years covered : 1950 to 2018"),
              db.openingText.end());
}

TEST(Startup, TheShippedUpdateFileBringsTheDataTo2025) {
    StartupRun run;
    run.files.files[kDir + "update.txt"] = readSourceFile("examples/update-2018-2025.txt");
    run.start();
    ASSERT_TRUE(run.result.ok) << (run.messages.shown.empty() ? "" : run.messages.shown[0].text);
    const Database& db = run.db();
    EXPECT_EQ(db.RaceCount, 1149);
    EXPECT_EQ(db.LastSeason, 2025);
    EXPECT_EQ(db.DriverChampList.size(), 76u);
    EXPECT_EQ(db.TeamChampList.size(), 68u);
    EXPECT_EQ(db.YoungestWinnerRace, 940);
    EXPECT_EQ(db.RaceSeasonTable[1149].season, 2025);
    EXPECT_EQ(db.SeasonList.back(), "2025");
    // The comments of the update file arrive with their races.
    EXPECT_EQ(db.CommentList.size(), 1149u);
}

TEST(Startup, UpdateFilesThatDoNotFollowTheEmbeddedSeasonAreIgnored) {
    struct Case {
        const char* name;
        std::string content;
    };
    std::string race2019 = "03/03/2019|Australia|Melbourne|191.1|A B|||T|E|120|C D|||T|E|E F|||T|E|\r\n***\r\n+++\r\n";
    std::string race2017 = "26/11/2017" + race2019.substr(10);
    std::vector<Case> cases = {
        {"a later season", race2019},
        {"the last embedded season", race2017},
        {"no races at all", "***\r\n+++\r\n"},
        {"a date without leading zeros", "1/3/2018" + race2019.substr(10)},
        {"an empty file", ""},
    };
    for (const auto& c : cases) {
        StartupRun run;
        run.files.files[kDir + "update.txt"] = c.content;
        run.start();
        ASSERT_TRUE(run.result.ok) << c.name;
        EXPECT_EQ(run.db().RaceCount, 976) << c.name;
        EXPECT_FALSE(run.db().updateMerged) << c.name;
        EXPECT_TRUE(run.messages.shown.empty()) << c.name;
        EXPECT_EQ(std::count(run.db().openingText.begin(), run.db().openingText.end(),
                             "        Update file with partial season results included."),
                  0)
            << c.name;
    }
}

TEST(Startup, ChampionshipRecordsMergeByTheirRules) {
    auto lines = splitLines(readSourceFile("tools/comments/update-2018-2025-nocomments.txt"));
    // All races of 2018 and 2019 with both seasons' championship records.
    std::vector<std::string> file;
    for (const auto& l : lines)
        if (l.size() > 10 && (l.substr(6, 4) == "2018" || l.substr(6, 4) == "2019") && l[2] == '/') file.push_back(l);
    std::vector<std::string> drivers, teams;
    bool inTeams = false;
    for (const auto& l : lines) {
        if (l == "+++") inTeams = true;
        if (l.rfind("2018|", 0) == 0 || l.rfind("2019|", 0) == 0) (inTeams ? teams : drivers).push_back(l);
    }
    ASSERT_EQ(drivers.size(), 2u);
    ASSERT_EQ(teams.size(), 2u);
    std::vector<std::string> whole = file;
    whole.push_back("***");
    whole.insert(whole.end(), drivers.begin(), drivers.end());
    whole.push_back("2017|20|Lewis Hamilton|Mercedes-Mercedes|9|363"); // repeats the embedded record
    whole.push_back("+++");
    whole.insert(whole.end(), teams.begin(), teams.end());

    for (bool emptyLastLine : {false, true}) {
        StartupRun run;
        run.files.files[kDir + "update.txt"] = joinLinesCrlf(whole) + (emptyLastLine ? "\r\n" : "");
        run.start();
        ASSERT_TRUE(run.result.ok);
        EXPECT_EQ(run.db().DriverChampList.size(), 70u);
        EXPECT_EQ(run.db().TeamChampList.size(), 62u);
        EXPECT_EQ(run.db().LastSeason, 2019);
    }

    // A drivers' record without its constructors' record stops the program.
    std::vector<std::string> missing = file;
    missing.push_back("***");
    missing.push_back(drivers[0]);
    missing.push_back("+++");
    StartupRun run;
    run.files.files[kDir + "update.txt"] = joinLinesCrlf(missing);
    run.start();
    EXPECT_FALSE(run.result.ok);
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_EQ(run.messages.shown[0].text,
              "Checking data integrity...\n\n\nSystem Error : Missing Driver or Team Championship entry.\n\n\n"
              "Missing or incomplete Data files, cannot continue.");
}

TEST(Startup, UpdateLinesBecomeTwentyFieldRecordsAndAComment) {
    Database db;
    fillEmbeddedTables(db);
    std::string base = "25/03/2018|Australia|Melbourne|191.118|A B|||T|E|128.046|C D|||T|E|E F|||T|E";
    ASSERT_TRUE(mergeUpdateLines(db, {base + "|A comment|ignored", base + "|", base, "***", "+++"}));
    ASSERT_EQ(db.RaceList.size(), 979u);
    for (size_t i = 976; i < 979; ++i) EXPECT_EQ(db.RaceList[i], base);
    EXPECT_EQ(db.CommentList[976], "A comment");
    EXPECT_EQ(db.CommentList[977], "");
    EXPECT_EQ(db.CommentList[978], "");
    // "*** " with a trailing blank is not a separator: it and the "+++" after it
    // stay in the race section.
    Database other;
    fillEmbeddedTables(other);
    ASSERT_TRUE(mergeUpdateLines(other, {base + "|", "*** ", "+++"}));
    EXPECT_EQ(other.RaceList.size(), 979u);
    EXPECT_EQ(other.RaceList[977], "*** |||||||||||||||||||");
}

TEST(Startup, FileWithoutSeparatorsIsReadWithoutRunningPastItsEnd) {
    StartupRun run;
    run.files.files[kDir + "update.txt"] = updateWithRaces(3, false);
    run.start();
    ASSERT_TRUE(run.result.ok);
    EXPECT_EQ(run.db().RaceCount, 979);
}

TEST(Startup, UnreadableUpdateFileWarnsAndGoesOnWithTheBuiltInData) {
    StartupRun run;
    run.files.files[kDir + "update.txt"] = updateWithRaces(3);
    run.files.unreadable.insert(kDir + "update.txt");
    run.start();
    ASSERT_TRUE(run.result.ok);
    EXPECT_EQ(run.db().RaceCount, 976);
    ASSERT_EQ(run.messages.shown.size(), 1u);
    EXPECT_NE(run.messages.shown[0].text.find(kDir + "update.txt"), std::string::npos);
    EXPECT_NE(run.messages.shown[0].text.find("access denied"), std::string::npos);
}

TEST(Startup, UnreadableSeasonsAndGapsAreFatal) {
    std::string tail = "|Australia|Melbourne|191.1|A B|||T|E|120|C D|||T|E|E F|||T|E|";
    {
        StartupRun run;
        run.files.files[kDir + "update.txt"] = "25/03/2018" + tail + "\r\n25/04/20x8" + tail + "\r\n***\r\n+++\r\n";
        run.start();
        EXPECT_FALSE(run.result.ok);
        ASSERT_EQ(run.messages.shown.size(), 1u);
        EXPECT_EQ(run.messages.shown[0].text, "Data error in race result file line 978");
    }
    {
        StartupRun run;
        run.files.files[kDir + "update.txt"] = "25/03/2018" + tail + "\r\n1/3/2019" + tail + "\r\n***\r\n+++\r\n";
        run.start();
        EXPECT_FALSE(run.result.ok);
        ASSERT_EQ(run.messages.shown.size(), 1u);
        EXPECT_EQ(run.messages.shown[0].text, "Data error in race result file, missing year");
    }
    {
        // A blank line in the race section is a race whose season cannot be read.
        StartupRun run;
        run.files.files[kDir + "update.txt"] = "25/03/2018" + tail + "\r\n\r\n***\r\n+++\r\n";
        run.start();
        EXPECT_FALSE(run.result.ok);
        ASSERT_EQ(run.messages.shown.size(), 1u);
        EXPECT_EQ(run.messages.shown[0].text, "Data error in race result file line 978");
    }
}

TEST(Startup, IntegrityReportListsEveryProblemInOrder) {
    Database empty;
    EXPECT_EQ(integrityReport(empty), "System Error : No Race Result data file found.\n"
                                      "\nSystem Error : No Driver Championship data file found.\n"
                                      "\nSystem Error : No Team Championship data file found.\n"
                                      "\nSystem Error : Missing Driver or Team Championship entry.\n");
    Database db;
    fillEmbeddedTables(db);
    EXPECT_EQ(integrityReport(db), "");
    db.CommentList.eraseFront();
    EXPECT_EQ(integrityReport(db),
              "System Error : The number of comments does not match the number of races.\n\n"
              "This is usually the result of adding race results and not comments during an update.\n");
}

TEST(Startup, WinCountsAndExportFiles) {
    StartupRun run;
    run.start();
    const Database& db = run.db();
    // The driver with most sole wins is last; through 2017 that is Michael Schumacher with 91.
    EXPECT_EQ(db.DriverWinList.back(), "009100000043000000210000|Michael Schumacher");
    EXPECT_EQ(db.TeamWinList.back(), "0229|Ferrari");
    // Race 42: Jean Behra... a driver named among the shared second and third places scores in both.
    const LineFields& r42 = db.race(42);
    ASSERT_FALSE(r42[12].empty());
    ASSERT_FALSE(r42[17].empty());
    // Export files: CR LF lines, written into the program directory.
    for (const char* name : {"Drivers.TXT", "teams.TXT", "engines.TXT", "circuits.TXT", "venues.TXT",
                             "DriverWins.TXT", "TeamWins.TXT", "EngineWins.TXT"})
        ASSERT_TRUE(run.files.exists(kDir + name)) << name;
    auto drivers = splitLines(run.files.files[kDir + "Drivers.TXT"]);
    EXPECT_EQ(drivers.size(), 208u);
    EXPECT_NE(run.files.files[kDir + "Drivers.TXT"].find("\r\n"), std::string::npos);
    EXPECT_EQ(drivers[0].find('|') != std::string::npos, true);
    auto venues = splitLines(run.files.files[kDir + "venues.TXT"]);
    EXPECT_EQ(venues.size(), 39u);
}

TEST(Startup, SharedDrivesScoreForEveryDriverOfTheCar) {
    Database db;
    fillEmbeddedTables(db);
    db.RaceList.clear();
    db.CommentList.clear();
    // One race: a shared win (A and B), C second, a three-driver third place with B again.
    db.RaceList.add("01/01/1950|V|C|100|Al A|Bo B||T|E|100|Cy C|||T2|E2|Di D|Bo B|Ed E|T3|E3");
    db.CommentList.add("");
    RecordingMessages messages;
    ASSERT_TRUE(deriveLists(db, messages, nullptr, nullptr));
    auto keyOf = [&](const std::string& name) {
        for (const auto& e : db.DriverWinList)
            if (e.substr(25) == name) return e.substr(0, 24);
        return std::string("missing");
    };
    EXPECT_EQ(keyOf("Al A"), "000000010000000000000000");
    EXPECT_EQ(keyOf("Bo B"), "000000010000000000000001");
    EXPECT_EQ(keyOf("Cy C"), "000000000001000000000000");
    EXPECT_EQ(keyOf("Ed E"), "000000000000000000000001");
    EXPECT_EQ(db.DriverList[0], "A Al|Al A");
}

TEST(Startup, OpeningTextLineByLine) {
    StartupRun run;
    run.start();
    const auto& text = run.db().openingText;
    ASSERT_EQ(text.size(), 42u);
    EXPECT_EQ(text[0], "VELMORA 4.1.09");
    EXPECT_EQ(text[1], std::string(52, '='));
    EXPECT_EQ(text[11], "  Years covered : 1950 to 2017");
    EXPECT_EQ(text[12], "");
    EXPECT_EQ(text[13], "        68 Seasons.");
    EXPECT_EQ(text[14], "       976 Races.");
    EXPECT_EQ(text[15], "       208 Drivers.");
    EXPECT_EQ(text[16], "        75 Teams.");
    EXPECT_EQ(text[17], "        36 Engines.");
    EXPECT_EQ(text[18], "        75 Circuits.");
    EXPECT_EQ(text[19], "        39 Venues.");
    EXPECT_EQ(text[21], std::string(64, '-'));
    EXPECT_EQ(text[39].substr(0, 65), "  You can set some Preferences for the application by selecting \"");
    EXPECT_EQ(text[40], "");

    StartupRun more;
    more.files.files[kDir + "moreinstructions.txt"] = "First\r\n\r\nThird\r\n";
    more.start();
    const auto& longer = more.db().openingText;
    ASSERT_EQ(longer.size(), 46u);
    EXPECT_EQ(longer[40], "");
    EXPECT_EQ(longer[41], "First");
    EXPECT_EQ(longer[42], "");
    EXPECT_EQ(longer[43], "Third");
    EXPECT_EQ(longer[44], "");

    StartupRun emptyMore;
    emptyMore.files.files[kDir + "moreinstructions.txt"] = "";
    emptyMore.start();
    EXPECT_EQ(emptyMore.db().openingText.size(), 43u);
}

TEST(Startup, SavedSelectionsPickTheirItems) {
    StartupRun run;
    run.files.files[kDir + "Velmora.INI"] = "[SEARCH]\r\nDriver=-1\r\nTeam=3\r\nEngine=9999\r\n";
    run.start();
    const auto& boxes = run.result.boxes;
    EXPECT_EQ(boxes.selected[0], 0);
    EXPECT_EQ(boxes.selected[1], 3);
    EXPECT_EQ(boxes.selected[2], 0);
    EXPECT_EQ(boxes.items[0].size(), 208u);
    // Drivers are listed by surname: the display form.
    EXPECT_EQ(boxes.items[5].front(), "1950");
    EXPECT_NE(std::find(boxes.items[0].begin(), boxes.items[0].end(), "Senna Ayrton"), boxes.items[0].end());
}

TEST(Startup, ReadOnlyProgramDirectoryMovesEverythingToTheFallback) {
    StartupRun run;
    run.files.readOnlyDirs.insert(kDir);
    run.start();
    ASSERT_TRUE(run.result.ok);
    const std::string fallback = run.result.settings.programDir;
    EXPECT_NE(fallback, kDir);
    EXPECT_TRUE(run.result.settings.usingFallback);
    EXPECT_TRUE(run.files.exists(fallback + "Drivers.TXT"));
    EXPECT_EQ(run.files.files[fallback + "Velmora.INI"].find("Last Access"), std::string::npos);
}
