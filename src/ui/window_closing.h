#pragma once

class QWidget;

namespace fennick {

// Closes every visible top-level window except `keep`. Windows that live
// for the whole run (console, setup) hide themselves when asked to close.
void closeOtherWindows(const QWidget& keep);

} // namespace fennick
