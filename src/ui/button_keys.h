#pragma once

#include <QObject>

class QApplication;
class QWidget;

namespace fennick {

// The keys every window of the program shares. Enter (and the keypad's
// Enter) presses the focused push button in any window, as Space does, not
// only in dialogs; installed once on the application.
class ButtonKeys : public QObject {
    Q_OBJECT
public:
    static void install(QApplication& app);

    // Escape closes `window` (its close event decides what closing means:
    // a dialog's Cancel, a browser's Cancel, a custom window's close).
    static void closeOnEscape(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

} // namespace fennick
