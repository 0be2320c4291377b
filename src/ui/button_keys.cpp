#include "ui/button_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace fennick {

void ButtonKeys::install(QApplication& app) {
    if (!app.findChild<ButtonKeys*>(QString(), Qt::FindDirectChildrenOnly))
        app.installEventFilter(new ButtonKeys(&app));
}

void ButtonKeys::closeOnEscape(QWidget& window) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    escape->setObjectName(QStringLiteral("escapeCloses"));
    connect(escape, &QShortcut::activated, &window, &QWidget::close);
}

bool ButtonKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || !(qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button)) ||
        !button->isEnabled() || !button->hasFocus())
        return false;
    button->click();
    return true;
}

} // namespace fennick
