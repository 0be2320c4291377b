#include "customwin/form_json.h"
#include "customwin/form_parser.h"
#include "customwin/form_values.h"
#include "support/qt_print.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

// The combo box lists of these tests: two cvars with enumerations.
QStringList lister(const QString& cvar) {
    if (cvar == QLatin1String("sp_skill"))
        return {"I Can Win", "Bring It On", "Hurt Me Plenty"};
    if (cvar == QLatin1String("r_mode"))
        return {"640x480", "800x600"};
    return {};
}

QJsonObject jsonOf(const char* text) {
    return QJsonDocument::fromJson(QByteArray(text)).object();
}

QJsonObject parsedJson(const char* description) {
    return formJson(parseFormText(QString::fromUtf8(description), lister));
}

// Each description, parsed, prints exactly the expected window: properties
// the description never set are left out.
TEST(FormParser, DescriptionsGiveTheirModels) {
    struct Case {
        const char* what;
        const char* description;
        const char* json;
    };
    const Case cases[] = {
        {"window properties, a property line before any Begin, an unknown key",
         "Caption = \"early\"\nBegin VB.Form Form1\n\tCaption = \"Bots\"\n ClientHeight = 3195\n"
         " ClientWidth=4680\n ClientLeft = 60\n ClientTop = 345\n LinkTopic = \"Form1\"\nEnd\n",
         R"({"caption":"Bots","left":60,"top":345,"width":4680,"height":3195,"controls":[]})"},
        {"no description: the add-on window's own caption", "VERSION 5.00\n",
         R"({"caption":"FK Add-On - No File Loaded","controls":[]})"},
        {"text boxes and labels start empty; each array counts from 1",
         "Begin VB.Form F\n  Begin VB.TextBox Text1\n  End\n  Begin VB.Label L\n  End\n"
         "  Begin VB.TextBox Text2\n  End\nEnd\n",
         R"({"caption":"FK Add-On - No File Loaded","controls":[
            {"kind":"txtTextBox","index":1,"text":""},{"kind":"lblLabel","index":1,"caption":""},
            {"kind":"txtTextBox","index":2,"text":""}]})"},
        {"a control Begin in the first column creates nothing; its lines go to the control before",
         "Begin VB.Form F\n  Begin VB.CommandButton B\n    Caption = \"OK\"\n  End\n"
         "Begin VB.CheckBox C\n    Caption = \"Moved\"\n    Width = 99\n  End\nEnd\n",
         R"({"caption":"FK Add-On - No File Loaded","controls":[
            {"kind":"cmdButton","index":1,"caption":"Moved","width":99}]})"},
        {"unknown kinds create nothing; their lines go to the control before",
         "Begin VB.Form F\n  Begin VB.Label L\n    Caption = \"a\"\n  End\n"
         "  Begin VB.Frame Frame1\n    Caption = \"frame\"\n    Height = 50\n  End\nEnd\n",
         R"({"caption":"FK Add-On - No File Loaded","controls":[
            {"kind":"lblLabel","index":1,"caption":"frame","height":50}]})"},
        {"a checked check box, commented, last in the file, without a cvar",
         "Begin VB.Form F\n  Begin VB.CheckBox Check1\n    Value = 1  'Checked\n  End\nEnd\n",
         R"({"caption":"FK Add-On - No File Loaded","controls":[
            {"kind":"chkCheckBox","index":1,"tag":"\\value\\1\\","value":1}]})"},
        {"a bound text box keeps its Text in the tag only",
         "Begin VB.Form F\n  Begin VB.TextBox T\n    Text = \"typed\"\n"
         "    Tag = \"\\cvar\\name\"\n  End\nEnd\n",
         R"({"caption":"FK Add-On - No File Loaded","controls":[
            {"kind":"txtTextBox","index":1,"text":"","tag":"\\text\\typed\\\\cvar\\name"}]})"},
        {"the text is taken when the next Begin line (a font block) finishes the control",
         "Begin VB.Form F\n  Begin VB.TextBox T\n    Text = \"early\"\n"
         "    BeginProperty Font\n      Name = \"Tahoma\"\n      Size = 9.75\n"
         "      Weight = 400\n    EndProperty\n    Tag = \"\\cvar\\name\"\n  End\nEnd\n",
         R"({"caption":"FK Add-On - No File Loaded","controls":[
            {"kind":"txtTextBox","index":1,"text":"early","tag":"\\text\\early\\\\cvar\\name",
             "fontName":"Tahoma","fontSize":9.75,"bold":false}]})"},
        {"a combo box keeps its height and lists its cvar's display texts in table order",
         "Begin VB.Form F\n  Begin VB.ComboBox C\n    Height = 315\n    Width = 2000\n"
         "    Tag = \"\\cvar\\sp_skill\"\n    Text = \"Combo1\"\n  End\n"
         "  Begin VB.TextBox T\n    Height = 285\n  End\nEnd\n",
         R"({"caption":"FK Add-On - No File Loaded","controls":[
            {"kind":"cmbCombo","index":1,"width":2000,"tag":"\\cvar\\sp_skill\\text\\Combo1\\",
             "list":["I Can Win","Bring It On","Hurt Me Plenty"]},
            {"kind":"txtTextBox","index":1,"text":"","height":285}]})"},
        {"fonts: weight 700 is bold, colours in 0x00BBGGRR or system colours",
         "Begin VB.Form F\n  Begin VB.Label L\n    BackColor = &H00FF0000&\n"
         "    ForeColor = &H80000012&\n    BackStyle = 0 'Transparent\n    Alignment = 2\n"
         "    BeginProperty Font\n      Name = \"MS Sans Serif\"\n      Weight = 700\n"
         "    EndProperty\n  End\n  Begin VB.PictureBox P\n    BackColor = -2147483643\n"
         "    ForeColor = 255\n  End\nEnd\n",
         R"({"caption":"FK Add-On - No File Loaded","controls":[
            {"kind":"lblLabel","index":1,"caption":"","backColor":"#0000ff",
             "foreColor":"system:18","backStyle":0,"alignment":2,"fontName":"MS Sans Serif",
             "bold":true},
            {"kind":"picPicture","index":1,"backColor":"system:5","foreColor":"#ff0000"}]})"},
        {"a slider: range, steps, ticks, value; alignment is no slider property",
         "Begin VB.Form F\n   Begin MSComctlLib.Slider S\n      Min = -5\n      Max = 20\n"
         "      SmallChange = 2\n      LargeChange = 10\n      TickFrequency = 5\n"
         "      Value = 7\n      Alignment = 1\n      ToolTipText = \"Bots' skill\"\n"
         "   End\nEnd\n",
         R"({"caption":"FK Add-On - No File Loaded","controls":[
            {"kind":"sldSlider","index":1,"min":-5,"max":20,"smallChange":2,"largeChange":10,
             "tickFrequency":5,"value":7,"tag":"\\value\\7\\","toolTip":"Bots' skill"}]})"},
        {"text before value: a check box's value is not taken then",
         "Begin VB.Form F\n  Begin VB.CheckBox C\n    Text = \"x\"\n    Value = 1\n  End\nEnd\n",
         R"({"caption":"FK Add-On - No File Loaded","controls":[
            {"kind":"chkCheckBox","index":1,"tag":"\\text\\x\\\\value\\1\\"}]})"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(parsedJson(c.description), jsonOf(c.json))
            << QJsonDocument(parsedJson(c.description)).toJson().toStdString();
    }
}

TEST(FormParser, PropertyValuesAreCleanedAsTheDesignerWritesThem) {
    const struct {
        const char* line;
        const char* key;
        const char* value;
    } cases[] = {
        {"\tCaption\t=\t\"Tab\tbed\"", "caption", "Tabbed"},
        {"  CAPTION = \"a = b\"", "caption", "a = b"},
        {"Value = 1 'Checked", "value", "1"},
        {"Caption = \"Player's name\" 'a comment", "caption", "Player's name"},
        {"Caption = 'not a comment", "caption", "'not a comment"},
        {"Caption = x'y", "caption", "x"},
        {"Tag = \"\\cvar\\r_mode\"", "tag", "\\cvar\\r_mode"},
        {"Caption =", "caption", ""},
    };
    for (const auto& c : cases) {
        const auto property = splitPropertyLine(QString::fromUtf8(c.line));
        ASSERT_TRUE(property) << c.line;
        EXPECT_EQ(property->key, QString::fromUtf8(c.key)) << c.line;
        EXPECT_EQ(property->value, QString::fromUtf8(c.value)) << c.line;
    }
    EXPECT_FALSE(splitPropertyLine(QStringLiteral("Begin VB.Form F")));
}

TEST(FormParser, NumbersAreLeadingNumbersOrHexadecimal) {
    const struct {
        const char* text;
        double number;
    } cases[] = {
        {"&H00FF0000&", 0x00FF0000},
        {"&h10", 16},
        {"&H80000005&", -2147483643.0},
        {"&HFFFFFFFF", -1},
        {"&H1FFFFFFFF", -1},
        {"&Hxyz", 0},
        {"8.25", 8.25},
        {"1440 'twips", 1440},
        {"abc", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formNumber(QString::fromUtf8(c.text)), c.number) << c.text;
    EXPECT_EQ(colourText(formColour(formNumber(QStringLiteral("&H0000FF00&")))),
              QStringLiteral("#00ff00"));
    EXPECT_EQ(colourText(formColour(4294967295.0)), QStringLiteral("system:16777215"));
}

} // namespace
} // namespace fennick
