#pragma once

#include "launch/launch_context.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace fennick {

// The settings files of the "config" folder: configurations (".fkc"),
// general files ("_general.cfg") and player profiles (".fkp"), all of them
// command scripts run through the interpreter.
class ConfigFiles {
public:
    explicit ConfigFiles(const LaunchContext& context);

    // Executes a settings file line by line, echo off; the ten header lines
    // of a ".fkc" file are skipped. A missing file does nothing at all.
    void LoadConfigFile(const QString& path);

    // Where the configuration of the current mod named `name` lives: the
    // first ".fkc" file in folder-listing order whose second line is the
    // name, else the path a new one gets (one more than the highest number
    // in use; gaps are never filled).
    struct FoundConfiguration {
        QString path;
        bool exists = false;
    };
    FoundConfiguration FindConfigurationFile(const QString& name) const;

    // Writes the configuration named by `configurationName`, the game's
    // general file and, while fenkit_player is set, the player profile;
    // while it is not, the profile's settings go into the general file.
    // Each file is replaced whole or not at all. False when a file could
    // not be written (a console line says which and why).
    bool SaveConfiguration();

    // The configuration combo's choice: unless the combo is being refilled
    // ("NoLoad"), clears the store and loads the general file and then the
    // named configuration, when a file has that name. An unknown name is
    // only remembered for the next save.
    void SelectConfiguration(const QString& name);

    // The names (line 2) of a mod's configurations 0 to 9, in number order.
    QStringList listConfigurations(const QString& modKey) const;
    // The first line of a mod's configuration 0, its descriptor.
    std::optional<QString> modDescriptor(const QString& modKey) const;

    QString configFolder() const;
    // prefix + "_general.cfg" of the current game in the config folder.
    QString generalFilePath() const;

    // The configuration panel of the main window, kept here so that the
    // window only shows it: the description field, the configuration
    // combo's text and its marker ("NoLoad" while refilling, empty, or the
    // path of the loaded configuration).
    static const QString kNoLoad;
    QString description = QStringLiteral("Mod Name");
    QString configurationName = QStringLiteral("Default Configuration");
    QString marker;

private:
    QString configurationPath(const QString& modKey, int number) const;
    bool saveLines(const QString& path, const QStringList& lines);
    // The lines of the records of a scope, in store order; `withProfile`
    // adds those of the player profile's scope.
    QStringList linesOfScope(qint32 scope, bool withProfile = false) const;
    bool saveProfile();

    LaunchContext context_;
    // Files being executed right now: a profile that names itself (or two
    // that name each other) is not run again while it runs.
    QSet<QString> running_;
};

} // namespace fennick
