#include "core/headless_ui.h"

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
    const QString opening = QStringLiteral("would open the custom window ") + path;
    if (!forms_) {
        report(opening);
    } else if (const std::optional<QString> held = forms_->open(path)) {
        report(opening + QStringLiteral(" (") + *held + QLatin1Char(')'));
    } else {
        report(opening + QStringLiteral(", but it cannot be loaded"));
    }
}

void HeadlessUi::refreshBoundControls() {
    ++refreshCount_;
    if (forms_)
        forms_->refresh();
}

} // namespace fennick
