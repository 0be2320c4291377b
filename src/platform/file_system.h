#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// File look-ups as the program expects them on every system: a name exists
// when a look-up that ignores letter case finds it, and paths written with
// backslashes ("forms\q3_quake3_bot.frm", "c:\quake") resolve component by
// component.
namespace fennick::platform {

// Joins a folder and a relative name with the native separator. Backslashes
// in the relative name are turned into native separators.
QString joinPath(const QString& folder, const QString& name);

// Turns every "\" and "/" of a file path into the native separator.
QString nativePath(const QString& path);

// The path as it stands on disk, each component found ignoring case.
// Nothing when some component does not exist.
std::optional<QString> resolvePath(const QString& path);

bool fileExists(const QString& path);
bool folderExists(const QString& path);

// True for a plain file at exactly this path (a link to one counts), never a
// folder, device or pipe, which could block a reader or never end. Otherwise
// `why` says "no such file" or "not a plain file".
bool isPlainFile(const QString& path, QString* why = nullptr);

// Files of a folder whose names match one of the wildcard patterns
// ("*.fkc", "*.cfg;*.txt"), ignoring case, sorted by name ignoring case.
QStringList listFiles(const QString& folder, const QString& patterns);

// Sub-folders of a folder, sorted by name ignoring case.
QStringList listFolders(const QString& folder);

// Creates a folder (and its parents); false with a reason on failure.
bool makeFolder(const QString& path, QString* error = nullptr);

// The last component of a path, split at "\" or "/".
QString fileNameOf(const QString& path);

// The path without its last component (and the separator before it).
QString parentFolderOf(const QString& path);

} // namespace fennick::platform
