#pragma once

#include "browser/browser_services.h"

#include <QWidget>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTreeView;
class QTreeWidget;

namespace fennick {

class BrowserPlaceKeeper;
class LevelshotView;
class MapBrowser;

// "Fennick Map Browser": the tree of games and groups, the maps of the
// chosen group, the chosen map's name, title and level shot, the group box
// with "Save", and "Update", "DevMode", "OK" and "Cancel". A thin view over
// MapBrowser; it saves "maps.lst" when it closes, and a window closed while
// a scan runs stays (hidden) until the scan has stopped.
class frmMapBrowser : public QWidget {
    Q_OBJECT
public:
    explicit frmMapBrowser(const BrowserServices& services, QWidget* parent = nullptr);
    ~frmMapBrowser() override;

    MapBrowser& browser() { return *browser_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTree();
    void buildList();
    QWidget* buildChosenMap();
    QWidget* buildButtons();
    void connectModel();

    void showTree();
    void showSelection();
    void showBoxes();
    void save();
    int sourceRow(const QModelIndex& index) const;

    BrowserServices services_;
    std::unique_ptr<MapBrowser> browser_;
    QTreeWidget* tree_ = nullptr;
    QLabel* caption_ = nullptr;
    QTreeView* list_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* title_ = nullptr;
    LevelshotView* picture_ = nullptr;
    QComboBox* groupBox_ = nullptr;
    QPushButton* update_ = nullptr;
    QCheckBox* devMode_ = nullptr;
    std::unique_ptr<BrowserPlaceKeeper> place_;
    bool syncing_ = false;
};

} // namespace fennick
