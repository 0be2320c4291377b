#include "compile/widgets/frm_q3_compile.h"

#include "compile/map_compile_step.h"
#include "compile/map_compiler.h"
#include "platform/file_system.h"
#include "ui/app_look.h"
#include "ui/window_placement.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace fennick {

namespace {

const QString kTitle = QStringLiteral("Quake 3 Map Compiler");

template <typename Widget> Widget* named(Widget* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

// Offscreen and minimal platforms (tests, scripts) have no windows to
// show a terminal in.
bool desktopHasWindows() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace

frmQ3Compile::frmQ3Compile(MapCompiler& compiler, const CompileRequest& request, QWidget* parent)
    : QDialog(parent), compiler_(&compiler), paths_(request.paths) {
    setObjectName(QStringLiteral("frmQ3Compile"));
    setWindowTitle(kTitle);
    resize(kWidth, kHeight);
    makeFixedSize(*this);
    named(new QLabel(QStringLiteral("The following map file has been selected :"), this), "Label1",
          QRect(10, 8, 352, 20));
    auto* mapName = named(new QLabel(paths_.mapFile, this), "lblMapName", QRect(10, 28, 352, 36));
    mapName->setWordWrap(true);
    mapName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    buildOptions();
    buildProgress();
    compileButton_ = named(new QPushButton(QStringLiteral("Compile!"), this), "Command1",
                           QRect(10, 256, 112, 28));
    skipButton_ = named(new QPushButton(QStringLiteral("Don't compile"), this), "Command2",
                        QRect(130, 256, 112, 28));
    cancelButton_ = named(new QPushButton(QStringLiteral("Cancel"), this), "Command3",
                          QRect(250, 256, 112, 28));
    cancelButton_->hide();
    compileButton_->setDefault(true);
    connect(compileButton_, &QPushButton::clicked, this, &frmQ3Compile::compile);
    connect(skipButton_, &QPushButton::clicked, this, [this] {
        outcome_ = CompileOutcome::NotCompiled;
        accept();
    });
    connect(cancelButton_, &QPushButton::clicked, this, &frmQ3Compile::reject);
    connect(&compiler, &MapCompiler::finished, this, &frmQ3Compile::waitEnded);
}

// A dialog taken down with its owner stops the wait it started; the batch
// goes on.
frmQ3Compile::~frmQ3Compile() {
    if (waiting_ && compiler_) {
        disconnect(compiler_, nullptr, this, nullptr);
        compiler_->cancel();
    }
}

void frmQ3Compile::buildOptions() {
    frame_ = named(new QGroupBox(QStringLiteral("Compile Options"), this), "Frame1",
                   QRect(10, 70, 352, 140));
    static const char* const captions[] = {
        "Very fast compile (bsp only)", "Fast Compile (bsp, fast vis, light)",
        "Normal Compile (bsp, vis, light)", "Complete Compile (bsp, vis, extra light)"};
    static const char* const names[] = {"Option1", "Option2", "Option3", "Option4"};
    for (int i = 0; i < 4; ++i)
        levels_[i] = named(new QRadioButton(QLatin1String(captions[i]), frame_), names[i],
                           QRect(12, 22 + i * 22, 330, 22));
    levels_[1]->setChecked(true);
    aas_ = named(new QCheckBox(QStringLiteral("Bot .aas file"), frame_), "Check1",
                 QRect(12, 110, 330, 22));
}

// What the compile is doing: a line of text, a moving bar while the tools
// run, and after a failure the end of their output.
void frmQ3Compile::buildProgress() {
    // Two lines for a failure with a long map name; while the tools run the
    // text takes one line and the bar the second.
    state_ = named(new QLabel(this), "lblCompileState", QRect(10, 212, 352, 40));
    state_->setWordWrap(true);
    state_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    busy_ = named(new QProgressBar(this), "prgCompile", QRect(10, 236, 352, 14));
    busy_->setRange(0, 0);
    busy_->setTextVisible(false);
    busy_->hide();
    log_ = named(new QPlainTextEdit(this), "txtCompileLog", QRect(10, 292, 352, 150));
    log_->setReadOnly(true);
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    log_->hide();
}

CompileOptions frmQ3Compile::options() const {
    CompileOptions options;
    for (int i = 0; i < 4; ++i) {
        if (levels_[i]->isChecked())
            options.level = i + 1;
    }
    options.aas = aas_->isChecked();
    return options;
}

// A batch that cannot be started leaves the dialog as it was, so the user
// may try again, change the setup or go on without compiling.
void frmQ3Compile::compile() {
    if (!compiler_)
        return;
    if (const std::optional<QString> error = compiler_->start(paths_, options())) {
        QMessageBox::warning(this, kTitle,
                             QStringLiteral("The map cannot be compiled: ") + *error +
                                 QLatin1Char('.'));
        return;
    }
    log_->hide();
    setFixedSize(kWidth, kHeight);
    state_->setPalette(palette());
    state_->setText(QStringLiteral("Compiling... the tools' output goes to ") +
                    platform::fileNameOf(compiler_->logPath()));
    setWaiting(true);
}

void frmQ3Compile::setWaiting(bool waiting) {
    waiting_ = waiting;
    frame_->setEnabled(!waiting);
    compileButton_->setEnabled(!waiting);
    skipButton_->setEnabled(!waiting);
    cancelButton_->setVisible(waiting);
    busy_->setVisible(waiting);
}

// A finished compile closes the dialog; a failed one keeps it open with
// the end of the tools' output, to compile again, go on without the
// compile, or cancel the launch.
void frmQ3Compile::waitEnded(CompileEnd end) {
    if (!waiting_)
        return;
    setWaiting(false);
    if (end == CompileEnd::Failed) {
        outcome_ = CompileOutcome::Failed;
        showFailure();
        return;
    }
    outcome_ = end == CompileEnd::Completed ? CompileOutcome::Compiled : CompileOutcome::Cancelled;
    accept();
}

void frmQ3Compile::showFailure() {
    state_->setText(QStringLiteral("The compile failed: ") + compiler_->failure() +
                    QLatin1Char('.'));
    QPalette red = state_->palette();
    red.setColor(QPalette::WindowText, onWindow(QColor(127, 0, 0)));
    state_->setPalette(red);
    log_->setPlainText(compiler_->logTail().join(QLatin1Char('\n')));
    log_->show();
    cancelButton_->show();
    setFixedSize(kWidth, kHeight + kLogHeight);
}

// "Cancel", the close box and Escape never start the game: while waiting
// they end the wait, otherwise they close the dialog and stop the launch.
void frmQ3Compile::reject() {
    if (waiting_ && compiler_) {
        compiler_->cancel(); // the wait's end closes the dialog
        return;
    }
    if (outcome_ != CompileOutcome::Failed)
        outcome_ = CompileOutcome::Cancelled;
    QDialog::reject();
}

CompileOutcome frmQ3Compile::ask(QWidget* owner, MapCompiler& compiler,
                                 const CompileRequest& request) {
    const QPointer<QWidget> window(owner);
    const QPointer<frmQ3Compile> dialog = new frmQ3Compile(compiler, request, owner);
    dialog->exec();
    CompileOutcome outcome = CompileOutcome::Abandoned;
    if (dialog) {
        outcome = dialog->outcome();
        dialog->deleteLater();
    }
    if (!window || !window->isVisible())
        return CompileOutcome::Abandoned;
    return outcome;
}

void frmQ3Compile::attach(MapCompileStep& step, QWidget& mainWindow) {
    step.compiler.setShowWindow(desktopHasWindows());
    const QPointer<QWidget> owner(&mainWindow);
    step.chooser = [owner](const CompileRequest& request, MapCompiler& compiler) {
        return owner ? ask(owner, compiler, request) : CompileOutcome::Abandoned;
    };
}

} // namespace fennick
