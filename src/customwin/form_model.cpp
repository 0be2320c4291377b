#include "customwin/form_model.h"

#include "common/key_value.h"

namespace fennick {

QString controlArrayName(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox:
        return QStringLiteral("txtTextBox");
    case ControlKind::CheckBox:
        return QStringLiteral("chkCheckBox");
    case ControlKind::CommandButton:
        return QStringLiteral("cmdButton");
    case ControlKind::ComboBox:
        return QStringLiteral("cmbCombo");
    case ControlKind::Label:
        return QStringLiteral("lblLabel");
    case ControlKind::PictureBox:
        return QStringLiteral("picPicture");
    case ControlKind::Slider:
        return QStringLiteral("sldSlider");
    }
    return {};
}

QString FormObject::cvar() const {
    return GetKeyValue(tag, QStringLiteral("cvar"));
}

QString FormObject::action() const {
    return GetKeyValue(tag, QStringLiteral("action"));
}

FormModel::FormModel() {
    window.isWindow = true;
}

bool isSystemColour(qint32 colour) {
    return colour < 0;
}

int systemColourIndex(qint32 colour) {
    return int(quint32(colour) & 0x00FFFFFFu);
}

quint32 colourRgb(qint32 colour) {
    const quint32 bgr = quint32(colour);
    return ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | ((bgr >> 16) & 0xFFu);
}

QString colourText(qint32 colour) {
    if (isSystemColour(colour))
        return QStringLiteral("system:%1").arg(systemColourIndex(colour));
    return QStringLiteral("#%1").arg(colourRgb(colour), 6, 16, QLatin1Char('0'));
}

} // namespace fennick
