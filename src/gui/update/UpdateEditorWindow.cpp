#include "update/UpdateEditorWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include "data/Database.h"
#include "platform/Fonts.h"
#include "platform/QtPlatform.h"
#include "platform/WindowPlacement.h"
#include "update/UpdateEditor.h"

namespace velmora::gui {

namespace {

constexpr const char* kSection = "FORM10";
constexpr int kSpinNumbers[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 15, 16};

// The standard dialog font: "MS Sans Serif" with 11-pixel characters, or a sans serif
// like it where that family is missing.
QFont dialogFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

std::string nameOf(const char* kind, int n) { return kind + std::to_string(n); }

QPushButton* makeButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedSize(75, 25);
    // Enter in an input must not press a button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QToolButton* makeArrow(int n, Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromStdString(nameOf("SpeedButton", n)));
    button->setArrowType(arrow);
    button->setAutoRaise(false);
    button->setFixedSize(23, 22);
    return button;
}

} // namespace

UpdateEditorWindow::UpdateEditorWindow(AppContext& context, FileSystem& files, QWidget* parent)
    : QDialog(parent), context_(context), files_(files) {
    setObjectName(QStringLiteral("TForm10"));
    setWindowTitle(QStringLiteral("Velmora : Update Database"));
    setFont(dialogFont());
    setModal(true);

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(8, 8, 0, 8);
    outer->setSpacing(8);

    auto* sections = new QVBoxLayout;
    sections->setSpacing(8);
    auto* raceGroup = new QGroupBox(QStringLiteral("Race Data"), this);
    raceGroup->setObjectName(QStringLiteral("GroupBox1"));
    raceGroup->setMinimumSize(1033, 377);
    auto* champGroup = new QGroupBox(QStringLiteral("Championship Data"), this);
    champGroup->setObjectName(QStringLiteral("GroupBox2"));
    champGroup->setMinimumSize(1033, 345);
    buildRaceGroup(raceGroup);
    buildChampionshipGroup(champGroup);
    sections->addWidget(raceGroup);
    sections->addWidget(champGroup);
    sections->addStretch(1);
    outer->addLayout(sections, 1);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedWidth(97);
    auto* buttons = new QVBoxLayout(panel);
    buttons->setContentsMargins(11, 0, 11, 0);
    buttons->setSpacing(8);
    button1_ = makeButton("Button1", "Cancel", panel);
    button2_ = makeButton("Button2", "Save", panel);
    button4_ = makeButton("Button4", "Delete", panel);
    button3_ = makeButton("Button3", "Help", panel);
    for (QPushButton* b : {button1_, button2_, button4_, button3_}) buttons->addWidget(b);
    buttons->addStretch(1);
    outer->addWidget(panel);

    connect(button1_, &QPushButton::clicked, this, &UpdateEditorWindow::cancel);
    connect(button2_, &QPushButton::clicked, this, [this] { press("Button2"); });
    connect(button4_, &QPushButton::clicked, this, [this] { press("Button4"); });
    connect(button3_, &QPushButton::clicked, this, &UpdateEditorWindow::showHelp);
    for (int n = 1; n <= 4; ++n) {
        const std::string name = nameOf("SpeedButton", n);
        connect(speedButtons_[static_cast<size_t>(n)], &QToolButton::clicked, this,
                [this, name] { press(name.c_str()); });
    }

    button2_->setEnabled(false);
    button4_->setEnabled(false);
    resize(1149, 765);
}

UpdateEditorWindow::~UpdateEditorWindow() = default;

// ---------------------------------------------------------------- building

QLabel* UpdateEditorWindow::caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    // Label1 and Label40 are the mode labels; the captions take the other numbers.
    if (++labelCount_ == 40) ++labelCount_;
    label->setObjectName(QString::fromStdString(nameOf("Label", labelCount_)));
    return label;
}

QComboBox* UpdateEditorWindow::makeCombo(int n, QWidget* parent) {
    auto* box = new QComboBox(parent);
    const std::string name = nameOf("ComboBox", n);
    box->setObjectName(QString::fromStdString(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert); // the lists are the start-up's
    box->setMaxVisibleItems(20);
    box->setMinimumContentsLength(18);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(box, &QComboBox::editTextChanged, this, [this, name](const QString& text) {
        if (refreshing_ || !editor_) return;
        editor_->setText(name, ss(text));
        refresh();
    });
    combos_[static_cast<size_t>(n)] = box;
    return box;
}

QSpinBox* UpdateEditorWindow::makeSpin(int n, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    const std::string name = nameOf("SpinEdit", n);
    box->setObjectName(QString::fromStdString(name));
    box->setRange(-UpdateEditor::kNoLimit, UpdateEditor::kNoLimit);
    box->setValue(0);
    box->setMinimumWidth(60);
    connect(box, &QSpinBox::valueChanged, this, [this, name](int value) {
        if (refreshing_ || !editor_) return;
        editor_->setValue(name, value);
        refresh();
    });
    spins_[static_cast<size_t>(n)] = box;
    return box;
}

QLineEdit* UpdateEditorWindow::makeEdit(int n, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    const std::string name = nameOf("Edit", n);
    box->setObjectName(QString::fromStdString(name));
    connect(box, &QLineEdit::textChanged, this, [this, name](const QString& text) {
        if (refreshing_ || !editor_) return;
        editor_->setText(name, ss(text));
        refresh();
    });
    edits_[static_cast<size_t>(n)] = box;
    return box;
}

void UpdateEditorWindow::buildRaceGroup(QWidget* group) {
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(8);

    // The section's check box, the arrows and the mode label.
    auto* top = new QHBoxLayout;
    checkBox1_ = new QCheckBox(QStringLiteral("Check this box if you are updating race data"), group);
    checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
    top->addWidget(checkBox1_);
    top->addSpacing(40);
    top->addWidget(caption(QStringLiteral("Move through Race Details using these buttons:"), group));
    speedButtons_[1] = makeArrow(1, Qt::UpArrow, group);
    speedButtons_[2] = makeArrow(2, Qt::DownArrow, group);
    top->addWidget(speedButtons_[1]);
    top->addWidget(speedButtons_[2]);
    top->addSpacing(12);
    label1_ = new QLabel(group);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setMinimumWidth(140);
    top->addWidget(label1_);
    top->addStretch(1);
    layout->addLayout(top);

    auto* body = new QHBoxLayout;
    body->setSpacing(16);

    // Date, venue, circuit, distance and race time.
    auto* left = new QGridLayout;
    left->setVerticalSpacing(2);
    left->setHorizontalSpacing(6);
    left->addWidget(caption(QStringLiteral("Day"), group), 0, 0);
    left->addWidget(caption(QStringLiteral("Mon"), group), 0, 1);
    left->addWidget(caption(QStringLiteral("Yr"), group), 0, 2);
    left->addWidget(makeSpin(2, group), 1, 0);
    left->addWidget(makeSpin(3, group), 1, 1);
    left->addWidget(makeSpin(4, group), 1, 2);
    left->addWidget(caption(QStringLiteral("Venue"), group), 2, 0, 1, 3);
    left->addWidget(makeCombo(10, group), 3, 0, 1, 3);
    left->addWidget(caption(QStringLiteral("Circuit"), group), 4, 0, 1, 3);
    left->addWidget(makeCombo(11, group), 5, 0, 1, 3);
    left->addWidget(caption(QStringLiteral("Distance Miles"), group), 6, 0, 1, 3);
    left->addWidget(makeEdit(1, group), 7, 0, 1, 3);
    left->addWidget(caption(QStringLiteral("Race Time"), group), 8, 0, 1, 3);
    auto* time = new QHBoxLayout;
    time->setSpacing(4);
    time->addWidget(caption(QStringLiteral("H"), group));
    time->addWidget(makeSpin(15, group));
    time->addWidget(caption(QStringLiteral("M"), group));
    time->addWidget(makeSpin(16, group));
    time->addWidget(caption(QStringLiteral("S"), group));
    QLineEdit* seconds = makeEdit(5, group);
    seconds->setMaximumWidth(70);
    time->addWidget(seconds);
    left->addLayout(time, 9, 0, 1, 3);
    // The race's speed travels with the record but is not shown.
    QLineEdit* speed = makeEdit(2, group);
    speed->setVisible(false);
    left->setRowStretch(10, 1);
    body->addLayout(left);

    // The three places: driver, team, engine and the two shared-drive drivers.
    struct Place {
        const char* captions[5];
        int boxes[5];
    };
    const Place places[] = {
        {{"Win Driver (1)", "Team", "Engine", "Win Driver 2", "Win Driver 3"}, {1, 12, 13, 2, 3}},
        {{"Second Driver", "Team", "Engine", "Second Driver (2)", "Second Driver (3)"}, {4, 14, 15, 5, 6}},
        {{"Third Driver", "Team", "Engine", "Third Driver (2)", "Third Driver (3)"}, {7, 16, 17, 8, 9}},
    };
    for (const Place& place : places) {
        auto* column = new QVBoxLayout;
        column->setSpacing(2);
        for (int row = 0; row < 5; ++row) {
            column->addWidget(caption(QString::fromLatin1(place.captions[row]), group));
            column->addWidget(makeCombo(place.boxes[row], group));
        }
        column->addStretch(1);
        body->addLayout(column, 1);
    }
    layout->addLayout(body, 1);

    // The comment, without a caption.
    memo1_ = new QPlainTextEdit(group);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setFixedSize(977, 57);
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1_->setTabChangesFocus(true);
    layout->addWidget(memo1_);

    connect(memo1_, &QPlainTextEdit::textChanged, this, [this] {
        if (refreshing_ || !editor_) return;
        editor_->setText("Memo1", ss(memo1_->toPlainText()));
        refresh();
    });
    connect(checkBox1_, &QCheckBox::toggled, this, [this](bool on) {
        if (refreshing_ || !editor_) return;
        editor_->setChecked("CheckBox1", on);
        refresh();
    });
}

void UpdateEditorWindow::buildChampionshipGroup(QWidget* group) {
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(8);

    auto* top = new QHBoxLayout;
    checkBox2_ = new QCheckBox(QStringLiteral("Check this box if you are updating Championship Data"), group);
    checkBox2_->setObjectName(QStringLiteral("CheckBox2"));
    top->addWidget(checkBox2_);
    top->addSpacing(40);
    top->addWidget(caption(QStringLiteral("Move through Championship Details using these buttons:"), group));
    speedButtons_[3] = makeArrow(3, Qt::UpArrow, group);
    speedButtons_[4] = makeArrow(4, Qt::DownArrow, group);
    top->addWidget(speedButtons_[3]);
    top->addWidget(speedButtons_[4]);
    top->addSpacing(12);
    label40_ = new QLabel(group);
    label40_->setObjectName(QStringLiteral("Label40"));
    label40_->setMinimumWidth(160);
    top->addWidget(label40_);
    top->addStretch(1);
    layout->addLayout(top);

    // One row of the two championship boxes: a caption and its input.
    auto row = [this](QGridLayout* grid, int r, const char* text, QWidget* input, QWidget* parent) {
        grid->addWidget(caption(QString::fromLatin1(text), parent), r, 0);
        grid->addWidget(input, r, 1);
    };

    auto* sides = new QHBoxLayout;
    sides->setSpacing(16);
    auto* drivers = new QGroupBox(QStringLiteral("Driver Championship"), group);
    drivers->setObjectName(QStringLiteral("GroupBox3"));
    auto* dGrid = new QGridLayout(drivers);
    row(dGrid, 0, "Season Year", makeSpin(1, drivers), drivers);
    row(dGrid, 1, "Number of Races in Season", makeSpin(6, drivers), drivers);
    row(dGrid, 2, "Drivers Name", makeCombo(18, drivers), drivers);
    row(dGrid, 3, "Team and Engine", makeEdit(4, drivers), drivers);
    row(dGrid, 4, "Number of Race Wins", makeSpin(7, drivers), drivers);
    row(dGrid, 5, "Number of Points", makeSpin(8, drivers), drivers);
    dGrid->setRowStretch(6, 1);
    dGrid->setColumnStretch(1, 1);

    auto* teams = new QGroupBox(QStringLiteral("Constructor Championship"), group);
    teams->setObjectName(QStringLiteral("GroupBox4"));
    auto* tGrid = new QGridLayout(teams);
    row(tGrid, 0, "Season Year", makeSpin(5, teams), teams);
    row(tGrid, 1, "Number of Races in Season", makeSpin(9, teams), teams);
    row(tGrid, 2, "Team and Engine", makeEdit(3, teams), teams);
    row(tGrid, 3, "Number of Race Wins", makeSpin(10, teams), teams);
    row(tGrid, 4, "Number of Points", makeSpin(11, teams), teams);
    tGrid->setRowStretch(5, 1);
    tGrid->setColumnStretch(1, 1);

    sides->addWidget(drivers, 1);
    sides->addWidget(teams, 1);
    layout->addLayout(sides, 1);

    connect(checkBox2_, &QCheckBox::toggled, this, [this](bool on) {
        if (refreshing_ || !editor_) return;
        editor_->setChecked("CheckBox2", on);
        refresh();
    });
}

// ---------------------------------------------------------------- opening and closing

int UpdateEditorWindow::openModal() { return exec(); }

void UpdateEditorWindow::showEvent(QShowEvent* event) {
    restoreWindowPlacement(*this, context_, kSection, Geometry{8, 8, 0, 0}, false);
    applyMemoStyle();
    openEditor();
    QDialog::showEvent(event);
}

void UpdateEditorWindow::applyMemoStyle() {
    if (!context_.settings) return;
    const CommentMemoStyle style = commentMemoStyle(*context_.settings);
    memo1_->setFont(printFont(qs(style.family), style.pointSize));
    QPalette palette = memo1_->palette();
    palette.setColor(QPalette::Base, toQColor(style.background));
    palette.setColor(QPalette::Text, toQColor(style.text));
    memo1_->setPalette(palette);
}

void UpdateEditorWindow::openEditor() {
    const Database* db = databaseSource_ ? databaseSource_() : nullptr;
    if (db && (db != database_ || !editor_)) {
        const std::string dir = context_.settings ? context_.settings->programDir : std::string();
        editor_ = std::make_unique<UpdateEditor>(*db, files_, *context_.boxes, dir);
        database_ = db;
        for (auto& items : shownItems_) items.clear();
    }
    // Without the start-up's data there is nothing to edit.
    for (QWidget* w : {static_cast<QWidget*>(button2_), static_cast<QWidget*>(button4_)}) w->setEnabled(false);
    findChild<QWidget*>(QStringLiteral("GroupBox1"))->setEnabled(editor_ != nullptr);
    findChild<QWidget*>(QStringLiteral("GroupBox2"))->setEnabled(editor_ != nullptr);
    if (!editor_) return;
    editor_->open();
    refresh();
}

void UpdateEditorWindow::keyPressEvent(QKeyEvent* event) {
    // Escape is Cancel.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cancel();
        return;
    }
    QDialog::keyPressEvent(event);
}

void UpdateEditorWindow::cancel() {
    if (!press("Button1")) return;
    if (help_ && help_->isVisible()) help_->close();
    done(QDialog::Rejected);
}

void UpdateEditorWindow::reject() {
    // Closing by the close box must not lose what was typed without a word either.
    if (!press("Button1")) return;
    QDialog::reject();
}

void UpdateEditorWindow::done(int result) {
    if (isVisible()) saveWindowPlacement(*this, context_, kSection, false);
    restoreHelpOwner();
    QDialog::done(result);
}

void UpdateEditorWindow::showHelp() {
    if (!help_) return;
    help_->show();
    help_->raise();
    help_->activateWindow();
    // This window is modal; the help window stays usable beside it while it counts as
    // this window's own.
    QWindow* helpWindow = help_->windowHandle();
    QWindow* own = windowHandle();
    if (helpWindow && own && helpWindow->transientParent() != own) {
        if (!helpLent_) helpOwner_ = helpWindow->transientParent();
        helpLent_ = true;
        helpWindow->setTransientParent(own);
    }
}

void UpdateEditorWindow::restoreHelpOwner() {
    if (!helpLent_) return;
    helpLent_ = false;
    if (help_ && help_->windowHandle()) help_->windowHandle()->setTransientParent(helpOwner_);
    helpOwner_ = nullptr;
}

// ---------------------------------------------------------------- the editor's state

bool UpdateEditorWindow::press(const char* control) {
    if (!editor_) return std::string(control) == "Button1";
    const bool close = editor_->click(control);
    refresh();
    return close;
}

void UpdateEditorWindow::refresh() {
    if (!editor_) return;
    const UpdateEditor& e = *editor_;
    refreshing_ = true;

    for (int n = 1; n <= 18; ++n) {
        QComboBox* box = combos_[static_cast<size_t>(n)];
        const std::string name = nameOf("ComboBox", n);
        const std::vector<std::string>& items = e.items(name);
        const QString text = qs(e.text(name));
        if (shownItems_[static_cast<size_t>(n)] != items) {
            QStringList list;
            list.reserve(static_cast<qsizetype>(items.size()));
            for (const std::string& item : items) list << qs(item);
            box->clear();
            box->addItems(list);
            box->setCurrentIndex(-1);
            box->setEditText(text);
            shownItems_[static_cast<size_t>(n)] = items;
        }
        if (box->currentText() != text) box->setEditText(text);
    }
    for (int n : kSpinNumbers) {
        QSpinBox* box = spins_[static_cast<size_t>(n)];
        const std::string name = nameOf("SpinEdit", n);
        const int low = e.minimum(name), high = e.maximum(name);
        if (box->minimum() != low || box->maximum() != high) box->setRange(low, high);
        if (box->value() != e.value(name)) box->setValue(e.value(name));
    }
    for (int n = 1; n <= 5; ++n) {
        QLineEdit* box = edits_[static_cast<size_t>(n)];
        const QString text = qs(e.text(nameOf("Edit", n)));
        if (box->text() != text) box->setText(text);
    }
    const QString memo = qs(e.text("Memo1"));
    if (memo1_->toPlainText() != memo) memo1_->setPlainText(memo);
    checkBox1_->setChecked(e.checked("CheckBox1"));
    checkBox2_->setChecked(e.checked("CheckBox2"));
    label1_->setText(qs(e.text("Label1")));
    label40_->setText(qs(e.text("Label40")));
    button2_->setEnabled(e.enabled("Button2"));
    button4_->setEnabled(e.enabled("Button4"));

    refreshing_ = false;
}

} // namespace velmora::gui
