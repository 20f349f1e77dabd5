// Where the note player's calls go: FluidSynth in the program, a recording
// in tests. The numbers arrive as the system sends them; an output applies
// its own range policy.
#pragma once

#include <cstdint>
#include <memory>

namespace nalvo {

class NoteOutput {
public:
    virtual ~NoteOutput() = default;
    virtual void setInstrument(std::int64_t instrument) = 0;
    // velocity > 0: note-on; velocity == 0: note-off.
    virtual void playNote(std::int64_t note, std::int64_t velocity) = 0;
    // Silences everything that sounds (used when the program quits).
    virtual void allNotesOff() = 0;
};

// The program's output. Until one is installed, calls go to a silent output.
NoteOutput& noteOutput();
// Installs `output` (null: the silent output) and returns the previous one.
std::shared_ptr<NoteOutput> setNoteOutput(std::shared_ptr<NoteOutput> output);

}  // namespace nalvo
