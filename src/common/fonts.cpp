#include "common/fonts.h"

#include <QStringList>

namespace fennick {

namespace {

// Liberation Sans comes from the setup script's font package; Arial is the
// same face on systems that have it, DejaVu Sans the face Qt itself depends
// on, so a machine without either still draws a sans-serif face.
QFont sansFace(bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    return font;
}

} // namespace

QFont sansFont(int pixelSize, bool bold) {
    QFont font = sansFace(bold);
    font.setPixelSize(pixelSize);
    return font;
}

QFont sansPointFont(qreal pointSize, bool bold) {
    QFont font = sansFace(bold);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace fennick
