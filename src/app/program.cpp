#include "app/program.h"

#include "core/game_facts.h"
#include "core/headless_ui.h"
#include "platform/file_system.h"

namespace fennick {

namespace {

std::unique_ptr<platform::Clock> clockIfMissing(platform::Clock* given) {
    return given ? nullptr : std::make_unique<platform::SystemClock>();
}

std::unique_ptr<UiHost> uiIfMissing(UiHost* given) {
    return given ? nullptr : std::make_unique<HeadlessUi>();
}

std::unique_ptr<platform::SystemLookup> systemIfMissing(platform::SystemLookup* given) {
    return given ? nullptr : std::make_unique<platform::SystemLookup>();
}

} // namespace

Program::Program(ProgramEnvironment environment)
    : programFolder(environment.programFolder), ownClock_(clockIfMissing(environment.clock)),
      ownUi_(uiIfMissing(environment.ui)), ownSystem_(systemIfMissing(environment.system)),
      settlingUi_(environment.ui ? *environment.ui : *ownUi_, [this] { cvars.settleChanges(); }),
      clock(environment.clock ? *environment.clock : *ownClock_), ui(settlingUi_),
      system(environment.system ? *environment.system : *ownSystem_),
      random(environment.randomSeed ? platform::RandomSource(*environment.randomSeed)
                                    : platform::RandomSource::fromEntropy()),
      cvars(catalogue, game.currentGame),
      buttonGroups(buttons, game, status, [this](const QString& line) { run(line); }),
      fastInfo(enums, game, cvars, [this](const QString& line) { run(line); }) {
    cvars.setRefreshHandler([this] { ui.refreshBoundControls(); });
    cvars.setChangedHandler([this] { commandBuilder.MakeCommandLine(false); });
    console.setBeforePrint([this] { cvars.settleChanges(); });
    fastInfo.setMapTitle([this](const QString& map) { return mapTitles.shownTitle(map); });
    panel.getButtonGroups = [this] { buttonGroups.GetButtonGroups(); };
    QObject::connect(&settings, &ProgramSettings::quake3DirectoryChanged, &botScan,
                     &BotScan::folderChanged);
    wireInterpreter();
    wireGameSwitch();
}

// The console language reaches the button area, the settings files and the
// video settings, all of them above it.
void Program::wireInterpreter() {
    interpreter.addButton = [this](const QString& line) { buttons.AddButton(line); };
    interpreter.loadConfigFile = [this](const QString& path) { configs.LoadConfigFile(path); };
    interpreter.videoHook = [this](const QString& name, const QString& value) {
        video.VideoCvarChanged(name, value);
    };
}

// The game switch's steps, in the order the switcher runs them; the main
// window adds the redraw of its title strip.
void Program::wireGameSwitch() {
    switcher.showGameModes = [this] { video.gameChanged(); };
    switcher.fillModList = [this] { mods.FillModList(); };
    switcher.loadGeneralFile = [this] {
        if (isGameId(game.currentGame))
            configs.LoadConfigFile(configs.generalFilePath());
    };
    switcher.selectPlainGame = [this] { panel.selectPlainGame(); };
    switcher.showFastInfoBackground = [this] { panel.showFastInfoBackground(); };
    switcher.makeCommandLine = [this] { commandBuilder.MakeCommandLine(false); };
}

Program::~Program() = default;

QString Program::programPath(const QString& relative) const {
    return platform::joinPath(programFolder, relative);
}

void Program::run(const QString& line) {
    interpreter.ExecuteLine(line, false);
}

void Program::LoadButtons() {
    buttons.LoadButtons(
        programPath(QStringLiteral("Forms")), [this](const QString& line) { run(line); }, console,
        clock);
}

BrowserServices Program::browserServices() {
    return {core, cvars, enums, interpreter, content, mapTitles, levelShots};
}

FormServices Program::formServices() {
    return {console, clock, game, cvars, enums, interpreter};
}

void Program::loadCatalogue() {
    catalogue.LoadCommands(programFolder, console, clock);
    enums.LoadEnums(programFolder, console, clock);
}

} // namespace fennick
