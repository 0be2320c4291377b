#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <span>

namespace fennick {

class Program;

namespace platform {
class DisplayModes;
}

// One numbered video mode of the games.
struct VideoMode {
    int number;
    int width;
    int height;
    const char* size; // "640x480"
};

// The games' mode numbers and their sizes, in table order.
std::span<const VideoMode> videoModeTable();

// The mode number of a size text ("1024x768" -> 6); 3 for an unknown size.
int ModeIndex(const QString& size);
// The size text of a mode number (6 -> "1024x768"); "640x480" for an
// unknown number.
QString ModeText(int mode);

// The resolution selector's entries for a display: "Fullscreen - " + size
// for each table size the adapter offers at 16 bits per pixel or more,
// then "Windowed - " + size for each table size that fits the desktop's
// width, both in table order.
QStringList resolutionEntries(const platform::DisplayModes& display);

// The model behind the main window's resolution selector and renderer
// picture. The selector is a view of the program's cvar `fenkit_mode`,
// kept in step with the games' own video cvars in both directions; the
// renderer picture chooses Quake II's renderer.
class VideoSettings : public QObject {
    Q_OBJECT
public:
    enum class RendererPicture { None, Software, OpenGL };

    explicit VideoSettings(Program& program, QObject* parent = nullptr);

    // Fills the selector's entries (once per run, at start-up) and returns them.
    QStringList BuildResolutionList(const platform::DisplayModes& display);
    const QStringList& entries() const { return entries_; }

    // The text the selector shows.
    const QString& selectorText() const { return text_; }
    // The selector was changed by the user (a pick or an edit).
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

    Program& program_;
    QStringList entries_;
    QString text_;
    RendererPicture picture_ = RendererPicture::None;
    // True while the selector is being told a text by this model: the
    // change it reports back is our own and must not run again.
    bool showing_ = false;
};

} // namespace fennick
