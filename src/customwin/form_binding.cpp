#include "customwin/form_binding.h"

#include "common/number_text.h"
#include "console/cvar_store.h"
#include "console/enum_table.h"

namespace fennick {

namespace {

// An implicit set: the cvar name as command word and the quoted value.
QString implicitSet(const QString& cvar, const QString& value) {
    return cvar + QStringLiteral(" \"") + value + QLatin1Char('"');
}

} // namespace

FormBinding::FormBinding(const CvarStore& cvars, const EnumTable& enums, const QString& currentGame)
    : cvars_(cvars), enums_(enums), game_(currentGame) {}

QString FormBinding::valueOf(const QString& cvar) const {
    const QString lower = cvar.toLower();
    if (lower != cvar && cvars_.find(lower))
        return cvars_.GetCvar(lower);
    return cvars_.GetCvar(cvar);
}

QString FormBinding::shownText(ControlKind kind, const QString& cvar) const {
    const QString value = valueOf(cvar);
    if (kind == ControlKind::ComboBox)
        return enums_.EnumDisplay(game_, cvar, value);
    return value;
}

double FormBinding::shownNumber(const QString& cvar) const {
    return leadingNumber(valueOf(cvar));
}

void FormBinding::refresh(FormModel& model) const {
    for (FormObject& control : model.controls) {
        const QString cvar = control.cvar();
        if (cvar.isEmpty())
            continue;
        switch (control.kind) {
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
            control.text = shownText(control.kind, cvar);
            break;
        case ControlKind::CheckBox:
        case ControlKind::Slider:
            control.value = shownNumber(cvar);
            break;
        default:
            break;
        }
    }
}

QString FormBinding::numberLine(const QString& cvar, int number) {
    return implicitSet(cvar, QString::number(number));
}

QString FormBinding::textBoxLine(const QString& cvar, const QString& text) {
    if (text.isEmpty())
        return QStringLiteral("del ") + cvar;
    return implicitSet(cvar, text);
}

QString FormBinding::comboLine(const QString& cvar, const QString& text) const {
    return implicitSet(cvar, enums_.EnumValue(game_, cvar, text));
}

bool FormBinding::closesWindow(const QString& action) {
    return action.toLower() == QLatin1String("hideform");
}

} // namespace fennick
