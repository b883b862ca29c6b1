#pragma once

#include <functional>

// Ending and restarting the program in an orderly way. A request only marks the end and tells
// every event loop to finish; the code running now unwinds first, each scene window's owner
// takes its scenes down as usual (positions and favourites saved, temporary files deleted), and
// the program entry starts the new copy after that.
namespace ProgramExit {

// Ends the program with exit code 0; action strings stop at the command that asked for it.
void Quit();

// Quits, and has the program entry start it again with the same command line.
void Restart();

// True once an end was requested: dispatchers run no further commands.
bool Quitting();

// Called by the program entry when everything is taken down: starts the new copy if a restart
// was requested.
void FinishRestart();

// Replaces the way a new copy of the program is started (tests); empty restores the default.
void SetLauncher(std::function<void()> launcher);

// Forgets a requested end (tests, which run no event loop to end).
void Cancel();

}  // namespace ProgramExit
