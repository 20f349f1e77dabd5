// One piano-key click and one note key on the real offscreen window: the
// click through the event guard, the key through the window's key-down road
// and as a Qt key press. The note output is the silent one.
#include "app/startup.h"
#include "platform/events.h"
#include "platform/noteoutput.h"
#include "support/window_fixture.h"
#include "window/NALVO.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>

#include <benchmark/benchmark.h>

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

void BM_PianoKeyClick(benchmark::State& state) {
    Rectangle& key = benchWindow().Rectangle1();
    const Value args[] = {std::int64_t{10}, std::int64_t{10}};
    for (auto _ : state) benchmark::DoNotOptimize(key.raiseEvent(event_number::MouseDown, args, Value{false}));
}

void BM_NoteKey(benchmark::State& state) {
    NALVO& window = benchWindow();
    const std::string key = "z";  // the replaced reset entry: the longest block
    for (auto _ : state) benchmark::DoNotOptimize(window.keyDown(key));
}

void BM_NoteKeyQtPress(benchmark::State& state) {
    QMainWindow& target = benchWindow().qtWindow();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, QStringLiteral("z"));
        QApplication::sendEvent(&target, &press);
    }
}

BENCHMARK(BM_PianoKeyClick);
BENCHMARK(BM_NoteKey);
BENCHMARK(BM_NoteKeyQtPress);

}  // namespace

BENCHMARK_MAIN();
