#include "cli/cli_options.h"
#include "support/qt_print.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fennick::cli {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

ParsedCommand parsedOk(const QStringList& arguments) {
    const auto result = parseArguments(arguments);
    const auto* parsed = std::get_if<ParsedCommand>(&result);
    EXPECT_NE(parsed, nullptr) << arguments.join(QLatin1Char(' ')).toStdString() << ": "
                               << std::get<ParseError>(result).message.toStdString();
    return parsed ? *parsed : ParsedCommand{};
}

QString parseError(const QStringList& arguments) {
    const auto result = parseArguments(arguments);
    const auto* error = std::get_if<ParseError>(&result);
    EXPECT_NE(error, nullptr) << arguments.join(QLatin1Char(' ')).toStdString();
    return error ? error->message : QString();
}

TEST(ParseArguments, HelpIsTheDefault) {
    for (const QStringList& args : {QStringList{}, QStringList{"--help"}, QStringList{"-h"},
                                    QStringList{"help"}, QStringList{"run", "-e", "x", "--help"}}) {
        EXPECT_EQ(parsedOk(args).kind, ParsedCommand::Kind::Help);
    }
    EXPECT_THAT(usageText().toStdString(), HasSubstr("Usage: fennick-cli run"));
}

TEST(ParseArguments, RunTakesItsOptions) {
    const ParsedCommand plain = parsedOk({"run"});
    EXPECT_EQ(plain.kind, ParsedCommand::Kind::Run);
    EXPECT_TRUE(plain.run.lines.isEmpty());
    EXPECT_FALSE(plain.run.json);
    EXPECT_TRUE(plain.run.programFolder.isEmpty());
    EXPECT_TRUE(plain.run.game.isEmpty());

    const ParsedCommand full = parsedOk({"run", "--program-folder", "/p f", "--game", "quake2",
                                         "-e", "set a 1", "--json", "-e", "-e", "-e", ""});
    EXPECT_EQ(full.kind, ParsedCommand::Kind::Run);
    EXPECT_EQ(full.run.programFolder, QStringLiteral("/p f"));
    EXPECT_EQ(full.run.game, QStringLiteral("quake2"));
    EXPECT_TRUE(full.run.json);
    // -e repeats, in order, and takes the next argument whatever it is.
    EXPECT_THAT(full.run.lines, ElementsAre("set a 1", "-e", ""));
}

TEST(ParseArguments, LongOptionsTakeTheirValueAfterAnEqualsSign) {
    const ParsedCommand p =
        parsedOk({"run", "--game=quake3", "--program-folder=/a=b", "--program-folder="});
    EXPECT_EQ(p.run.game, QStringLiteral("quake3"));
    EXPECT_EQ(p.run.programFolder, QString()); // the last one wins
    EXPECT_EQ(parsedOk({"run", "--program-folder=/a=b"}).run.programFolder, QStringLiteral("/a=b"));
}

TEST(ParseArguments, WrongCommandLinesSayWhatIsWrong) {
    EXPECT_THAT(parseError({"run", "--bogus"}).toStdString(),
                HasSubstr("unknown option '--bogus'"));
    EXPECT_THAT(parseError({"run", "--bogus=1"}).toStdString(),
                HasSubstr("unknown option '--bogus=1'"));
    EXPECT_THAT(parseError({"run", "-x"}).toStdString(), HasSubstr("unknown option '-x'"));
    EXPECT_THAT(parseError({"run", "-e=set"}).toStdString(), HasSubstr("unknown option"));
    EXPECT_THAT(parseError({"run", "stray"}).toStdString(), HasSubstr("unknown option 'stray'"));
    EXPECT_THAT(parseError({"frobnicate"}).toStdString(),
                HasSubstr("unknown command 'frobnicate'"));
    EXPECT_THAT(parseError({"run", "-e"}).toStdString(), HasSubstr("needs a value"));
    EXPECT_THAT(parseError({"run", "--game"}).toStdString(), HasSubstr("needs a value"));
    EXPECT_THAT(parseError({"run", "--json=yes"}).toStdString(), HasSubstr("takes no value"));
    EXPECT_THAT(parseError({"run", "--game", "doom"}).toStdString(),
                HasSubstr("quake1, quake2 or quake3"));
    EXPECT_THAT(parseError({"run", "--game=Quake3"}).toStdString(),
                HasSubstr("quake1, quake2 or quake3"));

    // The compile of an uncompiled map: a level from 1 to 4, for a launch.
    const struct {
        QStringList arguments;
        const char* error;
    } compileCases[] = {
        {{"--launch", "--compile", "5"}, "--compile takes 1, 2, 3 or 4, not '5'"},
        {{"--launch", "--compile", ""}, "--compile takes 1, 2, 3 or 4"},
        {{"--launch", "--aas"}, "--aas goes with --compile"},
        {{"--launch", "--compile", "1", "--no-compile"}, "exclude each other"},
        {{"--compile", "2"}, "go with --launch"},
        {{"--write", "--no-compile"}, "go with --launch"},
    };
    for (const auto& c : compileCases)
        EXPECT_THAT(parseError(QStringList{"run"} + c.arguments).toStdString(), HasSubstr(c.error));
    const RunOptions compile = parsedOk({"run", "--launch", "--compile=4", "--aas"}).run;
    EXPECT_EQ(compile.compileLevel, 4);
    EXPECT_TRUE(compile.aas && !compile.noCompile);
}

TEST(FennickCli, AWrongCommandLineExitsWithStatusTwo) {
    const QString cli = QCoreApplication::applicationDirPath() + QStringLiteral("/fennick-cli");
    if (!QFileInfo(cli).isExecutable())
        GTEST_SKIP() << "fennick-cli is not built beside the tests";
    QProcess process;
    process.start(cli, {QStringLiteral("run"), QStringLiteral("--bogus")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_THAT(process.readAllStandardError().toStdString(),
                HasSubstr("unknown option '--bogus'"));
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());

    process.start(cli, {QStringLiteral("--help")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    const std::string overview = process.readAllStandardOutput().toStdString();
    EXPECT_THAT(overview, HasSubstr("Usage: fennick-cli COMMAND"));
    EXPECT_THAT(overview, HasSubstr("\n  run "));

    // Drawing the fast-info panel needs no display.
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("info.png"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(cli, {QStringLiteral("run"), QStringLiteral("--program-folder"), folder.path(),
                        QStringLiteral("-e"), QStringLiteral("x 1"),
                        QStringLiteral("--fast-info-png"), png});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_FALSE(QImage(png).isNull());

    process.start(cli, {QStringLiteral("frobnicate")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_THAT(process.readAllStandardError().toStdString(),
                HasSubstr("unknown command 'frobnicate'"));
}

} // namespace
} // namespace fennick::cli
