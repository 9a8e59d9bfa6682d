// Every command of the main window is reached from each of its controls: the panel
// button, the small and the large tool button and the menu item all show its view.

#include <QAction>
#include <QListWidget>
#include <QToolButton>

#include "GuiTestBase.h"
#include "ProgramFixture.h"

using namespace velmora;
using namespace velmora::gui;
using namespace velmora::gui::testing;

class MainWindowCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlReachesItsView_data() {
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<QString>("shows"); // the page's first line, or the table panel on show
        auto row = [](const char* name, QStringList controls, const char* shows) {
            QTest::newRow(name) << controls << QString::fromLatin1(shows);
        };
        row("driver wins", {"Button2", "ToolButton4", "ToolButton37", "MenuDriverWins"},
            "Displaying race wins only for driver ");
        row("driver podiums", {"Button3", "ToolButton3", "ToolButton38", "MenuDriverPodiums"},
            "Displaying all podium finishes for driver ");
        row("driver career", {"Button18", "ToolButton5", "ToolButton39", "MenuDriverCareer"}, "Career summary for ");
        row("team wins", {"Button4", "ToolButton7", "ToolButton41", "MenuTeamWins"},
            "Displaying race wins only for Team : ");
        row("team podiums", {"Button5", "ToolButton8", "ToolButton42", "MenuTeamPodiums"},
            "Displaying all podium finishes for Team : ");
        row("team 1-2", {"Button12", "ToolButton9", "ToolButton43", "MenuTeam12"}, "Displaying 1-2 results for ");
        row("team 1-2-3", {"Button13", "ToolButton10", "ToolButton44", "MenuTeam123"},
            "Displaying 1-2-3 results for ");
        row("engine wins", {"Button6", "ToolButton12", "ToolButton46", "MenuEngineWins"},
            "Displaying race wins only for Engine : ");
        row("engine podiums", {"Button7", "ToolButton13", "ToolButton47", "MenuEnginePodiums"},
            "Displaying all podium finishes for Engine : ");
        row("engine 1-2", {"Button14", "ToolButton14", "ToolButton48", "MenuEngine12"},
            "Displaying 1-2 results for Engine : ");
        row("engine 1-2-3", {"Button15", "ToolButton15", "ToolButton49", "MenuEngine123"},
            "Displaying 1-2-3 results for Engine : ");
        row("circuit", {"Button8", "ToolButton17", "ToolButton51", "MenuCircuits"},
            "Displaying Results for Circuit : ");
        row("venue", {"Button9", "ToolButton19", "ToolButton52", "MenuVenues"}, "Displaying Results for Venue : ");
        row("season", {"Button10", "ToolButton21", "ToolButton53"}, "Displaying Results for Season : 1950");
        row("first season", {"Button21", "MenuFirstSeason"}, "Displaying Results for Season : 1950");
        row("last season", {"Button22", "MenuLastSeason"}, "Displaying Results for Season : 2017");
        row("all races", {"Button11", "ToolButton23", "ToolButton55", "MenuAllRaces"}, "Displaying all race results");
        row("specials", {"Button20", "ToolButton24", "ToolButton56", "MenuSpecials"}, "Special Races");
        row("win tables", {"Button16", "ToolButton25", "ToolButton57", "MenuRaceWinTables"}, "Panel5");
        row("championship tables", {"Button17", "ToolButton26", "ToolButton58", "MenuChampionshipTables"},
            "Panel6");
    }

    void everyControlReachesItsView() {
        QFETCH(QStringList, controls);
        QFETCH(QString, shows);
        Program p;
        QVERIFY(p.start());
        for (const QString& name : controls) {
            // Back to the opening screen, so each control has to bring its view up itself.
            p.click("Button19");
            QVERIFY(p.find<QWidget>("Panel1")->isVisible());
            const QByteArray latin = name.toLatin1();
            if (name.startsWith(QLatin1String("Menu"))) {
                auto* action = p.main().findChild<QAction*>(name);
                QVERIFY2(action, latin.constData());
                action->trigger();
            } else {
                auto* button = p.find<QAbstractButton>(latin.constData());
                QVERIFY2(button, latin.constData());
                button->click(); // the large tool bar is hidden while the small one shows
            }
            if (shows.startsWith(QLatin1String("Panel"))) {
                QVERIFY2(p.find<QWidget>(shows.toLatin1().constData())->isVisible(), latin.constData());
            } else {
                QVERIFY2(p.memo2Line(0).startsWith(shows), qPrintable(name + ": " + p.memo2Line(0)));
                QVERIFY2(!p.find<QWidget>("Panel1")->isVisible(), latin.constData());
            }
        }
        QVERIFY(p.boxes.shown.empty());
    }

    void calendarWithoutDataForTheSeasonSaysSo() {
        Program p;
        QVERIFY(p.start());
        for (const char* name : {"MenuCalendar", "ToolButton63"}) {
            p.boxes.shown.clear();
            if (name[0] == 'M') p.main().findChild<QAction*>(QString::fromLatin1(name))->trigger();
            else p.find<QAbstractButton>(name)->click();
            QCOMPARE(p.boxes.shown.size(), size_t(1));
            QCOMPARE(QString::fromStdString(p.boxes.shown.front().text),
                     QStringLiteral("Calendar Data does not exist for 2017"));
        }
    }
};

QTEST_MAIN(MainWindowCommandsTest)
#include "main_window_commands_test.moc"
