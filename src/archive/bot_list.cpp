#include "archive/bot_list.h"

namespace fennick {

QString BotList::at(int slot) const {
    if (slot < 1 || slot > count())
        return {};
    return names_.at(slot - 1);
}

} // namespace fennick
