#pragma once

#include "customwin/form_model.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace fennick {

// Limits that keep a hostile description (megabytes of text, binary data,
// huge counts or sizes) from freezing or exhausting the program. A real
// description is a few kilobytes with a few dozen controls.
struct FormLimits {
    static constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024; // the rest is not read
    static constexpr qsizetype kMaxLineChars = 16 * 1024;    // longer lines are cut
    static constexpr qsizetype kMaxTagChars = 16 * 1024;     // further tag text is dropped
    static constexpr int kMaxControls = 1000;                // per window
    static constexpr int kMaxListEntries = 1000;             // per combo box
    // 4096 pixels at 15 twips per pixel: positions within ±, sizes within 0..
    static constexpr double kMaxTwips = 61440.0;
    static constexpr double kMinFontPoints = 1.0, kMaxFontPoints = 200.0;
    static constexpr double kMaxSliderValue = 1.0e9; // slider numbers within ±
};

// The display texts of a cvar's enumeration for the current game, in table
// order (fills a combo box whose tag names a cvar).
using EnumLister = std::function<QStringList(const QString& cvar)>;

// Reads a form description line by line into a FormModel: "Begin" lines
// choose the object that the following property lines apply to, and a
// control is finished (its text or value taken from its tag) at the next
// line holding "Begin" and at the end.
class FormParser {
public:
    explicit FormParser(EnumLister enumLister = {});

    void readLine(const QString& line);
    // Finishes the last object and hands over the model.
    FormModel finish();

private:
    FormObject* current();
    void finishCurrent();
    void selectObject(const QString& line);
    void addControl(ControlKind kind);
    void applyProperty(const QString& key, const QString& value);
    void appendTag(FormObject& object, const QString& text);

    EnumLister enumLister_;
    FormModel model_;
    int current_ = kNone;
    qsizetype finishedTagSize_ = -1;
    int counts_[7] = {};
    bool capNoted_ = false;

    static constexpr int kNone = -2, kWindow = -1;
};

// A whole description held in a text.
FormModel parseFormText(const QString& text, const EnumLister& enumLister = {});

// A description file, found ignoring letter case; nothing when it does not
// exist or cannot be read, and then `why` says which. Only the first
// FormLimits::kMaxFileBytes are read.
std::optional<FormModel> readFormFile(const QString& path, const EnumLister& enumLister = {},
                                      QString* why = nullptr);

} // namespace fennick
