// Feeds arbitrary text to the coloured text writer (the games' "^" codes),
// drawing onto a picture with and without highlights; the first byte is the
// start colour. Besides crashes and sanitizer reports it checks that the
// cursor always ends at the start of the next line and that the text has a
// finite width.
#include "buttons/coloured_text.h"
#include "fuzz_support.h"

#include <QImage>
#include <QPainter>
#include <cmath>

using namespace fennick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    fuzz::needGuiApplication();
    const int start = int(data[0] % 12) - 1;
    const QString text = fuzz::textOf(data + 1, size - 1);
    QImage image(160, 48, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    const std::optional<QColor> highlights[] = {std::nullopt, QColor(Qt::blue)};
    for (const std::optional<QColor>& highlight : highlights) {
        TextCursor cursor{painter, 4, 2, 4, 150};
        PrintColoured(cursor, text, start, highlight, highlight);
        if (cursor.x != 4 || cursor.y != 2 + lineHeightOf(painter))
            fuzz::fail("coloured_text", "cursor not at the next line", text);
    }
    if (!std::isfinite(colouredTextWidth(painter, text)))
        fuzz::fail("coloured_text", "width not finite", text);
    return 0;
}
