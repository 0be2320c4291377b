#pragma once

#include "customwin/form_model.h"
#include "customwin/twips.h"

#include <Qt>

class QCheckBox;
class QWidget;

namespace fennick {

// The widgets of an add-on window's control arrays: a line edit for
// `txtTextBox`, a check box for `chkCheckBox`, a push button for
// `cmdButton`, an editable combo box for `cmbCombo`, a label for `lblLabel`,
// a framed panel for `picPicture` and a slider for `sldSlider`.

// Creates the control inside `parent`, placed and sized from the twips of
// its description, showing its caption, text, value and list, and named
// after its array and index ("txtTextBox_1").
QWidget* createAddOnControl(const FormObject& control, const TwipScale& scale, QWidget& parent);

// A check box value (0 unchecked, 1 checked, 2 greyed) as a check state,
// and back. Other values give nothing: the box keeps what it shows.
std::optional<Qt::CheckState> checkStateFor(double value);
int checkBoxValue(Qt::CheckState state);

// A number as a slider position: the nearest whole number within int.
int sliderPosition(double value);

} // namespace fennick
