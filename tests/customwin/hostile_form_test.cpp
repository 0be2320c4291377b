#include "customwin/form_json.h"
#include "customwin/form_parser.h"
#include "support/qt_print.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick {
namespace {

using ::testing::ElementsAre;

QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("hostile.frm"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

TEST(HostileForm, ControlsPastTheCapAreDroppedWithTheirProperties) {
    QByteArray text = "Begin VB.Form F\r\n";
    for (int i = 0; i < 100000; ++i)
        text +=
            "   Begin VB.TextBox T\r\n      Width = " + QByteArray::number(i) + "\r\n   End\r\n";
    const FormModel model = parseFormText(QString::fromLatin1(text));
    ASSERT_EQ(model.controls.size(), FormLimits::kMaxControls);
    EXPECT_EQ(model.controls.last().index, FormLimits::kMaxControls);
    EXPECT_EQ(model.controls.last().width, FormLimits::kMaxControls - 1);
    EXPECT_THAT(model.notes, ElementsAre("only the first 1000 controls were built"));
}

TEST(HostileForm, AbsurdNumbersAreKeptWithinBounds) {
    const FormModel model = parseFormText(QStringLiteral(
        "Begin VB.Form F\n ClientWidth = 1e300\n ClientHeight = -500\n Left = -1e12\n"
        "  Begin MSComctlLib.Slider S\n    Max = 1e40\n    Min = -1e40\n    TickFrequency = 0\n"
        "    BeginProperty Font\n      Size = 1e9\n    EndProperty\n  End\n"
        "  Begin VB.Label L\n    Alignment = 7\n    BackStyle = -1\n"
        "    BeginProperty Font\n      Size = -3\n    EndProperty\n  End\nEnd\n"));
    EXPECT_EQ(model.window.width, FormLimits::kMaxTwips);
    EXPECT_EQ(model.window.height, 0);
    EXPECT_EQ(model.window.left, -FormLimits::kMaxTwips);
    const FormObject& slider = model.controls[0];
    EXPECT_EQ(slider.max, FormLimits::kMaxSliderValue);
    EXPECT_EQ(slider.min, -FormLimits::kMaxSliderValue);
    EXPECT_EQ(slider.fontSize, FormLimits::kMaxFontPoints);
    const FormObject& label = model.controls[1];
    EXPECT_FALSE(label.alignment); // refused, as an invalid property value
    EXPECT_FALSE(label.backStyle);
    EXPECT_EQ(label.fontSize, FormLimits::kMinFontPoints);
}

TEST(HostileForm, HugeAndBinaryFilesAreReadInBoundedPieces) {
    QTemporaryDir dir;
    // One line of six megabytes: only the first part of the file is read,
    // and of that only the first part of the line.
    QByteArray longLine = "Begin VB.Form F\n Caption = " + QByteArray(6 * 1024 * 1024, 'x');
    std::optional<FormModel> model = readFormFile(writeFile(dir, longLine));
    ASSERT_TRUE(model);
    EXPECT_EQ(model->caption().size(), FormLimits::kMaxLineChars - 11);
    EXPECT_THAT(model->notes, ElementsAre("only the first 4194304 bytes of the file were read"));

    // Random bytes with the words the parser looks for mixed in.
    QRandomGenerator random(7);
    QByteArray noise;
    for (int i = 0; i < 200000; ++i) {
        noise += char(random.bounded(256));
        if (i % 97 == 0)
            noise += "\n  Begin VB.ComboBox \x01=\"\\cvar\\\n Tag=\\cvar\\\x80";
    }
    model = readFormFile(writeFile(dir, noise));
    ASSERT_TRUE(model);
    EXPECT_LE(model->controls.size(), FormLimits::kMaxControls);
    (void)formJson(*model);

    // A tag that grows line by line stops growing at its cap.
    QByteArray tags = "Begin VB.Form F\n  Begin VB.TextBox T\n";
    for (int i = 0; i < 50000; ++i)
        tags += "  Tag = \\a\\b\n  BeginProperty Font\n";
    model = readFormFile(writeFile(dir, tags));
    ASSERT_TRUE(model);
    EXPECT_LE(model->controls[0].tag.size(), FormLimits::kMaxTagChars);

    EXPECT_FALSE(readFormFile(dir.filePath(QStringLiteral("missing.frm"))));
    EXPECT_FALSE(readFormFile(dir.path())); // a folder is no description
}

} // namespace
} // namespace fennick
