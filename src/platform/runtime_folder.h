#pragma once

namespace fennick::platform {

// Qt's platform start-up asks for the user's runtime folder. Where the
// session does not name one in XDG_RUNTIME_DIR (a job run by cron, a shell
// after su), Qt makes one in the temporary folder and says so on standard
// error, which would stand in the output of every fennick-cli command.
//
// Called before the application object is made, this makes the same
// private folder (owned by the user, mode 0700, below the temporary
// folder) and names it in XDG_RUNTIME_DIR; afterwards
// `forgetRuntimeFolder` takes the name away again, so the games the
// program starts see the environment they were given. A folder that is
// not the user's own is left alone, and Qt says what is wrong with it.
// True when the variable was set here. Nothing happens on Windows.
bool provideRuntimeFolder();
void forgetRuntimeFolder(bool provided);

} // namespace fennick::platform
