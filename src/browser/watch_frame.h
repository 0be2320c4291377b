#pragma once

#include "browser/server_record.h"
#include "browser/watch_sources.h"

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QVector>
#include <array>
#include <optional>

namespace fennick {

// One line of coloured text of a watch frame, placed in the window's
// pixels: drawn with PrintColoured from `at`, a highlight box (when given)
// reaching to `right`, and only inside `clip` when that is not empty.
struct WatchLine {
    QPointF at;
    QString text;
    int startColour = 7;
    std::optional<QColor> highlightBack;
    std::optional<QColor> highlightFore;
    qreal right = 0;
    QRectF clip;
};

// The server watch window as a model: ten watch slots (the first follows
// the browser's chosen server, the others stay empty), what each frame
// shows of them, the size the window grows or shrinks towards, and what a
// mouse press or move at a point means. The window asks for a frame 25
// times a second and draws the lines it gets.
class WatchFrame {
public:
    static constexpr int kSlots = 10;
    static constexpr QSize kMinSize{100, 150};
    static constexpr QSize kMaxSize{274, 444};
    // The strip along the bottom edge that holds the buttons.
    static constexpr int kButtonBand = 20;
    // The frame's art: rows across the top and strips down the sides.
    static constexpr int kTopRows = 6;
    static constexpr int kSideStrip = 2;
    static constexpr int kTitleTop = 10;
    static constexpr int kTitleLeft = 6;
    static constexpr int kRowLeft = 25;
    static constexpr int kDetailLeft = 30;
    static constexpr int kPlayerLeft = 40;
    // The player count starts this far from the right edge.
    static constexpr int kCountFromRight = 30;
    static constexpr int kSnapDistance = 10;
    static constexpr int kStepFraction = 20;
    static constexpr int kRowColour = 7;
    static constexpr int kHoverColour = 3;
    static constexpr int kFullColour = 1;
    static const QColor kTitleBack;
    static const QColor kPlayerFore;
    static const QColor kWinnerFore;
    static const QString kTitle;

    enum class Button { None, Close, Taller, Shorter, Narrower, Wider };
    // A button's span along the bottom edge, its ends excluded, and how it
    // changes the wanted size.
    struct ButtonSpan {
        Button button;
        int left;
        int right;
        QSize change;
    };
    static const std::array<ButtonSpan, 5>& buttons();

    explicit WatchFrame(WatchSources sources);

    // The window opened at this size, which it keeps until a button asks
    // for another.
    void open(QSize client);
    // Closing by the close button, the browser or the system.
    void markClosing() { closing_ = true; }
    bool closing() const { return closing_; }

    // One frame: the slots taken afresh from the browser and every line to
    // draw, from the title down, for a window of this size. Records where
    // each slot's row begins and ends, for the mouse.
    QVector<WatchLine> frame(QSize client, int lineHeight);
    // The size for the next frame: one twentieth of the way to the wanted
    // size, and at least a pixel, so the window reaches it exactly.
    QSize nextSize(QSize client) const;

    void mouseMoved(QPointF at, QSize client);
    void mouseLeft() { hovered_ = -1; }
    // Only the left button presses buttons and rows; the bottom band
    // belongs to the buttons. Returns the button pressed.
    Button mousePressed(Qt::MouseButton button, QPointF at, QSize client);
    // The slot whose row holds the point, -1 for none.
    int rowAt(QPointF at, QSize client) const;
    static Button buttonAt(QPointF at, QSize client);

    // The marker before a server's name: a green or yellow star, a yellow
    // or red dash as the ping grows.
    static QString pingMarker(int ping);
    // The row's line: the marker, then the name in the row's colour.
    static QString rowText(const ServerRecord& server, int colour);
    static bool isFull(const ServerRecord& server);
    // Where a window dropped at `window` goes: flush with every screen edge
    // it came within the snap distance of (or crossed).
    static QPoint snapToEdges(const QRect& window, const QRect& screen);

    const ServerRecord& slot(int index) const { return slots_[index]; }
    int expandedRow() const { return expanded_; }
    int hoveredRow() const { return hovered_; }
    bool fullList() const { return fullList_; }
    int rowTop(int index) const { return rowTop_[index]; }
    int rowBottom(int index) const { return rowBottom_[index]; }
    QSize targetSize() const { return target_; }

private:
    int layoutRow(int index, QSize client, int lineHeight, int y, QVector<WatchLine>& lines);
    QVector<WatchLine> details(const ServerRecord& server);
    void press(Button button);
    void toggleRow(int row);
    const QString& mapTitleOf(const QString& map);
    const QString& modDescriptionOf(const QString& mod);

    WatchSources sources_;
    std::array<ServerRecord, kSlots> slots_;
    std::array<int, kSlots> rowTop_{};
    std::array<int, kSlots> rowBottom_{};
    bool closing_ = false;
    int expanded_ = -1;
    int hovered_ = -1;
    bool fullList_ = false;
    QSize target_ = kMinSize;
    // The last title and description asked for: a frame asks 25 times a
    // second, and a map without a title would be looked for in every
    // archive each time.
    std::optional<std::pair<QString, QString>> mapTitle_;
    std::optional<std::pair<QString, QString>> modDescription_;
};

} // namespace fennick
