#pragma once

#include "customwin/form_model.h"

#include <QString>

namespace fennick {

class CvarStore;
class EnumTable;

// How controls bound to cvars meet the cvar store, in both directions:
// what a bound control shows for its cvar's value, and the command line a
// control's change handler executes (an implicit set of the cvar with the
// value in double quotes, or "del" for an emptied text box).
class FormBinding {
public:
    FormBinding(const CvarStore& cvars, const EnumTable& enums, const QString& currentGame);

    // A text box shows the value, a combo box the value's display text
    // (the value itself when its enumeration has none). A control's own
    // changes store its cvar under the lower-cased name (the interpreter
    // lower-cases a command word), so that name is read first and the name
    // as the tag writes it only when no such cvar exists; a tag written
    // with capitals would otherwise never show what its control set.
    QString shownText(ControlKind kind, const QString& cvar) const;
    // A check box or slider shows the value's leading number.
    double shownNumber(const QString& cvar) const;

    // Gives every bound control of a model its cvar's value, as a window
    // would show it.
    void refresh(FormModel& model) const;

    // A check box's value or a slider's position, as a whole number.
    static QString numberLine(const QString& cvar, int number);
    static QString textBoxLine(const QString& cvar, const QString& text);
    // The combo text is stored as the value its enumeration gives it.
    QString comboLine(const QString& cvar, const QString& text) const;

    // A push button whose action is "hideform", in any letter case,
    // closes its window instead of executing the action.
    static bool closesWindow(const QString& action);

private:
    QString valueOf(const QString& cvar) const;

    const CvarStore& cvars_;
    const EnumTable& enums_;
    const QString& game_;
};

} // namespace fennick
