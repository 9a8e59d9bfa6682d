#include "update/UpdateEditor.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

#include "data/Database.h"
#include "data/TextFile.h"
#include "settings/Settings.h"
#include "text/Routines.h"

namespace velmora {

namespace update {

namespace {
std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}
} // namespace

bool readNumber(std::string_view text, double& value) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    // Only digits, a sign, a point and an exponent: no "inf", "nan" or hexadecimal.
    for (char c : text)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E')) return false;
    double v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::general);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

bool readInteger(std::string_view text, int& value) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    int v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, 10);
    if (ec != std::errc() || end != text.data() + text.size()) return false;
    value = v;
    return true;
}

std::string fixed3(double value) {
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    std::string text = ec == std::errc() ? std::string(buffer, end) : std::string("0.000");
    if (text.size() < 6) text.insert(0, 6 - text.size(), ' ');
    return text;
}

std::string commentField(std::string_view memoText) {
    std::string result;
    size_t start = 0;
    while (start <= memoText.size()) {
        size_t end = memoText.find_first_of("\r\n", start);
        std::string_view line = memoText.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!line.empty()) {
            if (!result.empty()) result += ' ';
            result.append(line);
        }
        if (end == std::string_view::npos) break;
        start = end + 1;
        if (memoText[end] == '\r' && start < memoText.size() && memoText[start] == '\n') ++start;
    }
    return result;
}

std::string displayName(const std::string& stored) {
    if (stored.empty()) return " ";
    return displayForm(stored);
}

std::string storedName(const std::string& display) { return storedForm(display); }

} // namespace update

using update::readInteger;
using update::readNumber;

CommentMemoStyle commentMemoStyle(const Settings& settings) {
    auto position = [&](size_t p) { return p <= settings.options.size() ? settings.options[p - 1] : '1'; };
    CommentMemoStyle style;
    style.family = position(15) == '0' ? "Arial" : "Courier New";
    style.pointSize = 10;
    if (position(17) == '0') {
        style.background = settings.colour(Colour::Results);
        style.text = 16711680u; // blue
    } else {
        style.background = 0xFFFFFFu;
        style.text = 0u;
    }
    return style;
}

namespace {

bool isBlank(const std::string& text) { return text.empty() || text == " "; }

// A single-line input never carries a line break into a record.
std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

std::string field(const std::string& text) { return isBlank(text) ? std::string() : oneLine(text); }
std::string driverField(const std::string& text) {
    return isBlank(text) ? std::string() : update::storedName(oneLine(text));
}

std::string twoDigits(int value) {
    std::string text = std::to_string(value);
    if (value >= 0 && text.size() < 2) text.insert(0, 2 - text.size(), '0');
    return text;
}
std::string fourDigits(int value) {
    std::string text = std::to_string(value);
    if (value >= 0 && text.size() < 4) text.insert(0, 4 - text.size(), '0');
    return text;
}

int fieldCount(const std::string& line) {
    int count = 1;
    for (char c : line)
        if (c == '|') ++count;
    return count;
}

// Notes a record longer than its `fields` fields (`last` is the last one kept, as "6th").
void noteExtraFields(const std::string& line, int fields, const char* last, std::vector<std::string>& problems) {
    if (fieldCount(line) > fields)
        problems.push_back("the record has more than " + std::to_string(fields) + " fields; what follows the " +
                           last + " is not shown and is left out when the record is saved");
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

constexpr const char* kBom = "\xEF\xBB\xBF";

// The inputs of the race section that are written into the record, with the names the
// user knows them by, for the refusal of a "|".
struct NamedInput {
    char kind; // 'c' combo box, 'e' edit box, 'm' memo
    int index;
    const char* name;
};
constexpr NamedInput kRaceInputs[] = {
    {'c', 10, "Venue"},
    {'c', 11, "Circuit"},
    {'e', 1, "Distance Miles"},
    {'c', 1, "Win Driver (1)"},
    {'c', 2, "Win Driver 2"},
    {'c', 3, "Win Driver 3"},
    {'c', 12, "the winner's Team"},
    {'c', 13, "the winner's Engine"},
    {'c', 4, "Second Driver"},
    {'c', 5, "Second Driver (2)"},
    {'c', 6, "Second Driver (3)"},
    {'c', 14, "the second place's Team"},
    {'c', 15, "the second place's Engine"},
    {'c', 7, "Third Driver"},
    {'c', 8, "Third Driver (2)"},
    {'c', 9, "Third Driver (3)"},
    {'c', 16, "the third place's Team"},
    {'c', 17, "the third place's Engine"},
    {'e', 5, "the Race Time seconds (S)"},
    {'m', 1, "the comment"},
};
constexpr NamedInput kChampionshipInputs[] = {
    {'c', 18, "Drivers Name"},
    {'e', 4, "the driver's Team and Engine"},
    {'e', 3, "the constructor's Team and Engine"},
};

std::string pipeLine(const char* name) { return std::string("  \"|\" cannot be used in ") + name; }

} // namespace

UpdateEditor::UpdateEditor(const Database& db, FileSystem& files, MessageBoxes& boxes, std::string programDir)
    : db_(db), files_(files), boxes_(boxes), programDir_(std::move(programDir)) {
    spins_[2] = Spin{1, 1, 31};  // day
    spins_[3] = Spin{1, 1, 12};  // month
    spins_[4] = Spin{db.LastSeason + 1, db.FirstSeason, db.LastSeason + 1};
    spins_[15] = Spin{1, 0, 59}; // hours
    spins_[16] = Spin{1, 0, 59}; // minutes
}

// ---------------------------------------------------------------- controls by name

UpdateEditor::Ref UpdateEditor::parse(std::string_view control) {
    struct Prefix {
        std::string_view text;
        Kind kind;
    };
    static constexpr Prefix kPrefixes[] = {
        {"ComboBox", Kind::ComboBox}, {"SpinEdit", Kind::SpinEdit}, {"Edit", Kind::Edit},
        {"Memo", Kind::Memo},         {"CheckBox", Kind::CheckBox}, {"Label", Kind::Label},
        {"Button", Kind::Button},     {"SpeedButton", Kind::SpeedButton},
    };
    for (const auto& p : kPrefixes) {
        if (control.substr(0, p.text.size()) != p.text) continue;
        int index = 0;
        std::string_view digits = control.substr(p.text.size());
        auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
        if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size()) continue;
        bool valid = false;
        switch (p.kind) {
        case Kind::ComboBox: valid = index >= 1 && index <= 18; break;
        case Kind::SpinEdit: valid = (index >= 1 && index <= 11) || index == 15 || index == 16; break;
        case Kind::Edit: valid = index >= 1 && index <= 5; break;
        case Kind::Memo: valid = index == 1; break;
        case Kind::CheckBox: valid = index == 1 || index == 2; break;
        case Kind::Label: valid = index == 1 || index == 40; break;
        case Kind::Button:
        case Kind::SpeedButton: valid = index >= 1 && index <= 4; break;
        }
        if (valid) return Ref{p.kind, index};
    }
    throw std::invalid_argument("the update editor has no control " + std::string(control));
}

UpdateEditor::Items UpdateEditor::itemsOf(int combo) {
    if (combo <= 9 || combo == 18) return Items::Drivers;
    if (combo == 10) return Items::Venues;
    if (combo == 11) return Items::Circuits;
    if (combo == 12 || combo == 14 || combo == 16) return Items::Teams;
    return Items::Engines;
}

const std::vector<std::string>& UpdateEditor::changeReportingInputs() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n;
        for (int i = 1; i <= 18; ++i) n.push_back("ComboBox" + std::to_string(i));
        for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 15, 16}) n.push_back("SpinEdit" + std::to_string(i));
        for (int i : {1, 3, 4, 5}) n.push_back("Edit" + std::to_string(i));
        n.push_back("Memo1");
        return n;
    }();
    return names;
}

const std::string& UpdateEditor::text(std::string_view control) const {
    Ref r = parse(control);
    switch (r.kind) {
    case Kind::ComboBox: return combo(r.index);
    case Kind::Edit: return edit(r.index);
    case Kind::Memo: return memo_;
    case Kind::Label: return r.index == 1 ? label1_ : label40_;
    default: throw std::invalid_argument(std::string(control) + " holds no text");
    }
}

void UpdateEditor::setText(std::string_view control, std::string value) {
    Ref r = parse(control);
    switch (r.kind) {
    case Kind::ComboBox: combo(r.index) = std::move(value); break;
    case Kind::Edit: edit(r.index) = std::move(value); break;
    case Kind::Memo: memo_ = std::move(value); break;
    default: throw std::invalid_argument(std::string(control) + " takes no text");
    }
    // Every input marks a change, the seconds box, the championship driver and the two
    // team-and-engine boxes included: a correction made only there must not be lost
    // without a question. The hidden speed box is no input.
    if (!(r.kind == Kind::Edit && r.index == 2)) FormChanged = true;
}

int UpdateEditor::value(std::string_view control) const {
    Ref r = parse(control);
    if (r.kind != Kind::SpinEdit) throw std::invalid_argument(std::string(control) + " holds no number");
    return spin(r.index);
}

void UpdateEditor::setValue(std::string_view control, int value) {
    Ref r = parse(control);
    if (r.kind != Kind::SpinEdit) throw std::invalid_argument(std::string(control) + " takes no number");
    setSpin(r.index, value);
    FormChanged = true;
}

int UpdateEditor::minimum(std::string_view control) const {
    Ref r = parse(control);
    if (r.kind != Kind::SpinEdit) throw std::invalid_argument(std::string(control) + " has no range");
    return spins_[static_cast<size_t>(r.index)].min;
}

int UpdateEditor::maximum(std::string_view control) const {
    Ref r = parse(control);
    if (r.kind != Kind::SpinEdit) throw std::invalid_argument(std::string(control) + " has no range");
    return spins_[static_cast<size_t>(r.index)].max;
}

bool UpdateEditor::checked(std::string_view control) const {
    Ref r = parse(control);
    if (r.kind != Kind::CheckBox) throw std::invalid_argument(std::string(control) + " is no check box");
    return r.index == 1 ? checkBox1_ : checkBox2_;
}

void UpdateEditor::setChecked(std::string_view control, bool on) {
    Ref r = parse(control);
    if (r.kind != Kind::CheckBox) throw std::invalid_argument(std::string(control) + " is no check box");
    (r.index == 1 ? checkBox1_ : checkBox2_) = on; // ticking a section is no change
}

bool UpdateEditor::enabled(std::string_view control) const {
    Ref r = parse(control);
    if (r.kind == Kind::Button && r.index == 2) return FormChanged;
    if (r.kind == Kind::Button && r.index == 4) return deleteEnabled_;
    return true;
}

const std::vector<std::string>& UpdateEditor::items(std::string_view control) const {
    Ref r = parse(control);
    if (r.kind != Kind::ComboBox) throw std::invalid_argument(std::string(control) + " has no items");
    switch (itemsOf(r.index)) {
    case Items::Drivers: return driverItems_;
    case Items::Venues: return venueItems_;
    case Items::Circuits: return circuitItems_;
    case Items::Teams: return teamItems_;
    case Items::Engines: break;
    }
    return engineItems_;
}

bool UpdateEditor::click(std::string_view control) {
    Ref r = parse(control);
    if (r.kind == Kind::Button) {
        switch (r.index) {
        case 1: return cancel();
        case 2: if (FormChanged) save(); return false;
        case 4: if (deleteEnabled_) deleteRecords(); return false;
        default: return false; // Help belongs to the window
        }
    }
    if (r.kind == Kind::SpeedButton) {
        if (r.index <= 2) moveRace(r.index == 1 ? 1 : -1);
        else moveChampionship(r.index == 3 ? 1 : -1);
        return false;
    }
    throw std::invalid_argument(std::string(control) + " is no button");
}

bool UpdateEditor::setSpin(int index, int value) {
    Spin& s = spins_[static_cast<size_t>(index)];
    int kept = value < s.min ? s.min : (value > s.max ? s.max : value);
    s.value = kept;
    return kept == value;
}

// ---------------------------------------------------------------- opening and reading

void UpdateEditor::open() {
    const std::string path = updateFilePath();
    bool exists = files_.exists(path);

    // The year box offers every loaded season and the next one, so that a new season can
    // be begun whether or not the file already holds races; it starts on the season in
    // progress (the last loaded one) when there is a file, otherwise on the next.
    Spin& year = spins_[4];
    year.min = db_.FirstSeason;
    year.max = db_.LastSeason + 1;
    year.value = exists ? db_.LastSeason : db_.LastSeason + 1;

    if (exists) {
        std::string error;
        if (auto bytes = files_.readFile(path, &error)) {
            if (!files_.writeFileAtomic(programDir_ + kBackUpFileName, *bytes, &error)) {
                boxes_.show(MessageKind::Warning,
                            std::string("The safety copy \"") + kBackUpFileName + "\" could not be written:\n\n  " +
                                error + "\n\nThe update file itself is unchanged, but there is no copy of it as "
                                        "it is now to go back to.",
                            Buttons::Ok);
            }
        }
        // An unreadable file is reported by getdata.
    }

    getdata();
    RaceCursor = static_cast<int>(EditRaceList.size()) + 1;
    DriverChampCursor = static_cast<int>(EditDriverChampList.size()) + 1;
    TeamChampCursor = static_cast<int>(EditTeamChampList.size()) + 1;

    checkBox1_ = checkBox2_ = false;
    FormChanged = false;
    edit(5).clear();
    dolists();
    showAddStates();
}

void UpdateEditor::getdata() {
    EditRaceList.clear();
    EditDriverChampList.clear();
    EditTeamChampList.clear();
    bom_ = false;
    hadStars_ = hadPluses_ = true;
    readFailed_ = false;

    const std::string path = updateFilePath();
    if (!files_.exists(path)) return;
    std::string error;
    auto bytes = files_.readFile(path, &error);
    if (!bytes) {
        readFailed_ = true;
        boxes_.show(MessageKind::Warning,
                    std::string("The update file \"") + kUpdateFileName + "\" cannot be read:\n\n  " + error +
                        "\n\nThe editor shows none of its records and will not change the file. Close the "
                        "editor, make the file readable and open the editor again.",
                    Buttons::Ok);
        return;
    }
    // The records are read as start-up reads them (a Windows-1252 file becomes UTF-8),
    // so that names typed here and names already in the file are written in one encoding.
    bom_ = std::string_view(*bytes).substr(0, 3) == kBom;
    std::vector<std::string> lines = splitLines(decodeText(*bytes));

    size_t stars = lines.size(), pluses = lines.size();
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == "***") {
            stars = i;
            break;
        }
    for (size_t i = stars == lines.size() ? 0 : stars + 1; i < lines.size(); ++i)
        if (lines[i] == "+++") {
            pluses = i;
            break;
        }
    hadStars_ = stars < lines.size();
    hadPluses_ = pluses < lines.size();

    // A missing separator leaves the section it would have opened empty.
    size_t raceEnd = hadStars_ ? stars : pluses;
    size_t driverBegin = hadStars_ ? stars + 1 : raceEnd;
    size_t driverEnd = hadStars_ ? pluses : driverBegin;
    size_t teamBegin = hadPluses_ ? pluses + 1 : lines.size();
    EditRaceList.assign(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(raceEnd));
    EditDriverChampList.assign(lines.begin() + static_cast<std::ptrdiff_t>(driverBegin),
                               lines.begin() + static_cast<std::ptrdiff_t>(driverEnd));
    EditTeamChampList.assign(lines.begin() + static_cast<std::ptrdiff_t>(teamBegin), lines.end());

    if (!hadStars_ || !hadPluses_) {
        std::string message = std::string("The update file \"") + kUpdateFileName + "\" is incomplete:\n\n";
        if (!hadStars_) message += "  the line \"***\" that ends the race records is missing\n";
        if (!hadPluses_) message += "  the line \"+++\" that ends the drivers' championship records is missing\n";
        message += "\n";
        if (!hadStars_ && !hadPluses_)
            message += "Every line of the file is taken as a race record, and both championship sections as empty.";
        else if (!hadStars_)
            message += "The lines before \"+++\" are taken as race records, and the drivers' championship section "
                       "as empty.";
        else
            message += "The lines after \"***\" are taken as drivers' championship records, and the "
                       "constructors' championship section as empty.";
        message += "\n\nSaving or deleting writes the file with both separator lines.";
        boxes_.show(MessageKind::Warning, message, Buttons::Ok);
    }
}

void UpdateEditor::dolists() {
    driverItems_.clear();
    for (const auto& entry : db_.DriverList) driverItems_.push_back(entry.substr(0, entry.find('|')));
    venueItems_ = db_.VenueList.lines();
    circuitItems_ = db_.CircuitList.lines();
    teamItems_ = db_.TeamList.lines();
    engineItems_ = db_.EngineList.lines();

    for (int i = 1; i <= 18; ++i) combo(i).clear();
    for (int i = 1; i <= 5; ++i) edit(i).clear();
    setSpin(15, 1);
    setSpin(16, 1);
    memo_.clear();
    for (int i : {1, 5, 6, 7, 8, 9, 10, 11}) setSpin(i, 0);
    keptDriverPoints_ = keptTeamPoints_ = KeptPoints{};
}

// ---------------------------------------------------------------- showing records

void UpdateEditor::reportUnreadable(int fileLine, const std::vector<std::string>& problems) {
    if (problems.empty()) return;
    std::string message = "Line " + std::to_string(fileLine) + " of " + kUpdateFileName +
                          " cannot be shown in full:\n\n";
    for (const auto& p : problems) message += "  " + p + "\n";
    message += "\nThe record is shown as far as it reads. Check the inputs before you save it.";
    boxes_.show(MessageKind::Warning, message, Buttons::Ok);
}

int UpdateEditor::driverChampFileLine(int n) const {
    return static_cast<int>(EditRaceList.size()) + (hadStars_ ? 1 : 0) + n;
}

int UpdateEditor::teamChampFileLine(int n) const {
    return static_cast<int>(EditRaceList.size()) + (hadStars_ ? 1 : 0) +
           static_cast<int>(EditDriverChampList.size()) + (hadPluses_ ? 1 : 0) + n;
}

void UpdateEditor::loadRace() {
    if (RaceCursor < 1 || RaceCursor > static_cast<int>(EditRaceList.size())) return;
    const std::string& line = EditRaceList[static_cast<size_t>(RaceCursor - 1)];
    LineFields f = splitrecord(line);
    std::vector<std::string> problems;

    // The date, by character position.
    const std::string& date = f[1];
    int day = 0, month = 0, year = 0;
    bool dayOk = readInteger(date.substr(0, 2), day);
    bool monthOk = date.size() > 3 && readInteger(date.substr(3, 2), month);
    bool yearOk = date.size() > 6 && readInteger(date.substr(6, 4), year);
    if (!dayOk || !monthOk || !yearOk || date.size() != 10)
        problems.push_back("the date " + quoted(date) + " does not read as dd/mm/yyyy");
    if (!setSpin(2, dayOk ? day : 1)) problems.push_back("the day " + std::to_string(day) + " is outside 1 to 31");
    if (!setSpin(3, monthOk ? month : 1))
        problems.push_back("the month " + std::to_string(month) + " is outside 1 to 12");
    if (yearOk && !setSpin(4, year))
        problems.push_back("the year " + std::to_string(year) + " is outside the years the editor offers (" +
                           std::to_string(spins_[4].min) + " to " + std::to_string(spins_[4].max) + ")");

    combo(10) = f[2];
    combo(11) = f[3];

    // The distance, shown with three decimals unless that would change its value.
    double distance = 0;
    bool distanceOk = readNumber(f[4], distance);
    if (distanceOk) {
        std::string shown = update::fixed3(distance);
        double back = 0;
        edit(1) = (readNumber(shown, back) && back == distance) ? shown : f[4];
    } else {
        edit(1) = f[4];
        problems.push_back("the distance " + quoted(f[4]) + " does not read as a number");
    }

    static constexpr int kDriverFields[] = {5, 6, 7, 11, 12, 13, 16, 17, 18};
    static constexpr int kDriverBoxes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (size_t i = 0; i < 9; ++i) combo(kDriverBoxes[i]) = update::displayName(f[kDriverFields[i]]);
    static constexpr int kOtherFields[] = {8, 9, 14, 15, 19, 20};
    static constexpr int kOtherBoxes[] = {12, 13, 14, 15, 16, 17};
    for (size_t i = 0; i < 6; ++i) combo(kOtherBoxes[i]) = f[kOtherFields[i]];

    // The speed as stored, and the race time worked out from distance and speed.
    edit(2) = f[10];
    double speed = 0;
    bool speedOk = readNumber(f[10], speed);
    double hours = (distanceOk && speedOk && speed > 0) ? distance / speed : -1;
    if (hours >= 0 && std::isfinite(hours)) {
        int h = static_cast<int>(hours);
        double minutes = (hours - h) * 60;
        int m = static_cast<int>(minutes);
        double seconds = (minutes - m) * 60;
        std::string secondsText = update::fixed3(seconds);
        double shownSeconds = 0;
        if (readNumber(secondsText, shownSeconds) && shownSeconds >= 60) {
            // Rounded up to a whole minute: carry it, so that the time saves again.
            secondsText = update::fixed3(0);
            if (++m == 60) {
                m = 0;
                ++h;
            }
        }
        if (!setSpin(15, h)) problems.push_back("the race time of " + std::to_string(h) + " hours is longer than the H box allows");
        setSpin(16, m);
        edit(5) = secondsText;
    } else {
        setSpin(15, 0);
        setSpin(16, 0);
        edit(5).clear();
        if (!speedOk)
            problems.push_back("the speed " + quoted(f[10]) + " does not read as a number, so the race time cannot be "
                               "worked out");
        else if (speed <= 0)
            problems.push_back("the speed " + quoted(f[10]) + " is not above zero, so the race time cannot be worked out");
        else
            problems.push_back("without a distance the race time cannot be worked out");
    }

    memo_ = f[21];
    noteExtraFields(line, 21, "21st", problems);
    reportUnreadable(RaceCursor, problems);
}

namespace {
// A championship number into its box: whole numbers as they are, a number with a
// fraction by its whole part, anything else as 0; each departure is described.
int championshipNumber(const std::string& text, const char* what, std::vector<std::string>& problems,
                       bool* fraction = nullptr) {
    int whole = 0;
    if (readInteger(text, whole)) return whole;
    double number = 0;
    if (readNumber(text, number) && std::fabs(number) < 2e9) {
        int shown = static_cast<int>(number);
        if (fraction) {
            *fraction = true;
            problems.push_back(std::string("the ") + what + " " + quoted(text) + " is not a whole number; the box "
                               "shows " + std::to_string(shown) + ", and the record keeps " + text +
                               " unless you change the box");
        } else {
            problems.push_back(std::string("the ") + what + " " + quoted(text) + " is not a whole number; the box "
                               "shows " + std::to_string(shown));
        }
        return shown;
    }
    problems.push_back(std::string("the ") + what + " " + quoted(text) + " does not read as a number; the box shows 0");
    return 0;
}
} // namespace

UpdateEditor::KeptPoints UpdateEditor::loadPoints(int spinIndex, const std::string& text,
                                                  std::vector<std::string>& problems) {
    bool fraction = false;
    setSpin(spinIndex, championshipNumber(text, "number of points", problems, &fraction));
    return fraction ? KeptPoints{true, spin(spinIndex), text} : KeptPoints{};
}

void UpdateEditor::loadDriverChampionship() {
    const std::string& line = EditDriverChampList[static_cast<size_t>(DriverChampCursor - 1)];
    LineFields f = splitrecord(line);
    std::vector<std::string> problems;
    setSpin(1, championshipNumber(f[1], "season", problems));
    setSpin(6, championshipNumber(f[2], "number of races", problems));
    combo(18) = update::displayName(f[3]);
    edit(4) = f[4];
    setSpin(7, championshipNumber(f[5], "number of wins", problems));
    keptDriverPoints_ = loadPoints(8, f[6], problems);
    noteExtraFields(line, 6, "6th", problems);
    reportUnreadable(driverChampFileLine(DriverChampCursor), problems);
}

void UpdateEditor::loadTeamChampionship() {
    const std::string& line = EditTeamChampList[static_cast<size_t>(TeamChampCursor - 1)];
    LineFields f = splitrecord(line);
    std::vector<std::string> problems;
    setSpin(5, championshipNumber(f[1], "season", problems));
    setSpin(9, championshipNumber(f[2], "number of races", problems));
    edit(3) = f[3];
    setSpin(10, championshipNumber(f[4], "number of wins", problems));
    keptTeamPoints_ = loadPoints(11, f[5], problems);
    noteExtraFields(line, 5, "5th", problems);
    reportUnreadable(teamChampFileLine(TeamChampCursor), problems);
}

void UpdateEditor::loadChampionship() {
    if (DriverChampCursor >= 1 && DriverChampCursor <= static_cast<int>(EditDriverChampList.size()))
        loadDriverChampionship();
    if (TeamChampCursor >= 1 && TeamChampCursor <= static_cast<int>(EditTeamChampList.size()))
        loadTeamChampionship();
}

// ---------------------------------------------------------------- navigation

void UpdateEditor::placeCursor(int& cursor, int count, const char* what, std::string& caption,
                               void (UpdateEditor::*load)()) {
    if (cursor < 1) cursor = 1;
    if (cursor > count) cursor = count + 1;
    if (cursor == count + 1) {
        caption = std::string("Adding ") + what + " " + std::to_string(cursor);
        dolists();
        deleteEnabled_ = false;
    } else {
        caption = std::string("Editting ") + what + " " + std::to_string(cursor);
        deleteEnabled_ = true;
        (this->*load)();
    }
}

void UpdateEditor::moveRace(int step) {
    RaceCursor += step;
    placeCursor(RaceCursor, static_cast<int>(EditRaceList.size()), "Race", label1_, &UpdateEditor::loadRace);
    FormChanged = false;
}

void UpdateEditor::moveChampionship(int step) {
    DriverChampCursor += step;
    TeamChampCursor += step;
    placeCursor(DriverChampCursor, static_cast<int>(EditDriverChampList.size()), "Championship", label40_,
                &UpdateEditor::loadDriverChampionship);
    placeCursor(TeamChampCursor, static_cast<int>(EditTeamChampList.size()), "Championship", label40_,
                &UpdateEditor::loadTeamChampionship);
    FormChanged = false;
}

void UpdateEditor::showAddStates() {
    moveRace(0);
    moveChampionship(0);
}

// ---------------------------------------------------------------- checks and records

std::vector<std::string> UpdateEditor::raceFailures() const {
    std::vector<std::string> lines;
    if (!isValidDate(spin(4), spin(3), spin(2))) lines.push_back("  Invalid Date");
    if (isBlank(combo(1))) lines.push_back("  Missing Winning Driver");
    if (isBlank(combo(12))) lines.push_back("  Missing Winning Team");
    if (isBlank(combo(13))) lines.push_back("  Missing Winning Engine");
    if (isBlank(combo(4))) lines.push_back("  Missing Second Driver");
    if (isBlank(combo(14))) lines.push_back("  Missing Second Team");
    if (isBlank(combo(15))) lines.push_back("  Missing Second Engine");
    if (isBlank(combo(7))) lines.push_back("  Missing Third Driver");
    if (isBlank(combo(16))) lines.push_back("  Missing Third Team");
    if (isBlank(combo(17))) lines.push_back("  Missing Third Engine");
    if (isBlank(combo(10))) lines.push_back("  Missing Venue");
    if (isBlank(combo(11))) lines.push_back("  Missing Circuit");
    double number = 0;
    if (!readNumber(edit(1), number)) lines.push_back("  Race Distance not Numeric");
    double seconds = 0;
    bool secondsOk = readNumber(edit(5), seconds);
    if (!secondsOk) {
        lines.push_back("  Race Time Seconds not Numeric");
        seconds = 0;
    }
    bool secondsInRange = seconds >= 0 && seconds < 60;
    if (!secondsInRange) lines.push_back("  Seconds Value is not valid (0-59.999)");
    // No speed can be worked out from a race time of nothing.
    if (secondsOk && secondsInRange && spin(15) == 0 && spin(16) == 0 && seconds == 0)
        lines.push_back("  Race Time cannot be zero");
    // A "|" would end the field early and shift every later field of the record.
    for (const auto& input : kRaceInputs) {
        const std::string& t = input.kind == 'c' ? combo(input.index) : input.kind == 'e' ? edit(input.index) : memo_;
        if (t.find('|') != std::string::npos) lines.push_back(pipeLine(input.name));
    }
    return lines;
}

std::vector<std::string> UpdateEditor::championshipFailures() const {
    std::vector<std::string> lines;
    if (spin(1) != spin(5)) lines.push_back("  Driver and Championship Season years do not match");
    if (spin(1) != spin(4)) lines.push_back("  Driver Season Year does not match year in Race Data section");
    if (spin(5) != spin(4)) lines.push_back("  Constructor Season Year does not match year in Race Data section");
    if (spin(6) != spin(9)) lines.push_back("  Number of Races in Season do not match");
    if (isBlank(combo(18))) lines.push_back("  Championship Winning Driver not specified");
    if (edit(4).empty()) lines.push_back("  Driver's Constructor and Engine not specified");
    if (edit(3).empty()) lines.push_back("  Constructor's Team and Engine not specified");
    if (spin(7) > spin(10)) lines.push_back("  Driver Wins cannot exceed Constructor Wins");
    if (spin(8) > spin(11)) lines.push_back("  Driver Points cannot exceed Constructor Points");
    for (const auto& input : kChampionshipInputs) {
        const std::string& t = input.kind == 'c' ? combo(input.index) : edit(input.index);
        if (t.find('|') != std::string::npos) lines.push_back(pipeLine(input.name));
    }
    return lines;
}

void UpdateEditor::showFailures(const std::string& section, const std::vector<std::string>& lines) {
    std::string message = "Invalid or Missing Data!\n\nSome of the data in the section '" + section +
                          "' are invalid or missing.\n\nThis means a data record cannot be compiled.\n\n";
    for (const auto& line : lines) message += line + "\n";
    boxes_.show(MessageKind::Warning, message, Buttons::Ok);
}

std::string UpdateEditor::composeRaceLine() {
    double seconds = 0, distance = 0;
    readNumber(edit(5), seconds);
    readNumber(edit(1), distance);
    double hours = spin(15) + spin(16) / 60.0 + seconds / 3600.0;
    edit(2) = update::fixed3(distance / hours);

    const std::string fields[20] = {
        twoDigits(spin(2)) + "/" + twoDigits(spin(3)) + "/" + fourDigits(spin(4)),
        field(combo(10)),
        field(combo(11)),
        edit(1),
        driverField(combo(1)),
        driverField(combo(2)),
        driverField(combo(3)),
        field(combo(12)),
        field(combo(13)),
        edit(2),
        driverField(combo(4)),
        driverField(combo(5)),
        driverField(combo(6)),
        field(combo(14)),
        field(combo(15)),
        driverField(combo(7)),
        driverField(combo(8)),
        driverField(combo(9)),
        field(combo(16)),
        field(combo(17)),
    };
    std::string line;
    for (const auto& f : fields) line += f + "|";
    line += update::commentField(memo_);
    return line;
}

std::string UpdateEditor::pointsText(int spinIndex, const KeptPoints& kept) const {
    if (kept.active && spin(spinIndex) == kept.shown) return kept.text;
    return std::to_string(spin(spinIndex));
}

std::string UpdateEditor::composeDriverChampLine() const {
    return std::to_string(spin(1)) + "|" + std::to_string(spin(6)) + "|" + update::storedName(oneLine(combo(18))) +
           "|" + oneLine(edit(4)) + "|" + std::to_string(spin(7)) + "|" + pointsText(8, keptDriverPoints_);
}

std::string UpdateEditor::composeTeamChampLine() const {
    return std::to_string(spin(5)) + "|" + std::to_string(spin(9)) + "|" + oneLine(edit(3)) + "|" +
           std::to_string(spin(10)) + "|" + pointsText(11, keptTeamPoints_);
}

// ---------------------------------------------------------------- saving and deleting

bool UpdateEditor::refuseUnreadable() {
    if (!readFailed_) return false;
    boxes_.show(MessageKind::Warning,
                std::string("The update file \"") + kUpdateFileName +
                    "\" could not be read when the editor opened, so it is not changed. Close the editor, make "
                    "the file readable and open the editor again.",
                Buttons::Ok);
    return true;
}

void UpdateEditor::save() {
    if (refuseUnreadable()) return;
    if (!checkBox1_ && !checkBox2_) {
        boxes_.show(MessageKind::Warning, "You must select which of the data it is you are saving.", Buttons::Ok);
        return;
    }
    composedRace.clear();
    composedDriverChamp.clear();
    composedTeamChamp.clear();

    if (checkBox1_) {
        if (isValidDate(spin(4), spin(3), spin(2))) {
            int weekday = dayOfWeek(Date{spin(4), spin(3), spin(2)});
            if (weekday != 1) {
                Button answer = boxes_.show(MessageKind::Information,
                                            "The date you have entered is " + dayname(weekday, 1) +
                                                ", not a Sunday.\n\nClick OK to continue, or Cancel to abort the save.",
                                            Buttons::OkCancel);
                if (answer != Button::Ok) return;
            }
        }
        auto failures = raceFailures();
        if (!failures.empty()) {
            showFailures("Race Data", failures);
            return;
        }
        composedRace = composeRaceLine();
    }
    if (checkBox2_) {
        auto failures = championshipFailures();
        if (!failures.empty()) {
            showFailures("Championship Data", failures);
            composedRace.clear();
            return;
        }
        composedDriverChamp = composeDriverChampLine();
        composedTeamChamp = composeTeamChampLine();
    }
    if (!reconstructupdatefile()) return; // the inputs and ticks stay for another try
    checkBox1_ = checkBox2_ = false;
    FormChanged = false;
}

std::string UpdateEditor::fileText(const std::vector<std::string>& races, const std::vector<std::string>& drivers,
                                   const std::vector<std::string>& teams) const {
    std::string text = bom_ ? kBom : "";
    for (const auto& line : races) text += line + "\r\n";
    text += "***\r\n";
    for (const auto& line : drivers) text += line + "\r\n";
    text += "+++\r\n";
    for (const auto& line : teams) text += line + "\r\n";
    return text;
}

bool UpdateEditor::writeUpdateFile(const std::vector<std::string>& races, const std::vector<std::string>& drivers,
                                   const std::vector<std::string>& teams) {
    std::string error;
    if (!files_.writeFileAtomic(updateFilePath(), fileText(races, drivers, teams), &error)) {
        boxes_.show(MessageKind::Warning,
                    std::string("The update file \"") + kUpdateFileName + "\" could not be written:\n\n  " + error +
                        "\n\nThe file is as it was before, and what you entered is still in the window. Make room "
                        "on the disk or check the folder, then try again.",
                    Buttons::Ok);
        return false;
    }
    hadStars_ = hadPluses_ = true;
    return true;
}

namespace {
void place(std::vector<std::string>& list, int cursor, const std::string& record) {
    if (record.empty()) return;
    if (cursor == static_cast<int>(list.size()) + 1) list.push_back(record);
    else if (cursor >= 1 && cursor <= static_cast<int>(list.size())) list[static_cast<size_t>(cursor - 1)] = record;
}
} // namespace

bool UpdateEditor::reconstructupdatefile() {
    std::vector<std::string> races = EditRaceList, drivers = EditDriverChampList, teams = EditTeamChampList;
    place(races, RaceCursor, composedRace);
    place(drivers, DriverChampCursor, composedDriverChamp);
    place(teams, TeamChampCursor, composedTeamChamp);
    if (!writeUpdateFile(races, drivers, teams)) return false;
    EditRaceList = std::move(races);
    EditDriverChampList = std::move(drivers);
    EditTeamChampList = std::move(teams);
    return true;
}

void UpdateEditor::deleteRecords() {
    if (refuseUnreadable()) return;
    if (!checkBox1_ && !checkBox2_) {
        boxes_.show(MessageKind::Warning, "You must select which of the data it is you want to delete.", Buttons::Ok);
        return;
    }
    Button answer = boxes_.show(
        MessageKind::Warning,
        "Deletion is permanent, and non-undoable. The entire record in the selected check box section(s) will be "
        "deleted. Please make absolutely sure you really wish to delete the data. If you do go ahead and delete, but "
        "then realise you made a mistake, remember that the update routine does make a copy of the original update "
        "file (if there was one) which you can use after deleting the new update file by renaming the back up one.  "
        "Cancel this dialog and click the Help button for more information.",
        Buttons::OkCancel);
    if (answer != Button::Ok) return;

    std::string error;
    if (!files_.writeFileAtomic(programDir_ + kBeforeDeleteFileName,
                                fileText(EditRaceList, EditDriverChampList, EditTeamChampList), &error)) {
        boxes_.show(MessageKind::Warning,
                    std::string("The safety copy \"") + kBeforeDeleteFileName + "\" could not be written:\n\n  " +
                        error + "\n\nNothing has been deleted.",
                    Buttons::Ok);
        return;
    }

    std::vector<std::string> races = EditRaceList, drivers = EditDriverChampList, teams = EditTeamChampList;
    auto remove = [](std::vector<std::string>& list, int cursor) {
        if (cursor >= 1 && cursor <= static_cast<int>(list.size()))
            list.erase(list.begin() + (cursor - 1));
    };
    if (checkBox1_) remove(races, RaceCursor);
    if (checkBox2_) {
        remove(drivers, DriverChampCursor);
        remove(teams, TeamChampCursor);
    }
    if (!writeUpdateFile(races, drivers, teams)) return;

    getdata();
    RaceCursor = static_cast<int>(EditRaceList.size()) + 1;
    DriverChampCursor = static_cast<int>(EditDriverChampList.size()) + 1;
    TeamChampCursor = static_cast<int>(EditTeamChampList.size()) + 1;
    checkBox1_ = checkBox2_ = false;
    FormChanged = false;
    showAddStates();
}

bool UpdateEditor::cancel() {
    if (!FormChanged) return true;
    Button answer = boxes_.show(MessageKind::Warning,
                                "Changes have been made and not saved.\n\nClose Update Form anyway and loose changes?",
                                Buttons::YesNo);
    return answer == Button::Yes;
}

} // namespace velmora
