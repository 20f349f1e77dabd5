// Shared set-up of the benchmarks: the real main window, offscreen, built and
// opened once, with the silent note output.
#pragma once

#include "app/startup.h"
#include "platform/events.h"
#include "platform/noteoutput.h"
#include "support/fixture.h"
#include "window/NALVO.h"

#include <benchmark/benchmark.h>

namespace nalvo::bench {

// The default window, made and opened on the first call.
inline NALVO& openWindow() {
    ensureQApplication();
    if (NALVO* w = existingDefaultWindow()) return *w;
    setNoteOutput(nullptr);
    newAppInstance();
    NALVO& w = defaultWindow();
    deliverOpenEvents(w);
    return w;
}

// Times the control's MouseDown raised through the event guard, as a click does.
inline void mouseDownLoop(benchmark::State& state, RectControl& control) {
    const Value args[] = {std::int64_t{10}, std::int64_t{10}};
    for (auto _ : state) benchmark::DoNotOptimize(control.raiseEvent(event_number::MouseDown, args, Value{false}));
}

}  // namespace nalvo::bench
