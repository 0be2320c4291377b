#include "launch/mod_panel.h"

#include "core/game_facts.h"
#include "launch/command_line_builder.h"
#include "launch/config_files.h"
#include "launch/mod_description.h"
#include "launch/mod_list.h"
#include "launch/video_settings.h"
#include "platform/file_system.h"

#include <optional>

namespace fennick {

namespace {

const QString kDefaultConfiguration = QStringLiteral("Default Configuration");

} // namespace

const QString ModPanel::kDocumentPattern = QStringLiteral("*.cfg;*.txt;*.bat;*.htm;*.html");

// The mod behind a list item: its key, and its descriptor's first line
// when it has one.
struct ModPanel::FoundMod {
    QString key;
    std::optional<QString> descriptor;
};

ModPanel::ModPanel(const LaunchContext& context, ConfigFiles& configs, ModList& mods,
                   CommandLineBuilder& commandBuilder, VideoSettings& video, QObject* parent)
    : QObject(parent), context_(context), configs_(configs), mods_(mods),
      commandBuilder_(commandBuilder), video_(video) {
    // A refilled list has nothing chosen until the game switch picks an item.
    connect(&mods_, &QAbstractItemModel::modelReset, this, [this] { setSelectedRow(-1); });
}

const QString& ModPanel::description() const {
    return configs_.description;
}

const QString& ModPanel::configurationText() const {
    return configs_.configurationName;
}

void ModPanel::setSelectedRow(int row) {
    if (row == selectedRow_)
        return;
    selectedRow_ = row;
    Q_EMIT selectedRowChanged(row);
}

// The descriptor whose first line is the item's text names the mod; of
// two with the same text the one listed last wins. An item whose text is
// no descriptor's whole first line (the plain game shows only the first
// field of its descriptor) is the mod of its own key, so a click never
// turns a display text into a folder name.
ModPanel::FoundMod ModPanel::findMod(int row) const {
    const ModItem& item = mods_.items().at(row);
    if (const std::optional<QString> key = mods_.findDescriptorKey(item.text))
        return {*key, item.text};
    return {item.key, configs_.modDescriptor(item.key)};
}

void ModPanel::SelectMod(int row) {
    if (row < 0 || row >= mods_.items().size())
        return;
    setSelectedRow(row);
    // Refilling the combo must not load what it passes on the way.
    configs_.marker = ConfigFiles::kNoLoad;
    configurations_.clear();
    configs_.configurationName = kDefaultConfiguration;

    context_.cvars.ClearCvars();
    configs_.LoadConfigFile(configs_.generalFilePath());

    const FoundMod mod = findMod(row);
    context_.game.currentModKey = mod.key;
    if (mod.descriptor) {
        configs_.description = *mod.descriptor;
        fillConfigurations(mod);
    } else {
        configs_.description = ModDescription(context_, mod.key);
    }
    descriptionEnabled_ = !isGameId(mod.key);
    Q_EMIT descriptionChanged();
    Q_EMIT configurationsChanged();

    showDocuments();
    if (getButtonGroups)
        getButtonGroups();
    video_.SetRenderer(QString());
    configs_.marker.clear();
    commandBuilder_.MakeCommandLine(false);
}

// Offers the mod's configurations 0 to 9 and loads the first of them.
void ModPanel::fillConfigurations(const FoundMod& mod) {
    configurations_ = mods_.configurationNames(mod.key);
    configs_.marker.clear();
    if (!configurations_.isEmpty())
        configs_.SelectConfiguration(configurations_.first());
}

void ModPanel::showDocuments() {
    documentFolder_ = mods_.documentFolder(context_.game.currentModKey);
    documentFiles_ = documentFolder_.isEmpty()
                         ? QStringList()
                         : platform::listFiles(documentFolder_, kDocumentPattern);
    Q_EMIT documentsChanged();
    iconPath_ = documentFolder_.isEmpty() ? QString() : mods_.pickIcon(documentFolder_);
    Q_EMIT iconChanged();
}

bool ModPanel::SelectModItem(const QString& text) {
    const int row = mods_.indexOfText(text);
    if (row < 0)
        return false;
    SelectMod(row);
    return true;
}

void ModPanel::selectPlainGame() {
    const QString& game = context_.game.currentGame;
    if (!isGameId(game))
        return;
    bool found = SelectModItem(game);
    found = SelectModItem(gameFacts(game).displayName) || found;
    if (found)
        return;
    // The plain game's item is added last. Its descriptor may show some
    // other text; the game is still chosen, so the mod of the game chosen
    // before never stays current under this one.
    const QVector<ModItem>& items = mods_.items();
    if (!items.isEmpty() && items.last().key == game)
        SelectMod(static_cast<int>(items.size()) - 1);
}

int ModPanel::rowOfMod(const QString& name) const {
    const int byKey = mods_.indexOfKey(name);
    return byKey >= 0 ? byKey : mods_.indexOfText(name);
}

void ModPanel::setDescription(const QString& text) {
    configs_.description = text;
}

void ModPanel::configurationChosen(const QString& name) {
    configs_.SelectConfiguration(name);
    if (configs_.marker != ConfigFiles::kNoLoad)
        commandBuilder_.MakeCommandLine(false);
}

void ModPanel::configurationTyped(const QString& name) {
    configs_.configurationName = name;
}

void ModPanel::openDocument(const QString& fileName) {
    // Only a file the list offers: the name is joined onto the folder.
    if (documentFolder_.isEmpty() || !documentFiles_.contains(fileName))
        return;
    mods_.openDocument(documentFolder_, fileName);
}

void ModPanel::pickIcon() {
    if (documentFolder_.isEmpty())
        return;
    const QString picked = mods_.pickIcon(documentFolder_);
    if (picked.isEmpty())
        return;
    iconPath_ = picked;
    Q_EMIT iconChanged();
}

void ModPanel::showFastInfoBackground() {
    const QString file = gameFacts(context_.game.currentGame).infoBackground;
    const std::optional<QString> found =
        file.isEmpty() ? std::nullopt : platform::resolvePath(context_.programPath(file));
    fastInfoBackground_ = found && platform::fileExists(*found) ? *found : QString();
    Q_EMIT fastInfoBackgroundChanged();
}

} // namespace fennick
