#include "update/UpdateCommands.h"

#include <QAction>
#include <QShortcut>

#include "ui/MainWindow.h"

namespace velmora::gui {

void showUpdateDatabaseCommands(MainWindow& window) {
    for (const char* name : {"MenuUpdateDatabase", "N2", "ToolButton61Action", "ToolButton62Action"})
        if (auto* action = window.findChild<QAction*>(QLatin1String(name))) action->setVisible(true);
    if (auto* standIn = window.findChild<QShortcut*>(QStringLiteral("UpdateDatabaseShortcut")))
        standIn->setEnabled(false);
}

} // namespace velmora::gui
