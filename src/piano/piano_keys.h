// The 40 piano keys along the bottom of the window: each key's name and its
// note offset (the note it plays at octave shift 0), left to right.
#pragma once

#include <cstdint>

namespace nalvo {

class NALVO;

#define NALVO_PIANO_KEYS(X) \
    X(Rectangle22, 48) \
    X(Rectangle44, 49) \
    X(Rectangle41, 50) \
    X(Rectangle45, 51) \
    X(Rectangle42, 52) \
    X(Rectangle30, 53) \
    X(Rectangle35, 54) \
    X(Rectangle32, 55) \
    X(Rectangle36, 56) \
    X(Rectangle31, 57) \
    X(Rectangle14, 58) \
    X(Rectangle33, 59) \
    X(Rectangle1, 60) \
    X(Rectangle9, 61) \
    X(Rectangle2, 62) \
    X(Rectangle10, 63) \
    X(Rectangle3, 64) \
    X(Rectangle4, 65) \
    X(Rectangle11, 66) \
    X(Rectangle6, 67) \
    X(Rectangle12, 68) \
    X(Rectangle5, 69) \
    X(Rectangle13, 70) \
    X(Rectangle7, 71) \
    X(Rectangle8, 72) \
    X(Rectangle18, 73) \
    X(Rectangle15, 74) \
    X(Rectangle21, 75) \
    X(Rectangle19, 63) \
    X(Rectangle20, 61) \
    X(Rectangle16, 76) \
    X(Rectangle17, 77) \
    X(Rectangle39, 78) \
    X(Rectangle23, 79) \
    X(Rectangle25, 80) \
    X(Rectangle24, 81) \
    X(Rectangle38, 82) \
    X(Rectangle26, 83) \
    X(Rectangle27, 84) \
    X(Rectangle40, 85)

// A mouse-down on a piano key with that note offset: sets the instrument,
// silences LastPitch, plays MyPitch + offset at MyVelocity and stores it.
// Always false, as every key's handler answers.
bool pressPianoKey(NALVO& window, std::int64_t noteOffset);

}  // namespace nalvo
