#pragma once

#include "customwin/form_binding.h"
#include "customwin/form_model.h"
#include "customwin/form_services.h"
#include "customwin/twips.h"

#include <QPointer>
#include <QVector>
#include <QWidget>

namespace fennick {

// The add-on window: a custom window built from a form description. Its
// controls whose tag names a cvar are bound to it both ways: refreshing
// pushes the cvar's value in, and a change by the user executes a command
// line that sets (or, for an emptied text box, deletes) the cvar. Push
// buttons execute their tag's action, or close the window for "hideform".
// Closing the window changes no cvar.
class fkAddOn : public QWidget {
    Q_OBJECT
public:
    static constexpr int kExtraHeight = 20; // pixels added below the description's height

    // `owner` keeps the window alive no longer than itself; the window is a
    // top-level window of its own.
    explicit fkAddOn(const FormServices& services, QWidget* owner = nullptr);

    // Builds the description's controls and takes its caption, size and
    // place (twips turned into pixels of this screen).
    void build(const FormModel& model);

    // Shows every bound control its cvar's value. The values are set
    // without running the change handlers, so nothing is written back and
    // the refresh ends after one pass over the controls.
    void RefreshBoundControls();

    // False from the moment the window is closed.
    bool isOpen() const { return open_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct BoundControl {
        QPointer<QWidget> widget;
        ControlKind kind;
        QString cvar;
    };

    void placeWindow(const FormObject& window);
    void connectControl(QWidget* widget, const FormObject& control);
    void connectButton(QWidget* widget, const QString& action);
    void showValue(const BoundControl& bound);
    void execute(const QString& line, bool echo);

    Interpreter& interpreter_;
    FormBinding binding_;
    TwipScale scale_;
    QVector<BoundControl> bound_;
    bool open_ = true;
};

} // namespace fennick
