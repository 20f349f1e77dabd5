// Pitch and velocity: two scroll bars the user drags and two hidden sliders
// the arrow keys step. Each handler writes from its own control's Value.
#include "app/App.h"
#include "window/NALVO.h"

#include <array>
#include <cstdint>
#include <utility>

namespace nalvo {

namespace {

// Value -> octave shift, compared in this order; any other Value leaves MyPitch alone.
constexpr std::array<std::pair<std::int64_t, std::int64_t>, 9> kPitchTable{
    {{5, 0}, {4, -12}, {3, -24}, {2, -36}, {1, -48}, {6, 12}, {7, 24}, {8, 36}, {9, 48}}};

void pitchFrom(const RangeControl& control) {
    for (const auto& [value, pitch] : kPitchTable) {
        if (control.Value() == value) {
            theApp().MyPitch = pitch;
            return;
        }
    }
}

void velocityFrom(const RangeControl& control) {
    const std::int64_t value = control.Value();
    theApp().MyVelocity = 160 - 6 * value;
}

constexpr std::int64_t kOpeningVelocity = 64;

}  // namespace

void NALVO::PitchSlider_ValueChanged(Slider& sender) { pitchFrom(sender); }
void NALVO::PitchBar_ValueChanged(ScrollBar& sender) { pitchFrom(sender); }
void NALVO::PitchBar_Open(ScrollBar&) {}

void NALVO::VelocitySlider_ValueChanged(Slider&) { velocityFrom(VelocitySlider()); }
void NALVO::VeclotityBar_ValueChanged(ScrollBar& sender) { velocityFrom(sender); }
void NALVO::VelocitySlider_Open(Slider&) { theApp().MyVelocity = kOpeningVelocity; }
void NALVO::VeclotityBar_Open(ScrollBar&) { theApp().MyVelocity = kOpeningVelocity; }

}  // namespace nalvo
