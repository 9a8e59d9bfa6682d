// The championship tables: row layout with whole and fractional points, the success
// table and its title counts, the two title count files, and the real data.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tables_fixture.h"
#include "views/Views.h"

using namespace velmora;

namespace {

Database champions() {
    Database db;
    for (const char* line : {"1950|7|Nino Farina|Alfa Romeo|3|30", "1952|8|Alberto Ascari|Ferrari|6|36",
                             "1953|9|Alberto Ascari|Ferrari|5|34.5", "1954|9|Juan Manuel Fangio|Maserati|6|42",
                             "1955|7|Juan Manuel Fangio|Mercedes|4|40", "1956|8|Juan Manuel Fangio|Ferrari|3|30",
                             "1957|8|Alexander Wurz-Longnamerson the Third|Maserati|1|1040.25"})
        db.DriverChampList.add(line);
    for (const char* line : {"1958|11|Vanwall|6|48", "1959|9|Cooper-Climax|5|40", "1960|10|Cooper-Climax|6|48",
                             "1966|9|Brabham-Repco Racing|4|42"})
        db.TeamChampList.add(line);
    return db;
}

} // namespace

TEST(Championships, SeasonRowsLatestFirst) {
    ViewSettings settings;
    settings.numbers = {",", "."};
    ChampionshipTables tables = championshipTables(champions(), settings);
    const std::vector<std::string> drivers = {
        "Driver Championships",
        "",
        "                              Wins Races  Pts ",
        "",
        "  1957 Alexander Wurz-Longna    1    81.040,3",
        "  1956 Juan Manuel Fangio       3    8     30",
        "  1955 Juan Manuel Fangio       4    7     40",
        "  1954 Juan Manuel Fangio       6    9     42",
        "  1953 Alberto Ascari           5    9   34,5",
        "  1952 Alberto Ascari           6    8     36",
        "  1950 Nino Farina              3    7     30",
    };
    EXPECT_EQ(tables.drivers, drivers);
    const std::vector<std::string> constructors = {
        "Constructor Championships",
        "",
        "                              Wins Races  Pts ",
        "",
        "  1966 Brabham-Repco Racing     4    9     42",
        "  1960 Cooper-Climax            6   10     48",
        "  1959 Cooper-Climax            5    9     40",
        "  1958 Vanwall                  6   11     48",
        "",
        "No constructor's championship prior to 1958.",
    };
    EXPECT_EQ(tables.constructors, constructors);
}

TEST(Championships, PointsInTheUsersDecimalCharacter) {
    Database db;
    db.DriverChampList.add("1953|9|Alberto Ascari|Ferrari|5|34.5");
    db.DriverChampList.add("1954|9|Juan Manuel Fangio|Maserati|6|42.0");
    ViewSettings settings; // "." and ","
    ChampionshipTables tables = championshipTables(db, settings);
    EXPECT_EQ(tables.drivers[4], "  1954 Juan Manuel Fangio       6    9     42");
    EXPECT_EQ(tables.drivers[5], "  1953 Alberto Ascari           5    9   34.5");
}

TEST(Championships, SuccessTableAndTitleCounts) {
    ChampionshipTables tables = championshipTables(champions(), ViewSettings{});
    const std::vector<std::string> success = {
        "Championship Success",
        "",
        "Driver",
        "",
        " Juan Manuel Fangio    3",
        " Alberto Ascari        2",
        " Nino Farina           1",
        " Alexander Wurz-Long   1",
        " ",
        "Constructor",
        "",
        " Cooper-Climax         2",
        " Vanwall               1",
        " Brabham-Repco Racin   1",
    };
    EXPECT_EQ(tables.success, success);
    EXPECT_EQ(tables.driverChampsFile,
              (std::vector<std::string>{"0001|Alexander Wurz-Longnamerson the Third", "0001|Nino Farina",
                                        "0002|Alberto Ascari", "0003|Juan Manuel Fangio"}));
    EXPECT_EQ(tables.teamChampsFile,
              (std::vector<std::string>{"0001|Brabham-Repco Racing", "0001|Vanwall", "0002|Cooper-Climax"}));
}

TEST(Championships, NamesDifferingInCaseAreOneChampion) {
    Database db;
    for (const char* line : {"1960|10|Jack Brabham|Cooper-Climax|5|43", "1959|9|jack brabham|Cooper-Climax|2|31",
                             "1966|9|Jack Brabham|Brabham-Repco|4|42"})
        db.DriverChampList.add(line);
    ChampionshipTables tables = championshipTables(db, ViewSettings{});
    // Written as met from the latest season; only exact spellings are counted.
    EXPECT_EQ(tables.driverChampsFile, (std::vector<std::string>{"0002|Jack Brabham"}));
}

TEST(Championships, TitleCountFilesWrittenWithCrLf) {
    ChampionshipTables tables = championshipTables(champions(), ViewSettings{});
    tables_testing::MemoryFileSystem files;
    files.files["/prog/DriverChamps.txt"] = "old";
    std::string error;
    ASSERT_TRUE(writeTitleCountFiles(files, "/prog/", tables, &error)) << error;
    EXPECT_EQ(files.files["/prog/DriverChamps.txt"],
              "0001|Alexander Wurz-Longnamerson the Third\r\n0001|Nino Farina\r\n0002|Alberto Ascari\r\n"
              "0003|Juan Manuel Fangio\r\n");
    EXPECT_EQ(files.files["/prog/TeamChamps.txt"], "0001|Brabham-Repco Racing\r\n0001|Vanwall\r\n0002|Cooper-Climax\r\n");
    // A directory given without its separator still gets the files inside it.
    tables_testing::MemoryFileSystem other;
    ASSERT_TRUE(writeTitleCountFiles(other, "/prog", tables));
    EXPECT_EQ(other.files.count("/prog/TeamChamps.txt"), 1u);
}

TEST(Championships, FailedWriteIsReportedAndKeepsTheOldFile) {
    ChampionshipTables tables = championshipTables(champions(), ViewSettings{});
    tables_testing::MemoryFileSystem files;
    files.files["/prog/DriverChamps.txt"] = "old";
    files.failWrites = true;
    files.writeError = "disk full";
    std::string error;
    EXPECT_FALSE(writeTitleCountFiles(files, "/prog/", tables, &error));
    EXPECT_NE(error.find("DriverChamps.txt"), std::string::npos);
    EXPECT_NE(error.find("disk full"), std::string::npos);
    EXPECT_EQ(files.files["/prog/DriverChamps.txt"], "old");
}

TEST(Championships, RealData) {
    const Database* db = tables_testing::embeddedData();
    ASSERT_NE(db, nullptr);
    ChampionshipTables tables = championshipTables(*db, ViewSettings{});
    ASSERT_EQ(tables.drivers.size(), 4u + 68u); // 68 seasons of champions
    EXPECT_EQ(tables.drivers[4], "  2017 Lewis Hamilton           9   20    363");
    EXPECT_EQ(tables.drivers.back(), "  1950 Nino Farina              3    7     30");
    ASSERT_EQ(tables.constructors.size(), 4u + 60u + 2u);
    EXPECT_EQ(tables.success[4], " Michael Schumacher    7");
    EXPECT_EQ(tables.success[5], " Juan Manuel Fangio    5");
    EXPECT_EQ(tables.driverChampsFile.back(), "0007|Michael Schumacher");
    EXPECT_EQ(tables.teamChampsFile.back(), "0016|Ferrari");
    auto constructorHalf = std::find(tables.success.begin(), tables.success.end(), "Constructor");
    ASSERT_NE(constructorHalf, tables.success.end());
    EXPECT_EQ(*(constructorHalf + 2), " Ferrari              16");

    const Database* updated = tables_testing::updatedData();
    ASSERT_NE(updated, nullptr);
    ChampionshipTables later = championshipTables(*updated, ViewSettings{});
    EXPECT_EQ(later.drivers[4], "  2025 Lando Norris             7   24    423");
    EXPECT_EQ(later.driverChampsFile.back(), "0007|Michael Schumacher");
    EXPECT_EQ(later.driverChampsFile[later.driverChampsFile.size() - 2], "0007|Lewis Hamilton");
}
