#include "customwin/widgets/bot_window_trigger.h"

#include "app/program.h"

#include <QAction>
#include <QWidget>

namespace fennick {

BotWindowTrigger::BotWindowTrigger(Program& program, QWidget& mainWindow)
    : QObject(&mainWindow), program_(program) {
    setObjectName(QStringLiteral("botWindowTrigger"));
    action_ = new QAction(QStringLiteral("Quake III &Bots..."), &mainWindow);
    action_->setObjectName(QStringLiteral("mnuBotWindow"));
    action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    action_->setShortcutContext(Qt::WindowShortcut);
    action_->setToolTip(QStringLiteral("Open the Quake III bot window"));
    mainWindow.addAction(action_);
    // The main window lists its actions when right-clicked.
    mainWindow.setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(action_, &QAction::triggered, this,
            [this] { program_.ui.loadForm(program_.programPath(QLatin1String(kFormFile))); });
}

} // namespace fennick
