#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace fennick {
class Program;
}

// What the fuzz targets share: the input as bytes or text, the one way a
// target reports a broken promise, and the few services some targets need.
namespace fennick::fuzz {

// The input bytes, not copied.
QByteArray bytesOf(const std::uint8_t* data, std::size_t size);
// The input as a file's text: UTF-8 when valid, else Latin-1.
QString textOf(const std::uint8_t* data, std::size_t size);
// The input as a datagram: each byte one character.
QString datagramOf(const std::uint8_t* data, std::size_t size);

// The input cut at its first NUL bytes into at most `parts` pieces; pieces
// that are missing are empty.
QList<QByteArray> partsOf(const QByteArray& bytes, int parts);

// Prints what broke and aborts, so libFuzzer keeps the input and the
// replay's test fails.
[[noreturn]] void fail(const char* target, const char* what, const QString& detail = {});

// A text as a quoted field of the program's files holds it: a double quote
// becomes an apostrophe, a line break a space.
QString asQuotedField(QString text);

// A Qt application for the targets that draw text (QGuiApplication on the
// offscreen platform); made once, kept for the process.
void needGuiApplication();

// A Program over a folder with a fixed clock, a user interface that opens
// nothing, a fixed random seed and a machine that has no engines on its
// search path, so a target reads only the files it writes itself.
std::unique_ptr<Program> makeProgram(const QString& folder);

} // namespace fennick::fuzz
