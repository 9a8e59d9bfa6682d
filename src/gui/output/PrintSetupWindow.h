#pragma once
// The print set-up window (TForm4): paper orientation and font, the warning for long
// texts, and printing the print text on the default printer as a plain-text device.

#include <QDialog>

#include <string>
#include <vector>

#include "platform/AppContext.h"

class QGroupBox;
class QFrame;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace velmora::gui {

class PrintSetupWindow : public QDialog {
    Q_OBJECT
public:
    explicit PrintSetupWindow(AppContext& context, QWidget* parent = nullptr);

    // Takes the print text, then shows the window modally; returns when it closes.
    int run(const std::vector<std::string>& lines);
    // Takes the print text for the next showing (run() does this itself).
    void setPrintText(const std::vector<std::string>& lines);
    const std::vector<std::string>& printText() const { return lines_; }

    // Whether the last close was by the Close button (which stores the choices).
    bool closedByButton() const { return closedByButton_; }

public slots:
    void print();       // Button2
    void cancelPrint(); // Button3
    void closeWindow(); // Button1

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

public:
    void done(int result) override;

private:
    void prepare();
    void restoreCursor();

    AppContext& context_;
    std::vector<std::string> lines_;
    QGroupBox* group_ = nullptr;
    QRadioButton* landscape_ = nullptr; // RadioButton1
    QRadioButton* portrait_ = nullptr;  // RadioButton2
    QFrame* fontPanel_ = nullptr;
    QRadioButton* courier_ = nullptr;   // RadioButton5
    QRadioButton* arial_ = nullptr;     // RadioButton6
    QPlainTextEdit* warning_ = nullptr; // Memo1
    QPushButton* close_ = nullptr;      // Button1
    QPushButton* print_ = nullptr;      // Button2
    QPushButton* cancel_ = nullptr;     // Button3
    Printer* running_ = nullptr;        // the device of a job in progress
    bool busyCursor_ = false;
    bool closedByButton_ = false;
    bool prepared_ = false;
};

} // namespace velmora::gui
