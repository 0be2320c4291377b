#pragma once

#include "browser/server_record.h"

#include <QString>
#include <QVector>

namespace fennick {

// "servers.lst": one line per server, seven comma-separated fields:
// address, group, name, ping, message of the day, password and the day it
// was added. Texts are in double quotes with nothing escaped, so a double
// quote inside a text is written as an apostrophe and a line break (a
// server's name may hold one) as a space; the day is the shortest text that
// reads back as the same number. The file is read and written byte for
// byte (Latin-1), as datagrams are, so names keep the bytes their servers
// sent; they are decoded only to be shown.
namespace servers_file {

// A file bigger than this is not a server list; it is not read.
constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;

// The records the file holds, each with only its seven fields; an empty
// list when the file is missing, too big or unreadable.
QVector<ServerRecord> read(const QString& path);

// The line of one record, without its line end.
QString lineOf(const ServerRecord& record);

// A Recent record is kept for four days from the day it was added, and
// never when it has no day; records of other groups are always kept.
bool keptAt(const ServerRecord& record, double nowDaySerial);

} // namespace servers_file

} // namespace fennick
