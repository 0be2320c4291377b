#include "archive/bot_scan.h"

#include "archive/bot_list.h"
#include "archive/bot_loader.h"
#include "archive/content_source.h"

#include <QScopedValueRollback>

namespace fennick {

namespace {

// The folder whose archives a read goes through; empty without a Quake III
// directory.
QString folderOf(const ContentSource& content) {
    return content.quake3Directory().isEmpty() ? QString() : content.baseFolder();
}

} // namespace

BotScan::BotScan(ContentSource& content, BotList& bots, std::function<void()> changed,
                 QObject* parent)
    : QObject(parent), content_(content), bots_(bots), changed_(std::move(changed)) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMilliseconds);
    connect(&settle_, &QTimer::timeout, this, &BotScan::ensureCurrent);
}

void BotScan::loadNow() {
    following_ = true;
    read();
}

void BotScan::folderChanged() {
    if (following_)
        settle_.start();
}

// The scan lets events run between archives; a launch clicked meanwhile
// takes the list as far as it got rather than scanning over the same
// "temp" files a second time.
void BotScan::ensureCurrent() {
    if (!following_ || reading_)
        return;
    settle_.stop();
    if (readFolder_ != folderOf(content_))
        read();
}

void BotScan::read() {
    settle_.stop();
    QScopedValueRollback<bool> guard(reading_, true);
    readFolder_ = folderOf(content_);
    LoadBots(content_, bots_);
    if (changed_)
        changed_();
}

} // namespace fennick
