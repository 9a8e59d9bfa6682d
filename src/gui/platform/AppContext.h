#pragma once
// What every window of the desktop program reaches outside itself: the in-memory
// settings and the settings file, and the platform services (message boxes, printer,
// clipboard, shell). The program fills it with the Qt implementations (QtPlatform.h);
// the tests fill it with recording fakes.

#include <functional>
#include <memory>
#include <string>

#include "platform/Platform.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace velmora::gui {

struct AppContext {
    Settings* settings = nullptr;
    IniStore* ini = nullptr;
    MessageBoxes* boxes = nullptr;
    Printer* printer = nullptr; // the default printer
    Clipboard* clipboard = nullptr;
    Shell* shell = nullptr;

    // When no printer is installed the print set-up window offers a PDF file instead:
    // `choosePdfFile` asks for the file name (empty: the user gave none) and
    // `pdfPrinter` makes a printer device writing that file.
    std::function<std::string()> choosePdfFile;
    std::function<std::unique_ptr<Printer>(const std::string& path)> pdfPrinter;
};

} // namespace velmora::gui
