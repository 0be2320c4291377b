#pragma once

#include <QString>

namespace fennick {

// A pattern for the member paths of an archive: "*" matches any run of
// characters, "/" included, "?" exactly one character, and "\" stands for
// the "/" between folders, so "*\q3dm1.jpg" finds levelshots/q3dm1.jpg.
// Letters match whatever their case. Matching takes time in proportion to
// the lengths of pattern and path, whatever they hold.
class MemberPattern {
public:
    explicit MemberPattern(const QString& pattern);

    bool matches(const QString& memberPath) const;

private:
    QString folded_;
    // A "*" followed by plain letters ("*.bsp", "*renas.txt"), the usual
    // kind: the path matches when it ends with those letters.
    bool endingOnly_ = false;
};

} // namespace fennick
