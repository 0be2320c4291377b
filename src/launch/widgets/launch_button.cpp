#include "launch/widgets/launch_button.h"

#include "app/program.h"

#include <QEvent>

namespace fennick {

LaunchButton::LaunchButton(Program& program, QWidget* parent)
    : QPushButton(tr("Launch Quake"), parent), program_(program) {
    setObjectName(QStringLiteral("Command1"));
    setMouseTracking(true);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    connect(this, &QPushButton::clicked, this, [this] { program_.launcher.Launch(); });
}

bool LaunchButton::event(QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
        program_.status.queue(program_.preview.commandLine, kPreviewSeconds);
    return QPushButton::event(event);
}

} // namespace fennick
