#pragma once

#include <QWidget>
#include <array>

class QComboBox;
class QPushButton;

namespace fennick {

class ButtonGroups;

// The main window's button area: the group selector (`ImageCombo1`), the
// four buttons (`cmdCommand0` to `cmdCommand3`) and the overflow list
// (`ImageCombo2`, "Other..."), drawn from the ButtonGroups model.
class ButtonArea : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 129;
    static constexpr int kHeight = 200;

    explicit ButtonArea(ButtonGroups& groups, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSelector();
    void buildButtons();
    void buildOverflow();
    void showGroups();
    void showButtons();

    ButtonGroups& groups_;
    QComboBox* selector_ = nullptr;
    std::array<QPushButton*, 4> buttons_{};
    QComboBox* overflow_ = nullptr;
    bool syncing_ = false;
};

} // namespace fennick
