#include "ui/Controls.h"

#include <array>
#include <map>

namespace velmora::ui {

namespace {

enum class Recording { All, Button10Only, NotMenu, None };

struct CommandRow {
    Command command;
    int flag;
    Recording recording;
    std::vector<Control> starters; // panel control first
};

using C = Control;

const std::vector<CommandRow>& rows() {
    static const std::vector<CommandRow> table = {
        {Command::DriverWins, 4, Recording::All, {C::Button2, C::ToolButton4, C::ToolButton37, C::MenuDriverWins}},
        {Command::DriverPodiums, 5, Recording::All, {C::Button3, C::ToolButton3, C::ToolButton38, C::MenuDriverPodiums}},
        {Command::DriverCareer, 20, Recording::All, {C::Button18, C::ToolButton5, C::ToolButton39, C::MenuDriverCareer}},
        {Command::TeamWins, 6, Recording::All, {C::Button4, C::ToolButton7, C::ToolButton41, C::MenuTeamWins}},
        {Command::TeamPodiums, 7, Recording::All, {C::Button5, C::ToolButton8, C::ToolButton42, C::MenuTeamPodiums}},
        {Command::Team12, 14, Recording::All, {C::Button12, C::ToolButton9, C::ToolButton43, C::MenuTeam12}},
        {Command::Team123, 15, Recording::All, {C::Button13, C::ToolButton10, C::ToolButton44, C::MenuTeam123}},
        {Command::EngineWins, 8, Recording::All, {C::Button6, C::ToolButton12, C::ToolButton46, C::MenuEngineWins}},
        {Command::EnginePodiums, 9, Recording::All, {C::Button7, C::ToolButton13, C::ToolButton47, C::MenuEnginePodiums}},
        {Command::Engine12, 16, Recording::All, {C::Button14, C::ToolButton14, C::ToolButton48, C::MenuEngine12}},
        {Command::Engine123, 17, Recording::All, {C::Button15, C::ToolButton15, C::ToolButton49, C::MenuEngine123}},
        {Command::CircuitResults, 10, Recording::All, {C::Button8, C::ToolButton17, C::ToolButton51, C::MenuCircuits}},
        {Command::VenueResults, 11, Recording::All, {C::Button9, C::ToolButton19, C::ToolButton52, C::MenuVenues}},
        {Command::SeasonResults, 12, Recording::Button10Only, {C::Button10, C::ToolButton21, C::ToolButton53}},
        {Command::FirstSeason, 23, Recording::All, {C::Button21, C::MenuFirstSeason}},
        {Command::LastSeason, 24, Recording::All, {C::Button22, C::MenuLastSeason}},
        {Command::SeasonUp, 0, Recording::None, {C::SpinButton1Up}},
        {Command::SeasonDown, 0, Recording::None, {C::SpinButton1Down}},
        {Command::AllRaces, 13, Recording::NotMenu, {C::Button11, C::ToolButton23, C::ToolButton55, C::MenuAllRaces}},
        {Command::Specials, 22, Recording::NotMenu, {C::Button20, C::ToolButton24, C::ToolButton56, C::MenuSpecials}},
        {Command::RaceWinTables, 18, Recording::NotMenu,
         {C::Button16, C::ToolButton25, C::ToolButton57, C::MenuRaceWinTables}},
        {Command::ChampionshipTables, 19, Recording::NotMenu,
         {C::Button17, C::ToolButton26, C::ToolButton58, C::MenuChampionshipTables}},
        {Command::Calendar, 0, Recording::None, {C::ToolButton63, C::MenuCalendar}},
        {Command::OpeningScreen, 21, Recording::All, {C::Button19}},
        {Command::ResultHelp, 0, Recording::None, {C::ToolButton28, C::ToolButton60, C::MenuHelp}},
        {Command::Print, 0, Recording::None, {C::ToolButton29, C::ToolButton34, C::MenuPrint, C::PopupPrint}},
        {Command::Copy, 0, Recording::None, {C::PopupCopy}},
        {Command::Preferences, 0, Recording::None, {C::ToolButton31, C::ToolButton35, C::MenuPreferences}},
        {Command::UpdateEditor, 0, Recording::None, {C::ToolButton61, C::ToolButton62, C::MenuUpdateDatabase}},
        {Command::Exit, 0, Recording::None, {C::ToolButton1, C::ToolButton32, C::MenuExit}},
        {Command::UpdateHelp, 0, Recording::None, {C::MenuUpdates}},
        {Command::Contact, 0, Recording::None, {C::MenuContact}},
        {Command::About, 0, Recording::None, {C::MenuAbout}},
        {Command::KnownProblems, 0, Recording::None, {C::MenuBugs}},
    };
    return table;
}

const CommandRow* rowOf(Command command) {
    for (const auto& row : rows())
        if (row.command == command) return &row;
    return nullptr;
}

bool isMenuItem(Control control) {
    return control >= C::MenuPrint && control <= C::PopupCopy;
}

} // namespace

Command commandOf(Control control) {
    static const std::map<Control, Command> byControl = [] {
        std::map<Control, Command> map;
        for (const auto& row : rows())
            for (Control c : row.starters) map[c] = row.command;
        return map;
    }();
    auto it = byControl.find(control);
    return it == byControl.end() ? Command::None : it->second;
}

const std::vector<Control>& startersOf(Command command) {
    static const std::vector<Control> none;
    const CommandRow* row = rowOf(command);
    return row ? row->starters : none;
}

bool records(Command command, Control control) {
    const CommandRow* row = rowOf(command);
    if (!row || row->flag == 0 || control == C::Window) return false;
    switch (row->recording) {
    case Recording::All: return true;
    case Recording::Button10Only: return control == C::Button10;
    case Recording::NotMenu: return !isMenuItem(control);
    case Recording::None: return false;
    }
    return false;
}

int viewFlagOf(Command command) {
    const CommandRow* row = rowOf(command);
    return row ? row->flag : 0;
}

Command commandOfFlag(int flag) {
    for (const auto& row : rows())
        if (row.flag == flag) return row.command;
    return Command::None;
}

Control panelControlOfFlag(int flag) {
    for (const auto& row : rows())
        if (row.flag == flag) return row.starters.front();
    return C::Window;
}

std::string controlName(Control control) {
    static const std::map<Control, const char*> names = {
        {C::Button2, "Button2"}, {C::Button3, "Button3"}, {C::Button18, "Button18"}, {C::Button4, "Button4"},
        {C::Button5, "Button5"}, {C::Button12, "Button12"}, {C::Button13, "Button13"}, {C::Button6, "Button6"},
        {C::Button7, "Button7"}, {C::Button14, "Button14"}, {C::Button15, "Button15"}, {C::Button8, "Button8"},
        {C::Button9, "Button9"}, {C::Button10, "Button10"}, {C::Button21, "Button21"}, {C::Button22, "Button22"},
        {C::SpinButton1Up, "SpinButton1Up"}, {C::SpinButton1Down, "SpinButton1Down"}, {C::Button11, "Button11"},
        {C::Button16, "Button16"}, {C::Button17, "Button17"}, {C::Button20, "Button20"}, {C::Button19, "Button19"},
        {C::ToolButton1, "ToolButton1"}, {C::ToolButton29, "ToolButton29"}, {C::ToolButton31, "ToolButton31"},
        {C::ToolButton61, "ToolButton61"}, {C::ToolButton4, "ToolButton4"}, {C::ToolButton3, "ToolButton3"},
        {C::ToolButton5, "ToolButton5"}, {C::ToolButton7, "ToolButton7"}, {C::ToolButton8, "ToolButton8"},
        {C::ToolButton9, "ToolButton9"}, {C::ToolButton10, "ToolButton10"}, {C::ToolButton12, "ToolButton12"},
        {C::ToolButton13, "ToolButton13"}, {C::ToolButton14, "ToolButton14"}, {C::ToolButton15, "ToolButton15"},
        {C::ToolButton17, "ToolButton17"}, {C::ToolButton19, "ToolButton19"}, {C::ToolButton21, "ToolButton21"},
        {C::ToolButton23, "ToolButton23"}, {C::ToolButton24, "ToolButton24"}, {C::ToolButton25, "ToolButton25"},
        {C::ToolButton26, "ToolButton26"}, {C::ToolButton28, "ToolButton28"}, {C::ToolButton32, "ToolButton32"},
        {C::ToolButton34, "ToolButton34"}, {C::ToolButton35, "ToolButton35"}, {C::ToolButton62, "ToolButton62"},
        {C::ToolButton37, "ToolButton37"}, {C::ToolButton38, "ToolButton38"}, {C::ToolButton39, "ToolButton39"},
        {C::ToolButton41, "ToolButton41"}, {C::ToolButton42, "ToolButton42"}, {C::ToolButton43, "ToolButton43"},
        {C::ToolButton44, "ToolButton44"}, {C::ToolButton46, "ToolButton46"}, {C::ToolButton47, "ToolButton47"},
        {C::ToolButton48, "ToolButton48"}, {C::ToolButton49, "ToolButton49"}, {C::ToolButton51, "ToolButton51"},
        {C::ToolButton52, "ToolButton52"}, {C::ToolButton53, "ToolButton53"}, {C::ToolButton63, "ToolButton63"},
        {C::ToolButton55, "ToolButton55"}, {C::ToolButton56, "ToolButton56"}, {C::ToolButton57, "ToolButton57"},
        {C::ToolButton58, "ToolButton58"}, {C::ToolButton60, "ToolButton60"}, {C::MenuPrint, "MenuPrint"},
        {C::MenuPreferences, "MenuPreferences"}, {C::MenuUpdateDatabase, "MenuUpdateDatabase"},
        {C::MenuExit, "MenuExit"}, {C::MenuDriverWins, "MenuDriverWins"}, {C::MenuDriverPodiums, "MenuDriverPodiums"},
        {C::MenuDriverCareer, "MenuDriverCareer"}, {C::MenuTeamWins, "MenuTeamWins"},
        {C::MenuTeamPodiums, "MenuTeamPodiums"}, {C::MenuTeam12, "MenuTeam12"}, {C::MenuTeam123, "MenuTeam123"},
        {C::MenuEngineWins, "MenuEngineWins"}, {C::MenuEnginePodiums, "MenuEnginePodiums"},
        {C::MenuEngine12, "MenuEngine12"}, {C::MenuEngine123, "MenuEngine123"}, {C::MenuCircuits, "MenuCircuits"},
        {C::MenuVenues, "MenuVenues"}, {C::MenuFirstSeason, "MenuFirstSeason"}, {C::MenuLastSeason, "MenuLastSeason"},
        {C::MenuAllRaces, "MenuAllRaces"}, {C::MenuSpecials, "MenuSpecials"},
        {C::MenuRaceWinTables, "MenuRaceWinTables"}, {C::MenuChampionshipTables, "MenuChampionshipTables"},
        {C::MenuCalendar, "MenuCalendar"}, {C::MenuHelp, "MenuHelp"}, {C::MenuUpdates, "MenuUpdates"},
        {C::MenuContact, "MenuContact"}, {C::MenuAbout, "MenuAbout"}, {C::MenuBugs, "MenuBugs"},
        {C::PopupPrint, "PopupPrint"}, {C::PopupCopy, "PopupCopy"}, {C::ComboBox1, "ComboBox1"},
        {C::ComboBox2, "ComboBox2"}, {C::ComboBox3, "ComboBox3"}, {C::ComboBox4, "ComboBox4"},
        {C::ComboBox5, "ComboBox5"}, {C::ComboBox6, "ComboBox6"}, {C::ListBox2, "ListBox2"},
        {C::ListBox3, "ListBox3"}, {C::ListBox4, "ListBox4"}, {C::ListBox5, "ListBox5"}, {C::ListBox6, "ListBox6"},
        {C::ListBox7, "ListBox7"}, {C::Window, "Window"},
    };
    auto it = names.find(control);
    return it == names.end() ? std::string("?") : std::string(it->second);
}

} // namespace velmora::ui
