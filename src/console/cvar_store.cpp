#include "console/cvar_store.h"

#include "console/catalogue.h"

namespace fennick {

CvarStore::CvarStore(const Catalogue& catalogue, const QString& currentGame)
    : catalogue_(catalogue), currentGame_(currentGame) {}

qsizetype CvarStore::indexOf(const QString& name) const {
    return slots_.value(name, -1);
}

void CvarStore::changed() {
    if (held_ > 0)
        changePending_ = true;
    else if (changed_)
        changed_();
}

void CvarStore::releaseChanges() {
    if (held_ > 0 && --held_ == 0)
        settleChanges();
}

// A change made while the handler runs (the launch's bot defaults) asks
// for no rebuild of its own, as when nothing is held: the running rebuild
// gives the answer.
void CvarStore::settleChanges() {
    if (!changePending_)
        return;
    changePending_ = false;
    ++held_;
    if (changed_)
        changed_();
    --held_;
    changePending_ = false;
}

void CvarStore::SetCvar(const QString& name, const QString& value, qint32 scope, qint16 flag,
                        const QString& kind) {
    const qsizetype at = indexOf(name);
    if (at >= 0) {
        CvarRecord& record = records_[at];
        record.value = value;
        if (scope > -1)
            record.scope = scope;
        if (flag == -1 || flag == 1)
            record.placement = -1;
        if (!kind.isEmpty())
            record.kind = kind;
    } else {
        const PredefinedCommand* known = catalogue_.find(currentGame_, name);
        CvarRecord record;
        record.name = name;
        record.value = value;
        record.scope = scope > -1 ? (known ? known->scope : 0) : scope;
        if (flag == -1)
            record.placement = 0;
        else if (flag == 1)
            record.placement = -1;
        else
            record.placement = known ? known->placement : 0;
        if (known) {
            record.info = known->info;
            record.mode = known->mode;
        }
        record.kind = kind;
        slots_.insert(name, records_.size());
        records_.append(std::move(record));
    }
    changed();
}

QString CvarStore::GetCvar(const QString& name) const {
    const qsizetype at = indexOf(name);
    return at >= 0 ? records_[at].value : QString();
}

const CvarRecord* CvarStore::find(const QString& name) const {
    const qsizetype at = indexOf(name);
    return at >= 0 ? &records_[at] : nullptr;
}

void CvarStore::DeleteCvar(const QString& name) {
    if (indexOf(name) < 0)
        return;
    // A held rebuild sees the store as it was before the removal.
    settleChanges();
    const qsizetype at = indexOf(name);
    if (at < 0)
        return;
    slots_.remove(name);
    if (at != records_.size() - 1) {
        records_[at] = std::move(records_.last());
        slots_.insert(records_[at].name, at);
    }
    records_.removeLast();
}

void CvarStore::ClearCvars() {
    settleChanges();
    const QString timesUsed = GetCvar(QStringLiteral("fenkit_timesused"));
    records_.clear();
    slots_.clear();
    SetCvar(QStringLiteral("fenkit_timesused"), timesUsed, 0, 0, QStringLiteral("set"));
}

void CvarStore::AddExtraCommand(const QString& command, const QString& value, qint32 scope) {
    CvarRecord record;
    record.name = command;
    record.value = value;
    record.scope = scope;
    record.placement = 0;
    extra_.append(std::move(record));
}

void CvarStore::RefreshBoundControls() {
    if (suspended_ == 0 && refresh_)
        refresh_();
}

} // namespace fennick
