// The about window: its texts, the web link that follows Allow Hyperlink, the keys that
// close it and its stored place.

#include <QLabel>
#include <QTextEdit>

#include "GuiTestBase.h"
#include "help/AboutWindow.h"
#include "help/HelpTexts.h"

using namespace velmora;
using namespace velmora::gui;
using namespace velmora::gui::testing;

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void showsVersionHistoryAndCredit() {
        GuiFixture f;
        AboutWindow window(f.context);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("About Velmora"));
        QCOMPARE(control<QLabel>(&window, "Label2")->text(), QStringLiteral(" Version 4.1.09 "));
        QCOMPARE(control<QLabel>(&window, "Label3")->text(), QStringLiteral(" November 2016 "));
        QVERIFY(control<QLabel>(&window, "Label5")->text().contains(
            QStringLiteral("Race data compiled from F1DB, CC BY 4.0")));
        const QString history = control<QTextEdit>(&window, "RichEdit1")->toPlainText();
        QVERIFY(history.startsWith(QStringLiteral("Ver 4.1.09 - April 2018")));
        QVERIFY(history.contains(QStringLiteral("Version History Notes:")));
        QCOMPARE(window.size(), QSize(461, 692));
        window.close();
    }

    void linksFollowAllowHyperlink_data() {
        QTest::addColumn<bool>("allowed");
        QTest::newRow("allowed") << true;
        QTest::newRow("not allowed") << false;
    }
    void linksFollowAllowHyperlink() {
        QFETCH(bool, allowed);
        GuiFixture f;
        f.settings.allowHyperlink = allowed;
        AboutWindow window(f.context);
        window.show();
        auto* picture = control<QLabel>(&window, "Image1");
        QCOMPARE(picture->cursor().shape() == Qt::PointingHandCursor, allowed);
        for (const char* name : {"Image1", "Label1", "Label4"})
            QTest::mouseClick(control<QLabel>(&window, name), Qt::LeftButton);
        const std::vector<std::string> expected =
            allowed ? std::vector<std::string>(3, aboutText().webPageUrl) : std::vector<std::string>{};
        QCOMPARE(f.shell.opened, expected);
        window.close();
    }

    void enterAndEscapeCloseAndThePlaceIsStored() {
        GuiFixture f;
        f.store("FORM2", "Left", 30);
        f.store("FORM2", "Top", 40);
        AboutWindow window(f.context);
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            window.show();
            QCOMPARE(window.pos(), QPoint(30, 40));
            QTest::keyClick(&window, key);
            QVERIFY(!window.isVisible());
        }
        window.show();
        window.move(70, 80);
        window.close();
        QCOMPARE(f.stored("FORM2", "Left"), 70);
        QCOMPARE(f.stored("FORM2", "Top"), 80);
        QCOMPARE(f.stored("FORM2", "Width"), -9999); // no size is stored
    }
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
