// Start-up: from the process entry to the event loop and back.
#pragma once

#include "app/App.h"

#include <functional>

namespace nalvo {

class Window;

// Early start-up: creates the App object, runs its constructor, installs the
// shared menu bar on it and registers it. Returns the registered object.
App& newAppInstance();

// Delivers the Open events once the default window exists: the
// application's, then the controls' in creation order, then the window's.
// Each runs guarded: a failing handler is reported and the others still run.
void deliverOpenEvents(Window& window);

// The program: early start-up, the QApplication, the default window built by
// `makeDefaultView`, the Open events, the event loop. Installs the sound
// output. Returns the event loop's status (0) after a normal quit, with every
// note silenced; a start-up failure prints one line and returns 1.
// `releaseDefaultView` destroys the window before the QApplication goes.
int runProgram(int& argc, char** argv, const std::function<Window&()>& makeDefaultView,
               const std::function<void()>& releaseDefaultView);

}  // namespace nalvo
