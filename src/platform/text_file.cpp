#include "platform/text_file.h"

#include "platform/file_system.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace fennick::platform {

QString decodeText(const QByteArray& bytes) {
    TextEncoding found = TextEncoding::Utf8;
    return decodeText(bytes, found);
}

QString decodeText(const QByteArray& bytes, TextEncoding& found) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    found = utf8.hasError() ? TextEncoding::Latin1 : TextEncoding::Utf8;
    return found == TextEncoding::Utf8 ? text : QString::fromLatin1(bytes);
}

QByteArray encodeText(const QString& text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return text.toUtf8();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() <= 0xFF) {
            bytes += char(c.unicode());
            continue;
        }
        const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        bytes += text.mid(i, length).toUtf8();
        i += length - 1;
    }
    return bytes;
}

std::optional<QString> readText(const QString& path) {
    const std::optional<QString> found = resolvePath(path);
    if (!found)
        return std::nullopt;
    QFile file(*found);
    if (!QFileInfo(*found).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeText(file.readAll());
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

std::optional<QStringList> readTextLines(const QString& path) {
    std::optional<QString> text = readText(path);
    if (!text)
        return std::nullopt;
    return splitLines(*text);
}

QString pathForWriting(const QString& path) {
    if (std::optional<QString> found = resolvePath(path))
        return *found;
    // The folder may exist under another spelling even when the file does not.
    const QString native = nativePath(path);
    const QString name = fileNameOf(native);
    const QString folder = native.left(native.size() - name.size());
    if (!folder.isEmpty()) {
        if (std::optional<QString> dir = resolvePath(folder))
            return joinPath(*dir, name);
    }
    return native;
}

namespace {

QByteArray encodeLines(const QStringList& lines, TextEncoding encoding = TextEncoding::Utf8) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeText(line, encoding);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

bool writeFileBytes(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(pathForWriting(path));
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // QSaveFile reports a short write (a full disk, a file-size limit) only
    // through the count, and would then commit the cut-off file: check it
    // and keep the old file instead.
    if (file.write(bytes) != bytes.size()) {
        if (error)
            *error = file.error() != QFileDevice::NoError
                         ? file.errorString()
                         : QStringLiteral("could not write all of %1").arg(file.fileName());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool writeTextLines(const QString& path, const QStringList& lines, QString* error,
                    TextEncoding encoding) {
    return writeFileBytes(path, encodeLines(lines, encoding), error);
}

bool appendTextLines(const QString& path, const QStringList& lines, QString* error) {
    QFile file(pathForWriting(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = encodeLines(lines);
    if (file.write(bytes) != bytes.size()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace fennick::platform
