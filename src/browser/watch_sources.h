#pragma once

#include "browser/browser_services.h"
#include "browser/server_record.h"

#include <functional>

namespace fennick {

class ServerBrowser;

// What the server watch window reads from the rest of the program: the
// browser's chosen server and stored records (it never queries a server
// itself), the map titles and mod descriptions, and the clock. Tests hand
// in their own.
struct WatchSources {
    std::function<ServerRecord()> selectedServer;
    // Fills a record holding an address and a group with the stored one.
    std::function<void(ServerRecord&)> getServer;
    std::function<QString(const QString& map)> mapTitle;
    std::function<QString(const QString& mod)> modDescription;
    // Seconds since a time of day taken earlier.
    std::function<double(double secondsOfDay)> secondsSince;

    // The sources of an open browser. When the browser goes away first,
    // they answer with an empty server, which draws no row.
    static WatchSources of(ServerBrowser& browser, const BrowserServices& services);
};

} // namespace fennick
