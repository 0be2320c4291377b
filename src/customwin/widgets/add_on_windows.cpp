#include "customwin/widgets/add_on_windows.h"

#include "common/number_text.h"
#include "console/cvar_store.h"
#include "console/widgets/frm_console.h"
#include "customwin/form_loading.h"
#include "ui/window_placement.h"

namespace fennick {

AddOnWindows::AddOnWindows(const FormServices& services, frmConsole& console)
    : services_(services), console_(console) {
    owner_.setObjectName(QStringLiteral("addOnOwner"));
}

void AddOnWindows::initialize() {
    services_.console.ConsolePrint(QStringLiteral("Custom windows initialized."));
}

fkAddOn* AddOnWindows::LoadForm(const QString& path) {
    const double started = services_.clock.secondsSinceMidnight();
    // No bound control is refreshed while the window is half built. A file
    // that cannot be read opens no window; the console says why.
    services_.cvars.suspendRefresh();
    const std::optional<FormModel> model = loadFormModel(services_, path);
    if (!model) {
        services_.cvars.resumeRefresh();
        return nullptr;
    }
    auto* window = new fkAddOn(services_, &owner_);
    windows_.append(window);
    window->build(*model);
    services_.cvars.resumeRefresh();
    showPlaced(*window, anchor_, WindowPlace::Beside);
    services_.cvars.RefreshBoundControls();
    console_.setWindowLoadTime(QStringLiteral("LoadForm : ") +
                               formatSeconds(services_.clock.elapsedSince(started)) +
                               QStringLiteral(" seconds"));
    return window;
}

void AddOnWindows::RefreshBoundControls() {
    windows_.removeAll(nullptr);
    const QList<QPointer<fkAddOn>> windows = windows_;
    for (const QPointer<fkAddOn>& window : windows) {
        if (window && window->isOpen())
            window->RefreshBoundControls();
    }
}

QList<fkAddOn*> AddOnWindows::openWindows() const {
    QList<fkAddOn*> open;
    for (const QPointer<fkAddOn>& window : windows_) {
        if (window && window->isOpen())
            open.append(window.data());
    }
    return open;
}

} // namespace fennick
