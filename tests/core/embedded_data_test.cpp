// The tables compiled into the program keep the properties the views rely on.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "data/RaceDataUnit.h"

using namespace velmora;

namespace {
struct Embedded : ::testing::Test {
    Database db;
    void SetUp() override {
        fillEmbeddedTables(db);
        db.splitRaces();
    }
};
} // namespace

TEST_F(Embedded, CountsAndSeasons) {
    EXPECT_EQ(db.RaceList.size(), 976u);
    EXPECT_EQ(db.CommentList.size(), 976u);
    EXPECT_EQ(db.DriverChampList.size(), 68u);
    EXPECT_EQ(db.TeamChampList.size(), 60u);
    const std::map<int, int> perSeason = {
        {1950, 7},  {1951, 8},  {1952, 8},  {1953, 9},  {1954, 9},  {1955, 7},  {1956, 8},  {1957, 8},  {1958, 11},
        {1959, 9},  {1960, 10}, {1961, 8},  {1962, 9},  {1963, 10}, {1964, 10}, {1965, 10}, {1966, 9},  {1967, 11},
        {1968, 12}, {1969, 11}, {1970, 13}, {1971, 11}, {1972, 12}, {1973, 15}, {1974, 15}, {1975, 14}, {1976, 16},
        {1977, 17}, {1978, 16}, {1979, 15}, {1980, 14}, {1981, 15}, {1982, 16}, {1983, 15}, {1984, 16}, {1985, 16},
        {1986, 16}, {1987, 16}, {1988, 16}, {1989, 16}, {1990, 16}, {1991, 16}, {1992, 16}, {1993, 16}, {1994, 16},
        {1995, 17}, {1996, 16}, {1997, 17}, {1998, 16}, {1999, 16}, {2000, 17}, {2001, 17}, {2002, 17}, {2003, 16},
        {2004, 18}, {2005, 19}, {2006, 18}, {2007, 17}, {2008, 18}, {2009, 17}, {2010, 19}, {2011, 19}, {2012, 20},
        {2013, 19}, {2014, 19}, {2015, 19}, {2016, 21}, {2017, 20}};
    std::map<int, int> counted;
    for (int n = 1; n <= 976; ++n) counted[raceSeason(db.race(n)[1])]++;
    EXPECT_EQ(counted, perSeason);
    // Field 2 of the championship records states the season's races; 2007 states 18.
    for (const auto& record : db.DriverChampList) {
        LineFields f = splitrecord(record);
        int season = std::stoi(f[1]);
        EXPECT_EQ(std::stoi(f[2]), season == 2007 ? 18 : perSeason.at(season)) << record;
    }
}

TEST_F(Embedded, RecordsAreWellFormedAndInDateOrder) {
    int previous = 0;
    for (int n = 1; n <= 976; ++n) {
        const std::string& line = db.RaceList[static_cast<size_t>(n - 1)];
        EXPECT_EQ(std::count(line.begin(), line.end(), '|'), 19) << n;
        Date d = raceDate(db.race(n)[1]);
        ASSERT_TRUE(isValidDate(d.year, d.month, d.day)) << n;
        int key = d.year * 10000 + d.month * 100 + d.day;
        EXPECT_GT(key, previous) << n;
        previous = key;
        for (int k : {5, 11, 16, 8, 14, 19, 2, 3}) EXPECT_FALSE(db.race(n)[k].empty()) << n << " field " << k;
        for (int k : {5, 6, 7, 11, 12, 13, 16, 17, 18})
            if (!db.race(n)[k].empty()) {
                EXPECT_NE(db.race(n)[k].find(' '), std::string::npos) << n;
            }
    }
    for (const auto& c : db.CommentList) {
        EXPECT_EQ(c.find('|'), std::string::npos);
        EXPECT_LE(c.size(), 889u);
    }
}

TEST_F(Embedded, SharedPlacesAndTellingRecords) {
    int shared[3] = {0, 0, 0};
    std::vector<int> sharedWins, threeDrivers;
    for (int n = 1; n <= 976; ++n) {
        const LineFields& f = db.race(n);
        int base[3] = {5, 11, 16};
        for (int p = 0; p < 3; ++p) {
            if (!f[base[p] + 1].empty()) ++shared[p];
            if (!f[base[p] + 2].empty()) threeDrivers.push_back(n);
        }
        if (!f[6].empty()) sharedWins.push_back(n);
    }
    EXPECT_EQ(shared[0], 3);
    EXPECT_EQ(shared[1], 8);
    EXPECT_EQ(shared[2], 9);
    EXPECT_EQ(sharedWins, (std::vector<int>{11, 49, 61}));
    EXPECT_EQ(threeDrivers, (std::vector<int>{42, 42}));

    EXPECT_EQ(db.RaceList.front(), db.RaceList[0]);
    const LineFields& first = db.race(1);
    EXPECT_EQ(first[1], "13/05/1950");
    EXPECT_EQ(first[3], "Silverstone");
    EXPECT_EQ(first[2], "Great Britain");
    EXPECT_EQ(first[4], "202.23");
    EXPECT_EQ(first[10], "90.95");
    const LineFields& last = db.race(976);
    EXPECT_EQ(last[1], "26/11/2017");
    EXPECT_EQ(last[3], "Yas Marina");
    EXPECT_EQ(last[4], "189.7264");
    EXPECT_EQ(last[10], "120.8008");
    EXPECT_EQ(db.race(11)[3], "Rheims");
    EXPECT_EQ(db.race(11)[4], "373.961");
    EXPECT_EQ(db.race(799)[1], "14/09/2008");
    EXPECT_EQ(db.race(799)[3], "Monza");
    EXPECT_EQ(db.race(940)[1], "15/05/2016");
    EXPECT_EQ(db.race(940)[3], "Montmelo");

    int indianapolis = 0;
    for (int n = 1; n <= 976; ++n)
        if (db.race(n)[3] == "Indianapolis") {
            ++indianapolis;
            EXPECT_EQ(db.race(n)[2], "United States");
        }
    EXPECT_EQ(indianapolis, 19);

    EXPECT_EQ(db.DriverChampList.front(), "1950|7|Nino Farina|Alpha Romeo|3|30");
    EXPECT_EQ(db.DriverChampList.back(), "2017|20|Lewis Hamilton|Mercedes-Mercedes|9|363");
    EXPECT_EQ(db.TeamChampList.front(), "1958|11|Vanwall|6|48");
    EXPECT_EQ(db.TeamChampList.back(), "2017|20|Mercedes-Mercedes|12|668");
}

TEST_F(Embedded, FillingTwiceGivesTheSameLists) {
    db.RaceList.clear();
    fillEmbeddedTables(db);
    EXPECT_EQ(db.RaceList.size(), 976u);
    EXPECT_EQ(db.CommentList.size(), 976u);
    EXPECT_EQ(db.DriverChampList.size(), 68u);
}
