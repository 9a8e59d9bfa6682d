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
#include <QSlider>
#include <QVBoxLayout>

#include "platform/Fonts.h"
#include "platform/WindowPlacement.h"

namespace velmora::gui {

namespace {

constexpr int kClientWidth = 635;
constexpr int kClientHeight = 815;
const char* const kUnsavedQuestion =
    "Changes have been made and not saved.\n\nClose Preferences anyway and loose changes?";

// Check box n (1-based): caption and OptionsString position.
struct CheckInfo {
    const char* caption;
    int position;
};
constexpr std::array<CheckInfo, 10> kChecks = {{
    {"Show Day of Week", 1},
    {"Show Venue", 2},
    {"Show Circuit", 3},
    {"Show Race Comment", 8},
    {"Show Winning Driver(s)", 9},
    {"Show Second Place Driver(s)", 10},
    {"Show Third Place Drivers", 11},
    {"Show Car Engines", 12},
    {"Coloured Text", 17}, // inverted: checked stores '0'
    {"Show Opening Splash Screen", 21},
}};

constexpr std::array<const char*, 19> kRadioCaptions = {
    "In Miles", "In Kilometres", "Both miles and kilometres", "Do not display Race Distance",
    "In Miles Per Hour", "In Kilometres per Hour", "Both MPH and KPH", "Do not display Race Speed",
    "Search Results Window", "Driver Win List Window", "Team Win List Window", "Engine Win List Window",
    "Driver Championship Window", "Team Championship Window", "Engine Championship Window",
    "Large Tool Buttons", "Small Tool Buttons", "Font Courier New 10pt", "Font Arial 10pt",
};

QString name(const char* stem, int n) { return QStringLiteral("%1%2").arg(QLatin1String(stem)).arg(n); }

} // namespace

PreferencesWindow::PreferencesWindow(AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      context_(context) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("Preferences"));
    // Modal to the main window only, so the preferences help beside it stays usable.
    setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);

    for (int i = 0; i < 10; ++i) {
        checks_[static_cast<size_t>(i)] = new QCheckBox(QString::fromLatin1(kChecks[static_cast<size_t>(i)].caption));
        checks_[static_cast<size_t>(i)]->setObjectName(name("CheckBox", i + 1));
    }
    for (int i = 0; i < 19; ++i) {
        radios_[static_cast<size_t>(i)] = new QRadioButton(QString::fromLatin1(kRadioCaptions[static_cast<size_t>(i)]));
        radios_[static_cast<size_t>(i)]->setObjectName(name("RadioButton", i + 1));
    }
    auto check = [this](int n) { return checks_[static_cast<size_t>(n - 1)]; };
    auto radio = [this](int n) { return radios_[static_cast<size_t>(n - 1)]; };

    auto column = [](QGroupBox* box, std::initializer_list<QWidget*> widgets) {
        auto* layout = new QVBoxLayout(box);
        for (QWidget* w : widgets) layout->addWidget(w);
        layout->addStretch(1);
    };

    auto* header = new QGroupBox(QStringLiteral("Header && Footer Data"));
    header->setObjectName(QStringLiteral("GroupBox1"));
    column(header, {check(1), check(2), check(3), check(4)});
    auto* drivers = new QGroupBox(QStringLiteral("Drivers && Engines"));
    drivers->setObjectName(QStringLiteral("GroupBox2"));
    column(drivers, {check(5), check(6), check(7), check(8)});
    auto* distance = new QGroupBox(QStringLiteral("Race Distance"));
    distance->setObjectName(QStringLiteral("GroupBox3"));
    column(distance, {radio(1), radio(2), radio(3), radio(4)});
    auto* speed = new QGroupBox(QStringLiteral("Winning Race Speed"));
    speed->setObjectName(QStringLiteral("GroupBox4"));
    column(speed, {radio(5), radio(6), radio(7), radio(8)});

    // "Program": the tool-button size and the font each in a borderless panel of its own.
    auto* program = new QGroupBox(QStringLiteral("Program"));
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
    colourGroup_ = new QGroupBox(QStringLiteral("Colours (if check box checked in \"Program\" panel"));
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
        connect(target, &QRadioButton::clicked, this, [this, i] { selectTarget(i); });
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
        connect(slider, &QSlider::valueChanged, this, &PreferencesWindow::sliderMoved);
    }
    colourLayout->addLayout(sliderBox, 7, 0, 1, 2);

    // Every click on a choice counts as a change, also one that leaves the value as it was.
    for (QCheckBox* box : checks_) connect(box, &QCheckBox::clicked, this, &PreferencesWindow::choiceClicked);
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 16, 17, 18, 19})
        connect(radio(n), &QRadioButton::clicked, this, &PreferencesWindow::choiceClicked);

    // The right-hand panel.
    auto* buttons = new QFrame;
    buttons->setObjectName(QStringLiteral("Panel1"));
    auto* buttonLayout = new QVBoxLayout(buttons);
    cancel_ = new QPushButton(QStringLiteral("Cancel"));
    cancel_->setObjectName(QStringLiteral("Button1"));
    cancel_->setAutoDefault(false);
    save_ = new QPushButton(QStringLiteral("Save && Close"));
    save_->setObjectName(QStringLiteral("Button2"));
    save_->setDefault(true);
    helpButton_ = new QPushButton(QStringLiteral("Help"));
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
    setWindowTitle(QStringLiteral("Preferences"));
    saved_ = false;
    load();
    QDialog::showEvent(event);
}

// ---------------------------------------------------------------- binding to the settings
// The choices are read from and written to the in-memory OptionsString and colours.

void PreferencesWindow::load() {
    const Settings defaults;
    const Settings& s = context_.settings ? *context_.settings : defaults;
    auto on = [&s](int position) { return s.option(position); };
    auto radio = [this](int n) { return radios_[static_cast<size_t>(n - 1)]; };

    loading_ = true;
    for (size_t i = 0; i < checks_.size(); ++i) {
        const int position = kChecks[i].position;
        checks_[i]->setChecked(position == 17 ? !on(17) : on(position));
    }
    // Each four-way group: miles / kilometres / both / neither.
    auto fourWay = [&](int first, int p1, int p2) {
        const bool a = on(p1), b = on(p2);
        const int pick = a && b ? 2 : a ? 0 : b ? 1 : 3;
        radio(first + pick)->setChecked(true);
    };
    fourWay(1, 4, 5);
    fourWay(5, 6, 7);
    radio(on(16) ? 17 : 16)->setChecked(true);
    radio(on(15) ? 18 : 19)->setChecked(true);

    radio(9)->setChecked(true);
    for (int i = 0; i < 7; ++i) paintPanel(i, s.colours[static_cast<size_t>(i)]);
    loading_ = false;

    selectTarget(0);
    // The colour controls follow "Coloured Text" from the first moment on.
    applyColourRule();
    changed_ = false;
    save_->setEnabled(false);
    hideHelp();
}

void PreferencesWindow::saveAndClose() {
    if (context_.settings) {
        Settings& s = *context_.settings;
        auto radio = [this](int n) { return radios_[static_cast<size_t>(n - 1)]; };
        for (size_t i = 0; i < checks_.size(); ++i) {
            const int position = kChecks[i].position;
            const bool checked = checks_[i]->isChecked();
            s.setOption(position, position == 17 ? !checked : checked);
        }
        auto fourWay = [&](int first, int p1, int p2) {
            s.setOption(p1, radio(first)->isChecked());
            s.setOption(p2, radio(first + 1)->isChecked());
            if (radio(first + 2)->isChecked()) {
                s.setOption(p1, true);
                s.setOption(p2, true);
            }
            if (radio(first + 3)->isChecked()) {
                s.setOption(p1, false);
                s.setOption(p2, false);
            }
        };
        fourWay(1, 4, 5);
        fourWay(5, 6, 7);
        s.setOption(16, !radio(16)->isChecked());
        s.setOption(15, radio(18)->isChecked());
        for (size_t i = 0; i < panelColours_.size(); ++i) s.colours[i] = panelColours_[i];
    }
    changed_ = false;
    saved_ = true;
    done(QDialog::Accepted);
}

// ---------------------------------------------------------------- the controls

void PreferencesWindow::markChanged() {
    changed_ = true;
    save_->setEnabled(true);
}

void PreferencesWindow::applyColourRule() {
    const bool coloured = checks_[8]->isChecked();
    for (int i = 8; i < 15; ++i) radios_[static_cast<size_t>(i)]->setEnabled(coloured);
    for (QSlider* slider : sliders_) slider->setEnabled(coloured);
}

void PreferencesWindow::choiceClicked() {
    markChanged();
    applyColourRule();
}

void PreferencesWindow::paintPanel(int index, std::uint32_t colour) {
    panelColours_[static_cast<size_t>(index)] = colour;
    QFrame* panel = colourPanels_[static_cast<size_t>(index)];
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    panel->setPalette(palette);
}

void PreferencesWindow::selectTarget(int index) {
    radios_[static_cast<size_t>(8 + index)]->setChecked(true);
    const std::uint32_t colour = panelColours_[static_cast<size_t>(index)];
    const int blue = static_cast<int>(colour / 65536);
    const int green = static_cast<int>((colour - static_cast<std::uint32_t>(blue) * 65536) / 256);
    const int red = static_cast<int>(colour % 256);
    // Each slider that moves repaints the target; it ends showing its own colour.
    sliders_[0]->setValue(red);
    sliders_[1]->setValue(green);
    sliders_[2]->setValue(blue);
}

void PreferencesWindow::sliderMoved() {
    if (loading_) return;
    const std::uint32_t colour = static_cast<std::uint32_t>(sliders_[2]->value()) * 65536u +
                                 static_cast<std::uint32_t>(sliders_[1]->value()) * 256u +
                                 static_cast<std::uint32_t>(sliders_[0]->value());
    for (int i = 0; i < 7; ++i)
        if (radios_[static_cast<size_t>(8 + i)]->isChecked()) paintPanel(i, colour);
    markChanged();
}

bool PreferencesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < 7; ++i) {
            if (watched == colourPanels_[static_cast<size_t>(i)]) {
                if (radios_[static_cast<size_t>(8 + i)]->isEnabled()) selectTarget(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------- closing

void PreferencesWindow::cancel() {
    if (changed_ && context_.boxes &&
        context_.boxes->show(MessageKind::Warning, kUnsavedQuestion, Buttons::YesNo) != Button::Yes)
        return;
    changed_ = false;
    done(QDialog::Rejected);
}

void PreferencesWindow::showHelp() {
    if (!help_) return;
    help_->show();
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
    hideHelp();
    QDialog::done(result);
}

} // namespace velmora::gui
