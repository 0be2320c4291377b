#pragma once

namespace fennick {

class ConsoleLog;
class CvarStore;
class EnumTable;
struct GameState;
class Interpreter;
namespace platform {
class Clock;
}

// What the custom windows use of the program: the console for what a
// description lost, the clock for the load time, the current game and the
// enumerations for the lists, the cvar store the controls are bound to and
// the interpreter their changes and buttons run through.
struct FormServices {
    ConsoleLog& console;
    platform::Clock& clock;
    const GameState& game;
    CvarStore& cvars;
    const EnumTable& enums;
    Interpreter& interpreter;
};

} // namespace fennick
