#include "random.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <random>

namespace nalvo {

namespace {

std::function<double()>& source() {
    static std::function<double()> s;
    return s;
}

std::uint64_t runSeed() {
    try {
        return std::random_device{}();
    } catch (...) {
        return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
}

double seededDraw() {
    static std::mt19937_64 generator{runSeed()};
    // The top 53 bits as a fraction: exactly representable, never 1.0.
    return static_cast<double>(generator() >> 11) * 0x1.0p-53;
}

}  // namespace

double Rnd() {
    if (const auto& s = source()) {
        // A replaced source is held to the same promise: [0, 1), never NaN.
        const double v = s();
        if (!(v >= 0.0)) return 0.0;
        return v < 1.0 ? v : std::nextafter(1.0, 0.0);
    }
    return seededDraw();
}

void setRndSource(std::function<double()> s) {
    source() = std::move(s);
}

}  // namespace nalvo
