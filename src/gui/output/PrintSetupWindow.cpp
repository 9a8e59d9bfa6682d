#include "output/PrintSetupWindow.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/QtPlatform.h"
#include "platform/WindowPlacement.h"
#include "views/Views.h"

namespace velmora::gui {

namespace {
constexpr int kPlainHeight = 200;
constexpr int kWarningHeight = 318;
const Geometry kDefaultPlace{8, 8, 540, 320};
} // namespace

PrintSetupWindow::PrintSetupWindow(AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      context_(context) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Print Set Up"));
    setModal(true);

    group_ = new QGroupBox(QStringLiteral("Paper Orientation && Font"), this);
    group_->setObjectName(QStringLiteral("GroupBox1"));
    landscape_ = new QRadioButton(QStringLiteral("Landscape (recommended)"), group_);
    landscape_->setObjectName(QStringLiteral("RadioButton1"));
    portrait_ = new QRadioButton(QStringLiteral("Portrait"), group_);
    portrait_->setObjectName(QStringLiteral("RadioButton2"));
    // The font buttons sit in a panel of their own, so they form a choice apart.
    fontPanel_ = new QFrame(group_);
    fontPanel_->setObjectName(QStringLiteral("Panel1"));
    fontPanel_->setFrameShape(QFrame::NoFrame);
    courier_ = new QRadioButton(QStringLiteral("Courier (fixed 10pt)"), fontPanel_);
    courier_->setObjectName(QStringLiteral("RadioButton5"));
    arial_ = new QRadioButton(QStringLiteral("Arial (proportional 10pt)"), fontPanel_);
    arial_->setObjectName(QStringLiteral("RadioButton6"));

    auto* fontLayout = new QVBoxLayout(fontPanel_);
    fontLayout->setContentsMargins(0, 0, 0, 0);
    fontLayout->addWidget(courier_);
    fontLayout->addWidget(arial_);
    auto* orientationLayout = new QVBoxLayout;
    orientationLayout->addWidget(landscape_);
    orientationLayout->addWidget(portrait_);
    auto* groupLayout = new QHBoxLayout(group_);
    groupLayout->addLayout(orientationLayout);
    groupLayout->addWidget(fontPanel_);

    warning_ = new QPlainTextEdit(this);
    warning_->setObjectName(QStringLiteral("Memo1"));
    warning_->setReadOnly(true);
    QPalette red = warning_->palette();
    red.setColor(QPalette::Text, Qt::red);
    warning_->setPalette(red);

    close_ = new QPushButton(QStringLiteral("Close"), this);
    close_->setObjectName(QStringLiteral("Button1"));
    close_->setAutoDefault(false);
    print_ = new QPushButton(QStringLiteral("Print"), this);
    print_->setObjectName(QStringLiteral("Button2"));
    print_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Cancel Print"), this);
    cancel_->setObjectName(QStringLiteral("Button3"));
    cancel_->setAutoDefault(false);
    for (QPushButton* button : {close_, print_, cancel_}) button->setFixedSize(95, 25);

    auto* left = new QVBoxLayout;
    left->addWidget(group_);
    left->addWidget(warning_, 1);
    left->addStretch(0);
    auto* right = new QVBoxLayout;
    right->addWidget(close_);
    right->addWidget(print_);
    right->addWidget(cancel_);
    right->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    connect(close_, &QPushButton::clicked, this, &PrintSetupWindow::closeWindow);
    connect(print_, &QPushButton::clicked, this, &PrintSetupWindow::print);
    connect(cancel_, &QPushButton::clicked, this, &PrintSetupWindow::cancelPrint);

    warning_->hide();
    cancel_->hide();
    resize(kDefaultPlace.width, kPlainHeight);
}

void PrintSetupWindow::setPrintText(const std::vector<std::string>& lines) { lines_ = lines; }

int PrintSetupWindow::run(const std::vector<std::string>& lines) {
    setPrintText(lines);
    return exec();
}

void PrintSetupWindow::showEvent(QShowEvent* event) {
    // Each showing starts from the stored place and the stored choices.
    if (!prepared_) prepare();
    QDialog::showEvent(event);
}

void PrintSetupWindow::prepare() {
    prepared_ = true;
    closedByButton_ = false;
    const Geometry g = restoreWindowPlacement(*this, context_, "FORM4", kDefaultPlace, true);
    const int width = g.width > 0 ? g.width : kDefaultPlace.width;

    warning_->clear();
    warning_->hide();
    cancel_->hide();

    const Settings* settings = context_.settings;
    const bool landscape = settings ? settings->option(13) : true;
    const bool courier = settings ? settings->option(15) : true;
    (landscape ? landscape_ : portrait_)->setChecked(true);
    (courier ? courier_ : arial_)->setChecked(true);

    const int threshold = settings ? settings->printLines : 200;
    const std::vector<std::string> note = printWarning(lines_.size(), threshold);
    int height = kPlainHeight;
    if (!note.empty()) {
        QStringList text;
        for (const std::string& line : note) text << qs(line);
        warning_->setPlainText(text.join(QLatin1Char('\n')));
        warning_->show();
        height = kWarningHeight;
    }
    setFixedSize(width, height);
}

void PrintSetupWindow::restoreCursor() {
    if (busyCursor_) {
        QApplication::restoreOverrideCursor();
        busyCursor_ = false;
    }
}

void PrintSetupWindow::print() {
    cancel_->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    busyCursor_ = true;

    Printer* device = context_.printer;
    std::unique_ptr<Printer> pdf;
    std::string pdfPath;
    if (!device || !device->available()) {
        // Without a printer the text can still go to a PDF file, if the user wants one.
        restoreCursor();
        const Button answer =
            context_.boxes ? context_.boxes->show(MessageKind::Warning,
                                                  "No printer is installed on this computer.\n\n"
                                                  "Print to a PDF file instead?",
                                                  Buttons::YesNo)
                           : Button::No;
        if (answer == Button::Yes && context_.choosePdfFile) pdfPath = context_.choosePdfFile();
        if (pdfPath.empty() || !context_.pdfPrinter) {
            cancel_->hide();
            return;
        }
        pdf = context_.pdfPrinter(pdfPath);
        device = pdf.get();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        busyCursor_ = true;
    }

    PrintFont font;
    font.family = courier_->isChecked() ? "Courier New" : "Arial";
    font.pointSize = 10;
    const Orientation orientation = landscape_->isChecked() ? Orientation::Landscape : Orientation::Portrait;

    std::string error;
    bool ok = device && device->begin(orientation, font, &error);
    if (ok) {
        running_ = device;
        device->printLine(" ");
        for (const std::string& line : lines_) device->printLine("   " + line);
        running_ = nullptr;
        ok = device->end();
        if (!ok) error = "The print job could not be completed.";
    }
    cancel_->hide();
    restoreCursor();

    if (!context_.boxes) return;
    if (!ok) {
        context_.boxes->show(MessageKind::Error,
                             "Printing failed" + (error.empty() ? std::string(".") : ":\n" + error));
    } else if (pdf) {
        context_.boxes->show(MessageKind::Information, "The print-out was saved in the file " + pdfPath + ".");
    }
}

void PrintSetupWindow::cancelPrint() {
    if (context_.boxes) context_.boxes->show(MessageKind::Information, "Press cancel to abort printing", Buttons::Cancel);
    if (running_) {
        running_->abort();
        running_ = nullptr;
        if (context_.boxes) context_.boxes->show(MessageKind::Information, "Printing aborted");
    }
    cancel_->hide();
}

void PrintSetupWindow::closeWindow() {
    cancel_->hide();
    if (context_.settings) {
        context_.settings->setOption(13, landscape_->isChecked());
        context_.settings->setOption(15, courier_->isChecked());
    }
    closedByButton_ = true;
    done(QDialog::Accepted);
}

void PrintSetupWindow::keyPressEvent(QKeyEvent* event) {
    // Escape answers the Close button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        closeWindow();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PrintSetupWindow::done(int result) {
    if (isVisible()) saveWindowPlacement(*this, context_, "FORM4", true);
    prepared_ = false;
    restoreCursor();
    QDialog::done(result);
}

} // namespace velmora::gui
