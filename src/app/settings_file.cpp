#include "app/settings_file.h"

#include "app/program.h"
#include "common/number_text.h"
#include "common/record_reader.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

#include <optional>

namespace fennick {

namespace {

const QString kSettingsFile = QStringLiteral("config.cfg");
const QString kTimesUsed = QStringLiteral("fenkit_timesused");

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

qsizetype skipBlanks(const QString& line, qsizetype i) {
    while (i < line.size() && isBlank(line[i]))
        ++i;
    return i;
}

// The quote that closes a quoted field opened before `from`: the first one
// followed, after blanks, by a comma or the end of the line. -1 when none.
qsizetype closingQuote(const QString& line, qsizetype from) {
    for (qsizetype k = from; k < line.size(); ++k) {
        if (line[k] != QLatin1Char('"'))
            continue;
        const qsizetype next = skipBlanks(line, k + 1);
        if (next >= line.size() || line[next] == QLatin1Char(','))
            return k;
    }
    return -1;
}

// The lines of the file read one after the other. A line missing, or one
// with fewer fields than needed, ends the reading.
class LineCursor {
public:
    explicit LineCursor(QStringList lines) : lines_(std::move(lines)) {}

    std::optional<QStringList> next(int needed) {
        if (at_ >= lines_.size())
            return std::nullopt;
        QStringList fields = settingsLineFields(lines_[at_++]);
        if (fields.size() < needed)
            return std::nullopt;
        return fields;
    }

private:
    QStringList lines_;
    qsizetype at_ = 0;
};

QString normalisedNumber(const QString& text) {
    return shortestDecimal(leadingNumber(text));
}

bool checkState(const QString& text) {
    return leadingNumber(text) != 0.0;
}

QString checkText(bool checked) {
    return checked ? QStringLiteral("1") : QStringLiteral("0");
}

// Lines 1 to 4: the three game folders and the usage count.
bool readFoldersAndUsage(LineCursor& cursor, Program& program, bool countUse, QString* usageCount) {
    using Setter = void (ProgramSettings::*)(const QString&);
    static constexpr Setter kFolderSetters[] = {&ProgramSettings::setQuakeDir,
                                                &ProgramSettings::setQuake2Dir,
                                                &ProgramSettings::setQuake3Dir};
    for (Setter setter : kFolderSetters) {
        const std::optional<QStringList> fields = cursor.next(1);
        if (!fields)
            return false;
        (program.settings.*setter)(fields->at(0));
    }
    const std::optional<QStringList> usage = cursor.next(1);
    if (!usage)
        return false;
    if (countUse) {
        *usageCount = shortestDecimal(leadingNumber(usage->at(0)) + 1.0);
        program.cvars.SetCvar(kTimesUsed, *usageCount, 1, 0, QStringLiteral("set"));
    }
    return true;
}

// Lines 5 to 9: server browser numbers, OpenGL mode and developer options.
bool readOtherFields(LineCursor& cursor, ProgramSettings& settings) {
    const std::optional<QStringList> servers = cursor.next(1);
    if (!servers)
        return false;
    settings.maxServers = normalisedNumber(servers->at(0));
    const std::optional<QStringList> frequency = cursor.next(1);
    if (!frequency)
        return false;
    settings.updateFrequency = normalisedNumber(frequency->at(0));
    const std::optional<QStringList> ogl = cursor.next(1);
    if (!ogl)
        return false;
    // The drop-down offers fixed entries only; an unknown text keeps the
    // current choice.
    for (const QString& mode : ProgramSettings::oglModes()) {
        if (mode.compare(ogl->at(0), Qt::CaseInsensitive) == 0)
            settings.oglMode = mode;
    }
    const std::optional<QStringList> mapTools = cursor.next(2);
    if (!mapTools)
        return false;
    settings.showMapFiles = checkState(mapTools->at(0));
    settings.setQ3MapPath(mapTools->at(1));
    const std::optional<QStringList> description = cursor.next(1);
    if (!description)
        return false;
    settings.createDescription = checkState(description->at(0));
    return true;
}

} // namespace

QStringList settingsLineFields(const QString& line) {
    QStringList fields;
    if (line.trimmed().isEmpty())
        return fields;
    qsizetype i = 0;
    for (;;) {
        i = skipBlanks(line, i);
        if (i < line.size() && line[i] == QLatin1Char('"')) {
            const qsizetype close = closingQuote(line, i + 1);
            const qsizetype end = close < 0 ? line.size() : close;
            fields.append(line.mid(i + 1, end - i - 1));
            i = close < 0 ? line.size() : close + 1;
        } else {
            qsizetype comma = line.indexOf(QLatin1Char(','), i);
            if (comma < 0)
                comma = line.size();
            fields.append(line.mid(i, comma - i).trimmed());
            i = comma;
        }
        i = skipBlanks(line, i);
        if (i >= line.size() || line[i] != QLatin1Char(','))
            return fields;
        ++i;
    }
}

bool LoadProgramSettings(Program& program, bool countUse) {
    const QString path = program.programPath(kSettingsFile);
    if (!platform::fileExists(path))
        return false;
    const std::optional<QStringList> lines = platform::readTextLines(path);
    if (!lines) {
        program.console.ConsolePrint(QStringLiteral("Could not read ") + kSettingsFile);
        return false;
    }
    LineCursor cursor(*lines);
    QString usageCount;
    if (readFoldersAndUsage(cursor, program, countUse, &usageCount) &&
        readOtherFields(cursor, program.settings) && countUse) {
        program.console.ConsolePrint(QStringLiteral("You have used this program ") + usageCount +
                                     QStringLiteral(" times"));
    }
    program.settings.notifyChanged();
    return true;
}

QStringList programSettingsLines(const Program& program) {
    const ProgramSettings& settings = program.settings;
    const QString zero = QStringLiteral(",0");
    return {
        quotedField(settings.quakeDir()) + zero,
        quotedField(settings.quake2Dir()) + zero,
        quotedField(settings.quake3Dir()) + zero,
        quotedField(program.cvars.GetCvar(kTimesUsed)),
        quotedField(settings.maxServers),
        quotedField(settings.updateFrequency),
        quotedField(settings.oglMode),
        checkText(settings.showMapFiles) + QLatin1Char(',') + quotedField(settings.q3MapPath()),
        checkText(settings.createDescription),
    };
}

bool SaveProgramSettings(const Program& program, QString* error) {
    return platform::writeTextLines(program.programPath(kSettingsFile),
                                    programSettingsLines(program), error);
}

} // namespace fennick
