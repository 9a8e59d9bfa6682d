#include "data/RaceDataUnit.h"

#include "data/EmbeddedText.h"
#include "data/TextFile.h"

namespace velmora {

void fillEmbeddedTables(Database& db) {
    db.DriverChampList.clear();
    for (auto line : embeddedLines(embedded::driverChamps)) db.DriverChampList.add(std::string(line));
    db.TeamChampList.clear();
    for (auto line : embeddedLines(embedded::teamChamps)) db.TeamChampList.add(std::string(line));
    db.CommentList.clear();
    for (auto line : embeddedLines(embedded::comments)) db.CommentList.add(std::string(line));
    for (auto line : embeddedLines(embedded::races)) db.RaceList.add(std::string(line));
}

} // namespace velmora
