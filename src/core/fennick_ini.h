#pragma once

#include <QList>
#include <QMap>
#include <QRect>
#include <QString>

namespace fennick {

// "fennick.ini" in the program folder: the settings that "config.cfg" has
// no room for, kept in INI sections and read and written with QSettings.
// Every key has a typed accessor with its default; a missing file or key
// gives the default. Another section is one more pair of accessors.
//
//   [engines]  quake1=, quake2=, quake3=   the native engine to start for a
//              game: a full path or a program name found on PATH; empty
//              means the first well-known engine found
//   [homes]    quake1=, quake2=, quake3=   the folder the engine keeps the
//              user's files in ("~/.q3a"), used for the start-up script
//              when the game folder is read-only; empty means the
//              engine's own
//   [serverbrowser], [mapbrowser]  where the browser window was left:
//              geometry=x y width height, splitter=tree list (widths),
//              sortcolumn= the key of the column the user sorted by,
//              sortorder=ascending or descending; written when the window
//              closes, empty until then
//   [server-filter]  the server browser's filters, read and written by
//              ServerFilter (src/browser/server_filter.h)
class FennickIni {
public:
    enum class FileState { Missing, Read, Damaged };

    explicit FennickIni(QString path);

    // Reads the file. A damaged file keeps what could be read and the
    // defaults for the rest; the start goes on either way.
    FileState load();
    FileState state() const { return state_; }
    const QString& path() const { return path_; }

    // Writes the file when a value was changed since it was read, or when
    // there is none yet (so every key can be seen and edited). Keys the
    // program does not know stay as they were. False, with the reason in
    // `error`, when it could not be written.
    bool save(QString* error = nullptr);

    // [engines]: per game ("quake1", "quake2", "quake3").
    QString engine(const QString& game) const;
    void setEngine(const QString& game, const QString& value);

    // [homes]: per game.
    QString home(const QString& game) const;
    void setHome(const QString& game, const QString& value);

    // [serverbrowser] and [mapbrowser]: the browser window's place, sizes
    // and the user's sort, as the window was closed.
    struct BrowserPlace {
        QRect geometry; // empty when none was kept
        QList<int> splitter;
        QString sortColumn; // a column key, empty for none
        Qt::SortOrder sortOrder = Qt::AscendingOrder;
    };
    static const QString kServerBrowser;
    static const QString kMapBrowser;
    BrowserPlace browserPlace(const QString& section) const;
    void setBrowserPlace(const QString& section, const BrowserPlace& place);

    // Any key of any section, for a section whose owner keeps its types
    // (the server browser's filters).
    QString text(const QString& section, const QString& key, const QString& fallback) const;
    void setText(const QString& section, const QString& key, const QString& value);

private:
    QString path_;
    // "section/key" to value, as QSettings names them.
    QMap<QString, QString> values_;
    FileState state_ = FileState::Missing;
    bool changed_ = false;
};

} // namespace fennick
