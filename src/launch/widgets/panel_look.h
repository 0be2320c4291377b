#pragma once

#include "launch/video_settings.h"

#include <QImage>

namespace fennick {

// The small pictures the main window's panel draws itself (the mod list's
// folder images, the renderer pictures and the icon shown for a mod
// without one). Its colours are the application's (ui/app_look.h).
class PanelLook {
public:
    // The mod list's image 1 (a plain folder) and image 2 (a folder with a
    // star: a mod with its own settings), 16 x 16.
    static QImage folderImage(int image);

    // The renderer picture: a software chip or an OpenGL cube; a null
    // image for none.
    static QImage rendererImage(VideoSettings::RendererPicture picture);
    static constexpr QSize kRendererSize{56, 24};

    // Shown as the mod icon when neither the mod nor the window has one.
    static QImage defaultModIcon();
};

} // namespace fennick
