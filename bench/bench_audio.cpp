// Sound path figures: how many frames FluidSynth needs before a note-on is
// heard (render mode, no driver), and the buffering the audio driver runs
// with (needs an audio device; bench/startup.sh shows how to offer ALSA's
// null device).
#include "platform/fluidsynth_output.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using nalvo::FluidSynthOutput;

constexpr double kRate = 48000.0;

std::filesystem::path soundFont() {
    if (const char* env = std::getenv("NALVO_TEST_SOUNDFONT")) return env;
    return nalvo::findSoundFont().value_or("/usr/share/sounds/sf2/TimGM6mb.sf2");
}

// Frames from a note-on to its first non-silent sample, rendered 16 frames
// at a time; the call cost of the note-on itself is what is timed.
void BM_FirstSampleLatency(benchmark::State& state) {
    std::string error;
    auto synth = FluidSynthOutput::openRender(soundFont(), error, kRate);
    if (!synth) {
        state.SkipWithError(error.c_str());
        return;
    }
    std::vector<float> buffer;
    double frames = 0;
    for (auto _ : state) {
        synth->playNote(60, 100);
        state.PauseTiming();
        int n = 0;
        for (bool heard = false; !heard && n < 48000; n += 16) {
            synth->render(16, buffer);
            for (float s : buffer) heard = heard || std::fabs(s) > 1e-6f;
        }
        frames = n;
        synth->playNote(60, 0);
        synth->allNotesOff();
        synth->render(512, buffer);
        state.ResumeTiming();
    }
    state.counters["first_sample_frames_max"] = frames;
    state.counters["first_sample_ms"] = frames / kRate * 1000.0;
}
BENCHMARK(BM_FirstSampleLatency);

// The driver's buffering: period size x periods at 48 kHz.
void BM_AudioDriverNoteOnOff(benchmark::State& state) {
    std::string error;
    auto out = FluidSynthOutput::openAudio(soundFont(), error);
    if (!out) {
        state.SkipWithError(("no audio: " + error).c_str());
        return;
    }
    for (auto _ : state) {
        out->playNote(60, 100);
        out->playNote(60, 0);
    }
    state.counters["period_size"] = out->periodSize();
    state.counters["periods"] = out->periods();
    state.counters["buffered_ms"] = out->periodSize() * out->periods() / kRate * 1000.0;
}
BENCHMARK(BM_AudioDriverNoteOnOff);

}  // namespace

BENCHMARK_MAIN();
