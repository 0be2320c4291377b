#include "compile/mod_description_file.h"

#include "app/program.h"
#include "core/game_facts.h"
#include "launch/launch_rules.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

#include <QFileInfo>

namespace fennick {

void WriteModDescription(Program& program) {
    const QString& key = program.game.currentModKey;
    const QString description = program.panel.description();
    if (!program.settings.createDescription || program.game.currentGame != kQuake3 ||
        !isSafeNamePart(key) || description.trimmed().isEmpty() ||
        description.toLower() == key.toLower())
        return;
    const std::optional<QString> folder =
        platform::resolvePath(platform::joinPath(program.settings.quake3Dir(), key));
    if (program.settings.quake3Dir().isEmpty() || !folder || !QFileInfo(*folder).isDir())
        return;
    const QString path = platform::joinPath(*folder, QStringLiteral("description.txt"));
    QString error;
    if (!platform::writeTextLines(path, {description}, &error))
        program.console.ConsolePrint(QStringLiteral("Could not write %1: %2").arg(path, error));
}

} // namespace fennick
