#include "maps/widgets/frm_map_browser.h"

#include "common/shown_text.h"
#include "maps/map_browser.h"
#include "maps/widgets/levelshot_view.h"
#include "ui/browser_place.h"
#include "ui/button_keys.h"
#include "ui/group_tree_widget.h"

#include <QCheckBox>
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
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStyle>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace fennick {

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

// The pictures of the tree's image list: games, built-in groups and the
// user's groups.
QStyle::StandardPixmap pictureOf(int image) {
    if (image >= MapTree::FirstGame)
        return QStyle::SP_ComputerIcon;
    return image == MapTree::Group ? QStyle::SP_DriveHDIcon : QStyle::SP_DirIcon;
}

} // namespace

frmMapBrowser::frmMapBrowser(const BrowserServices& services, QWidget* parent)
    : QWidget(parent), services_(services), browser_(std::make_unique<MapBrowser>(services)) {
    setObjectName(QStringLiteral("frmMapBrowser"));
    setWindowTitle(QStringLiteral("Fennick Map Browser"));
    resize(760, 560);

    buildTree();
    buildList();
    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(caption_);
    rightLayout->addWidget(list_, 1);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(count_);
    countRow->addWidget(progress_, 1);
    countRow->addWidget(status_, 2);
    rightLayout->addLayout(countRow);
    rightLayout->addWidget(buildChosenMap());

    QSplitter* splitter = makeBrowserSplitter(this, tree_, right, 590);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(buildButtons());
    ButtonKeys::closeOnEscape(*this); // Escape is Cancel

    connectModel();
    place_ = std::make_unique<BrowserPlaceKeeper>(services_.ini, FennickIni::kMapBrowser, *this,
                                                  *splitter);
    const QString sortKey = place_->restore();
    browser_->rememberSort(MapRows::ColumnIndex(sortKey), place_->sortOrder());
    browser_->open();
}

frmMapBrowser::~frmMapBrowser() = default;

void frmMapBrowser::buildTree() {
    tree_ = makeGroupTree(this, [this](int node) {
        if (!syncing_)
            browser_->selectNode(node);
    });
    caption_ = makeLabel(this, "Label1", QStringLiteral("Fennick Map Browser"));
}

void frmMapBrowser::buildList() {
    list_ = makeRecordList(this);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The view sorts a proxy of the rows, as the model's sort asks; a row
    // that is rewritten finds its place again.
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(&browser_->rows());
    sorted_->setSortRole(MapRows::SortRole);
    sorted_->setDynamicSortFilter(true);
    list_->setModel(sorted_);
    connect(list_->header(), &QHeaderView::sectionClicked, browser_.get(),
            &MapBrowser::sortClicked);
    // Each column at least as wide as its caption and a date and time.
    const QVector<MapColumn>& columns = MapRows::columns();
    MapRecord sample;
    sample.addtime = 46363.62f;
    const QFontMetrics metrics(list_->font());
    for (int i = 0; i < columns.size(); ++i) {
        const int caption = metrics.horizontalAdvance(QLatin1String(columns[i].caption)) + 24;
        const int text = columns[i].key == QLatin1String("addtime")
                             ? metrics.horizontalAdvance(shownDate(sample.addtime)) + 12
                             : 0;
        list_->setColumnWidth(i, std::max({columns[i].width, caption, text}));
    }
    list_->installEventFilter(this);
    // The arrow keys, Home, End and typing a name move the current row as a
    // click does, and choose its map the same way.
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    browser_->itemClicked(sourceRow(current));
            });
    connect(list_, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { browser_->itemClicked(sourceRow(index)); });
    count_ = makeLabel(this, "Label6", QStringLiteral("0 maps"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setTextVisible(false);
    progress_->setRange(0, 1);
    progress_->setValue(0);
    status_ = makeLabel(this, "lblStatus", QString());
}

QWidget* frmMapBrowser::buildChosenMap() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    name_ = new QLineEdit(box);
    name_->setObjectName(QStringLiteral("Text1"));
    title_ = new QLineEdit(box);
    title_->setObjectName(QStringLiteral("Text2"));
    groupBox_ = new QComboBox(box);
    groupBox_->setObjectName(QStringLiteral("Combo1"));
    groupBox_->setEditable(true);
    groupBox_->setInsertPolicy(QComboBox::NoInsert);
    picture_ = new LevelshotView(box);
    auto* saveButton = makeButton(box, "Command3", tr("Save"));
    grid->addWidget(makeLabel(box, "Label2", tr("Map Name")), 0, 0);
    grid->addWidget(name_, 0, 1, 1, 2);
    grid->addWidget(makeLabel(box, "Label3", tr("Map Full Name")), 1, 0);
    grid->addWidget(title_, 1, 1, 1, 2);
    grid->addWidget(makeLabel(box, "Label5", tr("Save in group...")), 2, 0);
    grid->addWidget(groupBox_, 2, 1);
    grid->addWidget(saveButton, 2, 2);
    grid->setRowStretch(3, 1);
    grid->addWidget(makeLabel(box, "Label4", tr("Map Picture")), 0, 3);
    grid->addWidget(picture_, 1, 3, 3, 1, Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    connect(name_, &QLineEdit::textEdited, browser_.get(), &MapBrowser::setName);
    connect(title_, &QLineEdit::textEdited, browser_.get(), &MapBrowser::setTitle);
    connect(saveButton, &QPushButton::clicked, this, &frmMapBrowser::save);
    return box;
}

QWidget* frmMapBrowser::buildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    update_ = makeButton(row, "Command4", tr("Update"));
    update_->hide();
    devMode_ = new QCheckBox(tr("DevMode"), row);
    devMode_->setObjectName(QStringLiteral("chkDevMode"));
    devMode_->hide();
    auto* ok = makeButton(row, "Command1", tr("OK"));
    auto* cancel = makeButton(row, "Command2", tr("Cancel"));
    ok->setDefault(true);
    layout->addWidget(update_);
    layout->addStretch(1);
    layout->addWidget(devMode_);
    layout->addWidget(ok);
    layout->addWidget(cancel);
    connect(update_, &QPushButton::clicked, browser_.get(), &MapBrowser::update);
    connect(devMode_, &QCheckBox::toggled, browser_.get(), &MapBrowser::setDevMode);
    connect(ok, &QPushButton::clicked, browser_.get(), &MapBrowser::confirm);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    return row;
}

void frmMapBrowser::connectModel() {
    MapBrowser* model = browser_.get();
    connect(model, &MapBrowser::treeChanged, this, &frmMapBrowser::showTree);
    connect(model, &MapBrowser::selectionChanged, this, &frmMapBrowser::showSelection);
    connect(model, &MapBrowser::boxesChanged, this, &frmMapBrowser::showBoxes);
    connect(model, &MapBrowser::countChanged, this,
            [this] { count_->setText(browser_->countText()); });
    connect(model, &MapBrowser::statusChanged, this,
            [this] { status_->setText(browser_->statusText()); });
    connect(model, &MapBrowser::pictureChanged, this,
            [this] { picture_->showPicture(browser_->picture()); });
    connect(model, &MapBrowser::sortChanged, this,
            [this] { showListSort(list_, sorted_, browser_->sort()); });
    connect(model, &MapBrowser::scanProgress, this, [this](int done, int total) {
        progress_->setRange(0, std::max(total, 1));
        progress_->setValue(total > 0 ? done : 0);
    });
    connect(model, &MapBrowser::closeRequested, this, &QWidget::close);
}

// The tree's items carry their node numbers.
void frmMapBrowser::showTree() {
    const QScopedValueRollback<bool> quiet(syncing_, true);
    const QVector<GroupTree::Node>& nodes = browser_->tree().nodes();
    fillGroupTree(tree_, browser_->tree(),
                  [&nodes](int node) { return pictureOf(nodes[node].image); });
    showSelection();
}

void frmMapBrowser::showSelection() {
    const QScopedValueRollback<bool> quiet(syncing_, true);
    caption_->setText(browser_->caption());
    refillGroupBox(groupBox_, browser_->groupBox());
    selectGroupNode(tree_, browser_->currentNode());
    update_->setVisible(browser_->updateVisible());
    devMode_->setVisible(browser_->devModeVisible());
}

void frmMapBrowser::showBoxes() {
    if (name_->text() != browser_->nameBox())
        name_->setText(browser_->nameBox());
    name_->setProperty("tag", browser_->nameTag());
    if (title_->text() != browser_->titleBox())
        title_->setText(browser_->titleBox());
}

void frmMapBrowser::save() {
    const GroupSave result = browser_->saveIntoGroup(groupBox_->currentText());
    if (result != GroupSave::Saved)
        openBrowserMessage(this, "mapBrowserMessage", result == GroupSave::BuiltInGroup,
                           MapBrowser::messageOf(result));
}

int frmMapBrowser::sourceRow(const QModelIndex& index) const {
    return sorted_->mapToSource(index).row();
}

// The Delete key removes the selected map from the shown group.
bool frmMapBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        const int row = selectedSourceRow(list_, sorted_);
        if (row >= 0) {
            browser_->deleteItem(row);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Every way out saves "maps.lst", once. The window goes when the model's
// work that lets events run (a scan, a picture search) has ended, so no
// such work is left running on a window that is gone.
void frmMapBrowser::closeEvent(QCloseEvent* event) {
    const ListSort& sort = browser_->sort();
    place_->save(QLatin1String(MapRows::columns()[sort.userColumn].key), sort.userOrder);
    browser_->close();
    QWidget::closeEvent(event);
    if (!browser_->busy())
        deleteLater();
    else
        connect(browser_.get(), &MapBrowser::idle, this, &QObject::deleteLater,
                Qt::UniqueConnection);
}

} // namespace fennick
