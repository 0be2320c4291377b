#pragma once

#include <QString>

namespace fennick {

// How the core reaches the user interface. The desktop program plugs in its
// windows; the command-line tool and the tests plug in a headless host.
// Every call has a quiet default, so a host overrides what it shows.
class UiHost {
public:
    virtual ~UiHost() = default;

    // Windows opened by console commands.
    virtual void openConsole() {}
    virtual void openMapBrowser() {}
    virtual void openServerBrowser() {}
    virtual void loadForm(const QString& path) { (void)path; }

    // Push cvar values into every control bound to a cvar.
    virtual void refreshBoundControls() {}

    // Let pending events run once, from a loop that works step by step.
    virtual void yieldOnce() {}
};

} // namespace fennick
