// The framework's random numbers: Rnd() is a double in [0, 1) from a
// generator seeded once per run. Tests replace the source with setRndSource.
#pragma once

#include <functional>

namespace nalvo {

// The next random number, in [0, 1).
double Rnd();

// Makes Rnd() return what `source` returns (a test's scripted draws); an
// empty function restores the seeded generator.
void setRndSource(std::function<double()> source);

}  // namespace nalvo
