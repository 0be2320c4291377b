#include "console/interpreter.h"

#include "common/number_text.h"
#include "common/trim_spaces.h"
#include "console/cvar_store.h"
#include "core/game_facts.h"
#include "core/launch_rules.h"
#include "platform/file_system.h"

#include <QSet>

namespace fennick {

namespace {

// Cvars written back as plain game commands ("map q3dm17").
bool isMapCommand(const QString& name) {
    static const QSet<QString> kNames = {QStringLiteral("demo"),    QStringLiteral("map"),
                                         QStringLiteral("connect"), QStringLiteral("demomap"),
                                         QStringLiteral("arena"),   QStringLiteral("devmap")};
    return kNames.contains(name);
}

// Cvars that the video settings keep in step with the resolution selector.
bool isVideoCvar(const QString& name) {
    static const QSet<QString> kNames = {
        QStringLiteral("sw_mode"),        QStringLiteral("fenkit_mode"),  QStringLiteral("gl_mode"),
        QStringLiteral("vid_fullscreen"), QStringLiteral("r_fullscreen"), QStringLiteral("r_mode")};
    return kNames.contains(name);
}

// A name that a settings file cannot hold: its saved line would read back
// as another cvar (a double quote, a space after the first character).
bool unsavableName(const QString& name) {
    return name.contains(QLatin1Char('"')) || name.indexOf(QLatin1Char(' '), 1) > 0;
}

} // namespace

const Interpreter::CommandRow Interpreter::kCommands[] = {
    {"set", &Interpreter::doSet, "set NAME VALUE - sets a cvar; set NAME shows it"},
    {"seta", &Interpreter::doSet, "seta NAME VALUE - sets a cvar written back as \"seta\""},
    {"bind", &Interpreter::doSet, "bind KEY COMMAND - binds a key in the game"},
    {"setadd1", &Interpreter::doStep, "setadd1 NAME - adds 1 to a cvar"},
    {"setadd5", &Interpreter::doStep, "setadd5 NAME - adds 5 to a cvar"},
    {"setdec1", &Interpreter::doStep, "setdec1 NAME - takes 1 from a cvar"},
    {"setdec5", &Interpreter::doStep, "setdec5 NAME - takes 5 from a cvar"},
    {"del", &Interpreter::doDelete, "del NAME - deletes a cvar"},
    {"delcvar", &Interpreter::doDelete, "delcvar NAME - deletes a cvar"},
    {"clearcvars", &Interpreter::doClear, "clearcvars - deletes every cvar but the usage count"},
    {"addbutton", &Interpreter::doAddButton, "addbutton LINE - adds a main window button"},
    {"loadform", &Interpreter::doLoadForm,
     "loadform FILE - opens a custom window of the Forms folder"},
    {"openconsole", &Interpreter::doOpenConsole, "openconsole - opens this console"},
    {"openserverbrowser", &Interpreter::doOpenServerBrowser,
     "openserverbrowser - opens the server browser"},
    {"openmapbrowser", &Interpreter::doOpenMapBrowser, "openmapbrowser - opens the map browser"},
    {"help", &Interpreter::doHelp, "help - lists these commands"},
};

Interpreter::Interpreter(const CoreServices& core, CvarStore& cvars) : core_(core), cvars_(cvars) {
    for (const CommandRow& row : kCommands)
        commands_.insert(QLatin1String(row.word), row.handler);
}

// "addbutton" as the first word, as the word splitter finds it: the text
// up to the first space, in any letter case.
bool Interpreter::isButtonLine(QStringView line) {
    static const QLatin1String kAddButton("addbutton ");
    return line.size() > kAddButton.size() && line.startsWith(kAddButton, Qt::CaseInsensitive);
}

void Interpreter::ExecuteLine(const QString& line, bool echo) {
    if (line.isEmpty())
        return;
    // Each command before a "|" runs on its own; nothing is trimmed, so a
    // space after the "|" becomes part of the next command.
    // The remainder is not copied per "|", so a line of many bars stays
    // linear in its length.
    // A button line keeps its bars: they join the commands of its action,
    // which run when the button is clicked, not when the line is read.
    qsizetype start = 0;
    qsizetype bar;
    while (!isButtonLine(QStringView(line).mid(start)) &&
           (bar = line.indexOf(QLatin1Char('|'), start)) >= 0) {
        ExecuteLine(line.mid(start, bar - start), echo);
        start = bar + 1;
    }
    const QString rest = start == 0 ? line : line.mid(start);
    if (echo)
        core_.console.ConsolePrint(QLatin1Char('>') + rest);

    WordList words;
    SplitWords(rest, words);
    dispatch(trimSpaces(words[0].toLower()), words, echo);
}

void Interpreter::dispatch(QString command, WordList& words, bool echo) {
    auto it = commands_.constFind(command);
    if (it == commands_.constEnd()) {
        // Implicit set: "name value" is "set name value".
        words[2] = words[1];
        words[1] = command;
        command = QStringLiteral("set");
        it = commands_.constFind(command);
    }
    (this->**it)(command, words, echo);
}

void Interpreter::doSet(const QString& command, const WordList& words, bool echo) {
    const QString& name = words[1];
    const QString& value = words[2];
    if (!name.isEmpty() && !value.isEmpty()) {
        if (refused(name, echo))
            return;
        const QString kind = isMapCommand(name) ? QStringLiteral("map") : command;
        cvars_.SetCvar(name, value, 0, 0, kind);
        if (isVideoCvar(name) && videoHook)
            videoHook(name, value);
        if (name == QLatin1String("fenkit_player"))
            runPlayerProfile(value);
        if (echo)
            core_.console.ConsolePrint(QStringLiteral("CVar Set. (") + kind + QLatin1Char(' ') +
                                       name + QLatin1Char(' ') + value + QLatin1Char(')'));
    } else if (!name.isEmpty()) {
        if (echo)
            core_.console.ConsolePrint(name + QStringLiteral(" = ") + cvars_.GetCvar(name));
    } else if (echo) {
        core_.console.ConsolePrint(QStringLiteral("Usage: set cvarname cvarvalue"));
    }
    cvars_.RefreshBoundControls();
}

void Interpreter::doStep(const QString& command, const WordList& words, bool echo) {
    const QString& name = words[1];
    if (name.isEmpty() || refused(name, echo))
        return;
    const double step = command.endsWith(QLatin1Char('5')) ? 5.0 : 1.0;
    const double sign = command.startsWith(QLatin1String("setadd")) ? 1.0 : -1.0;
    const double value = leadingNumber(cvars_.GetCvar(name)) + sign * step;
    cvars_.SetCvar(name, roundedDecimal(value), 0, 0, QString());
}

bool Interpreter::refused(const QString& name, bool echo) {
    if (!unsavableName(name))
        return false;
    if (echo)
        core_.console.ConsolePrint(QStringLiteral("Not set: a cvar name cannot hold a double quote "
                                                  "or a space after its first letter (") +
                                   name + QLatin1Char(')'));
    return true;
}

void Interpreter::doAddButton(const QString&, const WordList& words, bool) {
    if (addButton)
        addButton(words[1]);
}

void Interpreter::doOpenMapBrowser(const QString&, const WordList&, bool) {
    core_.ui.openMapBrowser();
}

void Interpreter::doOpenServerBrowser(const QString&, const WordList&, bool) {
    core_.ui.openServerBrowser();
}

void Interpreter::doOpenConsole(const QString&, const WordList&, bool) {
    core_.ui.openConsole();
}

void Interpreter::doLoadForm(const QString&, const WordList& words, bool) {
    core_.ui.loadForm(core_.programPath(QStringLiteral("Forms\\") + words[1]));
}

void Interpreter::doDelete(const QString&, const WordList& words, bool) {
    cvars_.DeleteCvar(words[1]);
}

void Interpreter::doClear(const QString&, const WordList&, bool) {
    cvars_.ClearCvars();
}

void Interpreter::doHelp(const QString&, const WordList&, bool echo) {
    if (!echo)
        return;
    for (const CommandRow& row : kCommands)
        core_.console.ConsolePrint(QLatin1String(row.help));
    core_.console.ConsolePrint(
        QStringLiteral("NAME VALUE - any other first word sets the cvar of that name"));
}

void Interpreter::runPlayerProfile(const QString& player) {
    // The name becomes part of a file name in the config folder; a name that
    // could reach outside it ("..", separators) runs nothing.
    if (!isSafeNamePart(player)) {
        core_.console.ConsolePrint(QStringLiteral("Player profile not loaded: the name \"") +
                                   player + QStringLiteral("\" cannot be used as a file name"));
        return;
    }
    const QString prefix = gameFacts(core_.game.currentGame).prefix;
    if (loadConfigFile)
        loadConfigFile(core_.programPath(QStringLiteral("config\\") + prefix + QLatin1Char('_') +
                                         player + QStringLiteral(".fkp")));
}

} // namespace fennick
