#include "settings/PreferencesWindow.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/Fonts.h"
#include "platform/WindowPlacement.h"

namespace velmora::gui {

namespace {

constexpr int kClientWidth = 635;
constexpr int kClientHeight = 815;

QString name(const char* stem, int n) { return QStringLiteral("%1%2").arg(QLatin1String(stem)).arg(n); }
// A caption with its ampersands shown as they stand.
QString caption(const std::string& text) { return QString::fromStdString(text).replace(QLatin1Char('&'), QStringLiteral("&&")); }

constexpr std::array<PrefRadio, 12> kChoiceRadios = {
    PrefRadio::InMiles, PrefRadio::InKilometres, PrefRadio::BothDistances, PrefRadio::NoDistance,
    PrefRadio::InMph, PrefRadio::InKph, PrefRadio::BothSpeeds, PrefRadio::NoSpeed,
    PrefRadio::LargeToolButtons, PrefRadio::SmallToolButtons, PrefRadio::FontCourier, PrefRadio::FontArial,
};

} // namespace

PreferencesWindow::PreferencesWindow(AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      context_(context) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QString::fromLatin1(preferences_text::kCaption));
    // Modal to the main window only, so the preferences help beside it stays usable.
    setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);

    for (int i = 0; i < kPrefCheckCount; ++i) {
        auto* box = new QCheckBox(caption(checkCaption(static_cast<PrefCheck>(i + 1))));
        box->setObjectName(name("CheckBox", i + 1));
        checks_[static_cast<size_t>(i)] = box;
        connect(box, &QCheckBox::clicked, this, [this, i] {
            model_.clickCheck(static_cast<PrefCheck>(i + 1));
            refresh();
        });
    }
    for (int i = 0; i < 19; ++i) {
        auto* button = new QRadioButton;
        button->setObjectName(name("RadioButton", i + 1));
        radios_[static_cast<size_t>(i)] = button;
    }
    for (PrefRadio choice : kChoiceRadios) {
        QRadioButton* button = radios_[static_cast<size_t>(static_cast<int>(choice) - 1)];
        button->setText(caption(radioCaption(choice)));
        connect(button, &QRadioButton::clicked, this, [this, choice] {
            model_.clickRadio(choice);
            refresh();
        });
    }
    for (int i = 0; i < kColourCount; ++i)
        radios_[static_cast<size_t>(8 + i)]->setText(caption(colourTargetCaption(i)));
    auto check = [this](int n) { return checks_[static_cast<size_t>(n - 1)]; };
    auto radio = [this](int n) { return radios_[static_cast<size_t>(n - 1)]; };

    auto column = [](QGroupBox* box, std::initializer_list<QWidget*> widgets) {
        auto* layout = new QVBoxLayout(box);
        for (QWidget* w : widgets) layout->addWidget(w);
        layout->addStretch(1);
    };

    auto* header = new QGroupBox(caption(preferences_text::kHeaderGroup));
    header->setObjectName(QStringLiteral("GroupBox1"));
    column(header, {check(1), check(2), check(3), check(4)});
    auto* drivers = new QGroupBox(caption(preferences_text::kDriversGroup));
    drivers->setObjectName(QStringLiteral("GroupBox2"));
    column(drivers, {check(5), check(6), check(7), check(8)});
    auto* distance = new QGroupBox(caption(preferences_text::kDistanceGroup));
    distance->setObjectName(QStringLiteral("GroupBox3"));
    column(distance, {radio(1), radio(2), radio(3), radio(4)});
    auto* speed = new QGroupBox(caption(preferences_text::kSpeedGroup));
    speed->setObjectName(QStringLiteral("GroupBox4"));
    column(speed, {radio(5), radio(6), radio(7), radio(8)});

    // "Program": the tool-button size and the font each in a borderless panel of its own.
    auto* program = new QGroupBox(caption(preferences_text::kProgramGroup));
    program->setObjectName(QStringLiteral("GroupBox5"));
    auto* toolPanel = new QFrame;
    toolPanel->setObjectName(QStringLiteral("Panel9"));
    auto* toolLayout = new QVBoxLayout(toolPanel);
    toolLayout->setContentsMargins(0, 0, 0, 0);
    toolLayout->addWidget(radio(16));
    toolLayout->addWidget(radio(17));
    auto* fontPanel = new QFrame;
    fontPanel->setObjectName(QStringLiteral("Panel10"));
    auto* fontLayout = new QVBoxLayout(fontPanel);
    fontLayout->setContentsMargins(0, 0, 0, 0);
    fontLayout->addWidget(radio(18));
    fontLayout->addWidget(radio(19));
    auto* programLayout = new QGridLayout(program);
    programLayout->addWidget(toolPanel, 0, 0);
    programLayout->addWidget(check(9), 0, 1);
    programLayout->addWidget(fontPanel, 1, 0);
    programLayout->addWidget(check(10), 1, 1);

    // The colours: a target per window with its colour panel, and the three sliders.
    colourGroup_ = new QGroupBox(caption(preferences_text::kColourGroup));
    colourGroup_->setObjectName(QStringLiteral("GroupBox6"));
    auto* colourLayout = new QGridLayout(colourGroup_);
    for (int i = 0; i < 7; ++i) {
        QRadioButton* target = radio(9 + i);
        auto* panel = new QFrame;
        panel->setObjectName(name("Panel", 2 + i));
        panel->setFixedSize(25, 25);
        panel->setFrameShape(QFrame::Box);
        panel->setAutoFillBackground(true);
        panel->installEventFilter(this);
        colourPanels_[static_cast<size_t>(i)] = panel;
        colourLayout->addWidget(target, i, 0);
        colourLayout->addWidget(panel, i, 1);
        connect(target, &QRadioButton::clicked, this, [this, i] {
            model_.selectColourTarget(i);
            refresh();
        });
    }
    auto* sliderBox = new QGridLayout;
    const std::array<const char*, 3> sliderCaptions = {"R", "G", "B"};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QString::fromLatin1(sliderCaptions[static_cast<size_t>(i)]));
        label->setObjectName(name("Label", i + 1));
        auto* slider = new QSlider(Qt::Horizontal);
        slider->setObjectName(name("TrackBar", i + 1));
        slider->setRange(0, 255);
        slider->setPageStep(16);
        sliders_[static_cast<size_t>(i)] = slider;
        sliderBox->addWidget(label, i, 0);
        sliderBox->addWidget(slider, i, 1);
        connect(slider, &QSlider::valueChanged, this, [this, i](int value) {
            model_.moveSlider(static_cast<Slider>(i), value);
            refresh();
        });
    }
    colourLayout->addLayout(sliderBox, 7, 0, 1, 3);
    colourLayout->setColumnStretch(2, 1); // each panel right beside its caption

    // The right-hand panel.
    auto* buttons = new QFrame;
    buttons->setObjectName(QStringLiteral("Panel1"));
    auto* buttonLayout = new QVBoxLayout(buttons);
    cancel_ = new QPushButton(caption(preferences_text::kCancel));
    cancel_->setObjectName(QStringLiteral("Button1"));
    cancel_->setAutoDefault(false);
    save_ = new QPushButton(caption(preferences_text::kSaveAndClose));
    save_->setObjectName(QStringLiteral("Button2"));
    save_->setDefault(true);
    helpButton_ = new QPushButton(caption(preferences_text::kHelp));
    helpButton_->setObjectName(QStringLiteral("Button3"));
    helpButton_->setAutoDefault(false);
    for (QPushButton* b : {cancel_, save_, helpButton_}) {
        b->setFixedSize(95, 25);
        buttonLayout->addWidget(b);
    }
    buttonLayout->addStretch(1);
    connect(cancel_, &QPushButton::clicked, this, &PreferencesWindow::cancel);
    connect(save_, &QPushButton::clicked, this, &PreferencesWindow::saveAndClose);
    connect(helpButton_, &QPushButton::clicked, this, &PreferencesWindow::showHelp);

    auto* choices = new QGridLayout;
    choices->addWidget(header, 0, 0);
    choices->addWidget(drivers, 0, 1);
    choices->addWidget(distance, 1, 0);
    choices->addWidget(speed, 1, 1);
    choices->addWidget(program, 2, 0, 1, 2);
    choices->addWidget(colourGroup_, 3, 0, 1, 2);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(choices, 1);
    layout->addWidget(buttons);

    setClientSize(kClientWidth, kClientHeight);
}

void PreferencesWindow::setClientSize(int width, int height) { setFixedSize(width, height); }

void PreferencesWindow::showEvent(QShowEvent* event) {
    restoreWindowPlacement(*this, context_, "FORM3", Geometry{8, 8, 0, 0}, false);
    setWindowTitle(QString::fromLatin1(preferences_text::kCaption));
    saved_ = false;
    const Settings defaults;
    model_.open(context_.settings ? *context_.settings : defaults);
    refresh();
    hideHelp();
    QDialog::showEvent(event);
}

// ---------------------------------------------------------------- the model's state on screen

void PreferencesWindow::refresh() {
    auto radio = [this](int n) { return radios_[static_cast<size_t>(n - 1)]; };
    const QSignalBlocker blockSliders0(sliders_[0]), blockSliders1(sliders_[1]), blockSliders2(sliders_[2]);
    for (int i = 0; i < kPrefCheckCount; ++i)
        checks_[static_cast<size_t>(i)]->setChecked(model_.checked(static_cast<PrefCheck>(i + 1)));
    for (PrefRadio choice : {model_.distance(), model_.speed(), model_.toolButtons(), model_.font()})
        radio(static_cast<int>(choice))->setChecked(true);

    const bool colourEnabled = model_.colourControlsEnabled();
    for (int i = 0; i < kColourCount; ++i) {
        QRadioButton* target = radio(9 + i);
        target->setEnabled(colourEnabled);
        if (i == model_.colourTarget()) target->setChecked(true);
        QFrame* panel = colourPanels_[static_cast<size_t>(i)];
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, toQColor(model_.panelColour(i)));
        panel->setPalette(palette);
    }
    const RGB rgb = model_.sliders();
    sliders_[0]->setValue(rgb.r);
    sliders_[1]->setValue(rgb.g);
    sliders_[2]->setValue(rgb.b);
    for (QSlider* slider : sliders_) slider->setEnabled(colourEnabled);
    save_->setEnabled(model_.saveEnabled());
}

void PreferencesWindow::saveAndClose() {
    if (context_.settings) model_.saveAndClose(*context_.settings);
    saved_ = true;
    done(QDialog::Accepted);
}

bool PreferencesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < kColourCount; ++i) {
            if (watched == colourPanels_[static_cast<size_t>(i)]) {
                model_.selectColourTarget(i);
                refresh();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------- closing

void PreferencesWindow::cancel() {
    if (context_.boxes) {
        if (!model_.cancel(*context_.boxes)) return;
    } else {
        model_.closeBox();
    }
    done(QDialog::Rejected);
}

void PreferencesWindow::showHelp() {
    model_.showHelp();
    if (!help_) return;
    help_->show();
    // The help belongs to this window while it is open, so this window's modality does
    // not block it.
    if (QWindow* helpWindow = help_->windowHandle()) helpWindow->setTransientParent(windowHandle());
    help_->raise();
    help_->activateWindow();
}

void PreferencesWindow::hideHelp() {
    if (help_ && help_->isVisible()) help_->hide();
}

void PreferencesWindow::keyPressEvent(QKeyEvent* event) {
    // Escape answers Cancel, with its question.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cancel();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PreferencesWindow::done(int result) {
    // Every way of closing stores the place and size; only Save & Close the choices.
    if (isVisible()) saveWindowPlacement(*this, context_, "FORM3", true);
    if (model_.isOpen()) model_.closeBox(); // the title-bar close box: nothing saved
    hideHelp();
    QDialog::done(result);
}

} // namespace velmora::gui
