#include "buttons/coloured_text.h"
#include "common/key_value.h"
#include "common/record_reader.h"
#include "core/game_facts.h"
#include "core/launch_rules.h"
#include "customwin/form_parser.h"
#include "launch/mod_description.h"
#include "shipped_folder.h"

#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <cmath>
#include <gmock/gmock.h>

namespace fennick::test {
namespace {

using ::testing::ElementsAre;

const char* const kGameIds[] = {"quake1", "quake2", "quake3"};

// The lines of a shipped text file.
QStringList shippedLines(const QString& relative) {
    QFile file(shippedFolder() + QLatin1Char('/') + relative);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString();
    return QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

// The commands of an action or a click, split at "|" as the interpreter
// does, each as its words.
QVector<QStringList> commandsOf(const QString& action) {
    QVector<QStringList> commands;
    for (const QString& part : action.split(QLatin1Char('|')))
        commands.append(part.split(QLatin1Char(' ')));
    return commands;
}

double luminance(const QColor& colour) {
    auto channel = [](double c) {
        c /= 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

// Text files end their lines in CR LF, whole lines are whole records (a
// record cut short or run over would shift every later one), and the
// pictures are GIF files.
TEST(ShippedFiles, AreCrLfTextOfWholeRecords) {
    const QHash<QString, int> fieldCounts = {{"cmds.lst", 8}, {"enums.lst", 4}, {"mods.lst", 5}};
    const QStringList files = shippedFiles();
    EXPECT_GE(files.size(), 16);
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        QFile file(shippedFolder() + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (name.endsWith(QLatin1String(".gif"))) {
            EXPECT_TRUE(bytes.startsWith("GIF89a"));
            continue;
        }
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
        EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));
        EXPECT_EQ(QString::fromUtf8(bytes).toUtf8(), bytes);
        const int fields = fieldCounts.value(name);
        for (const QString& line : fields ? shippedLines(name) : QStringList()) {
            RecordReader reader(line);
            int count = 0;
            while (reader.nextField())
                ++count;
            EXPECT_EQ(count, fields) << line.toStdString();
        }
    }
}

// Each game has its catalogue: the program's own cvars never reach the
// game, every cvar placed for the game shows in the fast-info panel with
// its value, and the panel's clicks change that cvar.
TEST_F(ShippedFolderTest, CatalogueEntriesAreConsistent) {
    const Program& p = program();
    const QStringList categories = {"Game", "Server", "Bots", "Player", "Video"};
    const QSet<QString> botCounts = {"fenkit_bots", "fenkit_redbots", "fenkit_bluebots"};
    const QRegularExpression step(QStringLiteral("^set(add|dec)[15]$"));
    QHash<QString, int> counts;
    for (const PredefinedCommand& entry : p.catalogue.entries()) {
        SCOPED_TRACE((entry.game + QLatin1Char(' ') + entry.name).toStdString());
        ++counts[entry.game];
        EXPECT_TRUE(isGameId(entry.game));
        // A bare "name value" line and a custom window's control store the
        // name in lower case; an entry with capitals would never be found.
        EXPECT_EQ(entry.name, entry.name.toLower());
        EXPECT_TRUE(entry.scope >= -1 && entry.scope <= 2);
        EXPECT_TRUE(entry.mode >= 0 && entry.mode <= 4);
        EXPECT_FALSE(entry.help.trimmed().isEmpty());
        if (isOwnRecord(entry.name) || entry.placement < 0) {
            EXPECT_EQ(entry.placement, -1);
            // Of the records that reach no game only the bot counts show.
            EXPECT_EQ(entry.info.isEmpty(), !botCounts.contains(entry.name));
            if (entry.info.isEmpty())
                continue;
        }
        EXPECT_LE(entry.placement, 2);
        const QString caption = GetKeyValue(entry.info, QStringLiteral("caption"));
        // The panel starts each line in a dark grey: captions choose their
        // colour, and show the value (the map's title for map commands), but
        // never a password's text.
        EXPECT_TRUE(caption.startsWith(QLatin1String("^7"))) << caption.toStdString();
        const bool map =
            entry.name == QLatin1String("map") || entry.name == QLatin1String("devmap");
        const bool secret = entry.name.contains(QLatin1String("password"));
        EXPECT_EQ(caption.contains(map ? QLatin1String("%m") : QLatin1String("%v")), !secret)
            << caption.toStdString();
        EXPECT_TRUE(categories.contains(GetKeyValue(entry.info, QStringLiteral("category"))));
        for (const char* key : {"lftclck", "rghtclck"}) {
            for (const QStringList& words :
                 commandsOf(GetKeyValue(entry.info, QLatin1String(key)))) {
                if (words.first().isEmpty() || words.first().startsWith(QLatin1String("open")))
                    continue;
                ASSERT_EQ(words.size(), words.first() == QLatin1String("set") ? 3 : 2);
                EXPECT_EQ(words[1], entry.name);
                // A click that sets a value sets one the panel has a text for.
                if (!step.match(words.first()).hasMatch()) {
                    EXPECT_NE(p.enums.EnumDisplay(entry.game, entry.name, words[2]), words[2]);
                }
            }
        }
    }
    EXPECT_GE(counts.value("quake3"), 60);
    EXPECT_GE(counts.value("quake2"), 35);
    EXPECT_GE(counts.value("quake1"), 30);
}

// Enumerations describe cvars of their game, and each display text stands
// for one value and back, so a combo box shows and sets the same thing.
TEST_F(ShippedFolderTest, EnumerationsReadBothWays) {
    const Program& p = program();
    for (const EnumEntry& entry : p.enums.entries()) {
        SCOPED_TRACE((entry.game + QLatin1Char(' ') + entry.cvar + QLatin1Char(' ') + entry.value)
                         .toStdString());
        EXPECT_NE(p.catalogue.find(entry.game, entry.cvar), nullptr);
        EXPECT_EQ(p.enums.EnumDisplay(entry.game, entry.cvar, entry.value), entry.display);
        EXPECT_EQ(p.enums.EnumValue(entry.game, entry.cvar, entry.display), entry.value);
    }
}

// "mods.lst" names the well-known mods by their folders, and the main
// window's mod description finds them.
TEST_F(ShippedFolderTest, ModsAreDescribedByTheirFolderNames) {
    QHash<QString, int> counts;
    for (const QString& line : shippedLines(QStringLiteral("mods.lst"))) {
        const QStringList record = *RecordReader(line).nextRecord(5);
        SCOPED_TRACE(line.toStdString());
        ++counts[record[0]];
        EXPECT_TRUE(isGameId(record[0]));
        EXPECT_TRUE(isSafeNamePart(record[1]) && record[1] == record[1].toLower());
        program().game.currentGame = record[0];
        EXPECT_EQ(ModDescription(program().core, record[1]), record[2]);
    }
    EXPECT_GE(counts.value("quake3"), 15);
    EXPECT_GE(counts.value("quake2"), 10);
    EXPECT_GE(counts.value("quake1"), 10);
}

// Each game has the same four groups, a full "Quick Start" group, and
// buttons that open the console, both browsers and its custom windows;
// every command of every action is one the interpreter has or sets a cvar
// the catalogue knows.
TEST_F(ShippedFolderTest, ButtonsOfferEachGameItsGroupsAndWindows) {
    const QSet<QString> windowCommands = {"openconsole", "openmapbrowser", "openserverbrowser"};
    const QSet<QString> cvarCommands = {"set",     "del",     "setadd1", "setadd5",
                                        "setdec1", "setdec5", "loadform"};
    for (const char* id : kGameIds) {
        const QString game = QLatin1String(id);
        SCOPED_TRACE(id);
        play(game, game);
        EXPECT_THAT(program().buttonGroups.groups(),
                    ElementsAre("Quick Start", "Server", "Video", "Tools"));
        for (const ButtonSlot& slot : program().buttonGroups.slots())
            EXPECT_TRUE(slot.enabled && !slot.info.isEmpty()) << slot.caption.toStdString();

        QSet<QString> opened;
        for (const ButtonLine& button : program().buttons.buttons()) {
            if (button.game != game)
                continue;
            for (const QStringList& words : commandsOf(button.action)) {
                SCOPED_TRACE(words.join(QLatin1Char(' ')).toStdString());
                const QString& command = words.first();
                if (windowCommands.contains(command)) {
                    opened.insert(command);
                } else if (command == QLatin1String("loadform")) {
                    opened.insert(words[1]);
                    EXPECT_TRUE(QFile::exists(temp.path(QStringLiteral("Forms/") + words[1])));
                } else {
                    const QString& cvar = cvarCommands.contains(command) ? words[1] : command;
                    EXPECT_NE(program().catalogue.find(game, cvar), nullptr);
                }
            }
        }
        const QString prefix = gameFacts(game).prefix;
        for (const QString& window :
             {QStringLiteral("openconsole"), QStringLiteral("openmapbrowser"),
              QStringLiteral("openserverbrowser"), prefix + QStringLiteral("_video.frm"),
              prefix + QStringLiteral("_server.frm")})
            EXPECT_TRUE(opened.contains(window)) << window.toStdString();
    }
}

// Every custom window loads cleanly, binds only cvars its game's catalogue
// knows (combo boxes to ones with display texts), keeps its controls inside
// the window, and its buttons run known commands.
TEST_F(ShippedFolderTest, CustomWindowsBindCataloguedCvarsInsideTheirWindow) {
    const Program& p = program();
    int windows = 0;
    for (const QString& name : shippedFiles()) {
        if (!name.endsWith(QLatin1String(".frm")))
            continue;
        SCOPED_TRACE(name.toStdString());
        ++windows;
        // "q3_video.frm" belongs to "quake3".
        const QString game = QStringLiteral("quake") + QFileInfo(name).fileName().mid(1, 1);
        ASSERT_TRUE(isGameId(game));
        QFile file(shippedFolder() + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const FormModel model =
            parseFormText(QString::fromUtf8(file.readAll()),
                          [&](const QString& cvar) { return p.enums.FillEnumList(game, cvar); });
        EXPECT_TRUE(model.notes.isEmpty());
        EXPECT_NE(model.caption(), FormModel::kDefaultCaption);
        const double width = model.window.width.value_or(0);
        const double height = model.window.height.value_or(0);
        for (const FormObject& control : model.controls) {
            SCOPED_TRACE(controlArrayName(control.kind).toStdString() +
                         std::to_string(control.index));
            EXPECT_LE(control.left.value_or(0) + control.width.value_or(0), width);
            EXPECT_LE(control.top.value_or(0) + control.height.value_or(0), height);
            if (!control.cvar().isEmpty()) {
                EXPECT_NE(p.catalogue.find(game, control.cvar()), nullptr);
                if (control.kind == ControlKind::ComboBox) {
                    EXPECT_FALSE(control.list.isEmpty());
                }
            }
            for (const QStringList& words : commandsOf(control.action())) {
                if (words.first() == QLatin1String("loadform")) {
                    EXPECT_TRUE(QFile::exists(temp.path(QStringLiteral("Forms/") + words[1])));
                } else if (!words.first().isEmpty()) {
                    EXPECT_TRUE(words.first() == QLatin1String("hideform") ||
                                words.first() == QLatin1String("openconsole"));
                }
            }
        }
    }
    EXPECT_EQ(windows, 7);
}

// The panel's backgrounds are dark enough for every colour the captions
// use: each reads at a contrast of at least 3 to 1 against the picture's
// average colour.
TEST_F(ShippedFolderTest, PanelBackgroundsLeaveTheCaptionColoursLegible) {
    QSet<int> codes;
    const QRegularExpression code(QStringLiteral("\\^([0-9])"));
    for (const PredefinedCommand& entry : program().catalogue.entries()) {
        auto it = code.globalMatch(entry.info);
        while (it.hasNext())
            codes.insert(it.next().captured(1).toInt());
    }
    for (const char* name : {"InfoBackQ1.gif", "InfoBackQ2.gif", "InfoBackQ3.gif"}) {
        SCOPED_TRACE(name);
        const QImage picture(temp.path(QLatin1String(name)));
        ASSERT_FALSE(picture.isNull());
        const QImage one = picture.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double back = luminance(one.pixelColor(0, 0));
        for (int c : codes) {
            const double fore = luminance(*colourOfCode(c));
            EXPECT_GE((fore + 0.05) / (back + 0.05), 3.0) << "colour " << c;
        }
    }
}

} // namespace
} // namespace fennick::test
