// The main window driven by its controls: the start-up on a program directory, the
// searches shown in Memo2, the drop-down change handling, the win-table shortcut,
// Preferences re-running the view, Print, Copy, the hidden Ctrl+D item, and which ways
// of ending the program save the settings.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "GuiTestBase.h"
#include "ProgramFixture.h"
#include "help/SplashWindow.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowBinding.h"
#include "ui/ProgramWindows.h"

using namespace velmora;
using namespace velmora::gui;
using namespace velmora::gui::testing;


class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startupFillsTheWindow_data() {
        QTest::addColumn<bool>("withUpdate");
        QTest::addColumn<QString>("lastCaption");
        QTest::addColumn<QString>("years");
        QTest::newRow("embedded data only") << false << "Last - 2017" << "  Years covered : 1950 to 2017";
        QTest::newRow("update file 2018-2025") << true << "Last - 2025" << "  Years covered : 1950 to 2025";
    }
    void startupFillsTheWindow() {
        QFETCH(bool, withUpdate);
        QFETCH(QString, lastCaption);
        QFETCH(QString, years);
        Program p(withUpdate ? exampleUpdateFile() : std::string());
        QVERIFY(p.start());
        MainWindow& w = p.main();
        QCOMPARE(w.windowTitle(), QStringLiteral("Velmora 4.1.09"));
        QVERIFY(p.boxes.shown.empty());

        const QString opening = p.find<QPlainTextEdit>("Memo1")->toPlainText();
        QVERIFY(opening.startsWith(QStringLiteral("VELMORA 4.1.09\n")));
        QVERIFY(opening.contains(years + QLatin1Char('\n')));
        QCOMPARE(opening.contains(QStringLiteral("Update file with partial season results included.")), withUpdate);
        QVERIFY(p.find<QWidget>("Panel1")->isVisible());
        QVERIFY(!p.find<QWidget>("Memo2")->isVisible());
        QCOMPARE(p.find<QLabel>("Panel9")->text(),
                 QStringLiteral("Click the 'Help' button at the bottom of the right hand panel any time to show this "
                                "opening screen again."));

        QCOMPARE(p.find<QPushButton>("Button21")->text(), QStringLiteral("First - 1950"));
        QCOMPARE(p.find<QPushButton>("Button22")->text(), lastCaption);
        QCOMPARE(w.comboBox(6)->itemText(w.comboBox(6)->count() - 1), lastCaption.mid(7));
        for (int b = 1; b <= 6; ++b) QCOMPARE(w.comboBox(b)->currentIndex(), 0);
        QVERIFY(p.find<QTextEdit>("RichEdit1")->isEnabled());
        // Default options: the small tool bar with its 28-pixel buttons.
        QVERIFY(p.find<QWidget>("ToolBar1")->isVisible());
        QVERIFY(!p.find<QWidget>("ToolBar2")->isVisible());
        QCOMPARE(p.find<QWidget>("ToolButton37")->size(), QSize(49, 49));
        QCOMPARE(p.find<QWidget>("ToolButton4")->size(), QSize(28, 28));
        QCOMPARE(p.find<QWidget>("ToolButton4")->toolTip(), QStringLiteral("Display Driver Wins Only"));

        // The splash window followed the start-up to its last status and is gone.
        SplashWindow& splash = *p.windows->form5;
        QCOMPARE(control<QLabel>(&splash, "Label1")->text(), QStringLiteral("Populating search lists..."));
        QCOMPARE(control<QProgressBar>(&splash, "ProgressBar1")->value(), 90);
        QVERIFY(!splash.isVisible());
        QVERIFY(QFile::exists(QString::fromStdString(p.dirPath + "/DriverWins.TXT")));
    }

    void screenLayoutOf1920Pixels() {
        Program p({}, {}, 1920);
        QVERIFY(p.start());
        QCOMPARE(p.main().size(), QSize(1374, 861));
        QCOMPARE(p.settings.lb2, 420);
        QCOMPARE(p.settings.form1.width, 1374);
    }

    void fatalDataErrorEndsWithoutSaving() {
        // Races of 2018 and a drivers' record of 2018 without its constructors' record.
        std::string update = exampleUpdateFile();
        const size_t plus = update.find("+++");
        QVERIFY(plus != std::string::npos);
        update.resize(plus + 3);
        update += "\r\n";
        Program p(update);
        QVERIFY(!p.main().runStartupOnce());
        QVERIFY(p.main().startupFailed());
        QCOMPARE(p.boxes.shown.size(), size_t(1));
        QVERIFY(p.boxes.shown[0].text.find("System Error : Missing Driver or Team Championship entry.") !=
                std::string::npos);
        QVERIFY(p.settingsText().find("[OPTIONS]") == std::string::npos);
        QVERIFY(p.main().binding()->model() == nullptr);
    }

    void driverWinsShowInMemo2() {
        Program p;
        QVERIFY(p.start());
        p.choose(1, QStringLiteral("Senna Ayrton"));
        p.click("Button4"); // something else first
        p.click("Button2");
        auto* memo2 = p.find<QPlainTextEdit>("Memo2");
        QVERIFY(memo2->isVisible());
        QVERIFY(!p.find<QWidget>("Panel1")->isVisible());
        QCOMPARE(p.memo2Line(0), QStringLiteral("Displaying race wins only for driver Ayrton Senna"));
        QCOMPARE(p.memo2Line(1), QStringLiteral("There were 41 matching results."));
        QVERIFY(p.memo2Line(3).startsWith(QStringLiteral("[#406 1985-2]")));
        QCOMPARE(memo2->textCursor().position(), 0);
        QVERIFY(memo2->font().fixedPitch() || QFontInfo(memo2->font()).fixedPitch());
    }

    void typedTextMatchingNoEntryRunsNothing() {
        Program p;
        QVERIFY(p.start());
        QComboBox* drivers = p.main().comboBox(1);
        drivers->lineEdit()->clear();
        QTest::keyClicks(drivers->lineEdit(), QStringLiteral("Nobody"));
        QVERIFY(p.find<QWidget>("Panel1")->isVisible());
        QCOMPARE(p.main().binding()->model()->state().boxes[0].selected, -1);
        drivers->lineEdit()->clear();
        QTest::keyClicks(drivers->lineEdit(), QStringLiteral("Clark Jim"));
        QCOMPARE(p.memo2Line(0), QStringLiteral("Displaying race wins only for driver Jim Clark"));
    }

    void afterTeam123AnotherConstructorShowsIts123() {
        Program p;
        QVERIFY(p.start());
        p.choose(2, QStringLiteral("Ferrari"));
        p.click("Button13");
        QCOMPARE(p.memo2Line(0), QStringLiteral("Displaying 1-2-3 results for Ferrari"));
        p.choose(2, QStringLiteral("McLaren"));
        QCOMPARE(p.memo2Line(0), QStringLiteral("Displaying 1-2-3 results for McLaren"));
        QVERIFY(p.main().binding()->model()->flag(15));
    }

    void doubleClickingADriverWinRowShowsTheWins() {
        Program p;
        QVERIFY(p.start());
        p.click("Button16");
        QListWidget* drivers = p.main().listBox(2);
        QVERIFY(drivers->isVisible());
        const auto rows = drivers->findItems(QStringLiteral("Juan Manuel Fangio"), Qt::MatchContains);
        QCOMPARE(rows.size(), 1);
        drivers->scrollToItem(rows[0]);
        QCoreApplication::processEvents();
        const QRect cell = drivers->visualItemRect(rows[0]);
        // A real double click: the first click, then the second one that doubles it.
        QTest::mouseClick(drivers->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(drivers->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(p.main().comboBox(1)->currentText(), QStringLiteral("Fangio Juan Manuel"));
        QVERIFY(p.find<QWidget>("Memo2")->isVisible());
        QCOMPARE(p.memo2Line(0), QStringLiteral("Displaying race wins only for driver Juan Manuel Fangio"));
    }

    void preferencesColouredTextReRunsTheView() {
        Program p;
        QVERIFY(p.start());
        p.choose(1, QStringLiteral("Prost Alain"));
        p.click("Button3");
        QVERIFY(p.find<QWidget>("Memo2")->isVisible());
        whenModal([](QWidget* modal) {
            QVERIFY(modal && modal->objectName() == QLatin1String("TForm3"));
            control<QCheckBox>(modal, "CheckBox9")->click(); // Coloured Text
            control<QPushButton>(modal, "Button2")->click(); // Save & Close
        });
        p.main().trigger(QStringLiteral("MenuPreferences"));
        auto* rich = p.find<QTextEdit>("RichEdit1");
        QVERIFY(rich->isVisible());
        QVERIFY(!p.find<QWidget>("Memo2")->isVisible());
        QCOMPARE(rich->document()->firstBlock().text(),
                 QStringLiteral("Displaying all podium finishes for driver Alain Prost"));
        QCOMPARE(rich->document()->firstBlock().charFormat().foreground().color(), QColor(255, 0, 0));
        QCOMPARE(rich->palette().color(QPalette::Base), QColor(255, 255, 207));
        QCOMPARE(p.settings.options[16], '0');
        QVERIFY(p.settingsText().find("Options=1111111111111111011111111111111111111") != std::string::npos);
        // The tables follow the colour mode too.
        p.click("Button16");
        QCOMPARE(p.main().listBox(2)->palette().color(QPalette::Base), QColor(221, 221, 221));
    }

    void printSendsThePrintTextToThePrinter() {
        Program p;
        QVERIFY(p.start());
        p.choose(1, QStringLiteral("Senna Ayrton"));
        p.click("Button2");
        whenModal([](QWidget* modal) {
            QVERIFY(modal && modal->objectName() == QLatin1String("TForm4"));
            control<QPushButton>(modal, "Button2")->click(); // Print
            control<QPushButton>(modal, "Button1")->click(); // Close
        });
        p.click("ToolButton29");
        QCOMPARE(p.printer.jobs.size(), size_t(1));
        const std::vector<std::string>& printed = p.printer.jobs[0].lines;
        QVERIFY(printed.size() > 200);
        QCOMPARE(printed[0], std::string(" "));
        const auto title = std::find(printed.begin(), printed.end(),
                                     "   Displaying race wins only for driver Ayrton Senna");
        QVERIFY(title != printed.end());
        QCOMPARE(*(title + 1), std::string("   There were 41 matching results."));
        QVERIFY(p.printer.jobs[0].ended);
        // The print text stays in Memo3; the options are saved.
        QVERIFY(p.find<QPlainTextEdit>("Memo3")->toPlainText().contains(
            QStringLiteral("Displaying race wins only for driver Ayrton Senna")));
        QVERIFY(p.settingsText().find("[OPTIONS]") != std::string::npos);
    }

    void copyFillsTheClipboard() {
        Program p;
        QVERIFY(p.start());
        p.click("Button16");
        p.main().trigger(QStringLiteral("PopupCopy"));
        QCOMPARE(p.clipboard.calls, 1);
        QVERIFY(p.clipboard.text.find("Driver Win List") != std::string::npos);
        QVERIFY(p.clipboard.text.find("Constructor Win List") != std::string::npos);
        QVERIFY(p.clipboard.text.find("Seasons Covered 1950 to 2017") != std::string::npos);
        QCOMPARE(p.boxes.shown.back().text, std::string("Data copied to clipboard."));
    }

    void updateEditorAnswersCtrlDAndItsMenuItem() {
        Program p;
        QVERIFY(p.start());
        QVERIFY(QTest::qWaitForWindowActive(&p.main()));
        bool opened = false;
        whenModal([&opened](QWidget* modal) {
            opened = modal && modal->objectName() == QLatin1String("TForm10");
            if (modal) modal->close();
        });
        QTest::keyClick(&p.main(), Qt::Key_D, Qt::ControlModifier);
        QVERIFY(opened);
        // The menu item and both tool buttons are shown, so users find the editor.
        QVERIFY(p.find<QAction>("MenuUpdateDatabase")->isVisible());
        QVERIFY(p.find<QAction>("ToolButton61Action")->isVisible());
        QVERIFY(p.find<QAction>("ToolButton62Action")->isVisible());
    }

    void exitSavesAndClosingDoesNot() {
        Program p;
        QVERIFY(p.start());
        p.choose(1, QStringLiteral("Senna Ayrton"));
        const int senna = p.main().comboBox(1)->currentIndex();
        p.main().close();
        QVERIFY(p.settingsText().find("[SEARCH]") == std::string::npos);
        QVERIFY(!p.main().exitedByCommand());

        Program q;
        QVERIFY(q.start());
        q.choose(1, QStringLiteral("Senna Ayrton"));
        q.click("ToolButton1");
        QVERIFY(q.main().exitedByCommand());
        IniFileStore reader(q.files);
        reader.open(q.dirPath + "/Velmora.INI");
        QCOMPARE(reader.readInteger("SEARCH", "Driver", -9), senna);
        QCOMPARE(reader.readInteger("FORM1", "LB2", -9), 420);
        QCOMPARE(reader.readInteger("FORM1", "Width", -9), q.main().width());
        reader.close();
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
