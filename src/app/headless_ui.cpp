#include "app/headless_ui.h"

namespace fennick {

void HeadlessUi::report(const QString& text) {
    reports_.append(text);
    if (sink_)
        sink_(text);
}

void HeadlessUi::openConsole() {
    report(QStringLiteral("would open the console window"));
}

void HeadlessUi::openMapBrowser() {
    report(QStringLiteral("would open the map browser"));
}

void HeadlessUi::openServerBrowser() {
    report(QStringLiteral("would open the server browser"));
}

void HeadlessUi::loadForm(const QString& path) {
    report(QStringLiteral("would open the custom window ") + path);
}

} // namespace fennick
