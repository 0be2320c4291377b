// Feeds an arbitrary member pattern and member path (cut at the first NUL
// byte) to the archive member matcher. Besides crashes and sanitizer
// reports it compares the answer, for short ASCII inputs, with a regular
// expression built from the pattern: "*" any run, "?" one character, "\"
// the "/" between folders, letters in any case.
#include "archive/member_pattern.h"
#include "fuzz_support.h"

#include <QRegularExpression>
#include <algorithm>

using namespace fennick;

namespace {

bool isAscii(const QByteArray& bytes) {
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; });
}

QRegularExpression expressionOf(const QString& pattern) {
    QString expression;
    for (QChar c : pattern) {
        if (c == QLatin1Char('*'))
            expression += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            expression += QLatin1Char('.');
        else if (c == QLatin1Char('\\'))
            expression += QLatin1Char('/');
        else
            expression += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(expression),
                              QRegularExpression::CaseInsensitiveOption |
                                  QRegularExpression::DotMatchesEverythingOption);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> parts = fuzz::partsOf(fuzz::bytesOf(data, size), 2);
    const QString pattern = QString::fromUtf8(parts[0]);
    const QString path = QString::fromUtf8(parts[1]);
    const bool matches = MemberPattern(pattern).matches(path);
    // Backtracking makes the expression slow on long inputs with many "*".
    const bool small = parts[0].size() <= 32 && parts[1].size() <= 64 && parts[0].count('*') <= 3;
    if (small && isAscii(parts[0]) && isAscii(parts[1]) &&
        expressionOf(pattern).match(path).hasMatch() != matches)
        fuzz::fail("member_pattern", "answer differs for", pattern + QLatin1Char('|') + path);
    return 0;
}
