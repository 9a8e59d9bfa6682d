#pragma once
// A small hand-filled Database for the view and window-model tests: the lists that
// start-up would derive, built straight from a few race records.

#include <string>
#include <utility>
#include <vector>

#include "data/Database.h"

namespace velmora::testing {

struct FixtureRace {
    std::string record; // 20 fields
    std::string comment;
};

inline void fillDatabase(Database& db, const std::vector<FixtureRace>& races,
                         const std::vector<std::string>& driverChamps = {},
                         const std::vector<std::string>& teamChamps = {}) {
    for (const auto& race : races) {
        db.RaceList.add(race.record);
        db.CommentList.add(race.comment);
    }
    for (const auto& line : driverChamps) db.DriverChampList.add(line);
    for (const auto& line : teamChamps) db.TeamChampList.add(line);
    db.splitRaces();
    db.RaceCount = static_cast<int>(db.RaceList.size());
    db.RaceSeasonTable.assign(static_cast<size_t>(db.RaceCount) + 1, {});
    int current = -1, number = 0;
    StringList stored(StringList::Mode::SortedUnique);
    for (int n = 1; n <= db.RaceCount; ++n) {
        const LineFields& f = db.race(n);
        int season = raceSeason(f[1]);
        if (season != current) {
            current = season;
            number = 0;
        }
        db.RaceSeasonTable[static_cast<size_t>(n)] = {season, ++number};
        db.SeasonList.add(std::to_string(season));
        for (int k : {5, 6, 7, 11, 12, 13, 16, 17, 18})
            if (!f[k].empty()) stored.add(f[k]);
        for (int k : {8, 14, 19})
            if (!f[k].empty()) db.TeamList.add(f[k]);
        for (int k : {9, 15, 20})
            if (!f[k].empty()) db.EngineList.add(f[k]);
        db.CircuitList.add(f[3]);
        db.VenueList.add(f[2]);
    }
    for (const auto& name : stored) db.DriverList.add(displayForm(name) + "|" + name);
    if (!db.SeasonList.empty()) {
        db.FirstSeason = std::stoi(db.SeasonList.front());
        db.LastSeason = std::stoi(db.SeasonList.back());
    }
    db.firstButtonCaption = "First - " + std::to_string(db.FirstSeason);
    db.lastButtonCaption = "Last - " + std::to_string(db.LastSeason);
    db.openingText = {"  Opening line one", "  Opening line two"};
}

// Six races over three seasons: sole and shared drives, a works team, a 1-2-3, a
// 500-mile race, a one-digit day and a three-driver shared win with long names.
inline std::vector<FixtureRace> sampleRaces() {
    return {
        {"13/05/1950|Great Britain|Silverstone|202.23|Nino Farina|||Alfa Romeo|Alfa Romeo|90.95|Luigi Fagioli|||"
         "Alfa Romeo|Alfa Romeo|Reg Parnell|||Alfa Romeo|Alfa Romeo",
         "First race of the World Championship."},
        {"30/05/1950|United States|Indianapolis|500|Johnnie Parsons|||Kurtis Kraft|Offenhauser|124.002|Bill Holland|||"
         "Deidt|Offenhauser|Mauri Rose|||Deidt|Offenhauser",
         ""},
        {"07/06/1953|Netherlands|Zandvoort|234.487|Alberto Ascari|||Ferrari|Ferrari|81.045|Nino Farina|||Ferrari|"
         "Ferrari|Felice Bonetto|Jose Froilan Gonzalez||Maserati|Maserati",
         "Ascari's ninth win in a row."},
        {"01/07/1953|France|Rheims|373.961|Luigi Fagioli|Juan Manuel Fangio|Jose Froilan Gonzalez|Ferrari|Ferrari|"
         "110.977|Alberto Ascari|||Maserati|Maserati|Nino Farina|||Ferrari|Ferrari",
         ""},
        {"19/01/1959|Argentina|Buenos Aires|1234.5678|Jack Brabham|||Cooper|Climax|77.5|Bruce McLaren|||Cooper|Climax|"
         "Stirling Moss|||Cooper|Climax",
         ""},
        {"02/08/1959|Germany|Avus|309.3|Tony Brooks|||Ferrari|Ferrari|143.35|Jack Brabham|||Cooper|Climax|"
         "Phil Hill|||Ferrari|Ferrari",
         ""},
    };
}

} // namespace velmora::testing
