// The pitch-class colours of the pads: the one table that both the pads'
// layout records (their starting FillColor) and the pad painting use.
#pragma once

#include "platform/runtime.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace nalvo {

// The seven natural pitch classes each have a colour pair; all sharps share one.
enum class PitchClass : std::uint8_t { C, D, E, F, G, A, B, Sharp };

struct PitchColours {
    Color base;       // the colour a pad rests in
    Color highlight;  // the colour it is painted when its note plays
};

inline constexpr std::array<PitchColours, 8> kPitchColours = {{
    {RGB(255, 128, 128), RGB(255, 0, 0)},      // C
    {RGB(255, 192, 255), RGB(255, 128, 192)},  // D
    {RGB(128, 0, 255), RGB(160, 32, 255)},     // E
    {RGB(0, 128, 128), RGB(0, 192, 192)},      // F
    {RGB(128, 128, 255), RGB(192, 192, 255)},  // G
    {RGB(0, 64, 128), RGB(0, 96, 160)},        // A
    {RGB(0, 0, 128), RGB(0, 0, 255)},          // B
    {RGB(255, 255, 128), RGB(255, 255, 64)},   // every sharp
}};

constexpr PitchColours pitchColours(PitchClass pc) noexcept { return kPitchColours[static_cast<std::size_t>(pc)]; }
constexpr Color baseColour(PitchClass pc) noexcept { return pitchColours(pc).base; }
constexpr Color highlightColour(PitchClass pc) noexcept { return pitchColours(pc).highlight; }

}  // namespace nalvo
