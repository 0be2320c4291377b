#include "console/cvar_record.h"
#include "console/cvar_store.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;

QStringList names(const CvarStore& store) {
    QStringList out;
    for (const CvarRecord& r : store.records())
        out.append(r.name);
    return out;
}

class CvarStoreTest : public ::testing::Test {
protected:
    CvarStore& store() { return temp.program().cvars; }
    const CvarRecord& record(const char* name) {
        const CvarRecord* r = store().find(QString::fromUtf8(name));
        EXPECT_NE(r, nullptr) << name;
        static const CvarRecord none;
        return r ? *r : none;
    }
    void useCatalogue(const char* text) {
        temp.program().catalogue.loadText(QString::fromUtf8(text));
        temp.program().game.currentGame = QStringLiteral("quake3");
    }

    test::TempProgram temp;
};

TEST_F(CvarStoreTest, NamesDifferingInCaseAreTwoCvars) {
    store().SetCvar(QStringLiteral("Name"), QStringLiteral("1"), 0, 0, QStringLiteral("set"));
    store().SetCvar(QStringLiteral("name"), QStringLiteral("2"), 0, 0, QStringLiteral("set"));
    store().SetCvar(QStringLiteral("Name"), QStringLiteral("3"), 0, 0, QStringLiteral("set"));
    EXPECT_THAT(names(store()), ElementsAre("Name", "name"));
    EXPECT_EQ(store().GetCvar(QStringLiteral("Name")), QStringLiteral("3"));
    EXPECT_EQ(store().GetCvar(QStringLiteral("name")), QStringLiteral("2"));
    EXPECT_EQ(store().GetCvar(QStringLiteral("NAME")), QString());
}

TEST_F(CvarStoreTest, NewCvarsAreAppendedInTheOrderFirstSet) {
    for (const char* n : {"c", "a", "b", "a"})
        store().SetCvar(QString::fromUtf8(n), QStringLiteral("v"), 0, 0, QString());
    EXPECT_THAT(names(store()), ElementsAre("c", "a", "b"));
}

TEST_F(CvarStoreTest, ScopeMinusOneKeepsAnExistingScopeAndMarksANewCvarTemporary) {
    useCatalogue("\"quake3\",\"name\",2,0,0,0,\"\",\"\"\r\n");
    store().SetCvar(QStringLiteral("kept"), QStringLiteral("1"), 1, 0, QStringLiteral("set"));
    store().SetCvar(QStringLiteral("kept"), QStringLiteral("2"), -1, 0, QString());
    EXPECT_EQ(record("kept").scope, 0); // new with scope > -1: the catalogue's, 0 without entry
    store().SetCvar(QStringLiteral("kept"), QStringLiteral("3"), 2, 0, QString());
    EXPECT_EQ(record("kept").scope, 2); // existing: the given scope
    store().SetCvar(QStringLiteral("kept"), QStringLiteral("4"), -1, 0, QString());
    EXPECT_EQ(record("kept").scope, 2); // -1 leaves it alone
    EXPECT_EQ(record("kept").value, QStringLiteral("4"));

    store().SetCvar(QStringLiteral("temp"), QStringLiteral("1"), -1, 0, QString());
    EXPECT_EQ(record("temp").scope, -1);
    // A catalogue entry does not override -1 on a new cvar ...
    store().SetCvar(QStringLiteral("name"), QStringLiteral("x"), -1, 0, QString());
    EXPECT_EQ(record("name").scope, -1);
    // ... but decides every other scope of a new cvar.
    store().DeleteCvar(QStringLiteral("name"));
    store().SetCvar(QStringLiteral("name"), QStringLiteral("x"), 1, 0, QString());
    EXPECT_EQ(record("name").scope, 2);
}

TEST_F(CvarStoreTest, TheFlagDecidesThePlacement) {
    useCatalogue("\"quake3\",\"known\",0,2,0,0,\"\",\"\"\r\n");
    store().SetCvar(QStringLiteral("a"), QStringLiteral("1"), 0, -1, QString());
    store().SetCvar(QStringLiteral("b"), QStringLiteral("1"), 0, 1, QString());
    store().SetCvar(QStringLiteral("c"), QStringLiteral("1"), 0, 0, QString());
    store().SetCvar(QStringLiteral("known"), QStringLiteral("1"), 0, 0, QString());
    EXPECT_EQ(record("a").placement, 0);
    EXPECT_EQ(record("b").placement, -1);
    EXPECT_EQ(record("c").placement, 0);
    EXPECT_EQ(record("known").placement, 2);
    // Existing cvars: -1 and 1 take them off the launch, 0 leaves them.
    store().SetCvar(QStringLiteral("known"), QStringLiteral("2"), 0, 0, QString());
    EXPECT_EQ(record("known").placement, 2);
    store().SetCvar(QStringLiteral("known"), QStringLiteral("3"), 0, -1, QString());
    EXPECT_EQ(record("known").placement, -1);
    store().SetCvar(QStringLiteral("c"), QStringLiteral("2"), 0, 1, QString());
    EXPECT_EQ(record("c").placement, -1);
}

TEST_F(CvarStoreTest, AnEmptyKindKeepsTheStoredKind) {
    store().SetCvar(QStringLiteral("cg_fov"), QStringLiteral("90"), 0, 0, QStringLiteral("seta"));
    store().SetCvar(QStringLiteral("cg_fov"), QStringLiteral("100"), 0, 0, QString());
    EXPECT_EQ(record("cg_fov").kind, QStringLiteral("seta"));
    store().SetCvar(QStringLiteral("cg_fov"), QStringLiteral("110"), 0, 0, QStringLiteral("set"));
    EXPECT_EQ(record("cg_fov").kind, QStringLiteral("set"));
    store().SetCvar(QStringLiteral("plain"), QStringLiteral("1"), 0, 0, QString());
    EXPECT_EQ(record("plain").kind, QString());
}

TEST_F(CvarStoreTest, DeletingMovesTheLastRecordIntoTheGap) {
    for (const char* n : {"first", "second", "third"})
        store().SetCvar(QString::fromUtf8(n), QStringLiteral("v"), 0, 0, QString());
    store().DeleteCvar(QStringLiteral("first"));
    EXPECT_THAT(names(store()), ElementsAre("third", "second"));
    store().DeleteCvar(QStringLiteral("unknown"));
    store().DeleteCvar(QStringLiteral("SECOND"));
    EXPECT_THAT(names(store()), ElementsAre("third", "second"));
    store().DeleteCvar(QStringLiteral("second"));
    EXPECT_THAT(names(store()), ElementsAre("third"));
    store().DeleteCvar(QStringLiteral("third"));
    EXPECT_EQ(store().size(), 0);
    store().DeleteCvar(QStringLiteral("third"));
}

TEST_F(CvarStoreTest, ClearingKeepsOnlyTheUsageCounter) {
    store().SetCvar(QStringLiteral("a"), QStringLiteral("1"), 0, 0, QStringLiteral("set"));
    store().SetCvar(QStringLiteral("fenkit_timesused"), QStringLiteral("17"), 1, 0, QString());
    store().SetCvar(QStringLiteral("b"), QStringLiteral("2"), 0, 0, QStringLiteral("seta"));
    store().ClearCvars();
    ASSERT_THAT(names(store()), ElementsAre("fenkit_timesused"));
    EXPECT_EQ(record("fenkit_timesused").value, QStringLiteral("17"));
    EXPECT_EQ(record("fenkit_timesused").kind, QStringLiteral("set"));
    // Without a counter the store still ends up holding an empty one.
    store().DeleteCvar(QStringLiteral("fenkit_timesused"));
    store().SetCvar(QStringLiteral("x"), QStringLiteral("1"), 0, 0, QString());
    store().ClearCvars();
    ASSERT_THAT(names(store()), ElementsAre("fenkit_timesused"));
    EXPECT_EQ(record("fenkit_timesused").value, QString());
}

TEST_F(CvarStoreTest, UnknownNamesReadAsEmpty) {
    EXPECT_EQ(store().GetCvar(QStringLiteral("nothing")), QString());
    EXPECT_EQ(store().find(QStringLiteral("nothing")), nullptr);
    store().SetCvar(QString(), QStringLiteral("empty name"), 0, 0, QString());
    EXPECT_EQ(store().GetCvar(QString()), QStringLiteral("empty name"));
}

TEST_F(CvarStoreTest, EverySetRebuildsThePreview) {
    int rebuilt = 0;
    store().setChangedHandler([&] { ++rebuilt; });
    store().SetCvar(QStringLiteral("a"), QStringLiteral("1"), 0, 0, QString());
    store().SetCvar(QStringLiteral("a"), QStringLiteral("2"), -1, 1, QString());
    EXPECT_EQ(rebuilt, 2);
    store().DeleteCvar(QStringLiteral("a"));
    EXPECT_EQ(rebuilt, 2);
}

TEST_F(CvarStoreTest, RefreshingIsSuspendedWhileAWindowIsBuilt) {
    temp.program();
    const int before = temp.ui.refreshCount();
    store().RefreshBoundControls();
    EXPECT_EQ(temp.ui.refreshCount(), before + 1);
    store().suspendRefresh();
    store().RefreshBoundControls();
    EXPECT_EQ(temp.ui.refreshCount(), before + 1);
    store().resumeRefresh();
    store().resumeRefresh(); // one resume too many does no harm
    store().RefreshBoundControls();
    EXPECT_EQ(temp.ui.refreshCount(), before + 2);
}

TEST_F(CvarStoreTest, ExtraCommandsAreOnlyAppended) {
    store().AddExtraCommand(QStringLiteral("addbot"), QStringLiteral("Sarge 3 red"), -1);
    store().AddExtraCommand(QStringLiteral("addbot"), QStringLiteral("Sarge 3 red"), -1);
    store().AddExtraCommand(QStringLiteral("kick all"), QString(), 0);
    ASSERT_EQ(store().extraCommands().size(), 3);
    EXPECT_EQ(store().extraCommands()[0].placement, 0);
    EXPECT_EQ(store().extraCommands()[0].scope, -1);
    EXPECT_EQ(store().extraCommands()[2].name, QStringLiteral("kick all"));
    EXPECT_EQ(store().size(), 0);
}

TEST(CvarLine, LineFormOfARecord) {
    const struct {
        const char* kind;
        const char* name;
        const char* value;
        const char* line;
    } cases[] = {
        {"set", "a", "1", "set a 1"},
        {"seta", "name", "two words", "seta name \"two words\""},
        {"set", "a", "x  y", "set a \"x  y\""},
        {"set", "a", " lead", "set a  lead"}, // the only space is the first character
        {"set", "a", "  two", "set a   two"},
        {"set", "a", " lead tail", "set a  lead tail"}, // the first space decides
        {"set", "a", "", "set a "},
        {"set", "a", "tail ", "set a \"tail \""},
        {"map", "map", "q3dm17", "map q3dm17"},
        {"map", "devmap", "q3dm1", "devmap q3dm1"},
        {"map", "connect", "127.0.0.1:27960", "connect 127.0.0.1:27960"},
        {"map", "map", "my map", "map \"my map\""},
        {"", "a", "1", " a 1"}, // an empty kind gives a leading space
        {"bind", "mouse1", "+attack", "bind mouse1 +attack"},
        {"bind", "q", "say hello", "bind q \"say hello\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        CvarRecord r;
        r.kind = QString::fromUtf8(c.kind);
        r.name = QString::fromUtf8(c.name);
        r.value = QString::fromUtf8(c.value);
        EXPECT_EQ(cvarLine(r), QString::fromUtf8(c.line));
    }
}

} // namespace
} // namespace fennick
