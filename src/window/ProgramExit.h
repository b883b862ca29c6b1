#pragma once

#include <functional>

// Ending and restarting the program in an orderly way: every scene window first takes its scenes
// down (positions and favourites saved, temporary files deleted), then the process goes.
namespace ProgramExit {

// Ends every event loop with exit code 0 after the scenes are released.
void Quit();

// Starts the program again with the same command line, then quits.
void Restart();

// Replaces the way a new copy of the program is started (tests); empty restores the default.
void SetLauncher(std::function<void()> launcher);

}  // namespace ProgramExit
