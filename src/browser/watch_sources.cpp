#include "browser/watch_sources.h"

#include "browser/server_browser.h"
#include "launch/mod_description.h"

#include <QPointer>

namespace fennick {

WatchSources WatchSources::of(ServerBrowser& browser, const BrowserServices& services) {
    const QPointer<ServerBrowser> alive(&browser);
    WatchSources sources;
    sources.selectedServer = [alive] { return alive ? alive->SelectedServer() : ServerRecord(); };
    sources.getServer = [alive](ServerRecord& record) {
        if (alive)
            alive->GetServer(record);
    };
    sources.mapTitle = [&titles = services.mapTitles](const QString& map) {
        return titles.shownTitle(map);
    };
    sources.modDescription = [core = CoreServices(services)](const QString& mod) {
        return ModDescription(core, mod);
    };
    sources.secondsSince = [&clock = services.clock](double secondsOfDay) {
        return clock.elapsedSince(secondsOfDay);
    };
    return sources;
}

} // namespace fennick
