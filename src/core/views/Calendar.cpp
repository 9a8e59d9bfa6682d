// The season race calendar: the races of the current season with their dates, and
// the first three places of every race already in the data.

#include <string>

#include "views/Views.h"

namespace velmora {

namespace {

struct CalendarRace {
    const char* date; // yyyymmdd
    const char* country;
    const char* circuit;
};

constexpr CalendarRace k2018[] = {
    {"20180325", "Australia", "Melbourne"},
    {"20180408", "Bahrain", "Sakhir"},
    {"20180415", "China", "Shanghai"},
    {"20180429", "Azerbaijan", "Baku"},
    {"20180513", "Spain", "Montmelo"},
    {"20180527", "Monaco", "Monte Carlo"},
    {"20180610", "Canada", "Montreal"},
    {"20180624", "France", "Paul Ricard"},
    {"20180701", "Austria", "A1 Ring"},
    {"20180708", "Great Britain", "Silverstone"},
    {"20180722", "Germany", "Hockenheim"},
    {"20180729", "Hungary", "Hungaroring"},
    {"20180826", "Belgium", "Spa"},
    {"20180902", "Italy", "Monza"},
    {"20180916", "Singapore", "Marina Bay"},
    {"20180930", "Russia", "Sochi"},
    {"20181007", "Japan", "Suzuka"},
    {"20181021", "United States", "Austin"},
    {"20181028", "Mexico", "Mexico City"},
    {"20181111", "Brazil", "Interlagos"},
    {"20181125", "Abu Dhabi", "Yas Marina"},
};

// Later seasons as they were run, with the venue and circuit names the race records use.
constexpr CalendarRace k2019[] = {
    {"20190317", "Australia", "Melbourne"},
    {"20190331", "Bahrain", "Sakhir"},
    {"20190414", "China", "Shanghai"},
    {"20190428", "Azerbaijan", "Baku"},
    {"20190512", "Spain", "Montmelo"},
    {"20190526", "Monaco", "Monte Carlo"},
    {"20190609", "Canada", "Montreal"},
    {"20190623", "France", "Paul Ricard"},
    {"20190630", "Austria", "A1 Ring"},
    {"20190714", "Great Britain", "Silverstone"},
    {"20190728", "Germany", "Hockenheim"},
    {"20190804", "Hungary", "Hungaroring"},
    {"20190901", "Belgium", "Spa"},
    {"20190908", "Italy", "Monza"},
    {"20190922", "Singapore", "Marina Bay"},
    {"20190929", "Russia", "Sochi"},
    {"20191013", "Japan", "Suzuka"},
    {"20191027", "Mexico", "Mexico City"},
    {"20191103", "United States", "Austin"},
    {"20191117", "Brazil", "Interlagos"},
    {"20191201", "Abu Dhabi", "Yas Marina"},
};
constexpr CalendarRace k2020[] = {
    {"20200705", "Austria", "A1 Ring"},
    {"20200712", "Styria (Austria)", "A1 Ring"},
    {"20200719", "Hungary", "Hungaroring"},
    {"20200802", "Great Britain", "Silverstone"},
    {"20200809", "70th Anniversary (GB)", "Silverstone"},
    {"20200816", "Spain", "Montmelo"},
    {"20200830", "Belgium", "Spa"},
    {"20200906", "Italy", "Monza"},
    {"20200913", "Tuscany (Italy)", "Mugello"},
    {"20200927", "Russia", "Sochi"},
    {"20201011", "Eifel (GER)", "Nurburgring (New)"},
    {"20201025", "Portugal", "Portimao"},
    {"20201101", "Emilia Romagna (Italy)", "Imola"},
    {"20201115", "Turkey", "Istanbul"},
    {"20201129", "Bahrain", "Sakhir"},
    {"20201206", "Sakhir (Bahrain)", "Sakhir"},
    {"20201213", "Abu Dhabi", "Yas Marina"},
};
constexpr CalendarRace k2021[] = {
    {"20210328", "Bahrain", "Sakhir"},
    {"20210418", "Emilia Romagna (Italy)", "Imola"},
    {"20210502", "Portugal", "Portimao"},
    {"20210509", "Spain", "Montmelo"},
    {"20210523", "Monaco", "Monte Carlo"},
    {"20210606", "Azerbaijan", "Baku"},
    {"20210620", "France", "Paul Ricard"},
    {"20210627", "Styria (Austria)", "A1 Ring"},
    {"20210704", "Austria", "A1 Ring"},
    {"20210718", "Great Britain", "Silverstone"},
    {"20210801", "Hungary", "Hungaroring"},
    {"20210829", "Belgium", "Spa"},
    {"20210905", "Netherlands", "Zandvoort"},
    {"20210912", "Italy", "Monza"},
    {"20210926", "Russia", "Sochi"},
    {"20211003", "Turkey", "Istanbul"},
    {"20211024", "United States", "Austin"},
    {"20211107", "Mexico", "Mexico City"},
    {"20211114", "Brazil", "Interlagos"},
    {"20211121", "Qatar", "Losail"},
    {"20211205", "Saudi Arabia", "Jeddah"},
    {"20211212", "Abu Dhabi", "Yas Marina"},
};
constexpr CalendarRace k2022[] = {
    {"20220320", "Bahrain", "Sakhir"},
    {"20220327", "Saudi Arabia", "Jeddah"},
    {"20220410", "Australia", "Melbourne"},
    {"20220424", "Emilia Romagna (Italy)", "Imola"},
    {"20220508", "United States", "Miami"},
    {"20220522", "Spain", "Montmelo"},
    {"20220529", "Monaco", "Monte Carlo"},
    {"20220612", "Azerbaijan", "Baku"},
    {"20220619", "Canada", "Montreal"},
    {"20220703", "Great Britain", "Silverstone"},
    {"20220710", "Austria", "A1 Ring"},
    {"20220724", "France", "Paul Ricard"},
    {"20220731", "Hungary", "Hungaroring"},
    {"20220828", "Belgium", "Spa"},
    {"20220904", "Netherlands", "Zandvoort"},
    {"20220911", "Italy", "Monza"},
    {"20221002", "Singapore", "Marina Bay"},
    {"20221009", "Japan", "Suzuka"},
    {"20221023", "United States", "Austin"},
    {"20221030", "Mexico", "Mexico City"},
    {"20221113", "Brazil", "Interlagos"},
    {"20221120", "Abu Dhabi", "Yas Marina"},
};
constexpr CalendarRace k2023[] = {
    {"20230305", "Bahrain", "Sakhir"},
    {"20230319", "Saudi Arabia", "Jeddah"},
    {"20230402", "Australia", "Melbourne"},
    {"20230430", "Azerbaijan", "Baku"},
    {"20230507", "United States", "Miami"},
    {"20230528", "Monaco", "Monte Carlo"},
    {"20230604", "Spain", "Montmelo"},
    {"20230618", "Canada", "Montreal"},
    {"20230702", "Austria", "A1 Ring"},
    {"20230709", "Great Britain", "Silverstone"},
    {"20230723", "Hungary", "Hungaroring"},
    {"20230730", "Belgium", "Spa"},
    {"20230827", "Netherlands", "Zandvoort"},
    {"20230903", "Italy", "Monza"},
    {"20230917", "Singapore", "Marina Bay"},
    {"20230924", "Japan", "Suzuka"},
    {"20231008", "Qatar", "Losail"},
    {"20231022", "United States", "Austin"},
    {"20231029", "Mexico", "Mexico City"},
    {"20231105", "Brazil", "Interlagos"},
    {"20231119", "United States", "Las Vegas"},
    {"20231126", "Abu Dhabi", "Yas Marina"},
};
constexpr CalendarRace k2024[] = {
    {"20240302", "Bahrain", "Sakhir"},
    {"20240309", "Saudi Arabia", "Jeddah"},
    {"20240324", "Australia", "Melbourne"},
    {"20240407", "Japan", "Suzuka"},
    {"20240421", "China", "Shanghai"},
    {"20240505", "United States", "Miami"},
    {"20240519", "Emilia Romagna (Italy)", "Imola"},
    {"20240526", "Monaco", "Monte Carlo"},
    {"20240609", "Canada", "Montreal"},
    {"20240623", "Spain", "Montmelo"},
    {"20240630", "Austria", "A1 Ring"},
    {"20240707", "Great Britain", "Silverstone"},
    {"20240721", "Hungary", "Hungaroring"},
    {"20240728", "Belgium", "Spa"},
    {"20240825", "Netherlands", "Zandvoort"},
    {"20240901", "Italy", "Monza"},
    {"20240915", "Azerbaijan", "Baku"},
    {"20240922", "Singapore", "Marina Bay"},
    {"20241020", "United States", "Austin"},
    {"20241027", "Mexico", "Mexico City"},
    {"20241103", "Brazil", "Interlagos"},
    {"20241124", "United States", "Las Vegas"},
    {"20241201", "Qatar", "Losail"},
    {"20241208", "Abu Dhabi", "Yas Marina"},
};
constexpr CalendarRace k2025[] = {
    {"20250316", "Australia", "Melbourne"},
    {"20250323", "China", "Shanghai"},
    {"20250406", "Japan", "Suzuka"},
    {"20250413", "Bahrain", "Sakhir"},
    {"20250420", "Saudi Arabia", "Jeddah"},
    {"20250504", "United States", "Miami"},
    {"20250518", "Emilia Romagna (Italy)", "Imola"},
    {"20250525", "Monaco", "Monte Carlo"},
    {"20250601", "Spain", "Montmelo"},
    {"20250615", "Canada", "Montreal"},
    {"20250629", "Austria", "A1 Ring"},
    {"20250706", "Great Britain", "Silverstone"},
    {"20250727", "Belgium", "Spa"},
    {"20250803", "Hungary", "Hungaroring"},
    {"20250831", "Netherlands", "Zandvoort"},
    {"20250907", "Italy", "Monza"},
    {"20250921", "Azerbaijan", "Baku"},
    {"20251005", "Singapore", "Marina Bay"},
    {"20251019", "United States", "Austin"},
    {"20251026", "Mexico", "Mexico City"},
    {"20251109", "Brazil", "Interlagos"},
    {"20251123", "United States", "Las Vegas"},
    {"20251130", "Qatar", "Losail"},
    {"20251207", "Abu Dhabi", "Yas Marina"},
};

struct SeasonCalendar {
    int season;
    const CalendarRace* races;
    size_t count;
};

template <size_t N>
constexpr SeasonCalendar calendarOf(int season, const CalendarRace (&races)[N]) {
    return {season, races, N};
}

constexpr SeasonCalendar kCalendars[] = {
    calendarOf(2018, k2018), calendarOf(2019, k2019), calendarOf(2020, k2020), calendarOf(2021, k2021),
    calendarOf(2022, k2022), calendarOf(2023, k2023), calendarOf(2024, k2024), calendarOf(2025, k2025),
};

} // namespace

std::vector<std::string> buildCalendar(int currentSeason) {
    std::vector<std::string> list;
    for (const SeasonCalendar& calendar : kCalendars) {
        if (calendar.season != currentSeason) continue;
        for (size_t i = 0; i < calendar.count; ++i) {
            const CalendarRace& race = calendar.races[i];
            list.push_back(std::string(race.date) + "|" + race.country + "|" + race.circuit);
        }
    }
    return list;
}

CalendarPage calendarPage(const Database& db, const Clock& clock) {
    CalendarPage page;
    const int season = db.LastSeason;
    std::vector<std::string> calendar = buildCalendar(season);
    if (calendar.empty()) {
        page.message = "Calendar Data does not exist for " + std::to_string(season);
        return page;
    }
    page.exists = true;
    auto line = [&page](std::string text, std::uint32_t colour) { page.coloured.push_back({std::move(text), colour}); };

    line("   " + std::to_string(season) + " Race Calendar", colour::Red);
    line("", colour::Red);

    // The races before the current season: step back over the season's races at the end.
    int before = db.RaceCount;
    while (before > 0 && raceSeason(db.race(before)[1]) == season) --before;
    const int inSeason = db.RaceCount - before;

    for (size_t i = 1; i <= calendar.size(); ++i) {
        LineFields entry = splitrecord(calendar[i - 1]);
        DateTime when = compactdate(entry[1], clock);
        std::string date = longdatetext(Date{when.year, when.month, when.day}, 23);
        line("   " + padtowidth(date, 25) + entry[2] + ", " + entry[3], colour::Maroon);
        line("", colour::Maroon);

        int n = before + static_cast<int>(i);
        if (inSeason > 0 && n <= db.RaceCount) {
            const LineFields& f = db.race(n);
            std::string results = padtowidth("   1st " + f[5] + ", " + f[8], 42);
            results = padtowidth(results + "2nd " + f[11] + ", " + f[14], 84);
            results += "3rd " + f[16] + ", " + f[19];
            line("   " + results, colour::Green);
            line("", colour::Green);
        }
    }
    line("   Completed " + std::to_string(inSeason) + " of " + std::to_string(calendar.size()) + " Races.",
         colour::Blue);
    return page;
}

} // namespace velmora
