#include "console/name_completion.h"

#include "console/catalogue.h"

namespace fennick {

CompletionResult completeName(const Catalogue& catalogue, const QString& game,
                              const QString& input) {
    CompletionResult result{input, {}};
    if (input.isEmpty())
        return result;
    for (const PredefinedCommand& entry : catalogue.entries()) {
        if (entry.game != game)
            continue;
        const QString& name = entry.name;
        if (name.left(result.input.size()).toLower() != result.input)
            continue;
        const QString listed = QLatin1Char('\\') + name;
        if (result.input == name)
            result.printed.append(listed + QStringLiteral(" - ") + entry.help);
        result.input = name;
        result.printed.append(listed);
    }
    return result;
}

} // namespace fennick
