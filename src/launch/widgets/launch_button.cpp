#include "launch/widgets/launch_button.h"

#include "core/launch_preview.h"
#include "core/status_line.h"
#include "launch/game_launcher.h"

#include <QEvent>

namespace fennick {

LaunchButton::LaunchButton(GameLauncher& launcher, StatusLine& status, const LaunchPreview& preview,
                           QWidget* parent)
    : QPushButton(tr("Launch Quake"), parent), launcher_(launcher), status_(status),
      preview_(preview) {
    setObjectName(QStringLiteral("Command1"));
    setMouseTracking(true);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    connect(this, &QPushButton::clicked, this, [this] { launcher_.Launch(); });
}

bool LaunchButton::event(QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
        status_.queue(preview_.commandLine, kPreviewSeconds);
    return QPushButton::event(event);
}

} // namespace fennick
