// velmora-cli: prints every page of the program, as the main window would show it.
//
// The pages are produced by the same window model as the desktop program: the
// selection given on the command line is put into its drop-down box, and the page's
// command is run as if started by its panel button.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "data/Startup.h"
#include "settings/IniFile.h"
#include "ui/MainModel.h"

namespace {

using velmora::ui::Control;

class ConsoleMessages : public velmora::MessageBoxes {
public:
    velmora::Button show(velmora::MessageKind, const std::string& text, velmora::Buttons buttons) override {
        std::cerr << text << "\n";
        return buttons == velmora::Buttons::YesNo ? velmora::Button::No : velmora::Button::Ok;
    }
};

// The box a page reads its selection from.
enum class Box { None = -1, Driver = 0, Team, Engine, Circuit, Venue, Season };

struct PageSpec {
    const char* name;
    Control control;
    Box box;
    const char* example; // an example selection for the help text
};

const std::vector<PageSpec>& pages() {
    static const std::vector<PageSpec> list = {
        {"driver-wins", Control::Button2, Box::Driver, "\"Senna Ayrton\""},
        {"driver-podiums", Control::Button3, Box::Driver, "\"Senna Ayrton\""},
        {"career", Control::Button18, Box::Driver, "\"Schumacher Michael\""},
        {"team-wins", Control::Button4, Box::Team, "Ferrari"},
        {"team-podiums", Control::Button5, Box::Team, "McLaren"},
        {"team-1-2", Control::Button12, Box::Team, "Williams"},
        {"team-1-2-3", Control::Button13, Box::Team, "Ferrari"},
        {"engine-wins", Control::Button6, Box::Engine, "Honda"},
        {"engine-podiums", Control::Button7, Box::Engine, "Renault"},
        {"engine-1-2", Control::Button14, Box::Engine, "Mercedes"},
        {"engine-1-2-3", Control::Button15, Box::Engine, "Ferrari"},
        {"circuit", Control::Button8, Box::Circuit, "Monza"},
        {"venue", Control::Button9, Box::Venue, "Italy"},
        {"season", Control::Button10, Box::Season, "1976"},
        {"season-first", Control::Button21, Box::None, ""},
        {"season-last", Control::Button22, Box::None, ""},
        {"all-races", Control::Button11, Box::None, ""},
        {"win-tables", Control::Button16, Box::None, ""},
        {"championships", Control::Button17, Box::None, ""},
        {"specials", Control::Button20, Box::None, ""},
        {"calendar", Control::MenuCalendar, Box::None, ""},
        {"opening", Control::Button19, Box::None, ""},
    };
    return list;
}

const PageSpec* findPage(const std::string& name) {
    for (const auto& page : pages())
        if (name == page.name) return &page;
    return nullptr;
}

const char* const kBoxNouns[] = {"driver", "team", "engine", "circuit", "venue", "season"};
const char* const kListNames[] = {"drivers", "teams", "engines", "circuits", "venues", "seasons"};

void usage(std::ostream& out) {
    out << "Usage: velmora-cli [options] PAGE [SELECTION]\n"
           "       velmora-cli [options] print PAGE [SELECTION]\n"
           "       velmora-cli [options] copy PAGE [SELECTION]\n"
           "       velmora-cli [options] list drivers|teams|engines|circuits|venues|seasons\n"
           "\n"
           "Prints a page of Velmora, the Formula 1 World Championship results program, as\n"
           "its main window shows it. SELECTION is an entry of the page's drop-down box as\n"
           "the box lists it (drivers surname first: \"Senna Ayrton\"); without it, the box's\n"
           "saved selection is used.\n"
           "\n"
           "Pages:\n";
    for (const auto& page : pages()) {
        std::string line = std::string("  ") + page.name;
        if (page.box != Box::None) line += std::string(" [") + kBoxNouns[static_cast<int>(page.box)] + "]";
        line.resize(std::max<size_t>(line.size() + 1, 30), ' ');
        line += "e.g. velmora-cli ";
        line += page.name;
        if (*page.example) line += std::string(" ") + page.example;
        out << line << "\n";
    }
    out << "\n"
           "  print PAGE ...              the page as it would be printed (title block and closing notice)\n"
           "  copy PAGE ...               the page as it would be copied to the clipboard\n"
           "  list NAME                   the entries of a drop-down box, one per line\n"
           "\n"
           "Options:\n"
           "  --dir DIR                   the program directory (settings, update.txt; default: the\n"
           "                              current directory)\n"
           "  --options STRING            the display options for this run: up to 37 characters '0' or\n"
           "                              '1' (missing positions are '1'); nothing is saved\n"
           "  --colour                    the coloured rendition, in 24-bit terminal colours\n"
           "  --help                      this text\n";
}

std::string escape(std::uint32_t colour, bool background) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "\x1b[%d;2;%u;%u;%um", background ? 48 : 38,
                  static_cast<unsigned>(colour & 0xFFu), static_cast<unsigned>((colour >> 8) & 0xFFu),
                  static_cast<unsigned>((colour >> 16) & 0xFFu));
    return buffer;
}

void printLines(const std::vector<std::string>& lines) {
    for (const auto& line : lines) std::cout << line << "\n";
}

void printColoured(const std::vector<velmora::ColouredLine>& lines, std::uint32_t background) {
    for (const auto& line : lines)
        std::cout << escape(background, true) << escape(line.colour, false) << line.text << "\x1b[0m\n";
}

void printList(const std::vector<std::string>& lines, const velmora::ui::ListColours& colours, bool colour) {
    if (!colour) return printLines(lines);
    for (const auto& line : lines)
        std::cout << escape(colours.background, true) << escape(colours.text, false) << line << "\x1b[0m\n";
}

// The entry of a box that the command line names: as the box lists it, then without
// regard to case, then (drivers) in the stored form.
int findEntry(const std::vector<std::string>& items, const std::string& wanted, bool driver) {
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == wanted) return static_cast<int>(i);
    for (size_t i = 0; i < items.size(); ++i)
        if (velmora::compareFolded(items[i], wanted) == 0) return static_cast<int>(i);
    if (driver) {
        std::string display = velmora::displayForm(wanted);
        if (display != wanted) return findEntry(items, display, false);
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    std::string dir;
    std::optional<std::string> options;
    bool colour = false;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            usage(std::cout);
            return 0;
        } else if (a == "--colour" || a == "--color") {
            colour = true;
        } else if (a == "--dir" || a == "--options") {
            if (i + 1 >= argc) {
                std::cerr << "velmora-cli: " << a << " needs a value\n";
                return 1;
            }
            std::string value = argv[++i];
            if (a == "--dir")
                dir = value;
            else
                options = value;
        } else if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            std::cerr << "velmora-cli: unknown option \"" << a << "\"; try velmora-cli --help\n";
            return 1;
        } else {
            args.push_back(a);
        }
    }
    if (options) {
        if (options->size() > velmora::Settings::kOptionsLength ||
            options->find_first_not_of("01") != std::string::npos) {
            std::cerr << "velmora-cli: --options takes up to 37 characters '0' or '1', not \"" << *options << "\"\n";
            return 1;
        }
    }

    // What to show.
    enum class Form { Page, Print, Copy } form = Form::Page;
    if (!args.empty() && (args[0] == "print" || args[0] == "copy")) {
        form = args[0] == "print" ? Form::Print : Form::Copy;
        args.erase(args.begin());
        if (args.empty()) {
            std::cerr << "velmora-cli: " << (form == Form::Print ? "print" : "copy") << " needs a page; try velmora-cli --help\n";
            return 1;
        }
    }
    bool listing = !args.empty() && args[0] == "list";
    int listBox = -1;
    const PageSpec* page = nullptr;
    if (listing) {
        if (form != Form::Page || args.size() != 2) {
            std::cerr << "velmora-cli: list takes one of drivers, teams, engines, circuits, venues, seasons\n";
            return 1;
        }
        for (int b = 0; b < 6; ++b)
            if (args[1] == kListNames[b]) listBox = b;
        if (listBox < 0) {
            std::cerr << "velmora-cli: no list \"" << args[1]
                      << "\"; try drivers, teams, engines, circuits, venues or seasons\n";
            return 1;
        }
    } else {
        page = findPage(args.empty() ? "opening" : args[0]);
        if (!page) {
            std::cerr << "velmora-cli: unknown page \"" << args[0] << "\"; try velmora-cli --help\n";
            return 1;
        }
        size_t allowed = page->box == Box::None ? 1 : 2;
        if (args.size() > allowed) {
            std::cerr << "velmora-cli: too many words for " << page->name
                      << (page->box == Box::None ? "" : "; put a name with blanks in quotes") << "\n";
            return 1;
        }
    }

    if (dir.empty()) dir = std::filesystem::current_path().string();
    velmora::LocalFileSystem files;
    velmora::IniFileStore ini(files);
    velmora::SystemClock clock;
    ConsoleMessages messages;
    velmora::StartupEnvironment env;
    env.currentDir = dir;
    env.files = &files;
    env.ini = &ini;
    env.messages = &messages;
    env.clock = &clock;
    auto result = velmora::runStartup(env);
    if (!result.ok) return 2;

    if (listing) {
        printLines(result.boxes.items[static_cast<size_t>(listBox)]);
        return 0;
    }

    velmora::Settings settings = result.settings;
    if (options) settings.options = velmora::repairOptions(*options);
    if (colour) settings.setOption(17, false); // the coloured display
    if (page->box != Box::None && args.size() == 2) {
        size_t b = static_cast<size_t>(page->box);
        int index = findEntry(result.boxes.items[b], args[1], page->box == Box::Driver);
        if (index < 0) {
            std::cerr << "velmora-cli: no " << kBoxNouns[b] << " \"" << args[1] << "\"; try velmora-cli list "
                      << kListNames[b] << "\n";
            return 1;
        }
        result.boxes.selected[b] = index;
    }

    velmora::ui::MainModelEnvironment modelEnv;
    modelEnv.messages = &messages;
    modelEnv.files = &files;
    modelEnv.clock = &clock;
    velmora::ui::MainModel model(*result.db, settings, result.boxes, modelEnv);
    if (page->control != Control::Button19) model.trigger(page->control);
    const auto& state = model.state();
    // Without a calendar for the season the message (on the error stream) is all.
    if (page->control == Control::MenuCalendar && !state.calendarOnShow) return 0;

    if (form != Form::Page) {
        printLines(form == Form::Print ? model.printTextOnShow() : model.copyTextOnShow());
        return 0;
    }
    switch (state.area) {
    case velmora::ui::ViewArea::Opening: printLines(state.opening); break;
    case velmora::ui::ViewArea::ResultsPlain:
    case velmora::ui::ViewArea::ResultsColoured:
        if (state.calendarOnShow || colour) {
            if (colour)
                printColoured(state.coloured, state.resultsBackground);
            else
                for (const auto& line : state.coloured) std::cout << line.text << "\n";
        } else {
            printLines(state.plain);
        }
        break;
    case velmora::ui::ViewArea::WinTables:
        printList(state.winTables.drivers, state.lists[0], colour);
        std::cout << "\n";
        printList(state.winTables.constructors, state.lists[1], colour);
        std::cout << "\n";
        printList(state.winTables.engines, state.lists[2], colour);
        break;
    case velmora::ui::ViewArea::ChampionshipTables:
        printList(state.championships.drivers, state.lists[3], colour);
        std::cout << "\n";
        printList(state.championships.constructors, state.lists[4], colour);
        std::cout << "\n";
        printList(state.championships.success, state.lists[5], colour);
        break;
    }
    return 0;
}
