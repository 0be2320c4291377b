#include "customwin/widgets/bot_window_trigger.h"

#include "core/ui_host.h"
#include "platform/file_system.h"

#include <QAction>
#include <QWidget>

namespace fennick {

BotWindowTrigger::BotWindowTrigger(UiHost& ui, const QString& programFolder, QWidget& mainWindow)
    : QObject(&mainWindow), ui_(ui),
      formPath_(platform::joinPath(programFolder, QLatin1String(kFormFile))) {
    setObjectName(QStringLiteral("botWindowTrigger"));
    action_ = new QAction(QStringLiteral("Quake III &Bots..."), &mainWindow);
    action_->setObjectName(QStringLiteral("mnuBotWindow"));
    action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    action_->setShortcutContext(Qt::WindowShortcut);
    action_->setToolTip(QStringLiteral("Open the Quake III bot window"));
    mainWindow.addAction(action_);
    // The main window lists its actions when right-clicked.
    mainWindow.setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(action_, &QAction::triggered, this, [this] { ui_.loadForm(formPath_); });
}

} // namespace fennick
