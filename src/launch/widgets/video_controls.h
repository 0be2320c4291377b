#pragma once

#include <QWidget>

class QComboBox;

namespace fennick {

class VideoSettings;
class PictureBox;

// The main window's video controls: the resolution selector
// (`cmbResolution`), a view of the cvar fenkit_mode, and the renderer
// picture (`pic3DMode`), which switches Quake II between its software and
// OpenGL renderers. Both forward to the program's video settings model.
class VideoControls : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 252;
    static constexpr int kHeight = 28;

    explicit VideoControls(VideoSettings& video, QWidget* parent = nullptr);

private:
    void showEntries();
    void showText(const QString& text);
    void showPicture();
    void selectorEdited();

    VideoSettings& video_;
    QComboBox* selector_ = nullptr;
    PictureBox* picture_ = nullptr;
    // True while the selector is being set from the model.
    bool syncing_ = false;
};

} // namespace fennick
