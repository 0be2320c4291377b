#include "console/cvar_record.h"
#include "console/cvar_store.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;

class CvarStoreTest : public ::testing::Test {
protected:
    CvarStore& store() { return temp.program().cvars; }
    void set(const char* name, const char* value, int scope = 0, int flag = 0,
             const char* kind = "") {
        store().SetCvar(QString::fromUtf8(name), QString::fromUtf8(value), scope, flag,
                        QString::fromUtf8(kind));
    }
    const CvarRecord& record(const char* name) {
        const CvarRecord* r = store().find(QString::fromUtf8(name));
        EXPECT_NE(r, nullptr) << name;
        static const CvarRecord none;
        return r ? *r : none;
    }
    QStringList names() {
        QStringList out;
        for (const CvarRecord& r : store().records())
            out.append(r.name);
        return out;
    }
    void useCatalogue(const char* text) {
        temp.program().catalogue.loadText(QString::fromUtf8(text));
        temp.program().game.currentGame = "quake3";
    }

    test::TempProgram temp;
};

// Names are exact (case counts), new cvars are appended in the order first
// set, unknown names read as empty and the empty name is a name.
TEST_F(CvarStoreTest, NamesAreExactAndKeptInTheOrderFirstSet) {
    for (const char* n : {"c", "Name", "name", "Name", "c"})
        set(n, QByteArray::number(store().size()).constData());
    set("", "empty name");
    EXPECT_THAT(names(), ElementsAre("c", "Name", "name", ""));
    EXPECT_EQ(store().GetCvar("c"), "3");
    EXPECT_EQ(store().GetCvar("Name"), "3");
    EXPECT_EQ(store().GetCvar("name"), "2");
    EXPECT_EQ(store().GetCvar("NAME"), QString());
    EXPECT_EQ(store().find("nothing"), nullptr);
    EXPECT_EQ(store().GetCvar(QString()), "empty name");
}

// Scope -1 marks a new cvar temporary and leaves an existing one's scope;
// any other scope is the catalogue's (0 without an entry), also for a cvar
// set again, so a saved setting stays in its file from one load to the next. The
// flag -1 or 1 takes an existing cvar off the launch; on a new one, 1 does,
// -1 puts it on, 0 takes the catalogue's placement. An empty kind keeps
// the stored one.
TEST_F(CvarStoreTest, SetDecidesScopePlacementAndKind) {
    useCatalogue("\"quake3\",\"name\",2,0,0,0,\"\",\"\"\r\n"
                 "\"quake3\",\"known\",2,2,0,0,\"\",\"\"\r\n");
    const struct {
        const char* name;
        int scope, flag;
        const char* kind;
        const char* record; // scope, placement and kind afterwards
    } steps[] = {
        {"kept", 1, 0, "set", "0 0 set"},   {"kept", -1, 0, "", "0 0 set"},
        {"kept", 2, 0, "seta", "0 0 seta"}, {"kept", -1, 1, "", "0 -1 seta"},
        {"temp", -1, 0, "", "-1 0 "},       {"name", -1, 0, "", "-1 0 "},
        {"name", 0, 0, "", "2 0 "},         {"known", 1, 0, "", "2 2 "},
        {"known", 0, 0, "", "2 2 "},        {"known", -1, -1, "", "2 -1 "},
        {"a", 0, -1, "", "0 0 "},           {"b", 0, 1, "", "0 -1 "},
    };
    int n = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(n);
        const QByteArray value = QByteArray::number(++n);
        set(step.name, value.constData(), step.scope, step.flag, step.kind);
        const CvarRecord& r = record(step.name);
        EXPECT_EQ(QStringLiteral("%1 %2 ").arg(r.scope).arg(r.placement) + r.kind, step.record);
        EXPECT_EQ(r.value, QString::fromLatin1(value));
    }
}

TEST_F(CvarStoreTest, DeletingMovesTheLastRecordIntoTheGap) {
    for (const char* n : {"first", "second", "third"})
        set(n, "v");
    store().DeleteCvar("first");
    EXPECT_THAT(names(), ElementsAre("third", "second"));
    set("third", "moved"); // found in its new slot, not added again
    EXPECT_THAT(names(), ElementsAre("third", "second"));
    EXPECT_EQ(store().GetCvar("third"), "moved");
    store().DeleteCvar("unknown");
    store().DeleteCvar("SECOND");
    EXPECT_THAT(names(), ElementsAre("third", "second"));
    store().DeleteCvar("second");
    EXPECT_THAT(names(), ElementsAre("third"));
    store().DeleteCvar("third");
    EXPECT_EQ(store().size(), 0);
    store().DeleteCvar("third");
}

// Clearing keeps only the usage counter, as a "set" line, and makes an
// empty one when there was none.
TEST_F(CvarStoreTest, ClearingKeepsOnlyTheUsageCounter) {
    set("a", "1", 0, 0, "seta");
    set("fenkit_timesused", "17", 1);
    store().ClearCvars();
    ASSERT_THAT(names(), ElementsAre("fenkit_timesused"));
    EXPECT_EQ(record("fenkit_timesused").value + record("fenkit_timesused").kind, "17set");
    store().DeleteCvar("fenkit_timesused");
    set("x", "1");
    store().ClearCvars();
    ASSERT_THAT(names(), ElementsAre("fenkit_timesused"));
    EXPECT_EQ(record("fenkit_timesused").value, QString());
}

// Every set rebuilds the preview (a delete does not); refreshing the bound
// controls waits while a window is built.
TEST_F(CvarStoreTest, SetsRebuildThePreviewAndRefreshesCanBeSuspended) {
    int rebuilt = 0;
    store().setChangedHandler([&] { ++rebuilt; });
    set("a", "1");
    set("a", "2", -1, 1);
    store().DeleteCvar("a");
    EXPECT_EQ(rebuilt, 2);

    const int before = temp.ui.refreshCount();
    store().RefreshBoundControls();
    store().suspendRefresh();
    store().RefreshBoundControls();
    EXPECT_EQ(temp.ui.refreshCount(), before + 1);
    store().resumeRefresh();
    store().resumeRefresh(); // one resume too many does no harm
    store().RefreshBoundControls();
    EXPECT_EQ(temp.ui.refreshCount(), before + 2);
}

// A hold (a file load) puts the rebuilds off to one at its end; a removal
// or a clearing first shows the store as it was, and a change made while
// the rebuild runs asks for no other.
TEST_F(CvarStoreTest, AHoldRebuildsOnceAtItsEnd) {
    QStringList seen;
    store().setChangedHandler([&] {
        seen.append(names().join(','));
        set("during", "x");
    });
    {
        const ChangeHold outer(store());
        set("a", "1");
        {
            const ChangeHold inner(store());
            set("b", "1");
        }
        EXPECT_TRUE(seen.isEmpty());
        store().DeleteCvar("a");
        set("c", "1");
        set("d", "1");
        store().settleChanges();
        store().settleChanges();
        set("e", "1");
        store().ClearCvars();
    }
    EXPECT_THAT(seen, ElementsAre("a,b", "during,b,c,d", "during,b,c,d,e", "fenkit_timesused"));
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
        // A space after the first character needs quotes to read back.
        {"set", "a", "  two", "set a \"  two\""},
        {"set", "a", " lead tail", "set a \" lead tail\""},
        {"set", "a", "say \"hi\" there", "set a \"say 'hi' there\""},
        {"set", "a", "x\"y", "set a x'y"},
        {"set", "a", "", "set a "},
        {"set", "a", "tail ", "set a \"tail \""},
        {"map", "map", "q3dm17", "map q3dm17"},
        {"map", "devmap", "q3dm1", "devmap q3dm1"},
        {"map", "connect", "127.0.0.1:27960", "connect 127.0.0.1:27960"},
        {"map", "map", "my map", "map \"my map\""},
        {"", "a", "1", " a 1"}, // an empty kind gives a leading space
        {"bind", "mouse1", "+attack", "bind mouse1 +attack"},
        {"bind", "q", "say hello", "bind q \"say hello\""},
        {"bind", "w", "+fwd;wait", "bind w \"+fwd;wait\""},
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
