#pragma once
// The main window (TForm1): menus, the two tool bars, the control panel with the
// drop-down boxes and buttons, and the view area with the opening screen, the result
// page (plain and coloured) and the two table panels. Every command goes to the core's
// window model; this class only shows what the model decides and hands each user
// action on, naming the control that started it.

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/Startup.h"
#include "platform/AppContext.h"
#include "ui/MainModel.h"
#include "views/Page.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTextEdit;
class QToolBar;
class QToolButton;
class QWidget;

namespace velmora::gui {

class AboutWindow;
class PreferencesWindow;
class PrintSetupWindow;
class SplashWindow;
class MainWindowBinding;

// The other nine windows, created after the main window and handed to it.
struct SecondaryWindows {
    AboutWindow* about = nullptr;          // TForm2
    PreferencesWindow* preferences = nullptr; // TForm3
    PrintSetupWindow* printSetup = nullptr; // TForm4
    SplashWindow* splash = nullptr;        // TForm5
    QWidget* preferencesHelp = nullptr;    // TForm6
    QWidget* resultHelp = nullptr;         // TForm7
    QWidget* knownProblems = nullptr;      // TForm8
    QWidget* updateHelp = nullptr;         // TForm9
    QWidget* updateEditor = nullptr;       // TForm10
};

// What the window reaches outside itself besides AppContext.
struct MainWindowServices {
    AppContext* context = nullptr; // settings, settings file, message boxes, printer, clipboard, shell
    FileSystem* files = nullptr;
    const Clock* clock = nullptr;
    std::string currentDir;        // the program's current directory at start
    // The monitor's size in pixels; 0 takes the size of the screen that holds the window.
    int screenWidth = 0, screenHeight = 0;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const MainWindowServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    void setWindows(const SecondaryWindows& windows);
    const SecondaryWindows& windows() const { return windows_; }

    // The start-up, run by the first show (or directly by tests). Returns false after a
    // fatal data error, when the program must end without saving.
    bool runStartupOnce();
    bool startupDone() const { return startupDone_; }
    bool startupFailed() const { return startupFailed_; }
    // Milliseconds the start-up took (0 before it ran).
    qint64 startupMilliseconds() const { return startupMs_; }

    // ---- what the binding shows the model's state with
    void showArea(ui::ViewArea area, ui::Focus focus);
    void setPlainPage(const std::vector<std::string>& lines);          // ListBox1 and Memo2
    void setColouredPage(const std::vector<ColouredLine>& lines);      // RichEdit1
    void setTable(int list, const std::vector<std::string>& rows);     // ListBox2 to ListBox7
    void setOpeningText(const std::vector<std::string>& lines);        // Memo1
    void setHelpStrip(const QString& text);                            // Panel9
    void setPrintText(const std::vector<std::string>& lines);          // Memo3
    void setResultFont(const QFont& font);
    void setResultsBackground(const QColor& colour);                   // RichEdit1
    void setListColours(int list, const QColor& background, const QColor& text);
    void showToolBar(bool small);
    void setBoxItems(int box, const std::vector<std::string>& items);  // ComboBox1 to ComboBox6
    void setBoxSelection(int box, int index, const std::string& text); // without running anything
    void setSeasonCaptions(const std::string& first, const std::string& last);
    void enableColouredResults();
    void scrollResultsToTop();
    // FORM1: the window's place and size and the widths of the four resizable lists.
    void applyGeometry(const Settings& settings);
    void setListWidths(int lb2, int lb3, int lb5, int lb6);
    void applyLabelPositions(int label4Left, int label5Left); // -1: follow the list widths
    // The window's place and size and the list widths for the save on Exit; returns
    // whether the window is in the normal state (the place and size are stored only then).
    bool storeGeometry(Settings& settings) const;
    bool isNormalWindowState() const;

    // Runs the named control as if the user had used it (tests and the screenshot run).
    void trigger(const QString& controlName);
    // Ends the program after Exit.
    void endByExit();
    bool exitedByCommand() const { return exited_; }

    QListWidget* listBox(int n) const; // 1 to 7
    QComboBox* comboBox(int n) const;  // 1 to 6
    MainWindowBinding* binding() const { return binding_.get(); }
    const MainWindowServices& services() const { return services_; }

signals:
    // The start-up finished (ok) or failed.
    void startupFinished(bool ok);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class MainWindowBinding;

    void buildMenus();
    void buildToolBars();
    void buildControlPanel();
    void buildViewArea();
    void buildPopupMenu();
    QPushButton* addButton(QWidget* parent, const char* name, const char* caption, const char* hint);
    QComboBox* addCombo(QWidget* parent, const char* name, bool editable);
    QAction* addMenuItem(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut = {});
    void connectBox(int n, QComboBox* box);
    void used(const QString& name);
    void sizeSplitters();

    MainWindowServices services_;
    SecondaryWindows windows_;
    std::unique_ptr<MainWindowBinding> binding_;

    // Menus and tool bars.
    QMenu* popupMenu_ = nullptr; // PopupMenu1
    QToolBar* toolBar1_ = nullptr;
    QToolBar* toolBar2_ = nullptr;

    // Control panel.
    QWidget* panel4_ = nullptr;
    std::array<QComboBox*, 6> combos_{};
    QPushButton* button21_ = nullptr; // First -
    QPushButton* button22_ = nullptr; // Last -
    QWidget* centralArea_ = nullptr;

    // View area.
    QWidget* viewArea_ = nullptr;
    QWidget* panel1_ = nullptr;   // opening screen
    QPlainTextEdit* memo1_ = nullptr;
    QLabel* panel9_ = nullptr;
    QWidget* panel3_ = nullptr;   // result panel
    QLabel* panel3Caption_ = nullptr;
    QListWidget* listBox1_ = nullptr;
    QPlainTextEdit* memo2_ = nullptr;
    QTextEdit* richEdit1_ = nullptr;
    QSplitter* panel5_ = nullptr; // win tables
    QWidget* panel6_ = nullptr;   // championship tables
    QWidget* panel7_ = nullptr;
    QSplitter* panel6Lists_ = nullptr;
    std::array<QLabel*, 5> labels_{};
    std::array<QListWidget*, 7> lists_{};
    QPlainTextEdit* memo3_ = nullptr;
    int label4Left_ = -1, label5Left_ = -1; // fixed by a screen layout, else follow the widths
    std::array<int, 4> widths_{420, 293, 400, 400}; // ListBox2, ListBox3, ListBox5, ListBox6

    bool startupDone_ = false;
    bool startupRunning_ = false;
    bool startupFailed_ = false;
    bool exited_ = false;
    qint64 startupMs_ = 0;
};

} // namespace velmora::gui
