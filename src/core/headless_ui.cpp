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
    if (!program_) {
        report(opening);
    } else if (forms_.LoadForm(*program_, path)) {
        const FormModel& model = forms_.forms().last().model;
        report(opening + QStringLiteral(" (\"%1\", %2 controls)")
                             .arg(model.caption())
                             .arg(model.controls.size()));
    } else {
        report(opening + QStringLiteral(", but it cannot be loaded"));
    }
}

void HeadlessUi::refreshBoundControls() {
    ++refreshCount_;
    if (program_)
        forms_.RefreshBoundControls(*program_);
}

} // namespace fennick
