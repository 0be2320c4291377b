#include "cli/json_report.h"

#include "app/program.h"

#include <QJsonArray>

namespace fennick::cli {

QJsonObject jsonReport(const Program& program, const QStringList& consoleLines,
                       const QStringList& uiReports) {
    QJsonArray cvars;
    for (const CvarRecord& record : program.cvars.records()) {
        cvars.append(QJsonObject{{QStringLiteral("name"), record.name},
                                 {QStringLiteral("value"), record.value},
                                 {QStringLiteral("scope"), record.scope},
                                 {QStringLiteral("placement"), record.placement},
                                 {QStringLiteral("kind"), record.kind},
                                 {QStringLiteral("info"), record.info},
                                 {QStringLiteral("mode"), record.mode}});
    }
    QJsonObject report;
    report.insert(QStringLiteral("console"), QJsonArray::fromStringList(consoleLines));
    report.insert(QStringLiteral("cvars"), cvars);
    report.insert(QStringLiteral("ui"), QJsonArray::fromStringList(uiReports));
    report.insert(QStringLiteral("commandLine"), program.preview.commandLine);
    report.insert(QStringLiteral("scriptLines"),
                  QJsonArray::fromStringList(program.preview.scriptLines));
    report.insert(QStringLiteral("scriptPath"), program.preview.scriptPath);
    return report;
}

} // namespace fennick::cli
