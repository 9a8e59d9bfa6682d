#include "ui/MainWindowBinding.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <map>

#include "help/AboutWindow.h"
#include "help/SplashWindow.h"
#include "output/PrintSetupWindow.h"
#include "platform/Fonts.h"
#include "platform/QtPlatform.h"
#include "settings/PreferencesWindow.h"
#include "ui/Controls.h"
#include "ui/MainWindow.h"

namespace velmora::gui {

namespace {

// The control of an object name ("Button2", "ToolButton37", "MenuPrint"...).
std::optional<ui::Control> controlNamed(const QString& name) {
    static const std::map<QString, ui::Control> byName = [] {
        std::map<QString, ui::Control> map;
        for (int c = 0; c <= static_cast<int>(ui::Control::Window); ++c) {
            const auto control = static_cast<ui::Control>(c);
            map[qs(ui::controlName(control))] = control;
        }
        return map;
    }();
    auto it = byName.find(name);
    if (it == byName.end()) return std::nullopt;
    return it->second;
}

constexpr ui::Control kLists[7] = {ui::Control::Window,   ui::Control::ListBox2, ui::Control::ListBox3,
                                   ui::Control::ListBox4, ui::Control::ListBox5, ui::Control::ListBox6,
                                   ui::Control::ListBox7};

NumberFormat userNumberFormat() {
    const QLocale locale;
    NumberFormat format;
    format.decimal = ss(locale.decimalPoint());
    format.grouping = ss(locale.groupSeparator());
    return format;
}

bool timingWanted() {
    const char* value = std::getenv("VELMORA_TIMING");
    return value && *value && std::string(value) != "0";
}

// Commands after which the page on show was (re)built and goes back to its top.
bool buildsPage(ui::Command command) {
    using ui::Command;
    switch (command) {
    case Command::Copy:
    case Command::ResultHelp:
    case Command::UpdateHelp:
    case Command::About:
    case Command::KnownProblems:
    case Command::Contact:
    case Command::Exit:
    case Command::UpdateEditor:
    case Command::None: return false;
    default: return true;
    }
}

} // namespace

// The start-up's progress goes to the splash window; the settings, once read, to the
// main window.
class MainWindowBinding::Progress : public StartupProgress {
public:
    Progress(MainWindowBinding& binding, SplashWindow* splash) : binding_(binding), splash_(splash) {}
    void begin(bool visible) override {
        if (splash_) splash_->begin(visible);
    }
    void status(const std::string& text, int percent) override {
        if (splash_)
            splash_->status(text, percent);
        else
            QCoreApplication::processEvents();
    }
    void settingsRead(const Settings& settings) override {
        MainWindow& window = binding_.window_;
        window.setWindowTitle(QString::fromLatin1(startup_text::kCaption));
        window.applyGeometry(settings);
        window.setResultFont(displayFont(settings.options));
        window.setResultsBackground(toQColor(settings.colour(Colour::Results)));
        window.showToolBar(settings.option(16));
    }
    bool doNotShowAgain() override { return splash_ && splash_->doNotShowAgain(); }
    void end() override {
        if (splash_) splash_->end();
    }

private:
    MainWindowBinding& binding_;
    SplashWindow* splash_;
};

MainWindowBinding::MainWindowBinding(MainWindow& window) : window_(window), timing_(timingWanted()) {}

MainWindowBinding::~MainWindowBinding() = default;

Settings& MainWindowBinding::settings() { return *window_.services().context->settings; }

bool MainWindowBinding::runStartup() {
    const MainWindowServices& services = window_.services();
    AppContext& context = *services.context;

    // The size of the monitor that holds the main window, taken before anything moves it.
    screenWidth_ = services.screenWidth;
    screenHeight_ = services.screenHeight;
    if (screenWidth_ <= 0 || screenHeight_ <= 0) {
        QScreen* screen = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
        const QSize size = screen ? screen->geometry().size() : QSize(1920, 1080);
        screenWidth_ = size.width();
        screenHeight_ = size.height();
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);

    Progress progress(*this, window_.windows().splash);
    StartupEnvironment env;
    env.currentDir = services.currentDir;
    env.files = services.files;
    env.ini = context.ini;
    env.messages = context.boxes;
    env.clock = services.clock;
    env.progress = &progress;
    env.screenWidth = screenWidth_;
    env.screenHeight = screenHeight_;
    StartupResult result = velmora::runStartup(env);
    if (!result.ok) {
        progress.end();
        QGuiApplication::restoreOverrideCursor();
        return false;
    }

    settings() = std::move(result.settings);
    db_ = std::move(result.db);
    ui::MainModelEnvironment modelEnv;
    modelEnv.messages = context.boxes;
    modelEnv.files = services.files;
    modelEnv.ini = context.ini;
    modelEnv.clock = services.clock;
    modelEnv.shell = context.shell;
    modelEnv.clipboard = context.clipboard;
    modelEnv.host = this;
    modelEnv.numbers = userNumberFormat();
    model_ = std::make_unique<ui::MainModel>(*db_, settings(), result.boxes, modelEnv);
    model_->setChangeCallback([this] { render(); });
    render();
    window_.setHelpStrip(QString::fromLatin1(startup_text::kHelpStrip));
    window_.showArea(ui::ViewArea::Opening, ui::Focus::OpeningText);
    window_.enableColouredResults();
    QCoreApplication::processEvents();
    QGuiApplication::restoreOverrideCursor();
    applyScreenLayout();
    return true;
}

void MainWindowBinding::applyScreenLayout() {
    const auto layout = screenLayoutFor(screenWidth_);
    if (!layout) return;
    velmora::applyScreenLayout(*layout, settings());
    window_.applyGeometry(settings());
    window_.applyLabelPositions(layout->label4Left, layout->label5Left);
    if (PreferencesWindow* preferences = window_.windows().preferences)
        preferences->setClientSize(layout->form3Width, layout->form3Height);
}

// ---------------------------------------------------------------- user actions

void MainWindowBinding::controlUsed(const QString& name) {
    if (!model_) return; // start-up still running
    const auto control = controlNamed(name);
    if (!control) return;
    const ui::Command command = ui::commandOf(*control);
    QElapsedTimer timer;
    timer.start();
    model_->trigger(*control);
    if (!model_) return;
    afterCommand(command);
    if (timing_) {
        const qint64 ran = timer.elapsed();
        // Also the time until the page has been laid out and painted.
        QTimer::singleShot(0, &window_, [name, ran, timer] {
            std::fprintf(stderr, "velmora timing: %s ran in %lld ms, on show after %lld ms\n",
                         qPrintable(name), static_cast<long long>(ran), static_cast<long long>(timer.elapsed()));
        });
    }
}

void MainWindowBinding::boxChosen(int n, int index) {
    if (!model_) return;
    model_->selectItem(n - 1, index);
    afterCommand(ui::Command::None);
}

void MainWindowBinding::boxTyped(int n, const QString& text) {
    if (!model_ || n > 5) return;
    model_->typeText(n - 1, ss(text));
    afterCommand(ui::Command::None);
}

void MainWindowBinding::listClicked(int n, int row) {
    if (!model_ || row < 0) return;
    model_->clickRow(kLists[n - 1], static_cast<size_t>(row));
    afterCommand(ui::Command::None);
}

void MainWindowBinding::listDoubleClicked(int n, int row) {
    if (!model_ || row < 0) return;
    model_->doubleClickRow(kLists[n - 1], static_cast<size_t>(row));
    afterCommand(ui::Command::None);
}

void MainWindowBinding::afterCommand(ui::Command command) {
    const ui::MainState& state = model_->state();
    if (buildsPage(command) || command == ui::Command::None) window_.showArea(state.area, state.focus);
    if (buildsPage(command)) window_.scrollResultsToTop();
}

// ---------------------------------------------------------------- showing the state

void MainWindowBinding::render() {
    if (!model_ || rendering_) return;
    rendering_ = true;
    const ui::MainState& state = model_->state();
    const bool first = !shown_.has_value();
    if (first) shown_.emplace();
    ui::MainState& shown = *shown_;
    bool pageChanged = false;

    if (first || state.opening != shown.opening) window_.setOpeningText(state.opening);
    if (first || state.plain != shown.plain) {
        window_.setPlainPage(state.plain);
        pageChanged = true;
    }
    if (first || state.coloured != shown.coloured) {
        window_.setColouredPage(state.coloured);
        pageChanged = true;
    }
    const WinTables& wins = state.winTables;
    if (first || wins.drivers != shown.winTables.drivers) window_.setTable(2, wins.drivers);
    if (first || wins.constructors != shown.winTables.constructors) window_.setTable(3, wins.constructors);
    if (first || wins.engines != shown.winTables.engines) window_.setTable(4, wins.engines);
    const ChampionshipTables& champs = state.championships;
    if (first || champs.drivers != shown.championships.drivers) window_.setTable(5, champs.drivers);
    if (first || champs.constructors != shown.championships.constructors) window_.setTable(6, champs.constructors);
    if (first || champs.success != shown.championships.success) window_.setTable(7, champs.success);

    for (int b = 0; b < kSearchBoxCount; ++b) {
        const ui::BoxState& box = state.boxes[static_cast<size_t>(b)];
        ui::BoxState& was = shown.boxes[static_cast<size_t>(b)];
        if (first || box.items != was.items) window_.setBoxItems(b + 1, box.items);
        window_.setBoxSelection(b + 1, box.selected, box.text);
    }
    if (first || state.firstCaption != shown.firstCaption || state.lastCaption != shown.lastCaption)
        window_.setSeasonCaptions(state.firstCaption, state.lastCaption);

    if (first || state.resultFont != shown.resultFont) window_.setResultFont(printFont(qs(state.resultFont), 10));
    if (first || state.smallToolBar != shown.smallToolBar) window_.showToolBar(state.smallToolBar);
    if (first || state.resultsBackground != shown.resultsBackground)
        window_.setResultsBackground(toQColor(state.resultsBackground));
    for (int i = 0; i < 6; ++i) {
        const ui::ListColours& colours = state.lists[static_cast<size_t>(i)];
        const ui::ListColours& was = shown.lists[static_cast<size_t>(i)];
        if (first || colours.background != was.background || colours.text != was.text)
            window_.setListColours(i + 2, toQColor(colours.background), toQColor(colours.text));
    }
    if (first || state.area != shown.area) window_.showArea(state.area, ui::Focus::Unchanged);
    if (pageChanged) window_.scrollResultsToTop();

    // Remember what is on show (the state is copied whole: a few thousand short lines).
    shown = state;
    rendering_ = false;
}

void MainWindowBinding::optionsChangedElsewhere() {
    const std::string family = courierChosen(settings().options) ? "Courier New" : "Arial";
    window_.setResultFont(printFont(qs(family), 10));
    if (shown_) shown_->resultFont = family;
}

// ---------------------------------------------------------------- the other windows

void MainWindowBinding::runPreferences() {
    if (PreferencesWindow* preferences = window_.windows().preferences) preferences->exec();
}

void MainWindowBinding::runPrintSetup(const std::vector<std::string>& text) {
    window_.setPrintText(text);
    if (PrintSetupWindow* setup = window_.windows().printSetup) setup->run(text);
}

void MainWindowBinding::runUpdateEditor() {
    if (auto* dialog = qobject_cast<QDialog*>(window_.windows().updateEditor)) dialog->exec();
}

void MainWindowBinding::showResultHelp() {
    if (QWidget* help = window_.windows().resultHelp) {
        help->show();
        help->raise();
        help->activateWindow();
    }
}

void MainWindowBinding::showUpdateHelp() {
    if (QWidget* help = window_.windows().updateHelp) {
        help->show();
        help->raise();
        help->activateWindow();
    }
}

void MainWindowBinding::showAbout() {
    if (AboutWindow* about = window_.windows().about) about->exec();
}

void MainWindowBinding::showKnownProblems() {
    if (auto* dialog = qobject_cast<QDialog*>(window_.windows().knownProblems)) dialog->exec();
}

void MainWindowBinding::setBusy(bool busy) {
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

bool MainWindowBinding::storeGeometry(Settings& settings) { return window_.storeGeometry(settings); }

void MainWindowBinding::endProgram() {
    // The settings are saved; the window closes and the event loop ends.
    window_.endByExit();
}

} // namespace velmora::gui
