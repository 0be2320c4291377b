#pragma once

#include <QString>
#include <gmock/gmock.h>

namespace fennick::test {

// Matches a QString holding the given text.
MATCHER_P(HasText, text, "holds \"" + std::string(text) + "\"") {
    return arg.contains(QString::fromUtf8(text));
}

} // namespace fennick::test
