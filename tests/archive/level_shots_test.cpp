#include "archive/level_shots.h"
#include "content_fixture.h"
#include "support/qt_print.h"

#include <QBuffer>
#include <QFile>

namespace fennick::test {
namespace {

// A level shot whose left half is red and right half blue (or all green).
QImage halves(bool green = false) {
    QImage picture(8, 4, QImage::Format_RGB32);
    picture.fill(green ? Qt::green : Qt::blue);
    for (int y = 0; y < 4 && !green; ++y)
        for (int x = 0; x < 4; ++x)
            picture.setPixel(x, y, qRgb(255, 0, 0));
    return picture;
}

QByteArray encoded(const QImage& picture, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format, 100);
    return bytes;
}

QByteArray halvesJpeg(bool green = false) {
    return encoded(halves(green), "JPG");
}

// As OpenArena stores them: 24-bit, bottom row first, run-length encoded
// in raw packets of one row.
QByteArray halvesTga() {
    const QImage picture = halves();
    QByteArray bytes(18, '\0');
    bytes[2] = 10;
    bytes[12] = char(picture.width());
    bytes[14] = char(picture.height());
    bytes[16] = 24;
    for (int y = picture.height() - 1; y >= 0; --y) {
        bytes += char(picture.width() - 1);
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y);
            bytes.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
        }
    }
    return bytes;
}

bool near(QRgb pixel, QColor expected) {
    return std::abs(qRed(pixel) - expected.red()) < 60 &&
           std::abs(qGreen(pixel) - expected.green()) < 60 &&
           std::abs(qBlue(pixel) - expected.blue()) < 60;
}

class LevelShotsTest : public ContentFixture {
protected:
    void SetUp() override {
        ContentFixture::SetUp();
        pk3("BaseQ3/pak0.pk3", {member("maps/q3dm1.bsp")});
        pk3("BaseQ3/pak1.pk3", {member("levelshots/q3dm1.jpg", halvesJpeg())});
        pk3("cpma/cpm.pk3", {member("levelshots/CPM3.JPG", halvesJpeg())});
        // OpenArena's formats: .jpg first, then .tga, then .png, any case.
        pk3("BaseQ3/pak2.pk3", {member("levelshots/OA_DM9.TGA", halvesTga()),
                                member("levelshots/oa_png.png", encoded(halves(), "PNG")),
                                member("levelshots/oa_both.tga", halvesTga()),
                                member("levelshots/oa_both.PNG", encoded(halves(true), "PNG"))});
    }
    enum class Area { Drawn, Cleared, Untouched };
    Area show(const QString& map) {
        QImage area(16, 8, QImage::Format_RGB32);
        area.fill(Qt::green);
        const bool drawn = program().levelShots.ShowLevelshot(map, area, Qt::black);
        if (drawn && near(area.pixel(2, 6), Qt::red) && near(area.pixel(13, 6), Qt::blue))
            return Area::Drawn;
        if (!drawn && area.pixel(8, 4) == qRgb(0, 0, 0))
            return Area::Cleared;
        if (!drawn && area.pixel(8, 4) == QColor(Qt::green).rgb())
            return Area::Untouched;
        return Area(-1);
    }
};

TEST_F(LevelShotsTest, PicturesAreFoundStretchedOrTheAreaCleared) {
    const struct {
        QString game, mod, map;
        Area area;
    } cases[] = {
        {kQuake3, kQuake3, "Q3DM1", Area::Drawn}, // from the second base archive
        {kQuake3, kQuake3, "cpm3", Area::Cleared},
        {kQuake3, "cpma", "cpm3", Area::Drawn},     // from the mod, named in upper case
        {kQuake3, kQuake3, "cpm", Area::Untouched}, // too short to search
        {kQuake3, kQuake3, "q3dm7", Area::Cleared},
        {kQuake3, kQuake3, "../q3dm1", Area::Cleared},
        {kQuake3, kQuake3, "q3dm*", Area::Cleared},
        {kQuake3, kQuake3, "oa_dm9", Area::Drawn},
        {kQuake3, kQuake3, "oa_png", Area::Drawn},
        {kQuake3, kQuake3, "oa_both", Area::Drawn}, // the .tga, not the green .png
        {kQuake2, kQuake2, "q3dm1", Area::Drawn},   // already in temp
        {kQuake2, kQuake2, "oa_dm9", Area::Drawn},
        {kQuake2, kQuake2, "q3dm2", Area::Cleared},
    };
    for (const auto& c : cases) {
        choose(c.game, c.mod);
        EXPECT_EQ(show(c.map), c.area) << c.mod.toStdString() << " " << c.map.toStdString();
    }
    EXPECT_TRUE(QFile::exists(temp.path("temp/q3dm1.jpg")));
    EXPECT_TRUE(QFile::exists(temp.path("temp/CPM3.JPG")));
    EXPECT_TRUE(QFile::exists(temp.path("temp/OA_DM9.TGA")));
    EXPECT_FALSE(QFile::exists(temp.path("temp/oa_both.PNG"))); // only what is shown
}

TEST_F(LevelShotsTest, ADamagedPictureInTempIsExtractedAgain) {
    temp.writeBytes("temp/q3dm1.jpg", "\xff\xd8 not really a picture");
    const Levelshot shot = program().levelShots.findLevelshot("q3dm1");
    EXPECT_EQ(shot.outcome, Levelshot::Outcome::Found);
    EXPECT_EQ(shot.picture.size(), QSize(8, 4));
}

} // namespace
} // namespace fennick::test
