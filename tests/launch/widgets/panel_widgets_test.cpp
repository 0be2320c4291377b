#include "../launch_fixture.h"
#include "launch/widgets/launch_button.h"
#include "launch/widgets/mod_panel_view.h"
#include "launch/widgets/video_controls.h"
#include "platform/desktop_services.h"
#include "platform/display_modes.h"

#include <QBuffer>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTest>
#include <gmock/gmock.h>

namespace fennick::test {
namespace {

using ::testing::ElementsAre;

// The panel's widgets in one window over a program with the three fake
// games; Quake III has the described mod "cpma" with two configurations.
class PanelWidgetsTest : public LaunchFixture {
protected:
    void SetUp() override {
        LaunchFixture::SetUp();
        Program& p = program();
        p.interpreter.videoHook = [&p](const QString& name, const QString& value) {
            p.video.VideoCvarChanged(name, value);
        };
        temp.writeFile("config/q3_general.cfg", {"set com_hunkmegs 256"});
        temp.writeFile("config/q3_cpma_0.fkc",
                       configurationFile("CPMA Pro", "Duel", {"set fraglimit 15", "map q3dm17"}));
        temp.writeFile("config/q3_cpma_1.fkc",
                       configurationFile("CPMA Pro", "Team", {"set g_gametype 3"}));
        const QString cpma = folderOf("quake3") + "/cpma/";
        temp.writeBytes(cpma + "readme.txt", "x");
        temp.writeBytes(cpma + "cpma.ico", iconBytes());
        p.video.BuildResolutionList(
            platform::FixedDisplayModes({{800, 600, 32}, {1024, 768, 32}}, 1024));

        window.resize(ModPanelView::kWidth, ModPanelView::kHeight + 40);
        new ModPanelView(p.mods, p.panel, &window);
        auto* video = new VideoControls(p.video, &window);
        video->move(0, ModPanelView::kHeight);
        auto* launch = new LaunchButton(p.launcher, p.status, p.preview, &window);
        launch->setGeometry(380, ModPanelView::kHeight, 112, 26);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        temp.takeConsole();
    }

    static QByteArray iconBytes() {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::red);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "ICO");
        return bytes;
    }

    template <typename T> T* child(const char* name) {
        T* found = window.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString cvar(const char* name) { return program().cvars.GetCvar(QLatin1String(name)); }
    int loads() {
        return static_cast<int>(temp.takeConsole().filter(QStringLiteral("Loaded ")).size());
    }

    void clickItem(QListView* list, int row) {
        const QRect area = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, area.center());
    }
    // Opens the combo's list and clicks the entry, as the user does.
    void pick(QComboBox* combo, const QString& text) {
        const int row = combo->findText(text);
        ASSERT_GE(row, 0) << text.toStdString();
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
        const QRect area = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, area.center());
    }
    static QStringList entries(QComboBox* combo) {
        QStringList out;
        for (int i = 0; i < combo->count(); ++i)
            out.append(combo->itemText(i));
        return out;
    }

    QWidget window;
};

TEST_F(PanelWidgetsTest, ClickingAModShowsItsConfigurationsAndLoadsTheFirst) {
    program().switcher.SwitchGame("quake3");
    auto* list = child<QListView>("ListView1");
    auto* combo = child<QComboBox>("Combo1");
    auto* description = child<QLineEdit>("Text1");
    auto* files = child<QListWidget>("File1");
    auto* icon = child<QLabel>("picIco");
    ASSERT_TRUE(list && combo && description && files && icon);
    ASSERT_EQ(list->model()->rowCount(), 2);
    EXPECT_EQ(list->currentIndex().row(), 1); // the plain game
    EXPECT_FALSE(description->isEnabled());
    const QImage ownIcon = icon->pixmap().toImage();
    loads();

    clickItem(list, 0);
    EXPECT_EQ(program().game.currentModKey, "cpma");
    EXPECT_THAT(entries(combo), ElementsAre("Duel", "Team"));
    EXPECT_EQ(combo->currentText(), "Duel");
    EXPECT_EQ(cvar("fraglimit"), "15");
    EXPECT_EQ(cvar("com_hunkmegs"), "256");
    // The general file, then the configuration with its own general file.
    EXPECT_EQ(loads(), 3);
    EXPECT_EQ(description->text(), "CPMA Pro");
    EXPECT_TRUE(description->isEnabled());
    ASSERT_EQ(files->count(), 1);
    EXPECT_EQ(files->item(0)->text(), "readme.txt");
    EXPECT_NE(icon->pixmap().toImage(), ownIcon); // the mod's own icon

    // A pick from the combo loads that configuration once.
    pick(combo, "Team");
    EXPECT_EQ(cvar("g_gametype"), "3");
    EXPECT_EQ(cvar("fraglimit"), "");
    EXPECT_EQ(loads(), 2);

    // A click on the mod already chosen chooses it afresh.
    program().interpreter.ExecuteLine("set fraglimit 99", false);
    clickItem(list, 0);
    EXPECT_EQ(cvar("fraglimit"), "15");
    EXPECT_EQ(combo->currentText(), "Duel");

    // Double-clicked documents open through the desktop.
    RecordingDesktop desktop;
    program().mods.setDesktopServices(&desktop);
    const QPoint document = files->visualItemRect(files->item(0)).center();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, document);
    QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, document);
    EXPECT_EQ(
        desktop.opened,
        QStringList{"default " + QDir::toNativeSeparators(gameDir("quake3") + "/cpma/readme.txt")});
    program().mods.setDesktopServices(nullptr);

    // Keys move through the list and choose as they go.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(program().game.currentModKey, "quake3");
    EXPECT_FALSE(description->isEnabled());
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(program().game.currentModKey, "cpma");

    // The description typed is the one the next save writes.
    description->setFocus();
    QTest::keyClick(description, Qt::Key_End);
    QTest::keyClicks(description, " 2");
    EXPECT_EQ(program().panel.description(), "CPMA Pro 2");
}

TEST_F(PanelWidgetsTest, TypingAConfigurationNameLoadsOnlyAKnownOneWhenDone) {
    program().switcher.SwitchGame("quake3");
    clickItem(child<QListView>("ListView1"), 0);
    auto* combo = child<QComboBox>("Combo1");
    ASSERT_TRUE(combo);
    program().interpreter.ExecuteLine("set fraglimit 40", false);
    loads();

    // On its way the new name passes "Duel"; the settings being renamed stay.
    QLineEdit* edit = combo->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "Duel copy");
    EXPECT_EQ(program().panel.configurationText(), "Duel copy");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(loads(), 0);
    EXPECT_EQ(cvar("fraglimit"), "40");
    EXPECT_EQ(combo->count(), 2); // a typed name is no entry

    // A known name loads when the typing ends, once.
    edit->selectAll();
    QTest::keyClicks(edit, "Team");
    EXPECT_EQ(loads(), 0);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(loads(), 2);
    EXPECT_EQ(cvar("g_gametype"), "3");
    EXPECT_EQ(cvar("fraglimit"), "");
    combo->clearFocus();
    EXPECT_EQ(loads(), 0);
}

TEST_F(PanelWidgetsTest, TheResolutionSelectorAndTheGamesCvarsFollowEachOther) {
    program().switcher.SwitchGame("quake3");
    auto* selector = child<QComboBox>("cmbResolution");
    ASSERT_TRUE(selector);
    EXPECT_THAT(entries(selector),
                ElementsAre("Fullscreen - 800x600", "Fullscreen - 1024x768", "Windowed - 320x240",
                            "Windowed - 400x300", "Windowed - 512x384", "Windowed - 640x480",
                            "Windowed - 800x600", "Windowed - 960x720", "Windowed - 1024x768",
                            "Windowed - 856x480"));

    pick(selector, "Windowed - 800x600");
    EXPECT_EQ(cvar("r_fullscreen"), "0");
    EXPECT_EQ(cvar("r_mode"), "4");
    EXPECT_EQ(cvar("fenkit_mode"), "Windowed - 800x600");

    // A configuration that sets the game's cvars shows its entry.
    program().interpreter.ExecuteLine("set r_fullscreen 1", false);
    program().interpreter.ExecuteLine("set r_mode 6", false);
    EXPECT_EQ(selector->currentText(), "Fullscreen - 1024x768");

    // A typed mode counts when the typing ends.
    selector->lineEdit()->setFocus();
    selector->lineEdit()->selectAll();
    QTest::keyClicks(selector->lineEdit(), "Windowed - 640x480");
    EXPECT_EQ(cvar("r_mode"), "6");
    QTest::keyClick(selector->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(cvar("r_mode"), "3");
    EXPECT_EQ(cvar("r_fullscreen"), "0");

    // A size the list does not hold is refused, and the mode stays.
    selector->lineEdit()->selectAll();
    QTest::keyClicks(selector->lineEdit(), "Windowed - 1600x900");
    QTest::keyClick(selector->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(cvar("r_mode"), "3");
    EXPECT_EQ(cvar("fenkit_mode"), "Windowed - 640x480");
    EXPECT_EQ(selector->currentText(), "Windowed - 640x480");
    EXPECT_EQ(program().status.queuedText,
              "\"Windowed - 1600x900\" is not a screen mode of the list");

    // Quake II's list is its own.
    program().switcher.SwitchGame("quake2");
    EXPECT_EQ(entries(selector).value(2), "Windowed - 320x240");
    EXPECT_EQ(selector->findText("Windowed - 856x480"), -1);
}

TEST_F(PanelWidgetsTest, TheRendererPictureTogglesQuake2sRenderer) {
    auto* picture = child<QLabel>("pic3DMode");
    ASSERT_TRUE(picture);
    program().switcher.SwitchGame("quake2");
    EXPECT_EQ(cvar("vid_ref"), "gl");
    EXPECT_EQ(cvar("gl_driver"), "opengl32");
    const QImage openGl = picture->pixmap().toImage();
    ASSERT_FALSE(openGl.isNull());

    QTest::mouseClick(picture, Qt::LeftButton);
    EXPECT_EQ(cvar("vid_ref"), "soft");
    const QImage software = picture->pixmap().toImage();
    EXPECT_NE(software, openGl);
    QTest::mouseClick(picture, Qt::LeftButton);
    EXPECT_EQ(cvar("vid_ref"), "gl");
    EXPECT_EQ(cvar("gl_driver"), "opengl32");
    EXPECT_EQ(picture->pixmap().toImage(), openGl);

    // Quake III always shows OpenGL and a click changes nothing; Quake
    // shows no picture.
    program().switcher.SwitchGame("quake3");
    QTest::mouseClick(picture, Qt::LeftButton);
    EXPECT_EQ(picture->pixmap().toImage(), openGl);
    EXPECT_EQ(cvar("vid_ref"), "");
    program().switcher.SwitchGame("quake1");
    EXPECT_TRUE(picture->pixmap().isNull());
}

// A click on the button launching the game is the main window's test.
TEST_F(PanelWidgetsTest, PointingAtTheLaunchButtonShowsTheCommandLine) {
    program().switcher.SwitchGame("quake3");
    clickItem(child<QListView>("ListView1"), 0);
    auto* button = child<LaunchButton>("Command1");
    ASSERT_TRUE(button);
    QTest::mouseMove(button, button->rect().center());
    EXPECT_EQ(program().status.queuedText, program().preview.commandLine);
    EXPECT_EQ(program().status.queuedSeconds, 2);
    EXPECT_TRUE(program().preview.commandLine.startsWith(gameDir("quake3") +
                                                         "/quake3.exe +set fs_game cpma"));
}

} // namespace
} // namespace fennick::test
