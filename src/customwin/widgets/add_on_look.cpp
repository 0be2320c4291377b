#include "customwin/widgets/add_on_look.h"

#include "common/readable_colour.h"
#include "customwin/form_fonts.h"

#include <QTextDocument>
#include <QWidget>

namespace fennick {

namespace {

// The system colour indices of the designer's colours and the palette
// roles that take their part here.
QPalette::ColorRole systemRole(int index) {
    static const QHash<int, QPalette::ColorRole> roles = {
        {0, QPalette::Button},           // scroll bar
        {1, QPalette::Dark},             // desktop
        {2, QPalette::Highlight},        // active caption
        {3, QPalette::Mid},              // inactive caption
        {4, QPalette::Window},           // menu
        {5, QPalette::Base},             // window background
        {6, QPalette::Shadow},           // window frame
        {7, QPalette::WindowText},       // menu text
        {8, QPalette::Text},             // window text
        {9, QPalette::HighlightedText},  // caption text
        {10, QPalette::Mid},             // active border
        {11, QPalette::Mid},             // inactive border
        {12, QPalette::Dark},            // application workspace
        {13, QPalette::Highlight},       // highlight
        {14, QPalette::HighlightedText}, // highlighted text
        {15, QPalette::Window},          // button face
        {16, QPalette::Dark},            // button shadow
        {17, QPalette::PlaceholderText}, // grey text
        {18, QPalette::ButtonText},      // button text
        {19, QPalette::Text},            // inactive caption text
        {20, QPalette::Light},           // button highlight
        {21, QPalette::Shadow},          // 3D dark shadow
        {22, QPalette::Midlight},        // 3D light
        {23, QPalette::ToolTipText},     // tooltip text
        {24, QPalette::ToolTipBase},     // tooltip background
        {26, QPalette::Link},            // hot-tracked item
        {27, QPalette::Highlight},       // active caption gradient
        {28, QPalette::Mid},             // inactive caption gradient
        {29, QPalette::Highlight},       // menu highlight
        {30, QPalette::Window},          // menu bar
    };
    return roles.value(index, QPalette::NoRole);
}

// The palette roles an object's background and text colours go to.
struct ColourRoles {
    QPalette::ColorRole back;
    QPalette::ColorRole fore;
};

ColourRoles colourRoles(const FormObject& object) {
    if (object.isWindow)
        return {QPalette::Window, QPalette::WindowText};
    switch (object.kind) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
        return {QPalette::Base, QPalette::Text};
    case ControlKind::CommandButton:
        return {QPalette::Button, QPalette::ButtonText};
    default:
        return {QPalette::Window, QPalette::WindowText};
    }
}

// Described colours were chosen for the light windows they were designed
// on: a text colour is kept readable on the background it ends up on (the
// program's dark one, or the described one), in its own hue.
void applyColours(QWidget& widget, const FormObject& object) {
    const ColourRoles roles = colourRoles(object);
    QPalette palette = widget.palette();
    if (object.backColor) {
        const QColor colour = describedColour(*object.backColor, palette);
        if (colour.isValid()) {
            palette.setColor(roles.back, colour);
            if (roles.back == QPalette::Button)
                palette.setColor(QPalette::Window, colour);
        }
    }
    if (object.foreColor) {
        const QColor colour = describedColour(*object.foreColor, palette);
        if (colour.isValid())
            palette.setColor(roles.fore, colour);
    }
    palette.setColor(roles.fore, readableOn(palette.color(roles.fore), palette.color(roles.back)));
    widget.setPalette(palette);
}

} // namespace

QColor describedColour(qint32 colour, const QPalette& palette) {
    if (!isSystemColour(colour))
        return QColor::fromRgb(QRgb(colourRgb(colour)));
    const QPalette::ColorRole role = systemRole(systemColourIndex(colour));
    return role == QPalette::NoRole ? QColor() : palette.color(role);
}

void applyLook(QWidget& widget, const FormObject& object) {
    if (object.backColor || object.foreColor)
        applyColours(widget, object);
    if (const std::optional<QFont> font = formFont(widget.font(), object))
        widget.setFont(*font);
    if (object.toolTip)
        widget.setToolTip(plainToolTip(*object.toolTip));
}

QString plainToolTip(const QString& text) {
    // Qt takes text that looks like markup as rich text, which could load
    // pictures named in it; such a tooltip is escaped and shown as written.
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<span>") + text.toHtmlEscaped() + QStringLiteral("</span>");
}

} // namespace fennick
