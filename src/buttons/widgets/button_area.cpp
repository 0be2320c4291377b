#include "buttons/widgets/button_area.h"

#include "buttons/button_groups.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

namespace fennick {

namespace {

constexpr int kRowHeight = 24;
constexpr int kButtonHeight = 25;
// Tops of the four buttons and of the overflow list, from the area's top.
constexpr int kButtonTops[4] = {32, 64, 96, 128};
constexpr int kOverflowTop = 160;
const QString kOtherText = QStringLiteral("Other...");

} // namespace

ButtonArea::ButtonArea(ButtonGroups& groups, QWidget* parent) : QWidget(parent), groups_(groups) {
    setObjectName(QStringLiteral("buttonArea"));
    setFixedSize(kWidth, kHeight);
    buildSelector();
    buildButtons();
    buildOverflow();
    connect(&groups_, &ButtonGroups::groupsChanged, this, &ButtonArea::showGroups);
    connect(&groups_, &ButtonGroups::buttonsChanged, this, &ButtonArea::showButtons);
    showGroups();
    showButtons();
}

// The selector is editable like the group box it stands for: a pick or a
// typed name builds that group's buttons.
void ButtonArea::buildSelector() {
    selector_ = new QComboBox(this);
    selector_->setObjectName(QStringLiteral("ImageCombo1"));
    selector_->setGeometry(0, 0, kWidth, kRowHeight);
    selector_->setEditable(true);
    selector_->setInsertPolicy(QComboBox::NoInsert);
    selector_->setMaxVisibleItems(20);
    selector_->setToolTip(tr("Button group"));
    connect(selector_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (!syncing_ && text != groups_.group())
            groups_.selectGroup(text);
    });
}

void ButtonArea::buildButtons() {
    for (int i = 0; i < ButtonGroups::kSlotCount; ++i) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("cmdCommand%1").arg(i));
        button->setGeometry(0, kButtonTops[i], kWidth, kButtonHeight);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, i] { groups_.clickButton(i); });
        buttons_[i] = button;
    }
}

// The overflow list shows "Other..." until an entry is picked; a pick runs
// the entry and the list shows "Other..." again.
void ButtonArea::buildOverflow() {
    overflow_ = new QComboBox(this);
    overflow_->setObjectName(QStringLiteral("ImageCombo2"));
    overflow_->setGeometry(0, kOverflowTop, kWidth, kRowHeight);
    overflow_->setPlaceholderText(kOtherText);
    // "Other..." is the list's own caption, not a dimmed hint: it works.
    QPalette look = overflow_->palette();
    look.setColor(QPalette::PlaceholderText, look.color(QPalette::ButtonText));
    overflow_->setPalette(look);
    overflow_->setMaxVisibleItems(20);
    connect(overflow_, &QComboBox::activated, this, [this](int index) {
        overflow_->setCurrentIndex(-1);
        groups_.clickOther(index);
    });
}

void ButtonArea::showGroups() {
    const QScopedValueRollback<bool> quiet(syncing_, true);
    selector_->clear();
    selector_->addItems(groups_.groups());
    selector_->setEditText(groups_.group());
}

void ButtonArea::showButtons() {
    for (int i = 0; i < ButtonGroups::kSlotCount; ++i) {
        const ButtonSlot& slot = groups_.slots()[i];
        QPushButton* button = buttons_[i];
        button->setText(slot.caption);
        button->setToolTip(slot.info);
        button->setEnabled(slot.enabled);
    }
    const QVector<OtherButton>& others = groups_.others();
    if (overflow_->count() > others.size())
        overflow_->clear();
    for (qsizetype i = overflow_->count(); i < others.size(); ++i)
        overflow_->addItem(others[i].caption);
    overflow_->setCurrentIndex(-1);
    if (selector_->currentText() != groups_.group()) {
        const QScopedValueRollback<bool> quiet(syncing_, true);
        selector_->setEditText(groups_.group());
    }
}

bool ButtonArea::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        for (int i = 0; i < ButtonGroups::kSlotCount; ++i)
            if (watched == buttons_[i])
                groups_.hoverButton(i);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace fennick
