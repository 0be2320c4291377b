#pragma once

#include "customwin/form_services.h"
#include "customwin/widgets/fk_add_on.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace fennick {

class frmConsole;

// The open add-on windows of the desktop program. `LoadForm` builds a new
// window from a description each time it is called; refreshing bound
// controls reaches every window still open. Windows close on their own
// (by the user or a "hideform" button) and are gone with this object at
// the latest.
class AddOnWindows {
public:
    AddOnWindows(const FormServices& services, frmConsole& console);

    // The start-up step of the custom windows.
    void initialize();

    // Opens the description at `path` as a new window and reports the time
    // it took on the console window's load-time label. A file that is
    // missing or cannot be read opens nothing (the result is then null) and
    // the console says why.
    fkAddOn* LoadForm(const QString& path);

    void RefreshBoundControls();

    // The windows not yet closed, oldest first.
    QList<fkAddOn*> openWindows() const;

    // New windows without a place of their own appear beside this one.
    void setAnchor(QWidget* window) { anchor_ = window; }

private:
    FormServices services_;
    frmConsole& console_;
    QWidget owner_; // never shown: the parent that deletes leftover windows
    QList<QPointer<fkAddOn>> windows_;
    QPointer<QWidget> anchor_;
};

} // namespace fennick
