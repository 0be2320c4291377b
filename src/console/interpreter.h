#pragma once

#include "console/split_words.h"
#include "core/core_services.h"

#include <QHash>
#include <QString>
#include <functional>

namespace fennick {

class CvarStore;

// The console's command language. Every configuration file, button, custom
// window control and typed line goes through ExecuteLine. A first word that
// is no command is taken as a cvar name (the implicit set).
class Interpreter {
public:
    Interpreter(const CoreServices& core, CvarStore& cvars);

    void ExecuteLine(const QString& line, bool echo);

    // What the language reaches in the rooms above the console; the
    // Program plugs them in, and an empty one does nothing.
    // "addbutton": one more button line for the main window.
    std::function<void(const QString& line)> addButton;
    // A player profile named by fenkit_player: the settings file to run.
    std::function<void(const QString& path)> loadConfigFile;
    // Called after a video cvar is set (name, value).
    std::function<void(const QString&, const QString&)> videoHook;

private:
    using Handler = void (Interpreter::*)(const QString& command, const WordList& words, bool echo);
    // The console's commands: the word, its handler and the line "help"
    // shows for it.
    struct CommandRow {
        const char* word;
        Handler handler;
        const char* help;
    };
    static const CommandRow kCommands[];

    void dispatch(QString command, WordList& words, bool echo);
    void doSet(const QString& command, const WordList& words, bool echo);
    void doStep(const QString& command, const WordList& words, bool echo);
    void doAddButton(const QString& command, const WordList& words, bool echo);
    void doOpenMapBrowser(const QString& command, const WordList& words, bool echo);
    void doOpenServerBrowser(const QString& command, const WordList& words, bool echo);
    void doOpenConsole(const QString& command, const WordList& words, bool echo);
    void doLoadForm(const QString& command, const WordList& words, bool echo);
    void doDelete(const QString& command, const WordList& words, bool echo);
    void doClear(const QString& command, const WordList& words, bool echo);
    void doHelp(const QString& command, const WordList& words, bool echo);

    void runPlayerProfile(const QString& player);
    // True for a name the settings files cannot hold; with echo on a
    // console line says why nothing was set.
    bool refused(const QString& name, bool echo);
    static bool isButtonLine(QStringView line);

    CoreServices core_;
    CvarStore& cvars_;
    QHash<QString, Handler> commands_;
};

} // namespace fennick
