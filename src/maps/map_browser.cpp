#include "maps/map_browser.h"

#include "archive/archive_snapshot.h"
#include "common/number_text.h"
#include "core/game_facts.h"
#include "core/launch_rules.h"
#include "maps/map_scan.h"
#include "maps/maps_file.h"
#include "platform/text_file.h"

#include <QPointer>

namespace fennick {

namespace {

const QString kRecentSuffix = QStringLiteral("Recent");

} // namespace

// Marks work that lets events run. The window waits for the last one to
// end before it goes; `idle` tells it when.
class MapBrowser::Busy {
public:
    explicit Busy(MapBrowser& browser) : browser_(&browser) { ++browser.busy_; }
    ~Busy() {
        if (browser_ && --browser_->busy_ == 0)
            Q_EMIT browser_->idle();
    }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;
    bool alive() const { return !browser_.isNull(); }

private:
    QPointer<MapBrowser> browser_;
};

// Answers the title look-ups of a run of AddMap calls from archives read
// once, unless an outer run already does.
class TitleRun {
public:
    explicit TitleRun(const BrowserServices& services)
        : titles_(services.mapTitles), snapshot_(services.content) {
        if (!titles_.snapshot())
            titles_.attachSnapshot(&snapshot_);
    }
    ~TitleRun() {
        if (titles_.snapshot() != &snapshot_)
            return;
        titles_.attachSnapshot(nullptr);
        snapshot_.finish();
    }
    TitleRun(const TitleRun&) = delete;
    TitleRun& operator=(const TitleRun&) = delete;
    ArchiveSnapshot& snapshot() {
        ArchiveSnapshot* attached = titles_.snapshot();
        return attached ? *attached : snapshot_;
    }

private:
    MapTitles& titles_;
    ArchiveSnapshot snapshot_;
};

MapBrowser::MapBrowser(const BrowserServices& services, QObject* parent)
    : QObject(parent), services_(services) {}

MapBrowser::~MapBrowser() = default;

QString MapBrowser::mapsPath() const {
    return services_.programPath(QStringLiteral("maps.lst"));
}

void MapBrowser::open(bool mapFiles) {
    list_.clear();
    tree_ = MapTree();
    rows_.clear();
    shown_ = {-1, {}, QStringLiteral("Fennick Map Browser"), {}};
    Q_EMIT treeChanged();
    LoadMapList();
    const QString prefix = gameFacts(services_.game.currentGame).prefix.toUpper(); // "Q3"
    if (!prefix.isEmpty())
        selectNode(tree_.nodeWithKey(prefix + QLatin1Char('R')));
    if (services_.game.currentGame == kQuake3) {
        if (!services_.content.modKey().isEmpty())
            tree_.addModGroup();
        if (services_.settings.showMapFiles || mapFiles)
            tree_.addMapFileGroup();
        Q_EMIT treeChanged();
    }
}

void MapBrowser::close() {
    if (closed_)
        return;
    closed_ = true;
    stopScan_ = true;
    SaveMapList();
}

void MapBrowser::LoadMapList() {
    const maps_file::Contents contents = maps_file::read(mapsPath());
    if (!contents.problem.isEmpty())
        services_.console.ConsolePrint(QStringLiteral("Could not read maps.lst: ") +
                                       contents.problem);
    loadRefused_ = !contents.problem.isEmpty();
    fileEncoding_ = contents.encoding;
    TitleRun titles(services_);
    list_.reserve(std::min(list_.count() + int(contents.records.size()), MapList::kMaxRecords));
    for (const MapRecord& record : contents.records)
        if (!maps_file::isScannedGroup(record.group) && offered(record.name))
            AddMap(record);
}

bool MapBrowser::SaveMapList() {
    if (loadRefused_) {
        services_.console.ConsolePrint(
            QStringLiteral("maps.lst was not read, so it is left as it is"));
        return false;
    }
    const double today = services_.clock.daySerial();
    QStringList lines;
    for (const MapRecord& record : list_.records())
        if (maps_file::keptAt(record, today))
            lines.append(maps_file::lineOf(record));
    QString error;
    if (platform::writeTextLines(mapsPath(), lines, &error, fileEncoding_))
        return true;
    services_.console.ConsolePrint(QStringLiteral("Could not save maps.lst: ") + error);
    return false;
}

void MapBrowser::AddMap(MapRecord record) {
    if (record.name.isEmpty())
        return;
    if (record.fullname.isEmpty()) {
        const Busy busy(*this);
        record.fullname = services_.mapTitles.GetMapTitle(record.name);
        if (!busy.alive())
            return;
    }
    if (list_.find(record.group, record.name)) {
        list_.store(record);
        if (current_.group == record.group && current_.name == record.name)
            current_ = record;
        UpdateMapInList(record);
        return;
    }
    if (!list_.store(record))
        return; // the list is full
    if (tree_.ensureGroupNode(record.group))
        Q_EMIT treeChanged();
    if (record.group == shown_.group)
        ShowMapInList(record);
}

void MapBrowser::GetMap(MapRecord& record) const {
    if (const int slot = list_.find(record.group, record.name))
        record = list_.at(slot);
}

void MapBrowser::RemoveMap(const MapRecord& record) {
    list_.removeSlot(list_.find(record.group, record.name));
}

void MapBrowser::RemoveGroup(const QString& group) {
    list_.removeGroup(group);
    RefreshList();
}

void MapBrowser::RefreshList() {
    rows_.assign(list_.groupRecords(shown_.group));
    Q_EMIT countChanged();
}

void MapBrowser::ShowMapInList(const MapRecord& record) {
    rows_.append(record);
    Q_EMIT countChanged();
}

void MapBrowser::UpdateMapInList(const MapRecord& record) {
    if (record.group == shown_.group)
        rows_.update(record); // the view's sort places the row again
}

QString MapBrowser::countText() const {
    const int count = rows_.rowCount();
    return QString::number(count) + (count == 1 ? QStringLiteral(" map") : QStringLiteral(" maps"));
}

void MapBrowser::setStatus(const QString& text) {
    statusText_ = text;
    Q_EMIT statusChanged();
}

void MapBrowser::ScanMaps() {
    if (!shown_.caption.startsWith(QLatin1String("Quake 3")))
        return;
    if (scanning_) {
        const QString refused = QStringLiteral("A map scan is running: wait until it ends");
        setStatus(refused);
        services_.status.queue(refused, 3);
        return;
    }
    runScan();
}

// The scan yields after every map, so the window repaints and takes
// clicks; closing the window stops it after the map in hand.
void MapBrowser::runScan() {
    const BrowserServices& services = services_;
    const Busy busy(*this);
    scanning_ = true;
    stopScan_ = false;
    const double started = services.clock.secondsSinceMidnight();
    const QString group = shown_.group;
    int added = 0;
    {
        TitleRun titles(services);
        const ScanPlan plan =
            planScan(group, {services.content.quake3Directory(), services.content.modKey()},
                     titles.snapshot());
        if (plan.scans)
            RemoveGroup(group);
        list_.reserve(list_.count() + int(plan.maps.size()));
        rows_.reserve(rows_.rowCount() + int(plan.maps.size()));
        setStatus(QStringLiteral("Scanning ") + group + QStringLiteral("..."));
        const int total = int(plan.maps.size());
        for (const ScannedMap& map : plan.maps) {
            if (!offered(map.name))
                continue;
            AddMap({map.name, {}, map.mod, map.pak, 0, group, 0.0f});
            if (!busy.alive())
                return;
            Q_EMIT scanProgress(++added, total);
            services.ui.yieldOnce();
            if (!busy.alive())
                return;
            if (stopScan_)
                break;
        }
    }
    scanning_ = false;
    Q_EMIT scanProgress(0, 0);
    const QString found = QStringLiteral("Found ") + QString::number(rows_.rowCount()) +
                          QStringLiteral(" maps in ") +
                          formatSeconds(services.clock.elapsedSince(started)) +
                          QStringLiteral(" sec (group ") + shown_.group + QLatin1Char(')');
    services.console.ConsolePrint(found);
    setStatus(found);
}

void MapBrowser::selectNode(int node) {
    GroupTree::Shown shown = tree_.show(node);
    if (shown.node < 0)
        return;
    shown_ = std::move(shown);
    updateVisible_ = isScannedGroupName(tree_.nodes()[shown_.node].text);
    Q_EMIT selectionChanged();
    RefreshList();
    // Sorted before a scan fills it, so the rows find their places as they
    // arrive.
    sortForGroup();
    if (updateVisible_ && rows_.rowCount() == 0)
        ScanMaps();
}

void MapBrowser::sortForGroup() {
    if (shown_.group.endsWith(kRecentSuffix)) {
        sort_.newestFirst(MapRows::ColumnIndex(QStringLiteral("addtime")));
    } else {
        sort_.column = sort_.userColumn;
        sort_.order = sort_.userOrder;
    }
    Q_EMIT sortChanged();
}

void MapBrowser::sortClicked(int column) {
    sort_.click(column, int(MapRows::columns().size()));
    Q_EMIT sortChanged();
}

void MapBrowser::rememberSort(int column, Qt::SortOrder order) {
    sort_.remember(column, order, int(MapRows::columns().size()));
}

void MapBrowser::itemClicked(int row) {
    if (row < 0 || row >= rows_.rowCount())
        return;
    const MapRecord item = rows_.row(row);
    setName(item.name);
    if (item.name.endsWith(QLatin1String(".map"))) {
        nameTag_ = item.pak; // the folder of the .map file
        Q_EMIT boxesChanged();
    }
    setTitle(item.fullname);
    MapRecord chosen;
    chosen.name = item.name;
    chosen.group = shown_.group;
    GetMap(chosen);
    current_ = chosen;
}

// A new name starts a new record; its title box is emptied without that
// counting as a title typed for it, which would file the half-typed name
// into the shown user group.
void MapBrowser::setName(const QString& name) {
    if (name == nameBox_)
        return;
    nameBox_ = name;
    const float added = current_.addtime;
    current_ = MapRecord{};
    current_.name = name;
    current_.addtime = added;
    titleBox_.clear();
    Q_EMIT boxesChanged();
    showLevelshot();
}

void MapBrowser::showLevelshot() {
    const Busy busy(*this);
    const QString name = nameBox_;
    Levelshot shot = services_.levelShots.findLevelshot(name);
    if (!busy.alive() || name != nameBox_)
        return; // gone, or another name was typed meanwhile
    if (shot.outcome == Levelshot::Outcome::NameTooShort)
        return;
    picture_ = shot.outcome == Levelshot::Outcome::Found ? std::move(shot.picture) : QImage();
    Q_EMIT pictureChanged();
}

// In a user group the title is stored with the map, which joins the group
// when it was not in it.
void MapBrowser::setTitle(const QString& title) {
    if (title == titleBox_)
        return;
    titleBox_ = title;
    Q_EMIT boxesChanged();
    MapRecord record;
    record.name = nameBox_;
    record.group = shown_.group;
    GetMap(record);
    record.fullname = title;
    current_.fullname = title;
    const bool userGroup = shown_.node >= 0 && tree_.nodes()[shown_.node].key.isEmpty();
    if (userGroup)
        AddMap(record);
}

void MapBrowser::deleteItem(int row) {
    if (row < 0 || row >= rows_.rowCount())
        return;
    MapRecord record;
    record.name = rows_.row(row).name;
    record.group = shown_.group;
    RemoveMap(record);
    RefreshList();
}

GroupSave MapBrowser::saveIntoGroup(const QString& groupName) {
    const GroupSave check = checkGroupSave(groupName, !current_.name.isEmpty());
    if (check != GroupSave::Saved)
        return check;
    const QString group = GroupTree::groupBeside(shown_.group, groupName);
    current_.group = group;
    // Stored first, so a new group has its node to be shown with.
    AddMap(current_);
    selectNode(tree_.nodeForGroup(group));
    return GroupSave::Saved;
}

QString MapBrowser::messageOf(GroupSave result) {
    return groupSaveMessage(
        result, QStringLiteral("You have to specify a map name in the Map Name checkbox first"));
}

// A map's name becomes part of a command line of the console and of the
// start-up script: a name that would end that command is never offered.
bool MapBrowser::offered(const QString& name) {
    if (!breaksCommandWord(name))
        return true;
    services_.console.ConsolePrint(leftOutNotice(QStringLiteral("map"), name));
    return false;
}

void MapBrowser::confirm() {
    const Busy busy(*this);
    Interpreter& interpreter = services_.interpreter;
    CvarStore& cvars = services_.cvars;
    const QString name = nameBox_;
    if (!offered(name)) {
        setStatus(QStringLiteral("This map name cannot be used"));
        return;
    }
    interpreter.ExecuteLine(QStringLiteral("fenkit_mp 2"), true);
    const QString& game = services_.game.currentGame;
    if (game == kQuake3) {
        cvars.DeleteCvar(devMode_ ? QStringLiteral("map") : QStringLiteral("devmap"));
        interpreter.ExecuteLine(
            (devMode_ ? QStringLiteral("devmap ") : QStringLiteral("map ")) + name, true);
        if (name.endsWith(QLatin1String(".map"))) {
            cvars.SetCvar(QStringLiteral("sv_pure"), QStringLiteral("0"), -1, 0,
                          QStringLiteral("set"));
            cvars.SetCvar(QStringLiteral("fenkit_mapfile"), nameTag_, -1, 0, QStringLiteral("set"));
        }
    } else if (isGameId(game)) {
        interpreter.ExecuteLine(QStringLiteral("map ") + name, true);
    }
    if (!busy.alive())
        return;
    current_.addtime = float(services_.clock.daySerial());
    if (const GameFacts* game = gameOfText(shown_.caption))
        current_.group = game->displayName + QStringLiteral("\\Recent");
    AddMap(current_);
    if (busy.alive())
        Q_EMIT closeRequested();
}

} // namespace fennick
