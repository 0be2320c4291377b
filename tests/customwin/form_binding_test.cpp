#include "customwin/form_binding.h"
#include "customwin/headless_forms.h"
#include "support/qt_print.h"
#include "support/temp_program.h"

#include <QJsonArray>
#include <QJsonObject>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;

class FormBindingTest : public ::testing::Test {
protected:
    FormBindingTest() {
        program.game.currentGame = QStringLiteral("quake3");
        program.enums.loadText(QStringLiteral("quake3,sp_skill,\"I Can Win\",1\r\n"
                                              "quake3,sp_skill,\"Hurt Me Plenty\",3\r\n"
                                              "quake1,sp_skill,\"Easy\",0\r\n"));
        temp.ui.attach(headless);
    }
    void execute(const QString& line) { program.interpreter.ExecuteLine(line, false); }
    QString kindOf(const char* name) {
        const CvarRecord* record = program.cvars.find(QLatin1String(name));
        return record ? record->kind : QStringLiteral("(none)");
    }

    test::TempProgram temp;
    Program& program = temp.program();
    FormBinding binding{program.cvars, program.enums, program.game.currentGame};
    HeadlessForms headless{program.formServices()};
};

// What each change handler executes, and what that leaves in the store.
TEST_F(FormBindingTest, ChangeHandlersSetTheCvarThroughTheInterpreter) {
    const struct {
        QString line;
        const char* name;
        const char* value; // nullptr: the cvar does not exist
    } cases[] = {
        {FormBinding::numberLine("Bot_Enable", 1), "bot_enable", "1"}, // name lower-cased
        {FormBinding::textBoxLine("name", "Big Fish"), "name", "Big Fish"},
        {FormBinding::textBoxLine("name", "say \"hi\""), "name", "say "},
        {FormBinding::textBoxLine("name", ""), "name", nullptr},
        {binding.comboLine("sp_skill", "Hurt Me Plenty"), "sp_skill", "3"},
        {binding.comboLine("sp_skill", "Easy"), "sp_skill", "Easy"}, // another game's text
    };
    for (const auto& c : cases) {
        execute(c.line);
        if (c.value)
            EXPECT_EQ(program.cvars.GetCvar(QLatin1String(c.name)), QLatin1String(c.value))
                << c.line.toStdString();
        else
            EXPECT_EQ(program.cvars.find(QLatin1String(c.name)), nullptr) << c.line.toStdString();
    }
    // A deleted cvar typed again comes back as a "set".
    execute(FormBinding::textBoxLine("name", "x"));
    EXPECT_EQ(kindOf("name"), QStringLiteral("set"));
}

// A control bound to "Fenkit_Bots" stores "fenkit_bots"; it shows that
// cvar, and the one spelled as in its tag only while the other is absent.
TEST_F(FormBindingTest, ATagWithCapitalsShowsWhatItsControlStored) {
    const QString tag = QStringLiteral("Fenkit_Bots");
    const struct {
        const char* line;
        double shown;
    } steps[] = {{"set Fenkit_Bots 2", 2}, {"fenkit_bots 5", 5}, {"set Fenkit_Bots 7", 5}};
    for (const auto& step : steps) {
        execute(QLatin1String(step.line));
        EXPECT_EQ(binding.shownNumber(tag), step.shown) << step.line;
    }
}

TEST_F(FormBindingTest, OnlyHideformInAnyCaseClosesTheWindow) {
    for (const char* action : {"hideform", "HideForm", "HIDEFORM"})
        EXPECT_TRUE(FormBinding::closesWindow(QLatin1String(action))) << action;
    for (const char* action : {"", "hideform ", "openconsole", "hideform|x"})
        EXPECT_FALSE(FormBinding::closesWindow(QLatin1String(action))) << action;
}

// Without a display, "loadform" keeps the window's model; every later
// refresh gives its bound controls the cvars' current values.
TEST_F(FormBindingTest, HeadlessWindowsFollowTheirCvars) {
    temp.writeFile(QStringLiteral("Forms/bots.frm"),
                   {"Begin VB.Form F", "  Begin VB.TextBox T", "    Text = \"shown\"",
                    "    Tag = \"\\cvar\\name\"", "  End", "  Begin VB.ComboBox C",
                    "    Tag = \"\\cvar\\sp_skill\"", "  End", "  Begin MSComctlLib.Slider S",
                    "    Tag = \"\\cvar\\fenkit_bots\"", "  End", "  Begin VB.CheckBox K",
                    "    Value = 1", "  End", "End"});
    execute(QStringLiteral("set name Visor"));
    execute(QStringLiteral("loadform BOTS.FRM"));
    execute(QStringLiteral("loadform missing.frm"));
    execute(QStringLiteral("set sp_skill 3|set fenkit_bots 4.6xyz"));

    const QJsonArray forms = headless.json();
    ASSERT_EQ(forms.size(), 1);
    const QJsonObject form = forms[0].toObject();
    EXPECT_EQ(form[QStringLiteral("file")].toString(), temp.path("Forms/bots.frm"));
    const QJsonArray controls = form[QStringLiteral("controls")].toArray();
    ASSERT_EQ(controls.size(), 4);
    EXPECT_EQ(controls[0][QStringLiteral("text")].toString(), QStringLiteral("Visor"));
    EXPECT_EQ(controls[1][QStringLiteral("text")].toString(), QStringLiteral("Hurt Me Plenty"));
    EXPECT_EQ(controls[1][QStringLiteral("list")].toArray().size(), 2);
    EXPECT_EQ(controls[2][QStringLiteral("value")].toDouble(), 4.6);
    EXPECT_EQ(controls[3][QStringLiteral("value")].toDouble(), 1); // unbound: its own value
    EXPECT_THAT(temp.ui.reports(),
                ElementsAre("would open the custom window " + temp.path("Forms/BOTS.FRM") +
                                " (\"FK Add-On - No File Loaded\", 4 controls)",
                            "would open the custom window " + temp.path("Forms/missing.frm") +
                                ", but it cannot be loaded"));
}

} // namespace
} // namespace fennick
