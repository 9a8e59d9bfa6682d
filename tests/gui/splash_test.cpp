// The start-up splash window as start-up drives it.

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "GuiTestBase.h"
#include "help/SplashWindow.h"

using namespace velmora::gui;
using namespace velmora::gui::testing;

class SplashTest : public QObject {
    Q_OBJECT
private slots:
    void progressUpdatesAndLetsEventsThrough() {
        SplashWindow splash;
        QCOMPARE(splash.objectName(), QStringLiteral("TForm5"));
        splash.begin(true);
        QVERIFY(splash.isVisible());
        QCOMPARE(splash.size(), QSize(784, 561));

        bool handled = false;
        QMetaObject::invokeMethod(&splash, [&handled] { handled = true; }, Qt::QueuedConnection);
        splash.status("Reading the race data", 40);
        QCOMPARE(control<QLabel>(&splash, "Label1")->text(), QStringLiteral("Reading the race data"));
        QCOMPARE(control<QProgressBar>(&splash, "ProgressBar1")->value(), 40);
        QVERIFY(handled); // pending events run after each step, so the window stays responsive

        splash.status("Done", 130);
        QCOMPARE(control<QProgressBar>(&splash, "ProgressBar1")->value(), 100);
        splash.end();
        QVERIFY(!splash.isVisible());
    }

    void closeHidesAndTheCheckBoxIsReported() {
        SplashWindow splash;
        splash.begin(true);
        auto* check = control<QCheckBox>(&splash, "CheckBox1");
        QCOMPARE(check->text(), QStringLiteral("Do Not Show this screen again"));
        QVERIFY(!splash.doNotShowAgain());
        check->click();
        QVERIFY(splash.doNotShowAgain());
        QTest::mouseClick(control<QPushButton>(&splash, "Button1"), Qt::LeftButton);
        QVERIFY(!splash.isVisible());
        splash.status("still loading", 60); // start-up carries on without showing it again
        QVERIFY(!splash.isVisible());
        QVERIFY(splash.doNotShowAgain());

        // A new showing starts with the box cleared; hidden from the start when switched off.
        splash.begin(false);
        QVERIFY(!splash.isVisible());
        QVERIFY(!splash.doNotShowAgain());
    }
};

QTEST_MAIN(SplashTest)
#include "splash_test.moc"
