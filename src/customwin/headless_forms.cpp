#include "customwin/headless_forms.h"

#include "console/cvar_store.h"
#include "core/game_state.h"
#include "customwin/form_binding.h"
#include "customwin/form_json.h"
#include "customwin/form_loading.h"
#include "platform/file_system.h"

namespace fennick {

bool HeadlessForms::LoadForm(const QString& path) {
    services_.cvars.suspendRefresh();
    std::optional<FormModel> model = loadFormModel(services_, path);
    services_.cvars.resumeRefresh();
    if (!model)
        return false;
    forms_.append({platform::resolvePath(path).value_or(path), std::move(*model)});
    services_.cvars.RefreshBoundControls();
    return true;
}

std::optional<QString> HeadlessForms::open(const QString& path) {
    if (!LoadForm(path))
        return std::nullopt;
    const FormModel& model = forms_.last().model;
    return QStringLiteral("\"%1\", %2 controls").arg(model.caption()).arg(model.controls.size());
}

void HeadlessForms::RefreshBoundControls() {
    const FormBinding binding(services_.cvars, services_.enums, services_.game.currentGame);
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
