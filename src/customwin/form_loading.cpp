#include "customwin/form_loading.h"

#include "app/program.h"
#include "platform/file_system.h"

namespace fennick {

EnumLister enumListerFor(const Program& program) {
    return [&program](const QString& cvar) {
        return program.enums.FillEnumList(program.game.currentGame, cvar);
    };
}

std::optional<FormModel> loadFormModel(Program& program, const QString& path) {
    QString why;
    std::optional<FormModel> model = readFormFile(path, enumListerFor(program), &why);
    if (!model) {
        program.console.ConsolePrint(QStringLiteral("LoadForm ") + path + QStringLiteral(": ") +
                                     why);
        return model;
    }
    for (const QString& note : model->notes)
        program.console.ConsolePrint(QStringLiteral("LoadForm ") + platform::fileNameOf(path) +
                                     QStringLiteral(": ") + note);
    return model;
}

} // namespace fennick
