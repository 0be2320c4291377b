#pragma once

#include <QString>
#include <QStringList>

namespace fennick::platform {

// What the machine says about installed programs and folders: programs on
// the search path, the user's home folder, where system-wide games live and
// which folders the program may write into. The program uses the real one;
// tests derive a fake that answers from temporary folders.
class SystemLookup {
public:
    virtual ~SystemLookup() = default;

    // The full path of an executable file of that name in a folder of the
    // PATH environment variable, read at the time of the call; empty when
    // there is none.
    virtual QString findOnPath(const QString& name) const;

    // The user's home folder.
    virtual QString homeFolder() const;

    // The processor architecture of the machine the program runs on, as
    // QSysInfo names it ("x86_64", "i386", "arm64"): the engines' release
    // archives name their programs after it.
    virtual QString machineArchitecture() const;

    // Where distributions install games for every user: "/usr/share/games"
    // and "/usr/local/games" on Linux and other Unix systems, none on
    // Windows.
    virtual QStringList systemGameRoots() const;

    // True when the program may put its own files into the folder: it
    // exists, the user may write into it, and it is not part of a
    // system-wide installation. Folders below "/usr" and "/opt" belong to
    // the system's packages, so they count as read-only even for an
    // account that could write there (root): an engine started from a
    // package looks for the user's files in its per-user folder, not there.
    virtual bool canWriteInto(const QString& folder) const;

    // A path typed by the user with "~" for the home folder ("~/.q3a").
    QString expandHome(const QString& path) const;
};

// True for an existing file that the user may execute.
bool isExecutableFile(const QString& path);

} // namespace fennick::platform
