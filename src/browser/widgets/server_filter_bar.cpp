#include "browser/widgets/server_filter_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <vector>

namespace fennick {

namespace {

QCheckBox* makeCheck(QWidget* parent, const char* name, const QString& caption) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(QLatin1String(name));
    return check;
}

QComboBox* makeChoice(QWidget* parent, const char* name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(9);
    combo->addItem(ServerFilter::kAny);
    return combo;
}

// The choices, with the chosen text kept (added when missing).
void refill(QComboBox* combo, const QStringList& choices) {
    const QString chosen = combo->currentText();
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(choices);
    if (combo->findText(chosen) < 0)
        combo->addItem(chosen);
    combo->setCurrentIndex(combo->findText(chosen));
}

void choose(QComboBox* combo, const QString& text) {
    const QString chosen = ServerFilter::isAny(text) ? ServerFilter::kAny : text;
    if (combo->findText(chosen) < 0)
        combo->addItem(chosen);
    combo->setCurrentIndex(combo->findText(chosen));
}

} // namespace

ServerFilterBar::ServerFilterBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ServerFilters"));
    hideEmpty_ = makeCheck(this, "chkHideEmpty", tr("Hide empty"));
    hideFull_ = makeCheck(this, "chkHideFull", tr("Hide full"));
    hidePassworded_ = makeCheck(this, "chkHidePassworded", tr("Hide passworded"));
    maxPing_ = new QSpinBox(this);
    maxPing_->setObjectName(QStringLiteral("spnMaxPing"));
    maxPing_->setRange(0, 999);
    maxPing_->setSpecialValueText(ServerFilter::kAny); // 0: no limit
    gametype_ = makeChoice(this, "cmbGameType");
    mod_ = makeChoice(this, "cmbMod");
    player_ = new QLineEdit(this);
    player_->setObjectName(QStringLiteral("txtFindPlayer"));
    player_->setPlaceholderText(tr("name or part of it"));
    player_->setClearButtonEnabled(true);
    allGroups_ = makeCheck(this, "chkAllGroups", tr("All groups"));
    allGroups_->setToolTip(tr("Find the player in every group of the game"));

    auto* top = new QHBoxLayout;
    for (QWidget* check : {hideEmpty_, hideFull_, hidePassworded_})
        top->addWidget(check);
    top->addSpacing(8);
    top->addWidget(new QLabel(tr("Max ping"), this));
    top->addWidget(maxPing_);
    top->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(tr("Game type"), this));
    bottom->addWidget(gametype_, 1);
    bottom->addWidget(new QLabel(tr("Mod"), this));
    bottom->addWidget(mod_, 1);
    bottom->addWidget(new QLabel(tr("Find player"), this));
    bottom->addWidget(player_, 1);
    bottom->addWidget(allGroups_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(top);
    layout->addLayout(bottom);

    pause_.setSingleShot(true);
    connect(&pause_, &QTimer::timeout, this, [this] { Q_EMIT filterEdited(filter()); });
    for (QCheckBox* check : {hideEmpty_, hideFull_, hidePassworded_, allGroups_})
        connect(check, &QCheckBox::toggled, this, [this] { edited(0); });
    for (QComboBox* combo : {gametype_, mod_})
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { edited(0); });
    connect(maxPing_, &QSpinBox::valueChanged, this, [this] { edited(kTypingPauseMs); });
    connect(player_, &QLineEdit::textChanged, this, [this] { edited(kTypingPauseMs); });
}

void ServerFilterBar::edited(int delayMs) {
    pause_.start(delayMs);
}

void ServerFilterBar::showFilter(const ServerFilter& filter) {
    const QList<QWidget*> controls = {hideEmpty_, hideFull_, hidePassworded_, maxPing_,
                                      gametype_,  mod_,      player_,         allGroups_};
    std::vector<QSignalBlocker> quiet;
    quiet.reserve(controls.size());
    for (QWidget* control : controls)
        quiet.emplace_back(control);
    hideEmpty_->setChecked(filter.hideEmpty);
    hideFull_->setChecked(filter.hideFull);
    hidePassworded_->setChecked(filter.hidePassworded);
    maxPing_->setValue(filter.maxPing);
    choose(gametype_, filter.gametype);
    choose(mod_, filter.mod);
    player_->setText(filter.player);
    allGroups_->setChecked(filter.playerInAllGroups);
}

ServerFilter ServerFilterBar::filter() const {
    ServerFilter filter;
    filter.hideEmpty = hideEmpty_->isChecked();
    filter.hideFull = hideFull_->isChecked();
    filter.hidePassworded = hidePassworded_->isChecked();
    filter.maxPing = maxPing_->value();
    for (auto [combo, field] :
         {std::pair{gametype_, &ServerFilter::gametype}, {mod_, &ServerFilter::mod}})
        filter.*field =
            ServerFilter::isAny(combo->currentText()) ? QString() : combo->currentText();
    filter.player = player_->text().trimmed();
    filter.playerInAllGroups = allGroups_->isChecked();
    return filter;
}

void ServerFilterBar::setChoices(const QStringList& gametypes, const QStringList& mods) {
    refill(gametype_, gametypes);
    refill(mod_, mods);
}

} // namespace fennick
