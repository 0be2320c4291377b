#pragma once

#include <QString>
#include <QStringList>

// Extraction of the archive members that match a pattern into one folder
// (the program's "temp"). Whatever a member's path says, only plain files
// land directly in that folder, each under the last part of the member's
// path; folders are not recreated. Existing files are replaced in one step,
// encrypted members are skipped, and sizes are bounded, so a damaged or
// hostile archive yields what is readable and nothing else.
namespace fennick {

struct ExtractLimits {
    // A member declaring more, or giving more when unpacked, is skipped.
    qint64 memberBytes = 64LL * 1024 * 1024;
    // Once one call has written this much, the remaining members are skipped.
    qint64 totalBytes = 1024LL * 1024 * 1024;
};

struct ExtractResult {
    bool readable = false; // the archive opened
    QString error;         // why it did not
    QStringList written;   // file names written into the folder, in order
    QStringList problems;  // one line per skipped member, for the console
};

// Extracts the members of `archivePath` matching `pattern` into
// `destination`, creating that folder when missing.
ExtractResult UnzipFiles(const QString& archivePath, const QString& destination,
                         const QString& pattern, const ExtractLimits& limits = {});

// The name a member is written under: the last part of its path (split at
// "/", "\" and ":"), or the empty text when that gives no usable file name
// (a folder, an empty name, "." or "..", control characters, a device name).
QString extractedFileName(const QString& memberPath);

} // namespace fennick
