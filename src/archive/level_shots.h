#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace fennick {

class ContentSource;

// What a search for a map's picture gave.
struct Levelshot {
    enum class Outcome {
        Found,       // `picture` holds it
        NotFound,    // searched in vain: the picture area is to be cleared
        NameTooShort // fewer than four characters: the area is left as it was
    };
    Outcome outcome = Outcome::NotFound;
    QImage picture;
};

// The level shots of maps: pictures named after the map with ".jpg",
// ".tga" or ".png" (looked for in that order, in any letter case) in the
// "temp" folder, extracted there from the Quake III archives the first time
// a map is asked for and read from there from then on, whatever the game.
class LevelShots {
public:
    explicit LevelShots(ContentSource& content) : content_(content) {}

    // Finds the picture: in "temp" first, else (for Quake III) extracted
    // from the base folder's archives, then from the chosen mod's.
    Levelshot findLevelshot(const QString& map);

    // Draws the map's picture stretched over the whole of `area` and returns
    // true; when none is found, fills `area` with `background` and returns
    // false, except for a name too short to search, which leaves it as it was.
    bool ShowLevelshot(const QString& map, QImage& area, const QColor& background);

private:
    Levelshot fromTemp(const QString& fileName) const;
    Levelshot fromTempAnyFormat(const QString& map) const;
    // `patternName` is the map's name as the member pattern spells it.
    Levelshot fromArchives(const QString& folder, const QString& patternName, const QString& map);

    ContentSource& content_;
};

// Decodes a level shot file: JPEG, PNG or TGA (TGA by its own reader), at
// most TgaReader::kMaxSide pixels on a side; a null image otherwise.
QImage readLevelshotPicture(const QString& path);

// A map name that can stand in a file name and a member pattern: no folder
// separators, "..", drive colons, wildcards or control characters.
bool isPlainMapName(const QString& map);

} // namespace fennick
