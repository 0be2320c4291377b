#pragma once

#include "customwin/form_model.h"
#include "customwin/form_parser.h"
#include "customwin/form_services.h"

#include <QString>
#include <optional>

namespace fennick {

// The enumeration lister for the program's current game.
EnumLister enumListerFor(const FormServices& services);

// Reads the description at `path` the way `LoadForm` does. A file that is
// missing or cannot be read gives nothing and a console line saying why;
// what a hostile file lost to the caps is printed to the console, one line
// each.
std::optional<FormModel> loadFormModel(const FormServices& services, const QString& path);

} // namespace fennick
