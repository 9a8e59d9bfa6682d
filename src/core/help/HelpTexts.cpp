#include "help/HelpTexts.h"

#include <initializer_list>

namespace velmora {

namespace {

// A memo text: each paragraph followed by one empty line, then the closing notice.
std::vector<std::string> memoText(std::initializer_list<const char*> paragraphs) {
    std::vector<std::string> lines;
    lines.reserve(paragraphs.size() * 2 + 1);
    for (const char* p : paragraphs) {
        lines.emplace_back(p);
        lines.emplace_back();
    }
    lines.emplace_back(kHelpClosingNotice);
    return lines;
}

void add(std::vector<ColouredParagraph>& out, std::uint32_t colour, std::initializer_list<const char*> lines) {
    for (const char* l : lines) out.push_back({l, colour});
}

void addEmpty(std::vector<ColouredParagraph>& out, std::uint32_t colour, int count) {
    for (int i = 0; i < count; ++i) out.push_back({"", colour});
}

// A paragraph followed by one empty line.
void para(std::vector<ColouredParagraph>& out, std::uint32_t colour, const char* text) {
    out.push_back({text, colour});
    out.push_back({"", colour});
}

// ---------------------------------------------------------------- example data
// Real results in the update-file layout: distances and speeds to two decimals, a
// comment on some races. Fields 1 to 20 are each followed by "|", then the comment.

constexpr const char* kRaces2015[] = {
    "15/03/2015|Australia|Melbourne|191.12|Lewis Hamilton|||Mercedes|Mercedes|124.78|Nico Rosberg|||Mercedes|Mercedes|Sebastian Vettel|||Ferrari|Ferrari|Lewis Hamilton won from pole position and set the fastest lap",
    "29/03/2015|Malaysia|Sepang|192.88|Sebastian Vettel|||Ferrari|Ferrari|114.47|Lewis Hamilton|||Mercedes|Mercedes|Nico Rosberg|||Mercedes|Mercedes|40th win for Sebastian Vettel",
    "12/04/2015|China|Shanghai|189.56|Lewis Hamilton|||Mercedes|Mercedes|114.08|Nico Rosberg|||Mercedes|Mercedes|Sebastian Vettel|||Ferrari|Ferrari|",
    "19/04/2015|Bahrain|Sakhir|191.53|Lewis Hamilton|||Mercedes|Mercedes|120.84|Kimi Raikkonen|||Ferrari|Ferrari|Nico Rosberg|||Mercedes|Mercedes|",
    "10/05/2015|Spain|Montmelo|190.83|Nico Rosberg|||Mercedes|Mercedes|113.13|Lewis Hamilton|||Mercedes|Mercedes|Sebastian Vettel|||Ferrari|Ferrari|",
    "24/05/2015|Monaco|Monte Carlo|161.73|Nico Rosberg|||Mercedes|Mercedes|88.78|Sebastian Vettel|||Ferrari|Ferrari|Lewis Hamilton|||Mercedes|Mercedes|10th win for Nico Rosberg",
    "07/06/2015|Canada|Montreal|189.69|Lewis Hamilton|||Mercedes|Mercedes|123.86|Nico Rosberg|||Mercedes|Mercedes|Valtteri Bottas|||Williams|Mercedes|",
    "21/06/2015|Austria|A1 Ring|190.85|Nico Rosberg|||Mercedes|Mercedes|126.84|Lewis Hamilton|||Mercedes|Mercedes|Felipe Massa|||Williams|Mercedes|",
    "05/07/2015|Great Britain|Silverstone|190.26|Lewis Hamilton|||Mercedes|Mercedes|124.81|Nico Rosberg|||Mercedes|Mercedes|Sebastian Vettel|||Ferrari|Ferrari|Home win for Lewis Hamilton, from pole position",
    "26/07/2015|Hungary|Hungaroring|187.81|Sebastian Vettel|||Ferrari|Ferrari|106.14|Daniil Kvyat|||Red Bull Racing|Renault|Daniel Ricciardo|||Red Bull Racing|Renault|First podium for Daniil Kvyat. Race shortened to 69 of the 70 scheduled laps",
    "23/08/2015|Belgium|Spa|187.06|Lewis Hamilton|||Mercedes|Mercedes|134.14|Nico Rosberg|||Mercedes|Mercedes|Romain Grosjean|||Lotus F1|Mercedes|Race shortened to 43 of the 44 scheduled laps",
    "06/09/2015|Italy|Monza|190.59|Lewis Hamilton|||Mercedes|Mercedes|146.58|Sebastian Vettel|||Ferrari|Ferrari|Felipe Massa|||Williams|Mercedes|40th win for Lewis Hamilton, from pole position and with the fastest lap",
    "20/09/2015|Singapore|Marina Bay|191.90|Sebastian Vettel|||Ferrari|Ferrari|94.87|Daniel Ricciardo|||Red Bull Racing|Renault|Kimi Raikkonen|||Ferrari|Ferrari|",
    "27/09/2015|Japan|Suzuka|191.05|Lewis Hamilton|||Mercedes|Mercedes|130.10|Nico Rosberg|||Mercedes|Mercedes|Sebastian Vettel|||Ferrari|Ferrari|",
    "11/10/2015|Russia|Sochi|192.47|Lewis Hamilton|||Mercedes|Mercedes|118.83|Sebastian Vettel|||Ferrari|Ferrari|Sergio Perez|||Force India|Mercedes|Mercedes made sure of the constructors' title at this race",
    "25/10/2015|United States|Austin|191.63|Lewis Hamilton|||Mercedes|Mercedes|103.70|Nico Rosberg|||Mercedes|Mercedes|Sebastian Vettel|||Ferrari|Ferrari|Lewis Hamilton made sure of the drivers' title at this race",
    "01/11/2015|Mexico|Mexico City|189.74|Nico Rosberg|||Mercedes|Mercedes|110.98|Lewis Hamilton|||Mercedes|Mercedes|Valtteri Bottas|||Williams|Mercedes|",
    "15/11/2015|Brazil|Interlagos|190.08|Nico Rosberg|||Mercedes|Mercedes|125.12|Lewis Hamilton|||Mercedes|Mercedes|Sebastian Vettel|||Ferrari|Ferrari|",
    "29/11/2015|Abu Dhabi|Yas Marina|189.74|Nico Rosberg|||Mercedes|Mercedes|115.57|Lewis Hamilton|||Mercedes|Mercedes|Kimi Raikkonen|||Ferrari|Ferrari|",
};

// The first 14 races of 2016.
constexpr const char* kRaces2016[] = {
    "20/03/2016|Australia|Melbourne|187.82|Nico Rosberg|||Mercedes|Mercedes|104.10|Lewis Hamilton|||Mercedes|Mercedes|Sebastian Vettel|||Ferrari|Ferrari|Race shortened to 57 of the 58 scheduled laps",
    "03/04/2016|Bahrain|Sakhir|191.53|Nico Rosberg|||Mercedes|Mercedes|122.80|Kimi Raikkonen|||Ferrari|Ferrari|Lewis Hamilton|||Mercedes|Mercedes|",
    "17/04/2016|China|Shanghai|189.56|Nico Rosberg|||Mercedes|Mercedes|115.00|Sebastian Vettel|||Ferrari|Ferrari|Daniil Kvyat|||Red Bull Racing|TAG Heuer|",
    "01/05/2016|Russia|Sochi|192.47|Nico Rosberg|||Mercedes|Mercedes|124.57|Lewis Hamilton|||Mercedes|Mercedes|Kimi Raikkonen|||Ferrari|Ferrari|",
    "15/05/2016|Spain|Montmelo|190.83|Max Verstappen|||Red Bull Racing|TAG Heuer|112.62|Kimi Raikkonen|||Ferrari|Ferrari|Sebastian Vettel|||Ferrari|Ferrari|First win for Max Verstappen, the youngest winner so far, aged 18. First win for TAG Heuer engines",
    "29/05/2016|Monaco|Monte Carlo|161.73|Lewis Hamilton|||Mercedes|Mercedes|81.22|Daniel Ricciardo|||Red Bull Racing|TAG Heuer|Sergio Perez|||Force India|Mercedes|50th win for the team Mercedes",
    "12/06/2016|Canada|Montreal|189.69|Lewis Hamilton|||Mercedes|Mercedes|124.95|Sebastian Vettel|||Ferrari|Ferrari|Valtteri Bottas|||Williams|Mercedes|",
    "19/06/2016|Europe|Baku|190.24|Nico Rosberg|||Mercedes|Mercedes|122.90|Sebastian Vettel|||Ferrari|Ferrari|Sergio Perez|||Force India|Mercedes|",
    "03/07/2016|Austria|A1 Ring|190.85|Lewis Hamilton|||Mercedes|Mercedes|130.67|Max Verstappen|||Red Bull Racing|TAG Heuer|Kimi Raikkonen|||Ferrari|Ferrari|",
    "10/07/2016|Great Britain|Silverstone|190.26|Lewis Hamilton|||Mercedes|Mercedes|120.25|Max Verstappen|||Red Bull Racing|TAG Heuer|Nico Rosberg|||Mercedes|Mercedes|Home win for Lewis Hamilton, from pole position",
    "24/07/2016|Hungary|Hungaroring|190.53|Lewis Hamilton|||Mercedes|Mercedes|113.75|Nico Rosberg|||Mercedes|Mercedes|Daniel Ricciardo|||Red Bull Racing|TAG Heuer|",
    "31/07/2016|Germany|Hockenheim|190.42|Lewis Hamilton|||Mercedes|Mercedes|125.92|Daniel Ricciardo|||Red Bull Racing|TAG Heuer|Max Verstappen|||Red Bull Racing|TAG Heuer|",
    "28/08/2016|Belgium|Spa|191.42|Nico Rosberg|||Mercedes|Mercedes|109.54|Daniel Ricciardo|||Red Bull Racing|TAG Heuer|Lewis Hamilton|||Mercedes|Mercedes|20th win for Nico Rosberg, from pole position",
    "04/09/2016|Italy|Monza|190.59|Nico Rosberg|||Mercedes|Mercedes|147.61|Lewis Hamilton|||Mercedes|Mercedes|Sebastian Vettel|||Ferrari|Ferrari|",
};

constexpr const char* kDriverChamp2015 = "2015|19|Lewis Hamilton|Mercedes-Mercedes|10|381";
constexpr const char* kTeamChamp2015 = "2015|19|Mercedes-Mercedes|16|703";

// The 1951 French race: first and second places each shared by two drivers.
constexpr const char* kSharedDriveRace =
    "01/07/1951|France|Rheims|373.96|Luigi Fagioli|Juan Manuel Fangio||Alfa Romeo|Alfa Romeo|110.98|Jose Froilan Gonzalez|Alberto Ascari||Ferrari|Ferrari|Luigi Villoresi|||Ferrari|Ferrari|The only win of Luigi Fagioli, shared with Juan Manuel Fangio";

// The race line the update help shows as its typical example (the 2015 British race).
constexpr const char* kTypicalRaceLine = kRaces2015[8];

} // namespace

// ---------------------------------------------------------------- preferences help

std::vector<std::string> preferencesHelpText() {
    return memoText({
        "Velmora Preferences",

        "The Preferences window (File menu \"Preferences\", Ctrl+T, or the tool button \"Adjust Program "
        "Settings\") decides what each race shows on the result pages, the units of distance and speed, the "
        "display font, the colours and the size of the tool buttons. Your choices are kept in the settings file "
        "Velmora.INI in the program's folder (or the per-user data folder when that folder cannot be written), "
        "so they stay in force from one run of the program to the next. Nothing you change in the window counts "
        "until you press \"Save & Close\"; when the window closes, the main window applies the settings at once "
        "and, for most pages, builds the page on show again with them.",

        "\"Header & Footer Data\": every race on a result page starts with a header line holding the race "
        "number, the season and round, the date, the circuit, the venue and the race distance, and may end with "
        "a comment line. \"Show Day of Week\" puts the day's name before the date. \"Show Circuit\" shows the "
        "circuit (for example Silverstone) and \"Show Venue\" the venue, the country or the title under which the "
        "race was held (for example Great Britain). \"Show Race Comment\" shows the comment line under the places "
        "for every race that has a comment.",

        "\"Drivers & Engines\": \"Show Winning Driver(s)\", \"Show Second Place Driver(s)\" and \"Show Third Place "
        "Drivers\" each switch one of the three place lines of a race on or off. A place line names the driver, "
        "or all the drivers who shared the car, and the team. \"Show Car Engines\" adds the engine after the team "
        "name; a team whose engine bears its own name (Ferrari, for example) is shown once.",

        "\"Race Distance\" and \"Winning Race Speed\": the distance in the header line can be shown \"In Miles\", "
        "\"In Kilometres\", in \"Both miles and kilometres\" (kilometres in brackets), or not at all (\"Do not "
        "display Race Distance\"). The winner's average speed at the end of the winner's line can likewise be "
        "shown \"In Miles Per Hour\", \"In Kilometres per Hour\", in \"Both MPH and KPH\", or not at all (\"Do "
        "not display Race Speed\"). Every figure is shown with three decimals, using the decimal sign and "
        "thousands separator of your regional settings.",

        "The \"Colours...\" section (its caption reads \"Colours (if check box checked in \"Program\" panel\") is "
        "active only when \"Coloured Text\" is ticked in the \"Program\" section. Its seven radio buttons choose "
        "the background to change: \"Search Results Window\", \"Driver Win List Window\", \"Team Win List "
        "Window\", \"Engine Win List Window\", \"Driver Championship Window\", \"Team Championship Window\" and "
        "\"Engine Championship Window\" (the \"Championship Success\" table). The small square panel beside each "
        "button shows its colour; clicking the panel selects the button as well. The three sliders \"R\", \"G\" "
        "and \"B\" set the red, green and blue parts of the selected colour, each from 0 to 255, and the panel "
        "shows the result as you move them. The search results colour is also the background of the help "
        "windows and of the update editor's comment box in coloured mode.",

        "The \"Program\" section: \"Large Tool Buttons\" or \"Small Tool Buttons\" chooses which of the two tool "
        "bars the main window shows. \"Coloured Text\" shows the result pages in colour (race headers, place lines "
        "and comments each in their own colour, on the background chosen above); without it the pages are black "
        "on white. \"Font Courier New 10pt\" or \"Font Arial 10pt\" chooses the font of the result pages and the "
        "help windows: the columns of the result pages line up only in Courier New. \"Show Opening Splash "
        "Screen\" decides whether the start-up window is shown while the program loads its data.",

        "The \"Save & Close\" button becomes active as soon as you change anything (even clicking a choice that "
        "is already selected counts as a change); it stores every choice and closes the window. The Enter key "
        "does the same. \"Cancel\" (or the Escape key) closes the window without storing anything; when changes "
        "have been made it first asks whether to close anyway and lose them, and No keeps the window open. "
        "Closing the window with its close box loses any changes without asking.",

        "The \"Print\" button of this help window prints the text shown here through the Print Set Up window, "
        "where you choose \"Landscape (recommended)\" or \"Portrait\" and the Courier or Arial font. The font "
        "chosen there also becomes the font of the main window's result pages. You may type into this window "
        "before printing; what you type lasts only until the help is shown again.",
    });
}

// ---------------------------------------------------------------- search result help

std::vector<std::string> resultHelpText() {
    return memoText({
        "Velmora : Search Result Window",

        "The main window shows one page at a time: the opening screen, a result page, the race win tables or "
        "the championship tables. The panel along its right edge holds the searches, in the groups \"Driver\", "
        "\"Constructors\" (teams), \"Engines\", \"Circuits\", \"Venues\", \"Season\" and \"Championship\": you "
        "can search by driver, team, engine, circuit, venue and season, or ask for the special races, all races "
        "and the tables. Pick a name in a group's drop-down list and press one of its buttons. A result page "
        "starts with a title line and a line giving the number of matching results, followed by one block per "
        "race in date order: a header line with the race number, the season and round (as in [#833 2010-13]), "
        "the date, circuit, venue and distance, then the first three places with their drivers, teams and "
        "engines and the winner's average speed, and the race's comment where there is one. The Preferences "
        "window decides which of these details are shown.",

        "The \"Wins Only\" and \"Podiums\" buttons of the \"Driver\", \"Constructors\" (Team) and \"Engines\" "
        "(Engine) groups list every race the selected driver, team or engine won, or every race in which it "
        "finished in the first three. A driver who shared a car is counted for that race just like a sole "
        "driver, and a race is listed once even when the team or engine took more than one of the three places.",

        "The driver \"Career\" button writes a career summary for the selected driver: the number of wins, "
        "second and third places (sole and shared), the first and the last race in each of these places with "
        "their full results, the world championships won with points and wins, every win, second and third "
        "place listed by date, circuit, venue and team, and the teams with which the driver reached the podium.",

        "The \"1-2 Places\" and \"1-2-3 Places\" buttons of the \"Constructors\" group (Search menu \"Team 1-2\" "
        "and \"Team 1-2-3\") list the races in which the selected team took first and second place, or all three "
        "places. Their engine counterparts in the \"Engines\" group (Search menu \"Engine 1-2\" and \"Engine "
        "1-2-3\") do the same for engines.",

        "The \"Results\" buttons of the \"Circuits\" and \"Venues\" groups list every race held on the selected "
        "circuit, or under the selected venue (the country or title of the race, so that, for example, the "
        "European races are listed apart from the national ones). Choosing a new circuit or venue in its list "
        "shows its results at once.",

        "The \"Season\" section: \"Results\" lists every race of the season chosen in the season drop-down list, "
        "which offers the seasons only and cannot be typed into. \"First - \" and \"Last - \" (their captions "
        "carry the first and last season of the data) show the first and the last season. The up and down spin "
        "buttons step to the next or the previous season and show it; at the last or the first season they do "
        "nothing. Choosing a season in the list also shows its results at once.",

        "The \"Championship\" section: \"All Races\" lists every championship race in the data, with the total "
        "at the end; it is a long page and takes a moment to build. \"Specials\" shows notable races, each under "
        "its heading: the first championship race, the longest race (leaving out the Indianapolis 500), the "
        "shortest, the fastest and the slowest race, the youngest and the oldest winner, the latest race in the "
        "data and every hundredth race. \"Race Win Tables\" shows three tables side by side, drivers, "
        "constructors and engines ranked by race wins (shared wins of drivers are shown apart; drivers with equal "
        "wins are ordered by their second and third places). \"Championship Tables\" shows the drivers' champion of every season, the constructors' champion "
        "of every season from 1958, and \"Championship Success\", the number of titles of each driver and "
        "constructor. In the tables, double-click a driver or constructor row (click once on an engine row) to "
        "select that name in its drop-down list; in the win tables this also shows its wins.",

        "The tool buttons along the top repeat the panel's commands, and the \"Search\" menu lists every command "
        "once more, together with \"Current Season Calendar\" (also on the large tool bar), which lists the "
        "races of the current season with the results of those already run. Rest the mouse on a button and its "
        "hint tells you what it does. Keyboard shortcuts: F1 shows this help, Ctrl+P prints, Ctrl+T opens the "
        "preferences, Ctrl+U the update help, Ctrl+A the about window, Ctrl+B the known problems, and Ctrl+Q "
        "ends the program. The \"Help\" button at the bottom of the panel brings back the opening screen.",

        "The drop-down name lists hold every driver, team, engine, circuit and venue in the data, in "
        "alphabetical order. Drivers are listed by surname, the surname first and then the forenames (Hamilton "
        "Lewis), so you can type the first letters of a surname to reach a driver quickly. Choosing a new name "
        "repeats the kind of page last shown for that group (wins, podiums or career for a driver; wins, "
        "podiums, 1-2 or 1-2-3 for a team or an engine); after any other page it shows the wins.",

        "Printing and copying: click a result page or a table with the right mouse button and choose \"Print\" "
        "(Ctrl+P) or \"Copy\" (Ctrl+C); the print tool button (\"Print View Screen\") and \"Print\" in the "
        "\"File\" menu also print. Both take what the main window shows, with a title block before it and a "
        "closing line after it. Printing opens the Print Set Up window, where you choose paper orientation and "
        "font; it warns you when the output is very long. Copying puts the text on the clipboard as plain text "
        "and confirms with \"Data copied to clipboard.\".",

        "The \"Preferences\" option in the \"File\" menu (Ctrl+T) decides the details, units, font and colours "
        "of the pages; its own Help button opens a help window that explains every choice.",

        "The selections of the six search boxes are remembered between runs: they are stored in Velmora.INI "
        "when you leave the program with \"Exit\" in the \"File\" menu, Ctrl+Q or the \"Quit the program\" tool "
        "button, and selected again at the next start. Closing the main window in any other way keeps the "
        "selections of the last Exit.",

        "Most options are best understood by trying them: nothing you do in the search window changes the "
        "data, so feel free to explore.",
    });
}

// ---------------------------------------------------------------- known problems

std::vector<std::string> knownProblemsText() {
    return memoText({
        "Velmora : Current Bugs in and Future Plans for Version 4.1.09",

        "1. In coloured mode the result page does not always open at the same place: after a search it is "
        "sometimes shown scrolled to the top, sometimes to line 3 and sometimes to the very bottom of the "
        "output. The page itself is always complete; use the scroll bar to go back to its first line.",

        "The program asks for the caret and the view to be put at the very start of the page after every "
        "search, but the search for the cause of the coloured view's behaviour has not succeeded so far. It will be looked into again for the next version.",

        "2. A new print set-up is planned, with a free choice of font and font size, better filling of the page "
        "and page numbers. Printing now offers only Courier New or Arial at 10 points, in landscape or portrait.",

        "3. New pictures are planned for the tool buttons.",

        "4. A compiled help file is planned to replace these help windows, with an index and links between the "
        "topics.",

        "5. To report a problem or to ask for a change, go to the maker's web site from the About window (Help "
        "menu, \"About\", Ctrl+A): click its picture or the web address, and send your report from there. Please say which version you "
        "use (4.1.09), what you did, what you expected and what happened.",
    });
}

// ---------------------------------------------------------------- update help

std::vector<ColouredParagraph> updateHelpText() {
    using namespace colour;
    std::vector<ColouredParagraph> t;

    para(t, Blue, "Velmora : Help for the Update File and the Update Editor");

    // Deleting.
    para(t, Red, "Deleting a Record from the Updater File");
    para(t, Red,
         "Deleting a record is final: the editor has no undo, and the record is removed from update.txt at once. "
         "Correcting a wrong record (step to it, change the inputs and press Save) is nearly always better than "
         "deleting it.");
    para(t, Red,
         "If you delete by mistake, the record can still be recovered. Before it removes anything, the Delete "
         "button writes the whole file, as it stood just before the delete, to UpdateBeforeDelete.txt. Every "
         "opening of the editor also copies update.txt, as it was at that moment, to UpdateBackUp.txt. To go "
         "back, close Velmora, delete update.txt and rename one of the two copies to update.txt; they are in the "
         "same folder as update.txt. Do this before you open the editor again or delete once more, because "
         "each copy is replaced the next time it is made.");
    para(t, Red,
         "To delete, step with the arrow buttons to the record you want to remove, then tick the check box of "
         "its section: \"Check this box if you are updating race data\" deletes the race shown, \"Check this box "
         "if you are updating Championship Data\" deletes the driver and constructor championship records "
         "shown. With both ticked, both are deleted. Press Delete and confirm with OK (Cancel stops). While a "
         "section shows \"Adding\" there is nothing in it to delete.");

    // Introduction.
    para(t, Maroon,
         "Velmora carries the results of every championship race from 1950 to the end of 2017 inside the "
         "program. Later races and seasons are read at every start from the update file, update.txt, a plain "
         "text file kept with Velmora.INI in the program's folder (or the per-user data folder when that folder "
         "cannot be written), so the program can be kept up to date without a new version.");
    para(t, Maroon,
         "You may maintain the update file yourself, with the update editor (Ctrl+D, the \"Update Database\" "
         "command) or by hand. The program takes the file as it stands and does not check names or figures, so "
         "wrong data in the file gives wrong results. Names are matched exactly, case included: a driver, team "
         "or engine spelt differently is a different name, so pick names from the drop-down lists wherever you "
         "can. After every change, start the program again and look at the last season (the \"Last - \" button) "
         "to check that the new data shows as you intended.");
    para(t, Maroon,
         "The file must continue exactly from the last season of the data tables. Its first race must be the "
         "first race of the season after 2017; a file that starts with a race of any other season is ignored as "
         "a whole, without a message. Seasons must follow one another without a gap, and races must be in date "
         "order, because the program takes them in the order of the file. The example files (buttons on the "
         "right) use the 2015 and 2016 seasons, which are already in the data tables, only to show the layout.");
    para(t, Maroon,
         "When the editor opens, both of its sections stand on a new record: the label of the race section reads "
         "\"Adding Race\" followed by the number the new race will have in the file (\"Adding Race 1\" for a "
         "file without races), and its inputs are empty, ready for the next race. Each of the three places has three driver boxes: the first for the driver, the other two for the "
         "drivers who shared the car, which happened in the early seasons. Leave the two shared-drive boxes "
         "empty for modern races.");
    para(t, Maroon,
         "Save writes the record to update.txt at once, but the program reads the file only when it starts: "
         "close Velmora and start it again to see the new data in the searches and tables.");
    para(t, Maroon,
         "To correct a record already in the file, use the arrow buttons of its section: the down arrow steps "
         "back to the previous record and the up arrow forward to the next; the label then reads \"Editting "
         "Race\" (or \"Editting Championship\") followed by the record's number, and its data fill the inputs. Change "
         "what is wrong, tick the section's check box and press Save: the record keeps its place in the file. "
         "Stepping up past the last record returns to \"Adding\" with empty inputs.");
    para(t, Maroon,
         "Each time the editor opens, it copies update.txt to UpdateBackUp.txt, replacing the older copy, so you "
         "always have the file as it was before the current session of changes.");
    para(t, Maroon, "The inputs of the editor are as follows.");

    // Race inputs: the heading, then one line per input without empty lines.
    add(t, Navy, {
        "Race Data Section.",
        "Date: the race date in the \"Day\", \"Mon\" and \"Yr\" boxes; it must be a real date.",
        "Day of Week: not entered; if the date is not a Sunday, Save names its day and asks you to confirm "
        "(OK continues, Cancel stops the save).",
        "Circuit and Venue: pick or type the circuit (for example Silverstone) and the venue, the country or "
        "title of the race (for example Great Britain).",
        "Race Distance in Miles: the \"Distance Miles\" box, with a full stop as the decimal point (for "
        "example 190.263).",
        "Winning Race Time: the winner's time in the \"H\", \"M\" and \"S\" boxes (hours, minutes, and seconds "
        "from 0 to 59.999); the editor works out the winner's average speed from the distance and this time.",
        "Winning Driver(s): \"Win Driver (1)\", and \"Win Driver 2\" and \"Win Driver 3\" only for a shared car.",
        "Winning Team: the \"Team\" box of the first place.",
        "Winning Engine: the \"Engine\" box of the first place.",
        "Second and Third Placed Drivers: \"Second Driver\" and \"Third Driver\", each with its own \"Team\" "
        "and \"Engine\" boxes and its two boxes for shared drives.",
        "Comment: the box across the bottom of the section, for an optional remark on the race; keep it to one "
        "line and do not type a \"|\" in it.",
    });
    addEmpty(t, Navy, 2);

    para(t, Navy, "Driver and Championship Win Sections");
    para(t, Navy,
         "Create the championship records only when a season is complete, and always both together: one drivers' "
         "record and one constructors' record for that season, in the same save, since the data must hold "
         "exactly eight more drivers' than constructors' records (the constructors' championship began in 1958); "
         "otherwise the program reports a missing championship entry when it starts. Tick \"Check this box if "
         "you are updating Championship Data\". In \"Driver Championship\" enter the \"Season Year\", the "
         "\"Number of Races in Season\", the \"Drivers Name\", the \"Team and Engine\" of the champion's car "
         "joined by a dash (for example Mercedes-Mercedes), the \"Number of Race Wins\" and the \"Number of "
         "Points\". In \"Constructor Championship\" enter the same season and number of races, the champion's "
         "\"Team and Engine\" (for example Red Bull Racing-Renault), its wins and its points. The two season years "
         "must agree with each other and with the \"Yr\" box of the race section, the two numbers of races must "
         "agree, and the driver's wins and points cannot exceed the constructor's.");

    para(t, Red,
         "IMPORTANT: the update file must always hold the line of three asterisks *** after the race records "
         "and the line of three plus signs +++ after the drivers' championship records, even before any "
         "championship record exists. The editor writes both lines itself; when you edit the file by hand, "
         "never remove them, and keep each alone on its line, with no blanks before or after it.");
    addEmpty(t, Red, 3); // four empty lines in all after the paragraph

    para(t, Navy,
         "The Save button first checks the section or sections whose check box is ticked (with neither ticked it "
         "asks you to choose). Every missing or invalid input is listed in one message and nothing is written, "
         "so you can correct the inputs and press Save again. When the checks pass, a new record is added at the "
         "end of its section, or the record being edited is replaced in its place, and update.txt is written "
         "again at once; the new data become visible in the searches the next time the program starts.");
    para(t, Navy,
         "Closing the editor with Cancel (or the Escape key) after changing an input asks whether to close "
         "anyway and lose the changes: Yes closes without writing anything, No returns to the editor. Closing "
         "the editor with its close box asks nothing and loses unsaved changes.");

    // Manual editing.
    para(t, Maroon, "Manual Editting of the Update File using Notepad.");
    para(t, Maroon,
         "update.txt can also be edited with Notepad or any other plain-text editor; close Velmora first. Each "
         "record is one line. A race line holds its fields one after the other, each of the first 20 followed by "
         "a pipe character \"|\", and then the comment, so a race without a comment ends with \"|\". An empty "
         "field is simply nothing between two pipes. Never put a pipe inside a field: it would split the field "
         "and shift every later field of the line.");
    para(t, Maroon,
         "The easiest way to create a new race line is to copy the last race line, paste it as a new line "
         "directly below it (above the *** line) and change the fields that differ. Write dates as dd/mm/yyyy "
         "with leading zeros and numbers with a full stop as the decimal point.");
    add(t, Maroon, {
        "The Race data elements are separated by the pipes and are as follows:",
        "1. Race date as dd/mm/yyyy (for example 05/07/2015)",
        "2. Venue: the country or title of the race (for example Great Britain)",
        "3. Circuit (for example Silverstone)",
        "4. Race distance in miles (for example 190.26)",
        "5. Winning driver, forenames first and surname last (for example Lewis Hamilton)",
        "6. Second driver of a shared winning car (empty when the drive was not shared)",
        "7. Third driver of a shared winning car (empty unless field 6 is filled)",
        "8. Winning team",
        "9. Winning engine",
        "10. Winner's average speed in miles per hour (for example 124.81)",
        "11. Second placed driver",
        "12. Second driver of a shared second placed car (usually empty)",
        "13. Third driver of a shared second placed car (usually empty)",
        "14. Second placed team",
        "15. Second placed engine",
        "16. Third placed driver",
        "17. Second driver of a shared third placed car (usually empty)",
        "18. Third driver of a shared third placed car (usually empty)",
        "19. Third placed team",
        "20. Third placed engine",
        "21. Comment on the race (may be empty)",
    });
    addEmpty(t, Maroon, 1);
    add(t, Maroon, {
        "Race data elements MUST be separated from Driver Championship data by a line of three asterisks: ***",
        "1. Season (four digits)",
        "2. Number of championship races in the season",
        "3. Champion driver, forenames first and surname last",
        "4. Team and engine of the champion's car, joined by a dash (for example Mercedes-Mercedes)",
        "5. Number of races the champion won in the season",
        "6. The champion's points (a fraction is written with a full stop, as in 34.5)",
    });
    addEmpty(t, Maroon, 1);
    add(t, Maroon, {
        "Constructor's Championship data elements MUST be separated from Driver Championship data by a line of "
        "three plus signs: +++",
        "1. Season (four digits)",
        "2. Number of championship races in the season",
        "3. Champion constructor: team and engine joined by a dash (for example Red Bull Racing-Renault)",
        "4. Number of races the constructor won in the season",
        "5. The constructor's points",
    });
    addEmpty(t, Maroon, 1);

    // Typical lines.
    add(t, Navy, {"A typical Race Data Line (if this wraps round, you may want to temporarily maximise this window):",
                  kTypicalRaceLine});
    addEmpty(t, Navy, 1);
    add(t, Navy, {"A typical Driver Championship Data Line:", kDriverChamp2015});
    addEmpty(t, Navy, 1);
    add(t, Navy, {"A typical Constructor's Championship Data Line:", kTeamChamp2015});
    addEmpty(t, Navy, 1);
    add(t, Navy, {"Note the special construction of team name using the team and engine name used in these last "
                  "two examples."});
    return t;
}

std::vector<std::string> updateExampleFile(int which) {
    std::vector<std::string> lines;
    auto races = [&lines](const auto& table) {
        for (const char* r : table) lines.emplace_back(r);
    };
    switch (which) {
    case 1:
        races(kRaces2016);
        lines.emplace_back("***");
        lines.emplace_back("+++");
        break;
    case 2:
        races(kRaces2015);
        lines.emplace_back("***");
        lines.emplace_back(kDriverChamp2015);
        lines.emplace_back("+++");
        lines.emplace_back(kTeamChamp2015);
        break;
    case 3:
        races(kRaces2015);
        races(kRaces2016);
        lines.emplace_back("***");
        lines.emplace_back(kDriverChamp2015);
        lines.emplace_back("+++");
        lines.emplace_back(kTeamChamp2015);
        break;
    default:
        break;
    }
    return lines;
}

std::string updateExampleHeading(int which) {
    switch (which) {
    case 1: return "Example of a Partially Completed Update File.";
    case 2: return "Example of a Fully Completed Update File.";
    case 3: return "Example of an Update File containing a completed Season and a Partially Completed Season.";
    default: return {};
    }
}

std::string sharedDriveExampleLine() { return kSharedDriveRace; }

std::vector<ColouredParagraph> updateExampleText(int which) {
    using namespace colour;
    std::vector<ColouredParagraph> t;
    const std::string heading = updateExampleHeading(which);
    if (heading.empty()) return t;
    t.push_back({heading, Red});
    t.push_back({"", Red});
    for (const std::string& line : updateExampleFile(which)) t.push_back({line, Blue});
    addEmpty(t, Black, 3);
    add(t, Black, {
        "You may want to maximise this screen to see the data lines as separate lines. I have made it "
        "horizontally scrollable to help.",
        "",
        "Note the two empty fields that follow each driver's name in the lines above, where a name is followed by",
        "three pipes (|||). They are the slots for the second and third drivers of a shared car, which the rules of",
        "the early seasons allowed; in modern races they are always empty. A race in which the first and the second",
        "placed cars were each shared by two drivers, and the third placed car had a single driver, appears thus:",
        "",
    });
    t.push_back({kSharedDriveRace, Blue});
    return t;
}

// ---------------------------------------------------------------- about window

AboutText aboutText() {
    using namespace colour;
    AboutText a;
    a.windowTitle = "About Velmora";
    a.programName = "Velmora 4.1.09";
    a.titleLine = "Velmora is free software from the Velmora project";
    a.versionLabel = " Version 4.1.09 ";
    a.dateLabel = " November 2016 ";
    a.webAddress = "velmora.example.org";
    a.webPageUrl = "https://velmora.example.org/";
    a.panelHint = "Click the image to go to my personal Web-Site";
    a.pictureHint = "Click this image to go to my personal Web-Site";
    a.credit = "Race data compiled from F1DB, CC BY 4.0";

    struct Entry {
        const char* heading;
        const char* changes;
    };
    static constexpr Entry kHistory[] = {
        {"Ver 4.1.09 - April 2018",
         "Results data: the last races of the 2017 season and the 2017 drivers' and constructors' "
         "championships added; the data now run from 1950 to the end of 2017, 976 races."},
        {"Ver 4.1.08 - October 2017", "Results data: the 2017 races up to the Malaysian Grand Prix added."},
        {"Ver 4.1.07 - August 2017", "Results data: the 2017 races up to the Hungarian Grand Prix added."},
        {"Ver 4.1.06 - June 2017", "Results data: the 2017 races up to the Canadian Grand Prix added."},
        {"Ver 4.1.05 - April 2017", "Results data: the first 2017 races, up to the Bahrain Grand Prix, added."},
        {"Ver 4.1.04 - December 2016",
         "Results data: the 2016 season completed, with the 2016 drivers' and constructors' championships."},
        {"Ver 4.1.03 - October 2016", "Results data: the 2016 races up to the Japanese Grand Prix added."},
        {"Ver 4.1.02 - August 2016", "Results data: the 2016 races up to the German Grand Prix added."},
        {"Ver 4.1.01 - June 2016",
         "Major revision: result pages shown plain or in colour, with seven colours of your choice; small or "
         "large tool buttons; distances and speeds in miles, kilometres or both; the update editor with its "
         "safety copies UpdateBackUp.txt and UpdateBeforeDelete.txt; the print set-up window."},
        {"Ver 3.2.06 - May 2016", "Results data: the 2016 races up to the Spanish Grand Prix added."},
        {"Ver 3.2.05 - April 2016", "Results data: the first 2016 races, up to the Chinese Grand Prix, added."},
        {"Ver 3.2.01 - June 2015",
         "Program change: the driver career summary (Career button) and the special races page (Specials "
         "button) added."},
        {"Ver 3.1.08 - May 2015", "Results data: the 2015 races up to the Spanish Grand Prix added."},
    };
    for (const Entry& e : kHistory) {
        a.history.push_back({e.heading, Maroon});
        a.history.push_back({e.changes, Navy});
        a.history.push_back({"", Navy});
    }
    a.history.push_back({std::string(63, '='), Navy});
    a.history.push_back({"", Navy});
    a.history.push_back({"Version History Notes:", Red});
    a.history.push_back({"", Red});
    a.history.push_back(
        {"The version number has three parts. An update of the results data raises the lowest number (3.1.01 "
         "to 3.1.02). A change of the program raises the middle number and resets the lowest (3.1.08 to "
         "3.2.01). A major revision raises the main number and resets the other two (3.2.06 to 4.1.01).",
         Red});
    return a;
}

} // namespace velmora
