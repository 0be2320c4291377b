#pragma once

#include <QImage>

namespace fennick {

// The watch window's own art, generated in code: a frame picture (a
// bevelled metal band with the close and size buttons at its left end)
// and a tileable texture that is laid over the whole window and combined
// with it by a bitwise AND of the pixels.
class WatchArt {
public:
    static constexpr int kFrameWidth = 320; // wider than the widest window
    static constexpr int kTextureSize = 64;
    // The colour the window is cleared with. Its low bits are all set, so
    // the texture's light grey (each channel 224 to 255) shows through the
    // AND as a smooth dark-blue grain.
    static const QColor kBackColour;

    static QImage framePicture();
    static QImage texturePicture();

    // The whole background of a window of this size: cleared, the frame
    // picture as a band along the bottom edge, its top rows across the top,
    // strips of it down the sides, and the texture over all of it.
    static QImage background(QSize size, const QImage& frame, const QImage& texture);
};

} // namespace fennick
