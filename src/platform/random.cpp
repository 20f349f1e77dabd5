#include "random.h"

#include <chrono>
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
    if (const auto& s = source()) return s();
    return seededDraw();
}

void setRndSource(std::function<double()> s) {
    source() = std::move(s);
}

}  // namespace nalvo
