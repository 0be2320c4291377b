#pragma once

#include "launch/launch_context.h"
#include "platform/desktop_services.h"

#include <QAbstractListModel>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace fennick {

// One entry of the main window's mod list.
struct ModItem {
    QString text; // the descriptor's text, else the folder's key
    int image;    // 2 for a mod with a descriptor, 1 for a bare folder
    QString key;  // the folder's key, or the game identifier for the plain game
};

// The main window's mod list and the look-ups around it: which folder a
// mod is, its configurations, its documents and its icon. The list holds
// the current game's mod folders in folder order and the plain game last.
//
// A mod's descriptor is its configuration number 0 in the "config" folder
// (prefix + "_" + key + "_0.fkc"); the first line of that file is the text
// the list shows for the mod.
class ModList : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { ImageRole = Qt::UserRole + 1 };
    enum class DocumentAction { DefaultProgram, TextEditor };

    explicit ModList(const LaunchContext& context, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const QVector<ModItem>& items() const { return items_; }

    // Rebuilds the list for the current game's directory.
    void FillModList();
    // The first item whose text equals the text ignoring case, or -1.
    int indexOfText(const QString& text) const;
    // The first item whose key equals the key ignoring case, or -1.
    int indexOfKey(const QString& key) const;

    // The key of a folder below the current game's directory: the game
    // identifier for the directory itself, else the folder's name in
    // lower case.
    QString ModKeyOf(const QString& folderPath) const;

    // The key of the mod whose descriptor's first line is exactly the item
    // text; the descriptor listed last wins. Nothing when none matches.
    std::optional<QString> findDescriptorKey(const QString& itemText) const;

    // The names (line 2) of the mod's configurations 0 to 9, in order.
    // Higher numbers are never offered, though still found by name.
    QStringList configurationNames(const QString& key) const;

    // The folder whose documents are listed: the mod's folder, or the game
    // directory for the plain game.
    QString documentFolder(const QString& key) const;
    // The documents of that folder that the list offers.
    static QStringList documentFiles(const QString& folder);
    // One of the folder's icons, each equally likely; empty when it has none.
    QString pickIcon(const QString& folder);

    // Web pages and text files go to their usual program; scripts and
    // configurations open in a text editor so they are read, not run.
    static DocumentAction documentAction(const QString& fileName);
    void openDocument(const QString& folder, const QString& fileName);
    // Where documents are opened; the desktop's own services by default.
    void setDesktopServices(platform::DesktopServices* services) {
        desktop_ = services ? services : &systemDesktop_;
    }

private:
    QString descriptorPath(const QString& prefix, const QString& key) const;
    void addFolderItem(const QString& folder, const QString& path, const QString& prefix);
    void addPlainGameItem(const QString& game, const QString& prefix);

    LaunchContext context_;
    QVector<ModItem> items_;
    platform::SystemDesktopServices systemDesktop_;
    platform::DesktopServices* desktop_ = &systemDesktop_;
};

} // namespace fennick
