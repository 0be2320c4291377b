#include "browser/watch_frame.h"

#include <algorithm>
#include <cmath>

namespace fennick {

const QColor WatchFrame::kTitleBack(32, 32, 64);
const QColor WatchFrame::kPlayerFore(255, 255, 192);
const QColor WatchFrame::kWinnerFore(192, 255, 192);
const QString WatchFrame::kTitle = QStringLiteral("-=ServerWatch=-");

namespace {

QSize clamped(QSize size) {
    return {
        std::clamp(size.width(), WatchFrame::kMinSize.width(), WatchFrame::kMaxSize.width()),
        std::clamp(size.height(), WatchFrame::kMinSize.height(), WatchFrame::kMaxSize.height())};
}

int stepTowards(int current, int target) {
    const int distance = target - current;
    if (distance == 0)
        return current;
    const int step = distance / WatchFrame::kStepFraction;
    return current + (step != 0 ? step : (distance > 0 ? 1 : -1));
}

// Rows are drawn and pressed above the buttons' band only.
QRectF rowArea(QSize client) {
    return QRectF(0, 0, client.width(), client.height() - WatchFrame::kButtonBand);
}

bool inButtonBand(QPointF at, QSize client) {
    return at.y() > client.height() - WatchFrame::kButtonBand;
}

} // namespace

const std::array<WatchFrame::ButtonSpan, 5>& WatchFrame::buttons() {
    static const std::array<ButtonSpan, 5> spans{{
        {Button::Close, 5, 20, {0, 0}},
        {Button::Taller, 20, 32, {0, 75}},
        {Button::Shorter, 32, 44, {0, -100}},
        {Button::Narrower, 44, 62, {-50, 0}},
        {Button::Wider, 62, 80, {50, 0}},
    }};
    return spans;
}

WatchFrame::WatchFrame(WatchSources sources) : sources_(std::move(sources)) {}

void WatchFrame::open(QSize client) {
    closing_ = false;
    target_ = client;
}

QVector<WatchLine> WatchFrame::frame(QSize client, int lineHeight) {
    QVector<WatchLine> lines;
    // The title's highlight box spans the window between the side strips;
    // the title itself starts a little way in.
    lines.append({QPointF(kSideStrip, kTitleTop), QString(), 7, kTitleBack, std::nullopt,
                  qreal(client.width() - kSideStrip), QRectF()});
    lines.append(
        {QPointF(kTitleLeft, kTitleTop), kTitle, 7, std::nullopt, std::nullopt, 0, QRectF()});
    int y = kTitleTop + lineHeight;
    slots_[0] = sources_.selectedServer ? sources_.selectedServer() : ServerRecord();
    for (int i = 0; i < kSlots; ++i) {
        if (!slots_[i].ip.isEmpty() && sources_.getServer)
            sources_.getServer(slots_[i]);
        rowTop_[i] = y;
        if (!slots_[i].ip.isEmpty())
            y = layoutRow(i, client, lineHeight, y, lines);
        rowBottom_[i] = y;
    }
    target_ = clamped(target_);
    return lines;
}

// A row: the ping marker and the name in the row's colour (the marker
// ends in a colour code, and the row's colour digit completes it), the
// player count near the right edge, and for the expanded row its details.
int WatchFrame::layoutRow(int index, QSize client, int lineHeight, int y,
                          QVector<WatchLine>& lines) {
    const ServerRecord& server = slots_[index];
    const int colour = index == hovered_ ? kHoverColour : kRowColour;
    const QRectF area = rowArea(client);
    const qreal countLeft = client.width() - kCountFromRight;
    // The name stops short of the count instead of running under it.
    QRectF nameArea = area;
    nameArea.setRight(countLeft - 2);
    lines.append({QPointF(kRowLeft, y), rowText(server, colour), colour, std::nullopt, std::nullopt,
                  0, nameArea});
    lines.append(
        {QPointF(countLeft, y),
         QString::number(server.players) + QLatin1Char('/') + QString::number(server.maxclients),
         isFull(server) ? kFullColour : colour, std::nullopt, std::nullopt, 0, area});
    y += lineHeight;
    if (index != expanded_)
        return y;
    for (WatchLine& line : details(server)) {
        line.at.setY(y);
        line.clip = area;
        lines.append(line);
        y += lineHeight;
    }
    return y;
}

// The marker ends in a colour code that the row's colour completes, so the
// name starts in that colour. A name that begins with a colour code of its
// own takes the colour's place: a code right after another one would be
// drawn as text.
QString WatchFrame::rowText(const ServerRecord& server, int colour) {
    const QString marker = pingMarker(server.ping);
    if (server.hostname.startsWith(QLatin1Char('^')))
        return marker.chopped(1) + server.hostname;
    return marker + QString::number(colour) + server.hostname;
}

QVector<WatchLine> WatchFrame::details(const ServerRecord& server) {
    const auto plain = [](int x, const QString& text, std::optional<QColor> fore = {}) {
        return WatchLine{QPointF(x, 0), text, 7, std::nullopt, fore, 0, QRectF()};
    };
    const qint64 updated =
        sources_.secondsSince
            ? qint64(std::floor(std::max(sources_.secondsSince(server.lastupdate), 0.0)))
            : 0;
    QVector<WatchLine> lines{
        plain(kDetailLeft, QStringLiteral("IP:") + server.ip),
        plain(kDetailLeft, QStringLiteral("Map:") + mapTitleOf(server.map) + QStringLiteral(" (") +
                               server.map + QLatin1Char(')')),
        plain(kDetailLeft, QStringLiteral("Mod:") + modDescriptionOf(server.mod) +
                               QStringLiteral(" (") + server.mod + QLatin1Char(')')),
        plain(kDetailLeft, QStringLiteral("Limits-Frags:%1-Time:%2-Caps:%3")
                               .arg(server.fraglimit)
                               .arg(server.timelimit)
                               .arg(server.capturelimit)),
        plain(kDetailLeft, QStringLiteral("Ping:%1 - Updated:%2").arg(server.ping).arg(updated)),
    };
    if (!server.playernames.contains(QLatin1Char('\\')))
        return lines;
    const QStringList players = server.playernames.split(QLatin1Char('\\'));
    if (!fullList_) {
        lines.append(plain(kDetailLeft, QStringLiteral("Winner:") + players.first(), kWinnerFore));
        return lines;
    }
    // Every entry is followed by a backslash, so the last piece is empty.
    for (qsizetype i = 0; i + 1 < players.size(); ++i)
        lines.append(plain(kPlayerLeft, players[i], kPlayerFore));
    return lines;
}

const QString& WatchFrame::mapTitleOf(const QString& map) {
    if (!mapTitle_ || mapTitle_->first != map)
        mapTitle_.emplace(map, sources_.mapTitle ? sources_.mapTitle(map) : QString());
    return mapTitle_->second;
}

const QString& WatchFrame::modDescriptionOf(const QString& mod) {
    if (!modDescription_ || modDescription_->first != mod)
        modDescription_.emplace(mod, sources_.modDescription ? sources_.modDescription(mod) : mod);
    return modDescription_->second;
}

QSize WatchFrame::nextSize(QSize client) const {
    return {stepTowards(client.width(), target_.width()),
            stepTowards(client.height(), target_.height())};
}

void WatchFrame::mouseMoved(QPointF at, QSize client) {
    hovered_ = rowAt(at, client);
}

WatchFrame::Button WatchFrame::mousePressed(Qt::MouseButton button, QPointF at, QSize client) {
    if (button != Qt::LeftButton)
        return Button::None;
    if (inButtonBand(at, client)) {
        const Button pressed = buttonAt(at, client);
        press(pressed);
        return pressed;
    }
    if (const int row = rowAt(at, client); row >= 0)
        toggleRow(row);
    return Button::None;
}

int WatchFrame::rowAt(QPointF at, QSize client) const {
    if (inButtonBand(at, client) || at.x() <= kRowLeft)
        return -1;
    for (int i = 0; i < kSlots; ++i)
        if (rowTop_[i] < at.y() && at.y() < rowBottom_[i])
            return i;
    return -1;
}

WatchFrame::Button WatchFrame::buttonAt(QPointF at, QSize client) {
    if (!inButtonBand(at, client))
        return Button::None;
    for (const ButtonSpan& span : buttons())
        if (span.left < at.x() && at.x() < span.right)
            return span.button;
    return Button::None;
}

void WatchFrame::press(Button button) {
    if (button == Button::Close)
        closing_ = true;
    for (const ButtonSpan& span : buttons())
        if (span.button == button)
            target_ = clamped(target_ + span.change);
}

// The first click on a row shows its details with the winner, the second
// all its players, the third folds it up again.
void WatchFrame::toggleRow(int row) {
    if (row != expanded_) {
        expanded_ = row;
        fullList_ = false;
    } else if (fullList_) {
        expanded_ = -1;
    } else {
        fullList_ = true;
    }
}

QString WatchFrame::pingMarker(int ping) {
    if (ping < 150)
        return QStringLiteral("^2*^");
    if (ping < 300)
        return QStringLiteral("^3*^");
    if (ping < 400)
        return QStringLiteral("^3-^");
    return QStringLiteral("^1-^");
}

// A server that has not told its number of slots is not full.
bool WatchFrame::isFull(const ServerRecord& server) {
    return server.maxclients > 0 && server.players >= server.maxclients;
}

QPoint WatchFrame::snapToEdges(const QRect& window, const QRect& screen) {
    QPoint at = window.topLeft();
    const int screenRight = screen.x() + screen.width();
    const int screenBottom = screen.y() + screen.height();
    if (window.y() - screen.y() < kSnapDistance)
        at.setY(screen.y());
    if (window.x() - screen.x() < kSnapDistance)
        at.setX(screen.x());
    if (window.x() + window.width() > screenRight - kSnapDistance)
        at.setX(screenRight - window.width());
    if (window.y() + window.height() > screenBottom - kSnapDistance)
        at.setY(screenBottom - window.height());
    return at;
}

} // namespace fennick
