#include "common/key_value.h"
#include "support/qt_print.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

TEST(GetKeyValue, CasesOfThePart) {
    const QString tag = QStringLiteral("\\caption\\Video mode\\cvar\\r_mode");
    const struct {
        QString text;
        const char* key;
        const char* expected;
    } cases[] = {
        // The key in capitals finds "cvar".
        {tag, "CVAR", "r_mode"},
        {tag, "caption", "Video mode"},
        // A key the text lacks gives the empty text.
        {tag, "colour", ""},
        // A line feed ends the value.
        {QStringLiteral("\\cvar\\r_mode\nnext line\\x"), "cvar", "r_mode"},
        // A plain substring search: "cvar" matches the start of "cvarx".
        {QStringLiteral("\\cvarx\\value\\cvar\\other"), "cvar", "value"},
        // The first occurrence wins.
        {QStringLiteral("\\a\\1\\a\\2"), "a", "1"},
        // The key may stand anywhere, not only at the start.
        {QStringLiteral("garbage\\name\\Fennick"), "NAME", "Fennick"},
        // An empty value, a key without value, a key at the end.
        {QStringLiteral("\\a\\\\b\\2"), "a", ""},
        {QStringLiteral("\\a\\"), "a", ""},
        {QStringLiteral("\\a"), "a", ""},
        {QString(), "a", ""},
        // A carriage return is part of the value; only the line feed ends it.
        {QStringLiteral("\\a\\x\r\n"), "a", "x\r"},
        // The value starts after the backslash that follows the whole key.
        {QStringLiteral("\\a\\b\\c\\d"), "a\\b", "c"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " / " + c.key);
        EXPECT_EQ(GetKeyValue(c.text, QString::fromUtf8(c.key)), QString::fromUtf8(c.expected));
    }
}

} // namespace
} // namespace fennick
