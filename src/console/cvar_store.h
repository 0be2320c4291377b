#pragma once

#include "console/cvar_record.h"

#include <QString>
#include <QVector>
#include <functional>

namespace fennick {

class Catalogue;

// The cvars of the current game and configuration, in the order they were
// first set. Names are compared exactly (letter case counts). Beside it lies
// the extra-command list, which the launch fills for one launch.
class CvarStore {
public:
    // The catalogue gives new cvars their attributes for the current game.
    CvarStore(const Catalogue& catalogue, const QString& currentGame);

    // Called after every SetCvar: the launch rebuilds its preview here.
    void setChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }
    // Called by RefreshBoundControls unless suspended.
    void setRefreshHandler(std::function<void()> handler) { refresh_ = std::move(handler); }

    // flag: -1 or 1 take the record off the launch (placement -1 for an
    // existing record); 0 leaves the placement to the catalogue.
    void SetCvar(const QString& name, const QString& value, qint32 scope, qint16 flag,
                 const QString& kind);

    // The value, or the empty text for an unknown name.
    QString GetCvar(const QString& name) const;
    // The record, or nullptr for an unknown name.
    const CvarRecord* find(const QString& name) const;

    void DeleteCvar(const QString& name);
    // Empties the store, keeping only `fenkit_timesused` and its value.
    void ClearCvars();

    void AddExtraCommand(const QString& command, const QString& value, qint32 scope);
    void clearExtraCommands() { extra_.clear(); }
    const QVector<CvarRecord>& extraCommands() const { return extra_; }

    void RefreshBoundControls();
    // Custom windows suspend refreshing while they are being built.
    void suspendRefresh() { ++suspended_; }
    void resumeRefresh() {
        if (suspended_ > 0)
            --suspended_;
    }

    const QVector<CvarRecord>& records() const { return records_; }
    qsizetype size() const { return records_.size(); }

private:
    qsizetype indexOf(const QString& name) const;

    const Catalogue& catalogue_;
    const QString& currentGame_;
    QVector<CvarRecord> records_;
    QVector<CvarRecord> extra_;
    std::function<void()> changed_;
    std::function<void()> refresh_;
    int suspended_ = 0;
};

} // namespace fennick
