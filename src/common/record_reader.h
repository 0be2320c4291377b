#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace fennick {

// Reads the free input format of the program's data files: fields separated
// by commas, texts optionally in double quotes (then they may hold commas),
// spaces around a field ignored, and the end of a line also ends a field.
// Records are read as a fixed number of fields and may span lines.
class RecordReader {
public:
    explicit RecordReader(QString text);

    bool atEnd();
    // The next field, or nothing at the end of the text.
    std::optional<QString> nextField();
    // The next record of `count` fields; a record cut short by the end of
    // the text is padded with empty fields. Nothing when no field is left.
    std::optional<QStringList> nextRecord(int count);

private:
    void skipBlanks();
    void finishField();

    QString text_;
    qsizetype pos_ = 0;
    // True after a comma: an empty line end then closes an empty field.
    bool midLine_ = false;
};

// Writes one record: texts in double quotes, numbers bare, comma separated.
QString quotedField(const QString& text);

// A text field of a list file ("servers.lst", "maps.lst"), in double quotes
// with nothing escaped: a double quote inside is written as an apostrophe
// and a line break as a space, which the field cannot hold.
QString listField(QString text);

} // namespace fennick
