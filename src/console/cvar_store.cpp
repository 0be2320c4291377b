#include "console/cvar_store.h"

#include "console/catalogue.h"

namespace fennick {

CvarStore::CvarStore(const Catalogue& catalogue, const QString& currentGame)
    : catalogue_(catalogue), currentGame_(currentGame) {}

qsizetype CvarStore::indexOf(const QString& name) const {
    for (qsizetype i = 0; i < records_.size(); ++i) {
        if (records_[i].name == name)
            return i;
    }
    return -1;
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
        records_.append(std::move(record));
    }
    if (changed_)
        changed_();
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
    const qsizetype at = indexOf(name);
    if (at < 0)
        return;
    if (at != records_.size() - 1)
        records_[at] = std::move(records_.last());
    records_.removeLast();
}

void CvarStore::ClearCvars() {
    const QString timesUsed = GetCvar(QStringLiteral("fenkit_timesused"));
    records_.clear();
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
