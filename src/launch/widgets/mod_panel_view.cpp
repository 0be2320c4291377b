#include "launch/widgets/mod_panel_view.h"

#include "launch/mod_list.h"
#include "launch/mod_panel.h"
#include "launch/widgets/mod_list_icons.h"
#include "launch/widgets/panel_look.h"
#include "launch/widgets/picture_box.h"

#include <QComboBox>
#include <QEvent>
#include <QIcon>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QScopedValueRollback>

namespace fennick {

namespace {

constexpr int kIconSize = 32;

const QRect kListRect(8, 6, 180, 156);
const QRect kDescriptionRect(196, 6, 296, 22);
const QRect kComboRect(196, 32, 296, 22);
const QRect kFilesRect(196, 58, 252, 104);
const QRect kIconRect(456, 58, 36, 36);

} // namespace

ModPanelView::ModPanelView(ModList& mods, ModPanel& panel, QWidget* parent)
    : QWidget(parent), mods_(mods), panel_(panel) {
    setObjectName(QStringLiteral("modPanel"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    buildList();
    buildFields();
    connectModel();
    connectCombo();

    showSelection(panel_.selectedRow());
    showDescription();
    showConfigurations();
    showDocuments();
    showIcon();
}

void ModPanelView::buildList() {
    list_ = new QListView(this);
    list_->setObjectName(QStringLiteral("ListView1"));
    list_->setGeometry(kListRect);
    list_->setIconSize(QSize(16, 16));
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* icons = new ModListIcons(list_);
    icons->setSourceModel(&mods_);
    list_->setModel(icons);
    list_->viewport()->installEventFilter(this);

    // A new current row (pointer or keys) chooses that mod; a click on the
    // row already current chooses it again.
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!syncing_ && current.isValid())
                    panel_.SelectMod(current.row());
            });
    connect(list_, &QListView::clicked, this, [this](const QModelIndex& index) {
        if (index.row() == currentBeforePress_)
            panel_.SelectMod(index.row());
    });
}

void ModPanelView::buildFields() {
    description_ = new QLineEdit(this);
    description_->setObjectName(QStringLiteral("Text1"));
    description_->setGeometry(kDescriptionRect);
    description_->setToolTip(tr("Mod description, saved with the configuration"));
    connect(description_, &QLineEdit::textEdited, &panel_, &ModPanel::setDescription);

    combo_ = new QComboBox(this);
    combo_->setObjectName(QStringLiteral("Combo1"));
    combo_->setGeometry(kComboRect);
    combo_->setEditable(true);
    // A typed name is a new configuration, not an entry; and no completion,
    // which would load the entry a half-typed name happens to begin.
    combo_->setInsertPolicy(QComboBox::NoInsert);
    combo_->setCompleter(nullptr);
    combo_->setToolTip(tr("Configuration: pick one, or type a new name to save under"));

    files_ = new QListWidget(this);
    files_->setObjectName(QStringLiteral("File1"));
    files_->setGeometry(kFilesRect);
    files_->setToolTip(tr("The mod's documents: double-click to open"));
    connect(files_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (item)
            panel_.openDocument(item->text());
    });

    icon_ = new PictureBox(this);
    icon_->setObjectName(QStringLiteral("picIco"));
    icon_->setGeometry(kIconRect);
    icon_->setToolTip(tr("Mod icon: click for another"));
    connect(icon_, &PictureBox::clicked, &panel_, &ModPanel::pickIcon);
}

void ModPanelView::connectModel() {
    connect(&panel_, &ModPanel::selectedRowChanged, this, &ModPanelView::showSelection);
    connect(&panel_, &ModPanel::descriptionChanged, this, &ModPanelView::showDescription);
    connect(&panel_, &ModPanel::configurationsChanged, this, &ModPanelView::showConfigurations);
    connect(&panel_, &ModPanel::documentsChanged, this, &ModPanelView::showDocuments);
    connect(&panel_, &ModPanel::iconChanged, this, &ModPanelView::showIcon);
}

// A pick from the list loads that configuration. A typed name is taken at
// once as the name to save under, but loaded only when the typing ends
// (Enter, or leaving the field): on the way to "Duel 2" the text passes
// "Duel", and loading that would throw away the settings being renamed.
void ModPanelView::connectCombo() {
    connect(combo_, &QComboBox::activated, this, [this] {
        typedPending_ = false;
        panel_.configurationChosen(combo_->currentText());
    });
    connect(combo_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        typedPending_ = true;
        panel_.configurationTyped(text);
    });
    connect(combo_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (!typedPending_)
            return;
        typedPending_ = false;
        panel_.configurationChosen(combo_->currentText());
    });
}

bool ModPanelView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonPress)
        currentBeforePress_ = list_->currentIndex().row();
    return QWidget::eventFilter(watched, event);
}

void ModPanelView::showSelection(int row) {
    QScopedValueRollback<bool> guard(syncing_, true);
    const QModelIndex index = list_->model()->index(row, 0);
    if (!index.isValid()) {
        list_->selectionModel()->clear();
        return;
    }
    list_->setCurrentIndex(index);
    list_->scrollTo(index);
}

void ModPanelView::showDescription() {
    description_->setText(panel_.description());
    description_->setCursorPosition(0);
    description_->setEnabled(panel_.descriptionEnabled());
}

void ModPanelView::showConfigurations() {
    QScopedValueRollback<bool> guard(syncing_, true);
    combo_->clear();
    combo_->addItems(panel_.configurations());
    const int entry = combo_->findText(panel_.configurationText(), Qt::MatchExactly);
    if (entry >= 0)
        combo_->setCurrentIndex(entry);
    combo_->setEditText(panel_.configurationText());
}

void ModPanelView::showDocuments() {
    files_->clear();
    files_->addItems(panel_.documentFiles());
}

// The mod's icon, else the window's own icon, else a drawn folder.
void ModPanelView::showIcon() {
    QPixmap picture;
    if (!panel_.iconPath().isEmpty())
        picture = QIcon(panel_.iconPath()).pixmap(kIconSize, kIconSize);
    if (picture.isNull())
        picture = window()->windowIcon().pixmap(kIconSize, kIconSize);
    if (picture.isNull())
        picture = QPixmap::fromImage(PanelLook::defaultModIcon());
    icon_->setPixmap(picture);
}

} // namespace fennick
