#include "app/fennick_ini.h"

#include "common/game_ids.h"

#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace fennick {

namespace {

const QString kEngines = QStringLiteral("engines");
const QString kHomes = QStringLiteral("homes");

// QSettings reads an unquoted value holding a comma as a list; the
// program's values are single texts, so the parts are joined back.
QString textOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

} // namespace

FennickIni::FennickIni(QString path) : path_(std::move(path)) {}

FennickIni::FileState FennickIni::load() {
    values_.clear();
    changed_ = false;
    if (!QFileInfo::exists(path_))
        return state_ = FileState::Missing;
    QSettings settings(path_, QSettings::IniFormat);
    for (const QString& key : settings.allKeys()) {
        if (!key.isEmpty())
            values_.insert(key, textOf(settings.value(key)));
    }
    const bool readable = QFileInfo(path_).isFile() && QFileInfo(path_).isReadable();
    return state_ = (settings.status() == QSettings::NoError && readable) ? FileState::Read
                                                                          : FileState::Damaged;
}

bool FennickIni::save(QString* error) {
    if (!changed_ && state_ != FileState::Missing)
        return true;
    // Every known key is written, empty when it has no value, so the
    // file shows what can be set.
    for (const QString& game : {kQuake1, kQuake2, kQuake3}) {
        for (const QString& section : {kEngines, kHomes}) {
            const QString key = section + QLatin1Char('/') + game;
            if (!values_.contains(key))
                values_.insert(key, QString());
        }
    }
    QSettings settings(path_, QSettings::IniFormat);
    settings.clear();
    for (auto it = values_.constBegin(); it != values_.constEnd(); ++it)
        settings.setValue(it.key(), it.value());
    settings.sync();
    if (settings.status() != QSettings::NoError || !QFileInfo(path_).isFile()) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path_);
        return false;
    }
    changed_ = false;
    state_ = FileState::Read;
    return true;
}

QString FennickIni::text(const QString& section, const QString& key,
                         const QString& fallback) const {
    return values_.value(section + QLatin1Char('/') + key, fallback);
}

void FennickIni::setText(const QString& section, const QString& key, const QString& value) {
    const QString name = section + QLatin1Char('/') + key;
    if (values_.contains(name) && values_.value(name) == value)
        return;
    values_.insert(name, value);
    changed_ = true;
}

QString FennickIni::engine(const QString& game) const {
    return text(kEngines, game, QString());
}

void FennickIni::setEngine(const QString& game, const QString& value) {
    setText(kEngines, game, value);
}

QString FennickIni::home(const QString& game) const {
    return text(kHomes, game, QString());
}

void FennickIni::setHome(const QString& game, const QString& value) {
    setText(kHomes, game, value);
}

} // namespace fennick
