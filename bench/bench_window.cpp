// Building the main window with its 87 controls, and applying one layout
// record to a control.
#include "platform/record.h"
#include "support/fixture.h"
#include "window/NALVO.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace nalvo;

void BM_BuildWindow(benchmark::State& state) {
    ensureQApplication();
    NALVO::__Lookup();
    for (auto _ : state) {
        auto window = std::make_unique<NALVO>();
        window->Constructor();
        benchmark::DoNotOptimize(window->controlCount());
    }
}
BENCHMARK(BM_BuildWindow)->Unit(benchmark::kMillisecond);

template <class C>
void applyRecord(benchmark::State& state, const char* name) {
    ensureQApplication();
    auto object = C::__Lookup().factory();
    auto& control = *checkCast<C>(object.get());
    control.Constructor();
    const std::string_view record = layoutRecord(name);
    for (auto _ : state) _SetProperties(control, record);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * record.size()));
}

void BM_ApplyOvalRecord(benchmark::State& state) { applyRecord<Oval>(state, "Oval1"); }
void BM_ApplyPopupRecord(benchmark::State& state) { applyRecord<PopupMenu>(state, "MusicPopupMenu"); }
BENCHMARK(BM_ApplyOvalRecord);
BENCHMARK(BM_ApplyPopupRecord);

}  // namespace

BENCHMARK_MAIN();
