#pragma once

#include "launch/launch_context.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace fennick {

class CommandLineBuilder;
class ConfigFiles;
class ModList;
class VideoSettings;

// What the main window's mod and configuration panel shows, and what its
// clicks do: the chosen mod of the mod list, the mod's description field,
// the configuration combo, the mod's documents and icon, and the fast-info
// background of the current game. The window's widgets are views of this
// model; the command-line tool drives the same model without them.
//
// The description and the configuration name live in ConfigFiles, which
// writes them as the first two lines of a saved configuration.
class ModPanel : public QObject {
    Q_OBJECT
public:
    // The documents a mod's folder offers in the document list.
    static const QString kDocumentPattern;

    ModPanel(const LaunchContext& context, ConfigFiles& configs, ModList& mods,
             CommandLineBuilder& commandBuilder, VideoSettings& video, QObject* parent = nullptr);

    // The mod list's item click: clears the store, loads the general file,
    // finds the mod by its descriptor (else takes the item's own key),
    // fills the configuration combo and loads the first configuration.
    void SelectMod(int row);
    // Chooses the first item whose text equals the text, ignoring case.
    // False when there is none (nothing happens then).
    bool SelectModItem(const QString& text);
    // Chooses the plain game's item after a game switch: by the game's
    // identifier, then by its display name (the later match wins), and by
    // the item's key when its text is neither.
    void selectPlainGame();
    // The row of a mod named by its folder, the game identifier or the
    // text the list shows; -1 when the list has no such mod.
    int rowOfMod(const QString& name) const;
    int selectedRow() const { return selectedRow_; }

    // The description field: its text and whether it may be edited (only
    // for a real mod, not the plain game).
    const QString& description() const;
    bool descriptionEnabled() const { return descriptionEnabled_; }
    void setDescription(const QString& text);

    // The configuration combo: its entries (configurations 0 to 9 of the
    // mod) and its text, the name the next launch saves under.
    const QStringList& configurations() const { return configurations_; }
    const QString& configurationText() const;
    // A click on an entry, or a typed name once the typing ends: loads the
    // configuration of that name when one exists; a new name loads nothing.
    void configurationChosen(const QString& name);
    // A name being typed: the name the next launch saves under, nothing
    // loaded yet.
    void configurationTyped(const QString& name);

    // The document list: its folder and the files it offers.
    const QString& documentFolder() const { return documentFolder_; }
    const QStringList& documentFiles() const { return documentFiles_; }
    void openDocument(const QString& fileName);

    // The mod's icon file; empty means the window's own icon.
    const QString& iconPath() const { return iconPath_; }
    // A click on the icon: another of the folder's icons, picked at random.
    void pickIcon();

    // The current game's picture behind the fast-info panel ("InfoBackQ3.gif"
    // in the program folder); empty when it has none.
    const QString& fastInfoBackground() const { return fastInfoBackground_; }
    void showFastInfoBackground();

    // Rebuilds the button group selectors after a mod was chosen.
    std::function<void()> getButtonGroups;

Q_SIGNALS:
    void selectedRowChanged(int row);
    void descriptionChanged();
    void configurationsChanged();
    void documentsChanged();
    void iconChanged();
    void fastInfoBackgroundChanged();

private:
    struct FoundMod;
    FoundMod findMod(int row) const;
    void fillConfigurations(const FoundMod& mod);
    void showDocuments();
    void setSelectedRow(int row);

    LaunchContext context_;
    ConfigFiles& configs_;
    ModList& mods_;
    CommandLineBuilder& commandBuilder_;
    VideoSettings& video_;
    int selectedRow_ = -1;
    bool descriptionEnabled_ = false;
    QStringList configurations_;
    QString documentFolder_;
    QStringList documentFiles_;
    QString iconPath_;
    QString fastInfoBackground_;
};

} // namespace fennick
