// The play step that every way of playing repeats, in its separate steps.
// Every value of the shared playing state is read through theApp() at the
// moment of use; the note player is fetched through its accessor each time.
#pragma once

#include <cstdint>

namespace nalvo {

class NALVO;

// Sets the note player's instrument to MyInstrument.
void setInstrumentFromApp(NALVO& window);
// Note-off of LastPitch.
void noteOffLastPitch(NALVO& window);
// Note-on of MyPitch + offset at MyVelocity.
void noteOnAt(NALVO& window, std::int64_t offset);
// LastPitch := MyPitch + offset, MyPitch read again.
void rememberNote(std::int64_t offset);
// The whole step: note-off of LastPitch, note-on, LastPitch remembered.
void playStep(NALVO& window, std::int64_t offset);

}  // namespace nalvo
