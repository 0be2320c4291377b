#pragma once

#include "core/ui_host.h"

#include <functional>

namespace fennick {

// The user interface as the core reaches it. Before a window opens or the
// event loop runs, work that was put off until someone looks (the
// command-line rebuild a file load holds) is done, so whatever repaints or
// reacts then sees the current state. Refreshing bound controls passes
// straight through: it only reads the cvar store, and a host that yields
// while refreshing does so through yieldOnce.
class SettlingUi : public UiHost {
public:
    SettlingUi(UiHost& inner, std::function<void()> settle)
        : inner_(inner), settle_(std::move(settle)) {}

    void openConsole() override {
        settle_();
        inner_.openConsole();
    }
    void openMapBrowser() override {
        settle_();
        inner_.openMapBrowser();
    }
    void openServerBrowser() override {
        settle_();
        inner_.openServerBrowser();
    }
    void loadForm(const QString& path) override {
        settle_();
        inner_.loadForm(path);
    }
    void refreshBoundControls() override { inner_.refreshBoundControls(); }
    void yieldOnce() override {
        settle_();
        inner_.yieldOnce();
    }

private:
    UiHost& inner_;
    std::function<void()> settle_;
};

} // namespace fennick
