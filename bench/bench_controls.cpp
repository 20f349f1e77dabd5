// One "Randam Hit" click on the real offscreen window, through Qt, with the
// silent note output: the six draws, the instrument, and up to three notes.
#include "bench_support.h"

#include <QApplication>
#include <QTest>

namespace {

using nalvo::bench::openWindow;

void BM_RandamHitClick(benchmark::State& state) {
    nalvo::NALVO& w = openWindow();
    QWidget* button = w.PushButton1().widget();
    const QPoint centre = button->rect().center();
    for (auto _ : state) {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, centre);
        benchmark::DoNotOptimize(nalvo::theApp().LastPitch);
    }
}
BENCHMARK(BM_RandamHitClick);

void BM_RandamHitHandler(benchmark::State& state) {
    nalvo::NALVO& w = openWindow();
    for (auto _ : state) {
        w.PushButton1_Action(w.PushButton1());
        benchmark::DoNotOptimize(nalvo::theApp().LastPitch);
    }
}
BENCHMARK(BM_RandamHitHandler);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    nalvo::resetDefaultWindow();
    benchmark::Shutdown();
    return 0;
}
