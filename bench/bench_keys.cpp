// One piano-key click and one note key on the real offscreen window: the
// click through the event guard, the key through the window's key-down road
// and as a Qt key press. The note output is the silent one.
#include "bench_support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>

#include <benchmark/benchmark.h>

namespace {

using namespace nalvo;
using bench::openWindow;

void BM_PianoKeyClick(benchmark::State& state) {
    bench::mouseDownLoop(state, openWindow().Rectangle1());
}

void BM_NoteKey(benchmark::State& state) {
    NALVO& window = openWindow();
    const std::string key = "z";  // the replaced reset entry: the longest block
    for (auto _ : state) benchmark::DoNotOptimize(window.keyDown(key));
}

void BM_NoteKeyQtPress(benchmark::State& state) {
    QMainWindow& target = openWindow().qtWindow();
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
