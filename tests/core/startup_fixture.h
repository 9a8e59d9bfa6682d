#pragma once
// A whole start-up on files held in memory: the database, the settings and the drop-down
// boxes as the program has them when its window opens, on the embedded data alone or
// with an update file. Used by the core tests and the benchmark (no GoogleTest here).

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core_fakes.h"
#include "data/Startup.h"
#include "settings/IniFile.h"

namespace velmora::testing {

constexpr const char* kProgramDir = "/velmora/";

// Runs the start-up from `programDir` with the given fakes.
inline StartupResult startInMemory(MemoryFileSystem& files, MessageBoxes& messages, const Clock& clock,
                                   const std::string& programDir, StartupProgress* progress = nullptr) {
    IniFileStore ini(files);
    StartupEnvironment env;
    env.currentDir = programDir;
    env.files = &files;
    env.ini = &ini;
    env.messages = &messages;
    env.clock = &clock;
    env.progress = progress;
    return runStartup(env);
}

// `update`, when not empty, is placed as update.txt.
inline StartupResult startEmbedded(MemoryFileSystem& files, const std::string& update = {},
                                   const std::string& programDir = kProgramDir) {
    if (!update.empty()) files.files[programDir + "update.txt"] = update;
    RecordingMessages messages;
    FixedClock clock;
    return startInMemory(files, messages, clock, programDir);
}

// The database alone, null when the start-up failed.
inline std::unique_ptr<Database> startDatabase(const std::string& update = {}) {
    MemoryFileSystem files;
    StartupResult result = startEmbedded(files, update);
    return result.ok ? std::move(result.db) : nullptr;
}

// Shared by the tests that only read it.
inline const StartupResult& embeddedStartup() {
    static MemoryFileSystem files;
    static StartupResult result = startEmbedded(files);
    return result;
}

// A file of the source tree, empty when it is not there.
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

// Built once per program: the embedded data alone, and with the update file (null when
// the start-up failed).
inline const Database* embeddedData() {
    static std::unique_ptr<Database> db = startDatabase();
    return db.get();
}
inline const Database* updatedData() {
    static std::unique_ptr<Database> db = startDatabase(updateFile2018to2025());
    return db.get();
}

} // namespace velmora::testing
