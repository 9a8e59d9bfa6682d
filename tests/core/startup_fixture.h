#pragma once
// A whole start-up on the embedded data, on files held in memory: the database, the
// settings and the drop-down boxes as the program has them when its window opens.

#include <memory>
#include <string>

#include "core_fakes.h"
#include "data/Startup.h"
#include "settings/IniFile.h"

namespace velmora::testing {

// `update`, when not empty, is placed as update.txt.
inline StartupResult startEmbedded(MemoryFileSystem& files, const std::string& update = {},
                                   const std::string& programDir = "/velmora/") {
    if (!update.empty()) files.files[programDir + "update.txt"] = update;
    IniFileStore ini(files);
    RecordingMessages messages;
    FixedClock clock;
    StartupEnvironment env;
    env.currentDir = programDir;
    env.files = &files;
    env.ini = &ini;
    env.messages = &messages;
    env.clock = &clock;
    return runStartup(env);
}

// Shared by the tests that only read it.
inline const StartupResult& embeddedStartup() {
    static MemoryFileSystem files;
    static StartupResult result = startEmbedded(files);
    return result;
}

} // namespace velmora::testing
