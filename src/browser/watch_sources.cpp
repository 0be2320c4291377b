#include "browser/watch_sources.h"

#include "app/program.h"
#include "browser/server_browser.h"
#include "launch/mod_description.h"

#include <QPointer>

namespace fennick {

WatchSources WatchSources::of(ServerBrowser& browser, Program& program) {
    const QPointer<ServerBrowser> alive(&browser);
    WatchSources sources;
    sources.selectedServer = [alive] { return alive ? alive->SelectedServer() : ServerRecord(); };
    sources.getServer = [alive](ServerRecord& record) {
        if (alive)
            alive->GetServer(record);
    };
    sources.mapTitle = [&program](const QString& map) { return program.mapTitle(map); };
    sources.modDescription = [&program](const QString& mod) {
        return ModDescription(program, mod);
    };
    sources.secondsSince = [&program](double secondsOfDay) {
        return program.clock.elapsedSince(secondsOfDay);
    };
    return sources;
}

} // namespace fennick
