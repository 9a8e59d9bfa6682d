#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QSplitter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdio>

#include "platform/Fonts.h"
#include "platform/QtPlatform.h"
#include "resources/Artwork.h"
#include "ui/MainWindowBinding.h"

namespace velmora::gui {

namespace {

// One tool button: its number (ToolButtonN), hint, picture; number 0 is a separator.
struct ToolSpec {
    int number;
    const char* hint;
    ToolIcon icon;
};

constexpr ToolSpec kSep{0, nullptr, ToolIcon::Help};

const ToolSpec kSmallTools[] = {
    {1, "Quit the program", ToolIcon::Quit},
    kSep,
    {29, "Print View Screen", ToolIcon::Print},
    {31, "Adjust Program Settings", ToolIcon::Preferences},
    {61, "Update the Database", ToolIcon::Update},
    kSep,
    {4, "Display Driver Wins Only", ToolIcon::DriverWins},
    {3, "Display all Driver Podiums", ToolIcon::DriverPodiums},
    {5, "Display Driver Career", ToolIcon::Career},
    kSep,
    {7, "Display Team Wins Only", ToolIcon::TeamWins},
    {8, "Display all Team Podiums", ToolIcon::TeamPodiums},
    {9, "Display all Team 1-2 Results", ToolIcon::Team12},
    {10, "Display all Team 1-2-3 Results", ToolIcon::Team123},
    kSep,
    {12, "Display Engine Wins Only", ToolIcon::EngineWins},
    {13, "Display all Engine Podiums", ToolIcon::EnginePodiums},
    {14, "Display all Engine 1-2 Results", ToolIcon::Engine12},
    {15, "Display all Engine 1-2-3 Results", ToolIcon::Engine123},
    kSep,
    {17, "Display Circuit Results", ToolIcon::Circuit},
    {19, "Display Venue Results", ToolIcon::Venue},
    {21, "Display Season Results", ToolIcon::Season},
    kSep,
    {23, "Display All Race Results", ToolIcon::AllRaces},
    {24, "Display Special Race Results", ToolIcon::Specials},
    {25, "Display Race Win Tables", ToolIcon::WinTables},
    {26, "Display Championship Tables", ToolIcon::ChampionshipTables},
    kSep,
    {28, "Display Help screen", ToolIcon::Help},
    kSep,
    kSep,
};

const ToolSpec kLargeTools[] = {
    {32, "Quit the program", ToolIcon::Quit},
    kSep,
    {34, "Print View Screen", ToolIcon::Print},
    {35, "Adjust Program Settings", ToolIcon::Preferences},
    {62, "Update the Database", ToolIcon::Update},
    kSep,
    {37, "Display Driver Wins Only", ToolIcon::DriverWins},
    {38, "Display all Driver Podiums", ToolIcon::DriverPodiums},
    {39, "Display Driver Career", ToolIcon::Career},
    kSep,
    {41, "Display Team Wins Only", ToolIcon::TeamWins},
    {42, "Display all Team Podiums", ToolIcon::TeamPodiums},
    {43, "Display all Team 1-2 Results", ToolIcon::Team12},
    {44, "Display all Team 1-2-3 Results", ToolIcon::Team123},
    kSep,
    {46, "Display Engine Wins Only", ToolIcon::EngineWins},
    {47, "Display all Engine Podiums", ToolIcon::EnginePodiums},
    {48, "Display all Engine 1-2 Results", ToolIcon::Engine12},
    {49, "Display all Engine 1-2-3 Results", ToolIcon::Engine123},
    kSep,
    {51, "Display Circuit Results", ToolIcon::Circuit},
    {52, "Display Venue Results", ToolIcon::Venue},
    {53, "Display Season Results", ToolIcon::Season},
    {63, "Display Current Season Calendar", ToolIcon::Calendar},
    kSep,
    {55, "Display All Race Results", ToolIcon::AllRaces},
    {56, "Display Special Race Results", ToolIcon::Specials},
    {57, "Display Race Win Tables", ToolIcon::WinTables},
    {58, "Display Championship Tables", ToolIcon::ChampionshipTables},
    kSep,
    {60, "Display Help screen", ToolIcon::Help},
};

// The window's default font: "MS Sans Serif" 8 points, or a sans serif like it.
QFont windowFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

void setBackground(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
}

void fillList(QListWidget* list, const std::vector<std::string>& rows) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const auto& row : rows) items << qs(row);
    list->setUpdatesEnabled(false);
    list->clear();
    list->addItems(items);
    list->setUpdatesEnabled(true);
}

QString joinLines(const std::vector<std::string>& lines) {
    std::string text;
    size_t size = 0;
    for (const auto& line : lines) size += line.size() + 1;
    text.reserve(size);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) text += '\n';
        text += lines[i];
    }
    return qs(text);
}

} // namespace

// ---------------------------------------------------------------- construction

MainWindow::MainWindow(const MainWindowServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    ensureArtwork();
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QString::fromLatin1(startup_text::kCaption));
    setFont(windowFont());

    buildMenus();
    buildToolBars();
    buildViewArea();
    buildControlPanel();
    buildPopupMenu();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("MainArea"));
    centralArea_ = central;
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(viewArea_, 1);
    row->addWidget(panel4_);
    setCentralWidget(central);

    resize(1370, 861);
    binding_ = std::make_unique<MainWindowBinding>(*this);
}

MainWindow::~MainWindow() = default;

void MainWindow::setWindows(const SecondaryWindows& windows) { windows_ = windows; }

QAction* MainWindow::addMenuItem(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut) {
    auto* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    const QString control = action->objectName();
    connect(action, &QAction::triggered, this, [this, control] { used(control); });
    return action;
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    addMenuItem(file, "MenuPrint", "&Print", QKeySequence(Qt::CTRL | Qt::Key_P));
    addMenuItem(file, "MenuPreferences", "Preferences", QKeySequence(Qt::CTRL | Qt::Key_T));
    file->addSeparator()->setObjectName(QStringLiteral("N1"));
    QAction* update = addMenuItem(file, "MenuUpdateDatabase", "&Update Database", QKeySequence(Qt::CTRL | Qt::Key_D));
    update->setVisible(false);
    QAction* hiddenRule = file->addSeparator();
    hiddenRule->setObjectName(QStringLiteral("N2"));
    hiddenRule->setVisible(false);
    addMenuItem(file, "MenuExit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q));
    // A hidden menu item's shortcut does not fire in Qt; the update editor stays
    // reachable through Ctrl+D all the same.
    auto* updateKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this);
    updateKey->setObjectName(QStringLiteral("UpdateDatabaseShortcut"));
    connect(updateKey, &QShortcut::activated, this, [this] { used(QStringLiteral("MenuUpdateDatabase")); });

    QMenu* search = bar->addMenu(QStringLiteral("&Search"));
    search->setObjectName(QStringLiteral("SearchMenu"));
    addMenuItem(search, "MenuDriverWins", "Driver Wins");
    addMenuItem(search, "MenuDriverPodiums", "Driver Podiums");
    addMenuItem(search, "MenuDriverCareer", "Driver Career");
    search->addSeparator();
    addMenuItem(search, "MenuTeamWins", "Team Wins");
    addMenuItem(search, "MenuTeamPodiums", "Team Podiums");
    addMenuItem(search, "MenuTeam12", "Team 1-2");
    addMenuItem(search, "MenuTeam123", "Team 1-2-3");
    search->addSeparator();
    addMenuItem(search, "MenuEngineWins", "Engine Wins");
    addMenuItem(search, "MenuEnginePodiums", "Engine Podiums");
    addMenuItem(search, "MenuEngine12", "Engine 1-2");
    addMenuItem(search, "MenuEngine123", "Engine 1-2-3");
    search->addSeparator();
    addMenuItem(search, "MenuCircuits", "Circuits");
    addMenuItem(search, "MenuVenues", "Venues");
    addMenuItem(search, "MenuFirstSeason", "First Season");
    addMenuItem(search, "MenuLastSeason", "Last Season");
    search->addSeparator();
    addMenuItem(search, "MenuAllRaces", "All Championship Races");
    addMenuItem(search, "MenuSpecials", "Championship Specials");
    addMenuItem(search, "MenuRaceWinTables", "Race Win Tables");
    addMenuItem(search, "MenuChampionshipTables", "Championship Win Tables");
    search->addSeparator();
    addMenuItem(search, "MenuCalendar", "Current Season Calendar");

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    addMenuItem(help, "MenuHelp", "&Help", QKeySequence(Qt::Key_F1));
    addMenuItem(help, "MenuUpdates", "&Updates", QKeySequence(Qt::CTRL | Qt::Key_U));
    addMenuItem(help, "MenuContact", "Contact Me");
    help->addSeparator();
    addMenuItem(help, "MenuAbout", "&About", QKeySequence(Qt::CTRL | Qt::Key_A));
    help->addSeparator();
    addMenuItem(help, "MenuBugs", "&Bugs!", QKeySequence(Qt::CTRL | Qt::Key_B));
}

void MainWindow::buildToolBars() {
    auto build = [this](const char* name, const ToolSpec* specs, size_t count, int button, int picture) {
        auto* bar = new QToolBar(this);
        bar->setObjectName(QString::fromLatin1(name));
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->setIconSize(QSize(picture, picture));
        bar->setContextMenuPolicy(Qt::PreventContextMenu);
        // Indent of 8 pixels before the first button.
        bar->setContentsMargins(8, 0, 0, 0);
        bar->layout()->setSpacing(0);
        for (size_t i = 0; i < count; ++i) {
            const ToolSpec& spec = specs[i];
            if (spec.number == 0) {
                bar->addSeparator();
                continue;
            }
            auto* tool = new QToolButton(bar);
            const QString toolName = QStringLiteral("ToolButton%1").arg(spec.number);
            tool->setObjectName(toolName);
            tool->setToolTip(QString::fromLatin1(spec.hint));
            tool->setIcon(toolIcon(spec.icon));
            tool->setIconSize(QSize(picture, picture));
            tool->setFixedSize(button, button);
            tool->setAutoRaise(true);
            QAction* placed = bar->addWidget(tool);
            placed->setObjectName(toolName + QStringLiteral("Action"));
            // The update editor's buttons are present but never shown.
            if (spec.icon == ToolIcon::Update) placed->setVisible(false);
            connect(tool, &QToolButton::clicked, this, [this, toolName] { used(toolName); });
        }
        addToolBar(Qt::TopToolBarArea, bar);
        bar->hide();
        return bar;
    };
    toolBar1_ = build("ToolBar1", kSmallTools, std::size(kSmallTools), 28, 19);
    addToolBarBreak();
    toolBar2_ = build("ToolBar2", kLargeTools, std::size(kLargeTools), 49, 40);
}

QPushButton* MainWindow::addButton(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    if (hint) button->setToolTip(QString::fromLatin1(hint));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    const QString control = button->objectName();
    connect(button, &QPushButton::clicked, this, [this, control] { used(control); });
    return button;
}

QComboBox* MainWindow::addCombo(QWidget* parent, const char* name, bool editable) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxVisibleItems(12);
    box->setEditable(editable);
    if (editable) {
        // Typed text is never added to the list; the completer drops down while typing.
        box->setInsertPolicy(QComboBox::NoInsert);
        auto* completer = new QCompleter(box->model(), box);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setFilterMode(Qt::MatchStartsWith);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        completer->setMaxVisibleItems(12);
        box->setCompleter(completer);
    }
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(10);
    return box;
}

void MainWindow::buildControlPanel() {
    panel4_ = new QWidget(this);
    panel4_->setObjectName(QStringLiteral("Panel4"));
    panel4_->setFixedWidth(297);
    auto* column = new QVBoxLayout(panel4_);
    column->setContentsMargins(6, 4, 6, 6);
    column->setSpacing(4);

    auto group = [this, column](const char* name, const char* caption) {
        auto* box = new QGroupBox(QString::fromLatin1(caption), panel4_);
        box->setObjectName(QString::fromLatin1(name));
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(8, 4, 8, 6);
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(4);
        column->addWidget(box);
        return std::pair{box, grid};
    };

    {
        auto [box, grid] = group("GroupBox1", "Driver");
        combos_[0] = addCombo(box, "ComboBox1", true);
        grid->addWidget(combos_[0], 0, 0, 1, 3);
        grid->addWidget(addButton(box, "Button2", "Wins Only", "Display Driver Wins"), 1, 0);
        grid->addWidget(addButton(box, "Button3", "Podiums", "Display Driver Podiums"), 1, 1);
        grid->addWidget(addButton(box, "Button18", "Career", "Display Driver Career"), 1, 2);
    }
    {
        auto [box, grid] = group("GroupBox2", "Constructors");
        combos_[1] = addCombo(box, "ComboBox2", true);
        grid->addWidget(combos_[1], 0, 0, 1, 2);
        grid->addWidget(addButton(box, "Button4", "Wins Only", "Display Team Wins"), 1, 0);
        grid->addWidget(addButton(box, "Button5", "Podiums", "Display Team Podiums"), 1, 1);
        grid->addWidget(addButton(box, "Button12", "1-2 Places", "Display Team 1-2 Results"), 2, 0);
        grid->addWidget(addButton(box, "Button13", "1-2-3 Places", "Display Team 1-2-3 Results"), 2, 1);
    }
    {
        auto [box, grid] = group("GroupBox3", "Engines");
        combos_[2] = addCombo(box, "ComboBox3", true);
        grid->addWidget(combos_[2], 0, 0, 1, 2);
        grid->addWidget(addButton(box, "Button6", "Wins Only", "Display Engine Wins"), 1, 0);
        grid->addWidget(addButton(box, "Button7", "Podiums", "Display Engine Podiums"), 1, 1);
        grid->addWidget(addButton(box, "Button14", "1-2 PLaces", "Display Engine 1-2 Results"), 2, 0);
        grid->addWidget(addButton(box, "Button15", "1-2-3 Places", "Display Engine 1-2-3 Results"), 2, 1);
    }
    {
        auto [box, grid] = group("GroupBox4", "Circuits");
        combos_[3] = addCombo(box, "ComboBox4", true);
        grid->addWidget(combos_[3], 0, 0);
        grid->addWidget(addButton(box, "Button8", "Results", "Display All Circuit Results"), 0, 1);
        grid->setColumnStretch(0, 1);
    }
    {
        auto [box, grid] = group("GroupBox5", "Venues");
        combos_[4] = addCombo(box, "ComboBox5", true);
        grid->addWidget(combos_[4], 0, 0);
        grid->addWidget(addButton(box, "Button9", "Results", "Display All Venue Results"), 0, 1);
        grid->setColumnStretch(0, 1);
    }
    {
        auto [box, grid] = group("GroupBox6", "Season");
        combos_[5] = addCombo(box, "ComboBox6", false);
        grid->addWidget(combos_[5], 0, 0);
        // SpinButton1: an up arrow and a down arrow, one above the other.
        auto* spin = new QWidget(box);
        spin->setObjectName(QStringLiteral("SpinButton1"));
        auto* arrows = new QVBoxLayout(spin);
        arrows->setContentsMargins(0, 0, 0, 0);
        arrows->setSpacing(0);
        auto arrow = [this, spin, arrows](const char* name, Qt::ArrowType type, const char* tip) {
            auto* button = new QToolButton(spin);
            button->setObjectName(QString::fromLatin1(name));
            button->setArrowType(type);
            button->setFixedSize(22, 12);
            button->setToolTip(QString::fromLatin1(tip));
            arrows->addWidget(button);
            const QString control = button->objectName();
            connect(button, &QToolButton::clicked, this, [this, control] { used(control); });
        };
        arrow("SpinButton1Up", Qt::UpArrow, "Next season");
        arrow("SpinButton1Down", Qt::DownArrow, "Previous season");
        grid->addWidget(spin, 0, 1);
        grid->addWidget(addButton(box, "Button10", "Results", "Display All Season Results"), 0, 2);
        button21_ = addButton(box, "Button21", "First - ", "Display First Season Results");
        button22_ = addButton(box, "Button22", "Last -", "Display Last Season Results");
        auto* firstLast = new QHBoxLayout();
        firstLast->addWidget(button21_);
        firstLast->addWidget(button22_);
        grid->addLayout(firstLast, 1, 0, 1, 3);
        grid->setColumnStretch(0, 1);
    }
    {
        auto [box, grid] = group("GroupBox7", "Championship");
        grid->addWidget(addButton(box, "Button11", "All Races", "Display All Championship Results"), 0, 0);
        grid->addWidget(addButton(box, "Button16", "Race Win Tables",
                                  "Display Race Win Tables for Driver, Team and Engine"),
                        0, 1);
        grid->addWidget(addButton(box, "Button17", "Championship Tables",
                                  "Display Driver and Constructors Championship Win Tables"),
                        1, 1);
        grid->addWidget(addButton(box, "Button20", "Specials", "Display Fastest, Slowest etc."), 1, 0);
    }
    column->addStretch(1);
    column->addWidget(addButton(panel4_, "Button19", "Help", nullptr));

    for (int n = 0; n < 6; ++n) connectBox(n + 1, combos_[static_cast<size_t>(n)]);
}

void MainWindow::connectBox(int n, QComboBox* box) {
    // Choosing an entry from the list (or from the completer's list).
    connect(box, qOverload<int>(&QComboBox::activated), this, [this, n](int index) {
        if (binding_) binding_->boxChosen(n, index);
    });
    if (QLineEdit* edit = box->lineEdit()) {
        // Typing: the entry equal to the text becomes the selection; text that matches
        // no entry leaves the box without one.
        connect(edit, &QLineEdit::textEdited, this, [this, n](const QString& text) {
            if (binding_) binding_->boxTyped(n, text);
        });
    }
}

void MainWindow::buildViewArea() {
    viewArea_ = new QWidget(this);
    viewArea_->setObjectName(QStringLiteral("ViewArea"));
    auto* stack = new QGridLayout(viewArea_);
    stack->setContentsMargins(0, 0, 0, 0);

    // The opening screen.
    panel1_ = new QWidget(viewArea_);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    auto* opening = new QVBoxLayout(panel1_);
    opening->setContentsMargins(0, 0, 0, 0);
    opening->setSpacing(0);
    memo1_ = new QPlainTextEdit(panel1_);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setReadOnly(true);
    memo1_->setFrameShape(QFrame::NoFrame);
    memo1_->setFont(lucidaConsoleFont(10));
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    {
        QPalette face = memo1_->palette();
        face.setColor(QPalette::Base, face.color(QPalette::Button));
        memo1_->setPalette(face);
    }
    panel9_ = new QLabel(panel1_);
    panel9_->setObjectName(QStringLiteral("Panel9"));
    panel9_->setFixedHeight(54);
    panel9_->setAlignment(Qt::AlignCenter);
    panel9_->setWordWrap(true);
    panel9_->setFont(lucidaConsoleFont(10));
    panel9_->setAutoFillBackground(true);
    {
        QPalette strip = panel9_->palette();
        strip.setColor(QPalette::Window, QColor(255, 255, 0));
        strip.setColor(QPalette::WindowText, QColor(0, 0, 255));
        panel9_->setPalette(strip);
    }
    opening->addWidget(memo1_, 1);
    opening->addWidget(panel9_);

    // The result panel: its caption shows while both result boxes are hidden.
    panel3_ = new QWidget(viewArea_);
    panel3_->setObjectName(QStringLiteral("Panel3"));
    auto* results = new QGridLayout(panel3_);
    results->setContentsMargins(0, 0, 0, 0);
    panel3Caption_ = new QLabel(QStringLiteral("Please wait, doing a lot of analysis..."), panel3_);
    panel3Caption_->setObjectName(QStringLiteral("Panel3Caption"));
    panel3Caption_->setAlignment(Qt::AlignCenter);
    listBox1_ = new QListWidget(panel3_);
    listBox1_->setObjectName(QStringLiteral("ListBox1"));
    listBox1_->hide();
    memo2_ = new QPlainTextEdit(panel3_);
    memo2_->setObjectName(QStringLiteral("Memo2"));
    memo2_->setReadOnly(true);
    memo2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo2_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo2_->setFont(courierFont(10));
    richEdit1_ = new QTextEdit(panel3_);
    richEdit1_->setObjectName(QStringLiteral("RichEdit1"));
    richEdit1_->setReadOnly(true);
    richEdit1_->setAcceptRichText(false);
    richEdit1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    richEdit1_->setLineWrapMode(QTextEdit::WidgetWidth);
    richEdit1_->setFont(courierFont(10));
    richEdit1_->setTextColor(QColor(0, 0, 255));
    richEdit1_->setEnabled(false); // until the end of start-up
    results->addWidget(panel3Caption_, 0, 0);
    results->addWidget(memo2_, 0, 0);
    results->addWidget(richEdit1_, 0, 0);

    // The win tables.
    auto makeList = [](QWidget* parent, const char* name) {
        auto* list = new QListWidget(parent);
        list->setObjectName(QString::fromLatin1(name));
        list->setFont(lucidaConsoleFont(10));
        list->setUniformItemSizes(true);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        return list;
    };
    panel5_ = new QSplitter(Qt::Horizontal, viewArea_);
    panel5_->setObjectName(QStringLiteral("Panel5"));
    panel5_->setChildrenCollapsible(false);
    lists_[0] = listBox1_;
    lists_[1] = makeList(panel5_, "ListBox2");
    lists_[2] = makeList(panel5_, "ListBox3");
    lists_[3] = makeList(panel5_, "ListBox4");
    for (int i = 1; i <= 3; ++i) panel5_->addWidget(lists_[static_cast<size_t>(i)]);
    panel5_->setStretchFactor(2, 1);
    panel5_->setFocusPolicy(Qt::StrongFocus);

    // The championship tables, under their label strip.
    panel6_ = new QWidget(viewArea_);
    panel6_->setObjectName(QStringLiteral("Panel6"));
    panel6_->setFocusPolicy(Qt::StrongFocus);
    auto* champs = new QVBoxLayout(panel6_);
    champs->setContentsMargins(0, 0, 0, 0);
    champs->setSpacing(0);
    panel7_ = new QWidget(panel6_);
    panel7_->setObjectName(QStringLiteral("Panel7"));
    panel7_->setFixedHeight(22);
    const char* labelTexts[5] = {"Drivers' Champions", "Constructors' Champions", "Championship Success",
                                 "Double click to select", "Double click to select"};
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(QString::fromLatin1(labelTexts[i]), panel7_);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->adjustSize();
        labels_[static_cast<size_t>(i)] = label;
    }
    panel6Lists_ = new QSplitter(Qt::Horizontal, panel6_);
    panel6Lists_->setObjectName(QStringLiteral("Panel8"));
    panel6Lists_->setChildrenCollapsible(false);
    lists_[4] = makeList(panel6Lists_, "ListBox5");
    lists_[5] = makeList(panel6Lists_, "ListBox6");
    lists_[6] = makeList(panel6Lists_, "ListBox7");
    for (int i = 4; i <= 6; ++i) panel6Lists_->addWidget(lists_[static_cast<size_t>(i)]);
    panel6Lists_->setStretchFactor(2, 1);
    champs->addWidget(panel7_);
    champs->addWidget(panel6Lists_, 1);
    auto track = [this] {
        const QList<int> wins = panel5_->sizes(), champs = panel6Lists_->sizes();
        widths_ = {wins.value(0), wins.value(1), champs.value(0), champs.value(1)};
        applyLabelPositions(label4Left_, label5Left_);
    };
    connect(panel5_, &QSplitter::splitterMoved, this, track);
    connect(panel6Lists_, &QSplitter::splitterMoved, this, track);

    // The print and copy staging text, wide enough never to wrap.
    memo3_ = new QPlainTextEdit(viewArea_);
    memo3_->setObjectName(QStringLiteral("Memo3"));
    memo3_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo3_->hide();

    stack->addWidget(panel1_, 0, 0);
    stack->addWidget(panel3_, 0, 0);
    stack->addWidget(panel5_, 0, 0);
    stack->addWidget(panel6_, 0, 0);
    panel3_->hide();
    panel5_->hide();
    panel6_->hide();
    memo2_->hide();
    richEdit1_->hide();

    // The list-box gestures.
    for (int n : {2, 3, 5, 6, 7}) {
        QListWidget* list = lists_[static_cast<size_t>(n - 1)];
        connect(list, &QListWidget::itemDoubleClicked, this, [this, n, list](QListWidgetItem* item) {
            if (binding_) binding_->listDoubleClicked(n, list->row(item));
        });
    }
    connect(lists_[3], &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (binding_) binding_->listClicked(4, lists_[3]->row(item));
    });
}

void MainWindow::buildPopupMenu() {
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* print = addMenuItem(popupMenu_, "PopupPrint", "Print", QKeySequence(Qt::CTRL | Qt::Key_P));
    // The File menu's Print carries Ctrl+P for the whole window.
    print->setShortcutContext(Qt::WidgetShortcut);
    QAction* copy = addMenuItem(popupMenu_, "PopupCopy", "Copy", QKeySequence(Qt::CTRL | Qt::Key_C));
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);

    QWidget* owners[] = {memo1_, memo2_, richEdit1_, panel5_, panel6_, lists_[1], lists_[2],
                         lists_[3], lists_[4], lists_[5], lists_[6]};
    for (QWidget* owner : owners) {
        owner->setContextMenuPolicy(Qt::CustomContextMenu);
        owner->addAction(copy);
        connect(owner, &QWidget::customContextMenuRequested, this, [this, owner](const QPoint& at) {
            QPoint global = owner->mapToGlobal(at);
            if (auto* area = qobject_cast<QAbstractScrollArea*>(owner)) global = area->viewport()->mapToGlobal(at);
            popupMenu_->popup(global);
        });
    }
}

// ---------------------------------------------------------------- start-up

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!startupDone_ && !startupRunning_ && !startupFailed_) {
        // Run once the window is on screen and the event loop runs.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!runStartupOnce()) {
                    close();
                    QCoreApplication::exit(1);
                }
            },
            Qt::QueuedConnection);
    }
}

bool MainWindow::runStartupOnce() {
    if (startupDone_) return true;
    if (startupFailed_ || startupRunning_) return false;
    startupRunning_ = true;
    QElapsedTimer timer;
    timer.start();
    const bool ok = binding_->runStartup();
    startupMs_ = timer.elapsed();
    startupRunning_ = false;
    startupDone_ = ok;
    startupFailed_ = !ok;
    emit startupFinished(ok);
    return ok;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Only Exit saves; closing the window otherwise ends the program as it stands.
    QMainWindow::closeEvent(event);
}

// ---------------------------------------------------------------- what the model shows

void MainWindow::used(const QString& name) {
    if (binding_) binding_->controlUsed(name);
}

void MainWindow::showArea(ui::ViewArea area, ui::Focus focus) {
    using ui::ViewArea;
    const bool results = area == ViewArea::ResultsPlain || area == ViewArea::ResultsColoured;
    panel1_->setVisible(area == ViewArea::Opening);
    panel3_->setVisible(results);
    memo2_->setVisible(area == ViewArea::ResultsPlain);
    richEdit1_->setVisible(area == ViewArea::ResultsColoured);
    const bool tablesWereHidden = panel5_->isHidden() || panel6_->isHidden();
    panel5_->setVisible(area == ViewArea::WinTables);
    panel6_->setVisible(area == ViewArea::ChampionshipTables);
    if (tablesWereHidden && (area == ViewArea::WinTables || area == ViewArea::ChampionshipTables)) sizeSplitters();
    switch (focus) {
    case ui::Focus::Unchanged: break;
    case ui::Focus::OpeningText: memo1_->setFocus(); break;
    case ui::Focus::ColouredResults: richEdit1_->setFocus(); break;
    case ui::Focus::WinTablePanel: panel5_->setFocus(); break;
    case ui::Focus::ChampionshipPanel: panel6_->setFocus(); break;
    }
}

void MainWindow::setPlainPage(const std::vector<std::string>& lines) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines) items << qs(line);
    listBox1_->clear();
    listBox1_->addItems(items);
    // One replacement of the whole text, not one line at a time.
    memo2_->setPlainText(items.join(QLatin1Char('\n')));
}

void MainWindow::setColouredPage(const std::vector<ColouredLine>& lines) {
    // The whole page as one new document, built in one pass: every line a block in
    // the colour of its kind.
    auto* document = new QTextDocument(richEdit1_);
    document->setDefaultFont(richEdit1_->font());
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QTextCharFormat format;
    QTextBlockFormat block;
    bool first = true;
    for (const auto& line : lines) {
        format.setForeground(toQColor(line.colour));
        if (first) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(format);
            first = false;
        } else {
            cursor.insertBlock(block, format);
        }
        cursor.insertText(qs(line.text), format);
    }
    cursor.endEditBlock();
    // The editor deletes its previous document, which it owns.
    richEdit1_->setDocument(document);
}

void MainWindow::scrollResultsToTop() {
    QTextCursor plain = memo2_->textCursor();
    plain.movePosition(QTextCursor::Start);
    memo2_->setTextCursor(plain);
    QTextCursor rich = richEdit1_->textCursor();
    rich.movePosition(QTextCursor::Start);
    richEdit1_->setTextCursor(rich);
    memo2_->verticalScrollBar()->setValue(0);
    richEdit1_->verticalScrollBar()->setValue(0);
}

void MainWindow::setTable(int list, const std::vector<std::string>& rows) {
    fillList(lists_[static_cast<size_t>(list - 1)], rows);
}

void MainWindow::setOpeningText(const std::vector<std::string>& lines) {
    memo1_->setPlainText(joinLines(lines));
    QTextCursor cursor = memo1_->textCursor();
    cursor.movePosition(QTextCursor::Start);
    memo1_->setTextCursor(cursor);
}

void MainWindow::setHelpStrip(const QString& text) { panel9_->setText(text); }

void MainWindow::setPrintText(const std::vector<std::string>& lines) { memo3_->setPlainText(joinLines(lines)); }

void MainWindow::setResultFont(const QFont& font) {
    memo2_->setFont(font);
    richEdit1_->setFont(font);
    richEdit1_->document()->setDefaultFont(font);
}

void MainWindow::setResultsBackground(const QColor& colour) {
    setBackground(memo2_, Qt::white, Qt::black);
    setBackground(richEdit1_, colour, QColor(0, 0, 255));
}

void MainWindow::setListColours(int list, const QColor& background, const QColor& text) {
    setBackground(lists_[static_cast<size_t>(list - 1)], background, text);
}

void MainWindow::showToolBar(bool small) {
    toolBar1_->setVisible(small);
    toolBar2_->setVisible(!small);
}

void MainWindow::setBoxItems(int box, const std::vector<std::string>& items) {
    QComboBox* combo = combos_[static_cast<size_t>(box - 1)];
    QSignalBlocker quiet(combo);
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const auto& item : items) texts << qs(item);
    combo->clear();
    combo->addItems(texts);
}

void MainWindow::setBoxSelection(int box, int index, const std::string& text) {
    QComboBox* combo = combos_[static_cast<size_t>(box - 1)];
    QSignalBlocker quiet(combo);
    if (index >= 0 && index < combo->count()) {
        if (combo->currentIndex() != index) combo->setCurrentIndex(index);
        if (combo->isEditable() && combo->currentText() != combo->itemText(index))
            combo->setEditText(combo->itemText(index));
    } else if (combo->isEditable()) {
        // No entry selected: the typed text stays as it is.
        if (combo->currentText() != qs(text)) combo->setEditText(qs(text));
    } else {
        combo->setCurrentIndex(-1);
    }
}

void MainWindow::setSeasonCaptions(const std::string& first, const std::string& last) {
    button21_->setText(qs(first));
    button22_->setText(qs(last));
}

void MainWindow::enableColouredResults() { richEdit1_->setEnabled(true); }

void MainWindow::applyGeometry(const Settings& settings) {
    const Geometry& g = settings.form1;
    if (g.width > 0 && g.height > 0) {
        move(g.left, g.top);
        resize(g.width, g.height);
    }
    setListWidths(settings.lb2, settings.lb3, settings.lb5, settings.lb6);
}

void MainWindow::setListWidths(int lb2, int lb3, int lb5, int lb6) {
    widths_ = {lb2, lb3, lb5, lb6};
    sizeSplitters();
}

void MainWindow::sizeSplitters() {
    const int area = qMax(viewArea_->width(), widths_[0] + widths_[1] + 200);
    panel5_->setSizes({widths_[0], widths_[1], qMax(100, area - widths_[0] - widths_[1])});
    const int champs = qMax(viewArea_->width(), widths_[2] + widths_[3] + 200);
    panel6Lists_->setSizes({widths_[2], widths_[3], qMax(100, champs - widths_[2] - widths_[3])});
    applyLabelPositions(label4Left_, label5Left_);
}

void MainWindow::applyLabelPositions(int label4Left, int label5Left) {
    label4Left_ = label4Left;
    label5Left_ = label5Left;
    const int lb5 = widths_[2], lb6 = widths_[3];
    const int y = qMax(0, (panel7_->height() - labels_[0]->sizeHint().height()) / 2);
    labels_[0]->move(8, y);
    labels_[1]->move(lb5 + 8, y);
    labels_[2]->move(lb5 + lb6 + 8, y);
    labels_[3]->move(label4Left >= 0 ? label4Left : lb5 - 156, y);
    labels_[4]->move(label5Left >= 0 ? label5Left : lb5 + lb6 - 156, y);
}

bool MainWindow::storeGeometry(Settings& settings) const {
    const bool normal = isNormalWindowState();
    if (normal) {
        const QRect frame = frameGeometry();
        settings.form1 = {frame.x(), frame.y(), width(), height()};
    }
    settings.lb2 = widths_[0];
    settings.lb3 = widths_[1];
    settings.lb5 = widths_[2];
    settings.lb6 = widths_[3];
    return normal;
}

bool MainWindow::isNormalWindowState() const {
    return !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

QListWidget* MainWindow::listBox(int n) const { return lists_[static_cast<size_t>(n - 1)]; }
QComboBox* MainWindow::comboBox(int n) const { return combos_[static_cast<size_t>(n - 1)]; }

void MainWindow::trigger(const QString& controlName) { used(controlName); }

void MainWindow::endByExit() {
    exited_ = true;
    close();
    QCoreApplication::quit();
}

} // namespace velmora::gui
