#include "buttons/button_list.h"

#include "common/key_value.h"
#include "common/number_text.h"
#include "core/console_log.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

#include <QFile>
#include <QFileInfo>

namespace fennick {

namespace {

const QString kAll = QStringLiteral("all");

bool looksBinary(const QByteArray& bytes) {
    return bytes.contains('\0');
}

} // namespace

ButtonLine ButtonLine::parse(const QString& line) {
    ButtonLine button;
    button.line = line;
    button.game = GetKeyValue(line, QStringLiteral("game"));
    button.mod = GetKeyValue(line, QStringLiteral("mod"));
    button.category = GetKeyValue(line, QStringLiteral("category"));
    button.caption = GetKeyValue(line, QStringLiteral("caption"));
    button.info = GetKeyValue(line, QStringLiteral("info"));
    button.action = GetKeyValue(line, QStringLiteral("action"));
    return button;
}

bool ButtonLine::offeredFor(const QString& currentGame, const QString& currentModKey) const {
    return (mod == currentModKey || mod == kAll) && (game == currentGame || game == kAll);
}

void ButtonList::AddButton(const QString& line) {
    if (buttons_.size() < kMaxButtons)
        buttons_.append(ButtonLine::parse(line));
}

void ButtonList::LoadButtons(const QString& formsFolder,
                             const std::function<void(const QString&)>& execute,
                             ConsoleLog& console, platform::Clock& clock) {
    buttons_.clear();
    const double start = clock.secondsSinceMidnight();
    if (platform::folderExists(formsFolder)) {
        for (const QString& name : platform::listFiles(formsFolder, QStringLiteral("*.fkf"))) {
            if (const auto path = platform::resolvePath(platform::joinPath(formsFolder, name)))
                runFile(*path, execute, console);
        }
    }
    console.ConsolePrint(QString::number(buttons_.size()) + QStringLiteral(" buttons loaded. (") +
                         formatSeconds(clock.secondsSinceMidnight() - start) +
                         QStringLiteral(" sec)"));
}

void ButtonList::runFile(const QString& path, const std::function<void(const QString&)>& execute,
                         ConsoleLog& console) {
    const QString name = platform::fileNameOf(path);
    QFile file(path);
    if (QFileInfo(path).size() > kMaxFileBytes) {
        console.ConsolePrint(QStringLiteral("Skipped button file ") + name +
                             QStringLiteral(": it is too big."));
        return;
    }
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    if (looksBinary(bytes)) {
        console.ConsolePrint(QStringLiteral("Skipped button file ") + name +
                             QStringLiteral(": it is not a text file."));
        return;
    }
    for (const QString& line : platform::splitLines(platform::decodeText(bytes)))
        execute(line);
}

} // namespace fennick
