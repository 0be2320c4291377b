#include "archive/tga_reader.h"
#include "support/qt_print.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

const QRgb R = qRgb(255, 0, 0), G = qRgb(0, 255, 0), B = qRgb(0, 0, 255), W = qRgb(255, 255, 255);

// A TGA file: the 18-byte header, then the colour map and the data given.
QByteArray tga(int type, int width, int height, int bits, int descriptor, const QByteArray& data,
               int mapLength = 0, int mapBits = 0) {
    QByteArray bytes(18, '\0');
    bytes[1] = char(mapLength > 0 ? 1 : 0);
    bytes[2] = char(type);
    bytes[5] = char(mapLength & 0xFF);
    bytes[6] = char(mapLength >> 8);
    bytes[7] = char(mapBits);
    bytes[12] = char(width & 0xFF);
    bytes[13] = char(width >> 8);
    bytes[14] = char(height & 0xFF);
    bytes[15] = char(height >> 8);
    bytes[16] = char(bits);
    bytes[17] = char(descriptor);
    return bytes + data;
}

QByteArray bgr(std::initializer_list<QRgb> colours) {
    QByteArray bytes;
    for (QRgb c : colours)
        bytes.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
    return bytes;
}

QVector<QRgb> pixelsOf(const QImage& image) {
    QVector<QRgb> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            pixels.append(image.pixel(x, y) | 0xFF000000u);
    return pixels;
}

// The forms OpenArena's level shots come in (plain and run-length encoded
// 24-bit, bottom row first) and the other forms the format allows.
TEST(TgaReader, DecodesEveryFormWithItsOrigin) {
    const struct {
        const char* name;
        QByteArray file;
        QSize size;
        QVector<QRgb> topDown;
    } cases[] = {
        {"plain, bottom row first", tga(2, 2, 2, 24, 0, bgr({B, W, R, G})), {2, 2}, {R, G, B, W}},
        {"plain 32-bit, top row first",
         tga(2, 2, 1, 32, 0x28, QByteArray("\x00\x00\xff\xff\x00\xff\x00\xff", 8)),
         {2, 1},
         {R, G}},
        {"right to left", tga(2, 2, 1, 24, 0x30, bgr({R, G})), {2, 1}, {G, R}},
        {"run-length, a run across rows then raw pixels",
         tga(10, 3, 2, 24, 0,
             QByteArray("\x83", 1) + bgr({R}) + QByteArray("\x01", 1) + bgr({G, B})),
         {3, 2},
         {R, G, B, R, R, R}},
        {"run-length 32-bit, top row first",
         tga(10, 2, 2, 32, 0x28,
             QByteArray("\x81\x00\x00\xff\xff\x01\xff\x00\x00\x80\x00\xff\x00\xff", 14)),
         {2, 2},
         {R, R, B, G}},
        {"grey", tga(3, 2, 1, 8, 0x20, QByteArray("\x00\xff", 2)), {2, 1}, {qRgb(0, 0, 0), W}},
        {"16-bit", tga(2, 1, 1, 16, 0x20, QByteArray("\x00\x7c", 2)), {1, 1}, {R}},
        {"colour map, an index beyond it black",
         tga(1, 3, 1, 8, 0x20, bgr({G, B}) + QByteArray("\x01\x00\x07", 3), 2, 24),
         {3, 1},
         {B, G, qRgb(0, 0, 0)}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(TgaReader::canRead(c.file)) << c.name;
        const QImage image = TgaReader::read(c.file);
        EXPECT_EQ(image.size(), c.size) << c.name;
        EXPECT_EQ(pixelsOf(image), c.topDown) << c.name;
    }
}

// Untrusted files: anything malformed or cut short is no picture, and no
// size is taken on trust before the data can hold it.
TEST(TgaReader, MalformedOrShortFilesGiveNoPicture) {
    const QByteArray cases[] = {
        QByteArray("\x00\x00\x02", 3),                     // shorter than a header
        tga(2, 0, 4, 24, 0, bgr({R})),                     // no width
        tga(2, 8193, 1, 24, 0, QByteArray(8193 * 3, 'x')), // too wide
        tga(2, 1, 1, 12, 0, bgr({R})),                     // no such depth
        tga(7, 1, 1, 24, 0, bgr({R})),                     // no such type
        tga(2, 2, 2, 24, 0, bgr({R, G, B})),               // plain data cut short
        tga(10, 2, 2, 24, 0, QByteArray("\x81", 1) + bgr({R}) + QByteArray("\x85", 1)), // runs out
        tga(10, 8000, 8000, 24, 0, QByteArray("\xff", 1) + bgr({R})),   // a huge picture from bytes
        tga(1, 1, 1, 8, 0x20, bgr({R}) + QByteArray(1, '\0'), 300, 24), // map longer than the file
        tga(2, 1, 1, 24, 0, bgr({R}), 1, 24), // a map on a true-colour picture
    };
    for (const QByteArray& file : cases)
        EXPECT_TRUE(TgaReader::read(file).isNull()) << file.left(18).toHex().toStdString();
}

} // namespace
} // namespace fennick
