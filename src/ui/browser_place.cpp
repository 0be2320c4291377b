#include "ui/browser_place.h"

#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QWidget>

namespace fennick {

BrowserPlaceKeeper::BrowserPlaceKeeper(FennickIni& ini, QString section, QWidget& window,
                                       QSplitter& splitter)
    : ini_(ini), section_(std::move(section)), window_(window), splitter_(splitter) {}

QString BrowserPlaceKeeper::restore() {
    const FennickIni::BrowserPlace place = ini_.browserPlace(section_);
    sortOrder_ = place.sortOrder;
    if (!place.geometry.isEmpty()) {
        const QScreen* screen = QGuiApplication::screenAt(place.geometry.center());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        QRect geometry = place.geometry;
        if (screen) {
            const QRect available = screen->availableGeometry();
            geometry.setSize(geometry.size().boundedTo(available.size()));
            geometry = keptInside(geometry, available);
        }
        window_.setGeometry(geometry);
        markPlaced(window_);
    }
    if (place.splitter.size() == splitter_.count())
        splitter_.setSizes(place.splitter);
    return place.sortColumn;
}

void BrowserPlaceKeeper::save(const QString& sortColumn, Qt::SortOrder order) {
    FennickIni::BrowserPlace place;
    place.geometry = window_.isVisible() ? window_.normalGeometry() : QRect();
    if (place.geometry.isEmpty())
        place = ini_.browserPlace(section_); // never shown: the kept place stays
    place.splitter = splitter_.sizes();
    place.sortColumn = sortColumn;
    place.sortOrder = order;
    ini_.setBrowserPlace(section_, place);
}

} // namespace fennick
