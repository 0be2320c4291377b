#include "archive/tga_reader.h"

#include <optional>

namespace fennick {

namespace {

constexpr int kHeaderBytes = 18;

enum Kind { ColourMapped = 1, TrueColour = 2, Grey = 3 };
constexpr int kRunLength = 8; // added to the kind for the encoded forms

struct Header {
    int idLength = 0;
    int mapType = 0;
    int imageType = 0;
    int mapFirst = 0;
    int mapLength = 0;
    int mapEntryBits = 0;
    int width = 0;
    int height = 0;
    int bits = 0;
    int descriptor = 0;

    int kind() const { return imageType & ~kRunLength; }
    bool runLength() const { return (imageType & kRunLength) != 0; }
    bool topDown() const { return (descriptor & 0x20) != 0; }
    bool rightToLeft() const { return (descriptor & 0x10) != 0; }
    bool alpha() const { return (descriptor & 0x0F) != 0; }
};

int word(const QByteArray& bytes, int at) {
    return quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8);
}

bool validBits(int kind, int bits, int mapEntryBits) {
    switch (kind) {
    case TrueColour:
        return bits == 15 || bits == 16 || bits == 24 || bits == 32;
    case Grey:
        return bits == 8;
    case ColourMapped:
        return bits == 8 && (mapEntryBits == 15 || mapEntryBits == 16 || mapEntryBits == 24 ||
                             mapEntryBits == 32);
    default:
        return false;
    }
}

std::optional<Header> readHeader(const QByteArray& bytes) {
    if (bytes.size() < kHeaderBytes)
        return std::nullopt;
    Header h;
    h.idLength = quint8(bytes[0]);
    h.mapType = quint8(bytes[1]);
    h.imageType = quint8(bytes[2]);
    h.mapFirst = word(bytes, 3);
    h.mapLength = word(bytes, 5);
    h.mapEntryBits = quint8(bytes[7]);
    h.width = word(bytes, 12);
    h.height = word(bytes, 14);
    h.bits = quint8(bytes[16]);
    h.descriptor = quint8(bytes[17]);
    if (h.mapType > 1 || (h.kind() == ColourMapped) != (h.mapType == 1))
        return std::nullopt;
    if (h.imageType != h.kind() && h.imageType != h.kind() + kRunLength)
        return std::nullopt;
    if (!validBits(h.kind(), h.bits, h.mapEntryBits))
        return std::nullopt;
    if (h.width <= 0 || h.height <= 0 || h.width > TgaReader::kMaxSide ||
        h.height > TgaReader::kMaxSide)
        return std::nullopt;
    return h;
}

// One stored colour of `bits` bits at `data` as an ARGB value.
QRgb colourOf(const uchar* data, int bits) {
    switch (bits) {
    case 8:
        return qRgb(data[0], data[0], data[0]);
    case 15:
    case 16: {
        const int value = data[0] | (data[1] << 8);
        const auto scale = [](int five) { return (five << 3) | (five >> 2); };
        return qRgb(scale((value >> 10) & 31), scale((value >> 5) & 31), scale(value & 31));
    }
    case 24:
        return qRgb(data[2], data[1], data[0]);
    default:
        return qRgba(data[2], data[1], data[0], data[3]);
    }
}

// Reads stored pixels one after another, plain or run-length encoded;
// every read is checked against the end of the data.
class PixelSource {
public:
    PixelSource(const QByteArray& bytes, qsizetype at, int pixelBytes, bool runLength)
        : data_(reinterpret_cast<const uchar*>(bytes.constData())), size_(bytes.size()), at_(at),
          pixelBytes_(pixelBytes), runLength_(runLength) {}

    // The next stored pixel, or nothing when the data ends first.
    const uchar* next() {
        if (!runLength_)
            return take();
        if (left_ == 0) {
            if (at_ >= size_)
                return nullptr;
            const uchar packet = data_[at_++];
            repeat_ = (packet & 0x80) != 0;
            left_ = (packet & 0x7F) + 1;
            if (repeat_ && !(pixel_ = take()))
                return nullptr;
        }
        --left_;
        return repeat_ ? pixel_ : take();
    }

private:
    const uchar* take() {
        if (size_ - at_ < pixelBytes_)
            return nullptr;
        const uchar* pixel = data_ + at_;
        at_ += pixelBytes_;
        return pixel;
    }

    const uchar* data_;
    qsizetype size_;
    qsizetype at_;
    int pixelBytes_;
    bool runLength_;
    bool repeat_ = false;
    int left_ = 0;
    const uchar* pixel_ = nullptr;
};

// The colour map of a colour-mapped picture, from its first index on.
std::optional<QVector<QRgb>> readColourMap(const QByteArray& bytes, const Header& h) {
    const int entryBytes = (h.mapEntryBits + 7) / 8;
    const qsizetype at = kHeaderBytes + h.idLength;
    if (bytes.size() - at < qsizetype(h.mapLength) * entryBytes)
        return std::nullopt;
    QVector<QRgb> map(h.mapFirst + h.mapLength, qRgb(0, 0, 0));
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData()) + at;
    for (int i = 0; i < h.mapLength; ++i)
        map[h.mapFirst + i] = colourOf(data + qsizetype(i) * entryBytes, h.mapEntryBits);
    return map;
}

} // namespace

bool TgaReader::canRead(const QByteArray& bytes) {
    return readHeader(bytes).has_value();
}

QImage TgaReader::read(const QByteArray& bytes) {
    const std::optional<Header> header = readHeader(bytes);
    if (!header)
        return {};
    const Header& h = *header;
    QVector<QRgb> map;
    qsizetype at = kHeaderBytes + h.idLength;
    if (h.mapType == 1) {
        const std::optional<QVector<QRgb>> read = readColourMap(bytes, h);
        if (!read)
            return {};
        map = *read;
        at += qsizetype(h.mapLength) * ((h.mapEntryBits + 7) / 8);
    }
    const int pixelBytes = (h.bits + 7) / 8;
    // The data must be able to hold the picture before memory is taken for
    // it: all of it when plain, a packet per 128 pixels at least when
    // run-length encoded.
    const qsizetype pixels = qsizetype(h.width) * h.height;
    const qsizetype least =
        h.runLength() ? (pixels + 127) / 128 * (1 + pixelBytes) : pixels * pixelBytes;
    if (bytes.size() - at < least)
        return {};
    const bool alpha = h.bits == 32 && h.alpha();
    QImage image(h.width, h.height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return {};
    PixelSource source(bytes, at, pixelBytes, h.runLength());
    for (int row = 0; row < h.height; ++row) {
        auto* line =
            reinterpret_cast<QRgb*>(image.scanLine(h.topDown() ? row : h.height - 1 - row));
        for (int column = 0; column < h.width; ++column) {
            const uchar* pixel = source.next();
            if (!pixel)
                return {};
            QRgb colour = 0;
            if (h.kind() == ColourMapped)
                colour = pixel[0] < map.size() ? map[pixel[0]] : qRgb(0, 0, 0);
            else
                colour = colourOf(pixel, h.bits);
            line[h.rightToLeft() ? h.width - 1 - column : column] =
                alpha ? colour : (colour | 0xFF000000u);
        }
    }
    return image;
}

} // namespace fennick
