#include "common/shown_text.h"

#include <QDateTime>
#include <QLocale>
#include <QStringDecoder>
#include <cmath>

namespace fennick {

namespace {

// 30 December 1899 as a Julian day, and the last day of year 9999.
constexpr qint64 kEpochJulianDay = 2415019;
constexpr double kLastDaySerial = 2958465.0;

bool onlyBytes(const QString& text, bool& hasHighBytes) {
    hasHighBytes = false;
    for (QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
        hasHighBytes = hasHighBytes || c.unicode() > 0x7F;
    }
    return true;
}

} // namespace

QString shownServerText(const QString& stored) {
    bool hasHighBytes = false;
    if (!onlyBytes(stored, hasHighBytes) || !hasHighBytes)
        return stored;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(stored.toLatin1());
    return utf8.hasError() ? stored : decoded;
}

QString shownDate(double daySerial) {
    if (!(daySerial > 0.0) || daySerial > kLastDaySerial)
        return {};
    const double whole = std::floor(daySerial);
    const QDate date = QDate::fromJulianDay(kEpochJulianDay + qint64(whole));
    const QTime time = QTime(0, 0).addSecs(int(std::lround((daySerial - whole) * 86400.0)) % 86400);
    return QLocale().toString(QDateTime(date, time), QLocale::ShortFormat);
}

} // namespace fennick
