#include "customwin/form_parser.h"

#include "common/key_value.h"
#include "customwin/form_values.h"
#include "platform/file_system.h"
#include "platform/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <cmath>

namespace fennick {

namespace {

using Limits = FormLimits;

constexpr quint32 bit(ControlKind kind) {
    return 1u << int(kind);
}
constexpr quint32 kWindowBit = 1u << 7;
constexpr quint32 kAllControls = 0x7Fu;
constexpr quint32 kEverything = kAllControls | kWindowBit;
constexpr quint32 kSliderOnly = bit(ControlKind::Slider);

// "Begin" lines that create a control, and the array each one fills. They
// count only when indented, as controls are in a designer file.
struct BeginRule {
    QLatin1String keyword;
    ControlKind kind;
};
const BeginRule kBeginRules[] = {
    {QLatin1String("Begin VB.TextBox"), ControlKind::TextBox},
    {QLatin1String("Begin VB.CheckBox"), ControlKind::CheckBox},
    {QLatin1String("Begin VB.CommandButton"), ControlKind::CommandButton},
    {QLatin1String("Begin VB.ComboBox"), ControlKind::ComboBox},
    {QLatin1String("Begin VB.Label"), ControlKind::Label},
    {QLatin1String("Begin VB.PictureBox"), ControlKind::PictureBox},
    {QLatin1String("Begin MSComctlLib.Slider"), ControlKind::Slider},
};

double finiteOr0(double v) {
    return std::isfinite(v) ? v : 0.0;
}
double position(const QString& v) {
    return std::clamp(finiteOr0(formNumber(v)), -Limits::kMaxTwips, Limits::kMaxTwips);
}
double extent(const QString& v) {
    return std::clamp(finiteOr0(formNumber(v)), 0.0, Limits::kMaxTwips);
}
double sliderNumber(const QString& v) {
    return std::clamp(finiteOr0(formNumber(v)), -Limits::kMaxSliderValue, Limits::kMaxSliderValue);
}
// A small enumerated setting; a number outside 0..highest is refused, as
// the designer's controls refuse an invalid property value.
std::optional<int> choice(const QString& v, int highest) {
    const double n = formNumber(v);
    if (n >= 0 && n <= highest && n == std::floor(n))
        return int(n);
    return std::nullopt;
}

// The properties of the window and controls (apart from "text", "value"
// and "tag", which the parser adds to the tag), with the kinds that have
// them; a line naming a property its object lacks is ignored.
struct PropertyRule {
    quint32 kinds;
    void (*apply)(FormObject&, const QString&);
};

const QHash<QString, PropertyRule>& propertyRules() {
    constexpr quint32 kCaptioned = kWindowBit | bit(ControlKind::CheckBox) |
                                   bit(ControlKind::CommandButton) | bit(ControlKind::Label);
    constexpr quint32 kAligned =
        bit(ControlKind::TextBox) | bit(ControlKind::CheckBox) | bit(ControlKind::Label);
    constexpr quint32 kTall = kEverything & ~bit(ControlKind::ComboBox);
    using O = FormObject;
    using S = const QString&;
    static const QHash<QString, PropertyRule> rules = {
        {"caption", {kCaptioned, [](O& o, S v) { o.caption = v; }}},
        {"clientheight", {kTall, [](O& o, S v) { o.height = extent(v); }}},
        {"height", {kTall, [](O& o, S v) { o.height = extent(v); }}},
        {"clientwidth", {kEverything, [](O& o, S v) { o.width = extent(v); }}},
        {"width", {kEverything, [](O& o, S v) { o.width = extent(v); }}},
        {"clienttop", {kEverything, [](O& o, S v) { o.top = position(v); }}},
        {"top", {kEverything, [](O& o, S v) { o.top = position(v); }}},
        {"clientleft", {kEverything, [](O& o, S v) { o.left = position(v); }}},
        {"left", {kEverything, [](O& o, S v) { o.left = position(v); }}},
        {"alignment",
         {kAligned,
          [](O& o, S v) {
              if (const std::optional<int> c = choice(v, 2))
                  o.alignment = c;
          }}},
        {"backcolor", {kEverything, [](O& o, S v) { o.backColor = formColour(formNumber(v)); }}},
        {"forecolor", {kEverything, [](O& o, S v) { o.foreColor = formColour(formNumber(v)); }}},
        {"tooltiptext", {kAllControls, [](O& o, S v) { o.toolTip = v; }}},
        {"backstyle",
         {bit(ControlKind::Label),
          [](O& o, S v) {
              if (const std::optional<int> c = choice(v, 1))
                  o.backStyle = c;
          }}},
        {"largechange", {kSliderOnly, [](O& o, S v) { o.largeChange = sliderNumber(v); }}},
        {"smallchange", {kSliderOnly, [](O& o, S v) { o.smallChange = sliderNumber(v); }}},
        {"min", {kSliderOnly, [](O& o, S v) { o.min = sliderNumber(v); }}},
        {"max", {kSliderOnly, [](O& o, S v) { o.max = sliderNumber(v); }}},
        {"tickfrequency", {kSliderOnly, [](O& o, S v) { o.tickFrequency = sliderNumber(v); }}},
        {"name", {kEverything, [](O& o, S v) { o.fontName = v; }}},
        {"size",
         {kEverything,
          [](O& o, S v) {
              o.fontSize = std::clamp(finiteOr0(formNumber(v)), Limits::kMinFontPoints,
                                      Limits::kMaxFontPoints);
          }}},
        {"weight",
         {kEverything,
          [](O& o, S v) { o.bold = o.bold.value_or(false) || v == QLatin1String("700"); }}},
    };
    return rules;
}

quint32 kindBit(const FormObject& object) {
    return object.isWindow ? kWindowBit : bit(object.kind);
}

bool takesText(const FormObject& o) {
    return !o.isWindow && (o.kind == ControlKind::TextBox || o.kind == ControlKind::ComboBox);
}

bool takesValue(const FormObject& o) {
    return !o.isWindow && (o.kind == ControlKind::CheckBox || o.kind == ControlKind::Slider);
}

} // namespace

FormParser::FormParser(EnumLister enumLister) : enumLister_(std::move(enumLister)) {}

FormObject* FormParser::current() {
    if (current_ == kWindow)
        return &model_.window;
    if (current_ >= 0)
        return &model_.controls[current_];
    return nullptr;
}

void FormParser::readLine(const QString& fullLine) {
    const QString line = fullLine.left(Limits::kMaxLineChars);
    if (line.contains(QLatin1String("Begin")))
        finishCurrent();
    selectObject(line);
    if (!current())
        return;
    if (const std::optional<PropertyLine> property = splitPropertyLine(line))
        applyProperty(property->key, property->value);
}

FormModel FormParser::finish() {
    finishCurrent();
    current_ = kNone;
    return std::move(model_);
}

// A control not bound to a cvar takes its text, or else its value, from
// its tag. Finishing twice with the same tag changes nothing, so the work
// is skipped when the tag has not grown since the last time.
void FormParser::finishCurrent() {
    FormObject* object = current();
    if (!object || object->tag.size() == finishedTagSize_)
        return;
    finishedTagSize_ = object->tag.size();
    if (!object->cvar().isEmpty())
        return;
    const QString text = GetKeyValue(object->tag, QStringLiteral("text"));
    if (!text.isEmpty()) {
        if (takesText(*object))
            object->text = text;
        return;
    }
    const QString value = GetKeyValue(object->tag, QStringLiteral("value"));
    if (!value.isEmpty() && takesValue(*object))
        object->value = formNumber(value);
}

void FormParser::selectObject(const QString& line) {
    if (line.contains(QLatin1String("Begin VB.Form"))) {
        current_ = kWindow;
        finishedTagSize_ = -1;
        return;
    }
    for (const BeginRule& rule : kBeginRules) {
        if (line.indexOf(rule.keyword, 1) >= 1) {
            addControl(rule.kind);
            return;
        }
    }
}

void FormParser::addControl(ControlKind kind) {
    finishedTagSize_ = -1;
    if (model_.controls.size() >= Limits::kMaxControls) {
        // Past the cap, the control and its property lines are dropped.
        current_ = kNone;
        if (!capNoted_)
            model_.notes.append(
                QStringLiteral("only the first %1 controls were built").arg(Limits::kMaxControls));
        capNoted_ = true;
        return;
    }
    FormObject control;
    control.kind = kind;
    control.index = ++counts_[int(kind)];
    if (kind == ControlKind::TextBox)
        control.text = QString();
    if (kind == ControlKind::Label)
        control.caption = QString();
    model_.controls.append(control);
    current_ = int(model_.controls.size() - 1);
}

void FormParser::applyProperty(const QString& key, const QString& value) {
    FormObject& object = *current();
    if (key == QLatin1String("text") || key == QLatin1String("value")) {
        appendTag(object, QLatin1Char('\\') + key + QLatin1Char('\\') + value + QLatin1Char('\\'));
        return;
    }
    if (key == QLatin1String("tag")) {
        appendTag(object, value);
        // A combo box bound to a cvar lists that cvar's display texts.
        const QString cvar = GetKeyValue(value, QStringLiteral("cvar"));
        if (!object.isWindow && object.kind == ControlKind::ComboBox && !cvar.isEmpty() &&
            enumLister_) {
            const QStringList entries = enumLister_(cvar);
            const qsizetype room = Limits::kMaxListEntries - object.list.size();
            object.list += entries.mid(0, std::max<qsizetype>(room, 0));
        }
        return;
    }
    const auto rule = propertyRules().constFind(key);
    if (rule != propertyRules().constEnd() && (rule->kinds & kindBit(object)))
        rule->apply(object, value);
}

void FormParser::appendTag(FormObject& object, const QString& text) {
    if (object.tag.size() + text.size() <= Limits::kMaxTagChars)
        object.tag += text;
}

FormModel parseFormText(const QString& text, const EnumLister& enumLister) {
    FormParser parser(enumLister);
    for (const QString& line : platform::splitLines(text))
        parser.readLine(line);
    return parser.finish();
}

std::optional<FormModel> readFormFile(const QString& path, const EnumLister& enumLister,
                                      QString* why) {
    const auto fail = [why](const QString& reason) {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    const std::optional<QString> found = platform::resolvePath(path);
    if (!found)
        return fail(QStringLiteral("there is no such file"));
    if (!QFileInfo(*found).isFile())
        return fail(QStringLiteral("it is not a file"));
    QFile file(*found);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("it cannot be read (") + file.errorString() + QLatin1Char(')'));
    const QByteArray bytes = file.read(Limits::kMaxFileBytes);
    const bool cut = !file.atEnd();
    FormModel model = parseFormText(platform::decodeText(bytes), enumLister);
    if (cut)
        model.notes.append(QStringLiteral("only the first %1 bytes of the file were read")
                               .arg(Limits::kMaxFileBytes));
    return model;
}

} // namespace fennick
