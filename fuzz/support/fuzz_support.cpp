#include "fuzz_support.h"

#include "app/program.h"
#include "core/ui_host.h"
#include "platform/clock.h"
#include "platform/system_lookup.h"
#include "platform/text_file.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace fennick::fuzz {

QByteArray bytesOf(const std::uint8_t* data, std::size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

QString textOf(const std::uint8_t* data, std::size_t size) {
    return platform::decodeText(bytesOf(data, size));
}

QString datagramOf(const std::uint8_t* data, std::size_t size) {
    return QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
}

QList<QByteArray> partsOf(const QByteArray& bytes, int parts) {
    QList<QByteArray> pieces;
    qsizetype start = 0;
    while (pieces.size() + 1 < parts) {
        const qsizetype nul = bytes.indexOf('\0', start);
        if (nul < 0)
            break;
        pieces.append(bytes.mid(start, nul - start));
        start = nul + 1;
    }
    pieces.append(bytes.mid(start));
    while (pieces.size() < parts)
        pieces.append(QByteArray());
    return pieces;
}

void fail(const char* target, const char* what, const QString& detail) {
    std::fprintf(stderr, "%s: %s: %s\n", target, what, detail.toUtf8().constData());
    std::abort();
}

QString asQuotedField(QString text) {
    text.replace(QLatin1Char('"'), QLatin1Char('\''));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

void needGuiApplication() {
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fennick-fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
}

namespace {

class NoEngines : public platform::SystemLookup {
public:
    QString findOnPath(const QString&) const override { return {}; }
    QStringList systemGameRoots() const override { return {}; }
};

} // namespace

std::unique_ptr<Program> makeProgram(const QString& folder) {
    static platform::ManualClock clock{QDateTime(QDate(2026, 12, 6), QTime(20, 0))};
    static UiHost ui;
    static NoEngines system;
    ProgramEnvironment environment;
    environment.programFolder = folder;
    environment.clock = &clock;
    environment.ui = &ui;
    environment.randomSeed = 1;
    environment.system = &system;
    return std::make_unique<Program>(environment);
}

} // namespace fennick::fuzz
