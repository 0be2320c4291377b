#include "ui/coloured_name_delegate.h"

#include "buttons/coloured_text.h"

#include <QApplication>
#include <QPainter>

namespace fennick {

namespace {

constexpr int kWhite = 7;

} // namespace

ColouredNameDelegate::ColouredNameDelegate(int role, QObject* parent)
    : QStyledItemDelegate(parent), role_(role) {}

void ColouredNameDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const QVariant coloured = index.data(role_);
    if (!coloured.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The row's background, selection and focus as usual, without the text.
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    plain.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);

    const QRect area =
        style->subElementRect(QStyle::SE_ItemViewItemText, &plain, widget).adjusted(2, 0, -2, 0);
    const bool selected = option.state & QStyle::State_Selected;
    const QColor back = option.palette.color(selected ? QPalette::Highlight : QPalette::Base);
    painter->save();
    painter->setClipRect(area);
    painter->setFont(option.font);
    const int height = lineHeightOf(*painter);
    TextCursor cursor{
        *painter,           qreal(area.left()),  qreal(area.top() + (area.height() - height) / 2),
        qreal(area.left()), qreal(area.right()), back};
    PrintColoured(cursor, coloured.toString(), kWhite);
    painter->restore();
}

} // namespace fennick
