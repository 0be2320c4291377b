#pragma once

#include "customwin/form_model.h"

#include <QJsonObject>

namespace fennick {

// A form model as the command-line tool prints it: the window's caption,
// position and size (twips, as read), and its controls with the properties
// the description set; colours as "#rrggbb" or "system:N".
QJsonObject formJson(const FormModel& model);

} // namespace fennick
