#include "console/catalogue.h"

#include "common/number_text.h"
#include "common/record_reader.h"
#include "core/console_log.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace fennick {

void Catalogue::clear() {
    entries_.clear();
    index_.clear();
}

void Catalogue::loadText(const QString& text) {
    RecordReader reader(text);
    while (std::optional<QStringList> fields = reader.nextRecord(8)) {
        PredefinedCommand entry;
        entry.game = fields->at(0);
        entry.name = fields->at(1);
        entry.scope = parseInt16Field(fields->at(2));
        entry.placement = parseInt16Field(fields->at(3));
        entry.mode = parseInt16Field(fields->at(5));
        entry.info = fields->at(6);
        entry.help = fields->at(7);
        const std::pair<QString, QString> key{entry.game, entry.name};
        auto it = index_.find(key);
        if (it != index_.end()) {
            PredefinedCommand& existing = entries_[*it];
            existing.scope = entry.scope;
            existing.placement = entry.placement;
            existing.info = entry.info;
            existing.help = entry.help;
            existing.mode = entry.mode;
        } else {
            index_.insert(key, entries_.size());
            entries_.append(entry);
        }
    }
}

void Catalogue::LoadCommands(const QString& programFolder, ConsoleLog& console,
                             const platform::Clock& clock) {
    clear();
    const double start = clock.secondsSinceMidnight();
    const QString path = platform::joinPath(programFolder, QStringLiteral("cmds.lst"));
    if (!platform::fileExists(path))
        return;
    if (std::optional<QString> text = platform::readText(path))
        loadText(*text);
    console.ConsolePrint(QString::number(entries_.size()) +
                         QStringLiteral(" pre-defined commands loaded from cmds.lst (") +
                         formatSeconds(clock.elapsedSince(start)) + QStringLiteral(" sec)"));
}

const PredefinedCommand* Catalogue::find(const QString& game, const QString& name) const {
    auto it = index_.constFind(std::pair<QString, QString>{game, name});
    return it == index_.constEnd() ? nullptr : &entries_[*it];
}

} // namespace fennick
