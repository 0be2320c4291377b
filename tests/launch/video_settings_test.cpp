#include "launch/video_settings.h"
#include "platform/display_modes.h"
#include "support/qt_print.h"
#include "support/temp_program.h"
#include "ui/qt_display_modes.h"

#include <QSignalSpy>
#include <array>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;
using Picture = VideoSettings::RendererPicture;

TEST(ResolutionEntries, FollowTheGameTheAdapterAndTheDesktopWidth) {
    using platform::DisplayMode;
    struct Case {
        const char* what;
        const char* game;
        QList<DisplayMode> modes;
        int desktopWidth;
        QStringList expected;
    };
    const QList<Case> cases = {
        {"Quake III: 1280x1024 is a mode, 1280x960 is not",
         "quake3",
         {{640, 480, 32}, {1280, 1024, 32}, {1280, 960, 32}, {1024, 768, 16}},
         0,
         {"Fullscreen - 640x480", "Fullscreen - 1024x768", "Fullscreen - 1280x1024"}},
        {"Quake II: 1280x960 is a mode, 1280x1024 is not",
         "quake2",
         {{1280, 1024, 32}, {1280, 960, 32}},
         0,
         {"Fullscreen - 1280x960"}},
        {"8-bit modes do not count, repeats count once",
         "quake1",
         {{800, 600, 8}, {640, 480, 8}, {640, 480, 32}, {640, 480, 16}, {320, 200, 15}},
         0,
         {"Fullscreen - 640x480"}},
        {"Quake: a desktop 1024 wide",
         "quake1",
         {},
         1024,
         {"Windowed - 320x200", "Windowed - 400x300", "Windowed - 512x384", "Windowed - 640x480",
          "Windowed - 800x600", "Windowed - 960x720", "Windowed - 1024x768"}},
        {"Quake III: mode 0 is 320x240, and the wide mode 11 comes last",
         "quake3",
         {{320, 200, 32}, {320, 240, 32}},
         900,
         {"Fullscreen - 320x240", "Windowed - 320x240", "Windowed - 400x300", "Windowed - 512x384",
          "Windowed - 640x480", "Windowed - 800x600", "Windowed - 856x480"}},
        {"a narrow desktop", "quake1", {{320, 200, 32}}, 319, {"Fullscreen - 320x200"}},
    };
    for (const Case& c : cases) {
        const platform::FixedDisplayModes display(c.modes, c.desktopWidth);
        EXPECT_EQ(resolutionEntries(QLatin1String(c.game), display), c.expected) << c.what;
    }
}

TEST(QtDisplayModes, OfferTheTableSizesThatFitThePrimaryScreenAndTheScreenItself) {
    const QtDisplayModes display;
    const QList<platform::DisplayMode> modes = display.modes();
    ASSERT_FALSE(modes.isEmpty());
    const platform::DisplayMode screen = modes.last();
    EXPECT_EQ(display.desktopWidth(), screen.width);
    for (const platform::DisplayMode& mode : modes) {
        EXPECT_LE(mode.width, screen.width);
        EXPECT_LE(mode.height, screen.height);
        EXPECT_EQ(mode.bitsPerPixel, screen.bitsPerPixel);
    }
    // Every table size of every game that fits is offered full screen.
    for (const QString game : {"quake1", "quake2", "quake3"}) {
        const QStringList entries = resolutionEntries(game, display);
        for (const VideoMode& mode : videoModeTable(game)) {
            const bool fits = mode.width <= screen.width && mode.height <= screen.height;
            EXPECT_EQ(entries.contains(QStringLiteral("Fullscreen - ") + mode.size),
                      fits && screen.bitsPerPixel >= 16)
                << mode.size.toStdString();
        }
    }
}

class VideoSettingsTest : public ::testing::Test {
protected:
    Program& program() { return temp.program(); }
    VideoSettings& video() { return program().video; }
    void play(const QString& game) { program().game.currentGame = game; }
    void run(const QString& line) { program().interpreter.ExecuteLine(line, false); }
    QString value(const char* name) { return program().cvars.GetCvar(QLatin1String(name)); }
    bool has(const char* name) { return program().cvars.find(QLatin1String(name)) != nullptr; }

    // Behaves like the main window's selector: it reports every text it is
    // told as a change, the way a combo box does.
    void attachEchoingSelector() {
        QObject::connect(&video(), &VideoSettings::selectorTextChanged, &video(),
                         [this](const QString& text) {
                             ++shown;
                             video().selectorChanged(text);
                         });
    }

    // A display that offers every size, so every table entry is in the list.
    void SetUp() override {
        QList<platform::DisplayMode> modes;
        for (const QString game : {"quake1", "quake2", "quake3"}) {
            for (const VideoMode& mode : videoModeTable(game))
                modes.append({mode.width, mode.height, 32});
        }
        video().BuildResolutionList(platform::FixedDisplayModes(modes, 4096));
        temp.takeConsole();
    }

    test::TempProgram temp;
    int shown = 0;
};

TEST_F(VideoSettingsTest, BuildingTheListReportsAndPublishesTheEntriesOfEachGame) {
    QSignalSpy spy(&video(), &VideoSettings::entriesChanged);
    const platform::FixedDisplayModes display({{800, 600, 32}}, 640);
    play(QStringLiteral("quake3"));
    const QStringList entries = video().BuildResolutionList(display);
    EXPECT_EQ(entries, resolutionEntries(QStringLiteral("quake3"), display));
    EXPECT_EQ(video().entries(), entries);
    EXPECT_THAT(temp.takeConsole(), ElementsAre("Added possible resolutions to resolution list."));
    video().gameChanged(); // the same game: nothing new
    play(QStringLiteral("quake1"));
    video().gameChanged();
    EXPECT_EQ(video().entries(), resolutionEntries(QStringLiteral("quake1"), display));
    EXPECT_EQ(spy.count(), 2);
}

TEST_F(VideoSettingsTest, ChoosingAnEntrySetsTheGamesCvars) {
    // The cvars each choice sets, as "name=value" separated by spaces.
    const QList<std::array<const char*, 3>> cases = {
        {"quake3", "Windowed - 800x600", "r_fullscreen=0 r_mode=4"},
        {"quake3", "Fullscreen - 1600x1200", "r_fullscreen=1 r_mode=9"},
        {"quake3", "Fullscreen - 1280x1024", "r_fullscreen=1 r_mode=8"},
        {"quake3", "Windowed - 856x480", "r_fullscreen=0 r_mode=11"},
        {"quake2", "Fullscreen - 1280x960", "vid_fullscreen=1 sw_mode=8 gl_mode=8"},
        {"quake2", "Fullscreen - 640x480", "vid_fullscreen=1 sw_mode=3 gl_mode=3"},
        {"quake2", "Windowed - 1024x768", "vid_fullscreen=0 sw_mode=6 gl_mode=6"},
    };
    for (const auto& [game, choice, expected] : cases) {
        SCOPED_TRACE(choice);
        program().cvars.ClearCvars();
        play(QLatin1String(game));
        video().selectorChanged(QLatin1String(choice));
        EXPECT_EQ(value("fenkit_mode"), QLatin1String(choice));
        EXPECT_EQ(video().selectorText(), QLatin1String(choice));
        for (const QString& pair : QString::fromUtf8(expected).split(' ')) {
            const QString name = pair.section('=', 0, 0);
            const CvarRecord* record = program().cvars.find(name);
            ASSERT_NE(record, nullptr) << name.toStdString();
            EXPECT_EQ(record->value, pair.section('=', 1)) << name.toStdString();
            EXPECT_EQ(record->kind, QStringLiteral("set"));
        }
    }
}

TEST_F(VideoSettingsTest, GameCvarsFromAConfigurationShowTheMatchingEntry) {
    struct Case {
        const char* game;
        QStringList lines;
        const char* shown;
    };
    const QList<Case> cases = {
        {"quake3", {"r_fullscreen 1", "r_mode 6"}, "Fullscreen - 1024x768"},
        {"quake3", {"r_mode 4"}, "Fullscreen - 800x600"}, // unset flag: full screen
        {"quake3", {"r_fullscreen 0", "r_mode 2"}, "Windowed - 512x384"},
        {"quake3", {"r_mode 5", "r_fullscreen 0"}, "Windowed - 960x720"},
        {"quake3", {"r_mode 7", "r_fullscreen 2"}, "Fullscreen - 1152x864"},
        {"quake3", {"r_fullscreen 0"}, "Windowed - 320x240"}, // unset mode reads as 0
        {"quake3", {"r_mode 8"}, "Fullscreen - 1280x1024"},
        {"quake3", {"r_mode 12"}, "Fullscreen - 640x480"},
        {"quake3", {"r_mode 4.9"}, "Fullscreen - 800x600"},
        {"quake2", {"vid_fullscreen 0", "gl_mode 6"}, "Windowed - 1024x768"},
        {"quake2", {"vid_fullscreen 0", "sw_mode 1"}, "Windowed - 400x300"},
        {"quake2", {"gl_mode 3", "vid_fullscreen 0"}, "Windowed - 640x480"},
        {"quake2", {"gl_mode 8"}, "Fullscreen - 1280x960"},
    };
    for (const Case& c : cases) {
        program().cvars.ClearCvars();
        play(QLatin1String(c.game));
        for (const QString& line : c.lines)
            run(line);
        EXPECT_EQ(value("fenkit_mode"), QLatin1String(c.shown)) << c.lines.join(u';').toStdString();
        EXPECT_EQ(video().selectorText(), QLatin1String(c.shown));
    }
}

TEST_F(VideoSettingsTest, CvarsOfOtherGamesAndOddValuesChangeNothing) {
    struct Case {
        const char* game;
        const char* line;
    };
    const QList<Case> cases = {
        {"quake1", "fenkit_mode \"Windowed - 800x600\""},
        {"quake1", "r_mode 4"},
        {"quake1", "vid_fullscreen 0"},
        {"", "fenkit_mode \"Windowed - 800x600\""},
        {"quake2", "r_mode 4"},
        {"quake2", "r_fullscreen 0"},
        {"quake3", "fenkit_mode 800x600"},
        {"quake3", "fenkit_mode \"fullscreen - 800x600\""},
        {"quake2", "fenkit_mode \"Window - 800x600\""},
    };
    const QSet<QString> videoCvars = {"fenkit_mode", "r_mode",  "r_fullscreen",
                                      "sw_mode",     "gl_mode", "vid_fullscreen"};
    for (const Case& c : cases) {
        program().cvars.ClearCvars();
        play(QLatin1String(c.game));
        QSignalSpy spy(&video(), &VideoSettings::selectorTextChanged);
        run(QLatin1String(c.line));
        QStringList touched;
        for (const CvarRecord& record : program().cvars.records()) {
            if (videoCvars.contains(record.name))
                touched.append(record.name);
        }
        // Only the cvar the line itself names exists afterwards.
        EXPECT_EQ(touched.size(), 1)
            << c.game << " " << c.line << ": " << touched.join(u',').toStdString();
        EXPECT_EQ(spy.count(), 0) << c.game << " " << c.line;
    }
}

TEST_F(VideoSettingsTest, TheSelectorsEchoEndsAtOnceAndSetsNothingNew) {
    attachEchoingSelector();
    play(QStringLiteral("quake3"));

    // The user picks an entry: shown text equals the pick, so no echo.
    video().selectorChanged(QStringLiteral("Windowed - 800x600"));
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(value("r_mode"), QStringLiteral("4"));

    // A configuration line moves the selector; its echo must not rewrite a
    // mode the table does not know, nor create the flag.
    program().cvars.ClearCvars();
    run(QStringLiteral("r_mode -1"));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(video().selectorText(), QStringLiteral("Fullscreen - 640x480"));
    EXPECT_EQ(value("r_mode"), QStringLiteral("-1"));
    EXPECT_FALSE(has("r_fullscreen"));

    // Showing the text it already shows raises nothing.
    run(QStringLiteral("r_mode 3"));
    EXPECT_EQ(shown, 1);
}

TEST_F(VideoSettingsTest, TheRendererFollowsTheSettingsForQuake2) {
    struct Case {
        const char* oglMode;
        const char* request;
        const char* vidRefBefore; // nullptr: not set
        const char* vidRef;
        const char* glDriver; // nullptr: not set
        Picture picture;
    };
    const QList<Case> cases = {
        {"Default OpenGL", "gl", nullptr, "gl", "opengl32", Picture::OpenGL},
        {"3dfx OpenGL", "gl", nullptr, "gl", "3dfxgl", Picture::OpenGL},
        {"PowerVR OpenGL", "gl", nullptr, "gl", "pvrgl", Picture::OpenGL},
        {"powervr opengl", "gl", nullptr, "gl", "pvrgl", Picture::OpenGL},
        {"Software", "gl", nullptr, "gl", nullptr, Picture::OpenGL},
        {"Default OpenGL", "soft", nullptr, "soft", nullptr, Picture::Software},
        {"Software", "", nullptr, "soft", nullptr, Picture::Software},
        {"3dfx OpenGL", "", nullptr, "gl", "3dfxgl", Picture::OpenGL},
        {"Software", "", "gl", "gl", nullptr, Picture::OpenGL},
        {"Default OpenGL", "", "soft", "soft", nullptr, Picture::Software},
        {"Default OpenGL", "", "ref_gl", "gl", "opengl32", Picture::OpenGL},
    };
    for (const Case& c : cases) {
        const std::string what = std::string(c.oglMode) + " / " + c.request;
        program().cvars.ClearCvars();
        play(QStringLiteral("quake2"));
        video().SetRenderer(QStringLiteral("soft")); // start from a known picture
        program().cvars.ClearCvars();
        if (c.vidRefBefore)
            run(QStringLiteral("vid_ref ") + QLatin1String(c.vidRefBefore));
        program().settings.oglMode = QLatin1String(c.oglMode);
        video().SetRenderer(QLatin1String(c.request));
        EXPECT_EQ(value("vid_ref"), QLatin1String(c.vidRef)) << what;
        if (c.glDriver)
            EXPECT_EQ(value("gl_driver"), QLatin1String(c.glDriver)) << what;
        else
            EXPECT_FALSE(has("gl_driver")) << what;
        EXPECT_EQ(video().rendererPicture(), c.picture) << what;
    }
}

// Clicks on the picture and the pictures shown are the widget test's.
TEST_F(VideoSettingsTest, OtherGamesShowTheirPictureWithoutTouchingCvars) {
    play(QStringLiteral("quake3"));
    video().SetRenderer(QStringLiteral("soft"));
    EXPECT_EQ(video().rendererPicture(), Picture::OpenGL);
    play(QStringLiteral("quake1"));
    video().SetRenderer(QString());
    EXPECT_EQ(video().rendererPicture(), Picture::None);
    EXPECT_FALSE(has("vid_ref"));
    EXPECT_FALSE(has("gl_driver"));
}

} // namespace
} // namespace fennick
