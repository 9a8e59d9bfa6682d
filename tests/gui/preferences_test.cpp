// The preferences window: loading the choices, the changed flag, the colour sliders,
// "Save & Close", Cancel's question and the stored place.

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QWindow>

#include "GuiTestBase.h"
#include "settings/PreferencesWindow.h"

using namespace velmora;
using namespace velmora::gui;
using namespace velmora::gui::testing;

namespace {
const std::string kQuestion = "Changes have been made and not saved.\n\nClose Preferences anyway and loose changes?";

QRadioButton* radio(QWidget* w, int n) {
    return control<QRadioButton>(w, QStringLiteral("RadioButton%1").arg(n).toLatin1().constData());
}
QCheckBox* check(QWidget* w, int n) {
    return control<QCheckBox>(w, QStringLiteral("CheckBox%1").arg(n).toLatin1().constData());
}
QSlider* slider(QWidget* w, int n) {
    return control<QSlider>(w, QStringLiteral("TrackBar%1").arg(n).toLatin1().constData());
}
} // namespace

class PreferencesTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheStoredChoices_data() {
        QTest::addColumn<QString>("distance"); // positions 4 and 5
        QTest::addColumn<int>("checkedButton");
        QTest::newRow("miles") << "10" << 1;
        QTest::newRow("kilometres") << "01" << 2;
        QTest::newRow("both") << "11" << 3;
        QTest::newRow("neither") << "00" << 4;
    }
    void opensWithTheStoredChoices() {
        QFETCH(QString, distance);
        QFETCH(int, checkedButton);
        GuiFixture f;
        f.settings.setOption(4, distance[0] == QLatin1Char('1'));
        f.settings.setOption(5, distance[1] == QLatin1Char('1'));
        f.settings.setOption(2, false);
        f.settings.setOption(17, false); // coloured
        f.settings.setOption(16, false); // large tool buttons
        f.settings.setOption(15, false); // Arial
        PreferencesWindow window(f.context);
        window.show();
        QVERIFY(radio(&window, checkedButton)->isChecked());
        QVERIFY(radio(&window, 7)->isChecked()); // speed: both
        QVERIFY(!check(&window, 2)->isChecked());
        QVERIFY(check(&window, 1)->isChecked());
        QVERIFY(check(&window, 9)->isChecked());
        QVERIFY(radio(&window, 16)->isChecked());
        QVERIFY(radio(&window, 19)->isChecked());
        QVERIFY(radio(&window, 9)->isChecked());
        // The default Results colour, red 255, green 255, blue 207.
        QCOMPARE(slider(&window, 1)->value(), 255);
        QCOMPARE(slider(&window, 2)->value(), 255);
        QCOMPARE(slider(&window, 3)->value(), 207);
        QVERIFY(!window.changed());
        QVERIFY(!control<QPushButton>(&window, "Button2")->isEnabled());
        window.close();
    }

    void saveStoresEveryChoice() {
        GuiFixture f;
        PreferencesWindow window(f.context);
        window.show();
        radio(&window, 2)->click();  // kilometres
        radio(&window, 8)->click();  // no speed
        check(&window, 9)->click();  // coloured text
        radio(&window, 16)->click(); // large tool buttons
        radio(&window, 19)->click(); // Arial
        check(&window, 10)->click(); // no splash
        check(&window, 8)->click();  // no engines
        QVERIFY(control<QPushButton>(&window, "Button2")->isEnabled());
        QTest::mouseClick(control<QPushButton>(&window, "Button2"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(window.saved());
        const std::string& o = f.settings.options;
        QCOMPARE(o.substr(3, 4), std::string("0100")); // positions 4 to 7
        QCOMPARE(o[11], '0');                           // 12 engines
        QCOMPARE(o[14], '0');                           // 15 Arial
        QCOMPARE(o[15], '0');                           // 16 large
        QCOMPARE(o[16], '0');                           // 17 coloured
        QCOMPARE(o[20], '0');                           // 21 splash
        QCOMPARE(o[0], '1');
        QCOMPARE(o.size(), size_t(37));
    }

    void coloursFollowTheSlidersAndTheTarget() {
        GuiFixture f;
        f.settings.setOption(17, false);
        f.settings.colours[6] = 0x00112233u; // Engine Champs: red 0x33, green 0x22, blue 0x11
        PreferencesWindow window(f.context);
        window.show();
        QVERIFY(slider(&window, 1)->isEnabled());
        QTest::mouseClick(control<QFrame>(&window, "Panel8"), Qt::LeftButton);
        QVERIFY(radio(&window, 15)->isChecked());
        QCOMPARE(slider(&window, 1)->value(), 0x33);
        QCOMPARE(slider(&window, 3)->value(), 0x11);
        QVERIFY(window.changed()); // the sliders moved
        slider(&window, 1)->setValue(0);
        QCOMPARE(control<QFrame>(&window, "Panel8")->palette().color(QPalette::Window), QColor(0, 0x22, 0x11));
        QCOMPARE(control<QFrame>(&window, "Panel2")->palette().color(QPalette::Window), QColor(255, 255, 207));
        window.saveAndClose();
        QCOMPARE(f.settings.colours[6], 0x00112200u);
        QCOMPARE(f.settings.colours[0], 13631487u);

        // Unticking "Coloured Text" disables the colour controls.
        window.show();
        check(&window, 9)->click();
        QVERIFY(!slider(&window, 2)->isEnabled());
        QVERIFY(!radio(&window, 10)->isEnabled());
        window.close();
    }

    void cancelAsksOnlyAfterAChange() {
        GuiFixture f;
        PreferencesWindow window(f.context);
        window.show();
        QTest::mouseClick(control<QPushButton>(&window, "Button1"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(f.boxes.shown.empty());

        // Ticking and unticking is still a change.
        window.show();
        check(&window, 2)->click();
        check(&window, 2)->click();
        QVERIFY(control<QPushButton>(&window, "Button2")->isEnabled());
        f.boxes.answers = {Button::No};
        QTest::mouseClick(control<QPushButton>(&window, "Button1"), Qt::LeftButton);
        QVERIFY(window.isVisible());
        QCOMPARE(f.boxes.shown.size(), size_t(1));
        QCOMPARE(f.boxes.shown[0].text, kQuestion);
        QCOMPARE(f.boxes.shown[0].kind, MessageKind::Warning);
        QCOMPARE(f.boxes.shown[0].buttons, Buttons::YesNo);

        radio(&window, 4)->click();
        f.boxes.answers = {Button::Yes};
        QTest::keyClick(&window, Qt::Key_Escape); // Escape answers Cancel
        QVERIFY(!window.isVisible());
        QCOMPARE(f.boxes.shown.size(), size_t(2));
        QVERIFY(!window.saved());
        QCOMPARE(f.settings.options, std::string(37, '1')); // nothing saved
    }

    void titleBarCloseStoresThePlaceButNotTheChoices() {
        GuiFixture f;
        f.store("FORM3", "Left", 50);
        f.store("FORM3", "Top", 60);
        QWidget help;
        PreferencesWindow window(f.context);
        window.setHelpWindow(&help);
        window.show();
        QCOMPARE(window.pos(), QPoint(50, 60));
        QTest::mouseClick(control<QPushButton>(&window, "Button3"), Qt::LeftButton);
        QVERIFY(help.isVisible());
        check(&window, 1)->click();
        window.move(70, 90);
        window.close();
        QVERIFY(!window.isVisible());
        QVERIFY(!help.isVisible());
        QVERIFY(f.boxes.shown.empty());
        QVERIFY(f.settings.option(1));
        QCOMPARE(f.stored("FORM3", "Left"), 70);
        QCOMPARE(f.stored("FORM3", "Top"), 90);
        QCOMPARE(f.stored("FORM3", "Width"), window.width());
    }

    void theHelpStaysUsableBesideTheModalWindow() {
        GuiFixture f;
        QWidget mainWindow;
        mainWindow.show();
        QWidget help(&mainWindow, Qt::Window);
        auto* helpClose = new QPushButton(QStringLiteral("Close"), &help);
        connect(helpClose, &QPushButton::clicked, &help, &QWidget::hide);
        PreferencesWindow window(f.context, &mainWindow);
        window.setHelpWindow(&help);
        bool helpAnswered = false;
        whenModal([&](QWidget* modal) {
            QVERIFY(modal == &window);
            QTest::mouseClick(control<QPushButton>(modal, "Button3"), Qt::LeftButton);
            QVERIFY(help.isVisible());
            // Through the window system, where a blocked window loses the click.
            QTest::mouseClick(help.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                              helpClose->mapTo(&help, helpClose->rect().center()));
            helpAnswered = !help.isVisible();
            QTest::mouseClick(control<QPushButton>(modal, "Button1"), Qt::LeftButton);
        });
        window.exec();
        QVERIFY(helpAnswered);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(PreferencesTest)
#include "preferences_test.moc"
