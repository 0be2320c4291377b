#include "app/widgets/frm_setup.h"

#include "core/game_facts.h"
#include "core/native_engines.h"
#include "core/program_settings.h"
#include "ui/app_look.h"
#include "ui/window_placement.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>

namespace fennick {

namespace {

// Dark green and dark red, lightened (same hue) to read on the dark window.
const QColor kValidColour = onWindow(QColor(0, 127, 0));
const QColor kInvalidColour = onWindow(QColor(127, 0, 0));
const QRect kFrameGeometry(8, 72, 424, 262);
// Each game takes a directory line and an engine line below it.
constexpr int kRowTop = 16;
constexpr int kRowHeight = 70;
constexpr int kEngineOffset = 30;

template <typename Widget> Widget* named(Widget* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

void colourLabel(QLabel* label, bool valid) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, valid ? kValidColour : kInvalidColour);
    label->setPalette(palette);
}

void setTextIfChanged(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

QString systemFolderPicker(QWidget* owner, const QString& title) {
    return QFileDialog::getExistingDirectory(owner, title, QString(), QFileDialog::ShowDirsOnly);
}

} // namespace

frmSetup::frmSetup(ProgramSettings& settings, QWidget* parent)
    : QWidget(parent, Qt::Dialog), folderPicker(systemFolderPicker), settings_(settings) {
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(QStringLiteral("Fennick Setup"));
    resize(440, 410);
    makeFixedSize(*this);
    buildHeader();
    buildGeneralFrame();
    buildServersFrame();
    buildDeveloperFrame();
    buildButtons();
    connectFields();
    showTab(0);
    refreshFields();
}

// Below the frames: the first-start guide (hidden until needed), "OK",
// which keeps what was entered, and "Cancel" (or Escape), which puts back
// what the fields held when the dialog was opened.
void frmSetup::buildButtons() {
    guide_ = named(new QLabel(this), "lblGuide", QRect(8, 338, 424, 32));
    guide_->setWordWrap(true);
    QFont bold = guide_->font();
    bold.setBold(true);
    guide_->setFont(bold);
    guide_->hide();
    okButton_ =
        named(new QPushButton(QStringLiteral("OK"), this), "Command4", QRect(264, 376, 80, 26));
    okButton_->setDefault(true);
    cancelButton_ = named(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel",
                          QRect(352, 376, 80, 26));
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &frmSetup::cancelSettings);
}

void frmSetup::showGuide(const QString& text) {
    guide_->setText(text);
    guide_->setVisible(!text.isEmpty());
}

void frmSetup::buildHeader() {
    header_ = named(new QLabel(QStringLiteral("Fennick Setup. Configure game directories and "
                                              "other Fennick settings here."),
                               this),
                    "Label4", QRect(8, 6, 424, 34));
    header_->setWordWrap(true);
    tabs_ = named(new QTabBar(this), "TabStrip1", QRect(8, 44, 424, 28));
    tabs_->setExpanding(false);
    for (const char* caption : {"General", "Server Browser", "Developer"})
        tabs_->addTab(QLatin1String(caption));
}

void frmSetup::buildGeneralFrame() {
    auto* frame = named(new QGroupBox(this), "frameGeneral", kFrameGeometry);
    frames_[0] = frame;
    struct RowText {
        const char *game, *label, *edit, *browse, *caption, *title;
        const char *engineLabel, *engineEdit, *engineCaption;
    };
    static const RowText texts[] = {
        {"quake1", "Label1", "txtQ1Dir", "Command1", "Quake 1 directory :",
         "Please locate your Quake 1 directory", "lblQ1Engine", "txtQ1Engine", "Quake 1 engine :"},
        {"quake2", "Label2", "txtQ2Dir", "Command2", "Quake 2 directory :",
         "Please locate your Quake 2 directory", "lblQ2Engine", "txtQ2Engine", "Quake 2 engine :"},
        {"quake3", "Label3", "txtQ3Dir", "Command3",
         "Quake 3 Arena dir :", "Please locate your Quake 3 Arena directory", "lblQ3Engine",
         "txtQ3Engine", "Quake 3 engine :"},
    };
    for (int i = 0; i < 3; ++i) {
        const int y = kRowTop + i * kRowHeight;
        DirectoryRow& row = rows_[i];
        row.label = named(new QLabel(QLatin1String(texts[i].caption), frame), texts[i].label,
                          QRect(10, y + 3, 118, 20));
        row.edit = named(new QLineEdit(frame), texts[i].edit, QRect(130, y, 196, 24));
        row.browse = named(new QPushButton(QStringLiteral("Browse..."), frame), texts[i].browse,
                           QRect(332, y, 82, 24));
        row.pickerTitle = QLatin1String(texts[i].title);
        row.game = QLatin1String(texts[i].game);
        buildEngineRow(row, frame, y + kEngineOffset, texts[i].engineLabel, texts[i].engineEdit,
                       texts[i].engineCaption);
    }
    const int oglTop = kRowTop + 3 * kRowHeight;
    oglLabel_ = named(new QLabel(QStringLiteral("OpenGL Mode"), frame), "Label6",
                      QRect(10, oglTop + 3, 118, 20));
    oglLabel_->installEventFilter(this);
    oglMode_ = named(new QComboBox(frame), "cmbOGL", QRect(130, oglTop, 196, 24));
    oglMode_->addItems(ProgramSettings::oglModes());
}

// The engine that runs the game natively when its folder holds only the
// game's data; empty lets the program pick a well-known one.
void frmSetup::buildEngineRow(DirectoryRow& row, QWidget* frame, int y, const char* label,
                              const char* edit, const char* caption) {
    row.engineLabel =
        named(new QLabel(QLatin1String(caption), frame), label, QRect(10, y + 3, 118, 20));
    row.engine = named(new QLineEdit(frame), edit, QRect(130, y, 284, 24));
    const GameFacts& game = gameFacts(row.game);
    QString tip =
        QStringLiteral("The engine to start when the directory has no %1 but the "
                       "game's %2 folder: a full path, or a program name looked for "
                       "in the directory and on PATH. Empty: the first of %3 found.")
            .arg(game.windowsExecutables.constLast(), game.dataFolder(),
                 knownEngineNames(row.game, game.dataFolder()).join(QStringLiteral(", ")));
    for (const GameEdition& variant : game.editions.sliced(1))
        tip += QStringLiteral(" An %1 directory (%2) uses %3.")
                   .arg(variant.name, variant.dataFolder,
                        knownEngineNames(row.game, variant.dataFolder).join(QStringLiteral(", ")));
    row.engine->setToolTip(tip);
    row.engineLabel->setToolTip(tip);
}

void frmSetup::buildServersFrame() {
    auto* frame = named(new QGroupBox(QStringLiteral("Server Browser"), this), "frameServers",
                        kFrameGeometry);
    frames_[1] = frame;
    named(new QLabel(QStringLiteral("Update up to x servers at once"), frame), "Label7",
          QRect(10, 30, 300, 20));
    maxServers_ = named(new QLineEdit(frame), "txtMaxServers", QRect(330, 27, 70, 24));
    auto* frequencyLabel = named(
        new QLabel(QStringLiteral("Auto-Update Server Stats of selected server every x seconds"),
                   frame),
        "Label5", QRect(10, 66, 310, 36));
    frequencyLabel->setWordWrap(true);
    updateFrequency_ = named(new QLineEdit(frame), "txtUpdateFrequency", QRect(330, 72, 70, 24));
    updateFrequency_->setToolTip(QStringLiteral("Number of seconds between refresh"));
}

void frmSetup::buildDeveloperFrame() {
    auto* frame =
        named(new QGroupBox(QStringLiteral("Developer options"), this), "frameDev", kFrameGeometry);
    frames_[2] = frame;
    createDescription_ =
        named(new QCheckBox(QStringLiteral("Autocreate description.txt (Quake 3)"), frame),
              "chkCreateDescription", QRect(10, 28, 400, 22));
    showMapFiles_ = named(
        new QCheckBox(QStringLiteral("Show uncompiled .map files also in the map browser"), frame),
        "chkShowMapFiles", QRect(10, 56, 400, 22));
    q3MapLabel_ =
        named(new QLabel(QStringLiteral("q3map.exe"), frame), "lblQ3Map", QRect(10, 99, 70, 20));
    q3MapPath_ = named(new QLineEdit(frame), "txtQ3Map", QRect(84, 96, 330, 24));
}

void frmSetup::connectFields() {
    for (const DirectoryRow& row : rows_) {
        const QString game = row.game;
        connect(row.edit, &QLineEdit::textEdited, this,
                [this, game](const QString& text) { settings_.setDirectoryOf(game, text); });
        connect(row.browse, &QPushButton::clicked, this, [this, &row] { browseFor(row); });
        connect(row.engine, &QLineEdit::textEdited, this,
                [this, game](const QString& text) { settings_.setEngineOf(game, text); });
    }
    // Enter in a field is OK, as in any dialog.
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::returnPressed, this, &frmSetup::acceptSettings);
    connect(q3MapPath_, &QLineEdit::textEdited, this,
            [this](const QString& text) { settings_.setQ3MapPath(text); });
    connect(oglMode_, &QComboBox::activated, this, [this](int) {
        settings_.oglMode = oglMode_->currentText();
        settings_.notifyChanged();
    });
    connect(maxServers_, &QLineEdit::textEdited, this, [this](const QString& text) {
        settings_.maxServers = text;
        settings_.notifyChanged();
    });
    connect(updateFrequency_, &QLineEdit::textEdited, this, [this](const QString& text) {
        settings_.updateFrequency = text;
        settings_.notifyChanged();
    });
    connect(createDescription_, &QCheckBox::clicked, this, [this](bool checked) {
        settings_.createDescription = checked;
        settings_.notifyChanged();
    });
    connect(showMapFiles_, &QCheckBox::clicked, this, [this](bool checked) {
        settings_.showMapFiles = checked;
        settings_.notifyChanged();
    });
    connect(tabs_, &QTabBar::currentChanged, this, &frmSetup::showTab);
    connect(okButton_, &QPushButton::clicked, this, &frmSetup::acceptSettings);
    connect(cancelButton_, &QPushButton::clicked, this, &frmSetup::cancelSettings);
    connect(&settings_, &ProgramSettings::changed, this, &frmSetup::refreshFields);
}

// A cancelled picker gives an empty text, which empties the field.
void frmSetup::browseFor(const DirectoryRow& row) {
    const QString folder = folderPicker ? folderPicker(this, row.pickerTitle) : QString();
    settings_.setDirectoryOf(row.game, folder);
}

void frmSetup::showTab(int index) {
    for (QGroupBox* frame : frames_)
        frame->hide();
    if (index >= 0 && index < int(frames_.size()))
        frames_[index]->show();
}

// Brings every field in line with the model. Only texts that differ are
// assigned, so the caret of a field being typed into stays where it is.
void frmSetup::refreshFields() {
    for (const DirectoryRow& row : rows_) {
        setTextIfChanged(row.edit, settings_.directoryOf(row.game));
        colourLabel(row.label, settings_.directoryValid(row.game));
        refreshEngineRow(row);
    }
    setTextIfChanged(q3MapPath_, settings_.q3MapPath());
    colourLabel(q3MapLabel_, settings_.q3MapValid());
    const int oglIndex = oglMode_->findText(settings_.oglMode);
    if (oglMode_->currentIndex() != oglIndex)
        oglMode_->setCurrentIndex(oglIndex);
    setTextIfChanged(maxServers_, settings_.maxServers);
    setTextIfChanged(updateFrequency_, settings_.updateFrequency);
    createDescription_->setChecked(settings_.createDescription);
    showMapFiles_->setChecked(settings_.showMapFiles);
}

// The directory's label tells what a launch starts, or why the directory
// is not valid; an empty engine field shows the engine that was found.
void frmSetup::refreshEngineRow(const DirectoryRow& row) {
    const GameInstall& install = settings_.installOf(row.game);
    const QString description = describeInstall(install);
    row.label->setToolTip(description);
    row.edit->setToolTip(description);
    setTextIfChanged(row.engine, settings_.engineOf(row.game));
    const QString found =
        install.native() ? QStringLiteral("found: ") + install.executable : QString();
    row.engine->setPlaceholderText(found);
}

void frmSetup::acceptSettings() {
    settings_.trimTrailingSeparators();
    showGuide(QString());
    hide();
    Q_EMIT accepted();
}

void frmSetup::cancelSettings() {
    settings_.restore(shownValues_);
    hide();
}

// What the fields hold as the dialog opens is what Cancel goes back to.
// The dialog opens ready for typing the first folder.
void frmSetup::showEvent(QShowEvent* event) {
    shownValues_ = settings_.snapshot();
    QWidget::showEvent(event);
    if (!isAncestorOf(focusWidget()))
        rows_[0].edit->setFocus();
}

bool frmSetup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == oglLabel_ &&
        (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove))
        header_->setText(QStringLiteral("If you have a 3D Card, select Default OpenGL, else select "
                                        "Software. 3dfx owners should select 3dfx OpenGL."));
    return QWidget::eventFilter(watched, event);
}

// The close box only hides the dialog: it lives as long as the program.
void frmSetup::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

} // namespace fennick
