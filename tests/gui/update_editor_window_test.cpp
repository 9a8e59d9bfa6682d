// The update editor window: opening on a file of three races, the arrows and mode
// labels, Save enabled by typing, Cancel's question, the help window beside the modal
// editor, and a race added in the window that the next start-up shows in its season.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

#include <fstream>
#include <sstream>

#include "GuiTestBase.h"
#include "data/Startup.h"
#include "help/HelpWindow.h"
#include "platform/Fonts.h"
#include "update/UpdateEditor.h"
#include "ui/MainWindow.h"
#include "ui/ProgramWindows.h"
#include "update/UpdateCommands.h"
#include "update/UpdateEditorWindow.h"
#include "views/Views.h"

using namespace velmora;
using namespace velmora::gui;
using namespace velmora::gui::testing;

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
void writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}
bool fileExists(const std::string& path) { return std::ifstream(path).good(); }

// The first `count` race lines of the shipped example file.
std::vector<std::string> exampleRaces(int count) {
    std::istringstream in(readFile(std::string(VELMORA_SOURCE_DIR) + "/examples/update-2018-2025.txt"));
    std::vector<std::string> races;
    std::string line;
    while (static_cast<int>(races.size()) < count && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        races.push_back(line);
    }
    return races;
}

std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

// A program directory on disk and the start-up run on it, as at a start of the program.
struct ProgramDir {
    QTemporaryDir temp;
    std::string dir = temp.path().toStdString() + "/";
    LocalFileSystem files;
    IniFileStore ini{files};
    SystemClock clock;
    RecordingMessageBoxes startupBoxes;
    StartupResult started;

    std::string path(const char* name) const { return dir + name; }
    const Database& start() {
        StartupEnvironment env;
        env.currentDir = temp.path().toStdString();
        env.files = &files;
        env.ini = &ini;
        env.messages = &startupBoxes;
        env.clock = &clock;
        started = runStartup(env);
        return *started.db;
    }
};

// The window on a program directory, with recording message boxes and settings file.
struct EditorRun {
    explicit EditorRun(ProgramDir& program) : program(program) {
        f.settings.programDir = program.dir;
        window.setDatabaseSource([this] { return db; });
    }
    ProgramDir& program;
    GuiFixture f;
    const Database* db = nullptr;
    UpdateEditorWindow window{f.context, program.files};

    template <typename T>
    T* get(const char* name) {
        return control<T>(&window, name);
    }
    QString label(const char* name) { return get<QLabel>(name)->text(); }
    bool enabled(const char* name) { return get<QWidget>(name)->isEnabled(); }
    void click(const char* name) { QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton); }
    QString text(const char* name) {
        if (auto* combo = window.findChild<QComboBox*>(QLatin1String(name))) return combo->currentText();
        if (auto* memo = window.findChild<QPlainTextEdit*>(QLatin1String(name))) return memo->toPlainText();
        return get<QLineEdit>(name)->text();
    }
    // Types into a box as the user would.
    void type(const char* name, const QString& keys) {
        QWidget* target = get<QWidget>(name);
        if (auto* combo = qobject_cast<QComboBox*>(target)) target = combo->lineEdit();
        if (auto* line = qobject_cast<QLineEdit*>(target)) line->selectAll();
        if (auto* spin = qobject_cast<QSpinBox*>(target)) spin->selectAll();
        if (auto* memo = qobject_cast<QPlainTextEdit*>(target)) memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(target, keys);
    }
    void pick(const char* name, const char* item) {
        auto* combo = get<QComboBox>(name);
        const int index = combo->findText(QString::fromLatin1(item));
        QVERIFY2(index >= 0, item);
        combo->setCurrentIndex(index);
    }
};

} // namespace

class UpdateEditorWindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnAFileOfThreeRaces() {
        ProgramDir program;
        const std::string file = crlf(exampleRaces(3)) + "***\r\n+++\r\n";
        writeFile(program.path("update.txt"), file);
        const Database& db = program.start();
        EditorRun run(program);
        run.db = &db;
        run.f.settings.setOption(15, false); // Arial
        run.f.settings.setOption(17, false); // coloured
        run.f.settings.colours[0] = 0x00CFFFFFu;
        run.window.show();

        QCOMPARE(run.window.objectName(), QStringLiteral("TForm10"));
        QCOMPARE(run.window.pos(), QPoint(8, 8));
        QCOMPARE(readFile(program.path("UpdateBackUp.txt")), file);
        QCOMPARE(run.label("Label1"), QStringLiteral("Adding Race 4"));
        QCOMPARE(run.label("Label40"), QStringLiteral("Adding Championship 1"));
        QVERIFY(!run.enabled("Button2"));
        QVERIFY(!run.enabled("Button4"));
        QVERIFY(!run.get<QCheckBox>("CheckBox1")->isChecked());
        QVERIFY(!run.get<QLineEdit>("Edit2")->isVisible());

        struct Spin {
            const char* name;
            int value, low, high;
        };
        for (const Spin& s : {Spin{"SpinEdit2", 1, 1, 31}, Spin{"SpinEdit3", 1, 1, 12},
                              Spin{"SpinEdit4", 2018, 1950, 2019}, Spin{"SpinEdit15", 1, 0, 59},
                              Spin{"SpinEdit16", 1, 0, 59}, Spin{"SpinEdit8", 0, -UpdateEditor::kNoLimit,
                                                                 UpdateEditor::kNoLimit}}) {
            auto* box = run.get<QSpinBox>(s.name);
            QCOMPARE(box->value(), s.value);
            QCOMPARE(box->minimum(), s.low);
            QCOMPARE(box->maximum(), s.high);
        }
        // dolists: drivers in display form in every driver box, the other lists by kind.
        auto* winner = run.get<QComboBox>("ComboBox1");
        QCOMPARE(winner->count(), static_cast<int>(db.DriverList.size()));
        QVERIFY(winner->findText(QStringLiteral("Vettel Sebastian")) >= 0);
        QCOMPARE(run.get<QComboBox>("ComboBox18")->count(), winner->count());
        QCOMPARE(run.get<QComboBox>("ComboBox10")->count(), static_cast<int>(db.VenueList.size()));
        QVERIFY(run.get<QComboBox>("ComboBox17")->findText(QStringLiteral("Ferrari")) >= 0);
        QCOMPARE(winner->currentText(), QString());

        // The comment memo follows the display options.
        auto* memo = run.get<QPlainTextEdit>("Memo1");
        QCOMPARE(memo->font().family(), QStringLiteral("Arial"));
        QCOMPARE(memo->font().pointSize(), 10);
        QCOMPARE(memo->palette().color(QPalette::Base), QColor(255, 255, 207));
        QCOMPARE(memo->palette().color(QPalette::Text), QColor(0, 0, 255));
        QCOMPARE(memo->size(), QSize(977, 57));

        // FORM10 keeps the place the window was closed at; the day and month keep
        // their values too.
        run.type("SpinEdit2", QStringLiteral("20"));
        run.type("SpinEdit3", QStringLiteral("6"));
        run.window.move(120, 90);
        run.window.close(); // answered Yes
        QCOMPARE(run.f.boxes.shown.size(), size_t(1));
        QCOMPARE(run.f.stored("FORM10", "Left"), 120);
        QCOMPARE(run.f.stored("FORM10", "Top"), 90);
        run.window.move(300, 300);
        run.window.show();
        QCOMPARE(run.window.pos(), QPoint(120, 90));
        QCOMPARE(run.get<QSpinBox>("SpinEdit2")->value(), 20);
        QCOMPARE(run.get<QSpinBox>("SpinEdit3")->value(), 6);
        QVERIFY(!run.enabled("Button2"));
        run.window.close();
        QCOMPARE(run.f.boxes.shown.size(), size_t(1));
    }

    void arrowsMoveThroughTheRecords() {
        ProgramDir program;
        writeFile(program.path("update.txt"), crlf(exampleRaces(3)) + "***\r\n+++\r\n");
        const Database& db = program.start();
        EditorRun run(program);
        run.db = &db;
        run.window.show();

        run.click("SpeedButton2");
        QCOMPARE(run.label("Label1"), QStringLiteral("Editting Race 3"));
        QVERIFY(run.enabled("Button4"));
        QVERIFY(!run.enabled("Button2"));
        QCOMPARE(run.text("ComboBox1"), QStringLiteral("Ricciardo Daniel"));
        QCOMPARE(run.text("ComboBox12"), QStringLiteral("Red Bull Racing"));
        QCOMPARE(run.text("ComboBox11"), QStringLiteral("Shanghai"));
        QCOMPARE(run.text("Edit1"), QStringLiteral("189.559"));
        QCOMPARE(run.text("Memo1"), QStringLiteral("Daniel Ricciardo won at Shanghai after starting sixth."));
        QCOMPARE(run.get<QSpinBox>("SpinEdit2")->value(), 15);
        QCOMPARE(run.get<QSpinBox>("SpinEdit3")->value(), 4);

        run.click("SpeedButton1");
        QCOMPARE(run.label("Label1"), QStringLiteral("Adding Race 4"));
        QVERIFY(!run.enabled("Button4"));
        for (const char* name : {"ComboBox1", "ComboBox12", "Edit1", "Edit5", "Memo1"})
            QVERIFY2(run.text(name).isEmpty(), name);
        run.click("SpeedButton1"); // stays on the add position
        QCOMPARE(run.label("Label1"), QStringLiteral("Adding Race 4"));

        for (int i = 0; i < 5; ++i) run.click("SpeedButton2"); // stops on race 1
        QCOMPARE(run.label("Label1"), QStringLiteral("Editting Race 1"));
        QCOMPARE(run.text("ComboBox1"), QStringLiteral("Vettel Sebastian"));
        QCOMPARE(run.text("ComboBox4"), QStringLiteral("Hamilton Lewis"));

        // No championship records: both championship arrows stay on the add position.
        run.click("SpeedButton4");
        QCOMPARE(run.label("Label40"), QStringLiteral("Adding Championship 1"));
        run.click("SpeedButton3");
        QCOMPARE(run.label("Label40"), QStringLiteral("Adding Championship 1"));
        QVERIFY(!run.enabled("Button4"));
        run.window.close();
    }

    void typingEnablesSave_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("distance") << "Edit1" << "190.6" << "190.6";
        QTest::newRow("venue") << "ComboBox10" << "Nowhere" << "Nowhere";
        QTest::newRow("shared drive") << "ComboBox6" << "Someone Else" << "Someone Else";
        QTest::newRow("month") << "SpinEdit3" << "7" << "7";
        QTest::newRow("minutes") << "SpinEdit16" << "42" << "42";
        QTest::newRow("comment") << "Memo1" << "a wet race" << "a wet race";
        // These four mark a change too, so a correction made only there is not lost.
        QTest::newRow("seconds") << "Edit5" << "12.5" << "12.5";
        QTest::newRow("champion") << "ComboBox18" << "Nobody Yet" << "Nobody Yet";
        QTest::newRow("driver's car") << "Edit4" << "Ferrari-Ferrari" << "Ferrari-Ferrari";
        QTest::newRow("constructor") << "Edit3" << "Mercedes-Mercedes" << "Mercedes-Mercedes";
    }
    void typingEnablesSave() {
        QFETCH(QString, input);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        ProgramDir program;
        writeFile(program.path("update.txt"), crlf(exampleRaces(3)) + "***\r\n+++\r\n");
        const Database& db = program.start();
        EditorRun run(program);
        run.db = &db;
        run.window.show();
        const QByteArray name = input.toLatin1();

        // Ticking a section is no change.
        run.get<QCheckBox>("CheckBox1")->click();
        QVERIFY(!run.enabled("Button2"));
        run.type(name.constData(), keys);
        QVERIFY(run.enabled("Button2"));
        // Typing is not disturbed by the window showing the editor's state.
        if (auto* spin = run.window.findChild<QSpinBox*>(input))
            QCOMPARE(QString::number(spin->value()), shown);
        else
            QCOMPARE(run.text(name.constData()), shown);
        // A move disables Save again.
        run.click("SpeedButton2");
        QVERIFY(!run.enabled("Button2"));
        run.window.close();
    }

    void cancelAsksAfterAChange() {
        ProgramDir program;
        const std::string file = crlf(exampleRaces(3)) + "***\r\n+++\r\n";
        writeFile(program.path("update.txt"), file);
        const Database& db = program.start();
        EditorRun run(program);
        run.db = &db;
        HelpWindow help(HelpKind::Update, run.f.context, nullptr);
        run.window.setHelpWindow(&help);
        run.window.show();

        run.click("SpeedButton2");
        run.type("Memo1", QStringLiteral("corrected"));
        run.f.boxes.answers = {Button::No};
        run.click("Button1");
        QCOMPARE(run.f.boxes.shown.size(), size_t(1));
        QCOMPARE(run.f.boxes.shown[0].text,
                 std::string("Changes have been made and not saved.\n\nClose Update Form anyway and loose changes?"));
        QCOMPARE(run.f.boxes.shown[0].buttons, Buttons::YesNo);
        QVERIFY(run.window.isVisible());
        QCOMPARE(run.text("Memo1"), QStringLiteral("Daniel Ricciardo won at Shanghai after starting sixth.corrected"));

        // Escape asks the same question; Yes closes the editor and the help beside it.
        run.click("Button3");
        QVERIFY(help.isVisible());
        run.f.boxes.answers = {Button::Yes};
        QTest::keyClick(&run.window, Qt::Key_Escape);
        QCOMPARE(run.f.boxes.shown.size(), size_t(2));
        QVERIFY(!run.window.isVisible());
        QVERIFY(!help.isVisible());
        QCOMPARE(readFile(program.path("update.txt")), file);

        // The title bar's close box asks too, so typing is not lost without a word.
        run.window.show();
        run.window.close();
        QCOMPARE(run.f.boxes.shown.size(), size_t(2)); // nothing changed: no question
        run.window.show();
        run.type("Edit1", QStringLiteral("1"));
        run.f.boxes.answers = {Button::No};
        run.window.close();
        QCOMPARE(run.f.boxes.shown.size(), size_t(3));
        QVERIFY(run.window.isVisible());
        QCOMPARE(run.text("Edit1"), QStringLiteral("1"));
        run.f.boxes.answers = {Button::Yes};
        run.window.close();
        QVERIFY(!run.window.isVisible());
        QCOMPARE(readFile(program.path("update.txt")), file);
    }

    void helpStaysUsableBesideTheModalEditor() {
        ProgramDir program;
        const Database& db = program.start();
        EditorRun run(program);
        run.db = &db;
        QWidget owner;
        HelpWindow help(HelpKind::Update, run.f.context, nullptr, &owner);
        run.window.setHelpWindow(&help);
        bool helpClosedByItsButton = false;
        whenModal([&](QWidget* modal) {
            // Whatever the checks find, the modal editor must end.
            auto end = qScopeGuard([&] {
                if (run.window.isVisible()) run.window.reject();
            });
            QCOMPARE(modal, static_cast<QWidget*>(&run.window));
            run.click("Button3");
            QVERIFY(help.isVisible());
            QVERIFY(!help.isModal());
            // A click on the help window's Close button reaches it through the modal editor.
            // (sent to the help's window, as the system would, so a blocked window drops it).
            QPushButton* close = control<QPushButton>(&help, "Button1");
            QTest::mouseClick(help.windowHandle(), Qt::LeftButton, {}, close->mapTo(&help, close->rect().center()));
            helpClosedByItsButton = !help.isVisible();
            run.click("Button3");
            run.click("Button1"); // nothing changed: closes at once, with the help
        });
        run.window.openModal();
        QVERIFY(helpClosedByItsButton);
        QVERIFY(!help.isVisible());
        QVERIFY(run.f.boxes.shown.empty());
    }

    void theMainWindowOpensTheEditor() {
        ProgramDir program;
        writeFile(program.path("update.txt"), crlf(exampleRaces(3)) + "***\r\n+++\r\n");
        GuiFixture f;
        Settings settings;
        f.context.settings = &settings;
        f.context.ini = &program.ini;
        MainWindowServices services;
        services.context = &f.context;
        services.files = &program.files;
        services.clock = &program.clock;
        services.currentDir = program.temp.path().toStdString();
        services.screenWidth = 1600;
        services.screenHeight = 1000;
        ProgramWindows windows(services);
        MainWindow& main = *windows.form1;
        QVERIFY(main.runStartupOnce());
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        showUpdateDatabaseCommands(main);
        QVERIFY(main.findChild<QAction*>(QStringLiteral("MenuUpdateDatabase"))->isVisible());

        // Ctrl+D (now the menu item's own key) and the tool button of the bar on show.
        const QString tool = main.findChild<QWidget*>(QStringLiteral("ToolBar1"))->isVisible()
                                 ? QStringLiteral("ToolButton61")
                                 : QStringLiteral("ToolButton62");
        QStringList labels;
        auto expectEditor = [&labels] {
            whenModal([&labels](QWidget* modal) {
                auto* editor = qobject_cast<UpdateEditorWindow*>(modal);
                labels << (editor ? control<QLabel>(editor, "Label1")->text() : QStringLiteral("no editor"));
                if (modal) modal->close();
            });
        };
        expectEditor();
        QTest::keyClick(&main, Qt::Key_D, Qt::ControlModifier);
        expectEditor();
        QTest::mouseClick(main.findChild<QToolButton*>(tool), Qt::LeftButton);
        QCOMPARE(labels, QStringList({QStringLiteral("Adding Race 4"), QStringLiteral("Adding Race 4")}));
        QVERIFY(f.boxes.shown.empty());
    }

    void aRaceAddedInTheWindowAppearsInItsSeasonAfterARestart() {
        ProgramDir program; // an empty program directory
        const Database* db = &program.start();
        QCOMPARE(db->LastSeason, 2017);
        EditorRun run(program);
        run.db = db;
        run.window.show();
        QVERIFY(!fileExists(program.path("UpdateBackUp.txt")));
        QCOMPARE(run.label("Label1"), QStringLiteral("Adding Race 1"));
        QCOMPARE(run.get<QSpinBox>("SpinEdit4")->value(), 2018);

        run.type("SpinEdit2", QStringLiteral("25"));
        run.type("SpinEdit3", QStringLiteral("3"));
        run.type("ComboBox10", QStringLiteral("Australia"));
        run.pick("ComboBox11", "Melbourne");
        run.type("Edit1", QStringLiteral("191.118"));
        run.pick("ComboBox1", "Vettel Sebastian");
        run.pick("ComboBox12", "Ferrari");
        run.pick("ComboBox13", "Ferrari");
        run.type("ComboBox4", QStringLiteral("Hamilton Lewis"));
        run.pick("ComboBox14", "Mercedes");
        run.pick("ComboBox15", "Mercedes");
        run.pick("ComboBox7", "Raikkonen Kimi");
        run.pick("ComboBox16", "Ferrari");
        run.pick("ComboBox17", "Ferrari");
        run.type("SpinEdit15", QStringLiteral("1"));
        run.type("SpinEdit16", QStringLiteral("29"));
        run.type("Edit5", QStringLiteral("33.263"));
        run.type("Memo1", QStringLiteral("Vettel won the opening race."));
        run.get<QCheckBox>("CheckBox1")->click();
        QVERIFY(run.enabled("Button2"));
        run.click("Button2");
        QVERIFY2(run.f.boxes.shown.empty(), run.f.boxes.shown.empty() ? "" : run.f.boxes.shown[0].text.c_str());
        QVERIFY(!run.enabled("Button2"));
        QVERIFY(!run.get<QCheckBox>("CheckBox1")->isChecked());
        QCOMPARE(run.get<QLineEdit>("Edit2")->text(), QStringLiteral("128.046"));

        const std::string added = "25/03/2018|Australia|Melbourne|191.118|Sebastian Vettel|||Ferrari|Ferrari|128.046|"
                                  "Lewis Hamilton|||Mercedes|Mercedes|Kimi Raikkonen|||Ferrari|Ferrari|"
                                  "Vettel won the opening race.";
        QCOMPARE(readFile(program.path("update.txt")), crlf({added, "***", "+++"}));

        // The next start-up reads the file: the race is the first of the 2018 season.
        run.window.close();
        db = &program.start();
        QVERIFY(program.started.ok);
        QCOMPARE(db->LastSeason, 2018);
        const Page season = searchPage(*db, SearchCommand::SeasonResults, "2018", ViewSettings{});
        QCOMPARE(season.count, 1);
        std::string page;
        for (const auto& line : season.plain) page += line + "\n";
        QVERIFY2(page.find("Sebastian Vettel") != std::string::npos, page.c_str());
        QVERIFY2(page.find("Vettel won the opening race.") != std::string::npos, page.c_str());

        // Correct it in the window, then delete it.
        run.db = db;
        run.window.show();
        QCOMPARE(readFile(program.path("UpdateBackUp.txt")), crlf({added, "***", "+++"}));
        QCOMPARE(run.get<QSpinBox>("SpinEdit4")->value(), 2018);
        run.click("SpeedButton2");
        QCOMPARE(run.label("Label1"), QStringLiteral("Editting Race 1"));
        QCOMPARE(run.text("Edit5"), QStringLiteral("33.263"));
        run.get<QPlainTextEdit>("Memo1")->clear();
        run.type("Memo1", QStringLiteral("Vettel won from third on the grid."));
        run.get<QCheckBox>("CheckBox1")->click();
        run.click("Button2");
        const std::string corrected =
            added.substr(0, added.rfind('|') + 1) + "Vettel won from third on the grid.";
        QCOMPARE(readFile(program.path("update.txt")), crlf({corrected, "***", "+++"}));

        run.get<QCheckBox>("CheckBox1")->click();
        run.f.boxes.answers = {Button::Ok};
        run.click("Button4");
        QCOMPARE(run.f.boxes.shown.size(), size_t(1));
        QCOMPARE(run.f.boxes.shown[0].buttons, Buttons::OkCancel);
        QCOMPARE(readFile(program.path("update.txt")), crlf({"***", "+++"}));
        QCOMPARE(readFile(program.path("UpdateBeforeDelete.txt")), crlf({corrected, "***", "+++"}));
        QCOMPARE(readFile(program.path("UpdateBackUp.txt")), crlf({added, "***", "+++"}));
        QCOMPARE(run.label("Label1"), QStringLiteral("Adding Race 1"));
        QVERIFY(!run.enabled("Button4"));
        run.window.close();
    }
};

QTEST_MAIN(UpdateEditorWindowTest)
#include "update_editor_window_test.moc"
