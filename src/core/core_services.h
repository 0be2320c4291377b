#pragma once

#include "core/console_log.h"
#include "core/fennick_ini.h"
#include "core/game_state.h"
#include "core/launch_preview.h"
#include "core/program_settings.h"
#include "core/status_line.h"
#include "core/ui_host.h"
#include "platform/clock.h"
#include "platform/process_launcher.h"
#include "platform/random_source.h"
#include "platform/system_lookup.h"

#include <QString>

namespace fennick {

// The program-wide services of the core room, as the subsystems above it
// reach them: the program folder, the clock, the user-interface host, the
// machine's look-ups, the random source, the process start, the console
// log, the game state, "fennick.ini", the program settings, the status
// line and the launch preview. The Program owns every one of them and
// hands this set of references to the models that use several; a model
// that needs one or two takes those alone.
struct CoreServices {
    QString programFolder;
    platform::Clock& clock;
    UiHost& ui;
    const platform::SystemLookup& system;
    platform::RandomSource& random;
    platform::ProcessLauncher& processes;
    ConsoleLog& console;
    GameState& game;
    FennickIni& ini;
    ProgramSettings& settings;
    StatusLine& status;
    LaunchPreview& preview;

    // A file of the program folder; "\" in the name stands for the native
    // separator ("config\q3_general.cfg").
    QString programPath(const QString& relative) const;
};

} // namespace fennick
