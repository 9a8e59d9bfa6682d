#pragma once
// Everything start-up loads and derives: the race and championship lists, the name
// lists behind the six drop-down boxes, the win counts, the season table, the record
// races and the opening text. Built once per run and then only read.

#include <string>
#include <vector>

#include "data/StringList.h"
#include "text/Routines.h"

namespace velmora {

struct RaceSeasonEntry {
    int season = 0;
    int number = 0; // running number within the season, from 1
};

struct Database {
    // Race records (20 fields) and their comments, parallel, in date order.
    StringList RaceList{StringList::Mode::Unsorted};
    StringList CommentList{StringList::Mode::Unsorted};
    // Championship records, sorted and free of repeats: season order.
    StringList DriverChampList{StringList::Mode::SortedUnique};
    StringList TeamChampList{StringList::Mode::SortedUnique};

    // Derived name lists; entry i is item i of the matching drop-down box.
    StringList DriverList{StringList::Mode::SortedUnique}; // display form "|" stored form
    StringList TeamList{StringList::Mode::SortedUnique};
    StringList EngineList{StringList::Mode::SortedUnique};
    StringList CircuitList{StringList::Mode::SortedUnique};
    StringList VenueList{StringList::Mode::SortedUnique};
    StringList SeasonList{StringList::Mode::SortedUnique};

    // Win counts: "24-digit key|stored name", "4-digit count|team", "4-digit count|engine".
    StringList DriverWinList{StringList::Mode::Sorted};
    StringList TeamWinList{StringList::Mode::Sorted};
    StringList EngineWinList{StringList::Mode::Sorted};

    // Entry n (1 to RaceCount) is race n; entry 0 is unused.
    std::vector<RaceSeasonEntry> RaceSeasonTable;

    int FirstSeason = 0;
    int LastSeason = 0;
    int RaceCount = 0;

    // Record races (race numbers, 0 when none qualifies).
    int LongestRace = 0, ShortestRace = 0, FastestRace = 0, SlowestRace = 0;
    int YoungestWinnerRace = 0, OldestWinnerRace = 0;

    bool updateMerged = false; // the update file was found and merged

    // The opening screen (Memo1), line by line.
    std::vector<std::string> openingText;
    // Captions of the First and Last season buttons.
    std::string firstButtonCaption, lastButtonCaption;

    // Race n split into its fields (n from 1 to RaceCount), kept so that views need not
    // split a record again.
    const LineFields& race(int n) const { return raceFields_[static_cast<size_t>(n - 1)]; }
    const std::string& comment(int n) const { return CommentList[static_cast<size_t>(n - 1)]; }
    void splitRaces();

    // Stored form of DriverList entry i, and its display form.
    std::string driverStored(size_t i) const;
    std::string driverDisplay(size_t i) const;

private:
    std::vector<LineFields> raceFields_;
};

// The display form of a stored driver name: the text after its last blank, a blank,
// and the text before that blank. A name without a blank is shown as it stands.
std::string displayForm(const std::string& stored);
// The stored form of a display-form name (the inverse of displayForm for names with a
// blank: the first word moves to the end).
std::string storedForm(const std::string& display);

} // namespace velmora
