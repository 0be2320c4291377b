#include "core/console_log.h"

namespace fennick {

void ConsoleLog::ConsolePrint(const QString& text) {
    if (beforePrint_)
        beforePrint_();
    lines_.append(text);
    Q_EMIT linePrinted(text);
}

} // namespace fennick
