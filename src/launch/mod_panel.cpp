#include "launch/mod_panel.h"

#include "app/program.h"
#include "core/game_facts.h"
#include "launch/mod_description.h"
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

ModPanel::ModPanel(Program& program, QObject* parent) : QObject(parent), program_(program) {
    // A refilled list has nothing chosen until the game switch picks an item.
    connect(&program_.mods, &QAbstractItemModel::modelReset, this, [this] { setSelectedRow(-1); });
}

const QString& ModPanel::description() const {
    return program_.configs.description;
}

const QString& ModPanel::configurationText() const {
    return program_.configs.configurationName;
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
    const ModItem& item = program_.mods.items().at(row);
    if (const std::optional<QString> key = program_.mods.findDescriptorKey(item.text))
        return {*key, item.text};
    return {item.key, program_.configs.modDescriptor(item.key)};
}

void ModPanel::SelectMod(int row) {
    if (row < 0 || row >= program_.mods.items().size())
        return;
    ConfigFiles& configs = program_.configs;
    setSelectedRow(row);
    // Refilling the combo must not load what it passes on the way.
    configs.marker = ConfigFiles::kNoLoad;
    configurations_.clear();
    configs.configurationName = kDefaultConfiguration;

    program_.cvars.ClearCvars();
    configs.LoadConfigFile(configs.generalFilePath());

    const FoundMod mod = findMod(row);
    program_.game.currentModKey = mod.key;
    if (mod.descriptor) {
        configs.description = *mod.descriptor;
        fillConfigurations(mod);
    } else {
        configs.description = ModDescription(program_, mod.key);
    }
    descriptionEnabled_ = !isGameId(mod.key);
    Q_EMIT descriptionChanged();
    Q_EMIT configurationsChanged();

    showDocuments();
    if (getButtonGroups)
        getButtonGroups();
    program_.video.SetRenderer(QString());
    configs.marker.clear();
    program_.commandBuilder.MakeCommandLine(false);
}

// Offers the mod's configurations 0 to 9 and loads the first of them.
void ModPanel::fillConfigurations(const FoundMod& mod) {
    configurations_ = program_.mods.configurationNames(mod.key);
    program_.configs.marker.clear();
    if (!configurations_.isEmpty())
        program_.configs.SelectConfiguration(configurations_.first());
}

void ModPanel::showDocuments() {
    documentFolder_ = program_.mods.documentFolder(program_.game.currentModKey);
    documentFiles_ = documentFolder_.isEmpty()
                         ? QStringList()
                         : platform::listFiles(documentFolder_, kDocumentPattern);
    Q_EMIT documentsChanged();
    iconPath_ = documentFolder_.isEmpty() ? QString() : program_.mods.pickIcon(documentFolder_);
    Q_EMIT iconChanged();
}

bool ModPanel::SelectModItem(const QString& text) {
    const int row = program_.mods.indexOfText(text);
    if (row < 0)
        return false;
    SelectMod(row);
    return true;
}

void ModPanel::selectPlainGame() {
    const QString& game = program_.game.currentGame;
    if (!isGameId(game))
        return;
    bool found = SelectModItem(game);
    found = SelectModItem(gameFacts(game).displayName) || found;
    if (found)
        return;
    // The plain game's item is added last. Its descriptor may show some
    // other text; the game is still chosen, so the mod of the game chosen
    // before never stays current under this one.
    const QVector<ModItem>& items = program_.mods.items();
    if (!items.isEmpty() && items.last().key == game)
        SelectMod(static_cast<int>(items.size()) - 1);
}

int ModPanel::rowOfMod(const QString& name) const {
    const int byKey = program_.mods.indexOfKey(name);
    return byKey >= 0 ? byKey : program_.mods.indexOfText(name);
}

void ModPanel::setDescription(const QString& text) {
    program_.configs.description = text;
}

void ModPanel::configurationChosen(const QString& name) {
    ConfigFiles& configs = program_.configs;
    configs.SelectConfiguration(name);
    if (configs.marker != ConfigFiles::kNoLoad)
        program_.commandBuilder.MakeCommandLine(false);
}

void ModPanel::configurationTyped(const QString& name) {
    program_.configs.configurationName = name;
}

void ModPanel::openDocument(const QString& fileName) {
    // Only a file the list offers: the name is joined onto the folder.
    if (documentFolder_.isEmpty() || !documentFiles_.contains(fileName))
        return;
    program_.mods.openDocument(documentFolder_, fileName);
}

void ModPanel::pickIcon() {
    if (documentFolder_.isEmpty())
        return;
    const QString picked = program_.mods.pickIcon(documentFolder_);
    if (picked.isEmpty())
        return;
    iconPath_ = picked;
    Q_EMIT iconChanged();
}

void ModPanel::showFastInfoBackground() {
    const QString file = gameFacts(program_.game.currentGame).infoBackground;
    const std::optional<QString> found =
        file.isEmpty() ? std::nullopt : platform::resolvePath(program_.programPath(file));
    fastInfoBackground_ = found && platform::fileExists(*found) ? *found : QString();
    Q_EMIT fastInfoBackgroundChanged();
}

} // namespace fennick
