// The program's note output; silent until the program installs one.
#include "platform/noteoutput.h"

namespace nalvo {

namespace {

class SilentOutput final : public NoteOutput {
public:
    void setInstrument(std::int64_t) override {}
    void playNote(std::int64_t, std::int64_t) override {}
    void allNotesOff() override {}
};

std::shared_ptr<NoteOutput>& silent() {
    static std::shared_ptr<NoteOutput> s = std::make_shared<SilentOutput>();
    return s;
}

std::shared_ptr<NoteOutput>& current() {
    static std::shared_ptr<NoteOutput> c = silent();
    return c;
}

}  // namespace

NoteOutput& noteOutput() { return *current(); }

std::shared_ptr<NoteOutput> setNoteOutput(std::shared_ptr<NoteOutput> output) {
    auto previous = current();
    current() = output ? std::move(output) : silent();
    return previous;
}

}  // namespace nalvo
