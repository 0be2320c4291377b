#pragma once

#include "compile/compile_options.h"
#include "compile/compile_request.h"
#include "compile/map_compiler.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace fennick {

class MapCompileStep;

// "Quake 3 Map Compiler": shown modally by the start button for a map
// chosen in its uncompiled form. "Compile!" writes and starts the batch and
// waits, the dialog still open and a bar moving, until the batch reports
// completion; a compile that wrote no new .bsp keeps the dialog open and
// shows the end of the tools' output. "Cancel" and the close box end the
// wait without stopping the batch, and stop the launch. "Don't compile"
// closes it at once and the launch goes on.
class frmQ3Compile : public QDialog {
    Q_OBJECT
public:
    frmQ3Compile(MapCompiler& compiler, const CompileRequest& request, QWidget* parent = nullptr);
    ~frmQ3Compile() override;

    // The options the dialog shows.
    CompileOptions options() const;
    // How the dialog ended; "not compiled" until a button ends it.
    CompileOutcome outcome() const { return outcome_; }

    // The close box and Escape act as "Cancel".
    void reject() override;

    // Shows the dialog modally over the owner and returns how it ended;
    // "abandoned" when the owner closed or went away meanwhile (the
    // program is ending, so the launch must not go on).
    static CompileOutcome ask(QWidget* owner, MapCompiler& compiler, const CompileRequest& request);

    // Makes the start button's compile step ask through this dialog over
    // the main window, with the batch in a terminal window where the
    // desktop has windows.
    static void attach(MapCompileStep& step, QWidget& mainWindow);

private:
    static constexpr int kWidth = 372, kHeight = 294, kLogHeight = 160;

    void buildOptions();
    void buildProgress();
    void compile();
    void waitEnded(CompileEnd end);
    void showFailure();
    void setWaiting(bool waiting);

    QPointer<MapCompiler> compiler_;
    const CompilePaths paths_;
    CompileOutcome outcome_ = CompileOutcome::NotCompiled;
    // True from this dialog's "Compile!" until its wait ends.
    bool waiting_ = false;
    QGroupBox* frame_ = nullptr;
    QRadioButton* levels_[4] = {};
    QCheckBox* aas_ = nullptr;
    QLabel* state_ = nullptr;
    QProgressBar* busy_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    QPushButton* compileButton_ = nullptr;
    QPushButton* skipButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace fennick
