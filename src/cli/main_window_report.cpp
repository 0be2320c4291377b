#include "cli/main_window_report.h"

#include "app/program.h"
#include "buttons/fast_info_painter.h"

#include <QJsonArray>

namespace fennick::cli {

QJsonObject buttonsReport(const Program& program) {
    const ButtonGroups& groups = program.buttonGroups;
    QJsonArray slots;
    for (const ButtonSlot& slot : groups.slots()) {
        slots.append(QJsonObject{{QStringLiteral("caption"), slot.caption},
                                 {QStringLiteral("info"), slot.info},
                                 {QStringLiteral("action"), slot.action},
                                 {QStringLiteral("enabled"), slot.enabled}});
    }
    QJsonArray others;
    for (const OtherButton& other : groups.others()) {
        others.append(QJsonObject{{QStringLiteral("caption"), other.caption},
                                  {QStringLiteral("action"), other.action}});
    }
    return QJsonObject{{QStringLiteral("loaded"), program.buttons.count()},
                       {QStringLiteral("groups"), QJsonArray::fromStringList(groups.groups())},
                       {QStringLiteral("group"), groups.group()},
                       {QStringLiteral("slots"), slots},
                       {QStringLiteral("other"), others}};
}

QJsonObject fastInfoReport(const Program& program) {
    const FastInfo& info = program.fastInfo;
    QJsonArray headings;
    QJsonArray lines;
    for (const QString& heading : info.headings()) {
        const QString drawn = FastInfo::headingText(heading);
        headings.append(drawn);
        for (const FastInfoEntry& entry : info.entries()) {
            if (entry.category != heading)
                continue;
            lines.append(QJsonObject{{QStringLiteral("heading"), drawn},
                                     {QStringLiteral("caption"), entry.caption},
                                     {QStringLiteral("lftclck"), entry.lftclck},
                                     {QStringLiteral("rghtclck"), entry.rghtclck}});
        }
    }
    return QJsonObject{{QStringLiteral("headings"), headings}, {QStringLiteral("lines"), lines}};
}

bool writeFastInfoPicture(Program& program, const QString& path) {
    QImage picture(FastInfoPainter::kPanelSize, QImage::Format_RGB32);
    const QString& background = program.panel.fastInfoBackground();
    FastInfoPainter::paint(picture, background.isEmpty() ? QImage() : QImage(background),
                           program.fastInfo);
    return picture.save(path, "PNG");
}

} // namespace fennick::cli
