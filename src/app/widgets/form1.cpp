#include "app/widgets/form1.h"

#include "app/program.h"
#include "buttons/widgets/button_area.h"
#include "buttons/widgets/fast_info_view.h"
#include "buttons/widgets/map_picture.h"
#include "common/fonts.h"
#include "customwin/widgets/bot_window_trigger.h"
#include "launch/widgets/launch_button.h"
#include "launch/widgets/mod_panel_view.h"
#include "launch/widgets/video_controls.h"

#include "ui/window_placement.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QTimer>
#include <QToolTip>

namespace fennick {

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 472;

// The strip's areas reached from the keyboard, and what their tooltips say.
struct StripKey {
    StripArea area;
    QKeySequence keys;
    const char* tip;
};

const StripKey kStripKeys[] = {
    {StripArea::Quake1Icon, QKeySequence(Qt::CTRL | Qt::Key_1), "Quake 1"},
    {StripArea::Quake2Icon, QKeySequence(Qt::CTRL | Qt::Key_2), "Quake 2"},
    {StripArea::Quake3Icon, QKeySequence(Qt::CTRL | Qt::Key_3), "Quake 3 Arena"},
    {StripArea::Setup, QKeySequence(Qt::ALT | Qt::Key_S), "Setup: game directories and options"},
    {StripArea::Corner, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), "Console"},
};

} // namespace

Form1::Form1(Program& program, QWidget& setupDialog, QWidget* parent)
    : QWidget(parent), program_(program), setupDialog_(setupDialog),
      painter_(StripPictures::draw()),
      strip_(kWidth, TitleStripPainter::kHeight, QImage::Format_RGB32) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Fennick"));
    resize(kWidth, kHeight);
    makeFixedSize(*this);
    setMouseTracking(true);
    setAutoFillBackground(true);

    // Holds the strip's font for measuring status texts; never shown.
    tmpLabel_ = new QLabel(this);
    tmpLabel_->setObjectName(QStringLiteral("tmpLabel"));
    tmpLabel_->setFont(sansFont(11, true));
    tmpLabel_->hide();

    panelArea_ = new QWidget(this);
    panelArea_->setObjectName(QStringLiteral("panelArea"));
    panelArea_->setGeometry(0, TitleStripPainter::kHeight, kWidth,
                            kHeight - TitleStripPainter::kHeight);
    buildPanel();
    new BotWindowTrigger(program_.ui, program_.programFolder, *this);
    buildStripKeys();

    statusTimer_ = new QTimer(this);
    statusTimer_->setObjectName(QStringLiteral("statusTimer"));
    statusTimer_->setInterval(kStatusTickMs);
    connect(statusTimer_, &QTimer::timeout, this, &Form1::tickStatus);
    statusTimer_->start();

    program_.switcher.redrawForm = [this] { RedrawForm(); };
    RedrawForm();
}

// Under the strip: the mod list with the mod's description, configuration,
// documents and icon; below them the video controls and the launch button;
// at the foot the button area, the fast-info panel and the map picture.
void Form1::buildPanel() {
    new ModPanelView(program_.mods, program_.panel, panelArea_);
    const int row = ModPanelView::kHeight + 2;
    auto* video = new VideoControls(program_.video, panelArea_);
    video->move(8, row);
    auto* launch =
        new LaunchButton(program_.launcher, program_.status, program_.preview, panelArea_);
    launch->setGeometry(kWidth - 128, row, 120, VideoControls::kHeight);

    const int foot = row + VideoControls::kHeight + 6;
    auto* buttons = new ButtonArea(program_.buttonGroups, panelArea_);
    buttons->move(8, foot);
    auto* info = new FastInfoView(program_.fastInfo, panelArea_);
    info->move(8 + ButtonArea::kWidth + 8, foot);
    // The panel's picture is the current game's, chosen by the mod panel.
    const ModPanel& panel = program_.panel;
    const auto showBackground = [info, &panel] {
        info->showBackground(panel.fastInfoBackground());
    };
    connect(&panel, &ModPanel::fastInfoBackgroundChanged, info, showBackground);
    showBackground();
    auto* map = new MapPicture(program_.fastInfo, program_.cvars, program_.game, program_.mapTitles,
                               program_.levelShots, panelArea_);
    map->move(kWidth - 8 - MapPicture::kPictureSize.width(), foot);
    orderTabs();
}

// The keyboard goes through the panel as it is laid out: the mod list and
// its fields, the screen mode, Launch, then the button area from the
// group selector down, and the fast-info panel.
void Form1::orderTabs() {
    static const char* const kOrder[] = {
        "ListView1",   "Text1",       "Combo1",      "File1",       "cmbResolution",
        "Command1",    "ImageCombo1", "cmdCommand0", "cmdCommand1", "cmdCommand2",
        "cmdCommand3", "ImageCombo2", "picInfo"};
    QWidget* previous = nullptr;
    for (const char* name : kOrder) {
        QWidget* next = panelArea_->findChild<QWidget*>(QLatin1String(name));
        if (!next)
            continue;
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
}

// The game icons, "Setup" and the console corner have keys of their own,
// named in the strip's tooltips.
void Form1::buildStripKeys() {
    for (const StripKey& key : kStripKeys) {
        auto* shortcut = new QShortcut(key.keys, this);
        shortcut->setObjectName(QStringLiteral("stripKey") +
                                key.keys.toString(QKeySequence::PortableText));
        const StripArea area = key.area;
        connect(shortcut, &QShortcut::activated, this, [this, area] {
            clickArea(area);
            RedrawForm();
        });
    }
}

QString Form1::stripToolTip(StripArea area) {
    for (const StripKey& key : kStripKeys)
        if (key.area == area)
            return QStringLiteral("%1 (%2)").arg(QLatin1String(key.tip),
                                                 key.keys.toString(QKeySequence::NativeText));
    return {};
}

Form1::~Form1() {
    program_.switcher.redrawForm = nullptr;
}

// Measured on the strip picture itself, with the font it is drawn in, so
// the cut text fits exactly what the painter draws on any screen and with
// any font set (a widget's own metrics follow the screen, not the picture).
int Form1::measure(const QString& text) const {
    return QFontMetrics(statusFont(), &strip_).horizontalAdvance(text);
}

// The strip's font, or a lighter and then smaller one when the status text
// would not fit in it: a long message is drawn whole rather than scrolled
// until its start is gone. Only a message too long even for the smallest
// scrolls (and is cut), in the strip's own font.
QFont Form1::statusFont() const {
    const QString& text = program_.status.statusText;
    QFont font = tmpLabel_->font();
    for (const int pixels : {0, 11, 10, 9}) {
        if (pixels > 0) {
            font.setBold(false);
            font.setPixelSize(pixels);
        }
        if (QFontMetrics(font, &strip_).horizontalAdvance(text) <= StatusLine::kMaxWidth)
            return font;
    }
    return tmpLabel_->font();
}

void Form1::tickStatus() {
    const double now = program_.clock.secondsSinceMidnight();
    program_.status.tick(now, [this](const QString& text) { return measure(text); });
    RedrawForm();
}

void Form1::RedrawForm() {
    StripState state;
    state.game = program_.game.currentGame;
    state.statusText =
        program_.status.visibleText([this](const QString& text) { return measure(text); });
    state.statusFont = statusFont();
    state.statusFading = program_.status.aboutToChange(program_.clock.secondsSinceMidnight());
    state.lit = mayLight(hovered_) ? hovered_ : StripArea::None;
    // The strip is kept at the screen's pixel density so its text stays sharp.
    const qreal ratio = devicePixelRatioF();
    if (strip_.devicePixelRatio() != ratio) {
        strip_ = QImage(QSize(kWidth, TitleStripPainter::kHeight) * ratio, QImage::Format_RGB32);
        strip_.setDevicePixelRatio(ratio);
    }
    painter_.paint(strip_, state, tmpLabel_->font());
    update(0, 0, kWidth, TitleStripPainter::kHeight);
}

// Icons light up only for a game that can be started; "Setup" always.
bool Form1::mayLight(StripArea area) const {
    switch (area) {
    case StripArea::Quake1Icon:
        return !program_.game.quakeExe.isEmpty();
    case StripArea::Quake2Icon:
        return !program_.game.quake2Exe.isEmpty();
    case StripArea::Quake3Icon:
        return !program_.game.quake3Exe.isEmpty();
    case StripArea::Setup:
        return true;
    default:
        return false;
    }
}

QString Form1::currentExecutable() const {
    return program_.game.executableOf(program_.game.currentGame);
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), strip_);
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    hovered_ = stripAreaAt(event->position().toPoint());
    if (hovered_ == StripArea::ExecutablePath)
        program_.status.queue(currentExecutable(), 1);
    RedrawForm();
}

void Form1::leaveEvent(QEvent*) {
    hovered_ = StripArea::None;
    RedrawForm();
}

void Form1::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    clickArea(stripAreaAt(event->position().toPoint()));
    RedrawForm();
}

void Form1::clickArea(StripArea area) {
    const StripHitArea* row = stripHitArea(area);
    if (!row)
        return;
    if (!row->game.isEmpty()) {
        program_.switcher.SwitchGame(row->game);
    } else if (area == StripArea::Setup) {
        showPlaced(setupDialog_, this, WindowPlace::CentredOver);
    } else if (area == StripArea::Corner) {
        program_.ui.openConsole();
    }
}

bool Form1::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = stripToolTip(stripAreaAt(help->pos()));
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    return QWidget::event(event);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        closing_ = true;
        statusTimer_->stop();
        if (onClosing)
            onClosing();
    }
    event->accept();
}

} // namespace fennick
