#pragma once

#include "browser/server_filter.h"

#include <QTimer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace fennick {

// The filters above the server list: "Hide empty", "Hide full", "Hide
// passworded", "Max ping", the game type and mod drop-downs, and the
// "Find player" box with its "All groups" switch. An edit reaches the
// browser a moment after the last key (at once for a click), so typing
// never waits for the list.
class ServerFilterBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTypingPauseMs = 250;

    explicit ServerFilterBar(QWidget* parent = nullptr);

    // Shows a filter without reporting it as edited.
    void showFilter(const ServerFilter& filter);
    ServerFilter filter() const;
    // The drop-downs' choices ("any" first); a chosen value the shown
    // group lacks stays chosen.
    void setChoices(const QStringList& gametypes, const QStringList& mods);

Q_SIGNALS:
    void filterEdited(const ServerFilter& filter);

private:
    void edited(int delayMs);

    QCheckBox* hideEmpty_ = nullptr;
    QCheckBox* hideFull_ = nullptr;
    QCheckBox* hidePassworded_ = nullptr;
    QSpinBox* maxPing_ = nullptr;
    QComboBox* gametype_ = nullptr;
    QComboBox* mod_ = nullptr;
    QLineEdit* player_ = nullptr;
    QCheckBox* allGroups_ = nullptr;
    QTimer pause_;
};

} // namespace fennick
