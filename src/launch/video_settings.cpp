#include "launch/video_settings.h"

#include "core/game_facts.h"
#include "common/number_text.h"
#include "core/game_facts.h"
#include "platform/display_modes.h"

#include <QScopedValueRollback>
#include <QSet>
#include <array>
#include <cmath>
#include <limits>

namespace fennick {

namespace {

constexpr int kUnknownModeNumber = 3;
// Seconds the status line says that a typed mode was refused.
constexpr int kRefusalSeconds = 3;
const QString kFullscreen = QStringLiteral("Fullscreen - ");
const QString kWindowed = QStringLiteral("Windowed - ");
const QString kSet = QStringLiteral("set");

// Which cvars of a game the selector follows. The full-screen flag and the
// mode cvars are set from `fenkit_mode`; a change of one of the trigger
// cvars rebuilds `fenkit_mode` from the flag and the mode.
//
// Quake II keeps "sw_mode" and "gl_mode" equal when the selector sets them,
// so its way back reads "vid_fullscreen" with "gl_mode", the cvars the game
// itself uses (it has no "r_fullscreen" or "r_mode"). Quake has no cvars of
// its own here and is left alone.
struct GameVideoCvars {
    const char* game;
    const char* fullscreen;
    std::array<const char*, 2> forwardModes;
    const char* reverseMode;
    std::array<const char*, 3> modeTriggers;
    std::array<const char*, 2> flagTriggers;
};

constexpr std::array<GameVideoCvars, 2> kGameCvars = {{
    {"quake3",
     "r_fullscreen",
     {"r_mode", nullptr},
     "r_mode",
     {"gl_mode", "r_mode", "sw_mode"},
     {"vid_fullscreen", "r_fullscreen"}},
    {"quake2",
     "vid_fullscreen",
     {"sw_mode", "gl_mode"},
     "gl_mode",
     {"gl_mode", "sw_mode", nullptr},
     {"vid_fullscreen", nullptr}},
}};

const GameVideoCvars* cvarsOf(const QString& game) {
    for (const GameVideoCvars& entry : kGameCvars) {
        if (game == QLatin1String(entry.game))
            return &entry;
    }
    return nullptr;
}

template <std::size_t N> bool listed(const std::array<const char*, N>& names, const QString& name) {
    for (const char* entry : names) {
        if (entry && name == QLatin1String(entry))
            return true;
    }
    return false;
}

// The mode number a cvar value stands for, read the way the games read it
// (leading number, fraction dropped); -1 when it is no usable number.
int modeNumberOf(const QString& value) {
    const double number = std::trunc(leadingNumber(value));
    if (!std::isfinite(number) || number < std::numeric_limits<int>::min() ||
        number > std::numeric_limits<int>::max())
        return -1;
    return static_cast<int>(number);
}

// The OpenGL driver line for the setup dialog's OpenGL mode, lower-cased.
struct DriverLine {
    const char* oglMode;
    const char* line;
};

constexpr std::array<DriverLine, 3> kDrivers = {{
    {"default opengl", "gl_driver opengl32"},
    {"3dfx opengl", "gl_driver 3dfxgl"},
    {"powervr opengl", "gl_driver pvrgl"},
}};

} // namespace

const QVector<VideoMode>& videoModeTable(const QString& game) {
    const GameFacts& facts = gameFacts(game);
    return facts.slot < 0 ? allGames().front().videoModes : facts.videoModes;
}

int ModeIndex(const QString& game, const QString& size) {
    for (const VideoMode& mode : videoModeTable(game)) {
        if (size == mode.size)
            return mode.number;
    }
    return kUnknownModeNumber;
}

QString ModeText(const QString& game, int number) {
    for (const VideoMode& mode : videoModeTable(game)) {
        if (mode.number == number)
            return mode.size;
    }
    return QStringLiteral("640x480");
}

QStringList resolutionEntries(const QString& game, const platform::DisplayModes& display) {
    // A size may be offered many times (per depth and refresh rate); modes
    // below 16 bits per pixel are of no use to the games.
    QSet<QString> offered;
    for (const platform::DisplayMode& mode : display.modes()) {
        if (mode.bitsPerPixel >= 16)
            offered.insert(formatThreeDigits(mode.width) + QLatin1Char('x') +
                           formatThreeDigits(mode.height));
    }
    const QVector<VideoMode>& table = videoModeTable(game);
    QStringList entries;
    for (const VideoMode& mode : table) {
        if (offered.contains(mode.size))
            entries.append(kFullscreen + mode.size);
    }
    const int desktopWidth = display.desktopWidth();
    for (const VideoMode& mode : table) {
        if (mode.width <= desktopWidth)
            entries.append(kWindowed + mode.size);
    }
    return entries;
}

VideoSettings::VideoSettings(const LaunchContext& context, QObject* parent)
    : QObject(parent), context_(context) {}

QStringList VideoSettings::BuildResolutionList(const platform::DisplayModes& display) {
    display_ = platform::FixedDisplayModes(display.modes(), display.desktopWidth());
    listGame_ = context_.game.currentGame;
    entries_ = resolutionEntries(listGame_, display_);
    Q_EMIT entriesChanged(entries_);
    context_.console.ConsolePrint(QStringLiteral("Added possible resolutions to resolution list."));
    return entries_;
}

void VideoSettings::gameChanged() {
    if (context_.game.currentGame == listGame_)
        return;
    listGame_ = context_.game.currentGame;
    entries_ = resolutionEntries(listGame_, display_);
    Q_EMIT entriesChanged(entries_);
}

void VideoSettings::selectorChanged(const QString& text) {
    // While this model tells the selector a text, the selector reports the
    // change back; that value is already stored and its cvars already set.
    // Running it again would only rewrite them, or worse, turn a mode the
    // table does not know (a custom "r_mode -1") into mode 3.
    if (showing_)
        return;
    // Only the list's own modes are taken: a typed size the game has no
    // mode number for would quietly become some other mode.
    if (!resolutionEntries(context_.game.currentGame, display_).contains(text)) {
        context_.status.queue(QStringLiteral("\"") + text +
                                  QStringLiteral("\" is not a screen mode of the list"),
                              kRefusalSeconds);
        QScopedValueRollback<bool> guard(showing_, true);
        Q_EMIT selectorTextChanged(text_);
        return;
    }
    text_ = text;
    context_.interpreter.ExecuteLine(QStringLiteral("fenkit_mode \"") + text + QLatin1Char('"'),
                                     false);
}

void VideoSettings::VideoCvarChanged(const QString& name, const QString& value) {
    const GameVideoCvars* cvars = cvarsOf(context_.game.currentGame);
    if (!cvars)
        return;
    if (name == QLatin1String("fenkit_mode"))
        forwardMode(value);
    if (listed(cvars->modeTriggers, name)) {
        // An unset flag counts as full screen.
        const bool windowed =
            context_.cvars.GetCvar(QLatin1String(cvars->fullscreen)) == QLatin1String("0");
        storeMode((windowed ? kWindowed : kFullscreen) +
                  ModeText(context_.game.currentGame, modeNumberOf(value)));
    }
    if (listed(cvars->flagTriggers, name)) {
        const bool windowed = value == QLatin1String("0");
        const QString mode = context_.cvars.GetCvar(QLatin1String(cvars->reverseMode));
        storeMode((windowed ? kWindowed : kFullscreen) +
                  ModeText(context_.game.currentGame, modeNumberOf(mode)));
    }
}

// From `fenkit_mode` to the game's cvars. They are set directly, not
// through the interpreter, so this hook does not run again for them.
void VideoSettings::forwardMode(const QString& value) {
    const GameVideoCvars* cvars = cvarsOf(context_.game.currentGame);
    QString flag;
    QString size;
    if (value.startsWith(QLatin1String("Fullscreen"))) {
        flag = QStringLiteral("1");
        size = value.mid(kFullscreen.size());
    } else if (value.startsWith(QLatin1String("Windowed"))) {
        flag = QStringLiteral("0");
        size = value.mid(kWindowed.size());
    } else {
        return;
    }
    context_.cvars.SetCvar(QLatin1String(cvars->fullscreen), flag, 0, 0, kSet);
    const QString mode = QString::number(ModeIndex(context_.game.currentGame, size));
    for (const char* name : cvars->forwardModes) {
        if (name)
            context_.cvars.SetCvar(QLatin1String(name), mode, 0, 0, kSet);
    }
    showText(value);
}

void VideoSettings::storeMode(const QString& fenkitMode) {
    context_.cvars.SetCvar(QStringLiteral("fenkit_mode"), fenkitMode, 0, 0, kSet);
    showText(fenkitMode);
}

void VideoSettings::showText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    QScopedValueRollback<bool> guard(showing_, true);
    Q_EMIT selectorTextChanged(text_);
}

void VideoSettings::SetRenderer(const QString& mode) {
    const RendererChoice choice = gameFacts(context_.game.currentGame).renderer;
    if (choice == RendererChoice::OpenGlOnly) {
        showPicture(RendererPicture::OpenGL);
        return;
    }
    if (choice == RendererChoice::None) {
        // Quake has no renderer choice: nothing to show.
        showPicture(RendererPicture::None);
        return;
    }
    QString chosen = mode;
    if (chosen.isEmpty()) {
        const QString current = context_.cvars.GetCvar(QStringLiteral("vid_ref"));
        chosen = current == QLatin1String("gl") || current == QLatin1String("soft")
                     ? current
                     : rendererFromSettings();
    }
    if (chosen == QLatin1String("soft")) {
        context_.interpreter.ExecuteLine(QStringLiteral("vid_ref soft"), false);
        showPicture(RendererPicture::Software);
    } else if (chosen == QLatin1String("gl")) {
        useOpenGl();
    }
}

QString VideoSettings::rendererFromSettings() const {
    return context_.settings.oglMode == QLatin1String("Software") ? QStringLiteral("soft")
                                                                  : QStringLiteral("gl");
}

void VideoSettings::useOpenGl() {
    const QString oglMode = context_.settings.oglMode.toLower();
    for (const DriverLine& driver : kDrivers) {
        if (oglMode == QLatin1String(driver.oglMode))
            context_.interpreter.ExecuteLine(QLatin1String(driver.line), false);
    }
    context_.interpreter.ExecuteLine(QStringLiteral("vid_ref gl"), false);
    showPicture(RendererPicture::OpenGL);
}

void VideoSettings::rendererPictureClicked() {
    if (gameFacts(context_.game.currentGame).renderer != RendererChoice::SoftwareOrOpenGl)
        return;
    SetRenderer(picture_ == RendererPicture::OpenGL ? QStringLiteral("soft")
                                                    : QStringLiteral("gl"));
}

void VideoSettings::showPicture(RendererPicture picture) {
    if (picture == picture_)
        return;
    picture_ = picture;
    Q_EMIT rendererPictureChanged(picture_);
}

} // namespace fennick
