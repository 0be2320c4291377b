#include "cli/zip_commands.h"

#include "archive/zip_extraction.h"
#include "archive/zip_listing.h"
#include "cli/cli_session.h"
#include "cli/command_arguments.h"
#include "cli/option_parser.h"
#include "core/program_folder.h"
#include "platform/file_system.h"

namespace fennick::cli {

namespace {

// An archive named on the command line, found ignoring letter case as every
// file of the program is.
QString archivePath(const QString& given) {
    return platform::resolvePath(given).value_or(given);
}

int unreadable(CliStreams& streams, const QString& archive, const QString& why) {
    streams.errors << "fennick-cli: cannot read " << archive << " as a ZIP archive (" << why
                   << ")\n";
    streams.errors.flush();
    return 1;
}

// Parses "ARCHIVE PATTERN" and the options; nothing when the command line
// was wrong or only help was asked for (the status is then set).
std::optional<ParsedOptions> archiveArguments(const QStringList& arguments, CliStreams& streams,
                                              const QVector<OptionSpec>& specs, QString (*usage)(),
                                              int& status) {
    const CommandArguments parsed = parseCommand(arguments, specs, true, usage, streams);
    if (const int* done = std::get_if<int>(&parsed)) {
        status = *done;
        return std::nullopt;
    }
    const ParsedOptions& given = std::get<ParsedOptions>(parsed);
    if (given.positional.size() != 2) {
        status = wrongCommandLine(streams, QStringLiteral("expected ARCHIVE and PATTERN"));
        return std::nullopt;
    }
    return given;
}

} // namespace

QString zipListUsage() {
    return QStringLiteral(
        "Usage: fennick-cli zip-list ARCHIVE PATTERN\n"
        "\n"
        "Prints the report of the members of ARCHIVE (a .pk3 or other ZIP file)\n"
        "whose paths match PATTERN, as the map scan reads it: a header line, then\n"
        "one line per member (path cut at 50 characters, size, day/month/year and\n"
        "hour:minute as the archive stores them), each 80 columns and ended by CR LF.\n"
        "Nothing is printed when no member matches.\n"
        "\n"
        "In PATTERN, \"*\" matches any characters (\"/\" too), \"?\" one character and\n"
        "\"\\\" stands for \"/\"; letter case does not matter. Quote it for the shell.\n"
        "\n"
        "Exit status: 0, or 1 when ARCHIVE is not a readable ZIP archive.\n");
}

int zipListMain(const QStringList& arguments, CliStreams& streams) {
    int status = 0;
    const auto given = archiveArguments(arguments, streams, {}, &zipListUsage, status);
    if (!given)
        return status;
    const QString archive = archivePath(given->positional[0]);
    const ZipListing listing = listZipMembers(archive, given->positional[1]);
    if (!listing.readable)
        return unreadable(streams, given->positional[0], listing.error);
    streams.output << listing.report;
    streams.output.flush();
    return 0;
}

QString zipExtractUsage() {
    return QStringLiteral(
               "Usage: fennick-cli zip-extract [--program-folder DIR] ARCHIVE PATTERN\n"
               "\n"
               "Extracts the members of ARCHIVE matching PATTERN (as for zip-list) into\n"
               "the program folder's \"temp\", as the bot, title and level-shot readers do:\n"
               "every file lands directly in \"temp\" under the last part of its path, an\n"
               "existing file is replaced, folders are not recreated. Encrypted members,\n"
               "members larger than 64 MB and names that give no plain file are skipped,\n"
               "each with a line on standard error. Prints the name of each file written,\n"
               "one per line.\n"
               "\n") +
           programFolderHelp(QStringLiteral("temp/")) +
           QStringLiteral("\n"
                          "Exit status: 0, or 1 when ARCHIVE is not a readable ZIP archive.\n");
}

int zipExtractMain(const QStringList& arguments, CliStreams& streams) {
    int status = 0;
    const auto given = archiveArguments(arguments, streams, {{programFolderOption(), true}},
                                        &zipExtractUsage, status);
    if (!given)
        return status;
    CliSession session(given->value(programFolderOption()), nullptr);
    Program& program = session.program();
    const ExtractResult result =
        UnzipFiles(archivePath(given->positional[0]), program.programPath(QStringLiteral("temp")),
                   given->positional[1], program.content.limits);
    if (!result.readable)
        return unreadable(streams, given->positional[0], result.error);
    for (const QString& name : result.written)
        streams.output << name << '\n';
    for (const QString& problem : result.problems)
        streams.errors << problem << '\n';
    streams.output.flush();
    streams.errors.flush();
    return 0;
}

} // namespace fennick::cli
