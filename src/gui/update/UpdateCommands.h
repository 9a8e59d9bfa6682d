#pragma once
// The main window's ways into the update editor: the "&Update Database" item of the
// File menu (Ctrl+D), the rule above Exit and the "Update the Database" tool button of
// each tool bar. The main window builds them hidden, with Ctrl+D answering all the
// same; users who keep their own data need to find the editor, so the program shows
// them.

namespace velmora::gui {

class MainWindow;

// Shows the menu item, its rule and both tool buttons. Ctrl+D then belongs to the
// visible menu item alone, so the stand-in shortcut for the hidden item is switched
// off (two shortcuts on one key would cancel each other).
void showUpdateDatabaseCommands(MainWindow& window);

} // namespace velmora::gui
