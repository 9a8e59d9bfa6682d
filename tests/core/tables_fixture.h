#pragma once
// For the table, career, specials and calendar tests: the real data from a start-up on files
// held in memory (with or without the 2018-2025 update file), and race records made up.

#include <cstdio>
#include <string>
#include <vector>

#include "startup_fixture.h"

namespace velmora::tables_testing {

using testing::embeddedData;
using testing::MemoryFileSystem;
using testing::RecordingMessages;
using testing::startDatabase;
using testing::updatedData;
using testing::updateFile2018to2025;

// The day the calendar is drawn on: between the fifth and sixth races of 2018.
inline testing::FixedClock fixedClock() { return testing::FixedClock({2018, 5, 20, 12, 0, 0}); }

// A plain race record: one driver and one team per place, engines named as the teams.
inline std::string simpleRace(const std::string& date, const std::string& venue, const std::string& circuit,
                              const std::string& first, const std::string& team1, const std::string& second,
                              const std::string& team2, const std::string& third, const std::string& team3,
                              const std::string& distance = "190", const std::string& speed = "120") {
    return date + "|" + venue + "|" + circuit + "|" + distance + "|" + first + "|||" + team1 + "|" + team1 + "|" +
           speed + "|" + second + "|||" + team2 + "|" + team2 + "|" + third + "|||" + team3 + "|" + team3;
}

// Fills the lists from the records as start-up would derive them; false on a data error.
inline bool deriveFrom(Database& db, const std::vector<std::string>& records) {
    for (const auto& record : records) {
        db.RaceList.add(record);
        db.CommentList.add("");
    }
    RecordingMessages messages;
    return deriveLists(db, messages, nullptr, nullptr);
}

// `count` races, twenty a season from `firstSeason`, numbered in the circuit field.
inline std::vector<std::string> numberedRaces(int count, int firstSeason = 1950) {
    std::vector<std::string> records;
    for (int i = 0; i < count; ++i) {
        char date[16];
        std::snprintf(date, sizeof date, "%02d/%02d/%04d", i % 20 + 1, 6, firstSeason + i / 20);
        records.push_back(simpleRace(date, "Venue", "Circuit " + std::to_string(i + 1), "Driver One", "Team A",
                                     "Driver Two", "Team B", "Driver Three", "Team C"));
    }
    return records;
}

} // namespace velmora::tables_testing
