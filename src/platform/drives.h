#pragma once

#include <QString>
#include <QStringList>

// The places searched for installed games on the very first start.
namespace fennick::platform {

// The fixed "drives" of this machine, in search order: on Windows the roots
// of the fixed disks ("C:\", "D:\"); elsewhere the user's home folder and
// then "/". Removable and network drives are never listed.
QStringList fixedDrives();

// A folder below a drive root: joined with the native separator and looked
// up ignoring letter case component by component, so "games\quake3" below
// the home folder finds ~/Games/Quake3. The joined path when nothing on disk
// matches.
QString folderOnDrive(const QString& drive, const QString& relative);

// Where the default game folders are built: "c:\" on Windows (the usual
// system disk), elsewhere the first of the given drives (the home folder).
QString defaultGameRoot(const QStringList& drives);

} // namespace fennick::platform
