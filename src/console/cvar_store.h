#pragma once

#include "console/cvar_record.h"

#include <QHash>
#include <QString>
#include <QVector>
#include <functional>

namespace fennick {

class Catalogue;

// The cvars of the current game and configuration, in the order they were
// first set. Names are compared exactly (letter case counts) and looked up
// through an index beside the ordered records. Beside it lies the
// extra-command list, which the launch fills for one launch.
class CvarStore {
public:
    // The catalogue gives new cvars their attributes for the current game.
    CvarStore(const Catalogue& catalogue, const QString& currentGame);

    // Called after every SetCvar: the launch rebuilds its preview here.
    void setChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    // A file load holds the changed handler while its lines run: a SetCvar
    // only notes that the handler is due, and it runs once when the
    // outermost hold ends. Whatever could look at the rebuilt state before
    // then (a console line, a yield to the event loop, a window opening)
    // settles first, and a removal settles before it changes the store, so
    // every observer sees what a rebuild after each change would show.
    void holdChanges() { ++held_; }
    void releaseChanges();
    // Runs the handler now when a held change is waiting for it.
    void settleChanges();
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
    void changed();

    const Catalogue& catalogue_;
    const QString& currentGame_;
    QVector<CvarRecord> records_;
    // Name to slot in records_; names are unique, so the slot found is the
    // first exact match.
    QHash<QString, qsizetype> slots_;
    QVector<CvarRecord> extra_;
    std::function<void()> changed_;
    std::function<void()> refresh_;
    int suspended_ = 0;
    int held_ = 0;
    bool changePending_ = false;
};

// Holds the store's changed handler for a scope (a file load).
class ChangeHold {
public:
    explicit ChangeHold(CvarStore& store) : store_(store) { store_.holdChanges(); }
    ~ChangeHold() { store_.releaseChanges(); }
    ChangeHold(const ChangeHold&) = delete;
    ChangeHold& operator=(const ChangeHold&) = delete;

private:
    CvarStore& store_;
};

} // namespace fennick
