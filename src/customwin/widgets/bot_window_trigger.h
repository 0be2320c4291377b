#pragma once

#include <QObject>
#include <QString>

class QAction;
class QWidget;

namespace fennick {

class UiHost;

// How the user opens the Quake III bot window from the main window: an
// entry of the main window's context menu (right click) and the keyboard
// shortcut Ctrl+B. Both load "forms\q3_quake3_bot.frm" of the program
// folder as a custom window.
class BotWindowTrigger : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kFormFile = "forms\\q3_quake3_bot.frm";

    // `programFolder` holds the form; `ui` opens it.
    BotWindowTrigger(UiHost& ui, const QString& programFolder, QWidget& mainWindow);

    QAction* action() const { return action_; }

private:
    UiHost& ui_;
    const QString formPath_;
    QAction* action_ = nullptr;
};

} // namespace fennick
