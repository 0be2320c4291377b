#include "console/catalogue.h"
#include "console/name_completion.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

// A small catalogue in the file's own format, with one Quake II entry
// among the Quake III ones and a name written with capitals.
Catalogue sampleCatalogue() {
    Catalogue catalogue;
    catalogue.loadText(QStringLiteral("\"quake3\",\"g_gametype\",0,2,0,0,\"Type\",\"Game type\"\n"
                                      "\"quake3\",\"sv_pure\",1,2,0,0,\"\",\"Pure server\"\n"
                                      "\"quake2\",\"sv_maxspeed\",0,1,0,0,\"\",\"Speed\"\n"
                                      "\"quake3\",\"sv_maxrate\",1,1,0,0,\"\",\"Rate cap\"\n"
                                      "\"quake3\",\"sv_maxclients\",1,2,0,0,\"\",\"Clients\"\n"
                                      "\"quake3\",\"sv_maxrate_x\",1,1,0,0,\"\",\"Extra\"\n"
                                      "\"quake3\",\"cg_drawFPS\",0,0,0,0,\"\",\"Frame rate\"\n"));
    return catalogue;
}

TEST(NameCompletion, CompletesAgainstTheCurrentGamesEntries) {
    const Catalogue catalogue = sampleCatalogue();
    struct Case {
        const char* game;
        const char* input;
        const char* expected;
        QStringList printed;
    };
    const Case cases[] = {
        // A unique prefix completes and lists the name.
        {"quake3", "sv_p", "sv_pure", {"\\sv_pure"}},
        // The full name lists it with its help first.
        {"quake3", "sv_pure", "sv_pure", {"\\sv_pure - Pure server", "\\sv_pure"}},
        // The first match wins; a later entry that extends it follows.
        {"quake3", "sv_max", "sv_maxrate_x", {"\\sv_maxrate", "\\sv_maxrate_x"}},
        {"quake3",
         "sv_maxrate",
         "sv_maxrate_x",
         {"\\sv_maxrate - Rate cap", "\\sv_maxrate", "\\sv_maxrate_x"}},
        // Names are lower-cased before comparing, the input is not.
        {"quake3", "cg_draw", "cg_drawFPS", {"\\cg_drawFPS"}},
        {"quake3", "cg_drawfps", "cg_drawFPS", {"\\cg_drawFPS"}},
        {"quake3", "SV_P", "SV_P", {}},
        // Another game's entries are never offered.
        {"quake3", "sv_maxs", "sv_maxs", {}},
        {"quake2", "sv_m", "sv_maxspeed", {"\\sv_maxspeed"}},
        {"", "sv_p", "sv_p", {}},
        // Nothing typed, nothing done; a name longer than any entry too.
        {"quake3", "", "", {}},
        {"quake3", "sv_pure_and_more", "sv_pure_and_more", {}},
    };
    for (const Case& c : cases) {
        const CompletionResult result =
            completeName(catalogue, QString::fromLatin1(c.game), QString::fromLatin1(c.input));
        EXPECT_EQ(result.input, QString::fromLatin1(c.expected)) << c.game << " " << c.input;
        EXPECT_EQ(result.printed, c.printed) << c.game << " " << c.input;
    }
}

} // namespace
} // namespace fennick
