#include "cli/json_report.h"

#include "app/program.h"
#include "cli/main_window_report.h"

#include <QJsonArray>

namespace fennick::cli {

QJsonObject jsonReport(const Program& program, const QStringList& consoleLines,
                       const QStringList& uiReports) {
    const QString& game = program.game.currentGame;
    QJsonArray cvars;
    for (const CvarRecord& record : program.cvars.records()) {
        // "display" is what a combo box bound to the cvar would show.
        cvars.append(QJsonObject{
            {QStringLiteral("name"), record.name},
            {QStringLiteral("value"), record.value},
            {QStringLiteral("display"), program.enums.EnumDisplay(game, record.name, record.value)},
            {QStringLiteral("scope"), record.scope},
            {QStringLiteral("placement"), record.placement},
            {QStringLiteral("kind"), record.kind},
            {QStringLiteral("info"), record.info},
            {QStringLiteral("mode"), record.mode}});
    }
    // The current game's enumerations in table order, player profiles
    // included.
    QJsonArray enumerations;
    for (const EnumEntry& entry : program.enums.entries()) {
        if (entry.game != game)
            continue;
        enumerations.append(QJsonObject{{QStringLiteral("cvar"), entry.cvar},
                                        {QStringLiteral("display"), entry.display},
                                        {QStringLiteral("value"), entry.value}});
    }
    QJsonObject report;
    report.insert(QStringLiteral("console"), QJsonArray::fromStringList(consoleLines));
    report.insert(QStringLiteral("cvars"), cvars);
    report.insert(QStringLiteral("enumerations"), enumerations);
    report.insert(QStringLiteral("ui"), QJsonArray::fromStringList(uiReports));
    report.insert(QStringLiteral("commandLine"), program.preview.commandLine);
    report.insert(QStringLiteral("scriptLines"),
                  QJsonArray::fromStringList(program.preview.scriptLines));
    report.insert(QStringLiteral("scriptPath"), program.preview.scriptPath);
    report.insert(QStringLiteral("scriptNote"), program.preview.scriptNote);
    report.insert(QStringLiteral("scriptWritten"), program.preview.scriptWritten);
    report.insert(QStringLiteral("buttons"), buttonsReport(program));
    report.insert(QStringLiteral("fastInfo"), fastInfoReport(program));
    return report;
}

} // namespace fennick::cli
