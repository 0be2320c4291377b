#pragma once

#include "core/ui_host.h"
#include "customwin/headless_forms.h"

#include <QStringList>
#include <functional>

namespace fennick {

class Program;

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
    void refreshBoundControls() override;

    // With a program attached, "loadform" also builds the custom window's
    // model, kept until the run ends, and refreshing reaches its controls.
    void attach(Program& program) { program_ = &program; }
    const HeadlessForms& forms() const { return forms_; }

    const QStringList& reports() const { return reports_; }
    int refreshCount() const { return refreshCount_; }

private:
    void report(const QString& text);

    Sink sink_;
    QStringList reports_;
    int refreshCount_ = 0;
    Program* program_ = nullptr;
    HeadlessForms forms_;
};

} // namespace fennick
