// The note player's synthesizer: FluidSynth with the General MIDI SoundFont.
//
// One synth, MIDI channel 0, bank 0; instrument n selects GM program n
// (0-based). Numbers arrive unchecked from the system, so the output applies
// its own policy: an instrument outside 0..127 keeps the current program, a
// note outside 0..127 is dropped (note-on and note-off alike), a note-on's
// velocity is clamped to 1..127. No call throws.
//
// Two ways to run it: with FluidSynth's own audio driver (the program), or
// without one, rendering on demand into a buffer (the sound tests).
#pragma once

#include "noteoutput.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// FluidSynth's opaque types (fluidsynth/types.h).
typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_audio_driver_t fluid_audio_driver_t;

namespace nalvo {

// Where the Debian GM SoundFonts live.
inline constexpr const char* kSoundFontFolder = "/usr/share/sounds/sf2";

// The SoundFonts of `folder` that are readable files, in the order they are
// tried: default-GM.sf2, FluidR3_GM.sf2, TimGM6mb.sf2.
std::vector<std::filesystem::path> soundFonts(const std::filesystem::path& folder = kSoundFontFolder);
// The first of them; nothing when there is none.
std::optional<std::filesystem::path> findSoundFont(const std::filesystem::path& folder = kSoundFontFolder);

class FluidSynthOutput final : public NoteOutput {
public:
    // With the audio driver, for the program. Returns null and sets `error`
    // to a short reason when the SoundFont or the audio device fails.
    // `drivers` are tried in order (PulseAudio, then ALSA by default).
    static std::unique_ptr<FluidSynthOutput> openAudio(const std::filesystem::path& soundFont, std::string& error,
                                                       const std::vector<std::string>& drivers = {"pulseaudio", "alsa"});
    // Without an audio driver: sound is made only by render(). Null and
    // `error` when the SoundFont cannot be loaded.
    static std::unique_ptr<FluidSynthOutput> openRender(const std::filesystem::path& soundFont, std::string& error,
                                                        double sampleRate = 48000.0);
    ~FluidSynthOutput() override;
    FluidSynthOutput(const FluidSynthOutput&) = delete;
    FluidSynthOutput& operator=(const FluidSynthOutput&) = delete;

    void setInstrument(std::int64_t instrument) override;
    void playNote(std::int64_t note, std::int64_t velocity) override;
    void allNotesOff() override;

    // Starts FluidSynth's audio driver on an output opened for rendering:
    // `drivers` in order, each with the smallest buffering it accepts. False,
    // and `error` set, when no driver starts.
    bool startAudio(const std::vector<std::string>& drivers, std::string& error);

    // Render mode: synthesizes `frames` stereo frames into `out`, interleaved
    // left/right (out.size() == 2 * frames afterwards).
    void render(int frames, std::vector<float>& out);
    // Voices that are sounding or releasing.
    int activeVoiceCount() const;
    // The GM program selected on channel 0, or -1.
    int currentProgram() const;
    // The audio buffering chosen by openAudio (frames per period, periods).
    int periodSize() const { return periodSize_; }
    int periods() const { return periods_; }
    fluid_synth_t* synth() const { return synth_; }

private:
    FluidSynthOutput() = default;
    bool load(const std::filesystem::path& soundFont, double sampleRate, std::string& error);

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
    int periodSize_ = 0;
    int periods_ = 0;
};

// What openSoundOutput looks for; the defaults are the program's, which has
// no way to change them. An empty driver list starts no audio output (the
// sound is only rendered on demand), for the sound tests.
struct SoundSetup {
    std::filesystem::path soundFontFolder = kSoundFontFolder;
    std::vector<std::string> drivers = {"pulseaudio", "alsa"};
};

// The program's note output, ready for setNoteOutput(). A SoundFont that
// fails to load is passed over for the next. Prints at most one notice line:
// the fonts passed over, or why there is no sound (no SoundFont loads, no
// audio device), in which case the output is silent and the program keeps
// running.
std::shared_ptr<NoteOutput> openSoundOutput(const SoundSetup& setup = {});

}  // namespace nalvo
