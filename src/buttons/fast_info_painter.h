#pragma once

#include <QFont>
#include <QImage>
#include <QSize>

namespace fennick {

class FastInfo;

// Draws the fast-info panel: the background picture stretched over the
// panel, then each heading on a grey bar, centred, with its lines below
// it. The window and the command-line tool draw through this one painter.
class FastInfoPainter {
public:
    // The panel's size in the main window.
    static constexpr QSize kPanelSize{243, 200};
    // Behind the text when there is no background picture.
    static const QColor kPanelColour;

    static QFont font();

    // Draws the whole panel into `target` and records where each line went
    // (its top and bottom). `highlight` is an entry drawn again highlighted,
    // -1 for none.
    static void paint(QImage& target, const QImage& background, FastInfo& info, int highlight = -1);
};

} // namespace fennick
