#include "platform/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>

#include "platform/Fonts.h"

namespace velmora::gui {

// ---------------------------------------------------------------- message boxes

Button QtMessageBoxes::show(MessageKind kind, const std::string& text, Buttons buttons) {
    QMessageBox box(QApplication::activeWindow());
    switch (kind) {
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setWindowTitle(QStringLiteral("Warning"));
        break;
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        box.setWindowTitle(QStringLiteral("Information"));
        break;
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        box.setWindowTitle(QStringLiteral("Error"));
        break;
    case MessageKind::Question:
        box.setIcon(QMessageBox::Question);
        box.setWindowTitle(QStringLiteral("Confirm"));
        break;
    }
    box.setText(qs(text));
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::Cancel:
        box.setStandardButtons(QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return Button::Yes;
    case QMessageBox::No: return Button::No;
    case QMessageBox::Cancel: return Button::Cancel;
    case QMessageBox::Ok: return Button::Ok;
    default:
        // Escape or the close box: the box's "no" answer.
        if (buttons == Buttons::YesNo) return Button::No;
        if (buttons == Buttons::Ok) return Button::Ok;
        return Button::Cancel;
    }
}

// ---------------------------------------------------------------- shell

int QtShell::open(const std::string& address, const std::string& parameters, const std::string& directory,
                  ShowMode mode) {
    (void)parameters;
    (void)directory;
    (void)mode;
    const QUrl url = QUrl::fromUserInput(qs(address));
    if (!url.isValid()) return 2;
    return QDesktopServices::openUrl(url) ? 42 : 2;
}

// ---------------------------------------------------------------- clipboard

void QtClipboard::setText(const std::string& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(qs(text));
}

// ---------------------------------------------------------------- printer

QStringList wrapToWidth(const QString& line, const QFontMetricsF& metrics, qreal width) {
    QStringList pieces;
    if (line.isEmpty()) {
        pieces << QString();
        return pieces;
    }
    qsizetype start = 0;
    while (start < line.size()) {
        qsizetype end = start;
        // At least one character per piece, however narrow the page.
        do {
            ++end;
        } while (end < line.size() && metrics.horizontalAdvance(line.mid(start, end - start + 1)) <= width);
        pieces << line.mid(start, end - start);
        start = end;
    }
    return pieces;
}

QtPrinter::QtPrinter() = default;

QtPrinter::QtPrinter(const std::string& pdfPath) : pdfPath_(pdfPath) {}

QtPrinter::~QtPrinter() {
    if (running_) abort();
}

bool QtPrinter::available() const {
    if (!pdfPath_.empty()) return true;
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

std::string QtPrinter::name() const {
    if (!pdfPath_.empty()) return pdfPath_;
    const QString name = QPrinterInfo::defaultPrinterName();
    if (!name.isEmpty()) return ss(name);
    const QStringList names = QPrinterInfo::availablePrinterNames();
    return names.isEmpty() ? std::string() : ss(names.front());
}

bool QtPrinter::begin(Orientation orientation, const PrintFont& font, std::string* error) {
    if (running_) abort();
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!pdfPath_.empty()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(qs(pdfPath_));
    } else {
        // The default printer, or the first one installed when none is marked default.
        QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            const QStringList names = QPrinterInfo::availablePrinterNames();
            if (!names.isEmpty()) info = QPrinterInfo::printerInfo(names.front());
        }
        if (info.isNull()) {
            if (error) *error = "No printer is installed.";
            printer_.reset();
            return false;
        }
        printer_->setPrinterName(info.printerName());
    }
    printer_->setDocName(QStringLiteral("Velmora"));
    printer_->setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        if (error) {
            *error = pdfPath_.empty() ? "The printer \"" + ss(printer_->printerName()) + "\" cannot be opened."
                                      : "The file \"" + pdfPath_ + "\" cannot be written.";
        }
        painter_.reset();
        printer_.reset();
        return false;
    }
    font_ = printFont(qs(font.family), font.pointSize > 0 ? font.pointSize : 10);
    painter_->setFont(font_);
    const QFontMetricsF metrics(font_, printer_.get());
    lineHeight_ = metrics.lineSpacing();
    ascent_ = metrics.ascent();
    const QRectF page = printer_->pageLayout().paintRectPixels(printer_->resolution());
    pageWidth_ = page.width();
    pageHeight_ = page.height();
    y_ = 0;
    pages_ = 1;
    running_ = true;
    return true;
}

void QtPrinter::newLine(const QString& piece) {
    if (y_ > 0 && y_ + lineHeight_ > pageHeight_) {
        printer_->newPage();
        ++pages_;
        y_ = 0;
    }
    if (!piece.isEmpty()) painter_->drawText(QPointF(0, y_ + ascent_), piece);
    y_ += lineHeight_;
}

void QtPrinter::printLine(const std::string& line) {
    if (!running_) return;
    QString text = qs(line);
    text.replace(QLatin1Char('\t'), QStringLiteral("        "));
    const QFontMetricsF metrics(font_, printer_.get());
    for (const QString& piece : wrapToWidth(text, metrics, pageWidth_)) newLine(piece);
}

bool QtPrinter::end() {
    if (!running_) return false;
    running_ = false;
    const bool ok = painter_->end();
    painter_.reset();
    printer_.reset();
    return ok;
}

void QtPrinter::abort() {
    if (!running_) return;
    running_ = false;
    printer_->abort();
    painter_->end();
    painter_.reset();
    printer_.reset();
}

// ---------------------------------------------------------------- the services together

void DesktopPlatform::fill(AppContext& context) {
    context.boxes = &boxes;
    context.shell = &shell;
    context.clipboard = &clipboard;
    context.printer = &printer;
    context.choosePdfFile = [] {
        const QString path = QFileDialog::getSaveFileName(
            QApplication::activeWindow(), QStringLiteral("Print to a PDF File"),
            QDir::home().filePath(QStringLiteral("Velmora.pdf")), QStringLiteral("PDF files (*.pdf)"));
        return ss(path);
    };
    context.pdfPrinter = [](const std::string& path) -> std::unique_ptr<Printer> {
        return std::make_unique<QtPrinter>(path);
    };
}

} // namespace velmora::gui
