#include "core/core_services.h"

#include "platform/file_system.h"

namespace fennick {

QString CoreServices::programPath(const QString& relative) const {
    return platform::joinPath(programFolder, relative);
}

} // namespace fennick
