// One pad click on the real offscreen window, through the event guard, for
// each of the four kinds of pad. The note output is the silent one.
#include "bench_support.h"

#include <string>

namespace {

using namespace nalvo;

void clickPad(benchmark::State& state, const std::string& name) {
    bench::mouseDownLoop(state, *checkCast<Oval>(bench::openWindow()._ControlByName(name)));
}

void BM_CentreNaturalPad(benchmark::State& state) { clickPad(state, "Oval1"); }
void BM_CentreSharpPad(benchmark::State& state) { clickPad(state, "miniOval1"); }
void BM_OuterNaturalPad(benchmark::State& state) { clickPad(state, "Oval14"); }
void BM_OuterSharpPad(benchmark::State& state) { clickPad(state, "miniOval111"); }

BENCHMARK(BM_CentreNaturalPad);
BENCHMARK(BM_CentreSharpPad);
BENCHMARK(BM_OuterNaturalPad);
BENCHMARK(BM_OuterSharpPad);

}  // namespace

BENCHMARK_MAIN();
