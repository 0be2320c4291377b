#include "buttons/button_groups.h"

#include "core/game_state.h"
#include "core/status_line.h"

#include <QSet>

namespace fennick {

namespace {

const QString kQuickStart = QStringLiteral("Quick Start");

} // namespace

ButtonGroups::ButtonGroups(const ButtonList& buttons, const GameState& game, StatusLine& status,
                           Execute execute)
    : buttons_(buttons), game_(game), status_(status), execute_(std::move(execute)) {
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    connect(&pause_, &QTimer::timeout, this, &ButtonGroups::placeNext);
}

void ButtonGroups::GetButtonGroups() {
    groups_.clear();
    QSet<QString> seen;
    for (const ButtonLine& button : buttons_.buttons()) {
        if (!button.offeredFor(game_.currentGame, game_.currentModKey) ||
            seen.contains(button.category))
            continue;
        seen.insert(button.category);
        groups_.append(button.category);
    }
    group_ = kQuickStart;
    Q_EMIT groupsChanged();
    selectGroup(kQuickStart);
}

void ButtonGroups::selectGroup(const QString& group) {
    pause_.stop();
    group_ = group;
    slots_.fill(ButtonSlot{});
    others_.clear();
    pending_.clear();
    next_ = 0;
    const QVector<ButtonLine>& all = buttons_.buttons();
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (all[i].category == group && all[i].offeredFor(game_.currentGame, game_.currentModKey))
            pending_.append(i);
    }
    Q_EMIT buttonsChanged();
    if (pace_ == Pace::Immediate) {
        finishOverflow();
        return;
    }
    if (building())
        pause_.start();
}

// One step of a paced build: the next button takes the first free slot.
// Once the four are in use the rest go to the overflow list in one step:
// they are not on show, and pausing for each of thousands of them would
// keep the list changing for minutes.
void ButtonGroups::placeNext() {
    if (!building())
        return;
    if (slots_.back().enabled) { // slots fill in order: the last in use means all are
        finishOverflow();
        return;
    }
    place(buttons_.buttons().value(pending_[next_++]));
    Q_EMIT buttonsChanged();
    if (building())
        pause_.start();
}

void ButtonGroups::finishOverflow() {
    while (building())
        place(buttons_.buttons().value(pending_[next_++]));
    Q_EMIT buttonsChanged();
}

void ButtonGroups::place(const ButtonLine& button) {
    for (ButtonSlot& slot : slots_) {
        if (!slot.enabled) {
            slot = {button.caption, button.info, button.action, true};
            return;
        }
    }
    others_.append({button.caption, button.action});
}

void ButtonGroups::clickButton(int slot) {
    if (slot < 0 || slot >= kSlotCount || !slots_[slot].enabled)
        return;
    const QString action = slots_[slot].action;
    execute_(action);
}

void ButtonGroups::clickOther(int index) {
    if (index < 0 || index >= others_.size())
        return;
    const QString action = others_[index].action;
    execute_(action);
}

void ButtonGroups::hoverButton(int slot) {
    if (slot >= 0 && slot < kSlotCount && slots_[slot].enabled)
        status_.queue(slots_[slot].info, 1);
}

} // namespace fennick
