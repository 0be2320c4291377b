#include "customwin/form_fonts.h"

namespace fennick {

namespace {

const QString kSans = QStringLiteral("Liberation Sans");
const QString kSerif = QStringLiteral("Liberation Serif");
const QString kMono = QStringLiteral("Liberation Mono");
const QString kWideSans = QStringLiteral("DejaVu Sans");
const QString kDejaVuSerif = QStringLiteral("DejaVu Serif");
const QString kDejaVuMono = QStringLiteral("DejaVu Sans Mono");

// Windows faces by their lower-case name, with the installed faces that
// stand in for them, best first. Faces as wide as Verdana go to DejaVu
// Sans (which shares Verdana's proportions); the narrower sans-serif faces
// go to Liberation Sans, which has Arial's widths.
struct Substitute {
    const char* windowsFace;
    QStringList families;
};

const QVector<Substitute>& substitutes() {
    static const QVector<Substitute> table = {
        {"ms sans serif", {kSans, kWideSans}},
        {"microsoft sans serif", {kSans, kWideSans}},
        {"arial", {kSans, kWideSans}},
        {"helvetica", {kSans, kWideSans}},
        {"tahoma", {kSans, kWideSans}},
        {"segoe ui", {kSans, kWideSans}},
        {"system", {kSans, kWideSans}},
        {"small fonts", {kSans, kWideSans}},
        {"verdana", {kWideSans, kSans}},
        {"arial black", {kWideSans, kSans}},
        {"arial narrow", {QStringLiteral("Liberation Sans Narrow"), kSans, kWideSans}},
        {"times new roman", {kSerif, kDejaVuSerif}},
        {"times", {kSerif, kDejaVuSerif}},
        {"ms serif", {kSerif, kDejaVuSerif}},
        {"georgia", {kSerif, kDejaVuSerif}},
        {"courier new", {kMono, kDejaVuMono}},
        {"courier", {kMono, kDejaVuMono}},
        {"fixedsys", {kMono, kDejaVuMono}},
        {"terminal", {kMono, kDejaVuMono}},
        {"lucida console", {kMono, kDejaVuMono}},
        {"consolas", {kMono, kDejaVuMono}},
    };
    return table;
}

} // namespace

QStringList installedFamiliesFor(const QString& windowsFace) {
    const QString name = windowsFace.trimmed();
    const QString lower = name.toLower();
    QStringList families;
    if (!name.isEmpty())
        families.append(name);
    for (const Substitute& substitute : substitutes()) {
        if (lower == QLatin1String(substitute.windowsFace))
            return families + substitute.families;
    }
    // An unknown face is used when installed, else a plain sans-serif face.
    return families + QStringList{kSans, kWideSans};
}

QFont defaultFormFont() {
    QFont font;
    font.setFamilies(installedFamiliesFor(QStringLiteral("MS Sans Serif")));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.0);
    return font;
}

std::optional<QFont> formFont(const QFont& base, const FormObject& object) {
    if (!object.fontName && !object.fontSize && !object.bold)
        return std::nullopt;
    QFont font = base;
    if (object.fontName)
        font.setFamilies(installedFamiliesFor(*object.fontName));
    if (object.fontSize)
        font.setPointSizeF(*object.fontSize);
    if (object.bold)
        font.setBold(*object.bold);
    return font;
}

} // namespace fennick
