#include "compile/compile_batch.h"

#include "platform/batch_script.h"

#include <optional>

namespace fennick {

namespace {

// The q3map passes on the bsp file that follow the first one, by level.
struct Pass {
    int level;
    const char* options;
};
constexpr Pass kPasses[] = {
    {2, " -vis -fast "}, {2, " -light "}, {3, " -vis "},
    {3, " -light "},     {4, " -vis "},   {4, " -light -extra "},
};

// Builds the lines, stopping at the first path no batch line can carry.
class LineWriter {
public:
    void tool(const QString& program, const char* options, const QString& file) {
        const std::optional<QString> quotedProgram = quote(program);
        const std::optional<QString> quotedFile = quote(file);
        if (quotedProgram && quotedFile)
            lines.append(*quotedProgram + QLatin1String(options) + *quotedFile);
    }
    void marker(const QString& path) {
        if (const std::optional<QString> quoted = quote(path))
            lines.append(QStringLiteral("echo Testing > ") + *quoted);
    }

    QStringList lines;
    QString error;

private:
    std::optional<QString> quote(const QString& path) {
        std::optional<QString> quoted = platform::batchQuoted(path);
        if (!quoted && error.isEmpty())
            error = QStringLiteral("the path \"%1\" holds a character that a batch line "
                                   "cannot carry")
                        .arg(path);
        return quoted;
    }
};

} // namespace

CompileBatch compileBatchLines(const CompilePaths& paths, const CompileOptions& options,
                               const QString& markerPath) {
    CompileBatch batch;
    LineWriter writer;
    writer.tool(paths.q3map, " ", paths.mapFile);
    for (const Pass& pass : kPasses) {
        if (pass.level == options.level)
            writer.tool(paths.q3map, pass.options, paths.bspFile);
    }
    if (options.aas) {
        if (paths.bspc.path.isEmpty())
            batch.notes.append(QStringLiteral("No bot .aas file: ") + paths.bspc.why);
        else
            writer.tool(paths.bspc.path, " -bsp2aas ", paths.bspFile);
    }
    writer.marker(markerPath);
    if (!writer.error.isEmpty()) {
        batch.error = writer.error;
        return batch;
    }
    batch.lines = writer.lines;
    return batch;
}

} // namespace fennick
