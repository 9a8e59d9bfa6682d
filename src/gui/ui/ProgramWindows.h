#pragma once
// The program's ten windows, created in their fixed order: the main window (TForm1)
// first, then the about window, preferences, print set-up, splash, the four help
// windows and the update editor. They live for the whole run.

#include <memory>

#include "ui/MainWindow.h"

class QDialog;

namespace velmora::gui {

class HelpWindow;
class PreferencesWindow;

struct ProgramWindows {
    // Creates the ten windows. `services.context` must stay alive as long as they do.
    explicit ProgramWindows(const MainWindowServices& services);
    ~ProgramWindows();

    std::unique_ptr<MainWindow> form1;
    std::unique_ptr<AboutWindow> form2;
    std::unique_ptr<PreferencesWindow> form3;
    std::unique_ptr<PrintSetupWindow> form4;
    std::unique_ptr<SplashWindow> form5;
    std::unique_ptr<HelpWindow> form6, form7, form8, form9;
    std::unique_ptr<QDialog> form10;
};

} // namespace velmora::gui
