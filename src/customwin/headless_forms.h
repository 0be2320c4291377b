#pragma once

#include "core/headless_ui.h"
#include "customwin/form_model.h"
#include "customwin/form_services.h"

#include <QJsonArray>
#include <QString>
#include <QVector>

namespace fennick {

// The custom windows of a run without a display: each `LoadForm` builds the
// window's model and keeps it "open" until the run ends, and refreshing
// bound controls reaches all of them, as it reaches every open window of
// the desktop program. A HeadlessUi attached to it opens them.
class HeadlessForms : public HeadlessUi::Forms {
public:
    explicit HeadlessForms(const FormServices& services) : services_(services) {}

    struct OpenForm {
        QString file; // the description's path as found on disk
        FormModel model;
    };

    // False (and nothing opened) when the file does not exist.
    bool LoadForm(const QString& path);
    void RefreshBoundControls();

    std::optional<QString> open(const QString& path) override;
    void refresh() override { RefreshBoundControls(); }

    const QVector<OpenForm>& forms() const { return forms_; }
    // The models in the order they were opened, each with its "file".
    QJsonArray json() const;

private:
    FormServices services_;
    QVector<OpenForm> forms_;
};

} // namespace fennick
