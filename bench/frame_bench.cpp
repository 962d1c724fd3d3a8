// SPDX-License-Identifier: MIT
// Speed and memory of the things a player feels: the frames of every scene, an
// unchanged frame, the menu's fade, speech, and entering a scene.
// Frame figures are given beside the floor, a bare 800x600 copy and flip
// measured in the same run, so a busy machine shows in both alike.
// Run from the build folder's en/ (gfx/ beside it), e.g.
//   cd build/en && ../bench/hollowmere_bench
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

#include "frame/clock.h"
#include "game/content.h"
#include "game/edition.h"
#include "gfx/graphic.h"
#include "harness.h"
#include "proc_status.h"

namespace {

void enter(TestEngine& t, const std::string& scene) {
    t.e.scenes.currentScene = scene;
    enterScene(t.gs());
}

double peakRssMb() {
    rusage u = {};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0;
}

// The floor: copying an 800x600 picture onto the screen and flipping. It is
// measured in turns with the frames, a floor turn before each frame's, every
// turn 10 ms after the last one's picture: both hand the window a picture as
// the game does, a refresh apart (the window library hands one over at most
// about every 8 ms, so back to back most frames would not pay for it), and a
// busy machine weighs on both alike. Frames are given against the floor's
// median; its own p99 shows how much a bare copy and flip strays in the run.
// Between turns the screen holds the floor's picture, which changes no
// frame's cost: a frame composes its changed parts whatever lies there.
struct Turns {
    SDL_Surface* picture = nullptr;  // the floor's 800x600 picture; owned
    std::vector<double> floor;       // ms of CPU of each floor turn
    std::chrono::steady_clock::time_point next = std::chrono::steady_clock::now();  // the next turn's start

    Turns() {
        picture = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xff0000, 0xff00, 0xff, 0);
        SDL_FillRect(picture, nullptr, 0x336699);
    }
    ~Turns() { SDL_FreeSurface(picture); }
    Turns(const Turns&) = delete;
    Turns& operator=(const Turns&) = delete;
};

void waitTurn(Turns& turns) { std::this_thread::sleep_until(turns.next); }
void turnDone(Turns& turns) { turns.next = std::chrono::steady_clock::now() + std::chrono::milliseconds(10); }

void floorTurn(Turns& turns, SDL_Surface* screen) {
    waitTurn(turns);
    const double start = threadCpuMs();
    SDL_BlitSurface(turns.picture, nullptr, screen, nullptr);
    SDL_Flip(screen);
    turns.floor.push_back(threadCpuMs() - start);
    turnDone(turns);
}

double percentile(std::vector<double> times, int percent) {
    std::sort(times.begin(), times.end());
    return times[std::min(times.size() - 1, times.size() * percent / 100)];
}

// Frame times in ms of CPU, reported as mean, p99 and max, each also as a ratio to the floor.
void report(benchmark::State& state, const std::vector<double>& times, const Turns& turns) {
    if (times.empty() || turns.floor.empty()) return;
    double sum = 0;
    for (double t : times) sum += t;
    const double mean = sum / times.size();
    const double p99 = percentile(times, 99);
    const double floor = percentile(turns.floor, 50);
    state.counters["floor_ms"] = floor;
    state.counters["floor_p99_x"] = percentile(turns.floor, 99) / floor;
    state.counters["mean_ms"] = mean;
    state.counters["p99_ms"] = p99;
    state.counters["max_ms"] = *std::max_element(times.begin(), times.end());
    state.counters["mean_x_floor"] = mean / floor;
    state.counters["p99_x_floor"] = p99 / floor;
    state.counters["p99_x_floor_p99"] = p99 / percentile(turns.floor, 99);  // the same share of the turns
}

// A floor turn, then one timed frame with the harness's input levels; returns its time in ms.
double timedFrame(TestEngine& t, Turns& turns) {
    floorTurn(turns, t.e.target.screen);
    FrameEvents ev = {};
    ev.input = t.input;
    waitTurn(turns);
    const double start = threadCpuMs();
    runFrame(t.e, ev);
    const double ms = threadCpuMs() - start;
    turnDone(turns);
    if (t.e.target.readsAhead)
        waitForFrameEnd(t.e);  // the spare time reads ahead, as in the program (not timed: the loop's sleep)
    else
        advanceVirtualClock(kFrameMs);
    return ms;
}

// Every frame of a scene while the pointer circles over it, so the cursor moves
// and each frame is composed and handed over: the dearest frames a scene has.
// The pictures are read ahead first, as the game does after its first scene: a
// sequence that hands over to the next scene must not count that scene's cold
// first entry (the load benchmarks report those).
void sceneFrames(benchmark::State& state, std::string scene) {
    TestEngine t;
    buildContent(t.e, kEnglish);
    decodeAhead(picturesAheadOf(t.e.scenes, t.e.graphics, scene));
    waitForDecodingAhead();
    t.e.target.readsAhead = true;
    enter(t, scene);
    Turns turns;
    std::vector<double> times;
    int i = 0;
    for (auto _ : state) {
        t.moveTo(400 + (i * 7) % 300 - 150, 300 + (i * 5) % 200 - 100);
        times.push_back(timedFrame(t, turns));
        ++i;
    }
    report(state, times, turns);
}

// Frames that repeat the one on the window: the scene stands, the pointer rests.
// Only those frames are timed (a walking freak or an animation step is composed).
void BM_UnchangedFrame(benchmark::State& state) {
    TestEngine t;
    buildContent(t.e, kEnglish);
    enter(t, "Kreuzung");
    t.moveTo(400, 300);
    Turns turns;
    for (int i = 0; i < 60; ++i) timedFrame(t, turns);  // the first frames compose
    std::vector<double> times;
    uint64_t composed = 0;
    for (auto _ : state) {
        const uint64_t before = t.e.target.framesPresented;
        const double ms = timedFrame(t, turns);
        if (t.e.target.framesPresented == before)
            times.push_back(ms);
        else
            ++composed;
    }
    report(state, times, turns);
    state.counters["composed_frames"] = double(composed);
}
BENCHMARK(BM_UnchangedFrame)->Iterations(500)->Unit(benchmark::kMillisecond);

// The menu's fade-in: 255 frames in which every sprite's alpha goes up by one.
void BM_MenuFadeIn(benchmark::State& state) {
    TestEngine t;
    buildContent(t.e, kEnglish);
    enter(t, "Menu");
    t.moveTo(400, 300);
    Turns turns;
    std::vector<double> times;
    for (auto _ : state) {
        if (!t.e.display.sprites.empty() && t.e.display.sprites.front()->alpha == 255)
            setAlphaAll(t.e.display, 0);  // start the fade again
        times.push_back(timedFrame(t, turns));
    }
    report(state, times, turns);
}
BENCHMARK(BM_MenuFadeIn)->Iterations(510)->Unit(benchmark::kMillisecond);

// A four-line speech on screen while the pointer moves: every frame draws it again.
void BM_FrameWithSpeech(benchmark::State& state) {
    TestEngine t;
    buildContent(t.e, kEnglish);
    enter(t, "Kreuzung");
    Turns turns;
    const std::string text =
        "I could use the pulley to lift my spaceship out of the /n ground. Fortunately I "
        "installed this clutch for /n interstellar towing actions. /n And a fourth line.";
    std::vector<double> times;
    int i = 0;
    for (auto _ : state) {
        if (t.e.speech.lines.empty()) say(t.e.speech, text, t.e.text.white, 100);
        t.moveTo(250 + i % 300, 300);
        times.push_back(timedFrame(t, turns));
        ++i;
    }
    report(state, times, turns);
}
BENCHMARK(BM_FrameWithSpeech)->Iterations(300)->Unit(benchmark::kMillisecond);

// A four-line speech text in the large font, drawn at once.
void BM_DrawSpeechLine(benchmark::State& state) {
    TestEngine t;
    const std::string text =
        "I could use the pulley to lift my spaceship out of the /n ground. Fortunately I "
        "installed this clutch for /n interstellar towing actions.";
    for (auto _ : state) drawText(t.e.text, text, 4, 0, 24, t.e.text.white);
}
BENCHMARK(BM_DrawSpeechLine)->Unit(benchmark::kMicrosecond);

// Entering a scene reloads every sprite's picture from disk.
void BM_EnterScene(benchmark::State& state) {
    TestEngine t;
    buildContent(t.e, kEnglish);
    const char* scenes[] = {"ScheuneVorne", "Kreuzung", "Schulparty", "Toilette"};
    size_t i = 0;
    for (auto _ : state) enter(t, scenes[i++ % 4]);
    state.counters["peak_rss_mb"] = peakRssMb();
}
BENCHMARK(BM_EnterScene)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> scenes;
    {
        TestEngine t;
        buildContent(t.e, kEnglish);
        for (const auto& it : t.e.scenes.scenes) scenes.push_back(it.first);
    }
    for (const std::string& scene : scenes)
        benchmark::RegisterBenchmark(("BM_Frame/" + scene).c_str(), sceneFrames, scene)
            ->Iterations(300)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
