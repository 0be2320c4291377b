#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace fennick::platform {

// Opening documents the way the desktop would. The main window's document
// list uses it; tests plug in a recorder instead of opening anything.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // Opens the file with the program the desktop associates with its type.
    virtual void openWithDefaultProgram(const QString& path) = 0;
    // Opens the file in the desktop's plain-text editor, whatever its type
    // (a ".bat" or ".cfg" file must not be run or handed to some other tool).
    virtual void openInTextEditor(const QString& path) = 0;
};

// The [Desktop Entry] group of a ".desktop" file, as far as starting an
// editor needs it.
struct DesktopEntry {
    QString exec;
    bool terminal = false;
};
DesktopEntry parseDesktopEntry(const QString& text);

// The program and its arguments from a desktop entry's Exec line, with the
// file filled in for its field code (appended when the line has none).
// Nothing when the line names no program.
std::optional<QStringList> expandDesktopExec(const QString& exec, const QString& path);

// The real desktop. Work that has to ask other programs (which editor is
// the default) runs asynchronously, so the window never waits for it.
class SystemDesktopServices : public QObject, public DesktopServices {
    Q_OBJECT
public:
    using ErrorSink = std::function<void(const QString&)>;
    explicit SystemDesktopServices(QObject* parent = nullptr);

    // Where failures are reported ("Could not open ...").
    void setErrorSink(ErrorSink sink) { errorSink_ = std::move(sink); }

    void openWithDefaultProgram(const QString& path) override;
    void openInTextEditor(const QString& path) override;

private:
    void askDefaultEditor(const QString& path);
    void startEditor(const QString& desktopId, const QString& path);

    ErrorSink errorSink_;
};

} // namespace fennick::platform
