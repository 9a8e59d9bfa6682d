// The race win tables: row layout, ranking, the driver rows without wins, and the
// published win records on the real data.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables_fixture.h"
#include "views/Views.h"

using namespace velmora;

namespace {

Database handFilled() {
    Database db;
    db.DriverWinList.setMode(StringList::Mode::Sorted);
    for (const char* entry : {"000000000001000000000000|Podium Only", "000000020000000000000000|Shared Pair",
                              "000100000000000000000000|One Win", "000300010000000000000000|Alexandra Maria Fernandes",
                              "000300010002000000000000|A Very Long Driver Name Indeed"})
        db.DriverWinList.add(entry);
    for (const char* entry : {"0002|Cooper", "0016|Ferrari", "0002|Brabham"}) db.TeamWinList.add(entry);
    for (const char* entry : {"0040|Climax", "0016|Ferrari"}) db.EngineWinList.add(entry);
    return db;
}

// The name a table row shows, as the list boxes read it back: characters 6 to 30, trimmed.
std::string rowName(const std::string& row) {
    std::string name = row.substr(5, 25);
    return name.substr(0, name.find_last_not_of(' ') + 1);
}

} // namespace

TEST(WinTables, RowsRanksAndNotes) {
    WinTables tables = winTables(handFilled());
    const std::vector<std::string> drivers = {
        "Driver Win List",
        "",
        "   1 A Very Long Driver Name Indeed   3 (+ 1 shared)",
        "   2 Alexandra Maria Fernandes   3 (+ 1 shared)",
        "   3 One Win                     1",
        "   4 Shared Pair                 0 (+ 2 shared)",
        "",
        "Note: Drivers with the same number of wins are",
        "then ordered by the number of 2nds and 3rds.",
        "",
    };
    EXPECT_EQ(tables.drivers, drivers);
    // Equal wins: the later name first, ranks still consecutive.
    const std::vector<std::string> constructors = {
        "Constructor Win List", "", "   1 Ferrari                    16", "   2 Cooper                      2",
        "   3 Brabham                     2"};
    EXPECT_EQ(tables.constructors, constructors);
    const std::vector<std::string> engines = {"Engine Win List", "", "   1 Climax                     40",
                                              "   2 Ferrari                    16"};
    EXPECT_EQ(tables.engines, engines);
    EXPECT_EQ(rowName(tables.drivers[3]), "Alexandra Maria Fernandes");
    EXPECT_EQ(rowName(tables.constructors[3]), "Cooper");
}

TEST(WinTables, EmptyListsGiveHeadingsOnly) {
    WinTables tables = winTables(Database{});
    EXPECT_EQ(tables.drivers.size(), 6u);
    EXPECT_EQ(tables.constructors, (std::vector<std::string>{"Constructor Win List", ""}));
    EXPECT_EQ(tables.engines, (std::vector<std::string>{"Engine Win List", ""}));
}

TEST(WinTables, PublishedRecordsThrough2017) {
    const Database* db = tables_testing::embeddedData();
    ASSERT_NE(db, nullptr);
    WinTables tables = winTables(*db);
    EXPECT_EQ(tables.drivers[2], "   1 Michael Schumacher         91");
    EXPECT_EQ(tables.drivers[3], "   2 Lewis Hamilton             62");
    EXPECT_EQ(tables.constructors[2], "   1 Ferrari                   229");
    EXPECT_EQ(tables.constructors[3], "   2 McLaren                   182");
    // Ferrari engines also won in another team's car (Toro Rosso, Monza 2008).
    EXPECT_EQ(tables.engines[2], "   1 Ferrari                   230");
    // Every row of the driver table has a win; shared winners show their shared count.
    bool sawShared = false;
    for (size_t i = 2; i + 4 < tables.drivers.size(); ++i) {
        const std::string& row = tables.drivers[i];
        std::string rank = std::to_string(i - 1);
        EXPECT_EQ(row.substr(0, 5), " " + std::string(3 - rank.size(), ' ') + rank + " ");
        if (row.find(" shared)") != std::string::npos) sawShared = true;
    }
    EXPECT_TRUE(sawShared);
}

TEST(WinTables, PublishedRecordsThrough2025) {
    const Database* db = tables_testing::updatedData();
    ASSERT_NE(db, nullptr);
    WinTables tables = winTables(*db);
    EXPECT_EQ(tables.drivers[2], "   1 Lewis Hamilton            105");
    EXPECT_EQ(tables.drivers[3], "   2 Michael Schumacher         91");
    EXPECT_EQ(tables.drivers[4], "   3 Max Verstappen             71");
    EXPECT_EQ(tables.constructors[2], "   1 Ferrari                   248");
}
