#pragma once

#include "core/game_facts.h"
#include "launch/launch_context.h"
#include "platform/display_modes.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace fennick {

// The mode numbers of a game's engine and their sizes, in mode order:
// Quake III's "r_mode", Quake II's "gl_mode" and "sw_mode", and for Quake
// (which has no mode cvar Fennick sets) the classic sizes, which also stand
// for no game.
const QVector<VideoMode>& videoModeTable(const QString& game);

// The mode number of a size text in a game ("1024x768" -> 6); 3 for a size
// the game has no number for.
int ModeIndex(const QString& game, const QString& size);
// The size text of a game's mode number (6 -> "1024x768"); "640x480" for an
// unknown number.
QString ModeText(const QString& game, int mode);

// The resolution selector's entries of a game for a display: "Fullscreen -
// " + size for each of the game's sizes the adapter offers at 16 bits per
// pixel or more, then "Windowed - " + size for each that fits the
// desktop's width, both in the game's table order.
QStringList resolutionEntries(const QString& game, const platform::DisplayModes& display);

// The model behind the main window's resolution selector and renderer
// picture. The selector is a view of the program's cvar `fenkit_mode`,
// kept in step with the games' own video cvars in both directions; the
// renderer picture chooses Quake II's renderer.
class VideoSettings : public QObject {
    Q_OBJECT
public:
    enum class RendererPicture { None, Software, OpenGL };

    explicit VideoSettings(const LaunchContext& context, QObject* parent = nullptr);

    // Reads the display (once per run, at start-up), fills the selector's
    // entries for the current game and returns them.
    QStringList BuildResolutionList(const platform::DisplayModes& display);
    // Another game was chosen: the entries become its own.
    void gameChanged();
    const QStringList& entries() const { return entries_; }

    // The text the selector shows.
    const QString& selectorText() const { return text_; }
    // The selector was changed by the user (a pick or an edit). A text
    // that is not one of the current game's entries is refused: the status
    // line says so and the selector is told its previous text again.
    void selectorChanged(const QString& text);

    // Called after one of the video cvars was set through the interpreter.
    void VideoCvarChanged(const QString& name, const QString& value);

    // "soft", "gl", or empty to take the renderer from the cvars and the
    // program settings (when a game or mod is chosen).
    void SetRenderer(const QString& mode);
    RendererPicture rendererPicture() const { return picture_; }
    // A click on the renderer picture toggles Quake II's renderer.
    void rendererPictureClicked();

Q_SIGNALS:
    void entriesChanged(const QStringList& entries);
    void selectorTextChanged(const QString& text);
    void rendererPictureChanged(VideoSettings::RendererPicture picture);

private:
    void forwardMode(const QString& value);
    void storeMode(const QString& fenkitMode);
    void showText(const QString& text);
    void showPicture(RendererPicture picture);
    QString rendererFromSettings() const;
    void useOpenGl();

    LaunchContext context_;
    platform::FixedDisplayModes display_;
    QString listGame_;
    QStringList entries_;
    QString text_;
    RendererPicture picture_ = RendererPicture::None;
    // True while the selector is being told a text by this model: the
    // change it reports back is our own and must not run again.
    bool showing_ = false;
};

} // namespace fennick
