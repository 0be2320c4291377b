#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QListView;
class QListWidget;

namespace fennick {

class ModList;
class ModPanel;
class PictureBox;

// The main window's mod and configuration panel: the mod list
// (`ListView1`), the mod's description (`Text1`), the configuration combo
// (`Combo1`), the mod's documents (`File1`) and its icon (`picIco`). A view
// of the program's mod list and mod panel models: clicks and edits go to
// the models, and the widgets show what the models hold.
class ModPanelView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 500;
    static constexpr int kHeight = 168;

    ModPanelView(ModList& mods, ModPanel& panel, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildList();
    void buildFields();
    void connectModel();
    void connectCombo();

    void showSelection(int row);
    void showDescription();
    void showConfigurations();
    void showDocuments();
    void showIcon();

    ModList& mods_;
    ModPanel& panel_;
    QListView* list_ = nullptr;
    QLineEdit* description_ = nullptr;
    QComboBox* combo_ = nullptr;
    QListWidget* files_ = nullptr;
    PictureBox* icon_ = nullptr;
    // True while the widgets are being set from the model: the changes they
    // report then are the model's own.
    bool syncing_ = false;
    // The list's current row when the pointer was pressed: a click on the
    // mod already chosen chooses it again (loading it afresh).
    int currentBeforePress_ = -1;
    // True while the combo holds a typed name not yet acted on.
    bool typedPending_ = false;
};

} // namespace fennick
