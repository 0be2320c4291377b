// Feeds arbitrary bytes to the reader of "config.cfg", the program settings.
// Besides crashes and sanitizer reports it checks the round trip: the
// settings read, saved and read again are the settings read, and the usage
// count is the number the file holds plus one, each time it is read.
#include "app/program.h"
#include "app/settings_file.h"
#include "common/number_text.h"
#include "fuzz_support.h"
#include "platform/text_file.h"

#include <QTemporaryDir>

using namespace fennick;

namespace {

QStringList settingsOf(const Program& program) {
    const ProgramSettings& s = program.settings;
    return {s.quakeDir(),
            s.quake2Dir(),
            s.quake3Dir(),
            s.maxServers,
            s.updateFrequency,
            s.oglMode,
            s.q3MapPath(),
            QString::number(s.showMapFiles),
            QString::number(s.createDescription)};
}

double timesUsed(const Program& program) {
    return leadingNumber(program.cvars.GetCvar(QStringLiteral("fenkit_timesused")));
}

// The usage count of the file's fourth line, as a number.
double usageInFile(const QByteArray& bytes) {
    const QStringList fields =
        settingsLineFields(platform::splitLines(platform::decodeText(bytes)).value(3));
    return leadingNumber(fields.value(0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.cfg"));
    if (!platform::writeFileBytes(path, fuzz::bytesOf(data, size)))
        return 0;
    const std::unique_ptr<Program> first = fuzz::makeProgram(dir.path());
    LoadProgramSettings(*first, true);
    if (!SaveProgramSettings(*first))
        return 0;
    const std::unique_ptr<Program> again = fuzz::makeProgram(dir.path());
    LoadProgramSettings(*again, true);
    const QString lines = programSettingsLines(*first).join(QLatin1Char('|'));
    if (settingsOf(*again) != settingsOf(*first))
        fuzz::fail("program_settings", "settings read back otherwise", lines);
    const bool counted = !first->cvars.GetCvar(QStringLiteral("fenkit_timesused")).isEmpty();
    if ((counted && timesUsed(*first) != usageInFile(fuzz::bytesOf(data, size)) + 1) ||
        timesUsed(*again) != timesUsed(*first) + 1)
        fuzz::fail("program_settings", "usage count read back otherwise", lines);
    return 0;
}
