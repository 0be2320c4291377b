#pragma once

#include "browser/browser_services.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;

namespace fennick {

class ServerBrowser;
class BrowserPlaceKeeper;
class ServerFilterBar;
class ServerInfoPanel;
struct ServerFilter;
class ShownServers;
class frmWatchServer;

// "Fennick Server Browser": the tree of games and groups, the servers of
// the chosen group, the chosen server's boxes and the buttons. A thin view
// over ServerBrowser; the window lives from its opening to its closing and
// saves "servers.lst" when it closes.
class frmBrowseServer : public QWidget {
    Q_OBJECT
public:
    explicit frmBrowseServer(const BrowserServices& services, QWidget* parent = nullptr);
    ~frmBrowseServer() override;

    ServerBrowser& browser() { return *browser_; }
    // The server watch window while it is open.
    frmWatchServer* watchWindow() const;

Q_SIGNALS:
    // A double click on the info panel: the watch window is wanted.
    void watchRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTree();
    void buildList();
    void fitColumns();
    QWidget* buildInfoPanel(QWidget* parent);
    void buildFilters();
    void applyFilter(const ServerFilter& filter);
    QWidget* buildChosenServer();
    QWidget* buildButtons();
    void connectModel();

    void showTree();
    void showSelection();
    void showChosen();
    void highlightChosen();
    void save();
    void showInfo();
    void openWatch();
    void search();
    int sourceRow(const QModelIndex& index) const;

    BrowserServices services_;
    std::unique_ptr<ServerBrowser> browser_;
    QTreeWidget* tree_ = nullptr;
    QLabel* caption_ = nullptr;
    QTreeView* list_ = nullptr;
    QWidget* rowsArea_ = nullptr; // the list's viewport, where the pointer pauses the sort
    ShownServers* sorted_ = nullptr;
    ServerFilterBar* filters_ = nullptr;
    QTimer choicesDue_; // the drop-downs follow the rows at most a few times a second
    ServerInfoPanel* info_ = nullptr;
    QScrollArea* infoScroll_ = nullptr;
    QSplitter* splitter_ = nullptr;
    std::unique_ptr<BrowserPlaceKeeper> place_;
    QLineEdit* connectTo_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLineEdit* search_ = nullptr;
    QComboBox* groupBox_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* online_ = nullptr;
    QPushButton* getList_ = nullptr;
    bool syncing_ = false;
    QPointer<frmWatchServer> watch_;
};

} // namespace fennick
