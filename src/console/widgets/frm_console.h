#pragma once

#include "core/core_services.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace fennick {

class Catalogue;
class Interpreter;

// The console window: the start-up script being generated (List2), the
// console output (List1), an input line for the command language (Text1)
// and read-outs of the launch preview. Created once and only ever hidden.
class frmConsole : public QWidget {
    Q_OBJECT
public:
    // Typed lines go to `interpreter`; F1 completes names of `catalogue`.
    frmConsole(const CoreServices& core, Interpreter& interpreter, const Catalogue& catalogue,
               QWidget* parent = nullptr);

    // The load time of the last custom window, shown bottom left.
    void setWindowLoadTime(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void appendLine(const QString& text);
    void showPreview();
    void setCommandLineText(const QString& text);
    void executeInput();
    void completeInput();

    CoreServices core_;
    Interpreter& interpreter_;
    const Catalogue& catalogue_;
    QListWidget* scriptList_ = nullptr;
    QListWidget* outputList_ = nullptr;
    QLineEdit* input_ = nullptr;
    QLabel* loadTimeLabel_ = nullptr;
    QLabel* makeTimeLabel_ = nullptr;
    QLabel* commandLineLabel_ = nullptr;
    QPushButton* hideButton_ = nullptr;
};

} // namespace fennick
