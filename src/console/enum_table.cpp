#include "console/enum_table.h"

#include "common/number_text.h"
#include "common/record_reader.h"
#include "core/console_log.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace fennick {

void EnumTable::clear() {
    entries_.clear();
    seen_.clear();
}

void EnumTable::add(const EnumEntry& entry) {
    if (seen_.contains(entry))
        return;
    seen_.insert(entry);
    entries_.append(entry);
}

void EnumTable::loadText(const QString& text) {
    RecordReader reader(text);
    while (std::optional<QStringList> fields = reader.nextRecord(4))
        add({fields->at(0), fields->at(1), fields->at(2), fields->at(3)});
}

void EnumTable::addProfiles(const QStringList& profileFileNames) {
    static const struct {
        const char* prefix;
        const char* game;
    } kGames[] = {{"q1_", "quake1"}, {"q2_", "quake2"}, {"q3_", "quake3"}};
    for (const QString& file : profileFileNames) {
        if (file.size() < 7)
            continue;
        for (const auto& g : kGames) {
            if (file.startsWith(QLatin1String(g.prefix))) {
                const QString player = file.mid(3, file.size() - 7);
                add({QLatin1String(g.game), QStringLiteral("fenkit_player"), player, player});
                break;
            }
        }
    }
}

void EnumTable::LoadEnums(const QString& programFolder, ConsoleLog& console,
                          const platform::Clock& clock) {
    const double start = clock.secondsSinceMidnight();
    const QString path = platform::joinPath(programFolder, QStringLiteral("enums.lst"));
    if (platform::fileExists(path)) {
        if (std::optional<QString> text = platform::readText(path))
            loadText(*text);
    }
    addProfiles(platform::listFiles(platform::joinPath(programFolder, QStringLiteral("config")),
                                    QStringLiteral("*.fkp")));
    console.ConsolePrint(QString::number(entries_.size()) +
                         QStringLiteral(" enumerations loaded from enums.lst. (") +
                         formatSeconds(clock.elapsedSince(start)) + QStringLiteral(" sec)"));
}

QString EnumTable::EnumValue(const QString& game, const QString& cvar,
                             const QString& display) const {
    for (const EnumEntry& e : entries_) {
        if (e.game == game && e.cvar == cvar && e.display == display)
            return e.value;
    }
    return display;
}

QString EnumTable::EnumDisplay(const QString& game, const QString& cvar,
                               const QString& value) const {
    for (const EnumEntry& e : entries_) {
        if (e.game == game && e.cvar == cvar && e.value == value)
            return e.display;
    }
    return value;
}

QStringList EnumTable::FillEnumList(const QString& game, const QString& cvar) const {
    QStringList list;
    for (const EnumEntry& e : entries_) {
        if (e.game == game && e.cvar == cvar)
            list.append(e.display);
    }
    return list;
}

} // namespace fennick
