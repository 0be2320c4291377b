#include "customwin/widgets/add_on_controls.h"

#include "customwin/widgets/add_on_look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <climits>
#include <cmath>

namespace fennick {

namespace {

// Ticks closer than this many to the whole range are thinned out, so an
// absurd tick frequency cannot make drawing the slider take forever.
constexpr double kMaxTicks = 1000.0;

// The designer's check box turns a greyed box checked and a checked box
// clear; it never steps to greyed when clicked.
class AddOnCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {
        setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
};

Qt::Alignment horizontalAlignment(const FormObject& control) {
    switch (control.alignment.value_or(0)) {
    case 1:
        return Qt::AlignRight;
    case 2:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

// A label shows "&&" as one ampersand and drops a single one, which marks
// a mnemonic in the designer.
QString labelText(const QString& caption) {
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        text.append(caption[i]);
    }
    return text;
}

QWidget* makeTextBox(const FormObject& control, QWidget& parent) {
    auto* edit = new QLineEdit(control.text.value_or(QString()), &parent);
    edit->setFrame(false); // a text box shows its border only while it has the focus
    edit->setAlignment(horizontalAlignment(control) | Qt::AlignVCenter);
    return edit;
}

QWidget* makeCheckBox(const FormObject& control, QWidget& parent) {
    auto* box = new AddOnCheckBox(control.caption.value_or(QString()), &parent);
    if (control.value)
        box->setCheckState(checkStateFor(*control.value).value_or(Qt::Unchecked));
    if (control.alignment == 1)
        box->setLayoutDirection(Qt::RightToLeft); // the box on the right
    box->setAutoFillBackground(control.backColor.has_value());
    return box;
}

QWidget* makeButton(const FormObject& control, QWidget& parent) {
    return new QPushButton(control.caption.value_or(QString()), &parent);
}

QWidget* makeCombo(const FormObject& control, QWidget& parent) {
    auto* combo = new QComboBox(&parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(control.list);
    combo->setCurrentIndex(-1);
    combo->setEditText(control.text.value_or(QString()));
    return combo;
}

QWidget* makeLabel(const FormObject& control, QWidget& parent) {
    auto* label = new QLabel(&parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(labelText(control.caption.value_or(QString())));
    label->setWordWrap(true);
    label->setAlignment(horizontalAlignment(control) | Qt::AlignTop);
    label->setAutoFillBackground(control.backStyle.value_or(1) != 0);
    return label;
}

QWidget* makePicture(const FormObject&, QWidget& parent) {
    auto* frame = new QFrame(&parent);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    frame->setAutoFillBackground(true);
    return frame;
}

QWidget* makeSlider(const FormObject& control, QWidget& parent) {
    auto* slider = new QSlider(Qt::Horizontal, &parent);
    const double low = control.min.value_or(0), high = control.max.value_or(10);
    slider->setRange(sliderPosition(low), sliderPosition(high));
    slider->setSingleStep(sliderPosition(control.smallChange.value_or(1)));
    slider->setPageStep(sliderPosition(control.largeChange.value_or(5)));
    const double span = std::abs(high - low);
    const double frequency = std::max(control.tickFrequency.value_or(1), 1.0);
    slider->setTickInterval(sliderPosition(std::max(frequency, std::ceil(span / kMaxTicks))));
    slider->setTickPosition(QSlider::TicksBelow);
    if (control.value)
        slider->setValue(sliderPosition(*control.value));
    slider->setAutoFillBackground(control.backColor.has_value());
    return slider;
}

using Maker = QWidget* (*)(const FormObject&, QWidget&);

Maker makerFor(ControlKind kind) {
    static const Maker makers[] = {makeTextBox, makeCheckBox, makeButton, makeCombo,
                                   makeLabel,   makePicture,  makeSlider};
    return makers[int(kind)];
}

} // namespace

QWidget* createAddOnControl(const FormObject& control, const TwipScale& scale, QWidget& parent) {
    QWidget* widget = makerFor(control.kind)(control, parent);
    widget->setObjectName(controlArrayName(control.kind) + QLatin1Char('_') +
                          QString::number(control.index));
    applyLook(*widget, control);
    const QSize natural = widget->sizeHint();
    // A combo box keeps its own height.
    const bool ownHeight = control.kind == ControlKind::ComboBox || !control.height;
    widget->setGeometry(scale.pixelsX(control.left.value_or(0)),
                        scale.pixelsY(control.top.value_or(0)),
                        control.width ? scale.pixelsX(*control.width) : natural.width(),
                        ownHeight ? natural.height() : scale.pixelsY(*control.height));
    return widget;
}

std::optional<Qt::CheckState> checkStateFor(double number) {
    // Rounded to the nearest whole number, halves to even, as the designer's
    // controls round a number given to a whole-number property.
    const double value = std::nearbyint(number);
    if (value == 0)
        return Qt::Unchecked;
    if (value == 1)
        return Qt::Checked;
    if (value == 2)
        return Qt::PartiallyChecked;
    return std::nullopt;
}

int sliderPosition(double value) {
    return int(std::lround(std::clamp(value, double(INT_MIN), double(INT_MAX))));
}

int checkBoxValue(Qt::CheckState state) {
    switch (state) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

} // namespace fennick
