#pragma once

#include "console/cvar_record.h"

#include <QObject>
#include <QStringList>
#include <QVector>
#include <functional>

namespace fennick {

class EnumTable;
class CvarStore;
struct GameState;

// One line of the fast-info panel. `top` and `bottom` are where the line
// was last drawn, in panel pixels.
struct FastInfoEntry {
    QString caption;
    QString category;
    QString lftclck;
    QString rghtclck;
    qint16 top = 0;
    qint16 bottom = 0;

    bool hasCommand() const { return !lftclck.isEmpty() || !rghtclck.isEmpty(); }
};

// The fast-info panel's model: the lines the last command-line rebuild
// gave, grouped under headings, and the clicks on them. The drawing is
// FastInfoPainter's; a view redraws when asked through redrawRequested.
class FastInfo : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxHeadings = 51;
    using Execute = std::function<void(const QString& line)>;
    using MapTitle = std::function<QString(const QString& map)>;

    FastInfo(const EnumTable& enums, const GameState& game, const CvarStore& cvars,
             Execute execute);

    // The title shown for "%m"; the map name itself until set.
    void setMapTitle(MapTitle mapTitle) { mapTitle_ = std::move(mapTitle); }

    void ClearFastInfo();
    void AddFastInfo(const QString& caption, const QString& category, const QString& lftclck,
                     const QString& rghtclck);
    // The record's info text with "%v" and "%m" filled in, read as a
    // caption, a category and the two click commands.
    void AddFastInfoFromCvar(const CvarRecord& record);
    // Asks the views to redraw; with `refresh` they also show the map's
    // level shot.
    void RedrawFastInfo(bool refresh);

    // The extra first heading that fenkit_mp gives, or the empty text.
    QString modeHeading() const;
    // The headings in drawing order: the mode heading, then each category
    // in order of first appearance; at most kMaxHeadings.
    QStringList headings() const;
    // How a heading is drawn: "-=" + the heading in capitals + "=-".
    static QString headingText(const QString& heading);
    // The entries' indices in the order they are drawn.
    QVector<qsizetype> drawingOrder() const;

    // The first drawn line under `y` that carries a command, or -1.
    int entryAt(int y) const;
    // A mouse button released over the panel: runs the line's command for
    // that button (left or right), if it has one.
    void release(bool rightButton, int y);
    // The same for a line chosen by index (from the keyboard).
    void run(int index, bool rightButton);
    // The lines that carry a command, in the order they are drawn.
    QVector<int> commandLines() const;

    const QVector<FastInfoEntry>& entries() const { return entries_; }
    QVector<FastInfoEntry>& entries() { return entries_; }
    int redrawCount() const { return redrawCount_; }

Q_SIGNALS:
    void redrawRequested(bool refresh);

private:
    const EnumTable& enums_;
    const GameState& game_;
    const CvarStore& cvars_;
    Execute execute_;
    MapTitle mapTitle_;
    QVector<FastInfoEntry> entries_;
    int redrawCount_ = 0;
};

} // namespace fennick
