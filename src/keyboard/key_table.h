// The key-down handler's table: 40 entries in the order they are compared,
// the first equal key code wins. Note keys differ only in the columns below.
#pragma once

#include "pads/colours.h"
#include "platform/runtime.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace nalvo {

class NALVO;
class Oval;

enum class KeyAction : std::uint8_t {
    Space,          // instrument, centre reset, note-off of LastPitch
    Note,           // a note block
    PitchStep,      // PitchSlider.Value += step
    VelocityStep,   // VelocitySlider.Value += step
};

// The note-off a note block sends before its centre reset.
enum class EarlyOff : std::uint8_t { None, LastPitch, Note60 };

using PadAccessor = Oval& (NALVO::*)();

struct KeyEntry {
    char32_t code;
    KeyAction action;
    std::int64_t noteOffset;   // note keys
    bool setsInstrument;       // note keys and Space
    EarlyOff earlyOff;
    bool lateOff;              // note-off of LastPitch after the centre reset
    std::optional<CentrePad> replaced;  // centre pad whose reset entry the lit pad takes
    PadAccessor litPad;
    PitchClass litClass;       // the lit pad is painted this class's highlight colour
    std::int64_t step;         // arrows: -1 or +1
};

// The 40 entries in comparison order.
std::span<const KeyEntry> keyTable();

// The key code of a key string: the code point of its first UTF-8
// character; 0 for an empty string; U+FFFD for a malformed sequence.
char32_t keyCode(std::string_view key);

// The entry for a key code, or null.
const KeyEntry* findKey(char32_t code);

// Runs one entry's action on the window.
void runKey(NALVO& window, const KeyEntry& entry);

}  // namespace nalvo
