#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Text files as the program reads and writes them: lines end in CR LF when
// written and in CR LF or LF when read; bytes are UTF-8 when valid, else
// Latin-1. Every rewrite goes through a temporary file renamed over the old
// one, so a crash never leaves half a file.
namespace fennick::platform {

// How a file's bytes stand for its text: UTF-8, or one character per byte
// (Latin-1). Rewriting a file in the encoding it was read in keeps its
// bytes as they were.
enum class TextEncoding { Utf8, Latin1 };

QString decodeText(const QByteArray& bytes);
// The same, telling which encoding the bytes were read in.
QString decodeText(const QByteArray& bytes, TextEncoding& found);

// A text as the bytes of a file in `encoding`. Latin-1 writes each
// character up to U+00FF as its byte and anything beyond as UTF-8, so
// nothing is lost.
QByteArray encodeText(const QString& text, TextEncoding encoding);

// The whole file as text (looked up ignoring case), or nothing.
std::optional<QString> readText(const QString& path);

// The file's lines without their line ends. A final line end does not give
// an extra empty line.
std::optional<QStringList> readTextLines(const QString& path);

// Splits a text into lines at CR LF, LF or a lone CR.
QStringList splitLines(const QString& text);

// Replaces the file with the bytes, atomically.
bool writeFileBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Replaces the file with the lines, each ended by CR LF, atomically.
bool writeTextLines(const QString& path, const QStringList& lines, QString* error = nullptr,
                    TextEncoding encoding = TextEncoding::Utf8);

// Appends the lines, each ended by CR LF, creating the file when missing.
bool appendTextLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// The path to open: the existing spelling on disk when the file exists
// under another letter case, else the path as given (native separators).
QString pathForWriting(const QString& path);

} // namespace fennick::platform
