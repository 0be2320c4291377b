#include "cli/form_command.h"
#include "cli/run_command.h"
#include "support/qt_print.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace fennick::cli {
namespace {

class FormCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        write(QStringLiteral("enums.lst"), "quake3,sp_skill,\"I Can Win\",1\r\n"
                                           "quake3,sp_skill,\"Nightmare!\",5\r\n");
        write(QStringLiteral("Forms/skill.frm"),
              "VERSION 5.00\r\nBegin VB.Form frmSkill\r\n   Caption = \"Skill\"\r\n"
              "   ClientHeight = 1500\r\n   Begin VB.ComboBox cmbSkill\r\n"
              "      Height = 315\r\n      Tag = \"\\cvar\\sp_skill\"\r\n   End\r\nEnd\r\n");
    }
    void write(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(dir.filePath(name)).absolutePath());
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    int form(const QStringList& arguments) {
        out.clear();
        err.clear();
        QString in;
        QTextStream input(&in), output(&out), errors(&err);
        CliStreams streams{input, output, errors};
        const int status = formMain(arguments, streams);
        output.flush();
        errors.flush();
        return status;
    }

    QTemporaryDir dir;
    QString out, err;
};

TEST_F(FormCommandTest, PrintsTheModelWithTheGamesEnumerations) {
    ASSERT_EQ(
        form({dir.filePath("Forms/skill.frm"), "--game", "quake3", "--program-folder", dir.path()}),
        0)
        << err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(json["caption"].toString(), QStringLiteral("Skill"));
    EXPECT_EQ(json["height"].toDouble(), 1500);
    const QJsonObject combo = json["controls"].toArray()[0].toObject();
    EXPECT_EQ(combo["kind"].toString(), QStringLiteral("cmbCombo"));
    EXPECT_FALSE(combo.contains("height"));
    EXPECT_EQ(combo["list"].toArray(), QJsonArray({"I Can Win", "Nightmare!"}));
}

TEST_F(FormCommandTest, WrongCommandLinesAndMissingFilesFail) {
    const struct {
        QStringList arguments;
        int status;
    } cases[] = {
        {{}, 2},
        {{"a.frm", "b.frm"}, 2},
        {{"a.frm", "--game", "doom"}, 2},
        {{"a.frm", "--colour"}, 2},
        {{dir.filePath("Forms/none.frm"), "--program-folder", dir.path()}, 1},
        {{"--help"}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(form(c.arguments), c.status) << c.arguments.join(' ').toStdString();
}

TEST_F(FormCommandTest, RunReportsTheOpenedWindowsWithTheirCvars) {
    RunOptions options;
    options.programFolder = dir.path();
    options.game = QStringLiteral("quake3");
    options.json = true;
    options.lines = {"loadform skill.frm", "sp_skill 5", "loadform skill.frm"};
    QString input, output, errors;
    QTextStream in(&input), outStream(&output), errStream(&errors);
    ASSERT_EQ(runCommand(options, in, outStream, errStream), 0);
    outStream.flush();
    const QJsonArray forms = QJsonDocument::fromJson(output.toUtf8())["forms"].toArray();
    ASSERT_EQ(forms.size(), 2);
    for (const QJsonValue& form : forms) {
        EXPECT_EQ(form["file"].toString(), dir.filePath("Forms/skill.frm"));
        EXPECT_EQ(form["controls"][0]["text"].toString(), QStringLiteral("Nightmare!"));
    }
}

} // namespace
} // namespace fennick::cli
