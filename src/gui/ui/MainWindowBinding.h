#pragma once
// Binds the main window to the core: runs the start-up with the splash window, then
// holds the window model, hands it every user action and shows its state. As the
// model's host it opens the other windows.

#include <QString>

#include <memory>
#include <optional>

#include "data/Startup.h"
#include "ui/MainModel.h"

namespace velmora::gui {

class MainWindow;

class MainWindowBinding : public ui::MainWindowHost {
public:
    explicit MainWindowBinding(MainWindow& window);
    ~MainWindowBinding() override;

    // The start-up; false after a fatal data error (nothing saved).
    bool runStartup();

    // User actions, from the window's controls.
    void controlUsed(const QString& name);
    void boxChosen(int n, int index);         // ComboBoxN, an entry picked from its list
    void boxTyped(int n, const QString& text); // ComboBoxN, text typed
    void listClicked(int n, int row);          // ListBoxN
    void listDoubleClicked(int n, int row);
    // A help window's print set-up may have changed the display font.
    void optionsChangedElsewhere();

    ui::MainModel* model() const { return model_.get(); }
    const Database* database() const { return db_.get(); }

    // MainWindowHost.
    void runPreferences() override;
    void runPrintSetup(const std::vector<std::string>& text) override;
    void runUpdateEditor() override;
    void showResultHelp() override;
    void showUpdateHelp() override;
    void showAbout() override;
    void showKnownProblems() override;
    void setBusy(bool busy) override;
    bool storeGeometry(Settings& settings) override;
    void endProgram() override;

private:
    class Progress;

    // Shows what changed in the model's state since the last showing.
    void render();
    void afterCommand(ui::Command command);
    void applyScreenLayout();
    Settings& settings();

    MainWindow& window_;
    std::unique_ptr<Database> db_;
    std::unique_ptr<ui::MainModel> model_;
    int screenWidth_ = 0, screenHeight_ = 0;
    bool rendering_ = false;
    bool timing_ = false;

    // What the window shows, to change only what the model changed.
    std::optional<ui::MainState> shown_;
};

} // namespace velmora::gui
