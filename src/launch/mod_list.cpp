#include "launch/mod_list.h"

#include "common/record_reader.h"
#include "core/game_facts.h"
#include "core/launch_rules.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

#include <QDir>
#include <array>

namespace fennick {

namespace {

// The games' own data folders are the plain game, not mods; so is the
// current game's base data folder ("baseoa" for OpenArena).
constexpr std::array<const char*, 3> kDataFolders = {"baseq3", "baseq2", "id1"};

// Quake II's point releases leave numbered folders ("310", "320") that
// are no mods; a mod that has a descriptor is still listed.
constexpr int kFirstReleaseFolder = 300;
constexpr int kLastReleaseFolder = 320;

// Configurations numbered up to this one are offered in the combo.
constexpr int kLastListedConfiguration = 9;

const QString kDescriptorEnd = QStringLiteral("_0.fkc");

bool isDataFolder(const QString& key) {
    for (const char* name : kDataFolders) {
        if (key == QLatin1String(name))
            return true;
    }
    return false;
}

// A whole number written without leading zeros, inside the release range.
bool isReleaseFolder(const QString& name) {
    if (name.isEmpty() || name.size() > 3 || name.front() == QLatin1Char('0'))
        return false;
    for (QChar c : name) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    const int number = name.toInt();
    return number >= kFirstReleaseFolder && number <= kLastReleaseFolder;
}

// The first line of a file; empty for an empty file, nothing when missing.
std::optional<QString> firstLine(const QString& path) {
    const std::optional<QStringList> lines = platform::readTextLines(path);
    if (!lines)
        return std::nullopt;
    return lines->isEmpty() ? QString() : lines->first();
}

QString withoutTrailingSeparators(QString path) {
    while (path.size() > 1 && (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'))))
        path.chop(1);
    return platform::nativePath(path);
}

} // namespace

ModList::ModList(const LaunchContext& context, QObject* parent)
    : QAbstractListModel(parent), context_(context) {
    systemDesktop_.setErrorSink(
        [this](const QString& message) { context_.console.ConsolePrint(message); });
}

int ModList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

QVariant ModList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= items_.size())
        return {};
    const ModItem& item = items_[index.row()];
    if (role == Qt::DisplayRole)
        return item.text;
    if (role == ImageRole)
        return item.image;
    return {};
}

QString ModList::descriptorPath(const QString& prefix, const QString& key) const {
    return context_.programPath(QStringLiteral("config\\") + prefix + QLatin1Char('_') + key +
                                kDescriptorEnd);
}

void ModList::FillModList() {
    beginResetModel();
    items_.clear();
    const QString& game = context_.game.currentGame;
    const QString prefix = gameFacts(game).prefix;
    if (!prefix.isEmpty()) {
        const QString directory = context_.settings.directoryOf(game);
        const QString baseFolder = baseDataFolder(game, directory);
        for (const QString& folder : platform::listFolders(directory)) {
            if (folder.compare(baseFolder, Qt::CaseInsensitive) != 0)
                addFolderItem(folder, platform::joinPath(directory, folder), prefix);
        }
        addPlainGameItem(game, prefix);
    }
    endResetModel();
}

void ModList::addFolderItem(const QString& folder, const QString& path, const QString& prefix) {
    const QString key = ModKeyOf(path);
    if (isDataFolder(key))
        return;
    // The folder's name goes on the game's command line.
    if (breaksCommandWord(folder)) {
        context_.console.ConsolePrint(leftOutNotice(QStringLiteral("mod folder"), folder));
        return;
    }
    if (const std::optional<QString> text = firstLine(descriptorPath(prefix, key))) {
        items_.append({*text, 2, key});
        return;
    }
    if (!isReleaseFolder(folder))
        items_.append({key, 1, key});
}

// The plain game's descriptor may hold a whole record on its first line;
// its first field is the text.
void ModList::addPlainGameItem(const QString& game, const QString& prefix) {
    if (const std::optional<QString> line = firstLine(descriptorPath(prefix, game))) {
        items_.append({RecordReader(*line).nextField().value_or(QString()), 2, game});
        return;
    }
    items_.append({game, 1, game});
}

int ModList::indexOfText(const QString& text) const {
    for (qsizetype i = 0; i < items_.size(); ++i) {
        if (items_[i].text.compare(text, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

int ModList::indexOfKey(const QString& key) const {
    for (qsizetype i = 0; i < items_.size(); ++i) {
        if (items_[i].key.compare(key, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

QString ModList::ModKeyOf(const QString& folderPath) const {
    const QString& game = context_.game.currentGame;
    const QString base = withoutTrailingSeparators(context_.settings.directoryOf(game));
    const QString path = withoutTrailingSeparators(folderPath);
    if (path.compare(base, Qt::CaseInsensitive) == 0)
        return game;
    if (!base.isEmpty() && path.size() > base.size() + 1 &&
        path.startsWith(base, Qt::CaseInsensitive) && path[base.size()] == QDir::separator())
        return path.mid(base.size() + 1).toLower();
    // A folder elsewhere is known by its own name.
    return platform::fileNameOf(path).toLower();
}

std::optional<QString> ModList::findDescriptorKey(const QString& itemText) const {
    const QString prefix = gameFacts(context_.game.currentGame).prefix;
    if (prefix.isEmpty())
        return std::nullopt;
    const QString start = prefix + QLatin1Char('_');
    const QString folder = context_.programPath(QStringLiteral("config"));
    std::optional<QString> key;
    for (const QString& name : platform::listFiles(folder, QStringLiteral("*.fkc"))) {
        // "q3_" + key + "_0.fkc", with a key of at least one character.
        if (name.size() <= start.size() + kDescriptorEnd.size() || !name.startsWith(start) ||
            !name.endsWith(kDescriptorEnd))
            continue;
        if (firstLine(platform::joinPath(folder, name)) == itemText)
            key = name.mid(start.size(), name.size() - start.size() - kDescriptorEnd.size());
    }
    return key;
}

QStringList ModList::configurationNames(const QString& key) const {
    const QString prefix = gameFacts(context_.game.currentGame).prefix;
    QStringList names;
    if (prefix.isEmpty())
        return names;
    for (int number = 0; number <= kLastListedConfiguration; ++number) {
        const QString path = context_.programPath(QStringLiteral("config\\") + prefix +
                                                  QLatin1Char('_') + key + QLatin1Char('_') +
                                                  QString::number(number) + QStringLiteral(".fkc"));
        if (const std::optional<QStringList> lines = platform::readTextLines(path))
            names.append(lines->size() > 1 ? lines->at(1) : QString());
    }
    return names;
}

QString ModList::documentFolder(const QString& key) const {
    const QString& directory = context_.game.gameDirectory;
    if (directory.isEmpty())
        return {};
    if (isGameId(key) || key.isEmpty())
        return platform::nativePath(directory);
    return platform::joinPath(directory, key);
}

QStringList ModList::documentFiles(const QString& folder) {
    return platform::listFiles(folder, QStringLiteral("*.cfg;*.txt;*.bat;*.htm;*.html"));
}

QString ModList::pickIcon(const QString& folder) {
    const QStringList icons = platform::listFiles(folder, QStringLiteral("*.ico"));
    if (icons.isEmpty())
        return {};
    const int pick = context_.random.pick(0, static_cast<int>(icons.size()) - 1);
    return platform::joinPath(platform::resolvePath(folder).value_or(folder), icons[pick]);
}

ModList::DocumentAction ModList::documentAction(const QString& fileName) {
    for (const char* end : {".htm", ".html", ".txt"}) {
        if (fileName.endsWith(QLatin1String(end), Qt::CaseInsensitive))
            return DocumentAction::DefaultProgram;
    }
    return DocumentAction::TextEditor;
}

void ModList::openDocument(const QString& folder, const QString& fileName) {
    const QString path =
        platform::joinPath(platform::resolvePath(folder).value_or(folder), fileName);
    if (documentAction(fileName) == DocumentAction::DefaultProgram)
        desktop_->openWithDefaultProgram(path);
    else
        desktop_->openInTextEditor(path);
}

} // namespace fennick
