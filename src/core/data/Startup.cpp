#include "data/Startup.h"

#include <charconv>
#include <cstdio>
#include <unordered_map>

#include "data/RaceDataUnit.h"
#include "data/TextFile.h"
#include "settings/IniFile.h"

namespace velmora {

namespace {

void report(StartupProgress* progress, const char* text, int percent) {
    if (progress) progress->status(text, percent);
}

std::string rightAligned(long long value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, static_cast<size_t>(width) - digits.size(), ' ');
    return digits;
}

std::string fourDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d", value);
    return buffer;
}

// A decimal number with a full stop, whatever the locale; false when it does not read.
bool readDecimal(const std::string& text, double& value) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    return ec == std::errc() && ptr == last && first != last;
}

void openingHead(std::vector<std::string>& text) {
    text = {
        "VELMORA 4.1.09",
        "====================================================",
        "",
        "Contains the 1-2-3 positions for all the World Championship Races.",
        "",
        "  Note: Although F1 rules were formulated in 1947 and the first races under their specifications were "
        "held in 1948, these were not World Championship races. The first World Championship race held to F1 "
        "specifications was Silverstone in the UK, in 1950. The original rules were that the engine size be "
        "limited to 1.5 litres for those with a compressor (supercharger or turbocharger) or 4.5 litres for "
        "normally aspirated engines. The early rules with not concerned with safety issues, which first made "
        "their appearance during 1961 when, for example, helmets and overalls were made obligatory!",
        "",
        "  The 1952 and 1953 Seasons were run under Formula 2 Rules and Regulations, but are considered by many "
        "as being included in the Formula 1 World Championship data, and that policy is followed herein.",
        "",
        "Race data analysis :",
        "",
    };
}

void openingInstructions(std::vector<std::string>& text, const std::vector<std::string>* more) {
    const char* lines[] = {
        "",
        "----------------------------------------------------------------",
        "",
        "  To interrogate the database, select a driver in the drop-down box in the 'Driver' settings panel on "
        "the right-hand side, and click on the button 'Wins Only' to display the 1-2-3 result of all the races "
        "that the driver won. To display all the podiums that driver achieved, click the button 'Podiums'. To "
        "display a career summary for the driver, click the button 'Career'. When you select a new driver, the "
        "display automatically shows the last selection for that driver.",
        "",
        "  Similar buttons in the 'Teams' and 'Engines' settings panels will perform the same function for the "
        "team or engine selected in the relevant drop-down box. Instead of a career button, there are buttons "
        "which will allow you to list all those race results where the team or engine finished in the top two "
        "places, or the top three places. In the early days, teams often entered 3 or more cars in a race.",
        "",
        "  In the 'Circuits' and 'Venues' settings panel, simply select the circuit or venue to display all the "
        "1-2-3 results at the chosen location.",
        "",
        "  In the 'Season' settings panel, choose the season year to display the 1-2-3 results for that year. "
        "The buttons marked 'First' and 'Last' will display the results of the first and last seasons "
        "respectively. The up and down arrows allow you move later (up) or earlier (down) through successive "
        "seasons.",
        "",
        "  In the 'Championship' setting panel, click the button 'All Races' to display the 1-2-3 result of "
        "every race in the data base period. Click the 'Race Win Tables' to display the table of wins for the "
        "drivers, the teams, and the engines for the whole database. Click the button 'Championship Tables' to "
        "display the driver and constructor championship winners for the whole database. Click the 'Specials' "
        "button to display some race results of special interest.",
        "",
        "  With the Race Win Tables displayed, double clicking a driver name in the Driver Win table will "
        "transfer that name to the driver search drop-down box so that you can then quickly view data for the "
        "driver. Double clicking a team in the Team Win table, or an engine in the Engine Win table, will do the "
        "same thing.",
        "",
        "  The settings in the search drop-down boxes are retained on program closure and reloaded when the "
        "program is next launched.",
        "",
        "  Race results are displayed with the first line carrying the Championship race number (e.g. #833) and "
        "the season race number (e.g. 2010-13)in square brackets, followed by the day and date, the circuit and "
        "venue, and the race distance in miles and kilometres. Each of the first three finishers is displayed by "
        "driver name and team-engine, with the winner's speed shown in mph and kph. If a comment has been "
        "entered for that race, it will displayed underneath the results. Please note that distances and speeds "
        "may be subject to rounding errors during conversion between units and record sources and are "
        "therefore only approximate.",
        "",
        "  You can set some Preferences for the application by selecting \"File\" > \"Preferences\". This opens "
        "a new window in which you can change the amount of data that is displayed, and the colours of the "
        "display screens.",
    };
    for (const char* line : lines) text.emplace_back(line);
    if (more) {
        text.emplace_back("");
        for (const auto& line : *more) text.push_back(line);
    }
    text.emplace_back("");
    text.emplace_back("  Velmora 4.1.09 - race data compiled from F1DB (CC BY 4.0). Enjoy the racing history!");
}

// Seasons step. Returns false after a fatal data error.
bool seasonsStep(Database& db, MessageBoxes& messages) {
    StringList seasons(StringList::Mode::SortedUnique);
    bool bad = false;
    for (size_t n = 0; n < db.RaceList.size(); ++n) {
        const std::string& record = db.RaceList[n];
        std::string_view date(record);
        date = date.substr(0, date.find('|'));
        int season = raceSeason(date);
        if (season < 0) {
            messages.show(MessageKind::Warning, "Data error in race result file line " + std::to_string(n + 1));
            bad = true;
            continue;
        }
        seasons.add(std::to_string(season));
    }
    if (bad) return false;
    if (seasons.empty()) return false;
    db.openingText.push_back("  Years covered : " + seasons.front() + " to " + seasons.back());
    if (db.updateMerged) db.openingText.emplace_back("        Update file with partial season results included.");
    db.FirstSeason = std::stoi(seasons.front());
    db.LastSeason = std::stoi(seasons.back());
    db.RaceCount = static_cast<int>(db.RaceList.size());
    db.firstButtonCaption = "First - " + seasons.front();
    db.lastButtonCaption = "Last - " + seasons.back();
    db.SeasonList.clear();
    for (const auto& s : seasons) db.SeasonList.add(s);
    int seasonCount = db.LastSeason - db.FirstSeason + 1;
    db.openingText.emplace_back("");
    db.openingText.push_back(rightAligned(seasonCount, 10) + " Seasons.");
    // Seasons are compared as numbers: "999" and "1000" both count, whatever their text order.
    if (static_cast<int>(seasons.size()) != seasonCount) {
        messages.show(MessageKind::Warning, "Data error in race result file, missing year");
        return false;
    }
    db.openingText.push_back(rightAligned(db.RaceCount, 10) + " Races.");
    return true;
}

struct PlaceCounts {
    std::array<int, 6> c{}; // sole/shared wins, seconds, thirds
};

void namesAndCounts(Database& db, StartupProgress* progress, std::vector<ExportFile>* exports) {
    db.DriverList.clear();
    db.DriverList.setMode(StringList::Mode::SortedUnique);
    db.TeamList.clear();
    db.EngineList.clear();
    db.CircuitList.clear();
    db.VenueList.clear();

    StringList drivers(StringList::Mode::SortedUnique);
    StringList winners(StringList::Mode::SortedUnique), winningEngines(StringList::Mode::SortedUnique);
    StringList podiumDrivers(StringList::Mode::SortedUnique);
    std::unordered_map<std::string, PlaceCounts> counts;
    std::unordered_map<std::string, int> teamWins, engineWins;

    static constexpr int kPlaceBase[3] = {5, 11, 16};
    for (int n = 1; n <= db.RaceCount; ++n) {
        const LineFields& f = db.race(n);
        for (int k : {5, 6, 7, 11, 12, 13, 16, 17, 18}) drivers.add(f[k]);
        for (int k : {8, 14, 19}) db.TeamList.add(f[k]);
        for (int k : {9, 15, 20}) db.EngineList.add(f[k]);
        db.CircuitList.add(f[3]);
        db.VenueList.add(f[2]);

        for (int place = 0; place < 3; ++place) {
            int base = kPlaceBase[place];
            const std::string& first = f[base];
            const std::string& second = f[base + 1];
            const std::string& third = f[base + 2];
            podiumDrivers.add(first);
            if (!second.empty()) podiumDrivers.add(second);
            if (!third.empty()) podiumDrivers.add(third);
            counts[first].c[static_cast<size_t>(place * 2 + (second.empty() ? 0 : 1))]++;
            if (!second.empty()) counts[second].c[static_cast<size_t>(place * 2 + 1)]++;
            if (!third.empty() && third != second) counts[third].c[static_cast<size_t>(place * 2 + 1)]++;
        }
        winners.add(f[8]);
        winningEngines.add(f[9]);
        teamWins[f[8]]++;
        engineWins[f[9]]++;
    }
    for (StringList* list : {&drivers, &db.TeamList, &db.EngineList, &db.CircuitList, &db.VenueList})
        while (!list->empty() && list->front().empty()) list->eraseFront();

    db.openingText.push_back(rightAligned(static_cast<long long>(drivers.size()), 10) + " Drivers.");
    report(progress, "Setting up drivers...", 30);

    for (const auto& name : drivers) db.DriverList.add(displayForm(name) + "|" + name);

    if (exports) {
        exports->push_back({"Drivers.TXT", db.DriverList.lines()});
        exports->push_back({"teams.TXT", db.TeamList.lines()});
        exports->push_back({"engines.TXT", db.EngineList.lines()});
        exports->push_back({"circuits.TXT", db.CircuitList.lines()});
        exports->push_back({"venues.TXT", db.VenueList.lines()});
    }

    db.DriverWinList.clear();
    for (const auto& name : podiumDrivers) {
        if (name.empty()) continue;
        const auto& c = counts[name].c;
        std::string key;
        key.reserve(25 + name.size());
        for (int value : c) key += fourDigits(value);
        db.DriverWinList.add(key + "|" + name);
    }
    if (exports) exports->push_back({"DriverWins.TXT", db.DriverWinList.lines()});

    report(progress, "Setting up teams...", 40);
    db.TeamWinList.clear();
    for (const auto& team : winners) db.TeamWinList.add(fourDigits(teamWins[team]) + "|" + team);
    if (exports) exports->push_back({"TeamWins.TXT", db.TeamWinList.lines()});

    report(progress, "Setting up engines...", 50);
    db.EngineWinList.clear();
    for (const auto& engine : winningEngines) db.EngineWinList.add(fourDigits(engineWins[engine]) + "|" + engine);
    if (exports) exports->push_back({"EngineWins.TXT", db.EngineWinList.lines()});

    db.openingText.push_back(rightAligned(static_cast<long long>(db.TeamList.size()), 10) + " Teams.");
    db.openingText.push_back(rightAligned(static_cast<long long>(db.EngineList.size()), 10) + " Engines.");
    db.openingText.push_back(rightAligned(static_cast<long long>(db.CircuitList.size()), 10) + " Circuits.");
    db.openingText.push_back(rightAligned(static_cast<long long>(db.VenueList.size()), 10) + " Venues.");
}

void seasonTable(Database& db) {
    db.RaceSeasonTable.assign(static_cast<size_t>(db.RaceCount) + 1, RaceSeasonEntry{});
    int current = -1;
    int number = 0;
    for (int n = 1; n <= db.RaceCount; ++n) {
        int season = raceSeason(db.race(n)[1]);
        if (season != current) {
            number = 0;
            current = season;
        }
        ++number;
        db.RaceSeasonTable[static_cast<size_t>(n)] = {season, number};
    }
}

std::string lowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return s;
}

void statistics(Database& db) {
    double longest = 0, shortest = 1000, fastest = 0, slowest = 1000;
    db.LongestRace = db.ShortestRace = db.FastestRace = db.SlowestRace = 0;
    for (int n = 1; n <= db.RaceCount; ++n) {
        const LineFields& f = db.race(n);
        double distance = 0, speed = 0;
        // A field that does not read as a number takes no part in its record.
        if (readDecimal(f[4], distance)) {
            if (distance > longest && lowerAscii(f[3]) != "indianapolis") {
                longest = distance;
                db.LongestRace = n;
            }
            if (distance < shortest) {
                shortest = distance;
                db.ShortestRace = n;
            }
        }
        if (readDecimal(f[10], speed)) {
            if (speed > fastest) {
                fastest = speed;
                db.FastestRace = n;
            }
            if (speed < slowest) {
                slowest = speed;
                db.SlowestRace = n;
            }
        }
    }
    db.YoungestWinnerRace = db.LastSeason >= 2016 ? 940 : 799;
    db.OldestWinnerRace = 11;
}

// Fields 1 to `count` of a split line, joined by "|" (missing fields empty, surplus dropped).
std::string joinFields(const LineFields& f, int count) {
    std::string record;
    for (int k = 1; k <= count; ++k) {
        if (k > 1) record += '|';
        record += f[k];
    }
    return record;
}

} // namespace

bool mergeUpdateLines(Database& db, const std::vector<std::string>& lines) {
    if (lines.empty()) return false;
    std::string_view firstDate(lines.front());
    firstDate = firstDate.substr(0, firstDate.find('|'));
    int firstSeason = raceSeason(firstDate);
    int lastEmbedded = db.RaceList.empty() ? -1 : raceSeason(std::string_view(db.RaceList.back()).substr(0, 10));
    // A file whose first line carries no readable season (one that begins with "***",
    // say) is ignored like a file of another season.
    if (firstSeason < 0 || lastEmbedded < 0 || firstSeason != lastEmbedded + 1) return false;

    size_t i = 0;
    for (; i < lines.size() && lines[i] != "***"; ++i) {
        LineFields f = splitrecord(lines[i]);
        db.RaceList.add(joinFields(f, 20));
        db.CommentList.add(f[21]);
    }
    if (i < lines.size()) ++i; // past "***"
    for (; i < lines.size() && lines[i] != "+++"; ++i) {
        db.DriverChampList.add(joinFields(splitrecord(lines[i]), 6));
    }
    if (i < lines.size()) ++i; // past "+++"
    for (; i < lines.size(); ++i) {
        if (i + 1 == lines.size() && lines[i].empty()) break; // an empty last line
        db.TeamChampList.add(joinFields(splitrecord(lines[i]), 5));
    }
    return true;
}

std::string integrityReport(const Database& db) {
    std::string report;
    if (db.RaceList.empty()) report += "System Error : No Race Result data file found.\n";
    if (db.DriverChampList.empty()) report += "\nSystem Error : No Driver Championship data file found.\n";
    if (db.TeamChampList.empty()) report += "\nSystem Error : No Team Championship data file found.\n";
    if (static_cast<long>(db.DriverChampList.size()) - static_cast<long>(db.TeamChampList.size()) != 8)
        report += "\nSystem Error : Missing Driver or Team Championship entry.\n";
    if (db.CommentList.size() != db.RaceList.size())
        report += "System Error : The number of comments does not match the number of races.\n\n"
                  "This is usually the result of adding race results and not comments during an update.\n";
    return report;
}

bool deriveLists(Database& db, MessageBoxes& messages, StartupProgress* progress,
                 std::vector<ExportFile>* exportFiles) {
    if (!seasonsStep(db, messages)) return false;
    db.splitRaces();
    namesAndCounts(db, progress, exportFiles);
    seasonTable(db);
    statistics(db);
    return true;
}

StartupResult runStartup(const StartupEnvironment& env) {
    StartupResult result;
    FileSystem& files = *env.files;
    IniStore& ini = *env.ini;
    MessageBoxes& messages = *env.messages;
    StartupProgress* progress = env.progress;

    // Settings location, write test and the first reading of the options.
    SettingsLocation where = resolveSettingsLocation(env.currentDir, ini, files, *env.clock);
    Settings& settings = result.settings;
    settings.programDir = where.programDir;
    settings.settingsFile = where.settingsFile;
    settings.usingFallback = where.usingFallback;
    settings.options = readOptionsOnly(ini, settings.settingsFile);

    if (progress) progress->begin(settings.option(21));
    report(progress, "Setting up application...", 0);

    auto db = std::make_unique<Database>();
    readStartupSettings(ini, settings, env.screenWidth, env.screenHeight, *env.clock);
    if (progress) progress->settingsRead(settings);

    report(progress, "Arranging Data Lists...", 10);
    report(progress, "Reading Data...", 20);
    db->RaceList.clear();
    fillEmbeddedTables(*db);

    // The update file.
    const std::string updatePath = settings.programDir + "update.txt";
    if (files.exists(updatePath)) {
        report(progress, "Analysing Updater File", 10);
        std::string error;
        auto bytes = files.readFile(updatePath, &error);
        if (!bytes) {
            messages.show(MessageKind::Warning, "The update file " + updatePath + " cannot be read (" + error +
                                                    ").\n\nVelmora carries on with its built-in data.");
        } else {
            db->updateMerged = mergeUpdateLines(*db, splitLines(decodeText(*bytes)));
        }
    }

    report(progress, "Setting up data lists...", 20);
    std::string problems = integrityReport(*db);
    if (!problems.empty()) {
        messages.show(MessageKind::Warning, "Checking data integrity...\n\n" + problems +
                                                "\n\nMissing or incomplete Data files, cannot continue.");
        return result;
    }

    openingHead(db->openingText);
    std::vector<ExportFile> exports;
    if (!seasonsStep(*db, messages)) return result;
    db->splitRaces();
    namesAndCounts(*db, progress, &exports);

    std::vector<std::string> failed;
    for (const auto& file : exports) {
        std::string error;
        if (!files.writeFileAtomic(settings.programDir + file.name, joinLinesCrlf(file.lines), &error))
            failed.push_back(file.name + " (" + error + ")");
    }
    if (!failed.empty()) {
        std::string text = "These lists could not be written to " + settings.programDir + ":\n";
        for (const auto& f : failed) text += "\n    " + f;
        messages.show(MessageKind::Warning, text);
    }

    report(progress, "Doing instructions...", 60);
    std::vector<std::string> more;
    bool haveMore = false;
    const std::string morePath = settings.programDir + "moreinstructions.txt";
    if (files.exists(morePath)) {
        if (auto bytes = files.readFile(morePath)) {
            more = splitLines(decodeText(*bytes));
            haveMore = true;
        }
    }
    openingInstructions(db->openingText, haveMore ? &more : nullptr);

    report(progress, "Doing seasons...", 70);
    seasonTable(*db);
    report(progress, "Calculating statistics...", 80);
    statistics(*db);
    report(progress, "Populating search lists...", 90);

    const StringList* lists[kSearchBoxCount] = {&db->DriverList, &db->TeamList,  &db->EngineList,
                                                &db->CircuitList, &db->VenueList, &db->SeasonList};
    for (int b = 0; b < kSearchBoxCount; ++b) {
        auto& items = result.boxes.items[static_cast<size_t>(b)];
        for (size_t i = 0; i < lists[b]->size(); ++i)
            items.push_back(b == 0 ? db->driverDisplay(i) : (*lists[b])[i]);
        result.boxes.selected[static_cast<size_t>(b)] =
            savedSearchIndex(settings.search[static_cast<size_t>(b)], static_cast<int>(items.size()));
    }

    if (progress && progress->doNotShowAgain()) settings.setOption(21, false);
    if (progress) progress->end();

    result.db = std::move(db);
    result.ok = true;
    return result;
}

} // namespace velmora
