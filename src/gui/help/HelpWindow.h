#pragma once
// The help windows: preferences help (TForm6), search result help (TForm7), known
// problems (TForm8) and update help (TForm9). One class, one instance per kind. Each
// rebuilds its text at every showing, follows the display font and colours, remembers
// its place and size, and prints its text through the print set-up window.

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

#include "platform/AppContext.h"

class QFrame;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

namespace velmora::gui {

class PrintSetupWindow;

enum class HelpKind { Preferences, Results, KnownProblems, Update };

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    HelpWindow(HelpKind kind, AppContext& context, PrintSetupWindow* printSetup, QWidget* parent = nullptr);

    HelpKind kind() const { return kind_; }

    // Called with the lines about to be printed (the main window keeps them in its print
    // buffer), and after the print set-up window has closed (the main window then sets
    // its result views' font from the options, which that window may have changed).
    std::function<void(const std::vector<std::string>&)> onPrintText;
    std::function<void()> onPrinted;

    // The lines of the text box on show, as they would be printed.
    std::vector<std::string> shownLines() const;

    void done(int result) override;

    // Shows the window beside a modal `owner` (the update editor, say) in a way that
    // owner's modality does not block it.
    void showBeside(QWidget* owner);

public slots:
    void print();               // Button2
    void restoreHelp();         // Button3 (update help)
    void showExample(int which); // Button4 to Button6 (update help)

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fill();
    void applyAppearance();
    std::string section() const;

    HelpKind kind_;
    AppContext& context_;
    PrintSetupWindow* printSetup_;
    QPlainTextEdit* memo_ = nullptr;   // Memo1 (the three memo windows)
    QTextEdit* help_ = nullptr;        // RichEdit1 (update help)
    QTextEdit* example_ = nullptr;     // RichEdit2 (update help)
    QPushButton* close_ = nullptr;     // Button1
    QPushButton* printButton_ = nullptr; // Button2
    QPushButton* restore_ = nullptr;   // Button3
};

} // namespace velmora::gui
