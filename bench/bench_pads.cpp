// One pad click on the real offscreen window, through the event guard, for
// each of the four kinds of pad. The note output is the silent one.
#include "app/startup.h"
#include "platform/events.h"
#include "platform/noteoutput.h"
#include "support/window_fixture.h"
#include "window/NALVO.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace nalvo;

NALVO& benchWindow() {
    static NALVO& window = [&]() -> NALVO& {
        ensureQApplication();
        setNoteOutput(nullptr);
        newAppInstance();
        NALVO& w = defaultWindow();
        deliverOpenEvents(w);
        return w;
    }();
    return window;
}

void clickPad(benchmark::State& state, const std::string& name) {
    NALVO& window = benchWindow();
    Oval& pad = *checkCast<Oval>(window._ControlByName(name));
    const Value args[] = {std::int64_t{10}, std::int64_t{10}};
    for (auto _ : state) benchmark::DoNotOptimize(pad.raiseEvent(event_number::MouseDown, args, Value{false}));
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
