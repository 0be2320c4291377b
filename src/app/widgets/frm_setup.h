#pragma once

#include "core/program_settings.h"

#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;

namespace fennick {

// The setup dialog: a view of the program settings. Typing into a field
// hands the text to the settings model, which validates it; changes made by
// code (loading, the first-start search) come back through the model's
// changed signal and refresh the fields. Created once and only hidden.
class frmSetup : public QWidget {
    Q_OBJECT
public:
    explicit frmSetup(ProgramSettings& settings, QWidget* parent = nullptr);

    // Asks the user for a folder; an empty text means cancelled. Replaced
    // in tests; the default is the system's folder picker.
    std::function<QString(QWidget* owner, const QString& title)> folderPicker;

    // A line above the buttons that tells the user what to do (the first
    // start without a game folder); hidden again by OK or an empty text.
    void showGuide(const QString& text);

Q_SIGNALS:
    void accepted(); // OK was pressed

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // One game directory row: its field, label and browse button, the
    // engine field below it, and the game whose folder it holds.
    struct DirectoryRow {
        QLineEdit* edit = nullptr;
        QLabel* label = nullptr;
        QPushButton* browse = nullptr;
        QLabel* engineLabel = nullptr;
        QLineEdit* engine = nullptr;
        QString game;
        QString pickerTitle;
    };

    void buildHeader();
    void buildGeneralFrame();
    void buildEngineRow(DirectoryRow& row, QWidget* frame, int y, const char* label,
                        const char* edit, const char* caption);
    void refreshEngineRow(const DirectoryRow& row);
    void buildServersFrame();
    void buildDeveloperFrame();
    void connectFields();
    void browseFor(const DirectoryRow& row);
    void showTab(int index);
    void refreshFields();
    void buildButtons();
    void acceptSettings();
    void cancelSettings();

    ProgramSettings& settings_;
    QLabel* header_ = nullptr;
    QTabBar* tabs_ = nullptr;
    std::array<QGroupBox*, 3> frames_{};
    std::array<DirectoryRow, 3> rows_;
    QLabel* oglLabel_ = nullptr;
    QComboBox* oglMode_ = nullptr;
    QLineEdit* maxServers_ = nullptr;
    QLineEdit* updateFrequency_ = nullptr;
    QCheckBox* createDescription_ = nullptr;
    QCheckBox* showMapFiles_ = nullptr;
    QLabel* q3MapLabel_ = nullptr;
    QLineEdit* q3MapPath_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* guide_ = nullptr;
    ProgramSettings::Snapshot shownValues_;
};

} // namespace fennick
