#include "cli/cli_command.h"
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

std::variant<RunOptions, ParseError> parseRun(const QStringList& arguments) {
    const auto parsed = parseOptions(arguments, runOptionSpecs(), false);
    if (const auto* error = std::get_if<ParseError>(&parsed))
        return *error;
    return runOptionsFrom(std::get<ParsedOptions>(parsed));
}

RunOptions parsedOk(const QStringList& arguments) {
    const auto result = parseRun(arguments);
    const auto* parsed = std::get_if<RunOptions>(&result);
    EXPECT_NE(parsed, nullptr) << arguments.join(QLatin1Char(' ')).toStdString() << ": "
                               << std::get<ParseError>(result).message.toStdString();
    return parsed ? *parsed : RunOptions{};
}

QString parseError(const QStringList& arguments) {
    const auto result = parseRun(arguments);
    const auto* error = std::get_if<ParseError>(&result);
    EXPECT_NE(error, nullptr) << arguments.join(QLatin1Char(' ')).toStdString();
    return error ? error->message : QString();
}

// `run` goes through the dispatcher and the option parser every command
// shares: help for --help anywhere, status 2 and a message otherwise.
TEST(ParseArguments, RunAnswersHelpAndWrongCommandLinesAsEveryCommand) {
    struct Case {
        QStringList arguments;
        int status;
        const char* output;
        const char* errors;
    };
    const Case cases[] = {
        {{}, 0, "Usage: fennick-cli COMMAND", ""},
        {{"help"}, 0, "Usage: fennick-cli COMMAND", ""},
        {{"run", "-e", "x", "--help"}, 0, "Usage: fennick-cli run", ""},
        {{"run", "-h"}, 0, "Usage: fennick-cli run", ""},
        {{"run", "--bogus"}, 2, "", "fennick-cli: unknown option '--bogus'\nTry "},
        {{"run", "--aas"}, 2, "", "fennick-cli: --aas goes with --compile\n"},
        {{"frobnicate"}, 2, "", "unknown command 'frobnicate'"},
    };
    for (const Case& c : cases) {
        QString in, out, err;
        QTextStream input(&in), output(&out), errors(&err);
        CliStreams streams{input, output, errors};
        EXPECT_EQ(dispatch(c.arguments, streams), c.status);
        output.flush();
        errors.flush();
        EXPECT_EQ(out.isEmpty(), !*c.output);
        EXPECT_EQ(err.isEmpty(), !*c.errors);
        EXPECT_THAT(out.toStdString(), HasSubstr(c.output));
        EXPECT_THAT(err.toStdString(), HasSubstr(c.errors));
    }
}

TEST(FennickCli, EveryHelpSaysWhereTheProgramFolderIsByDefault) {
    for (const CliCommand& command : cliCommands()) {
        const QString usage = command.usage();
        if (usage.contains(QLatin1String("--program-folder"))) {
            EXPECT_TRUE(
                usage.contains(QLatin1String("installed copy your data folder,\n"
                                             "                        ~/.local/share/fennick")))
                << command.name.toStdString();
        }
    }
}

TEST(ParseArguments, RunTakesItsOptions) {
    const RunOptions plain = parsedOk({});
    EXPECT_TRUE(plain.lines.isEmpty());
    EXPECT_FALSE(plain.json);
    EXPECT_TRUE(plain.programFolder.isEmpty());
    EXPECT_TRUE(plain.game.isEmpty());

    const RunOptions full = parsedOk({"--program-folder", "/p f", "--game", "quake2", "-e",
                                      "set a 1", "--json", "-e", "-e", "-e", ""});
    EXPECT_EQ(full.programFolder, QStringLiteral("/p f"));
    EXPECT_EQ(full.game, QStringLiteral("quake2"));
    EXPECT_TRUE(full.json);
    // -e repeats, in order, and takes the next argument whatever it is.
    EXPECT_THAT(full.lines, ElementsAre("set a 1", "-e", ""));
}

TEST(ParseArguments, LongOptionsTakeTheirValueAfterAnEqualsSign) {
    const RunOptions p = parsedOk({"--game=quake3", "--program-folder=/a=b", "--program-folder="});
    EXPECT_EQ(p.game, QStringLiteral("quake3"));
    EXPECT_EQ(p.programFolder, QString()); // the last one wins
    EXPECT_EQ(parsedOk({"--program-folder=/a=b"}).programFolder, QStringLiteral("/a=b"));
}

TEST(ParseArguments, WrongCommandLinesSayWhatIsWrong) {
    EXPECT_THAT(parseError({"--bogus"}).toStdString(), HasSubstr("unknown option '--bogus'"));
    EXPECT_THAT(parseError({"--bogus=1"}).toStdString(), HasSubstr("unknown option '--bogus=1'"));
    EXPECT_THAT(parseError({"-x"}).toStdString(), HasSubstr("unknown option '-x'"));
    EXPECT_THAT(parseError({"-e=set"}).toStdString(), HasSubstr("unknown option"));
    EXPECT_THAT(parseError({"stray"}).toStdString(), HasSubstr("unknown option 'stray'"));
    EXPECT_THAT(parseError({"-e"}).toStdString(), HasSubstr("needs a value"));
    EXPECT_THAT(parseError({"--game"}).toStdString(), HasSubstr("needs a value"));
    EXPECT_THAT(parseError({"--json=yes"}).toStdString(), HasSubstr("takes no value"));
    EXPECT_THAT(parseError({"--game", "doom"}).toStdString(),
                HasSubstr("quake1, quake2 or quake3"));
    EXPECT_THAT(parseError({"--game=Quake3"}).toStdString(), HasSubstr("quake1, quake2 or quake3"));

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
        EXPECT_THAT(parseError(c.arguments).toStdString(), HasSubstr(c.error));
    const RunOptions compile = parsedOk({"--launch", "--compile=4", "--aas"});
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

    // Drawing the fast-info panel needs no display, and a session without a
    // runtime folder (cron, su) leaves standard error to the program.
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("info.png"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "XDG_RUNTIME_DIR"})
        environment.remove(QLatin1String(name));
    process.setProcessEnvironment(environment);
    process.start(cli, {QStringLiteral("run"), QStringLiteral("--program-folder"), folder.path(),
                        QStringLiteral("-e"), QStringLiteral("x 1"),
                        QStringLiteral("--fast-info-png"), png});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardError(), QByteArray());
    EXPECT_FALSE(QImage(png).isNull());

    process.start(cli, {QStringLiteral("frobnicate")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_THAT(process.readAllStandardError().toStdString(),
                HasSubstr("unknown command 'frobnicate'"));
}

} // namespace
} // namespace fennick::cli
