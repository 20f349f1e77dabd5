// Start-up: from the process entry to the event loop and back.
#pragma once

#include "app/App.h"

#include <functional>
#include <memory>
#include <span>

namespace nalvo {

class Window;
class NoteOutput;

// The runtime's start-up list of class-table builders: the window's timer
// class, NALVO, MenuBar1, App.
std::span<const ClassTableBuilder> classTableBuilders();

// Early start-up: creates the App object, runs its constructor, installs the
// shared menu bar on it and registers it. Returns the registered object.
App& newAppInstance();

// Delivers the Open events once the default window exists: the
// application's, then the controls' in creation order, then the window's.
// Each runs guarded: a failing handler is reported and the others still run.
void deliverOpenEvents(Window& window);

// What the program plugs into start-up.
struct ProgramParts {
    // Builds (or finds) the default window.
    std::function<Window&()> makeDefaultView;
    // Destroys the default window; runs before the QApplication goes.
    std::function<void()> releaseDefaultView;
    // The note output to install; empty: FluidSynth (silent when it cannot start).
    std::function<std::shared_ptr<NoteOutput>()> openOutput;
};

// The program: early start-up, the QApplication (an existing one is used),
// the note output, the default window, the Open events, the event loop.
// The arguments are not read: a new QApplication is given argv[0] alone.
// Returns the event loop's status (0) after a normal quit, with every note
// silenced; a start-up failure is reported in one line and returns 1.
int runProgram(int& argc, char** argv, const ProgramParts& parts);

}  // namespace nalvo
