#include "archive/member_pattern.h"

namespace fennick {

namespace {

constexpr char16_t kAnyRun = u'*';
constexpr char16_t kAnyOne = u'?';

char16_t folded(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80)
        return (u >= u'A' && u <= u'Z') ? char16_t(u + (u'a' - u'A')) : u;
    return c.toCaseFolded().unicode();
}

} // namespace

MemberPattern::MemberPattern(const QString& pattern) {
    folded_.reserve(pattern.size());
    for (QChar c : pattern)
        folded_.append(c == QLatin1Char('\\') ? QChar(u'/') : QChar(folded(c)));
    endingOnly_ = folded_.startsWith(QChar(kAnyRun)) && folded_.indexOf(QChar(kAnyRun), 1) < 0 &&
                  !folded_.contains(QChar(kAnyOne));
}

// The usual matching with one remembered "*": on a mismatch the last "*"
// takes one more character and the rest is tried again. Earlier stars never
// need to be revisited, which keeps hostile patterns and names cheap.
bool MemberPattern::matches(const QString& memberPath) const {
    const qsizetype patternSize = folded_.size();
    const qsizetype nameSize = memberPath.size();
    if (endingOnly_) {
        const qsizetype ending = patternSize - 1;
        if (nameSize < ending)
            return false;
        for (qsizetype i = 0; i < ending; ++i)
            if (folded_[1 + i] != QChar(folded(memberPath[nameSize - ending + i])))
                return false;
        return true;
    }
    qsizetype p = 0, n = 0;
    qsizetype starAt = -1, starName = 0;
    while (n < nameSize) {
        if (p < patternSize && folded_[p] == QChar(kAnyRun)) {
            starAt = p++;
            starName = n;
        } else if (p < patternSize &&
                   (folded_[p] == QChar(kAnyOne) || folded_[p] == QChar(folded(memberPath[n])))) {
            ++p;
            ++n;
        } else if (starAt >= 0) {
            p = starAt + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < patternSize && folded_[p] == QChar(kAnyRun))
        ++p;
    return p == patternSize;
}

} // namespace fennick
