#include "browser/widgets/frm_browse_server.h"

#include "browser/browser_work.h"
#include "browser/server_browser.h"
#include "browser/shown_servers.h"
#include "browser/widgets/frm_watch_server.h"
#include "browser/widgets/server_filter_bar.h"
#include "browser/widgets/server_info_panel.h"
#include "common/shown_text.h"
#include "ui/browser_place.h"
#include "ui/button_keys.h"
#include "ui/coloured_name_delegate.h"
#include "ui/group_tree_widget.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace fennick {

namespace {

constexpr int kTwipsPerPixel = 15;

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QLineEdit* makeBox(QWidget* parent, const char* name, const QString& text = {}) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

frmBrowseServer::frmBrowseServer(const BrowserServices& services, QWidget* parent)
    : QWidget(parent), services_(services), browser_(std::make_unique<ServerBrowser>(services)) {
    setObjectName(QStringLiteral("frmBrowseServer"));
    setWindowTitle(QStringLiteral("Fennick Server Browser"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(780, 540);

    buildTree();
    buildList();
    buildFilters();
    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(caption_);
    rightLayout->addWidget(filters_);
    rightLayout->addWidget(list_, 1);
    auto* lower = new QHBoxLayout;
    lower->addWidget(buildInfoPanel(right), 1);
    lower->addWidget(buildChosenServer());
    rightLayout->addLayout(lower);

    splitter_ = makeBrowserSplitter(this, tree_, right, 610);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter_, 1);
    layout->addWidget(buildButtons());
    ButtonKeys::closeOnEscape(*this); // Escape is Cancel

    connectModel();
    place_ = std::make_unique<BrowserPlaceKeeper>(services_.ini, FennickIni::kServerBrowser, *this,
                                                  *splitter_);
    const QString sortKey = place_->restore();
    browser_->rememberSort(ServerRows::ColumnIndex(sortKey), place_->sortOrder());
    browser_->open();
    filters_->showFilter(browser_->filter());
}

// The player list can be longer than the panel: the panel scrolls.
QWidget* frmBrowseServer::buildInfoPanel(QWidget* parent) {
    infoScroll_ = new QScrollArea(parent);
    infoScroll_->setObjectName(QStringLiteral("infoScroll"));
    infoScroll_->setMinimumSize(220, 120);
    infoScroll_->setFrameShape(QFrame::NoFrame);
    infoScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    info_ = new ServerInfoPanel(infoScroll_);
    infoScroll_->setWidget(info_);
    return infoScroll_;
}

// The watch window reads this browser's servers: it closes with it.
frmBrowseServer::~frmBrowseServer() {
    if (watch_)
        watch_->close();
}

void frmBrowseServer::buildTree() {
    tree_ = makeGroupTree(this, [this](int node) {
        if (!syncing_)
            browser_->selectNode(node);
    });
    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("Label1"));
}

void frmBrowseServer::buildList() {
    list_ = makeRecordList(this);
    list_->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    // The view sorts a proxy of the rows, as the column clicks ask, by the
    // kept cell texts, and leaves out those the filters hide; the names
    // show in their colours.
    sorted_ = new ShownServers(browser_->rows(), this);
    list_->setModel(sorted_);
    list_->setItemDelegateForColumn(ServerRows::ColumnIndex(QStringLiteral("hostname")),
                                    new ColouredNameDelegate(ServerRows::ColouredRole, list_));
    connect(list_->header(), &QHeaderView::sectionClicked, browser_.get(),
            &ServerBrowser::sortClicked);
    fitColumns();
    list_->installEventFilter(this);
    rowsArea_ = list_->viewport();
    rowsArea_->installEventFilter(this);
    // A click, the arrow keys and the Search box all move the current row:
    // the current row is the chosen server. A click on the current row
    // chooses it again (after an address was typed, say).
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!syncing_ && current.isValid())
                    browser_->rowClicked(sourceRow(current));
            });
    connect(list_, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { browser_->rowClicked(sourceRow(index)); });
    // Rows that arrive after the list was emptied (another group, a
    // Refresh) show the chosen server highlighted again when it is there.
    connect(&browser_->rows(), &ServerRows::modelReset, this, [this] {
        if (browser_->rows().rowOf(browser_->connectTo()) >= 0)
            highlightChosen();
    });
    connect(&browser_->rows(), &ServerRows::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                if (list_->currentIndex().isValid())
                    return;
                for (int row = first; row <= last; ++row)
                    if (browser_->rows().row(row).ip == browser_->connectTo())
                        return highlightChosen();
            });
}

// Each column is as wide as the table asks, and at least as wide as its
// caption and the texts it typically shows (an address, a date and time).
void frmBrowseServer::fitColumns() {
    const QFontMetrics metrics(list_->font());
    const QFontMetrics header(list_->header()->font());
    ServerRecord sample;
    sample.ip = QStringLiteral("255.255.255.255:27960");
    sample.lastupdate = 86399.9;
    sample.addtime = 46363.62;
    sample.ping = 999;
    sample.players = sample.maxclients = 64;
    const QVector<ServerColumn>& columns = ServerRows::columns();
    for (int i = 0; i < columns.size(); ++i) {
        const QString key = QLatin1String(columns[i].key);
        const int caption = header.horizontalAdvance(QLatin1String(columns[i].caption)) + 24;
        const int text = metrics.horizontalAdvance(ServerRows::shownText(sample, key)) + 12;
        list_->setColumnWidth(i, std::max({columns[i].widthTwips / kTwipsPerPixel, caption, text}));
    }
}

// The filter row above the list. Its drop-downs offer the game types and
// mods of the shown rows, refilled when the rows change.
void frmBrowseServer::buildFilters() {
    filters_ = new ServerFilterBar(this);
    connect(filters_, &ServerFilterBar::filterEdited, this, &frmBrowseServer::applyFilter);
    choicesDue_.setSingleShot(true);
    choicesDue_.setInterval(300);
    connect(&choicesDue_, &QTimer::timeout, this, [this] {
        filters_->setChoices(browser_->filterChoices(&ServerRecord::gametype),
                             browser_->filterChoices(&ServerRecord::mod));
    });
    const auto due = [this] {
        if (!choicesDue_.isActive())
            choicesDue_.start();
    };
    ServerRows* rows = &browser_->rows();
    connect(rows, &ServerRows::rowsInserted, this, due);
    connect(rows, &ServerRows::modelReset, this, due);
    connect(rows, &ServerRows::dataChanged, this, due);
}

// A new text in Find player chooses the first server, in the order shown,
// where such a player plays.
void frmBrowseServer::applyFilter(const ServerFilter& filter) {
    const QString before = browser_->filter().player;
    browser_->setFilter(filter);
    if (filter.player.isEmpty() || filter.player == before)
        return;
    for (int row = 0; row < sorted_->rowCount(); ++row) {
        const QModelIndex shown = sorted_->index(row, 0);
        if (browser_->rows().passes(sourceRow(shown))) {
            list_->selectionModel()->setCurrentIndex(shown, QItemSelectionModel::ClearAndSelect |
                                                                QItemSelectionModel::Rows);
            list_->scrollTo(shown);
            return;
        }
    }
}

QWidget* frmBrowseServer::buildChosenServer() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    connectTo_ = makeBox(box, "Text2", QStringLiteral("0.0.0.0"));
    name_ = makeBox(box, "Text3");
    password_ = makeBox(box, "Text4");
    password_->setEchoMode(QLineEdit::Password);
    groupBox_ = new QComboBox(box);
    groupBox_->setObjectName(QStringLiteral("Combo1"));
    groupBox_->setEditable(true);
    groupBox_->setInsertPolicy(QComboBox::NoInsert);
    search_ = makeBox(box, "Text1");
    auto* saveButton = makeButton(box, "Command3", tr("Save"));
    grid->addWidget(new QLabel(tr("Connect To"), box), 0, 0);
    grid->addWidget(connectTo_, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Name"), box), 1, 0);
    grid->addWidget(name_, 1, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Password"), box), 2, 0);
    grid->addWidget(password_, 2, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Save Server in"), box), 3, 0);
    grid->addWidget(groupBox_, 3, 1);
    grid->addWidget(saveButton, 3, 2);
    grid->addWidget(new QLabel(tr("Search"), box), 4, 0);
    grid->addWidget(search_, 4, 1, 1, 2);
    grid->setColumnMinimumWidth(1, 150);

    connect(connectTo_, &QLineEdit::textEdited, browser_.get(), &ServerBrowser::setConnectTo);
    connect(name_, &QLineEdit::textEdited, browser_.get(), &ServerBrowser::nameTyped);
    connect(password_, &QLineEdit::textEdited, browser_.get(), &ServerBrowser::passwordTyped);
    connect(saveButton, &QPushButton::clicked, this, &frmBrowseServer::save);
    search_->installEventFilter(this);
    connect(info_, &ServerInfoPanel::doubleClicked, this, &frmBrowseServer::watchRequested);
    connect(this, &frmBrowseServer::watchRequested, this, &frmBrowseServer::openWatch);
    return box;
}

QWidget* frmBrowseServer::buildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    status_ = new QLabel(QStringLiteral("0 servers"), row);
    status_->setObjectName(QStringLiteral("Label6"));
    // A long message shares the row instead of widening the window.
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    status_->setMinimumWidth(80);
    online_ = new QLabel(QStringLiteral("OnLine"), row);
    online_->setObjectName(QStringLiteral("Label9"));
    online_->setToolTip(tr("Click to go online or offline"));
    online_->installEventFilter(this);
    progress_ = new QProgressBar(row);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setTextVisible(false);
    progress_->setValue(0);
    getList_ = makeButton(row, "Command4", tr("Get List"));
    getList_->hide();
    auto* refresh = makeButton(row, "Command5", tr("Refresh"));
    auto* ok = makeButton(row, "Command1", tr("OK"));
    auto* cancel = makeButton(row, "Command2", tr("Cancel"));
    layout->addWidget(status_, 2);
    layout->addWidget(online_);
    layout->addWidget(progress_, 1);
    layout->addWidget(getList_);
    layout->addWidget(refresh);
    layout->addWidget(ok);
    layout->addWidget(cancel);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(ok, &QPushButton::clicked, browser_.get(), &ServerBrowser::connectToServer);
    connect(refresh, &QPushButton::clicked, this, [this] { browser_->work()->refresh(); });
    connect(getList_, &QPushButton::clicked, this, [this] { browser_->work()->getList(); });
    return row;
}

void frmBrowseServer::connectModel() {
    connect(browser_.get(), &ServerBrowser::treeChanged, this, &frmBrowseServer::showTree);
    connect(browser_.get(), &ServerBrowser::selectionChanged, this,
            &frmBrowseServer::showSelection);
    connect(browser_.get(), &ServerBrowser::chosenChanged, this, &frmBrowseServer::showChosen);
    connect(browser_.get(), &ServerBrowser::statusChanged, this, [this] {
        status_->setText(browser_->statusText());
        status_->setToolTip(browser_->statusText());
    });
    connect(browser_.get(), &ServerBrowser::sortChanged, this,
            [this] { showListSort(list_, sorted_, browser_->sort()); });
    connect(browser_.get(), &ServerBrowser::closeRequested, this, &QWidget::close);
    connect(browser_.get(), &ServerBrowser::workStarted, this, [this](BrowserWork* work) {
        connect(work, &BrowserWork::ticked, this, &frmBrowseServer::showInfo);
        connect(work, &BrowserWork::progress, this, [this](int value, int maximum) {
            progress_->setMaximum(std::max(maximum, 1));
            progress_->setValue(value);
        });
        connect(work, &BrowserWork::error, this, [this](const QString& text) {
            openBrowserMessage(this, "browserMessage", true, text);
        });
    });
}

void frmBrowseServer::showInfo() {
    online_->setText(browser_->work()->onlineLabel());
    const ServerInfoView view = browser_->work()->infoView();
    const QSize shown = infoScroll_->viewport()->size();
    const QSize size(shown.width(),
                     std::max(shown.height(), ServerInfoPainter::contentHeight(view)));
    if (info_->size() != size)
        info_->resize(size);
    QImage picture(size * devicePixelRatioF(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(devicePixelRatioF());
    ServerInfoPainter::paint(picture, view);
    info_->showPicture(picture);
}

frmWatchServer* frmBrowseServer::watchWindow() const {
    return watch_;
}

// One watch window at a time, opened over the info panel. When it closes,
// the panel is drawn here again at once.
void frmBrowseServer::openWatch() {
    if (!watch_) {
        watch_ =
            frmWatchServer::watch(*browser_, services_, infoScroll_->mapToGlobal(QPoint(0, 0)));
        connect(watch_, &frmWatchServer::closed, this, [this] {
            if (browser_->work())
                showInfo();
        });
    }
    watch_->raise();
}

// Every released key but Enter looks for the first row, in the order
// shown, that holds the text; the row it makes current is the chosen one.
void frmBrowseServer::search() {
    QVector<int> order;
    for (int row = 0; row < sorted_->rowCount(); ++row)
        order.append(sourceRow(sorted_->index(row, 0)));
    const int found = browser_->searchRow(search_->text(), order);
    if (found < 0)
        return;
    const QModelIndex shown = sorted_->mapFromSource(browser_->rows().index(found, 0));
    list_->selectionModel()->setCurrentIndex(shown, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
    list_->scrollTo(shown);
}

int frmBrowseServer::sourceRow(const QModelIndex& index) const {
    return sorted_->mapToSource(index).row();
}

// The tree's items carry their node numbers; user groups use the plain
// folder picture, games and built-in groups their own.
void frmBrowseServer::showTree() {
    const QScopedValueRollback<bool> quiet(syncing_, true);
    const QVector<ServerTree::Node>& nodes = browser_->tree().nodes();
    fillGroupTree(tree_, browser_->tree(), [&nodes](int node) {
        return nodes[node].parent < 0      ? QStyle::SP_ComputerIcon
               : nodes[node].key.isEmpty() ? QStyle::SP_DirIcon
                                           : QStyle::SP_DriveNetIcon;
    });
    showSelection();
}

void frmBrowseServer::showSelection() {
    const QScopedValueRollback<bool> quiet(syncing_, true);
    caption_->setText(browser_->caption());
    refillGroupBox(groupBox_, browser_->groupBox());
    selectGroupNode(tree_, browser_->currentNode());
    const QString group = browser_->tree().nodes().value(browser_->currentNode()).text;
    getList_->setVisible(group == QLatin1String("LAN Network") ||
                         group == QLatin1String("Internet"));
}

void frmBrowseServer::showChosen() {
    sorted_->keep(browser_->connectTo());
    connectTo_->setText(browser_->connectTo());
    // The name as its server sent it, shown as UTF-8 when it is.
    name_->setText(shownServerText(browser_->nameBox()));
    password_->setText(browser_->passwordBox());
    highlightChosen();
    if (browser_->work())
        showInfo(); // the panel shows the new choice at once, not at the next tick
}

// The highlighted row is always the chosen server: the row of its address,
// or none when the address typed into "Connect To" has no row here.
void frmBrowseServer::highlightChosen() {
    const QScopedValueRollback<bool> quiet(syncing_, true);
    const int row = browser_->rows().rowOf(browser_->connectTo());
    const QModelIndex shown =
        row < 0 ? QModelIndex() : sorted_->mapFromSource(browser_->rows().index(row, 0));
    if (shown == list_->currentIndex())
        return;
    if (shown.isValid())
        list_->selectionModel()->setCurrentIndex(shown, QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
    else
        list_->selectionModel()->clear();
}

void frmBrowseServer::save() {
    const GroupSave result = browser_->saveIntoGroup(groupBox_->currentText());
    if (result == GroupSave::Saved)
        return;
    openBrowserMessage(this, "browserMessage", result == GroupSave::BuiltInGroup,
                       ServerBrowser::messageOf(result));
}

// The Delete key removes the selected server from the shown group; keys
// released in the search box search; a click on the online label flips it.
bool frmBrowseServer::eventFilter(QObject* watched, QEvent* event) {
    // While the pointer is over the rows they keep their places: answers
    // rewrite them where they are, and the sort catches up when it leaves.
    if (watched == rowsArea_ && (event->type() == QEvent::Enter || event->type() == QEvent::Leave))
        sorted_->setDynamicSortFilter(event->type() == QEvent::Leave);
    if (watched == search_ && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            search();
    }
    if (watched == online_ && event->type() == QEvent::MouseButtonRelease && browser_->work())
        browser_->work()->toggleOnline();
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        const int row = selectedSourceRow(list_, sorted_);
        if (row >= 0) {
            browser_->deleteServer(browser_->rows().row(row).ip);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmBrowseServer::closeEvent(QCloseEvent* event) {
    const ListSort& sort = browser_->sort();
    place_->save(sort.userColumn >= 0 ? QLatin1String(ServerRows::columns()[sort.userColumn].key)
                                      : QString(),
                 sort.userOrder);
    if (watch_)
        watch_->close();
    browser_->close();
    QWidget::closeEvent(event);
}

} // namespace fennick
