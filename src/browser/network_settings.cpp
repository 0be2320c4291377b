#include "browser/network_settings.h"

#include "core/core_services.h"
#include "core/game_facts.h"

#include <QSettings>

namespace fennick {

NetworkSettings NetworkSettings::defaultsFor(const QString& quake3DataFolder) {
    const GameFacts& quake3 = gameFacts(kQuake3);
    const GameEdition* edition = quake3.edition(quake3DataFolder);
    if (!edition)
        edition = &quake3.editions.first();
    NetworkSettings settings;
    settings.masters = edition->masters;
    settings.protocol = edition->masterProtocol;
    return settings;
}

NetworkSettings NetworkSettings::load(const QString& iniPath, const QString& quake3DataFolder) {
    NetworkSettings settings = defaultsFor(quake3DataFolder);
    const QSettings file(iniPath, QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        return settings;
    const QVariant masters = file.value(QStringLiteral("network/master"));
    if (masters.isValid()) {
        QStringList list;
        const QStringList given = masters.typeId() == QMetaType::QStringList
                                      ? masters.toStringList()
                                      : masters.toString().split(QLatin1Char(','));
        for (const QString& master : given)
            if (!master.trimmed().isEmpty())
                list.append(master.trimmed());
        settings.masters = list;
    }
    settings.broadcast =
        file.value(QStringLiteral("network/broadcast"), settings.broadcast).toString().trimmed();
    bool ok = false;
    const int protocol = file.value(QStringLiteral("network/protocol")).toInt(&ok);
    if (ok && protocol > 0)
        settings.protocol = protocol;
    settings.keywords =
        file.value(QStringLiteral("network/keywords"), settings.keywords).toString().simplified();
    return settings;
}

NetworkSettings networkSettingsOf(const CoreServices& core) {
    return NetworkSettings::load(core.programPath(QStringLiteral("fennick.ini")),
                                 core.settings.installOf(kQuake3).dataFolder);
}

QByteArray NetworkSettings::masterRequest() const {
    QByteArray request = QByteArray(4, '\xff') + "getservers " + QByteArray::number(protocol);
    if (!keywords.isEmpty())
        request += ' ' + keywords.toLatin1();
    return request;
}

} // namespace fennick
