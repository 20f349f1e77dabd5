#include "support/recording.h"

#include "platform/random.h"

#include <memory>
#include <stdexcept>

namespace nalvo {

std::string toString(const NoteCall& call) {
    switch (call.kind) {
    case NoteCall::Instrument: return "instrument " + std::to_string(call.value);
    case NoteCall::NoteOn: return "on " + std::to_string(call.value) + " " + std::to_string(call.velocity);
    case NoteCall::NoteOff: return "off " + std::to_string(call.value);
    case NoteCall::AllNotesOff: return "all off";
    }
    return "?";
}

std::string toString(const NoteCalls& calls) {
    std::string text;
    for (const NoteCall& call : calls) {
        if (!text.empty()) text += ", ";
        text += toString(call);
    }
    return text;
}

void PrintTo(const NoteCall& call, std::ostream* os) {
    *os << toString(call);
}

void RecordingOutput::setInstrument(std::int64_t instrument) {
    calls_.push_back(Instrument(instrument));
}

void RecordingOutput::playNote(std::int64_t note, std::int64_t velocity) {
    calls_.push_back(velocity == 0 ? NoteOff(note) : NoteOn(note, velocity));
}

void RecordingOutput::allNotesOff() {
    calls_.push_back(AllNotesOff());
}

void RecordingScriptRunner::run(const std::optional<std::filesystem::path>& file,
                                const std::vector<std::string>& arguments) {
    runs_.push_back({file, arguments});
}

ScriptedRnd::ScriptedRnd(std::vector<double> draws) : next_(std::make_shared<std::size_t>(0)) {
    setRndSource([draws = std::move(draws), next = next_]() -> double {
        if (*next >= draws.size()) throw std::out_of_range("Rnd drawn more often than the test scripted");
        return draws[(*next)++];
    });
}

ScriptedRnd::~ScriptedRnd() {
    setRndSource({});
}

}  // namespace nalvo
