// The print set-up window: the warning for long texts, printing through the printer
// device, the PDF file offered without a printer, and what closing stores.

#include <QFile>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "GuiTestBase.h"
#include "output/PrintSetupWindow.h"
#include "platform/Fonts.h"
#include "platform/QtPlatform.h"

using namespace velmora;
using namespace velmora::gui;
using namespace velmora::gui::testing;

namespace {
std::vector<std::string> numberedLines(int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i) lines.push_back("line " + std::to_string(i));
    return lines;
}
} // namespace

class PrintSetupTest : public QObject {
    Q_OBJECT
private slots:
    void warningFollowsTheLineThreshold_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<bool>("warned");
        QTest::newRow("150 of 200") << 150 << 200 << false;
        QTest::newRow("200 of 200") << 200 << 200 << false;
        QTest::newRow("250 of 200") << 250 << 200 << true;
        QTest::newRow("11 of 10") << 11 << 10 << true;
    }
    void warningFollowsTheLineThreshold() {
        QFETCH(int, lines);
        QFETCH(int, threshold);
        QFETCH(bool, warned);
        GuiFixture f;
        f.settings.printLines = threshold;
        PrintSetupWindow window(f.context);
        window.setPrintText(numberedLines(lines));
        window.show();
        auto* memo = control<QPlainTextEdit>(&window, "Memo1");
        QCOMPARE(window.height(), warned ? 318 : 200);
        QCOMPARE(memo->isVisible(), warned);
        QVERIFY(!control<QPushButton>(&window, "Button3")->isVisible());
        if (warned) {
            const QString expected = QStringLiteral(
                                         "PLEASE NOTE:\n\nThe main search window has %1 lines of output to be "
                                         "printed.\n\nThis may take some time to complete.\n\nIf the output is very "
                                         "large, you may wish to change some settings on the main window.")
                                         .arg(lines);
            QCOMPARE(memo->toPlainText(), expected);
        }
        window.close();
    }

    void opensWithTheStoredChoicesAndPlace() {
        GuiFixture f;
        f.settings.setOption(13, false);
        f.settings.setOption(15, false);
        f.store("FORM4", "Left", 120);
        f.store("FORM4", "Top", 90);
        f.store("FORM4", "Width", 600);
        f.store("FORM4", "Height", 999);
        PrintSetupWindow window(f.context);
        window.setPrintText(numberedLines(3));
        window.show();
        QVERIFY(control<QRadioButton>(&window, "RadioButton2")->isChecked());
        QVERIFY(control<QRadioButton>(&window, "RadioButton6")->isChecked());
        QCOMPARE(window.pos(), QPoint(120, 90));
        QCOMPARE(window.size(), QSize(600, 200)); // the stored height gives way to the window's own
        window.close();
    }

    void printSendsEveryLineAfterThreeBlanks() {
        GuiFixture f;
        PrintSetupWindow window(f.context);
        window.setPrintText({"Title", "", "Row two"});
        window.show();
        control<QRadioButton>(&window, "RadioButton2")->setChecked(true); // Portrait
        control<QRadioButton>(&window, "RadioButton6")->setChecked(true); // Arial
        QTest::mouseClick(control<QPushButton>(&window, "Button2"), Qt::LeftButton);
        QCOMPARE(f.printer.jobs.size(), size_t(1));
        const PrintJob& job = f.printer.jobs[0];
        QVERIFY(job.ended);
        QCOMPARE(job.orientation, Orientation::Portrait);
        QCOMPARE(job.font.family, std::string("Arial"));
        QCOMPARE(job.font.pointSize, 10);
        QCOMPARE(job.lines, (std::vector<std::string>{" ", "   Title", "   ", "   Row two"}));
        QVERIFY(window.isVisible()); // the same text can be printed again
        QVERIFY(!control<QPushButton>(&window, "Button3")->isVisible());
        QVERIFY(f.boxes.shown.empty());
        window.close();
    }

    void aFailingPrinterIsReported() {
        GuiFixture f;
        f.printer.failBegin = true;
        PrintSetupWindow window(f.context);
        window.setPrintText({"x"});
        window.show();
        QTest::mouseClick(control<QPushButton>(&window, "Button2"), Qt::LeftButton);
        QCOMPARE(f.boxes.shown.size(), size_t(1));
        QVERIFY(f.boxes.shown[0].text.find("the printer is switched off") != std::string::npos);
        window.close();
    }

    void withoutAPrinterAPdfFileIsOffered() {
        GuiFixture f;
        f.printer.installed = false;
        f.pdfPath = "/tmp/out.pdf";
        PrintSetupWindow window(f.context);
        window.setPrintText({"a", "b"});
        window.show();
        QTest::mouseClick(control<QPushButton>(&window, "Button2"), Qt::LeftButton);
        QCOMPARE(f.boxes.shown.size(), size_t(2));
        QCOMPARE(f.boxes.shown[0].buttons, Buttons::YesNo);
        QVERIFY(f.boxes.shown[0].text.find("No printer is installed") != std::string::npos);
        QCOMPARE(f.pdfRequests, std::vector<std::string>{"/tmp/out.pdf"});
        QCOMPARE(f.pdfPrinter.jobs.size(), size_t(1));
        QCOMPARE(f.pdfPrinter.jobs[0].lines, (std::vector<std::string>{" ", "   a", "   b"}));
        QVERIFY(f.boxes.shown[1].text.find("/tmp/out.pdf") != std::string::npos);
        QVERIFY(f.printer.jobs.empty());

        // Declined: nothing printed, and the user was told why.
        f.boxes.shown.clear();
        f.boxes.answers = {Button::No};
        QTest::mouseClick(control<QPushButton>(&window, "Button2"), Qt::LeftButton);
        QCOMPARE(f.boxes.shown.size(), size_t(1));
        QCOMPARE(f.pdfPrinter.jobs.size(), size_t(1));
        window.close();
    }

    void cancelPrintAsksAndAbortsNothingWhenIdle() {
        GuiFixture f;
        PrintSetupWindow window(f.context);
        window.setPrintText({"a"});
        window.show();
        window.cancelPrint();
        QCOMPARE(f.boxes.shown.size(), size_t(1));
        QCOMPARE(f.boxes.shown[0].text, std::string("Press cancel to abort printing"));
        QCOMPARE(f.boxes.shown[0].buttons, Buttons::Cancel);
        window.close();
    }

    void closeStoresTheChoicesAndTheTitleBarDoesNot() {
        GuiFixture f;
        {
            PrintSetupWindow window(f.context);
            window.setPrintText({"a"});
            window.show();
            window.move(40, 50);
            control<QRadioButton>(&window, "RadioButton2")->setChecked(true);
            control<QRadioButton>(&window, "RadioButton6")->setChecked(true);
            window.close(); // the title-bar close box
            QVERIFY(!window.isVisible());
            QVERIFY(f.settings.option(13));
            QVERIFY(f.settings.option(15));
            QCOMPARE(f.stored("FORM4", "Left"), 40);
            QCOMPARE(f.stored("FORM4", "Top"), 50);
            QCOMPARE(f.stored("FORM4", "Height"), 200);

            window.show();
            QVERIFY(control<QRadioButton>(&window, "RadioButton1")->isChecked()); // choices reloaded
            control<QRadioButton>(&window, "RadioButton2")->setChecked(true);
            control<QRadioButton>(&window, "RadioButton6")->setChecked(true);
            QTest::mouseClick(control<QPushButton>(&window, "Button1"), Qt::LeftButton);
            QVERIFY(!window.isVisible());
            QVERIFY(window.closedByButton());
            QVERIFY(!f.settings.option(13));
            QVERIFY(!f.settings.option(15));
        }
        {
            // Escape answers Close.
            PrintSetupWindow window(f.context);
            window.setPrintText({"a"});
            window.show();
            control<QRadioButton>(&window, "RadioButton5")->setChecked(true);
            QTest::keyClick(&window, Qt::Key_Escape);
            QVERIFY(!window.isVisible());
            QVERIFY(f.settings.option(15));
        }
    }

    void runIsModalAndReturnsOnClose() {
        GuiFixture f;
        PrintSetupWindow window(f.context);
        whenModal([](QWidget* modal) {
            QVERIFY(modal && modal->objectName() == QLatin1String("TForm4"));
            control<QPushButton>(modal, "Button2")->click();
            control<QPushButton>(modal, "Button1")->click();
        });
        window.run({"only line"});
        QCOMPARE(f.printer.jobs.size(), size_t(1));
        QCOMPARE(f.printer.jobs[0].lines.back(), std::string("   only line"));
    }

    void longLinesContinueOnTheNextLine() {
        const QFont font = courierFont(10);
        const QFontMetricsF metrics(font);
        const QString line(200, QLatin1Char('x'));
        const qreal width = metrics.horizontalAdvance(QStringLiteral("xxxxxxxxxx")) * 3.5;
        const QStringList pieces = wrapToWidth(line, metrics, width);
        QVERIFY(pieces.size() > 1);
        QCOMPARE(pieces.join(QString()), line);
        for (const QString& piece : pieces) QVERIFY(metrics.horizontalAdvance(piece) <= width);
        QCOMPARE(wrapToWidth(QString(), metrics, width), QStringList{QString()});
    }

    void thePdfDeviceBreaksPages() {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("out.pdf")).toStdString();
        QtPrinter printer(path);
        QVERIFY(printer.available());
        std::string error;
        QVERIFY2(printer.begin(Orientation::Portrait, PrintFont{"Courier New", 10}, &error), error.c_str());
        for (int i = 0; i < 150; ++i) printer.printLine("   line " + std::to_string(i));
        printer.printLine(std::string(400, 'w'));
        QVERIFY(printer.end());
        QVERIFY(printer.pagesPrinted() >= 2);
        QFile file(QString::fromStdString(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.size() > 1000);
    }
};

QTEST_MAIN(PrintSetupTest)
#include "print_setup_test.moc"
