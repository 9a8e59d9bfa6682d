#pragma once
#include "data/Database.h"

namespace velmora {
// Fills DriverChampList, TeamChampList and CommentList anew from the embedded tables
// and appends the embedded race records to RaceList (which the caller has emptied).
void fillEmbeddedTables(Database& db);
} // namespace velmora
