#pragma once

namespace fennick {

// What the compile dialog offers: one of four compile levels and the bot
// navigation file.
struct CompileOptions {
    // 1 very fast (bsp only), 2 fast (bsp, fast vis, light), 3 normal (bsp,
    // vis, light), 4 complete (bsp, vis, extra light).
    int level = 2;
    // Also build the bots' ".aas" file with bspc.
    bool aas = false;
};

} // namespace fennick
