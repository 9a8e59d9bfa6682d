#pragma once
// The start-up splash window (TForm5): a title, a picture, the status line and the
// progress bar while start-up loads the data, with a Close button and a check box that
// switches the splash off for later runs. Start-up drives it through StartupProgress.

#include <QWidget>

#include "data/Startup.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace velmora::gui {

class SplashWindow : public QWidget, public StartupProgress {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // StartupProgress: shown at once (and hidden again when `visible` is false), with
    // the check box cleared; each status updates the label and the bar and lets the
    // window system handle pending events; end() hides the window.
    void begin(bool visible) override;
    void status(const std::string& text, int percent) override;
    bool doNotShowAgain() override;
    void end() override;

public slots:
    // The status line and the bar's position (0 to 100), then the pending events.
    void showProgress(const QString& text, int percent);

private:
    void centreOnScreen();

    QLabel* title_ = nullptr;     // Panel1
    QLabel* picture_ = nullptr;   // Image1
    QLabel* label_ = nullptr;     // Label1
    QProgressBar* bar_ = nullptr; // ProgressBar1
    QCheckBox* check_ = nullptr;  // CheckBox1
    QPushButton* close_ = nullptr; // Button1
};

} // namespace velmora::gui
