// The race win tables: drivers, constructors and engines ranked by wins, built from
// the win lists that start-up counted.

#include <cstdio>
#include <string>
#include <string_view>

#include "views/Views.h"

namespace velmora {

namespace {

// The whole number written in text[pos, pos+len); characters that are not digits end it.
int countAt(std::string_view text, size_t pos, size_t len) {
    int value = 0;
    for (size_t i = pos; i < pos + len && i < text.size(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string rightAligned(int value, int width) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%*d", width, value);
    return buffer;
}

// " rank name-padded-to-25 count": the row layout shared by the three tables.
std::string rowStart(size_t rank, const std::string& name, int wins) {
    std::string row = " ";
    row += rightAligned(static_cast<int>(rank), 3);
    row += ' ';
    row += padtowidth(name, 25);
    row += rightAligned(wins, 4);
    return row;
}

// Rows of a "count|name" list, most wins first.
void appendCountRows(std::vector<std::string>& rows, const StringList& list) {
    const size_t n = list.size();
    for (size_t k = n; k-- > 0;) {
        const std::string& entry = list[k];
        size_t bar = entry.find('|');
        std::string name = bar == std::string::npos ? std::string() : entry.substr(bar + 1);
        int wins = countAt(entry, 0, bar == std::string::npos ? entry.size() : bar);
        rows.push_back(rowStart(n - k, name, wins));
    }
}

} // namespace

WinTables winTables(const Database& db) {
    WinTables tables;

    tables.drivers = {"Driver Win List", ""};
    const StringList& drivers = db.DriverWinList;
    const size_t n = drivers.size();
    for (size_t k = n; k-- > 0;) {
        const std::string& entry = drivers[k];
        int sole = countAt(entry, 0, 4);
        int shared = countAt(entry, 4, 4);
        if (sole + shared <= 0) continue;
        size_t bar = entry.find('|');
        std::string name = bar == std::string::npos ? std::string() : entry.substr(bar + 1);
        std::string row = rowStart(n - k, name, sole);
        if (shared > 0) row += " (+ " + std::to_string(shared) + " shared)";
        tables.drivers.push_back(std::move(row));
    }
    tables.drivers.insert(tables.drivers.end(), {"", "Note: Drivers with the same number of wins are",
                                                 "then ordered by the number of 2nds and 3rds.", ""});

    tables.constructors = {"Constructor Win List", ""};
    appendCountRows(tables.constructors, db.TeamWinList);

    tables.engines = {"Engine Win List", ""};
    appendCountRows(tables.engines, db.EngineWinList);
    return tables;
}

} // namespace velmora
