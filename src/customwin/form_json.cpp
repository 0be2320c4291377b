#include "customwin/form_json.h"

#include <QJsonArray>

namespace fennick {

namespace {

template <typename T> void put(QJsonObject& json, const char* key, const std::optional<T>& value) {
    if (value)
        json.insert(QLatin1String(key), *value);
}

void putColour(QJsonObject& json, const char* key, const std::optional<qint32>& colour) {
    if (colour)
        json.insert(QLatin1String(key), colourText(*colour));
}

void putGeometry(QJsonObject& json, const FormObject& object) {
    put(json, "left", object.left);
    put(json, "top", object.top);
    put(json, "width", object.width);
    put(json, "height", object.height);
}

QJsonObject controlJson(const FormObject& control) {
    QJsonObject json{{QStringLiteral("kind"), controlArrayName(control.kind)},
                     {QStringLiteral("index"), control.index}};
    if (!control.tag.isEmpty())
        json.insert(QStringLiteral("tag"), control.tag);
    put(json, "caption", control.caption);
    put(json, "text", control.text);
    put(json, "value", control.value);
    putGeometry(json, control);
    put(json, "alignment", control.alignment);
    putColour(json, "backColor", control.backColor);
    putColour(json, "foreColor", control.foreColor);
    put(json, "backStyle", control.backStyle);
    put(json, "toolTip", control.toolTip);
    put(json, "fontName", control.fontName);
    put(json, "fontSize", control.fontSize);
    put(json, "bold", control.bold);
    put(json, "min", control.min);
    put(json, "max", control.max);
    put(json, "smallChange", control.smallChange);
    put(json, "largeChange", control.largeChange);
    put(json, "tickFrequency", control.tickFrequency);
    if (control.kind == ControlKind::ComboBox)
        json.insert(QStringLiteral("list"), QJsonArray::fromStringList(control.list));
    return json;
}

} // namespace

QJsonObject formJson(const FormModel& model) {
    QJsonObject json{{QStringLiteral("caption"), model.caption()}};
    putGeometry(json, model.window);
    QJsonArray controls;
    for (const FormObject& control : model.controls)
        controls.append(controlJson(control));
    json.insert(QStringLiteral("controls"), controls);
    return json;
}

} // namespace fennick
