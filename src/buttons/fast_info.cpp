#include "buttons/fast_info.h"

#include "buttons/coloured_text.h"
#include "common/key_value.h"
#include "common/number_text.h"
#include "console/cvar_store.h"
#include "console/enum_table.h"
#include "core/game_state.h"

#include <QSet>

namespace fennick {

FastInfo::FastInfo(const EnumTable& enums, const GameState& game, const CvarStore& cvars,
                   Execute execute)
    : enums_(enums), game_(game), cvars_(cvars), execute_(std::move(execute)) {}

void FastInfo::ClearFastInfo() {
    entries_.clear();
}

void FastInfo::AddFastInfo(const QString& caption, const QString& category, const QString& lftclck,
                           const QString& rghtclck) {
    entries_.append({caption, category, lftclck, rghtclck});
}

void FastInfo::AddFastInfoFromCvar(const CvarRecord& record) {
    QString info = record.info;
    if (info.contains(QLatin1String("%v"))) {
        QString display = enums_.EnumDisplay(game_.currentGame, record.name, record.value);
        if (display.isEmpty())
            display = record.value;
        info = fillColoured(info, QStringLiteral("%v"), display);
    }
    // Values may hold colour codes (a player's name): they show in their
    // own colours, never as text.
    if (info.contains(QLatin1String("%m")))
        info = fillColoured(info, QStringLiteral("%m"),
                            mapTitle_ ? mapTitle_(record.value) : record.value);
    AddFastInfo(GetKeyValue(info, QStringLiteral("caption")),
                GetKeyValue(info, QStringLiteral("category")),
                GetKeyValue(info, QStringLiteral("lftclck")),
                GetKeyValue(info, QStringLiteral("rghtclck")));
}

void FastInfo::RedrawFastInfo(bool refresh) {
    ++redrawCount_;
    Q_EMIT redrawRequested(refresh);
}

QString FastInfo::modeHeading() const {
    const double mode = leadingNumber(cvars_.GetCvar(QStringLiteral("fenkit_mp")));
    if (mode == 1.0)
        return QStringLiteral("Single Player");
    if (mode == 2.0)
        return QStringLiteral("Multiplayer Server");
    if (mode == 3.0)
        return QStringLiteral("Multiplayer Client");
    return {};
}

QStringList FastInfo::headings() const {
    QStringList result;
    const QString mode = modeHeading();
    if (!mode.isEmpty())
        result.append(mode);
    QSet<QString> seen(result.cbegin(), result.cend());
    for (const FastInfoEntry& entry : entries_) {
        if (result.size() >= kMaxHeadings)
            break;
        if (!seen.contains(entry.category)) {
            seen.insert(entry.category);
            result.append(entry.category);
        }
    }
    return result;
}

QString FastInfo::headingText(const QString& heading) {
    return QStringLiteral("-=") + heading.toUpper() + QStringLiteral("=-");
}

QVector<qsizetype> FastInfo::drawingOrder() const {
    QVector<qsizetype> order;
    for (const QString& heading : headings()) {
        for (qsizetype i = 0; i < entries_.size(); ++i)
            if (entries_[i].category == heading)
                order.append(i);
    }
    return order;
}

int FastInfo::entryAt(int y) const {
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        const FastInfoEntry& entry = entries_[i];
        if (entry.top <= y && y < entry.bottom && entry.hasCommand())
            return int(i);
    }
    return -1;
}

void FastInfo::release(bool rightButton, int y) {
    run(entryAt(y), rightButton);
}

void FastInfo::run(int index, bool rightButton) {
    if (index < 0 || index >= entries_.size())
        return;
    const QString command = rightButton ? entries_[index].rghtclck : entries_[index].lftclck;
    if (!command.isEmpty())
        execute_(command);
}

QVector<int> FastInfo::commandLines() const {
    QVector<int> lines;
    for (qsizetype index : drawingOrder())
        if (entries_[index].hasCommand())
            lines.append(int(index));
    return lines;
}

} // namespace fennick
