#include "help/HelpWindow.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWindow>

#include "help/HelpTexts.h"
#include "output/PrintSetupWindow.h"
#include "platform/Fonts.h"
#include "platform/QtPlatform.h"
#include "platform/WindowPlacement.h"

namespace velmora::gui {

namespace {

struct KindInfo {
    const char* objectName;
    const char* section;
    int panelWidth;
    Geometry place;
};

KindInfo infoOf(HelpKind kind) {
    switch (kind) {
    case HelpKind::Preferences: return {"TForm6", "FORM6", 89, {8, 8, 860, 400}};
    case HelpKind::Results: return {"TForm7", "FORM7", 97, {8, 8, 860, 400}};
    case HelpKind::KnownProblems: return {"TForm8", "FORM8", 95, {8, 8, 860, 400}};
    case HelpKind::Update: break;
    }
    return {"TForm9", "FORM9", 98, {8, 8, 540, 320}};
}

QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFixedSize(parent->width() - 10, 25);
    button->setAutoDefault(false);
    return button;
}

// Fills a rich-text box in one pass, each line in its own colour.
void fillColoured(QTextEdit& box, const std::vector<ColouredLine>& lines) {
    box.clear();
    QTextCursor cursor(box.document());
    cursor.beginEditBlock();
    bool first = true;
    for (const ColouredLine& line : lines) {
        QTextCharFormat format;
        format.setForeground(toQColor(line.colour));
        if (!first) cursor.insertBlock();
        cursor.insertText(qs(line.text), format);
        first = false;
    }
    cursor.endEditBlock();
    box.moveCursor(QTextCursor::Start);
}

std::vector<std::string> blocksOf(const QTextDocument& document) {
    std::vector<std::string> lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines.push_back(ss(block.text()));
    return lines;
}

void colourBox(QWidget& box, const QColor& background, const QColor& text) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, text);
    box.setPalette(palette);
}

} // namespace

HelpWindow::HelpWindow(HelpKind kind, AppContext& context, PrintSetupWindow* printSetup, QWidget* parent)
    : QDialog(parent, Qt::Window), kind_(kind), context_(context), printSetup_(printSetup) {
    const KindInfo info = infoOf(kind);
    setObjectName(QString::fromLatin1(info.objectName));
    setModal(kind == HelpKind::KnownProblems);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    if (kind == HelpKind::Update) {
        help_ = new QTextEdit(this);
        help_->setObjectName(QStringLiteral("RichEdit1"));
        help_->setReadOnly(true);
        help_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        help_->setLineWrapMode(QTextEdit::WidgetWidth);
        example_ = new QTextEdit(this);
        example_->setObjectName(QStringLiteral("RichEdit2"));
        example_->setReadOnly(true);
        example_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        example_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        example_->setLineWrapMode(QTextEdit::NoWrap);
        example_->hide();
        layout->addWidget(help_, 1);
        layout->addWidget(example_, 1);
    } else {
        // The user may type into the memo; that changes only what is shown and printed.
        memo_ = new QPlainTextEdit(this);
        memo_->setObjectName(QStringLiteral("Memo1"));
        memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        layout->addWidget(memo_, 1);
    }

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedWidth(info.panelWidth);
    panel->setFont(arialFont(8));
    auto* buttons = new QVBoxLayout(panel);
    buttons->setContentsMargins(5, 8, 5, 8);
    close_ = makeButton(QStringLiteral("Close"), QStringLiteral("Button1"), panel);
    printButton_ = makeButton(QStringLiteral("Print"), QStringLiteral("Button2"), panel);
    buttons->addWidget(close_);
    buttons->addWidget(printButton_);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    connect(printButton_, &QPushButton::clicked, this, &HelpWindow::print);

    if (kind == HelpKind::Update) {
        restore_ = makeButton(QStringLiteral("Restore Help"), QStringLiteral("Button3"), panel);
        buttons->addWidget(restore_);
        connect(restore_, &QPushButton::clicked, this, &HelpWindow::restoreHelp);
        for (int which = 1; which <= 3; ++which) {
            QPushButton* example = makeButton(QStringLiteral("Example File %1").arg(which),
                                              QStringLiteral("Button%1").arg(which + 3), panel);
            buttons->addWidget(example);
            connect(example, &QPushButton::clicked, this, [this, which] { showExample(which); });
        }
        for (int i = 0; i < static_cast<int>(kUpdateHelpButtonHints.size()); ++i) {
            if (QPushButton* button = panel->findChild<QPushButton*>(QStringLiteral("Button%1").arg(i + 1)))
                button->setToolTip(QString::fromLatin1(kUpdateHelpButtonHints[static_cast<size_t>(i)]));
        }
    }
    buttons->addStretch(1);
    layout->addWidget(panel);

    // Close is the default button in the preferences help and the update help.
    if (kind == HelpKind::Preferences || kind == HelpKind::Update) close_->setDefault(true);
    resize(info.place.width, info.place.height);
}

std::string HelpWindow::section() const { return infoOf(kind_).section; }

void HelpWindow::showEvent(QShowEvent* event) {
    const KindInfo info = infoOf(kind_);
    restoreWindowPlacement(*this, context_, info.section, info.place, true);
    applyAppearance();
    fill();
    QDialog::showEvent(event);
}

void HelpWindow::applyAppearance() {
    const std::string options = context_.settings ? context_.settings->options : std::string(37, '1');
    const std::uint32_t results = context_.settings ? context_.settings->colour(Colour::Results) : 13631487u;
    const QFont font = displayFont(options);
    const bool coloured = colouredChosen(options);
    if (memo_) {
        memo_->setFont(font);
        if (coloured)
            colourBox(*memo_, toQColor(results), toQColor(colour::Blue));
        else
            colourBox(*memo_, Qt::white, Qt::black);
    } else {
        // The update help keeps the Results colour in both modes.
        for (QTextEdit* box : {help_, example_}) {
            box->setFont(font);
            colourBox(*box, toQColor(results), coloured ? toQColor(colour::Blue) : QColor(Qt::black));
        }
    }
}

void HelpWindow::fill() {
    switch (kind_) {
    case HelpKind::Preferences: setWindowTitle(QString::fromLatin1(kPreferencesHelpTitle)); break;
    case HelpKind::Results: setWindowTitle(QString::fromLatin1(kResultHelpTitle)); break;
    case HelpKind::KnownProblems: setWindowTitle(QString::fromLatin1(kKnownProblemsTitle)); break;
    case HelpKind::Update: setWindowTitle(QString::fromLatin1(kUpdateHelpTitle)); break;
    }
    if (memo_) {
        std::vector<std::string> lines;
        switch (kind_) {
        case HelpKind::Preferences: lines = preferencesHelpText(); break;
        case HelpKind::Results: lines = resultHelpText(); break;
        default: lines = knownProblemsText(); break;
        }
        QStringList text;
        text.reserve(static_cast<qsizetype>(lines.size()));
        for (const std::string& line : lines) text << qs(line);
        memo_->setPlainText(text.join(QLatin1Char('\n')));
        memo_->moveCursor(QTextCursor::Start);
        return;
    }
    fillColoured(*help_, updateHelpText());
    example_->clear();
    restoreHelp();
}

std::vector<std::string> HelpWindow::shownLines() const {
    if (memo_) return blocksOf(*memo_->document());
    const QTextEdit* box = example_->isVisibleTo(this) ? example_ : help_;
    return blocksOf(*box->document());
}

void HelpWindow::print() {
    if (kind_ == HelpKind::KnownProblems) {
        if (context_.boxes) context_.boxes->show(MessageKind::Information, kKnownProblemsPrintRefusal);
        return;
    }
    const std::vector<std::string> lines = shownLines();
    if (onPrintText) onPrintText(lines);
    if (printSetup_) printSetup_->run(lines);
    if (onPrinted) onPrinted();
    // The print set-up window may have changed the orientation and the font.
    if (context_.ini && context_.settings) {
        std::string error;
        if (!saveOptions(*context_.ini, *context_.settings, &error) && context_.boxes)
            context_.boxes->show(MessageKind::Warning,
                                 "The settings could not be saved in " + context_.settings->settingsFile + ":\n" +
                                     error);
    }
}

void HelpWindow::restoreHelp() {
    if (!help_) return;
    help_->show();
    example_->hide();
    restore_->setEnabled(false);
}

void HelpWindow::showExample(int which) {
    if (!example_) return;
    restore_->setEnabled(true);
    help_->hide();
    example_->show();
    fillColoured(*example_, updateExampleText(which));
}

void HelpWindow::showBeside(QWidget* owner) {
    show();
    if (owner && windowHandle() && owner->window()->windowHandle())
        windowHandle()->setTransientParent(owner->window()->windowHandle());
    raise();
    activateWindow();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // Escape answers Close only where Close is the default button.
    if (event->key() == Qt::Key_Escape && kind_ != HelpKind::Preferences && kind_ != HelpKind::Update) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void HelpWindow::done(int result) {
    if (isVisible()) saveWindowPlacement(*this, context_, section(), true);
    QDialog::done(result);
}

} // namespace velmora::gui
