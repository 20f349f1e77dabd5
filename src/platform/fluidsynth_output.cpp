#include "fluidsynth_output.h"

#include "runtime.h"

#include <dlfcn.h>
#include <fluidsynth.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <system_error>

namespace nalvo {

namespace {

// FluidSynth logs through process-wide hooks. Warnings and chatter are
// dropped; real errors are collected while an output is being opened (they
// end up in the one notice line) and are the program's notices otherwise.
std::mutex logMutex;
std::string* logCollector = nullptr;  // guarded by logMutex

void fluidLog(int level, const char* message, void*) {
    if (level > FLUID_ERR || !message) return;
    {
        std::lock_guard lock(logMutex);
        if (logCollector) {
            if (logCollector->find(message) == std::string::npos) {
                if (!logCollector->empty()) *logCollector += "; ";
                *logCollector += message;
            }
            return;
        }
    }
    printNotice(std::string("FluidSynth: ") + message);
}

// ALSA prints its own lines for every device it fails to open. FluidSynth
// already reports the failure, so ALSA's library is told to keep quiet. It
// is reached through the loader (FluidSynth links it) to need no headers.
extern "C" void quietAlsaError(const char*, int, const char*, int, const char*, ...) {}

void quietAlsa() {
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    if (auto set = reinterpret_cast<SetHandler>(::dlsym(RTLD_DEFAULT, "snd_lib_error_set_handler"))) set(quietAlsaError);
}

void quietFluidLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        quietAlsa();
        fluid_set_log_function(FLUID_PANIC, fluidLog, nullptr);
        fluid_set_log_function(FLUID_ERR, fluidLog, nullptr);
        fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
        fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
        fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    });
}

// The SoundFont loaders that FluidSynth uses for some formats report through
// GLib's log, which prints to stderr on its own. While an output is opened,
// GLib's default log handler collects like FluidSynth's errors. GLib comes
// with FluidSynth and is reached through the loader, as ALSA is.
using GLogFunc = void (*)(const char* domain, int level, const char* message, void* data);
using GLogSetDefault = GLogFunc (*)(GLogFunc, void*);

void glibLog(const char*, int, const char* message, void*) { fluidLog(FLUID_ERR, message, nullptr); }

GLogSetDefault glibSetDefaultHandler() {
    return reinterpret_cast<GLogSetDefault>(::dlsym(RTLD_DEFAULT, "g_log_set_default_handler"));
}

// Collects FluidSynth's errors for the lifetime of the object.
class LogCollector {
public:
    LogCollector() {
        quietFluidLog();
        std::lock_guard lock(logMutex);
        logCollector = &text_;
        if (auto set = glibSetDefaultHandler()) glibPrevious_ = set(glibLog, nullptr);
    }
    ~LogCollector() {
        std::lock_guard lock(logMutex);
        logCollector = nullptr;
        if (auto set = glibSetDefaultHandler(); set && glibPrevious_) set(glibPrevious_, nullptr);
    }
    std::string text() const {
        std::lock_guard lock(logMutex);
        return text_;
    }

private:
    std::string text_;
    GLogFunc glibPrevious_ = nullptr;
};

// Buffering to try, smallest first: 128 x 3 frames at 48 kHz is 8 ms.
struct Buffering {
    int periodSize;
    int periods;
};
constexpr Buffering kBufferings[] = {{128, 3}, {256, 3}, {512, 4}, {1024, 8}};
constexpr double kSampleRate = 48000.0;
// Fonts above this size load their samples when a program first needs them.
constexpr std::uintmax_t kDynamicLoadingBytes = 32u * 1024u * 1024u;

constexpr int kChannel = 0;

class SilentOutput final : public NoteOutput {
public:
    void setInstrument(std::int64_t) override {}
    void playNote(std::int64_t, std::int64_t) override {}
    void allNotesOff() override {}
};

}  // namespace

std::vector<std::filesystem::path> soundFonts(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> found;
    for (const char* name : {"default-GM.sf2", "FluidR3_GM.sf2", "TimGM6mb.sf2"}) {
        std::filesystem::path candidate = folder / name;
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec) && ::access(candidate.c_str(), R_OK) == 0)
            found.push_back(std::move(candidate));
    }
    return found;
}

std::optional<std::filesystem::path> findSoundFont(const std::filesystem::path& folder) {
    auto fonts = soundFonts(folder);
    if (fonts.empty()) return std::nullopt;
    return fonts.front();
}

FluidSynthOutput::~FluidSynthOutput() {
    if (driver_) delete_fluid_audio_driver(driver_);
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

bool FluidSynthOutput::load(const std::filesystem::path& soundFont, double sampleRate, std::string& error) {
    settings_ = new_fluid_settings();
    if (!settings_) {
        error = "FluidSynth cannot start";
        return false;
    }
    fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate);
    std::error_code ec;
    const auto bytes = std::filesystem::file_size(soundFont, ec);
    if (!ec && bytes > kDynamicLoadingBytes) fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    synth_ = new_fluid_synth(settings_);
    if (!synth_) {
        error = "FluidSynth cannot start";
        return false;
    }
    if (fluid_synth_sfload(synth_, soundFont.c_str(), 1) == FLUID_FAILED) {
        error = "cannot load the SoundFont " + soundFont.string();
        return false;
    }
    fluid_synth_bank_select(synth_, kChannel, 0);
    fluid_synth_program_change(synth_, kChannel, 0);
    return true;
}

std::unique_ptr<FluidSynthOutput> FluidSynthOutput::openRender(const std::filesystem::path& soundFont,
                                                               std::string& error, double sampleRate) {
    LogCollector log;
    std::unique_ptr<FluidSynthOutput> out(new FluidSynthOutput);
    if (!out->load(soundFont, sampleRate, error)) {
        if (!log.text().empty()) error += " (" + log.text() + ")";
        return nullptr;
    }
    return out;
}

std::unique_ptr<FluidSynthOutput> FluidSynthOutput::openAudio(const std::filesystem::path& soundFont,
                                                              std::string& error,
                                                              const std::vector<std::string>& drivers) {
    auto out = openRender(soundFont, error, kSampleRate);
    if (!out || !out->startAudio(drivers, error)) return nullptr;
    return out;
}

bool FluidSynthOutput::startAudio(const std::vector<std::string>& drivers, std::string& error) {
    LogCollector log;
    for (const std::string& driver : drivers) {
        if (fluid_settings_setstr(settings_, "audio.driver", driver.c_str()) == FLUID_FAILED) continue;
        for (const Buffering& b : kBufferings) {
            fluid_settings_setint(settings_, "audio.period-size", b.periodSize);
            fluid_settings_setint(settings_, "audio.periods", b.periods);
            driver_ = new_fluid_audio_driver(settings_, synth_);
            if (driver_) {
                periodSize_ = b.periodSize;
                periods_ = b.periods;
                return true;
            }
        }
    }
    error = "no audio device";
    if (!log.text().empty()) error += " (FluidSynth: " + log.text() + ")";
    return false;
}

void FluidSynthOutput::setInstrument(std::int64_t instrument) {
    if (instrument < 0 || instrument > 127) return;
    fluid_synth_program_change(synth_, kChannel, static_cast<int>(instrument));
}

void FluidSynthOutput::playNote(std::int64_t note, std::int64_t velocity) {
    if (note < 0 || note > 127) return;
    if (velocity > 0) {
        fluid_synth_noteon(synth_, kChannel, static_cast<int>(note), static_cast<int>(std::min<std::int64_t>(velocity, 127)));
    } else {
        // A note-off for a note that does not sound fails quietly.
        fluid_synth_noteoff(synth_, kChannel, static_cast<int>(note));
    }
}

void FluidSynthOutput::allNotesOff() {
    fluid_synth_all_sounds_off(synth_, kChannel);
}

void FluidSynthOutput::render(int frames, std::vector<float>& out) {
    frames = std::max(frames, 0);
    out.assign(static_cast<std::size_t>(frames) * 2, 0.0f);
    if (frames > 0) fluid_synth_write_float(synth_, frames, out.data(), 0, 2, out.data(), 1, 2);
}

int FluidSynthOutput::activeVoiceCount() const {
    return fluid_synth_get_active_voice_count(synth_);
}

int FluidSynthOutput::currentProgram() const {
    int sfont = 0, bank = 0, program = -1;
    if (fluid_synth_get_program(synth_, kChannel, &sfont, &bank, &program) == FLUID_FAILED) return -1;
    return program;
}

std::shared_ptr<NoteOutput> openSoundOutput(const SoundSetup& setup) {
    const auto fonts = soundFonts(setup.soundFontFolder);
    if (fonts.empty()) {
        printNotice("No sound: no General MIDI SoundFont (default-GM.sf2, FluidR3_GM.sf2 or TimGM6mb.sf2) in " +
                    setup.soundFontFolder.string() + "; install timgm6mb-soundfont. Playing silently.");
        return std::make_shared<SilentOutput>();
    }
    // A font that exists but fails to load is passed over for the next; the
    // one notice line names it.
    std::string skipped;  // why each font passed over failed
    std::unique_ptr<FluidSynthOutput> out;
    for (const auto& font : fonts) {
        std::string error;
        out = FluidSynthOutput::openRender(font, error, kSampleRate);
        if (out) break;
        skipped += (skipped.empty() ? "" : "; ") + error;
    }
    if (!out) {
        printNotice("No sound: no SoundFont loads: " + skipped + ". Playing silently.");
        return std::make_shared<SilentOutput>();
    }
    std::string error;
    if (!setup.drivers.empty() && !out->startAudio(setup.drivers, error)) {
        printNotice("No sound: " + error + (skipped.empty() ? "" : "; " + skipped) + ". Playing silently.");
        return std::make_shared<SilentOutput>();
    }
    if (!skipped.empty()) printNotice("SoundFont passed over: " + skipped + ".");
    return out;
}

}  // namespace nalvo
