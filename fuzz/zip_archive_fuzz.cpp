// Feeds arbitrary bytes to the archive readers as a .pk3 file: the listing
// of every member and the extraction of every member into "temp". Besides
// crashes and sanitizer reports it checks what must always hold: every
// report line is 80 columns and ends in CR LF, and extraction leaves only
// plain files directly inside "temp", no folders and no temporary files.
#include "archive/zip_extraction.h"
#include "archive/zip_listing.h"
#include "fuzz_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

using namespace fennick;

namespace {

[[noreturn]] void fail(const char* what, const QString& detail) {
    fuzz::fail("zip_archive", what, detail);
}

void checkReport(const QString& report) {
    const QStringList lines = report.split(QStringLiteral("\r\n"));
    if (!report.isEmpty() && !report.endsWith(QStringLiteral("\r\n")))
        fail("report without a final line end", report.right(90));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        if (lines[i].size() != 80 || lines[i].contains(QLatin1Char('\n')))
            fail("report line not 80 columns", lines[i]);
}

// Everything below the folder must be the archive and plain files of "temp".
void checkFolder(const QTemporaryDir& dir) {
    QDirIterator it(dir.path(),
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QDir(dir.path()).relativeFilePath(it.next());
        const QFileInfo info = it.fileInfo();
        if (path == QLatin1String("fuzz.pk3") || path == QLatin1String("temp"))
            continue;
        if (!path.startsWith(QLatin1String("temp/")) || path.count(QLatin1Char('/')) != 1 ||
            !info.isFile() || info.isSymLink() || path.endsWith(QLatin1String(".part")))
            fail("unexpected entry", path);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QTemporaryDir dir;
    const QString archive = dir.filePath(QStringLiteral("fuzz.pk3"));
    QFile file(archive);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    checkReport(ListZip(archive, QStringLiteral("*")));
    // Small bounds keep each run short; the real ones only differ in size.
    UnzipFiles(archive, dir.filePath(QStringLiteral("temp")), QStringLiteral("*"),
               ExtractLimits{1 << 20, 4 << 20});
    checkFolder(dir);
    return 0;
}
