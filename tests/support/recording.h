// Test doubles for the note player, the script runner and Rnd.
//
//   auto out = std::make_shared<RecordingOutput>();
//   setNoteOutput(out);                     // (restore with setNoteOutput(nullptr))
//   ... click something ...
//   EXPECT_EQ(out->calls(), (NoteCalls{Instrument(5), NoteOff(0), NoteOn(60, 64)}));
//   EXPECT_EQ(out->text(), "instrument 5, off 0, on 60 64");
//
//   auto scripts = std::make_shared<RecordingScriptRunner>();
//   setScriptRunner(scripts);               // (restore with setScriptRunner(nullptr))
//   ... scripts->runs() holds one ScriptRun per call, file empty when no item ...
//
//   ScriptedRnd rnd({0.45, 0.40, 0.50});    // Rnd() returns these, then throws; restores on scope exit
#pragma once

#include "platform/noteoutput.h"
#include "platform/script.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace nalvo {

// One call that reached the note output. A note-off is a PlayNote with
// velocity 0; allNotesOff is its own kind.
struct NoteCall {
    enum Kind { Instrument, NoteOn, NoteOff, AllNotesOff };
    Kind kind = NoteOn;
    std::int64_t value = 0;     // the instrument, or the note
    std::int64_t velocity = 0;  // note-on only
    friend bool operator==(const NoteCall&, const NoteCall&) = default;
};
using NoteCalls = std::vector<NoteCall>;

inline NoteCall Instrument(std::int64_t instrument) { return {NoteCall::Instrument, instrument, 0}; }
inline NoteCall NoteOn(std::int64_t note, std::int64_t velocity) { return {NoteCall::NoteOn, note, velocity}; }
inline NoteCall NoteOff(std::int64_t note) { return {NoteCall::NoteOff, note, 0}; }
inline NoteCall AllNotesOff() { return {NoteCall::AllNotesOff, 0, 0}; }

// "instrument 5", "on 60 64", "off 60", "all off".
std::string toString(const NoteCall& call);
// The calls joined by ", ".
std::string toString(const NoteCalls& calls);
// GoogleTest prints calls with this.
void PrintTo(const NoteCall& call, std::ostream* os);

class RecordingOutput final : public NoteOutput {
public:
    void setInstrument(std::int64_t instrument) override;
    void playNote(std::int64_t note, std::int64_t velocity) override;
    void allNotesOff() override;

    const NoteCalls& calls() const { return calls_; }
    std::string text() const { return toString(calls_); }
    void clear() { calls_.clear(); }

private:
    NoteCalls calls_;
};

// One call that reached the script runner.
struct ScriptRun {
    std::optional<std::filesystem::path> file;  // nothing: no item was given
    std::vector<std::string> arguments;
    friend bool operator==(const ScriptRun&, const ScriptRun&) = default;
};

class RecordingScriptRunner final : public ScriptRunner {
public:
    void run(const std::optional<std::filesystem::path>& file, const std::vector<std::string>& arguments) override;
    const std::vector<ScriptRun>& runs() const { return runs_; }
    void clear() { runs_.clear(); }

private:
    std::vector<ScriptRun> runs_;
};

// While it lives, Rnd() returns `draws` in order; one draw too many throws
// std::out_of_range (a test that draws more than it scripted is wrong).
class ScriptedRnd {
public:
    explicit ScriptedRnd(std::vector<double> draws);
    ~ScriptedRnd();
    ScriptedRnd(const ScriptedRnd&) = delete;
    ScriptedRnd& operator=(const ScriptedRnd&) = delete;
    // Draws taken so far.
    std::size_t used() const { return *next_; }

private:
    std::shared_ptr<std::size_t> next_;
};

}  // namespace nalvo
