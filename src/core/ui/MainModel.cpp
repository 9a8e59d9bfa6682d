#include "ui/MainModel.h"

#include <algorithm>

#include "settings/IniFile.h"
#include "text/Routines.h"

namespace velmora::ui {

namespace {

constexpr int kDriverBox = 0, kTeamBox = 1, kEngineBox = 2, kCircuitBox = 3, kVenueBox = 4, kSeasonBox = 5;

const char* const kBoxNouns[kSearchBoxCount] = {"drivers", "constructors", "engines", "circuits", "venues", "seasons"};

std::string trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// Characters `from` to `to` (counted from 1) of a row, as far as the row reaches.
std::string columns(const std::string& row, size_t from, size_t to) {
    if (row.size() < from) return {};
    return row.substr(from - 1, to - from + 1);
}

constexpr Control kCombos[kSearchBoxCount] = {Control::ComboBox1, Control::ComboBox2, Control::ComboBox3,
                                              Control::ComboBox4, Control::ComboBox5, Control::ComboBox6};

} // namespace

std::string winTableName(const std::string& row) { return trimmed(columns(row, 6, 30)); }
std::string championRowName(const std::string& row) { return trimmed(columns(row, 8, 28)); }

MainModel::MainModel(const Database& db, Settings& settings, const SearchBoxes& boxes, MainModelEnvironment env)
    : db_(db), settings_(settings), env_(env) {
    for (int b = 0; b < kSearchBoxCount; ++b) {
        BoxState& box = state_.boxes[static_cast<size_t>(b)];
        box.items = boxes.items[static_cast<size_t>(b)];
        int selected = boxes.selected[static_cast<size_t>(b)];
        box.selected = (selected >= 0 && selected < static_cast<int>(box.items.size())) ? selected : -1;
        if (box.selected < 0 && !box.items.empty()) box.selected = 0;
        box.text = box.selected >= 0 ? box.items[static_cast<size_t>(box.selected)] : std::string();
    }
    state_.opening = db.openingText;
    state_.firstCaption = db.firstButtonCaption;
    state_.lastCaption = db.lastButtonCaption;
    state_.area = ViewArea::Opening;
    state_.title = "";
    setFlag(1, settings.allowHyperlink);
    setFlag(2, db.updateMerged);
    setFlag(3, true);
    setFlag(4, true);
    applyDisplaySettings();
}

ViewSettings MainModel::viewSettings() const {
    ViewSettings view;
    view.options = settings_.options;
    view.numbers = env_.numbers;
    return view;
}

std::vector<int> MainModel::setViewFlags() const {
    std::vector<int> set;
    for (int n = 4; n <= 24; ++n)
        if (flag(n)) set.push_back(n);
    return set;
}

void MainModel::falsebuttons() {
    for (int n = 4; n <= 24; ++n) setFlag(n, false);
}

void MainModel::changed() {
    ++version_;
    if (onChange_) onChange_();
}

void MainModel::warn(const std::string& text) {
    if (env_.messages) env_.messages->show(MessageKind::Warning, text, Buttons::Ok);
}

std::array<int, kSearchBoxCount> MainModel::selections() const {
    std::array<int, kSearchBoxCount> out{};
    for (size_t b = 0; b < out.size(); ++b) out[b] = state_.boxes[b].selected;
    return out;
}

// ---------------------------------------------------------------- commands

void MainModel::trigger(Control control) {
    Command command = commandOf(control);
    if (command != Command::None) run(command, control);
}

void MainModel::run(Command command, Control control) {
    switch (command) {
    case Command::DriverWins: search(SearchCommand::DriverWins, command, control, kDriverBox); break;
    case Command::DriverPodiums: search(SearchCommand::DriverPodiums, command, control, kDriverBox); break;
    case Command::DriverCareer: career(control); break;
    case Command::TeamWins: search(SearchCommand::TeamWins, command, control, kTeamBox); break;
    case Command::TeamPodiums: search(SearchCommand::TeamPodiums, command, control, kTeamBox); break;
    case Command::Team12: search(SearchCommand::Team12, command, control, kTeamBox); break;
    case Command::Team123: search(SearchCommand::Team123, command, control, kTeamBox); break;
    case Command::EngineWins: search(SearchCommand::EngineWins, command, control, kEngineBox); break;
    case Command::EnginePodiums: search(SearchCommand::EnginePodiums, command, control, kEngineBox); break;
    case Command::Engine12: search(SearchCommand::Engine12, command, control, kEngineBox); break;
    case Command::Engine123: search(SearchCommand::Engine123, command, control, kEngineBox); break;
    case Command::CircuitResults: search(SearchCommand::CircuitResults, command, control, kCircuitBox); break;
    case Command::VenueResults: search(SearchCommand::VenueResults, command, control, kVenueBox); break;
    case Command::SeasonResults: seasonResults(control); break;
    case Command::FirstSeason: firstOrLastSeason(true, control); break;
    case Command::LastSeason: firstOrLastSeason(false, control); break;
    case Command::SeasonUp: stepSeason(+1); break;
    case Command::SeasonDown: stepSeason(-1); break;
    case Command::AllRaces: {
        if (env_.host) env_.host->setBusy(true);
        search(SearchCommand::AllRaces, command, control, -1);
        if (env_.host) env_.host->setBusy(false);
        break;
    }
    case Command::Specials: specials(control); break;
    case Command::RaceWinTables: winTablesView(control); break;
    case Command::ChampionshipTables: championshipsView(control); break;
    case Command::Calendar: calendar(); break;
    case Command::OpeningScreen: openingScreen(control); break;
    case Command::ResultHelp:
        if (env_.host) env_.host->showResultHelp();
        break;
    case Command::Print: print(); break;
    case Command::Copy: copy(); break;
    case Command::Preferences:
        if (env_.host) env_.host->runPreferences();
        afterPreferencesClosed();
        break;
    case Command::UpdateEditor:
        if (env_.host) env_.host->runUpdateEditor();
        break;
    case Command::Exit: exitProgram(); break;
    case Command::UpdateHelp:
        if (env_.host) env_.host->showUpdateHelp();
        break;
    case Command::Contact: contact(); break;
    case Command::About:
        if (env_.host) env_.host->showAbout();
        break;
    case Command::KnownProblems:
        if (env_.host) env_.host->showKnownProblems();
        break;
    case Command::None: break;
    }
}

// A search or list view needs an entry of its box. Typed text that matches no entry
// leaves none selected: the command then explains and does nothing.
bool MainModel::requireSelection(int box) {
    const BoxState& state = state_.boxes[static_cast<size_t>(box)];
    if (state.selected >= 0 && state.selected < static_cast<int>(state.items.size())) return true;
    if (env_.messages) {
        std::string text = state.text.empty() ? std::string("No entry is selected in the list of ") + kBoxNouns[box] + "."
                                              : "\"" + state.text + "\" is not in the list of " + kBoxNouns[box] + ".";
        env_.messages->show(MessageKind::Information, text, Buttons::Ok);
    }
    return false;
}

void MainModel::beginCommand(Command command, Control control) {
    falsebuttons();
    if (records(command, control)) setFlag(viewFlagOf(command), true);
    setFlag(3, false);
    state_.calendarOnShow = false;
}

void MainModel::showPage(Page page, bool focusColoured) {
    state_.plain = std::move(page.plain);
    state_.coloured = std::move(page.coloured);
    state_.title = state_.plain.empty() ? std::string() : state_.plain.front();
    state_.area = settings_.option(17) ? ViewArea::ResultsPlain : ViewArea::ResultsColoured;
    state_.focus = (focusColoured && state_.area == ViewArea::ResultsColoured) ? Focus::ColouredResults
                                                                               : Focus::Unchanged;
    changed();
}

void MainModel::search(SearchCommand command, Command cmd, Control control, int box) {
    if (box >= 0 && !requireSelection(box)) return;
    beginCommand(cmd, control);
    std::string value;
    if (box == kDriverBox) {
        value = db_.driverStored(static_cast<size_t>(state_.boxes[kDriverBox].selected));
    } else if (box >= 0) {
        const BoxState& state = state_.boxes[static_cast<size_t>(box)];
        value = state.items[static_cast<size_t>(state.selected)];
    }
    bool keepsFocus = command == SearchCommand::DriverWins || command == SearchCommand::DriverPodiums ||
                      command == SearchCommand::Team12 || command == SearchCommand::Team123 ||
                      command == SearchCommand::Engine12 || command == SearchCommand::Engine123;
    showPage(searchPage(db_, command, value, viewSettings()), !keepsFocus);
}

void MainModel::seasonResults(Control control) {
    search(SearchCommand::SeasonResults, Command::SeasonResults, control, kSeasonBox);
}

void MainModel::stepSeason(int delta) {
    BoxState& box = state_.boxes[kSeasonBox];
    int next = box.selected + delta;
    if (box.selected < 0 || next < 0 || next >= static_cast<int>(box.items.size())) return;
    box.selected = next;
    box.text = box.items[static_cast<size_t>(next)];
    setFlag(12, true);
    seasonResults(Control::Button10);
}

void MainModel::firstOrLastSeason(bool first, Control control) {
    if (records(first ? Command::FirstSeason : Command::LastSeason, control)) setFlag(first ? 23 : 24, true);
    const std::string year = std::to_string(first ? db_.FirstSeason : db_.LastSeason);
    selectText(kSeasonBox, year);
    seasonResults(Control::Window);
}

void MainModel::career(Control control) {
    if (!requireSelection(kDriverBox)) return;
    beginCommand(Command::DriverCareer, control);
    std::string stored = db_.driverStored(static_cast<size_t>(state_.boxes[kDriverBox].selected));
    showPage(careerPage(db_, stored, viewSettings()), true);
}

void MainModel::specials(Control control) {
    beginCommand(Command::Specials, control);
    showPage(specialsPage(db_, viewSettings()), true);
}

void MainModel::applyListColours(ViewArea area) {
    bool coloured = !settings_.option(17);
    size_t first = area == ViewArea::WinTables ? 0 : 3;
    for (size_t i = first; i < first + 3; ++i) {
        if (coloured)
            state_.lists[i] = {settings_.colours[i + 1], colour::Blue};
        else
            state_.lists[i] = {colour::White, colour::Black};
    }
}

void MainModel::winTablesView(Control control) {
    applyListColours(ViewArea::WinTables);
    beginCommand(Command::RaceWinTables, control);
    state_.winTables = winTables(db_);
    state_.area = ViewArea::WinTables;
    state_.title = "Race Win Tables";
    state_.focus = Focus::WinTablePanel;
    changed();
}

void MainModel::championshipsView(Control control) {
    applyListColours(ViewArea::ChampionshipTables);
    beginCommand(Command::ChampionshipTables, control);
    state_.championships = championshipTables(db_, viewSettings());
    state_.area = ViewArea::ChampionshipTables;
    state_.title = "Championship Tables";
    state_.focus = Focus::ChampionshipPanel;
    changed();
    if (env_.files) {
        std::string error;
        if (!writeTitleCountFiles(*env_.files, settings_.programDir, state_.championships, &error))
            warn("The championship title counts could not be written to DriverChamps.txt and TeamChamps.txt:\n" +
                 error);
    }
}

void MainModel::calendar() {
    SystemClock systemClock;
    const Clock& clock = env_.clock ? *env_.clock : static_cast<const Clock&>(systemClock);
    CalendarPage page = calendarPage(db_, clock);
    if (!page.exists) {
        if (env_.messages) env_.messages->show(MessageKind::Information, page.message, Buttons::Ok);
        return;
    }
    // The calendar goes to the coloured box only; the plain page keeps the last view.
    state_.coloured = std::move(page.coloured);
    state_.area = ViewArea::ResultsColoured;
    state_.title = state_.coloured.empty() ? std::string() : state_.coloured.front().text;
    state_.calendarOnShow = true;
    state_.focus = Focus::Unchanged;
    changed();
}

void MainModel::openingScreen(Control control) {
    falsebuttons();
    if (records(Command::OpeningScreen, control)) setFlag(21, true);
    state_.area = ViewArea::Opening;
    state_.title = "";
    state_.focus = Focus::OpeningText;
    state_.calendarOnShow = false;
    setFlag(3, true);
    changed();
}

// ---------------------------------------------------------------- boxes and lists

bool MainModel::selectText(int box, const std::string& text) {
    BoxState& state = state_.boxes[static_cast<size_t>(box)];
    auto it = std::find(state.items.begin(), state.items.end(), text);
    if (it == state.items.end()) return false;
    state.selected = static_cast<int>(it - state.items.begin());
    state.text = *it;
    changed();
    return true;
}

void MainModel::selectItem(int box, int index) {
    if (box < 0 || box >= kSearchBoxCount) return;
    BoxState& state = state_.boxes[static_cast<size_t>(box)];
    if (index < 0 || index >= static_cast<int>(state.items.size())) return;
    state.selected = index;
    state.text = state.items[static_cast<size_t>(index)];
    changed();
    boxChanged(box);
}

void MainModel::typeText(int box, const std::string& text) {
    if (box < 0 || box >= kSearchBoxCount - 1) return; // the season box takes no typing
    BoxState& state = state_.boxes[static_cast<size_t>(box)];
    state.text = text;
    auto it = std::find(state.items.begin(), state.items.end(), text);
    if (it == state.items.end()) {
        // The list's own matching ignores case: take the first entry equal but for case.
        it = std::find_if(state.items.begin(), state.items.end(),
                          [&](const std::string& item) { return compareFolded(item, text) == 0; });
    }
    state.selected = it == state.items.end() ? -1 : static_cast<int>(it - state.items.begin());
    changed();
    boxChanged(box);
}

void MainModel::boxChanged(int box) {
    if (box < 0 || box >= kSearchBoxCount) return;
    for (int b = 0; b <= kVenueBox; ++b)
        if (state_.boxes[static_cast<size_t>(b)].selected < 0) return;
    setFlag(3, false);
    state_.plain.clear();
    if (!flag(4) && !flag(5) && !flag(20)) setFlag(4, true);
    if (!flag(6) && !flag(7) && !flag(14) && !flag(15)) setFlag(6, true);
    if (!flag(8) && !flag(9) && !flag(16) && !flag(17)) setFlag(8, true);
    Control control = kCombos[box];
    switch (box) {
    case kDriverBox:
        if (flag(4)) run(Command::DriverWins, control);
        if (flag(5)) run(Command::DriverPodiums, control);
        if (flag(20)) run(Command::DriverCareer, control);
        break;
    case kTeamBox:
        if (flag(6)) run(Command::TeamWins, control);
        if (flag(7)) run(Command::TeamPodiums, control);
        if (flag(14)) run(Command::Team12, control);
        if (flag(15)) run(Command::Team123, control);
        break;
    case kEngineBox:
        if (flag(8)) run(Command::EngineWins, control);
        if (flag(9)) run(Command::EnginePodiums, control);
        if (flag(16)) run(Command::Engine12, control);
        if (flag(17)) run(Command::Engine123, control);
        break;
    case kCircuitBox: run(Command::CircuitResults, control); break;
    case kVenueBox: run(Command::VenueResults, control); break;
    case kSeasonBox: run(Command::SeasonResults, control); break;
    default: break;
    }
}

void MainModel::clickRow(Control list, size_t row) {
    if (list != Control::ListBox4) return;
    const auto& rows = state_.winTables.engines;
    if (row >= rows.size()) return;
    if (selectText(kEngineBox, winTableName(rows[row]))) boxChanged(kEngineBox);
}

void MainModel::doubleClickRow(Control list, size_t row) {
    auto rowText = [&](const std::vector<std::string>& rows) { return row < rows.size() ? rows[row] : std::string(); };
    auto selectConstructor = [&](const std::string& text) {
        size_t dash = text.find('-');
        if (dash == std::string::npos) {
            selectText(kTeamBox, text);
            selectText(kEngineBox, text);
        } else {
            selectText(kTeamBox, text.substr(0, dash));
            selectText(kEngineBox, text.substr(dash + 1));
        }
    };
    switch (list) {
    case Control::ListBox2: {
        std::string name = winTableName(rowText(state_.winTables.drivers));
        if (!name.empty() && selectText(kDriverBox, displayForm(name))) boxChanged(kDriverBox);
        break;
    }
    case Control::ListBox3: {
        std::string name = winTableName(rowText(state_.winTables.constructors));
        if (!name.empty() && selectText(kTeamBox, name)) boxChanged(kTeamBox);
        break;
    }
    case Control::ListBox5: {
        std::string name = championRowName(rowText(state_.championships.drivers));
        if (!name.empty()) selectText(kDriverBox, displayForm(name));
        break;
    }
    case Control::ListBox6: {
        std::string name = championRowName(rowText(state_.championships.constructors));
        if (!name.empty()) selectConstructor(name);
        break;
    }
    case Control::ListBox7: {
        std::string name = trimmed(columns(rowText(state_.championships.success), 1, 19));
        if (name.empty()) break;
        for (const auto& line : db_.DriverChampList)
            if (splitrecord(line)[3] == name) {
                selectText(kDriverBox, displayForm(name));
                return;
            }
        for (const auto& line : db_.TeamChampList)
            if (splitrecord(line)[3] == name) {
                selectConstructor(name);
                return;
            }
        break;
    }
    default: break;
    }
}

// ---------------------------------------------------------------- other windows

void MainModel::applyDisplaySettings() {
    state_.resultFont = settings_.option(15) ? "Courier New" : "Arial";
    state_.smallToolBar = settings_.option(16);
    state_.resultsBackground = settings_.colour(Colour::Results);
    // Plain mode shows the tables black on white whatever colours are stored.
    bool coloured = !settings_.option(17);
    for (size_t i = 0; i < state_.lists.size(); ++i)
        state_.lists[i] = coloured ? ListColours{settings_.colours[i + 1], colour::Blue}
                                   : ListColours{colour::White, colour::Black};
}

void MainModel::afterPreferencesClosed() {
    if (state_.area == ViewArea::ResultsPlain || state_.area == ViewArea::ResultsColoured) {
        state_.area = settings_.option(17) ? ViewArea::ResultsPlain : ViewArea::ResultsColoured;
        if (state_.area == ViewArea::ResultsPlain) state_.calendarOnShow = false;
    }
    applyDisplaySettings();
    changed();
    for (int n = 4; n <= 24; ++n)
        if (flag(n)) run(commandOfFlag(n), panelControlOfFlag(n));
    if (env_.ini) {
        std::string error;
        if (!savePreferences(*env_.ini, settings_, &error)) warn("The preferences could not be saved:\n" + error);
    }
}

OutputSource MainModel::outputSource(std::vector<std::string>& calendarLines) const {
    OutputSource source;
    source.opening = &state_.opening;
    source.results = &state_.plain;
    source.winTables = &state_.winTables;
    source.championships = &state_.championships;
    switch (state_.area) {
    case ViewArea::Opening: source.area = ShownArea::OpeningScreen; break;
    case ViewArea::ResultsPlain:
    case ViewArea::ResultsColoured: source.area = ShownArea::Results; break;
    case ViewArea::WinTables: source.area = ShownArea::WinTables; break;
    case ViewArea::ChampionshipTables: source.area = ShownArea::ChampionshipTables; break;
    }
    if (state_.calendarOnShow) {
        // The calendar on show is what gets printed and copied.
        for (const auto& line : state_.coloured) calendarLines.push_back(line.text);
        source.results = &calendarLines;
    }
    return source;
}

std::vector<std::string> MainModel::printTextOnShow() const {
    std::vector<std::string> calendarLines;
    return printText(db_, outputSource(calendarLines));
}

std::vector<std::string> MainModel::copyTextOnShow() const {
    std::vector<std::string> calendarLines;
    return copyText(db_, outputSource(calendarLines));
}

void MainModel::print() {
    std::vector<std::string> text = printTextOnShow();
    if (env_.host) env_.host->runPrintSetup(text);
    afterPrintSetupClosed();
}

void MainModel::afterPrintSetupClosed() {
    state_.resultFont = settings_.option(15) ? "Courier New" : "Arial";
    changed();
    if (env_.ini) {
        std::string error;
        if (!saveOptions(*env_.ini, settings_, &error)) warn("The options could not be saved:\n" + error);
    }
    if (flag(4))
        run(Command::DriverWins, Control::Button2);
    else if (flag(5))
        run(Command::DriverPodiums, Control::Button3);
}

void MainModel::copy() {
    std::vector<std::string> lines = copyTextOnShow();
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) text += "\n";
        text += lines[i];
    }
    if (env_.clipboard) env_.clipboard->setText(text);
    if (env_.messages) env_.messages->show(MessageKind::Information, "Data copied to clipboard.", Buttons::Ok);
}

void MainModel::exitProgram() {
    settings_.search = selections();
    bool normal = env_.host ? env_.host->storeGeometry(settings_) : true;
    if (env_.ini) {
        std::string error;
        if (!saveOnExit(*env_.ini, settings_, normal, &error)) warn("The settings could not be saved:\n" + error);
    }
    if (env_.host) env_.host->endProgram();
}

void MainModel::contact() {
    if (!flag(1) || !env_.shell) return;
    shellopen(*env_.shell, kFeedbackAddress, "", "", ShowMode::Normal);
}

} // namespace velmora::ui
