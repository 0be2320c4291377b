#include "launch/config_files.h"

#include "app/program.h"
#include "common/number_text.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

namespace fennick {

namespace {

constexpr int kConfigurationHeaderLines = 10;

} // namespace

ConfigFiles::ConfigFiles(Program& program) : program_(program) {}

void ConfigFiles::LoadConfigFile(const QString& path) {
    const double start = program_.clock.secondsSinceMidnight();
    const std::optional<QString> found = platform::resolvePath(path);
    if (!found || !platform::fileExists(*found))
        return;
    if (running_.contains(*found))
        return;
    std::optional<QStringList> lines = platform::readTextLines(*found);
    if (!lines)
        return;
    running_.insert(*found);
    const qsizetype first = path.endsWith(QLatin1String("fkc")) ? kConfigurationHeaderLines : 0;
    for (qsizetype i = first; i < lines->size(); ++i)
        program_.interpreter.ExecuteLine(lines->at(i), false);
    running_.remove(*found);
    program_.console.ConsolePrint(QStringLiteral("Loaded ") + path + QStringLiteral(" (") +
                                  formatSeconds(program_.clock.elapsedSince(start)) +
                                  QStringLiteral(" sec)"));
}

} // namespace fennick
