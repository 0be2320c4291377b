#pragma once

#include "core/fennick_ini.h"

#include <QString>

class QSplitter;
class QWidget;

namespace fennick {

// Keeps a browser window's size, place, splitter and the user's sort in
// its own section of "fennick.ini": restored when the window is built,
// saved when it closes (the file itself is written at the program's end).
class BrowserPlaceKeeper {
public:
    BrowserPlaceKeeper(FennickIni& ini, QString section, QWidget& window, QSplitter& splitter);

    // Gives the window and splitter their kept sizes and place (kept on
    // the screen) and returns the key of the kept sort column, or empty.
    QString restore();
    Qt::SortOrder sortOrder() const { return sortOrder_; }

    void save(const QString& sortColumn, Qt::SortOrder order);

private:
    FennickIni& ini_;
    QString section_;
    QWidget& window_;
    QSplitter& splitter_;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

} // namespace fennick
