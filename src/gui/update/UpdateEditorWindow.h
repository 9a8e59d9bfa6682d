#pragma once
// The update editor window (TForm10): the "Race Data" and "Championship Data" sections,
// their arrows and mode labels, and the Cancel, Save, Delete and Help buttons. The
// window keeps no logic of its own: it hands every user action to the core's
// UpdateEditor by the control's name and then shows the editor's state in every control.
// One editor object serves the whole run, so the day and month keep their values from
// one opening to the next.

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/AppContext.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class QWindow;

namespace velmora {
struct Database;
class UpdateEditor;
} // namespace velmora

namespace velmora::gui {

class UpdateEditorWindow : public QDialog {
    Q_OBJECT
public:
    // `files` reads and writes "update.txt" and its safety copies in the program
    // directory of `context.settings`; both must outlive the window.
    UpdateEditorWindow(AppContext& context, FileSystem& files, QWidget* parent = nullptr);
    ~UpdateEditorWindow() override;

    // Where the name lists and the season range of the start-up come from. Asked at each
    // opening; until it gives a database the window opens with nothing to edit.
    void setDatabaseSource(std::function<const Database*()> source) { databaseSource_ = std::move(source); }
    // The update help window (TForm9), shown by Help and closed by Cancel.
    void setHelpWindow(QWidget* help) { help_ = help; }

    // Shows the window modally (the main window's "Update Database").
    int openModal();

    // The editor behind the window (null before the first opening with a database).
    UpdateEditor* editor() const { return editor_.get(); }

    void done(int result) override;
    // The title bar's close box: asks Cancel's question when something was changed, but
    // leaves the help window open.
    void reject() override;

public slots:
    void cancel();   // Button1, and the Escape key
    void showHelp(); // Button3

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildRaceGroup(QWidget* group);
    void buildChampionshipGroup(QWidget* group);
    QLabel* caption(const QString& text, QWidget* parent);
    QComboBox* makeCombo(int n, QWidget* parent);
    QSpinBox* makeSpin(int n, QWidget* parent);
    QLineEdit* makeEdit(int n, QWidget* parent);

    // Opening: the window's place, the comment memo's look, the editor's opening.
    void openEditor();
    void applyMemoStyle();
    // Hands a click on the named button to the editor and shows the result.
    bool press(const char* control);
    // Shows the editor's state; a control already showing the value is left alone, so
    // typing is never disturbed.
    void refresh();
    void restoreHelpOwner();

    AppContext& context_;
    FileSystem& files_;
    std::function<const Database*()> databaseSource_;
    const Database* database_ = nullptr;
    std::unique_ptr<UpdateEditor> editor_;
    QWidget* help_ = nullptr;
    QWindow* helpOwner_ = nullptr; // the help window's own transient parent while we lend ours
    bool helpLent_ = false;
    bool refreshing_ = false;
    int labelCount_ = 1;

    std::array<QComboBox*, 19> combos_{};  // ComboBox1 to ComboBox18 (index 0 unused)
    std::array<QSpinBox*, 17> spins_{};    // SpinEdit1 to SpinEdit11, SpinEdit15, SpinEdit16
    std::array<QLineEdit*, 6> edits_{};    // Edit1 to Edit5
    std::array<std::vector<std::string>, 19> shownItems_;
    QPlainTextEdit* memo1_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QCheckBox* checkBox2_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label40_ = nullptr;
    QPushButton* button1_ = nullptr; // Cancel
    QPushButton* button2_ = nullptr; // Save
    QPushButton* button3_ = nullptr; // Help
    QPushButton* button4_ = nullptr; // Delete
    std::array<QToolButton*, 5> speedButtons_{}; // SpeedButton1 to SpeedButton4
};

} // namespace velmora::gui
