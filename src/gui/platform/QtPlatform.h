#pragma once
// The Qt implementations of the platform interfaces: modal message boxes, the shell's
// "open", the clipboard and the printer as a plain-text device.

#include <QFont>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <memory>

#include "platform/AppContext.h"
#include "platform/Platform.h"

class QFontMetricsF;
class QPrinter;
class QWidget;

namespace velmora::gui {

// std::string (UTF-8) to and from QString.
inline QString qs(const std::string& text) { return QString::fromStdString(text); }
inline std::string ss(const QString& text) { return text.toStdString(); }

class QtMessageBoxes : public MessageBoxes {
public:
    Button show(MessageKind kind, const std::string& text, Buttons buttons = Buttons::Ok) override;
};

class QtShell : public Shell {
public:
    // Opens the address with QDesktopServices; returns 42 on success and 2 when the
    // address cannot be opened, as the shell of the earlier versions did (a value
    // above 32 means success).
    int open(const std::string& address, const std::string& parameters, const std::string& directory,
             ShowMode mode) override;
};

class QtClipboard : public Clipboard {
public:
    void setText(const std::string& text) override;
};

// Splits one line into the pieces that fit `width` in the given metrics; a line too
// wide continues on the next piece. An empty line gives one empty piece.
QStringList wrapToWidth(const QString& line, const QFontMetricsF& metrics, qreal width);

// The default printer, or a PDF file, as a plain-text device: lines one under the other
// from the top of the printable area, a line too wide continued on the next line, a
// new page when the next line does not fit.
class QtPrinter : public Printer {
public:
    QtPrinter();                                   // the system's default printer
    explicit QtPrinter(const std::string& pdfPath); // a PDF file
    ~QtPrinter() override;

    bool available() const override;
    std::string name() const override;
    bool begin(Orientation orientation, const PrintFont& font, std::string* error = nullptr) override;
    void printLine(const std::string& line) override;
    bool end() override;
    void abort() override;

    int pagesPrinted() const { return pages_; }

private:
    void newLine(const QString& piece);

    std::string pdfPath_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    qreal lineHeight_ = 0, ascent_ = 0, y_ = 0, pageWidth_ = 0, pageHeight_ = 0;
    int pages_ = 0;
    bool running_ = false;
};

// The Qt services together, for the program's AppContext.
struct DesktopPlatform {
    QtMessageBoxes boxes;
    QtShell shell;
    QtClipboard clipboard;
    QtPrinter printer;
    // Fills the platform part of `context` (settings and ini are the caller's).
    void fill(AppContext& context);
};

} // namespace velmora::gui
