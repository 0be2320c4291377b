#include "app/widgets/desktop_program.h"

#include "compile/widgets/frm_q3_compile.h"
#include "maps/map_browser.h"
#include "ui/qt_display_modes.h"
#include "ui/window_closing.h"
#include "ui/window_placement.h"

namespace fennick {

namespace {

ProgramEnvironment environmentFor(const QString& folder, platform::Clock* clock, UiHost* ui) {
    ProgramEnvironment environment;
    environment.programFolder = folder;
    environment.clock = clock;
    environment.ui = ui;
    return environment;
}

} // namespace

DesktopProgram::DesktopProgram(const QString& programFolder, platform::Clock* clock)
    : program_(environmentFor(programFolder, clock, &ui_)),
      console_(program_.core, program_.interpreter, program_.catalogue), setup_(program_.settings),
      form_(program_, setup_), view_(form_, setup_), startup_(program_, &view_) {
    ui_.attach(program_.console, &console_);
    ui_.attachMainWindow(&form_);
    ui_.attachCustomWindows(customWindows_);
    customWindows_.setAnchor(&form_);
    startup_.hooks.initCustomWindows = [this] { customWindows_.initialize(); };
    startup_.hooks.buildResolutionList = [this] {
        program_.video.BuildResolutionList(QtDisplayModes());
    };
    ui_.attachServerBrowser([this] { openServerBrowser(); });
    ui_.attachMapBrowser([this] { openMapBrowser(); });
    form_.onClosing = [this] { shutDown(); };
    QObject::connect(&setup_, &frmSetup::accepted, &form_, [this] { chooseGameIfNone(); });
    frmQ3Compile::attach(program_.compileStep, form_);
}

// A browser still open (its close not yet processed) goes before the
// program it works on.
DesktopProgram::~DesktopProgram() {
    delete serverBrowser_.data();
    delete mapBrowser_.data();
}

// One browser at a time: it lives from its opening to its closing, so a
// second "openserverbrowser" brings the open one to the front.
void DesktopProgram::openServerBrowser() {
    if (!serverBrowser_)
        serverBrowser_ = new frmBrowseServer(program_.browserServices());
    showPlaced(*serverBrowser_, &form_, WindowPlace::Beside);
}

// One map browser at a time, like the server browser. A browser that was
// closed during a scan lingers hidden until the scan stops; a new one is
// opened beside it.
void DesktopProgram::openMapBrowser() {
    if (!mapBrowser_ || mapBrowser_->browser().isClosed())
        mapBrowser_ = new frmMapBrowser(program_.browserServices());
    showPlaced(*mapBrowser_, &form_, WindowPlace::Beside);
}

// After a start without any game folder, the first folder the user makes
// valid in the setup dialog brings its game up, as a start would have.
void DesktopProgram::chooseGameIfNone() {
    if (!program_.game.currentGame.isEmpty())
        return;
    const QString game = program_.settings.newestValidGame();
    if (!game.isEmpty())
        program_.switcher.SwitchGame(game);
}

bool DesktopProgram::start() {
    startup_.run();
    return form_.isVisible();
}

// The console and the setup dialog only hide when asked to close, so the
// main window is left as the last one and the program ends with it.
void DesktopProgram::shutDown() {
    startup_.shutdown();
    closeOtherWindows(form_);
}

} // namespace fennick
