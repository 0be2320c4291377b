// Feeds arbitrary bytes to the readers of "fennick.ini": the engines and
// per-user folders, and the server browser's "[network]" section. Besides
// crashes and sanitizer reports it checks the round trip: what was read,
// saved by the program (which keeps the keys it does not know) and read
// again is what was read.
#include "browser/network_settings.h"
#include "core/fennick_ini.h"
#include "core/game_facts.h"
#include "fuzz_support.h"
#include "platform/text_file.h"

#include <QFile>
#include <QTemporaryDir>

using namespace fennick;

namespace {

QStringList valuesOf(const FennickIni& ini, const QString& path) {
    QStringList values;
    for (const QString& game : {kQuake1, kQuake2, kQuake3})
        values << ini.engine(game) << ini.home(game);
    const NetworkSettings network = NetworkSettings::load(path);
    values << network.masters.join(QLatin1Char('|')) << network.broadcast
           << QString::number(network.protocol) << network.keywords;
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fennick.ini"));
    if (!platform::writeFileBytes(path, fuzz::bytesOf(data, size)))
        return 0;
    FennickIni first(path);
    first.load();
    const QStringList read = valuesOf(first, path);
    // A change and its undoing make the program write the file.
    const QString engine = first.engine(kQuake3);
    first.setEngine(kQuake3, engine + QLatin1Char('x'));
    first.setEngine(kQuake3, engine);
    if (!first.save())
        return 0;
    // Read from another name: Qt's settings cache would answer for this one.
    const QString copy = dir.filePath(QStringLiteral("again.ini"));
    if (!QFile::copy(path, copy))
        return 0;
    FennickIni again(copy);
    again.load();
    const QStringList back = valuesOf(again, copy);
    for (qsizetype i = 0; i < read.size(); ++i)
        if (back[i] != read[i])
            fuzz::fail("fennick_ini", "value read back otherwise",
                       read[i] + QStringLiteral(" -> ") + back[i]);
    return 0;
}
