#include "maps/widgets/levelshot_view.h"

#include "archive/levelshot_drawing.h"

#include <QPainter>

namespace fennick {

namespace {

const QColor kEmpty(12, 11, 10);

} // namespace

LevelshotView::LevelshotView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picMap"));
    setMinimumSize(160, 120);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    resize(160, 120);
}

void LevelshotView::showPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void LevelshotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kEmpty);
    if (!picture_.isNull())
        drawLevelshot(painter, rect(), picture_);
}

} // namespace fennick
