// Feeds arbitrary bytes to the "maps.lst" reader. Besides crashes and
// sanitizer reports it checks the round trip: the records read, saved as
// the map browser saves them and read again, are the records read (a
// double quote in a text comes back as an apostrophe).
#include "fuzz_support.h"
#include "maps/maps_file.h"
#include "platform/text_file.h"

#include <QTemporaryDir>

using namespace fennick;

namespace {

MapRecord saved(MapRecord r) {
    for (QString* text : {&r.name, &r.group, &r.fullname, &r.mod, &r.pak})
        *text = fuzz::asQuotedField(*text);
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("maps.lst"));
    if (!platform::writeFileBytes(path, fuzz::bytesOf(data, size)))
        return 0;
    const maps_file::Contents first = maps_file::read(path);
    QStringList lines;
    for (const MapRecord& record : first.records)
        lines.append(maps_file::lineOf(record));
    if (!platform::writeTextLines(path, lines, nullptr, first.encoding))
        return 0;
    const maps_file::Contents again = maps_file::read(path);
    if (again.records.size() != first.records.size())
        fuzz::fail("maps_file", "another number of records read back",
                   lines.join(QLatin1Char('|')));
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (again.records[i] != saved(first.records[i]))
            fuzz::fail("maps_file", "saved line reads back otherwise", lines[i]);
    return 0;
}
