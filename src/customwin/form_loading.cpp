#include "customwin/form_loading.h"

#include "console/enum_table.h"
#include "core/console_log.h"
#include "core/game_state.h"
#include "platform/file_system.h"

namespace fennick {

EnumLister enumListerFor(const FormServices& services) {
    return [&enums = services.enums, &game = services.game](const QString& cvar) {
        return enums.FillEnumList(game.currentGame, cvar);
    };
}

std::optional<FormModel> loadFormModel(const FormServices& services, const QString& path) {
    QString why;
    std::optional<FormModel> model = readFormFile(path, enumListerFor(services), &why);
    if (!model) {
        services.console.ConsolePrint(QStringLiteral("LoadForm ") + path + QStringLiteral(": ") +
                                      why);
        return model;
    }
    for (const QString& note : model->notes)
        services.console.ConsolePrint(QStringLiteral("LoadForm ") + platform::fileNameOf(path) +
                                      QStringLiteral(": ") + note);
    return model;
}

} // namespace fennick
