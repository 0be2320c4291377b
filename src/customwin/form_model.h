#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace fennick {

// The seven kinds of control a custom window can hold. Each kind is one
// control array of the add-on window; the array name is also the kind's
// name in reports ("txtTextBox", "sldSlider", ...).
enum class ControlKind { TextBox, CheckBox, CommandButton, ComboBox, Label, PictureBox, Slider };

QString controlArrayName(ControlKind kind);

// The window itself or one of its controls, as a form description sets it.
// Positions and sizes are in twips, as written in the file. A property the
// description never set stays empty, so the window keeps its own default.
struct FormObject {
    bool isWindow = false;
    ControlKind kind = ControlKind::Label; // meaningless for the window
    int index = 0;                         // 1, 2, ... within its array

    std::optional<QString> caption;
    std::optional<QString> text;
    std::optional<double> value;
    QString tag; // backslash key/value text, grown by "text", "value" and "tag" lines
    std::optional<double> left, top, width, height;
    std::optional<int> alignment; // 0 left, 1 right, 2 centre
    std::optional<int> backStyle; // 0 transparent, 1 opaque
    std::optional<qint32> backColor, foreColor;
    std::optional<QString> toolTip;
    std::optional<QString> fontName;
    std::optional<double> fontSize; // points
    std::optional<bool> bold;
    std::optional<double> min, max, smallChange, largeChange, tickFrequency;
    QStringList list; // a combo box's entries

    // The cvar the control is bound to (the tag's "cvar" key), or empty.
    QString cvar() const;
    // The command line of a push button (the tag's "action" key).
    QString action() const;
};

// A parsed form description: the window and its controls in file order.
struct FormModel {
    static inline const QString kDefaultCaption = QStringLiteral("FK Add-On - No File Loaded");

    FormObject window;
    QVector<FormObject> controls;
    // What the parser left out of a hostile description (controls past the
    // cap, a file cut short), one line each, for the console.
    QStringList notes;

    FormModel();
    QString caption() const { return window.caption.value_or(kDefaultCaption); }
};

// Colours are 32-bit values as the designer writes them: 0x00BBGGRR, or
// with the top bit set a system colour index (0x800000nn).
bool isSystemColour(qint32 colour);
int systemColourIndex(qint32 colour);
// The red, green and blue of a plain colour, as 0xRRGGBB.
quint32 colourRgb(qint32 colour);
// "#rrggbb" or "system:N".
QString colourText(qint32 colour);

} // namespace fennick
