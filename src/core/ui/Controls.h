#pragma once
// The controls of the main window that start commands, the commands, and which
// control starts which command. A command is told which control started it, so that it
// knows whether to record its view flag.

#include <string>
#include <vector>

namespace velmora::ui {

enum class Control {
    // Right-hand panel.
    Button2, Button3, Button18,                 // Driver: wins, podiums, career
    Button4, Button5, Button12, Button13,       // Constructors: wins, podiums, 1-2, 1-2-3
    Button6, Button7, Button14, Button15,       // Engines: wins, podiums, 1-2, 1-2-3
    Button8,                                    // Circuits: results
    Button9,                                    // Venues: results
    Button10, Button21, Button22,               // Season: results, first, last
    SpinButton1Up, SpinButton1Down,             // Season: the arrows
    Button11, Button16, Button17, Button20,     // All races, win tables, championship tables, specials
    Button19,                                   // Help (the opening screen)
    // Small tool bar.
    ToolButton1, ToolButton29, ToolButton31, ToolButton61,
    ToolButton4, ToolButton3, ToolButton5,
    ToolButton7, ToolButton8, ToolButton9, ToolButton10,
    ToolButton12, ToolButton13, ToolButton14, ToolButton15,
    ToolButton17, ToolButton19, ToolButton21,
    ToolButton23, ToolButton24, ToolButton25, ToolButton26,
    ToolButton28,
    // Large tool bar.
    ToolButton32, ToolButton34, ToolButton35, ToolButton62,
    ToolButton37, ToolButton38, ToolButton39,
    ToolButton41, ToolButton42, ToolButton43, ToolButton44,
    ToolButton46, ToolButton47, ToolButton48, ToolButton49,
    ToolButton51, ToolButton52, ToolButton53, ToolButton63,
    ToolButton55, ToolButton56, ToolButton57, ToolButton58,
    ToolButton60,
    // File menu.
    MenuPrint, MenuPreferences, MenuUpdateDatabase, MenuExit,
    // Search menu.
    MenuDriverWins, MenuDriverPodiums, MenuDriverCareer,
    MenuTeamWins, MenuTeamPodiums, MenuTeam12, MenuTeam123,
    MenuEngineWins, MenuEnginePodiums, MenuEngine12, MenuEngine123,
    MenuCircuits, MenuVenues, MenuFirstSeason, MenuLastSeason,
    MenuAllRaces, MenuSpecials, MenuRaceWinTables, MenuChampionshipTables,
    MenuCalendar,
    // Help menu.
    MenuHelp, MenuUpdates, MenuContact, MenuAbout, MenuBugs,
    // Pop-up menu.
    PopupPrint, PopupCopy,
    // Drop-down boxes and table lists.
    ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5, ComboBox6,
    ListBox2, ListBox3, ListBox4, ListBox5, ListBox6, ListBox7,
    // The window itself (a command run by another command).
    Window,
};

enum class Command {
    DriverWins, DriverPodiums, DriverCareer,
    TeamWins, TeamPodiums, Team12, Team123,
    EngineWins, EnginePodiums, Engine12, Engine123,
    CircuitResults, VenueResults,
    SeasonResults, FirstSeason, LastSeason, SeasonUp, SeasonDown,
    AllRaces, Specials, RaceWinTables, ChampionshipTables, Calendar,
    OpeningScreen,
    ResultHelp, Print, Copy, Preferences, UpdateEditor, Exit, UpdateHelp, Contact, About, KnownProblems,
    None, // a box or a list: not a command of its own
};

// The command a control starts (None for the boxes, the lists and Window).
Command commandOf(Control control);
// The controls that start a command, panel control first.
const std::vector<Control>& startersOf(Command command);
// Does a command started by this control record its view flag?
bool records(Command command, Control control);
// The view flag (4 to 24) of a command, 0 for a command without one.
int viewFlagOf(Command command);
// The command of view flag 4 to 24, and the panel control that re-runs it.
Command commandOfFlag(int flag);
Control panelControlOfFlag(int flag);

// The control's form name ("Button2", "ToolButton37", "MenuDriverWins", ...).
std::string controlName(Control control);

} // namespace velmora::ui
