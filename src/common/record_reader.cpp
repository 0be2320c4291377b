#include "common/record_reader.h"

namespace fennick {

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
bool isLineEnd(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

} // namespace

RecordReader::RecordReader(QString text) : text_(std::move(text)) {}

void RecordReader::skipBlanks() {
    // Blank lines and blanks between fields carry no field.
    while (pos_ < text_.size() && (isBlank(text_[pos_]) || isLineEnd(text_[pos_])))
        ++pos_;
}

bool RecordReader::atEnd() {
    if (!midLine_) {
        skipBlanks();
        return pos_ >= text_.size();
    }
    // After a comma: only blanks up to the end of the text is the end too
    // (a trailing comma must not yield endless empty records).
    qsizetype p = pos_;
    while (p < text_.size() && isBlank(text_[p]))
        ++p;
    if (p < text_.size())
        return false;
    pos_ = p;
    midLine_ = false;
    return true;
}

void RecordReader::finishField() {
    // Skip to just past the delimiter that ends the current field: a comma,
    // or the end of the line.
    while (pos_ < text_.size()) {
        const QChar c = text_[pos_];
        if (c == QLatin1Char(',')) {
            ++pos_;
            midLine_ = true;
            return;
        }
        if (isLineEnd(c)) {
            if (c == QLatin1Char('\r') && pos_ + 1 < text_.size() &&
                text_[pos_ + 1] == QLatin1Char('\n'))
                ++pos_;
            ++pos_;
            midLine_ = false;
            return;
        }
        ++pos_;
    }
    midLine_ = false;
}

std::optional<QString> RecordReader::nextField() {
    if (!midLine_)
        skipBlanks();
    while (pos_ < text_.size() && isBlank(text_[pos_]))
        ++pos_;
    if (pos_ >= text_.size()) {
        midLine_ = false;
        return std::nullopt;
    }

    if (text_[pos_] == QLatin1Char('"')) {
        const qsizetype start = pos_ + 1;
        qsizetype end = start;
        while (end < text_.size() && text_[end] != QLatin1Char('"') && !isLineEnd(text_[end]))
            ++end;
        QString field = text_.mid(start, end - start);
        pos_ = end < text_.size() && text_[end] == QLatin1Char('"') ? end + 1 : end;
        finishField();
        return field;
    }

    const qsizetype start = pos_;
    while (pos_ < text_.size() && text_[pos_] != QLatin1Char(',') && !isLineEnd(text_[pos_]))
        ++pos_;
    QString field = text_.mid(start, pos_ - start);
    while (!field.isEmpty() && isBlank(field.back()))
        field.chop(1);
    finishField();
    return field;
}

std::optional<QStringList> RecordReader::nextRecord(int count) {
    if (atEnd())
        return std::nullopt;
    QStringList fields;
    fields.reserve(count);
    for (int i = 0; i < count; ++i) {
        std::optional<QString> field = nextField();
        if (!field)
            break;
        fields.append(*field);
    }
    while (fields.size() < count)
        fields.append(QString());
    return fields;
}

QString quotedField(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString listField(QString text) {
    text.replace(QLatin1Char('"'), QLatin1Char('\''));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return quotedField(text);
}

} // namespace fennick
