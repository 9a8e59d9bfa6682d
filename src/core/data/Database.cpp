#include "data/Database.h"

namespace velmora {

void Database::splitRaces() {
    raceFields_.clear();
    raceFields_.reserve(RaceList.size());
    for (const auto& line : RaceList) raceFields_.push_back(splitrecord(line));
}

std::string displayForm(const std::string& stored) {
    size_t blank = stored.rfind(' ');
    if (blank == std::string::npos) return stored;
    return stored.substr(blank + 1) + " " + stored.substr(0, blank);
}

std::string storedForm(const std::string& display) {
    size_t blank = display.find(' ');
    if (blank == std::string::npos) return display;
    return display.substr(blank + 1) + " " + display.substr(0, blank);
}

std::string Database::driverStored(size_t i) const {
    const std::string& entry = DriverList[i];
    size_t bar = entry.find('|');
    return bar == std::string::npos ? entry : entry.substr(bar + 1);
}

std::string Database::driverDisplay(size_t i) const {
    const std::string& entry = DriverList[i];
    return entry.substr(0, entry.find('|'));
}

} // namespace velmora
