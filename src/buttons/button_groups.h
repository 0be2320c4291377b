#pragma once

#include "buttons/button_list.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <array>
#include <functional>

namespace fennick {

class StatusLine;
struct GameState;

// One of the four push buttons of the button area.
struct ButtonSlot {
    QString caption = QStringLiteral("UnUsed");
    QString info;
    QString action;
    bool enabled = false;
};

// An entry of the overflow list ("Other...").
struct OtherButton {
    QString caption;
    QString action;
};

// The main window's button area as a model: the group selector's groups
// for the current game and mod, the chosen group, its four buttons and the
// overflow list. Building a group places one button every 60 ms (the
// buttons appear one after the other), driven by a timer so the window
// stays live; choosing another group meanwhile starts over.
class ButtonGroups : public QObject {
    Q_OBJECT
public:
    static constexpr int kSlotCount = 4;
    static constexpr int kPauseMs = 60;

    // How a group is built: paced for the window, at once for the command
    // line tool and for tests that only want the result.
    enum class Pace { Paced, Immediate };

    using Execute = std::function<void(const QString& line)>;
    ButtonGroups(const ButtonList& buttons, const GameState& game, StatusLine& status,
                 Execute execute);

    // Rebuilds the selector for the current game and mod, then chooses
    // "Quick Start".
    void GetButtonGroups();
    // The selector's text changed: builds that group's buttons.
    void selectGroup(const QString& group);

    void clickButton(int slot);
    void clickOther(int index);
    // The pointer entered a button: its info is the next status message.
    void hoverButton(int slot);

    void setPace(Pace pace) { pace_ = pace; }
    bool building() const { return next_ < pending_.size(); }

    const QStringList& groups() const { return groups_; }
    const QString& group() const { return group_; }
    const std::array<ButtonSlot, kSlotCount>& slots() const { return slots_; }
    const QVector<OtherButton>& others() const { return others_; }

Q_SIGNALS:
    void groupsChanged();  // the selector's list and text
    void buttonsChanged(); // the four buttons and the overflow list

private:
    void placeNext();
    void place(const ButtonLine& button);
    void finishOverflow();

    const ButtonList& buttons_;
    const GameState& game_;
    StatusLine& status_;
    Execute execute_;
    Pace pace_ = Pace::Paced;
    QTimer pause_;

    QStringList groups_;
    QString group_;
    std::array<ButtonSlot, kSlotCount> slots_;
    QVector<OtherButton> others_;
    // The matching buttons of the group being built and how far it got.
    QVector<qsizetype> pending_;
    qsizetype next_ = 0;
};

} // namespace fennick
