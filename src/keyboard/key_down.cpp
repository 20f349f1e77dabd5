// The window's key-down handler: the computer keyboard as two chromatic
// keyboards, Space to silence and the arrows to step pitch and velocity.
#include "keyboard/key_table.h"

#include "controls/play.h"
#include "window/NALVO.h"

#include <array>

namespace nalvo {

namespace {

using enum PitchClass;
using Centre = CentrePad;

constexpr auto None = EarlyOff::None;
constexpr auto Last = EarlyOff::LastPitch;
constexpr auto N60 = EarlyOff::Note60;
constexpr std::optional<CentrePad> Full;

constexpr KeyEntry note(char32_t code, std::int64_t offset, bool instrument, EarlyOff early, bool late,
                        std::optional<CentrePad> replaced, PadAccessor lit, PitchClass litClass) {
    return {code, KeyAction::Note, offset, instrument, early, late, replaced, lit, litClass, 0};
}
constexpr KeyEntry arrow(char32_t code, KeyAction action, std::int64_t step) {
    return {code, action, 0, false, None, false, Full, nullptr, Sharp, step};
}

const std::array<KeyEntry, 40> kKeys{{
    {U' ', KeyAction::Space, 0, true, None, false, Full, nullptr, Sharp, 0},
    // Lower keyboard: code, offset, instrument, early, late, replaced, lit pad, highlight.
    note(U'z', 59, true, None, true, Centre::Oval7, &NALVO::Oval9, B),
    note(U'x', 60, true, None, true, Full, &NALVO::Oval1, C),
    note(U'c', 62, true, None, true, Full, &NALVO::Oval2, D),
    note(U'v', 64, false, None, true, Full, &NALVO::Oval3, E),
    note(U'b', 65, true, None, true, Full, &NALVO::Oval4, F),
    note(U'n', 67, true, None, true, Full, &NALVO::Oval5, G),
    note(U'm', 69, false, None, true, Full, &NALVO::Oval6, A),
    note(U',', 71, true, None, true, Full, &NALVO::Oval7, B),
    note(U'.', 72, true, None, true, Full, &NALVO::Oval8, C),
    note(U'/', 74, true, None, true, Centre::Oval2, &NALVO::Oval11, D),
    note(219, 76, true, None, true, Centre::Oval3, &NALVO::Oval12, E),
    note(U'd', 61, false, Last, true, Full, &NALVO::miniOval1, Sharp),
    note(U'f', 63, false, Last, false, Full, &NALVO::miniOval2, Sharp),
    note(U'h', 66, false, Last, false, Full, &NALVO::miniOval3, Sharp),
    note(U'j', 68, false, Last, false, Full, &NALVO::miniOval4, Sharp),
    note(U'k', 70, false, Last, false, Full, &NALVO::miniOval5, Sharp),
    note(U';', 73, false, N60, true, Full, &NALVO::miniOval1, Sharp),
    note(U']', 75, false, Last, false, Full, &NALVO::miniOval2, Sharp),
    // Upper keyboard.
    note(U'q', 72, true, None, true, Full, &NALVO::Oval1, C),
    note(U'w', 74, true, None, true, Full, &NALVO::Oval2, D),
    note(U'e', 76, false, None, true, Full, &NALVO::Oval3, E),
    note(U'r', 77, true, None, true, Full, &NALVO::Oval4, F),
    note(U't', 79, true, None, true, Full, &NALVO::Oval5, G),
    note(U'y', 81, false, None, true, Full, &NALVO::Oval6, A),
    note(U'u', 83, true, None, true, Full, &NALVO::Oval7, B),
    note(U'i', 84, true, None, true, Full, &NALVO::Oval8, C),
    note(U'o', 86, true, None, true, Full, &NALVO::Oval2, D),
    note(U'p', 88, true, None, true, Full, &NALVO::Oval3, E),
    note(U'2', 73, false, Last, true, Full, &NALVO::miniOval1, Sharp),
    note(U'3', 75, false, Last, false, Full, &NALVO::miniOval2, Sharp),
    note(U'5', 78, false, Last, false, Full, &NALVO::miniOval3, Sharp),
    note(U'6', 80, false, Last, false, Full, &NALVO::miniOval4, Sharp),
    note(U'7', 82, false, Last, false, Full, &NALVO::miniOval5, Sharp),
    note(U'9', 85, false, N60, true, Full, &NALVO::miniOval1, Sharp),
    note(U'0', 87, false, Last, false, Full, &NALVO::miniOval2, Sharp),
    // Arrow-key codes.
    arrow(28, KeyAction::PitchStep, -1),
    arrow(29, KeyAction::PitchStep, +1),
    arrow(30, KeyAction::VelocityStep, -1),
    arrow(31, KeyAction::VelocityStep, +1),
}};

void noteBlock(NALVO& w, const KeyEntry& k) {
    if (k.setsInstrument) setInstrumentFromApp(w);
    if (k.earlyOff == EarlyOff::LastPitch) noteOffLastPitch(w);
    if (k.earlyOff == EarlyOff::Note60) w.NotePlayer1().PlayNote(60, 0);
    if (k.replaced) {
        const ReplacedEntry entry{*k.replaced, nullptr, k.litPad};
        centreReset(w, &entry);
    } else {
        centreReset(w);
    }
    if (k.lateOff) noteOffLastPitch(w);
    noteOnAt(w, k.noteOffset);
    rememberNote(k.noteOffset);
    paintPad((w.*k.litPad)(), highlightColour(k.litClass));
}

}  // namespace

std::span<const KeyEntry> keyTable() { return kKeys; }

char32_t keyCode(std::string_view key) {
    if (key.empty()) return 0;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(key[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return lead;
    std::size_t length = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (lead >= 0xF5) length = 0;
    if (length == 0 || key.size() < length) return 0xFFFD;
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0xFFFD;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are malformed.
    static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kMin[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0xFFFD;
    return code;
}

const KeyEntry* findKey(char32_t code) {
    for (const auto& k : kKeys)
        if (k.code == code) return &k;
    return nullptr;
}

void runKey(NALVO& w, const KeyEntry& k) {
    switch (k.action) {
    case KeyAction::Space:
        setInstrumentFromApp(w);
        centreReset(w);
        noteOffLastPitch(w);
        break;
    case KeyAction::Note:
        noteBlock(w, k);
        break;
    case KeyAction::PitchStep:
        w.PitchSlider().setValue(w.PitchSlider().Value() + k.step);
        break;
    case KeyAction::VelocityStep:
        w.VelocitySlider().setValue(w.VelocitySlider().Value() + k.step);
        break;
    }
}

bool NALVO::Event_KeyDown(const std::string& key) {
    if (const KeyEntry* entry = findKey(keyCode(key))) runKey(*this, *entry);
    return true;
}

}  // namespace nalvo
