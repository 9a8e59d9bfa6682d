// The four help windows: their texts, looks, stored place and size, printing through the
// print set-up window, the update help's examples and the known-problems refusal.

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include "GuiTestBase.h"
#include "help/HelpTexts.h"
#include "help/HelpWindow.h"
#include "output/PrintSetupWindow.h"
#include "platform/Fonts.h"

using namespace velmora;
using namespace velmora::gui;
using namespace velmora::gui::testing;

namespace {
QString joined(const std::vector<std::string>& lines) {
    QStringList list;
    for (const auto& line : lines) list << QString::fromStdString(line);
    return list.join(QLatin1Char('\n'));
}
} // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void memoWindowsShowTheirTexts_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("preferences") << int(HelpKind::Preferences) << "TForm6" << "Preferences Help"
                                     << joined(preferencesHelpText());
        QTest::newRow("results") << int(HelpKind::Results) << "TForm7" << "Velmora : Search Result Help"
                                 << joined(resultHelpText());
        QTest::newRow("known problems") << int(HelpKind::KnownProblems) << "TForm8" << "Velmora : Current Bugs"
                                        << joined(knownProblemsText());
    }
    void memoWindowsShowTheirTexts() {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QString, text);
        GuiFixture f;
        HelpWindow window(HelpKind(kind), f.context, nullptr);
        window.show();
        QCOMPARE(window.objectName(), name);
        QCOMPARE(window.windowTitle(), title);
        auto* memo = control<QPlainTextEdit>(&window, "Memo1");
        QCOMPARE(memo->toPlainText(), text);
        QVERIFY(!memo->isReadOnly());
        // Typed changes last only until the next showing.
        memo->setPlainText(QStringLiteral("typed"));
        window.close();
        window.show();
        QCOMPARE(memo->toPlainText(), text);
        window.close();
    }

    void appearanceFollowsTheOptions() {
        GuiFixture f;
        f.settings.setOption(15, false); // Arial
        f.settings.setOption(17, false); // coloured
        f.settings.colours[0] = 0x00CFFFFFu;
        HelpWindow memoWindow(HelpKind::Results, f.context, nullptr);
        HelpWindow updateWindow(HelpKind::Update, f.context, nullptr);
        memoWindow.show();
        updateWindow.show();
        auto* memo = control<QPlainTextEdit>(&memoWindow, "Memo1");
        QCOMPARE(memo->font().family(), QStringLiteral("Arial"));
        QCOMPARE(memo->font().pointSize(), 10);
        QCOMPARE(memo->palette().color(QPalette::Base), QColor(255, 255, 207));
        QCOMPARE(memo->palette().color(QPalette::Text), QColor(0, 0, 255));
        memoWindow.close();
        updateWindow.close();

        f.settings.setOption(15, true);
        f.settings.setOption(17, true); // plain
        memoWindow.show();
        updateWindow.show();
        QCOMPARE(memo->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(memo->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(memo->palette().color(QPalette::Text), QColor(Qt::black));
        auto* help = control<QTextEdit>(&updateWindow, "RichEdit1");
        QCOMPARE(help->palette().color(QPalette::Base), QColor(255, 255, 207)); // the update help keeps it
        QCOMPARE(help->palette().color(QPalette::Text), QColor(Qt::black));
        memoWindow.close();
        updateWindow.close();
    }

    void placeAndSizeAreStoredOnlyInTheNormalState() {
        GuiFixture f;
        HelpWindow window(HelpKind::Preferences, f.context, nullptr);
        window.show();
        QCOMPARE(window.pos(), QPoint(8, 8));
        QCOMPARE(window.size(), QSize(860, 400));
        window.move(100, 110);
        window.resize(700, 300);
        window.close();
        QCOMPARE(f.stored("FORM6", "Left"), 100);
        QCOMPARE(f.stored("FORM6", "Width"), 700);

        window.show();
        QCOMPARE(window.pos(), QPoint(100, 110));
        QCOMPARE(window.size(), QSize(700, 300));
        window.showMaximized();
        window.close();
        QCOMPARE(f.stored("FORM6", "Left"), 100);
        QCOMPARE(f.stored("FORM6", "Width"), 700);

        HelpWindow update(HelpKind::Update, f.context, nullptr);
        update.show();
        QCOMPARE(update.size(), QSize(540, 320));
        update.close();
    }

    void updateHelpExamplesAndRestore() {
        GuiFixture f;
        HelpWindow window(HelpKind::Update, f.context, nullptr);
        window.show();
        auto* help = control<QTextEdit>(&window, "RichEdit1");
        auto* example = control<QTextEdit>(&window, "RichEdit2");
        auto* restore = control<QPushButton>(&window, "Button3");
        QVERIFY(help->isVisible() && !example->isVisible() && !restore->isEnabled());
        QCOMPARE(control<QPushButton>(&window, "Button5")->toolTip(),
                 QStringLiteral("Shows an example update file with a completed season"));
        QVERIFY(help->toPlainText().contains(QStringLiteral("Deleting a Record from the Updater File")));

        QTest::mouseClick(control<QPushButton>(&window, "Button5"), Qt::LeftButton);
        QVERIFY(!help->isVisible() && example->isVisible() && restore->isEnabled());
        std::vector<std::string> expected;
        for (const ColouredLine& line : updateExampleText(2)) expected.push_back(line.text);
        QCOMPARE(window.shownLines(), expected);
        QCOMPARE(example->lineWrapMode(), QTextEdit::NoWrap);

        QTest::mouseClick(restore, Qt::LeftButton);
        QVERIFY(help->isVisible() && !example->isVisible() && !restore->isEnabled());
        window.close();
    }

    void printGoesThroughThePrintSetUpWindow() {
        GuiFixture f;
        PrintSetupWindow printSetup(f.context);
        HelpWindow window(HelpKind::Update, f.context, &printSetup);
        std::vector<std::string> buffer;
        int printedCalls = 0;
        window.onPrintText = [&buffer](const std::vector<std::string>& lines) { buffer = lines; };
        window.onPrinted = [&printedCalls] { ++printedCalls; };
        window.show();
        window.showExample(2);
        whenModal([](QWidget* modal) {
            QVERIFY(modal && modal->objectName() == QLatin1String("TForm4"));
            control<QPushButton>(modal, "Button2")->click();
            control<QRadioButton>(modal, "RadioButton6")->setChecked(true); // Arial
            control<QPushButton>(modal, "Button1")->click();
        });
        QTest::mouseClick(control<QPushButton>(&window, "Button2"), Qt::LeftButton);

        QCOMPARE(f.printer.jobs.size(), size_t(1));
        const std::vector<std::string>& printed = f.printer.jobs[0].lines;
        QCOMPARE(printed.size(), updateExampleText(2).size() + 1);
        QCOMPARE(printed[1], "   " + updateExampleHeading(2));
        QCOMPARE(buffer, window.shownLines());
        QCOMPARE(printedCalls, 1);
        // The font chosen there is kept and saved with the options.
        QVERIFY(!f.settings.option(15));
        QVERIFY(f.iniText().find("Options=" + f.settings.options) != std::string::npos);
        window.close();
    }

    void knownProblemsRefusesToPrint() {
        GuiFixture f;
        PrintSetupWindow printSetup(f.context);
        HelpWindow window(HelpKind::KnownProblems, f.context, &printSetup);
        window.show();
        QTest::mouseClick(control<QPushButton>(&window, "Button2"), Qt::LeftButton);
        QCOMPARE(f.boxes.shown.size(), size_t(1));
        QCOMPARE(f.boxes.shown[0].text, std::string("Get Stuffed!\n\nI am NOT going to permit you to print my bugs!!"));
        QCOMPARE(f.boxes.shown[0].buttons, Buttons::Ok);
        QVERIFY(f.printer.jobs.empty());
        QVERIFY(!printSetup.isVisible());
        window.close();
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
