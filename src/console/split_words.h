#pragma once

#include <QString>
#include <array>

namespace fennick {

// The words of one console line. Word 0 is the command, words 1 and 2 its
// arguments; words past the list's capacity are dropped.
struct WordList {
    static constexpr int kCapacity = 16;
    std::array<QString, kCapacity> words;

    const QString& operator[](int i) const { return words[static_cast<size_t>(i)]; }
    QString& operator[](int i) { return words[static_cast<size_t>(i)]; }
};

// Splits a line the way the games' consoles do: single spaces separate
// words, so a second space starts the next word; a double quote opens a
// quoted word only right after a space; the character after a closing quote
// starts the next word. For "addbutton", word 1 is the rest of the line.
void SplitWords(const QString& line, WordList& words);

} // namespace fennick
