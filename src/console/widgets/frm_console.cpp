#include "console/widgets/frm_console.h"

#include "common/fonts.h"
#include "console/catalogue.h"
#include "console/interpreter.h"
#include "console/name_completion.h"
#include "ui/button_keys.h"
#include "ui/window_placement.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace fennick {

namespace {

// The window keeps the fixed layout it was designed with (pixels).
constexpr int kListWidth = 545;

QListWidget* makeList(QWidget* parent, const char* name, const QRect& geometry) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(geometry);
    list->setFont(sansPointFont(8));
    list->setUniformItemSizes(true);
    return list;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, const QString& tip,
                  const QRect& geometry) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setToolTip(tip);
    label->setGeometry(geometry);
    label->setFrameShape(QFrame::StyledPanel);
    return label;
}

} // namespace

frmConsole::frmConsole(const CoreServices& core, Interpreter& interpreter,
                       const Catalogue& catalogue, QWidget* parent)
    : QWidget(parent), core_(core), interpreter_(interpreter), catalogue_(catalogue) {
    setObjectName(QStringLiteral("frmConsole"));
    setWindowTitle(QStringLiteral("Fennick Console"));
    resize(561, 370);
    makeFixedSize(*this);
    buildControls();
    ButtonKeys::closeOnEscape(*this); // as "Hide"

    // Everything printed before the window existed comes first.
    for (const QString& line : core_.console.lines())
        outputList_->addItem(line);
    if (outputList_->count() > 0)
        outputList_->setCurrentRow(outputList_->count() - 1);

    connect(&core_.console, &ConsoleLog::linePrinted, this, &frmConsole::appendLine);
    connect(&core_.preview, &LaunchPreview::changed, this, &frmConsole::showPreview);
    connect(hideButton_, &QPushButton::clicked, this, &QWidget::hide);
}

void frmConsole::buildControls() {
    scriptList_ = makeList(this, "List2", QRect(8, 8, kListWidth, 116));
    outputList_ = makeList(this, "List1", QRect(8, 128, kListWidth, 158));

    input_ = new QLineEdit(this);
    input_->setObjectName(QStringLiteral("Text1"));
    input_->setGeometry(8, 288, kListWidth, 25);
    input_->setToolTip(QStringLiteral(
        "Pressing F1 will do the same as pressing TAB in the Quake2 or Q3A console."));
    input_->installEventFilter(this);

    loadTimeLabel_ =
        makeLabel(this, "Label3", QStringLiteral("Window load time"),
                  QStringLiteral("Time to load a form (.frm)"), QRect(8, 338, 112, 21));
    makeTimeLabel_ = makeLabel(
        this, "Label2", QStringLiteral("MC Time"),
        QStringLiteral(
            "Time to create the config file and command line (and draw fastinfo and map pic)"),
        QRect(124, 338, 112, 21));
    const QString exampleLine = QStringLiteral("c:\\quake\\quake.exe");
    commandLineLabel_ =
        makeLabel(this, "Label1", exampleLine, exampleLine, QRect(240, 338, 224, 21));

    hideButton_ = new QPushButton(QStringLiteral("Hide"), this);
    hideButton_->setObjectName(QStringLiteral("Command1"));
    hideButton_->setGeometry(472, 336, 81, 25);
}

void frmConsole::setWindowLoadTime(const QString& text) {
    loadTimeLabel_->setText(text);
}

void frmConsole::appendLine(const QString& text) {
    outputList_->addItem(text);
    outputList_->setCurrentRow(outputList_->count() - 1);
}

void frmConsole::showPreview() {
    scriptList_->clear();
    scriptList_->addItems(core_.preview.scriptLines);
    // Where the script goes, and why when it is the engine's per-user folder.
    scriptList_->setToolTip(QStringList{core_.preview.scriptPath, core_.preview.scriptNote}
                                .join(QLatin1Char('\n'))
                                .trimmed());
    makeTimeLabel_->setText(core_.preview.makeTimeText);
    setCommandLineText(core_.preview.commandLine);
}

// The command line is usually longer than its label; the tooltip shows all.
void frmConsole::setCommandLineText(const QString& text) {
    commandLineLabel_->setText(text);
    commandLineLabel_->setToolTip(text);
}

void frmConsole::executeInput() {
    const QString line = input_->text();
    interpreter_.ExecuteLine(line, true);
    input_->clear();
}

void frmConsole::completeInput() {
    const CompletionResult result =
        completeName(catalogue_, core_.game.currentGame, input_->text());
    if (result.printed.isEmpty())
        return;
    input_->setText(result.input);
    input_->setCursorPosition(int(result.input.size()));
    for (const QString& line : result.printed)
        core_.console.ConsolePrint(line);
}

bool frmConsole::eventFilter(QObject* watched, QEvent* event) {
    if (watched != input_ || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        executeInput();
        return true;
    }
    if (key == Qt::Key_F1) {
        completeInput();
        return true;
    }
    return false;
}

// The window opens ready for typing a command.
void frmConsole::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    input_->setFocus();
}

// The close box only hides the window: it lives as long as the program.
void frmConsole::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

} // namespace fennick
