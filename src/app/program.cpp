#include "app/program.h"

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
      cvars(catalogue, game.currentGame), interpreter(*this), configs(*this),
      buttonGroups(buttons, game, status, [this](const QString& line) { run(line); }),
      fastInfo(enums, game, cvars, [this](const QString& line) { run(line); }) {
    cvars.setRefreshHandler([this] { ui.refreshBoundControls(); });
    cvars.setChangedHandler([this] { commandBuilder.MakeCommandLine(false); });
    console.setBeforePrint([this] { cvars.settleChanges(); });
    fastInfo.setMapTitle([this](const QString& map) { return mapTitle(map); });
    panel.getButtonGroups = [this] { buttonGroups.GetButtonGroups(); };
    QObject::connect(&settings, &ProgramSettings::quake3DirectoryChanged, &botScan,
                     &BotScan::folderChanged);
    videoHook = [this](const QString& name, const QString& value) {
        video.VideoCvarChanged(name, value);
    };
}

Program::~Program() = default;

QString Program::programPath(const QString& relative) const {
    return platform::joinPath(programFolder, relative);
}

QString Program::mapTitle(const QString& map) {
    const QString key =
        game.currentGame + QLatin1Char('\n') + game.currentModKey + QLatin1Char('\n') + map;
    if (lastTitle_.key != key)
        lastTitle_ = {key, mapTitles.GetMapTitle(map)};
    return lastTitle_.title;
}

void Program::run(const QString& line) {
    interpreter.ExecuteLine(line, false);
}

void Program::LoadButtons() {
    buttons.LoadButtons(
        programPath(QStringLiteral("Forms")), [this](const QString& line) { run(line); }, console,
        clock);
}

void Program::loadCatalogue() {
    catalogue.LoadCommands(programFolder, console, clock);
    enums.LoadEnums(programFolder, console, clock);
}

} // namespace fennick
