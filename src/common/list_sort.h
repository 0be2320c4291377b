#pragma once

#include <QtCore/qnamespace.h>

namespace fennick {

// The sort of a browser's list: the column and order it is sorted by, and
// the user's own sort, the last column they clicked (also in an earlier
// run, kept in "fennick.ini"), which groups other than Recent go back to.
struct ListSort {
    int column = -1; // -1: not sorted
    Qt::SortOrder order = Qt::AscendingOrder;
    int userColumn = -1; // -1: none chosen yet
    Qt::SortOrder userOrder = Qt::AscendingOrder;

    // A click on a column sorts by it and flips the order every time; it
    // becomes the user's sort.
    void click(int clicked, int columns) {
        column = clicked;
        order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
        remember(column, order, columns);
    }
    // The user's sort, when the column is one of the list's `columns`.
    void remember(int chosen, Qt::SortOrder chosenOrder, int columns) {
        if (chosen < 0 || chosen >= columns)
            return;
        userColumn = chosen;
        userOrder = chosenOrder;
    }
    // A Recent group shows the newest first.
    void newestFirst(int addedColumn) {
        column = addedColumn;
        order = Qt::DescendingOrder;
    }
};

} // namespace fennick
