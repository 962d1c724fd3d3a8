// Speed and memory of the things a player feels: one frame of a busy scene,
// a line of speech, entering a scene (which reloads its pictures from disk).
// Run from the build folder's en/ (gfx/ beside it), e.g.
//   cd build/en && ../bench/hollowmere_bench
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "frame/clock.h"
#include "game/content.h"
#include "game/edition.h"
#include "harness.h"

static void enter(TestEngine& t, const char* scene) {
    t.e.scenes.currentScene = scene;
    enterScene(t.gs());
}

static double peakRssMb() {
    rusage u = {};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0;
}

// One whole frame (input, scripts, drawing, speech, flip) in the busiest town scene.
static void BM_FrameKreuzung(benchmark::State& state) {
    TestEngine t;
    buildContent(t.e, kEnglish);
    enter(t, "Kreuzung");
    t.moveTo(400, 300);
    for (auto _ : state) {
        FrameEvents ev = {};
        ev.input = t.input;
        runFrame(t.e, ev);
        advanceVirtualClock(kFrameMs);
    }
    state.counters["budget_ms"] = kFrameMs;
}
BENCHMARK(BM_FrameKreuzung)->Unit(benchmark::kMillisecond);

// A frame of the longest full-screen sequence strip.
static void BM_FrameBurpSequence(benchmark::State& state) {
    TestEngine t;
    buildContent(t.e, kEnglish);
    enter(t, "BurbSequenz");
    for (auto _ : state) {
        FrameEvents ev = {};
        runFrame(t.e, ev);
        advanceVirtualClock(kFrameMs);
    }
    state.counters["peak_rss_mb"] = peakRssMb();
}
BENCHMARK(BM_FrameBurpSequence)->Unit(benchmark::kMillisecond);

// A four-line speech text in the large font, blended pixel by pixel.
static void BM_DrawSpeechLine(benchmark::State& state) {
    TestEngine t;
    const std::string text =
        "I could use the pulley to lift my spaceship out of the /n ground. Fortunately I "
        "installed this clutch for /n interstellar towing actions.";
    for (auto _ : state) drawText(t.e.text, text, 4, 0, 24, t.e.text.white);
}
BENCHMARK(BM_DrawSpeechLine)->Unit(benchmark::kMicrosecond);

// Entering a scene reloads every sprite's picture from disk.
static void BM_EnterScene(benchmark::State& state) {
    TestEngine t;
    buildContent(t.e, kEnglish);
    const char* scenes[] = {"ScheuneVorne", "Kreuzung", "Schulparty", "Toilette"};
    size_t i = 0;
    for (auto _ : state) enter(t, scenes[i++ % 4]);
    state.counters["peak_rss_mb"] = peakRssMb();
}
BENCHMARK(BM_EnterScene)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
