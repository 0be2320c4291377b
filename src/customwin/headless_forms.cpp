#include "customwin/headless_forms.h"

#include "app/program.h"
#include "customwin/form_binding.h"
#include "customwin/form_json.h"
#include "customwin/form_loading.h"
#include "platform/file_system.h"

namespace fennick {

bool HeadlessForms::LoadForm(Program& program, const QString& path) {
    program.cvars.suspendRefresh();
    std::optional<FormModel> model = loadFormModel(program, path);
    program.cvars.resumeRefresh();
    if (!model)
        return false;
    forms_.append({platform::resolvePath(path).value_or(path), std::move(*model)});
    program.cvars.RefreshBoundControls();
    return true;
}

void HeadlessForms::RefreshBoundControls(const Program& program) {
    const FormBinding binding(program.cvars, program.enums, program.game.currentGame);
    for (OpenForm& form : forms_)
        binding.refresh(form.model);
}

QJsonArray HeadlessForms::json() const {
    QJsonArray array;
    for (const OpenForm& form : forms_) {
        QJsonObject object = formJson(form.model);
        object.insert(QStringLiteral("file"), form.file);
        array.append(object);
    }
    return array;
}

} // namespace fennick
