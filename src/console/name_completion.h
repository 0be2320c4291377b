#pragma once

#include <QString>
#include <QStringList>

namespace fennick {

class Catalogue;

// What a completion request did: the new input line and the lines it
// prints to the console (in order). An input that matches nothing comes
// back unchanged with no lines.
struct CompletionResult {
    QString input;
    QStringList printed;
};

// Completes a typed cvar name from the catalogue entries of one game, as
// the console's F1 key does. Entries are walked in catalogue order; an
// entry matches when the lower-cased start of its name, as long as the
// input, equals the input. Each match replaces the input and is listed;
// an exact match is listed with its help first. Later entries compare
// against the input as earlier matches changed it.
CompletionResult completeName(const Catalogue& catalogue, const QString& game,
                              const QString& input);

} // namespace fennick
