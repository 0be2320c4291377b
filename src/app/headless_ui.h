#pragma once

#include "app/ui_host.h"

#include <QStringList>
#include <functional>

namespace fennick {

// The user interface of the command-line tool and the tests: it opens
// nothing and reports one line naming what it would have opened.
class HeadlessUi : public UiHost {
public:
    using Sink = std::function<void(const QString&)>;
    explicit HeadlessUi(Sink sink = {}) : sink_(std::move(sink)) {}

    void openConsole() override;
    void openMapBrowser() override;
    void openServerBrowser() override;
    void loadForm(const QString& path) override;
    void refreshBoundControls() override { ++refreshCount_; }

    const QStringList& reports() const { return reports_; }
    int refreshCount() const { return refreshCount_; }

private:
    void report(const QString& text);

    Sink sink_;
    QStringList reports_;
    int refreshCount_ = 0;
};

} // namespace fennick
