// A whole paint as the window makes it, at its most expensive: every annunciator lit, a full
// display with marks, and a key held, into the in-memory surface.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "bench/bench_session.h"
#include "bench/budget.h"
#include "faceplate/faceplate.h"
#include "faceplate/geometry.h"
#include "faceplate/rgb_surface.h"
#include "shell/resources/embedded_images.h"

namespace tabulor::bench {
namespace {

void fullPaint(benchmark::State& state) {
    FaceplateImages images;
    if (!loadFaceplateImages(images, embeddedImages())) std::abort();
    BenchSession session;
    session.run("BEG/END 2 + 123456789.012");
    Calculator& calculator = session.calculator();
    Display& display = *calculator.display;
    // An armed SHIFT and 8 held under it; the full entry takes no thirteenth digit.
    pressKey(calculator, Key::Shift);
    releaseKey(calculator);
    pressKey(calculator, Key::Digit8);
    display.shiftShown = true;
    display.lowBattery = true;
    display.error = ErrorCode::Func;
    RgbSurface surface(faceplate::kWidth, faceplate::kHeight);
    for (auto _ : state) {
        paintFaceplate(images, calculator, surface, faceplate::kFaceRect);
        benchmark::DoNotOptimize(surface.rgb().data());
    }
    setOperationsPerIteration(state, 1);
}

BENCHMARK(fullPaint)->Name("Faceplate/FullPaint");

}  // namespace
}  // namespace tabulor::bench
