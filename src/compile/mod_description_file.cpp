#include "compile/mod_description_file.h"

#include "core/console_log.h"
#include "core/game_facts.h"
#include "core/game_state.h"
#include "core/launch_rules.h"
#include "core/program_settings.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

#include <QFileInfo>

namespace fennick {

void writeModDescription(const GameState& game, const ProgramSettings& settings,
                         ConsoleLog& console, const QString& description) {
    const QString& key = game.currentModKey;
    if (!settings.createDescription || game.currentGame != kQuake3 || !isSafeNamePart(key) ||
        description.trimmed().isEmpty() || description.toLower() == key.toLower())
        return;
    const std::optional<QString> folder =
        platform::resolvePath(platform::joinPath(settings.quake3Dir(), key));
    if (settings.quake3Dir().isEmpty() || !folder || !QFileInfo(*folder).isDir())
        return;
    const QString path = platform::joinPath(*folder, QStringLiteral("description.txt"));
    QString error;
    if (!platform::writeTextLines(path, {description}, &error))
        console.ConsolePrint(QStringLiteral("Could not write %1: %2").arg(path, error));
}

} // namespace fennick
