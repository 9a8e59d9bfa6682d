#pragma once
// The real data for the table, career, specials and calendar tests: a full start-up on
// files held in memory, with or without the 2018-2025 update file as update.txt.

#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core_fakes.h"
#include "data/Startup.h"
#include "settings/IniFile.h"

namespace velmora::tables_testing {

using testing::MemoryFileSystem;
using testing::RecordingMessages;

// The day the calendar is drawn on: between the fifth and sixth races of 2018.
inline testing::FixedClock fixedClock() { return testing::FixedClock({2018, 5, 20, 12, 0, 0}); }

inline std::string readSourceFile(const std::string& relative) {
    std::ifstream in(std::string(VELMORA_SOURCE_DIR) + "/" + relative, std::ios::binary);
    if (!in) return {};
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The 2018-2025 update file shipped with the program (its race lines without comments
// when the commented example is not there).
inline std::string updateFile2018to2025() {
    std::string text = readSourceFile("examples/update-2018-2025.txt");
    if (text.empty()) text = readSourceFile("tools/comments/update-2018-2025-nocomments.txt");
    return text;
}

constexpr const char* kProgramDir = "/velmora/";

// Runs the start-up; `update` is placed as update.txt when not empty.
inline std::unique_ptr<Database> startDatabase(const std::string& update = {}) {
    MemoryFileSystem files;
    if (!update.empty()) files.files[std::string(kProgramDir) + "update.txt"] = update;
    IniFileStore ini(files);
    RecordingMessages messages;
    testing::FixedClock clock = fixedClock();
    StartupEnvironment env;
    env.currentDir = kProgramDir;
    env.files = &files;
    env.ini = &ini;
    env.messages = &messages;
    env.clock = &clock;
    StartupResult result = runStartup(env);
    return result.ok ? std::move(result.db) : nullptr;
}

// Built once per test binary: the embedded data alone, and with the update file
// (null when the start-up failed).
inline const Database* embeddedData() {
    static std::unique_ptr<Database> db = startDatabase();
    return db.get();
}
inline const Database* updatedData() {
    static std::unique_ptr<Database> db = startDatabase(updateFile2018to2025());
    return db.get();
}

} // namespace velmora::tables_testing

namespace velmora::tables_testing {

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
