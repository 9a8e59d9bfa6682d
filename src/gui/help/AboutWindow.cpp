#include "help/AboutWindow.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include "help/HelpTexts.h"
#include "platform/Fonts.h"
#include "platform/QtPlatform.h"
#include "platform/WindowPlacement.h"
#include "resources/Artwork.h"
#include "text/Routines.h"

namespace velmora::gui {

namespace {

QFont newsGothic(int pixels) {
    QFont font(QStringLiteral("News Gothic MT"));
    font.setFamilies({QStringLiteral("News Gothic MT"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

constexpr int kClientWidth = 461;
constexpr int kClientHeight = 692;
constexpr int kPanelHeight = 105;
constexpr int kPictureHeight = 329;
constexpr int kCreditHeight = 20;

} // namespace

AboutWindow::AboutWindow(AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      context_(context) {
    setObjectName(QStringLiteral("TForm2"));
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(0, 0, kClientWidth, kPanelHeight);

    title_ = new QLabel(panel);
    title_->setObjectName(QStringLiteral("Label1"));
    title_->setGeometry(0, 4, kClientWidth, 30);
    title_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    title_->setFont(newsGothic(24));
    title_->setStyleSheet(QStringLiteral("color: blue;"));

    version_ = new QLabel(panel);
    version_->setObjectName(QStringLiteral("Label2"));
    version_->setGeometry(180, 34, kClientWidth - 184, 38);
    version_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    version_->setFont(newsGothic(32));

    date_ = new QLabel(panel);
    date_->setObjectName(QStringLiteral("Label3"));
    date_->setGeometry(180, 72, kClientWidth - 184, 28);
    date_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    date_->setFont(newsGothic(21));

    address_ = new QLabel(panel);
    address_->setObjectName(QStringLiteral("Label4"));
    address_->setGeometry(8, 72, 220, 28);
    QFont candara(QStringLiteral("Candara"));
    candara.setFamilies({QStringLiteral("Candara"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("DejaVu Sans")});
    candara.setStyleHint(QFont::SansSerif);
    candara.setPixelSize(21);
    candara.setBold(true);
    address_->setFont(candara);
    address_->setStyleSheet(QStringLiteral("color: green;"));

    close_ = new QPushButton(QStringLiteral("Close"), panel);
    close_->setObjectName(QStringLiteral("Button1"));
    close_->hide();
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setGeometry(0, kPanelHeight, kClientWidth, kPictureHeight);
    picture_->setScaledContents(true);
    picture_->setPixmap(renderPicture(aboutPicturePath(), QSize(kClientWidth, kPictureHeight)));

    credit_ = new QLabel(this);
    credit_->setObjectName(QStringLiteral("Label5"));
    credit_->setGeometry(0, kPanelHeight + kPictureHeight, kClientWidth, kCreditHeight);
    credit_->setAlignment(Qt::AlignCenter);
    credit_->setFont(arialFont(8));

    history_ = new QTextEdit(this);
    history_->setObjectName(QStringLiteral("RichEdit1"));
    const int historyTop = kPanelHeight + kPictureHeight + kCreditHeight;
    history_->setGeometry(0, historyTop, kClientWidth, kClientHeight - historyTop);
    history_->setReadOnly(true);
    history_->setFrameShape(QFrame::NoFrame);
    history_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    history_->setFont(courierFont(8));

    for (QLabel* clickable : {title_, address_, picture_}) clickable->installEventFilter(this);
}

bool AboutWindow::linksAllowed() const { return context_.settings && context_.settings->allowHyperlink; }

void AboutWindow::showEvent(QShowEvent* event) {
    fill();
    restoreWindowPlacement(*this, context_, "FORM2", Geometry{8, 8, 0, 0}, false);
    QDialog::showEvent(event);
}

void AboutWindow::fill() {
    const AboutText text = aboutText();
    webPageUrl_ = text.webPageUrl;
    setWindowTitle(qs(text.windowTitle));
    title_->setText(qs(text.titleLine));
    // 24-pixel letters where the line fits; smaller ones where it would be cut off.
    QFont titleFont = newsGothic(24);
    while (titleFont.pixelSize() > 12 && QFontMetrics(titleFont).horizontalAdvance(title_->text()) > title_->width() - 8)
        titleFont.setPixelSize(titleFont.pixelSize() - 1);
    title_->setFont(titleFont);
    version_->setText(qs(text.versionLabel));
    date_->setText(qs(text.dateLabel));
    address_->setText(qs(text.webAddress));
    credit_->setText(qs(text.credit));
    const QString panelHint = qs(text.panelHint);
    for (QWidget* part : {static_cast<QWidget*>(title_), static_cast<QWidget*>(version_),
                          static_cast<QWidget*>(date_), static_cast<QWidget*>(address_)})
        part->setToolTip(panelHint);
    history_->setToolTip(panelHint);
    picture_->setToolTip(qs(text.pictureHint));

    // The hand cursor promises a link; without links the picture keeps the cursor.
    if (linksAllowed())
        picture_->setCursor(Qt::PointingHandCursor);
    else
        picture_->unsetCursor();

    // The history is built as one document, each line in its colour.
    history_->clear();
    QTextCursor cursor(history_->document());
    bool first = true;
    for (const ColouredLine& line : text.history) {
        QTextCharFormat format;
        format.setForeground(toQColor(line.colour));
        if (!first) cursor.insertBlock();
        cursor.insertText(qs(line.text), format);
        first = false;
    }
    history_->moveCursor(QTextCursor::Start);
}

void AboutWindow::openWebPage() {
    if (!linksAllowed() || !context_.shell || webPageUrl_.empty()) return;
    shellopen(*context_.shell, webPageUrl_, "", "", ShowMode::Normal);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            (watched == picture_ || watched == title_ || watched == address_)) {
            openWebPage();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    // The hidden Close button is the default and the cancel button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) {
        close_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AboutWindow::done(int result) {
    if (isVisible()) saveWindowPlacement(*this, context_, "FORM2", false);
    QDialog::done(result);
}

} // namespace velmora::gui
