#include "app/widgets/desktop_fixture.h"
#include "common/readable_colour.h"
#include "console/widgets/frm_console.h"
#include "customwin/form_parser.h"
#include "customwin/widgets/add_on_windows.h"
#include "support/qt_print.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::Contains;

// A description in the designer's layout: a window of 3000 x 1500 twips
// with one control of each bound kind, a label and two buttons.
const char* const kOptions = R"(VERSION 5.00
Begin VB.Form frmOptions
   Caption         =   "Options"
   ClientHeight    =   1500
   ClientWidth     =   3000
   Begin VB.Label lblTitle
      Caption         =   "&Bots && skill"
      BackColor       =   &H00FF0000&
      ForeColor       =   &H80000005&
      BeginProperty Font
         Name            =   "Tahoma"
         Size            =   9.75
         Weight          =   700
      EndProperty
      Height          =   300
      Left            =   150
      Top             =   0
      Width           =   1500
   End
   Begin MSComctlLib.Slider sldBots
      Height          =   450
      Left            =   150
      Top             =   300
      Width           =   1500
      Max             =   16
      Tag             =   "\cvar\Fenkit_Bots"
      ToolTipText     =   "<b>bots</b>"
   End
   Begin VB.TextBox txtName
      Height          =   300
      Left            =   150
      Top             =   750
      Width           =   1500
      Tag             =   "\cvar\name"
   End
   Begin VB.ComboBox cmbSkill
      Height          =   9999
      Left            =   1650
      Top             =   0
      Tag             =   "\cvar\sp_skill"
   End
   Begin VB.CheckBox chkBots
      Caption         =   "Allowed"
      Left            =   1650
      Top             =   750
      Tag             =   "\cvar\g_friendlyfire"
   End
   Begin VB.CommandButton cmdRun
      Caption         =   "Run"
      Tag             =   "\action\set fraglimit 20"
   End
   Begin VB.CommandButton cmdClose
      Caption         =   "Close"
      Tag             =   "\action\HideForm"
   End
End
)";

class AddOnWindowTest : public ::testing::Test {
protected:
    AddOnWindowTest() {
        fixture.ui.attach(program.console, &console);
        fixture.ui.attachCustomWindows(windows);
        program.game.currentGame = QStringLiteral("quake3");
        program.enums.loadText(QStringLiteral("quake3,sp_skill,\"I Can Win\",1\r\n"
                                              "quake3,sp_skill,\"Hurt Me Plenty\",3\r\n"));
        write(QStringLiteral("Forms/options.frm"), kOptions);
    }
    void write(const QString& relative, const QByteArray& bytes) {
        QFile file(fixture.touch(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    fkAddOn* load() {
        program.interpreter.ExecuteLine(QStringLiteral("loadform options.frm"), false);
        return windows.openWindows().isEmpty() ? nullptr : windows.openWindows().last();
    }
    template <typename T> static T* child(fkAddOn* window, const char* name) {
        T* widget = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString cvar(const char* name) { return program.cvars.GetCvar(QLatin1String(name)); }

    test::DesktopFixture fixture;
    Program& program = *fixture.program;
    frmConsole console{program.core, program.interpreter, program.catalogue};
    AddOnWindows windows{program.formServices(), console};
};

TEST_F(AddOnWindowTest, TheWindowLooksAsDescribed) {
    fkAddOn* window = load();
    ASSERT_NE(window, nullptr);
    const QScreen* screen = window->screen();
    const TwipScale scale =
        TwipScale::forDpi(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Options"));
    EXPECT_EQ(window->size(), QSize(scale.pixelsX(3000), scale.pixelsY(1500) + 20));

    auto* title = child<QLabel>(window, "lblLabel_1");
    EXPECT_EQ(title->text(), QStringLiteral("Bots & skill"));
    EXPECT_EQ(title->geometry(),
              QRect(scale.pixelsX(150), 0, scale.pixelsX(1500), scale.pixelsY(300)));
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(title->font().pointSizeF(), 9.75);
    EXPECT_THAT(title->font().families(), Contains(QStringLiteral("Liberation Sans")));
    EXPECT_EQ(title->palette().color(QPalette::Window), QColor(0, 0, 255));
    // The window-background colour it names is kept readable on the blue.
    EXPECT_EQ(title->palette().color(QPalette::WindowText),
              readableOn(window->palette().color(QPalette::Base), QColor(0, 0, 255)));

    auto* combo = child<QComboBox>(window, "cmbCombo_1");
    EXPECT_EQ(combo->height(), combo->sizeHint().height()); // its own height, not 9999 twips
    EXPECT_EQ(combo->count(), 2);
    auto* slider = child<QSlider>(window, "sldSlider_1");
    EXPECT_EQ(slider->maximum(), 16);
    EXPECT_EQ(slider->toolTip(), QStringLiteral("<span>&lt;b&gt;bots&lt;/b&gt;</span>"));
    EXPECT_FALSE(child<QLineEdit>(window, "txtTextBox_1")->hasFrame());
    EXPECT_EQ(console.findChild<QLabel*>(QStringLiteral("Label3"))->text(),
              QStringLiteral("LoadForm : 0.00 seconds"));
}

// Two windows of one description: what the user changes in one reaches the
// cvar and the other window; what the console sets reaches both.
TEST_F(AddOnWindowTest, BoundControlsOfEveryWindowFollowTheirCvars) {
    program.interpreter.ExecuteLine(QStringLiteral("set name Visor|set sp_skill 3"), false);
    fkAddOn* first = load();
    fkAddOn* second = load();
    ASSERT_TRUE(first && second && first != second);
    EXPECT_EQ(child<QLineEdit>(second, "txtTextBox_1")->text(), QStringLiteral("Visor"));
    EXPECT_EQ(child<QComboBox>(second, "cmbCombo_1")->currentText(),
              QStringLiteral("Hurt Me Plenty"));

    child<QSlider>(first, "sldSlider_1")->setValue(5);
    EXPECT_EQ(cvar("fenkit_bots"), QStringLiteral("5")); // stored lower-cased
    EXPECT_EQ(child<QSlider>(second, "sldSlider_1")->value(), 5);

    QTest::mouseClick(child<QCheckBox>(second, "chkCheckBox_1"), Qt::LeftButton);
    EXPECT_EQ(cvar("g_friendlyfire"), QStringLiteral("1"));
    EXPECT_TRUE(child<QCheckBox>(first, "chkCheckBox_1")->isChecked());

    child<QComboBox>(first, "cmbCombo_1")->setCurrentIndex(0);
    EXPECT_EQ(cvar("sp_skill"), QStringLiteral("1"));
    EXPECT_EQ(child<QComboBox>(second, "cmbCombo_1")->currentText(), QStringLiteral("I Can Win"));

    auto* name = child<QLineEdit>(first, "txtTextBox_1");
    name->clear();
    EXPECT_EQ(program.cvars.find(QStringLiteral("name")), nullptr);
    QTest::keyClicks(name, QStringLiteral("Big Fish"));
    EXPECT_EQ(cvar("name"), QStringLiteral("Big Fish"));
    EXPECT_EQ(program.cvars.find(QStringLiteral("name"))->kind, QStringLiteral("set"));

    program.interpreter.ExecuteLine(QStringLiteral("set fenkit_bots 99|set g_friendlyfire 0"),
                                    false);
    for (fkAddOn* window : {first, second}) {
        EXPECT_EQ(child<QSlider>(window, "sldSlider_1")->value(), 16); // shown within its range
        EXPECT_FALSE(child<QCheckBox>(window, "chkCheckBox_1")->isChecked());
        EXPECT_EQ(child<QLineEdit>(window, "txtTextBox_1")->text(), QStringLiteral("Big Fish"));
    }
    EXPECT_EQ(cvar("fenkit_bots"), QStringLiteral("99")); // showing it wrote nothing back
}

TEST_F(AddOnWindowTest, ButtonsRunTheirActionOrCloseTheWindow) {
    fkAddOn* window = load();
    ASSERT_NE(window, nullptr);
    const qsizetype before = program.console.lines().size();
    QTest::mouseClick(child<QPushButton>(window, "cmdButton_1"), Qt::LeftButton);
    EXPECT_EQ(program.console.lines().mid(before),
              QStringList({">set fraglimit 20", "CVar Set. (set fraglimit 20)"}));

    const qsizetype cvars = program.cvars.size();
    QTest::mouseClick(child<QPushButton>(window, "cmdButton_2"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(windows.openWindows().isEmpty());
    EXPECT_EQ(program.cvars.size(), cvars);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(AddOnWindowTest, ATextBoxShowsItsBorderWhileItHasTheFocus) {
    fkAddOn* window = load();
    auto* edit = child<QLineEdit>(window, "txtTextBox_1");
    QFocusEvent in(QEvent::FocusIn), out(QEvent::FocusOut);
    QCoreApplication::sendEvent(edit, &in);
    EXPECT_TRUE(edit->hasFrame());
    QCoreApplication::sendEvent(edit, &out);
    EXPECT_FALSE(edit->hasFrame());
}

TEST_F(AddOnWindowTest, MissingAndHostileDescriptions) {
    EXPECT_EQ(windows.LoadForm(fixture.path(QStringLiteral("Forms/none.frm"))), nullptr);
    EXPECT_EQ(console.findChild<QLabel*>(QStringLiteral("Label3"))->text(),
              QStringLiteral("Window load time"));

    QByteArray text = "Begin VB.Form F\n ClientWidth = 9e99\n ClientHeight = 9e99\n";
    for (int i = 0; i < 20000; ++i)
        text += "  Begin MSComctlLib.Slider S\n   Min = -1e12\n   Max = 1e12\n"
                "   TickFrequency = 1\n   Width = -40\n   Tag = \\cvar\\x\n";
    write(QStringLiteral("Forms/hostile.frm"), text);
    fkAddOn* window = windows.LoadForm(fixture.path(QStringLiteral("Forms/hostile.frm")));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->findChildren<QSlider*>().size(), FormLimits::kMaxControls);
    EXPECT_LE(window->width(), 4096);
    program.interpreter.ExecuteLine(QStringLiteral("set x 3"), false);
    EXPECT_EQ(window->findChild<QSlider*>()->value(), 3);
}

} // namespace
} // namespace fennick
