#pragma once

#include "archive/zip_member.h"

#include <QString>

// The text report of the members of an archive that match a pattern, as
// the map scan reads it: a header line, then one line per member, every
// line 80 columns wide and ended by CR LF.
namespace fennick {

struct ZipListing {
    bool readable = false; // false: missing, not a file or not a ZIP archive
    QString error;         // why it was not readable
    QString report;        // empty when no member matched
    int members = 0;
};

ZipListing listZipMembers(const QString& archivePath, const QString& pattern);

// The report of the members matching the pattern, or the empty text when
// none matched (also when the file is not a readable ZIP archive).
QString ListZip(const QString& archivePath, const QString& pattern);

// The report's header line and the line of one member, without the line end.
QString zipReportHeader();
QString zipReportLine(const ZipMember& member);
// What a member's line shows of its path: the first 50 characters, control
// characters as "?".
QString zipReportPath(const QString& memberPath);

} // namespace fennick
