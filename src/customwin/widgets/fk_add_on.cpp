#include "customwin/widgets/fk_add_on.h"

#include "console/interpreter.h"
#include "core/game_state.h"
#include "customwin/form_fonts.h"
#include "customwin/widgets/add_on_controls.h"
#include "customwin/widgets/add_on_look.h"
#include "ui/button_keys.h"
#include "ui/window_placement.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

namespace fennick {

namespace {

// The window's size when its description gives none (twips).
constexpr double kDefaultWidth = 4800.0, kDefaultHeight = 3600.0;

QScreen* screenOf(const QWidget& widget) {
    return widget.screen() ? widget.screen() : QGuiApplication::primaryScreen();
}

} // namespace

fkAddOn::fkAddOn(const FormServices& services, QWidget* owner)
    : QWidget(owner, Qt::Window), interpreter_(services.interpreter),
      binding_(services.cvars, services.enums, services.game.currentGame) {
    setObjectName(QStringLiteral("fkAddOn"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FormModel::kDefaultCaption);
    setFont(defaultFormFont());
    ButtonKeys::closeOnEscape(*this);
    if (const QScreen* screen = screenOf(*this))
        scale_ = TwipScale::forDpi(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY());
    resize(scale_.pixelsX(kDefaultWidth), scale_.pixelsY(kDefaultHeight) + kExtraHeight);
}

void fkAddOn::build(const FormModel& model) {
    setWindowTitle(model.caption());
    applyLook(*this, model.window);
    for (const FormObject& control : model.controls)
        connectControl(createAddOnControl(control, scale_, *this), control);
    placeWindow(model.window);
}

// The description's height is the window's outer height where it was
// designed; 20 pixels more keep its client area roughly clear below a
// title bar. The controls sit where the description puts them, so the
// window keeps its size (no maximise button, no resize handle). A window
// placed off the screen is moved back onto it; one without a place is
// placed beside the main window when it is shown.
void fkAddOn::placeWindow(const FormObject& window) {
    const int width = std::max(scale_.pixelsX(window.width.value_or(kDefaultWidth)), 1);
    const int height = scale_.pixelsY(window.height.value_or(kDefaultHeight)) + kExtraHeight;
    resize(width, height);
    makeFixedSize(*this);
    if (!window.left && !window.top)
        return;
    markPlaced(*this);
    const QScreen* screen = screenOf(*this);
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, width, height);
    const int x = std::clamp(scale_.pixelsX(window.left.value_or(0)), area.left(),
                             std::max(area.left(), area.right() + 1 - width));
    const int y = std::clamp(scale_.pixelsY(window.top.value_or(0)), area.top(),
                             std::max(area.top(), area.bottom() + 1 - height));
    move(x, y);
}

void fkAddOn::connectControl(QWidget* widget, const FormObject& control) {
    if (control.kind == ControlKind::CommandButton) {
        connectButton(widget, control.action());
        return;
    }
    if (control.kind == ControlKind::TextBox)
        widget->installEventFilter(this);
    const QString cvar = control.cvar();
    if (cvar.isEmpty())
        return;
    switch (control.kind) {
    case ControlKind::TextBox:
        connect(static_cast<QLineEdit*>(widget), &QLineEdit::textChanged, this,
                [this, cvar](const QString& text) {
                    execute(FormBinding::textBoxLine(cvar, text), false);
                });
        break;
    case ControlKind::CheckBox:
        connect(static_cast<QCheckBox*>(widget), &QCheckBox::stateChanged, this,
                [this, cvar](int state) {
                    execute(FormBinding::numberLine(cvar, checkBoxValue(Qt::CheckState(state))),
                            false);
                });
        break;
    case ControlKind::ComboBox:
        connect(
            static_cast<QComboBox*>(widget), &QComboBox::editTextChanged, this,
            [this, cvar](const QString& text) { execute(binding_.comboLine(cvar, text), false); });
        break;
    case ControlKind::Slider:
        connect(static_cast<QSlider*>(widget), &QSlider::valueChanged, this,
                [this, cvar](int position) {
                    execute(FormBinding::numberLine(cvar, position), false);
                });
        break;
    default:
        return; // labels and pictures show no cvar
    }
    bound_.append({widget, control.kind, cvar});
}

void fkAddOn::connectButton(QWidget* widget, const QString& action) {
    connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this, [this, action] {
        if (FormBinding::closesWindow(action))
            close();
        else
            execute(action, true);
    });
}

void fkAddOn::execute(const QString& line, bool echo) {
    interpreter_.ExecuteLine(line, echo);
}

void fkAddOn::RefreshBoundControls() {
    for (const BoundControl& bound : std::as_const(bound_)) {
        if (bound.widget)
            showValue(bound);
    }
}

void fkAddOn::showValue(const BoundControl& bound) {
    const QSignalBlocker blocker(bound.widget.data());
    switch (bound.kind) {
    case ControlKind::TextBox: {
        auto* edit = static_cast<QLineEdit*>(bound.widget.data());
        const QString text = binding_.shownText(bound.kind, bound.cvar);
        if (edit->text() != text)
            edit->setText(text);
        break;
    }
    case ControlKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(bound.widget.data());
        const QString text = binding_.shownText(bound.kind, bound.cvar);
        if (combo->currentText() != text)
            combo->setEditText(text);
        break;
    }
    case ControlKind::CheckBox:
        if (const auto state = checkStateFor(binding_.shownNumber(bound.cvar)))
            static_cast<QCheckBox*>(bound.widget.data())->setCheckState(*state);
        break;
    case ControlKind::Slider:
        static_cast<QSlider*>(bound.widget.data())
            ->setValue(sliderPosition(binding_.shownNumber(bound.cvar)));
        break;
    default:
        break;
    }
}

void fkAddOn::closeEvent(QCloseEvent* event) {
    open_ = false;
    event->accept();
}

// A text box shows a single-line border while it has the focus and none
// otherwise.
bool fkAddOn::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            edit->setFrame(type == QEvent::FocusIn);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace fennick
