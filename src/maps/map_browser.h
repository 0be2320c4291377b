#pragma once

#include "browser/browser_services.h"
#include "common/list_sort.h"
#include "maps/map_list.h"
#include "maps/map_rows.h"
#include "maps/map_tree.h"
#include "platform/text_file.h"

#include <QImage>
#include <QObject>
#include <QStringList>

namespace fennick {

// The map browser as a model: every map of every group, the tree, the rows
// of the shown group, the map being chosen and the texts the window shows.
// The window forwards its events here and draws what it finds; fennick-cli
// uses the same model without a window.
class MapBrowser : public QObject {
    Q_OBJECT
public:
    explicit MapBrowser(const BrowserServices& services, QObject* parent = nullptr);
    ~MapBrowser() override;

    // Window open: a fresh tree, "maps.lst" loaded, the current game's
    // Recent group shown, then the Quake III "Mod" and "Map" groups as the
    // chosen mod and the setup ask. `mapFiles` adds "Map" whatever the
    // setup says (fennick-cli asks for it by name).
    void open(bool mapFiles = false);
    // Window close, whichever way: a running scan stops and "maps.lst" is
    // saved, once however often this is called.
    void close();
    bool isClosed() const { return closed_; }

    void LoadMapList();
    bool SaveMapList();
    void AddMap(MapRecord record);
    void GetMap(MapRecord& record) const;
    void RemoveMap(const MapRecord& record);
    void RemoveGroup(const QString& group);
    void RefreshList();
    void ShowMapInList(const MapRecord& record);
    void UpdateMapInList(const MapRecord& record);
    // Scans the shown group when it is a Quake III All, Mod or Map group.
    // One scan at a time: asked again while one runs (from "Update" or by
    // choosing another empty group), it is refused with a status message.
    void ScanMaps();

    // A tree node was chosen: a game node shows its Recent group; an empty
    // scanned group is scanned at once.
    void selectNode(int node);
    // "Update": scans the shown group again.
    void update() { ScanMaps(); }
    // A row of the list was clicked: its map becomes the one chosen.
    void itemClicked(int row);
    // The name and title boxes, typed by the user or set.
    void setName(const QString& name);
    void setTitle(const QString& title);
    // The Delete key on a row: the map leaves the shown group.
    void deleteItem(int row);
    // "Save": files the chosen map into the group the group box names.
    GroupSave saveIntoGroup(const QString& groupName);
    static QString messageOf(GroupSave result);
    void setDevMode(bool on) { devMode_ = on; }
    // "OK": the next start plays the chosen map, which goes into its game's
    // Recent group; then the window closes.
    void confirm();

    // The list's sort (see ListSort): a Recent group shows the newest
    // first, others the user's sort, by name until they chose one.
    void sortClicked(int column);
    const ListSort& sort() const { return sort_; }
    void rememberSort(int column, Qt::SortOrder order);

    const MapList& list() const { return list_; }
    const MapTree& tree() const { return tree_; }
    MapRows& rows() { return rows_; }
    const MapRecord& currentRecord() const { return current_; }
    int currentNode() const { return shown_.node; }
    const QString& displayedGroup() const { return shown_.group; }
    const QString& caption() const { return shown_.caption; } // Label1
    QString countText() const;                                // Label6
    const QStringList& groupBox() const { return shown_.groupBox; }
    const QString& nameBox() const { return nameBox_; }
    const QString& nameTag() const { return nameTag_; }
    const QString& titleBox() const { return titleBox_; }
    const QImage& picture() const { return picture_; } // null: cleared
    bool updateVisible() const { return updateVisible_; }
    bool devModeVisible() const { return tree_.nodeWithKey(QStringLiteral("Q3MAP")) >= 0; }
    bool devMode() const { return devMode_; }
    const QString& statusText() const { return statusText_; }
    bool scanning() const { return scanning_; }
    // Work that lets events run (a scan, a picture search) is under way:
    // the window must outlive it.
    bool busy() const { return busy_ > 0; }
    QString mapsPath() const;

Q_SIGNALS:
    void treeChanged();      // a node was added or the tree was rebuilt
    void selectionChanged(); // the shown group, its caption, the group box, "Update"
    void countChanged();     // the count label
    void boxesChanged();     // the name, tag and title boxes
    void pictureChanged();   // the level shot
    void sortChanged();
    void statusChanged();
    void scanProgress(int done, int total); // total 0: no scan is running
    void closeRequested();                  // OK was pressed: the window closes
    void idle();                            // the last busy work ended

private:
    class Busy;
    void showLevelshot();
    void sortForGroup();
    void setStatus(const QString& text);
    void runScan();
    // False, with a console line, for a name that would end a command.
    bool offered(const QString& name);

    BrowserServices services_;
    MapList list_;
    MapTree tree_;
    MapRows rows_;
    MapRecord current_;
    GroupTree::Shown shown_{-1, {}, QStringLiteral("Fennick Map Browser"), {}};
    QString nameBox_;
    QString nameTag_;
    QString titleBox_;
    QImage picture_;
    bool updateVisible_ = false;
    bool devMode_ = false;
    QString statusText_;
    ListSort sort_{0, Qt::AscendingOrder, 0, Qt::AscendingOrder};
    bool scanning_ = false;
    bool stopScan_ = false;
    bool closed_ = false;
    bool loadRefused_ = false; // "maps.lst" could not be read: it is not overwritten
    platform::TextEncoding fileEncoding_ = platform::TextEncoding::Utf8; // as it was read
    int busy_ = 0;
};

} // namespace fennick
