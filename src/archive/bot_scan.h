#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

namespace fennick {

class BotList;
class ContentSource;

// Keeps the bot list in step with the Quake III folder. The start-up reads
// it once; from then on a change of the folder (the setup dialog, the
// first-start search) reads it again once the change has settled, so typing
// a path does not scan every folder on the way. A launch that comes before
// that asks for the list at once. The list is read only when the base
// folder differs from the one read last.
class BotScan : public QObject {
    Q_OBJECT
public:
    // How long a folder must stay unchanged before it is read.
    static constexpr int kSettleMilliseconds = 500;

    // `changed` runs after every read (the launch preview shows the bots).
    BotScan(ContentSource& content, BotList& bots, std::function<void()> changed,
            QObject* parent = nullptr);

    // Reads the list (LoadBots) and follows the folder from now on.
    void loadNow();
    // The Quake III folder was set; read again once it settles.
    void folderChanged();
    // Reads the list at once if the folder changed since the last read.
    void ensureCurrent();

private:
    void read();

    ContentSource& content_;
    BotList& bots_;
    std::function<void()> changed_;
    QTimer settle_;
    bool following_ = false;
    bool reading_ = false;
    std::optional<QString> readFolder_;
};

} // namespace fennick
