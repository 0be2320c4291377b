#pragma once

#include <QString>
#include <QStringList>

namespace fennick {

// The record of the shipped files last seen, kept in the user's program
// folder: one line per file, its relative name and the SHA-256 of the
// shipped version, both quoted.
inline const QString kShippedRecordName = QStringLiteral("shipped.lst");

struct SeedResult {
    QStringList notes; // for the log and the console
    QString error;     // not empty when a file could not be read or written
};

// Brings a user's program folder up to date with the shipped content, file
// by file (looked up ignoring letter case):
// - a shipped file the folder lacks is copied in;
// - a file still byte-identical to the shipped version recorded last time
//   (the user never changed it) is replaced by a newer shipped version;
// - a file the user changed is kept; a newer shipped version is written
//   beside it as NAME.new, once per shipped version, with a note.
// Nothing else in the folder is touched. Every write replaces its file
// atomically.
SeedResult seedProgramFolder(const QString& shippedFolder, const QString& programFolder);

} // namespace fennick
