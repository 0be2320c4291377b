#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace fennick {

// What the next launch would do: the game's command line, the lines of the
// start-up script and where it goes, and how long the rebuild took. Always
// derived data, rebuilt from the cvar store; the console window shows it.
// After a rebuild that wrote the script, the path is where it was written.
class LaunchPreview : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    QString commandLine;
    QStringList scriptLines;
    QString scriptPath;
    QString scriptNote;         // why the script goes to a per-user folder
    bool scriptWritten = false; // the last rebuild wrote the script there
    QString makeTimeText;

    void notifyChanged() { Q_EMIT changed(); }

Q_SIGNALS:
    void changed();
};

} // namespace fennick
