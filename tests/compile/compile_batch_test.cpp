#include "compile/compile_batch.h"
#include "support/qt_print.h"

#include <gmock/gmock.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

const QString kQ3map = "/q3 dir/Tools/q3map.exe";
const QString kMarker = "/fennick/completed.tmp";

CompilePaths defaultPaths() {
    return compilePaths("/q3 dir/baseq3/maps", "m.map", kQ3map);
}

TEST(CompileBatch, EachOptionWritesTheLinesOfItsLevel) {
    const QString bsp = " \"/q3 dir/baseq3/maps/m.bsp\"";
    const QString tool = "\"/q3 dir/Tools/q3map.exe\"";
    const QString first = tool + " \"/q3 dir/baseq3/maps/m.map\"";
    const QString bspc = "\"/q3 dir/Tools/bspc.exe\" -bsp2aas" + bsp;
    const QString echo = "echo Testing > \"/fennick/completed.tmp\"";
    struct Case {
        int level;
        bool aas;
        QStringList lines;
    };
    const Case cases[] = {
        {1, false, {first, echo}},
        {1, true, {first, bspc, echo}},
        {2, false, {first, tool + " -vis -fast" + bsp, tool + " -light" + bsp, echo}},
        {3, false, {first, tool + " -vis" + bsp, tool + " -light" + bsp, echo}},
        {4, true, {first, tool + " -vis" + bsp, tool + " -light -extra" + bsp, bspc, echo}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        const CompileBatch batch = compileBatchLines(defaultPaths(), {c.level, c.aas}, kMarker);
        EXPECT_THAT(batch.lines, ElementsAreArray(c.lines));
        EXPECT_THAT(batch.notes, IsEmpty());
        EXPECT_TRUE(batch.error.isEmpty());
    }
}

// bspc sits beside q3map: its Windows name replaces "q3map.exe", its
// native name replaces a native "q3map" and joins the folder of any other
// q3map program; a path too short for "q3map.exe" gives none.
TEST(CompileBatch, BspcIsTakenBesideQ3map) {
    struct Case {
        const char* q3map;
        const char* bspc;
    };
    const Case cases[] = {
        {"C:\\q3\\Tools\\q3map.exe", "C:\\q3\\Tools\\bspc.exe"},
        {"/q3/Tools/Q3MAP.EXE", "/q3/Tools/bspc.exe"},
        {"/usr/games/q3map", "/usr/games/bspc"},
        {"/opt/gtk/q3map2", "/opt/gtk/bspc"},
        {"/opt/gtk/q3map2.x86", "/opt/gtk/bspc"},
        {"q3map", "bspc"},
        {"q3.exe", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.q3map);
        const BspcPath found = bspcPathFor(QString::fromUtf8(c.q3map));
        EXPECT_EQ(found.path, QString::fromUtf8(c.bspc));
        EXPECT_EQ(found.why.isEmpty(), !found.path.isEmpty());
    }

    // Without a bspc the bots' line is left out and the batch says why.
    const CompileBatch batch =
        compileBatchLines(compilePaths("/maps", "m.map", "q3"), {1, true}, kMarker);
    EXPECT_THAT(batch.lines,
                ElementsAre("\"q3\" \"/maps/m.map\"", "echo Testing > \"/fennick/completed.tmp\""));
    ASSERT_EQ(batch.notes.size(), 1);
    EXPECT_THAT(batch.notes.first().toStdString(), HasSubstr("too short to hold the name"));
}

// Paths are double-quoted for the shell: the characters it would still
// expand get a backslash. (A line break cannot be carried at all: the
// compiler's and the dialog's tests refuse one.)
TEST(CompileBatch, PathsAreQuotedForTheShellThatRunsTheBatch) {
    const CompileBatch batch =
        compileBatchLines(compilePaths("/a $HOME `id` \"x\"; 'z' %PATH%", "m.map", "/t/a\\b/q3map"),
                          {1, false}, kMarker);
    EXPECT_EQ(batch.lines.value(0),
              "\"/t/a\\\\b/q3map\" \"/a \\$HOME \\`id\\` \\\"x\\\"; 'z' %PATH%/m.map\"");
}

} // namespace
} // namespace fennick
