// The application object and the shared playing state.
#pragma once

#include "platform/application.h"

#include <cstdint>

namespace nalvo {

class App : public Application {
public:
    static const char* className() { return "App"; }
    // The class table: Application's 13 operations, then Event_Open (also the
    // Open event's hook) and Constructor; the four playing values as Integer
    // properties. Built once, by the start-up pass or the first lookup.
    static const ClassTable& __Lookup();
    static void __ctblinit() { (void)__Lookup(); }
    const ClassTable& classTable() const override { return __Lookup(); }

    void Constructor() {}
    // The application's Open event: silences LastPitch, then sets
    // MyInstrument from the instrument popup.
    void Event_Open();

    // The shared playing state: plain public fields, read afresh at each use.
    std::int64_t MyInstrument = 0;  // instrument index for the note player
    std::int64_t MyPitch = 0;       // octave shift in semitones
    std::int64_t MyVelocity = 0;    // note-on velocity
    std::int64_t LastPitch = 0;     // the note to silence next
};

// The registered application object. NilObjectException when none is.
App& theApp();

}  // namespace nalvo
