#pragma once

#include <QStyledItemDelegate>

namespace fennick {

// Draws a list cell's text in the games' colour notation, as the game
// draws a name: the text of `role` goes through PrintColoured, starting
// white, its colours kept readable on the row's background (selected or
// not). Without such a text the cell is drawn as usual.
class ColouredNameDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ColouredNameDelegate(int role, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    int role_;
};

} // namespace fennick
