// Feeds arbitrary bytes to the catalogue and enumeration loaders (the free
// input format of cmds.lst and enums.lst). Checks that loading ends, that
// a (game, name) pair is catalogued once and that no enumeration entry is
// stored twice.
#include "console/catalogue.h"
#include "console/enum_table.h"
#include "fuzz_support.h"

#include <QSet>
#include <utility>

using namespace fennick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = fuzz::textOf(data, size);

    Catalogue catalogue;
    catalogue.loadText(text);
    QSet<std::pair<QString, QString>> keys;
    for (const PredefinedCommand& c : catalogue.entries()) {
        const std::pair<QString, QString> key{c.game, c.name};
        if (keys.contains(key) || catalogue.find(c.game, c.name) == nullptr)
            fuzz::fail("catalogue_load", "bad catalogue entry", c.name);
        keys.insert(key);
    }

    EnumTable enums;
    enums.loadText(text);
    QSet<EnumEntry> entries;
    for (const EnumEntry& e : enums.entries()) {
        if (entries.contains(e))
            fuzz::fail("catalogue_load", "enumeration entry stored twice", e.display);
        entries.insert(e);
        (void)enums.EnumDisplay(e.game, e.cvar, e.value);
        (void)enums.EnumValue(e.game, e.cvar, e.display);
    }
    return 0;
}
