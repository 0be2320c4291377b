#pragma once

#include <QByteArray>
#include <QImage>

namespace fennick {

// Reads a Truevision TGA picture, as the games store many level shots
// (OpenArena's archives mostly): true-colour (15, 16, 24 or 32 bits),
// grey (8 bits) and colour-mapped (8-bit indices), each plain or
// run-length encoded, with the origin at either corner. The bytes are
// untrusted: sizes are checked before anything is decoded, and a picture
// that is larger than kMaxSide, cut short or malformed gives a null image.
class TgaReader {
public:
    static constexpr int kMaxSide = 8192;

    // True when the bytes begin with a TGA header this reader can decode;
    // TGA has no signature, so this is how a ".tga" file is told apart.
    static bool canRead(const QByteArray& bytes);

    static QImage read(const QByteArray& bytes);
};

} // namespace fennick
