#pragma once

#include "core/ui_host.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace fennick {

// The user interface of the command-line tool and the tests: it opens
// nothing and reports one line naming what it would have opened.
class HeadlessUi : public UiHost {
public:
    using Sink = std::function<void(const QString&)>;

    // The custom windows of a run without windows (HeadlessForms): "loadform"
    // builds one and is told what it holds ("\"Bots\", 12 controls"), or
    // nothing when the description cannot be loaded; refreshing bound
    // controls reaches every one.
    class Forms {
    public:
        virtual ~Forms() = default;
        virtual std::optional<QString> open(const QString& path) = 0;
        virtual void refresh() = 0;
    };

    explicit HeadlessUi(Sink sink = {}) : sink_(std::move(sink)) {}

    void openConsole() override;
    void openMapBrowser() override;
    void openServerBrowser() override;
    void loadForm(const QString& path) override;
    void refreshBoundControls() override;

    // With forms attached, "loadform" also builds the custom window's
    // model, kept until the run ends, and refreshing reaches its controls.
    void attach(Forms& forms) { forms_ = &forms; }

    const QStringList& reports() const { return reports_; }
    int refreshCount() const { return refreshCount_; }

private:
    void report(const QString& text);

    Sink sink_;
    QStringList reports_;
    int refreshCount_ = 0;
    Forms* forms_ = nullptr;
};

} // namespace fennick
