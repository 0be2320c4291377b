#pragma once

#include "maps/map_record.h"
#include "platform/text_file.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace fennick {

// "maps.lst": the map browser's groups that are kept from one run to the
// next, one map per line in seven comma-separated fields: name, group,
// title, mod, archive, times played and the day it was added. Texts are in
// double quotes with nothing escaped, so a double quote inside a text is
// written as an apostrophe and a line break as a space.
namespace maps_file {

// A file bigger than this is not a map list; it is not read.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

struct Contents {
    QVector<MapRecord> records; // in file order; records without a name included
    QString problem;            // why the file was not read, for the console
    // How the file was read; writing it back the same way keeps its bytes.
    platform::TextEncoding encoding = platform::TextEncoding::Utf8;
};

// The records of the file, one per line: a line with fewer than seven fields
// gives empty texts and zeros for the missing ones, and never borrows fields
// from the next line. Nothing (and no problem) when the file is missing.
Contents read(const QString& path);

// The line of one record, without its line end.
QString lineOf(const MapRecord& record);

// Whether a record is written: a record of a Recent group while it is
// younger than four days, the scanned groups (All, Mod, Map) never, every
// other group always.
bool keptAt(const MapRecord& record, double nowDaySerial);

// Whether a group path is one of the groups a scan fills (Quake III's All,
// Mod and Map). The file never holds them; a record of theirs in a
// hand-edited file is not loaded, so they start empty at every opening.
bool isScannedGroup(const QString& group);

// A day count in plain decimal notation, as short as the 32-bit value allows.
QString addtimeText(float addtime);

} // namespace maps_file

} // namespace fennick
