#pragma once

#include <QString>
#include <optional>

namespace fennick {

class BotList;
class ContentSource;

// Fills the bot list from the bot scripts ("bots.txt") of every archive of
// the Quake III base folder, in name order, and prints how many were found
// and how long it took. The same bot in two archives is listed twice.
// Without a Quake III directory the list stays empty and nothing is printed.
void LoadBots(ContentSource& content, BotList& bots);

// The bot a line of a bot script adds: a line holding "name" but not
// "funname" (in any case) gives its text from the fifth character on,
// without blanks or tabs. Nothing for other lines, and nothing when that
// text is empty. `LoadBots` leaves out, with a console line, a name that
// would break the game's script (see `breaksCommandWord`).
std::optional<QString> botNameOfLine(const QString& line);

} // namespace fennick
