#include "ui/ProgramWindows.h"

#include "update/UpdateCommands.h"

#include <QDialog>

#include "help/AboutWindow.h"
#include "help/HelpWindow.h"
#include "help/SplashWindow.h"
#include "output/PrintSetupWindow.h"
#include "settings/PreferencesWindow.h"
#include "platform/Fonts.h"
#include "ui/MainWindowBinding.h"
#include "update/UpdateEditorWindow.h"

namespace velmora::gui {

ProgramWindows::ProgramWindows(const MainWindowServices& services) {
    AppContext& context = *services.context;
    form1 = std::make_unique<MainWindow>(services);
    QWidget* owner = form1.get();
    form2 = std::make_unique<AboutWindow>(context, owner);
    form3 = std::make_unique<PreferencesWindow>(context, owner);
    form4 = std::make_unique<PrintSetupWindow>(context, owner);
    form5 = std::make_unique<SplashWindow>();
    form6 = std::make_unique<HelpWindow>(HelpKind::Preferences, context, form4.get(), owner);
    form7 = std::make_unique<HelpWindow>(HelpKind::Results, context, form4.get(), owner);
    form8 = std::make_unique<HelpWindow>(HelpKind::KnownProblems, context, form4.get(), owner);
    form9 = std::make_unique<HelpWindow>(HelpKind::Update, context, form4.get(), owner);
    {
        auto editor = std::make_unique<UpdateEditorWindow>(context, *services.files, owner);
        MainWindow* main = form1.get();
        editor->setDatabaseSource([main] { return main->binding() ? main->binding()->database() : nullptr; });
        editor->setHelpWindow(form9.get());
        form10 = std::move(editor);
    }

    // A help window's print goes through the main window's print buffer; the print
    // set-up window may change the display font.
    form3->setHelpWindow(form6.get());
    MainWindow* main = form1.get();
    for (HelpWindow* help : {form6.get(), form7.get(), form8.get(), form9.get()}) {
        help->onPrintText = [main](const std::vector<std::string>& lines) { main->setPrintText(lines); };
        help->onPrinted = [main] {
            if (main->binding()) main->binding()->optionsChangedElsewhere();
        };
    }

    SecondaryWindows windows;
    windows.about = form2.get();
    windows.preferences = form3.get();
    windows.printSetup = form4.get();
    windows.splash = form5.get();
    windows.preferencesHelp = form6.get();
    windows.resultHelp = form7.get();
    windows.knownProblems = form8.get();
    windows.updateHelp = form9.get();
    windows.updateEditor = form10.get();
    form1->setWindows(windows);
    // Users who keep their data current need to find the editor: its menu item and tool
    // buttons are shown (Ctrl+D reaches it as well).
    showUpdateDatabaseCommands(*form1);
}

ProgramWindows::~ProgramWindows() {
    // The secondary windows first: they are children of the main window.
    form10.reset();
    form9.reset();
    form8.reset();
    form7.reset();
    form6.reset();
    form5.reset();
    form4.reset();
    form3.reset();
    form2.reset();
    form1.reset();
}

} // namespace velmora::gui
