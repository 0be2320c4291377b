#include "archive/bot_loader.h"

#include "archive/bot_list.h"
#include "archive/content_folders.h"
#include "archive/content_source.h"
#include "common/number_text.h"
#include "core/console_log.h"
#include "core/launch_rules.h"
#include "platform/clock.h"
#include "platform/text_file.h"

namespace fennick {

namespace {

const QString kBotScript = QStringLiteral("bots.txt");
const QString kBotPattern = QStringLiteral("*ots.txt");

// The bot's name is written into the start-up script's "addbot" lines.
void addBot(const QString& name, ContentSource& content, BotList& bots) {
    if (breaksCommandWord(name))
        content.console.ConsolePrint(leftOutNotice(QStringLiteral("bot"), name));
    else
        bots.append(name);
}

} // namespace

std::optional<QString> botNameOfLine(const QString& line) {
    if (!line.contains(QLatin1String("name"), Qt::CaseInsensitive) ||
        line.contains(QLatin1String("funname"), Qt::CaseInsensitive))
        return std::nullopt;
    QString name = line.mid(4);
    name.remove(QLatin1Char(' '));
    name.remove(QLatin1Char('\t'));
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

void LoadBots(ContentSource& content, BotList& bots) {
    bots.clear();
    const double started = content.clock.secondsSinceMidnight();
    if (content.quake3Directory().isEmpty())
        return;
    for (const QString& archive : pk3Archives(content.baseFolder())) {
        content.removeTempFile(kBotScript);
        content.extract(archive, kBotPattern);
        if (const auto lines = platform::readTextLines(content.tempFile(kBotScript))) {
            for (const QString& line : *lines)
                if (const std::optional<QString> name = botNameOfLine(line))
                    addBot(*name, content, bots);
        }
        content.yieldOnce();
    }
    content.console.ConsolePrint(
        QString::number(bots.count()) + QStringLiteral(" q3a bots found. (") +
        formatSeconds(content.clock.elapsedSince(started)) + QStringLiteral(" sec)"));
}

} // namespace fennick
