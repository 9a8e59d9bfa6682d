// Timings of the start-up and of the pages, and of the win counting done the plain
// way (every name against every race, each record split again) beside the program's.
//
// Run: build/bench/velmora_bench   (--benchmark_filter=REGEX to pick some)

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "data/RaceDataUnit.h"
#include "data/Startup.h"
#include "data/TextFile.h"
#include "startup_fixture.h"
#include "views/Views.h"

using namespace velmora;

namespace {

using testing::FixedClock;
using testing::RecordingMessages;

// The data as the start-up on files held in memory gives it (the fakes and start-up shared
// with the tests, headers that need no GoogleTest).
const Database& data(const benchmark::State& state) {
    return *(state.range(0) ? testing::updatedData() : testing::embeddedData());
}
void label(benchmark::State& state) { state.SetLabel(state.range(0) ? "1950-2025" : "1950-2017"); }

// ---------------------------------------------------------------- start-up

void BM_Startup(benchmark::State& state) {
    const std::string update = state.range(0) ? testing::updateFile2018to2025() : std::string();
    if (state.range(0) && update.empty()) state.SkipWithError("update file not found");
    for (auto _ : state) {
        testing::MemoryFileSystem files;
        StartupResult result = testing::startEmbedded(files, update);
        if (!result.ok) state.SkipWithError("start-up failed");
        benchmark::DoNotOptimize(result.db.get());
    }
    label(state);
}
BENCHMARK(BM_Startup)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The race and championship lists as loaded, before anything is derived.
Database loadedLists(bool withUpdate) {
    Database db;
    fillEmbeddedTables(db);
    if (withUpdate) mergeUpdateLines(db, splitLines(decodeText(testing::updateFile2018to2025())));
    return db;
}

// The program's analysis: seasons, names, win counts, season table and statistics.
void BM_DeriveLists(benchmark::State& state) {
    const Database loaded = loadedLists(state.range(0) != 0);
    RecordingMessages messages;
    for (auto _ : state) {
        state.PauseTiming();
        Database db = loaded;
        state.ResumeTiming();
        if (!deriveLists(db, messages, nullptr, nullptr)) state.SkipWithError("data error");
        benchmark::DoNotOptimize(db.DriverWinList.size());
    }
    label(state);
}
BENCHMARK(BM_DeriveLists)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The win counting done literally: every name against every race, and each race
// record split again for every comparison.
struct LiteralCounts {
    StringList drivers{StringList::Mode::Sorted}, teams{StringList::Mode::Sorted}, engines{StringList::Mode::Sorted};
};

std::string fourDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d", value);
    return buffer;
}

LiteralCounts literalCounting(const StringList& races) {
    LiteralCounts out;
    StringList work(StringList::Mode::SortedUnique);
    for (const std::string& record : races) {
        LineFields f = splitrecord(record);
        work.add(f[5]);
        if (!f[6].empty()) work.add(f[6]);
        if (!f[7].empty()) work.add(f[7]);
        work.add(f[11]);
        if (!f[12].empty()) work.add(f[12]);
        if (!f[13].empty()) work.add(f[13]);
        work.add(f[16]);
        if (!f[17].empty()) work.add(f[17]);
        if (!f[18].empty()) work.add(f[18]);
    }
    for (const std::string& name : work) {
        int c[6] = {0, 0, 0, 0, 0, 0};
        for (const std::string& record : races) {
            LineFields f = splitrecord(record);
            static constexpr int kBase[3] = {5, 11, 16};
            for (int place = 0; place < 3; ++place) {
                int base = kBase[place];
                if (name == f[base]) {
                    if (!f[base + 1].empty()) ++c[place * 2 + 1];
                    else ++c[place * 2];
                }
                if (name == f[base + 1]) ++c[place * 2 + 1];
                else if (name == f[base + 2]) ++c[place * 2 + 1];
            }
        }
        if (!name.empty()) {
            std::string key;
            for (int value : c) key += fourDigits(value);
            out.drivers.add(key + "|" + name);
        }
    }
    auto countField = [&races](int field, StringList& result) {
        StringList names(StringList::Mode::SortedUnique);
        for (const std::string& record : races) names.add(splitrecord(record)[field]);
        for (const std::string& name : names) {
            int wins = 0;
            for (const std::string& record : races)
                if (splitrecord(record)[field] == name) ++wins;
            result.add(fourDigits(wins) + "|" + name);
        }
    };
    countField(8, out.teams);
    countField(9, out.engines);
    return out;
}

void BM_LiteralCounting(benchmark::State& state) {
    const Database& db = data(state);
    LiteralCounts check = literalCounting(db.RaceList);
    if (check.drivers.lines() != db.DriverWinList.lines() || check.teams.lines() != db.TeamWinList.lines() ||
        check.engines.lines() != db.EngineWinList.lines())
        state.SkipWithError("the literal counts differ from the program's");
    for (auto _ : state) {
        LiteralCounts counts = literalCounting(db.RaceList);
        benchmark::DoNotOptimize(counts.drivers.size());
    }
    label(state);
}
BENCHMARK(BM_LiteralCounting)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// ---------------------------------------------------------------- pages

void BM_DriverWins(benchmark::State& state) {
    const Database& db = data(state);
    ViewSettings settings;
    for (auto _ : state) {
        Page page = searchPage(db, SearchCommand::DriverWins, "Michael Schumacher", settings);
        benchmark::DoNotOptimize(page.plain.data());
    }
    label(state);
}
BENCHMARK(BM_DriverWins)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_DriverPodiums(benchmark::State& state) {
    const Database& db = data(state);
    ViewSettings settings;
    for (auto _ : state) {
        Page page = searchPage(db, SearchCommand::DriverPodiums, "Lewis Hamilton", settings);
        benchmark::DoNotOptimize(page.plain.data());
    }
    label(state);
}
BENCHMARK(BM_DriverPodiums)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_AllRaces(benchmark::State& state) {
    const Database& db = data(state);
    ViewSettings settings;
    for (auto _ : state) {
        Page page = searchPage(db, SearchCommand::AllRaces, "", settings);
        benchmark::DoNotOptimize(page.plain.data());
    }
    label(state);
}
BENCHMARK(BM_AllRaces)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_WinTables(benchmark::State& state) {
    const Database& db = data(state);
    for (auto _ : state) {
        WinTables tables = winTables(db);
        benchmark::DoNotOptimize(tables.drivers.data());
    }
    label(state);
}
BENCHMARK(BM_WinTables)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Career(benchmark::State& state) {
    const Database& db = data(state);
    ViewSettings settings;
    for (auto _ : state) {
        Page page = careerPage(db, "Lewis Hamilton", settings);
        benchmark::DoNotOptimize(page.plain.data());
    }
    label(state);
}
BENCHMARK(BM_Career)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Championships(benchmark::State& state) {
    const Database& db = data(state);
    ViewSettings settings;
    for (auto _ : state) {
        ChampionshipTables tables = championshipTables(db, settings);
        benchmark::DoNotOptimize(tables.success.data());
    }
    label(state);
}
BENCHMARK(BM_Championships)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Specials(benchmark::State& state) {
    const Database& db = data(state);
    ViewSettings settings;
    for (auto _ : state) {
        Page page = specialsPage(db, settings);
        benchmark::DoNotOptimize(page.plain.data());
    }
    label(state);
}
BENCHMARK(BM_Specials)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_Calendar(benchmark::State& state) {
    const Database& db = data(state);
    FixedClock clock{{2025, 12, 8, 12, 0, 0}};
    for (auto _ : state) {
        CalendarPage page = calendarPage(db, clock);
        benchmark::DoNotOptimize(page.coloured.data());
    }
    label(state);
}
BENCHMARK(BM_Calendar)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PrintText(benchmark::State& state) {
    const Database& db = data(state);
    ViewSettings settings;
    Page page = careerPage(db, "Lewis Hamilton", settings);
    OutputSource source;
    source.area = ShownArea::Results;
    source.results = &page.plain;
    for (auto _ : state) {
        std::vector<std::string> text = printText(db, source);
        benchmark::DoNotOptimize(text.data());
    }
    label(state);
}
BENCHMARK(BM_PrintText)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
