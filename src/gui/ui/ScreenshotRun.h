#pragma once
// A picture run for the program's documentation: when VELMORA_SCREENSHOTS names a
// directory, the program shows every race, then a driver's wins and then the race win tables, saves a
// picture of the main window after each (main-coloured.png, win-tables.png) and ends
// without saving its settings. VELMORA_SCREENSHOT_DRIVER picks the driver (display
// form, "Senna Ayrton" when unset).

namespace velmora::gui {

class MainWindow;

void startScreenshotRunIfAsked(MainWindow& window);

} // namespace velmora::gui
