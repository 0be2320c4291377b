#include "core/fennick_ini.h"

#include "core/game_facts.h"

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

// Whole numbers written with spaces between them; anything else reads as
// no numbers at all.
QList<int> numbersOf(const QString& text) {
    QList<int> numbers;
    for (const QString& part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int number = part.toInt(&ok);
        if (!ok)
            return {};
        numbers.append(number);
    }
    return numbers;
}

QString textOf(const QList<int>& numbers) {
    QStringList parts;
    for (int number : numbers)
        parts.append(QString::number(number));
    return parts.join(QLatin1Char(' '));
}

} // namespace

const QString FennickIni::kServerBrowser = QStringLiteral("serverbrowser");
const QString FennickIni::kMapBrowser = QStringLiteral("mapbrowser");

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
    for (const GameFacts& game : allGames()) {
        for (const QString& section : {kEngines, kHomes}) {
            const QString key = section + QLatin1Char('/') + game.id;
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

FennickIni::BrowserPlace FennickIni::browserPlace(const QString& section) const {
    BrowserPlace place;
    const QList<int> box = numbersOf(text(section, QStringLiteral("geometry"), QString()));
    if (box.size() == 4 && box[2] > 0 && box[3] > 0)
        place.geometry = QRect(box[0], box[1], box[2], box[3]);
    for (int size : numbersOf(text(section, QStringLiteral("splitter"), QString())))
        if (size >= 0)
            place.splitter.append(size);
    place.sortColumn = text(section, QStringLiteral("sortcolumn"), QString());
    if (text(section, QStringLiteral("sortorder"), QString()) == QLatin1String("descending"))
        place.sortOrder = Qt::DescendingOrder;
    return place;
}

void FennickIni::setBrowserPlace(const QString& section, const BrowserPlace& place) {
    const QRect& g = place.geometry;
    setText(section, QStringLiteral("geometry"),
            g.isEmpty() ? QString() : textOf({g.x(), g.y(), g.width(), g.height()}));
    setText(section, QStringLiteral("splitter"), textOf(place.splitter));
    setText(section, QStringLiteral("sortcolumn"), place.sortColumn);
    setText(section, QStringLiteral("sortorder"),
            place.sortOrder == Qt::DescendingOrder ? QStringLiteral("descending")
                                                   : QStringLiteral("ascending"));
}

} // namespace fennick
