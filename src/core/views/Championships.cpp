// The championship tables: the champion of every season, drivers and constructors,
// and the number of titles of each champion; also the two title count files.

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>

#include "data/TextFile.h"
#include "views/Views.h"

namespace velmora {

namespace {

// Characters on screen: UTF-8 continuation bytes take no column.
size_t columns(std::string_view text) {
    size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string alignRight(std::string text, size_t width) {
    size_t used = columns(text);
    if (used < width) text.insert(0, width - used, ' ');
    return text;
}

bool readWhole(std::string_view text, long long& value) {
    if (text.empty()) return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

bool readDecimal(std::string_view text, double& value) {
    if (text.empty()) return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

// A value with one decimal and thousands grouping, in the user's characters.
std::string oneDecimal(double value, const NumberFormat& numbers) {
    char buffer[64];
    // Halves round away from zero, as the points were always shown.
    std::snprintf(buffer, sizeof buffer, "%.1f", std::round(std::fabs(value) * 10.0) / 10.0);
    std::string digits(buffer);
    size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    std::string grouped;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) grouped += numbers.grouping;
        grouped += whole[i];
    }
    std::string text = grouped + numbers.decimal + digits.substr(point + 1);
    if (value < 0 && text.find_first_not_of("0.,") != std::string::npos) text.insert(0, "-");
    return text;
}

// A whole-number column ("%5d"); text that is not a whole number is shown as it stands.
std::string countColumn(const std::string& field, size_t width) {
    long long value = 0;
    if (readWhole(field, value)) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%*lld", static_cast<int>(width), value);
        return buffer;
    }
    return alignRight(field, width);
}

// The points column: "%7d" for a whole number of points, else one decimal ("%7.1n").
std::string pointsColumn(const std::string& field, const NumberFormat& numbers) {
    double value = 0;
    if (!readDecimal(field, value)) return alignRight(field, 7);
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%7lld", static_cast<long long>(value));
        return buffer;
    }
    return alignRight(oneDecimal(value, numbers), 7);
}

// "  season name " cut or padded to 28 characters, then wins, races and points.
std::string championRow(const std::string& season, const std::string& name, const std::string& wins,
                        const std::string& races, const std::string& points, const NumberFormat& numbers) {
    std::string row = padtowidth("  " + season + " " + name + " ", 28).substr(0, 28);
    row += countColumn(wins, 5);
    row += countColumn(races, 5);
    row += pointsColumn(points, numbers);
    return row;
}

const char* const kColumnHeading = "                              Wins Races  Pts ";

// Title counts: "nnnn|name" for every distinct champion, in ascending order.
std::vector<std::string> titleCounts(const StringList& champions) {
    std::vector<LineFields> records;
    records.reserve(champions.size());
    for (const std::string& line : champions) records.push_back(splitrecord(line));

    StringList names(StringList::Mode::SortedUnique);
    for (size_t k = records.size(); k-- > 0;) names.add(records[k][3]);

    StringList entries(StringList::Mode::Sorted);
    for (const std::string& name : names) {
        int titles = 0;
        for (const LineFields& record : records)
            if (record[3] == name) ++titles;
        char count[16];
        std::snprintf(count, sizeof count, "%04d", titles);
        entries.add(std::string(count) + "|" + name);
    }
    return entries.lines();
}

// Success rows, most titles first: " name-cut-to-19 titles".
void appendSuccessRows(std::vector<std::string>& rows, const std::vector<std::string>& entries) {
    for (size_t k = entries.size(); k-- > 0;) {
        const std::string& entry = entries[k];
        size_t bar = entry.find('|');
        int titles = std::atoi(entry.substr(0, bar).c_str());
        std::string name = entry.substr(bar + 1);
        char count[16];
        std::snprintf(count, sizeof count, "%4d", titles);
        rows.push_back(" " + padtowidth(name, 20).substr(0, 19) + count);
    }
}


} // namespace

ChampionshipTables championshipTables(const Database& db, const ViewSettings& settings) {
    ChampionshipTables tables;
    const NumberFormat& numbers = settings.numbers;

    tables.drivers = {"Driver Championships", "", kColumnHeading, ""};
    for (size_t k = db.DriverChampList.size(); k-- > 0;) {
        LineFields f = splitrecord(db.DriverChampList[k]);
        tables.drivers.push_back(championRow(f[1], f[3], f[5], f[2], f[6], numbers));
    }

    tables.constructors = {"Constructor Championships", "", kColumnHeading, ""};
    for (size_t k = db.TeamChampList.size(); k-- > 0;) {
        LineFields f = splitrecord(db.TeamChampList[k]);
        tables.constructors.push_back(championRow(f[1], f[3], f[4], f[2], f[5], numbers));
    }
    tables.constructors.push_back("");
    tables.constructors.push_back("No constructor's championship prior to 1958.");

    tables.driverChampsFile = titleCounts(db.DriverChampList);
    tables.teamChampsFile = titleCounts(db.TeamChampList);

    tables.success = {"Championship Success", "", "Driver", ""};
    appendSuccessRows(tables.success, tables.driverChampsFile);
    tables.success.insert(tables.success.end(), {" ", "Constructor", ""});
    appendSuccessRows(tables.success, tables.teamChampsFile);
    return tables;
}

bool writeTitleCountFiles(FileSystem& files, const std::string& programDir, const ChampionshipTables& tables,
                          std::string* error) {
    std::string dir = programDir;
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += '/';
    // Both files are attempted; the first failure is the one reported.
    std::string driverReason, teamReason;
    bool driversOk = files.writeFileAtomic(dir + "DriverChamps.txt", joinLinesCrlf(tables.driverChampsFile), &driverReason);
    bool teamsOk = files.writeFileAtomic(dir + "TeamChamps.txt", joinLinesCrlf(tables.teamChampsFile), &teamReason);
    if (error) {
        if (!driversOk) *error = "DriverChamps.txt: " + driverReason;
        else if (!teamsOk) *error = "TeamChamps.txt: " + teamReason;
    }
    return driversOk && teamsOk;
}

} // namespace velmora
