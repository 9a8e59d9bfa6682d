#include "help/SplashWindow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include "platform/Fonts.h"
#include "platform/QtPlatform.h"
#include "resources/Artwork.h"

namespace velmora::gui {

namespace {
const char* const kSplashCaption = "Velmora: Please wait, performing some background tasks...";
}

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QString::fromLatin1(kSplashCaption));
    setFixedSize(784, 561);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);

    title_ = new QLabel(QString::fromLatin1(kSplashCaption), this);
    title_->setObjectName(QStringLiteral("Panel1"));
    title_->setGeometry(7, 7, 770, 89);
    title_->setAlignment(Qt::AlignCenter);
    title_->setWordWrap(true);
    QFont big = arialFont(10);
    big.setPixelSize(24);
    big.setBold(true);
    title_->setFont(big);
    title_->setStyleSheet(QStringLiteral("color: #1f5fff; background: black;"));

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setGeometry(7, 98, 770, 330);
    picture_->setScaledContents(true);
    picture_->setPixmap(renderPicture(splashPicturePath(), QSize(770, 330)));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setGeometry(7, 438, 770, 113);
    panel->setAutoFillBackground(true);
    QPalette face = panel->palette();
    face.setColor(QPalette::Window, QColor(240, 240, 240));
    face.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(face);

    label_ = new QLabel(panel);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setGeometry(12, 8, 745, 20);
    bar_ = new QProgressBar(panel);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setGeometry(12, 32, 745, 25);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    check_ = new QCheckBox(QStringLiteral("Do Not Show this screen again"), panel);
    check_->setObjectName(QStringLiteral("CheckBox1"));
    check_->setGeometry(12, 72, 300, 24);
    close_ = new QPushButton(QStringLiteral("Close"), panel);
    close_->setObjectName(QStringLiteral("Button1"));
    close_->setGeometry(682, 72, 75, 25);
    connect(close_, &QPushButton::clicked, this, &QWidget::hide);
}

void SplashWindow::centreOnScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
}

void SplashWindow::begin(bool visible) {
    check_->setChecked(false);
    label_->clear();
    bar_->setValue(0);
    if (visible) {
        centreOnScreen();
        show();
        raise();
    } else {
        hide();
    }
    QCoreApplication::processEvents();
}

void SplashWindow::showProgress(const QString& text, int percent) {
    label_->setText(text);
    bar_->setValue(qBound(0, percent, 100));
    QCoreApplication::processEvents();
}

void SplashWindow::status(const std::string& text, int percent) { showProgress(qs(text), percent); }

bool SplashWindow::doNotShowAgain() { return check_->isChecked(); }

void SplashWindow::end() { hide(); }

} // namespace velmora::gui
