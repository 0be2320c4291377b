#pragma once

#include "customwin/form_model.h"

#include <QJsonArray>
#include <QString>
#include <QVector>

namespace fennick {

class Program;

// The custom windows of a run without a display: each `LoadForm` builds the
// window's model and keeps it "open" until the run ends, and refreshing
// bound controls reaches all of them, as it reaches every open window of
// the desktop program.
class HeadlessForms {
public:
    struct OpenForm {
        QString file; // the description's path as found on disk
        FormModel model;
    };

    // False (and nothing opened) when the file does not exist.
    bool LoadForm(Program& program, const QString& path);
    void RefreshBoundControls(const Program& program);

    const QVector<OpenForm>& forms() const { return forms_; }
    // The models in the order they were opened, each with its "file".
    QJsonArray json() const;

private:
    QVector<OpenForm> forms_;
};

} // namespace fennick
