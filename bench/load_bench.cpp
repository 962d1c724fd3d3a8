// SPDX-License-Identifier: MIT
// load_bench.cpp - what loading costs a player: entering each of the 24 scenes,
// start-up to the first frame beside a bare SDL program that shows one picture
// (both as fresh processes of bench/startup, measured in the same run), memory after start-up,
// and the peak memory of a whole play-through of each edition.
// Run from the build folder's en/ (gfx/ beside it), e.g.
//   cd build/en && ../bench/hollowmere_bench --benchmark_filter='Scene|Start|Memory'
// With DISPLAY set and SDL_VIDEODRIVER unset (xvfb-run) the start-up opens real windows.
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "proc_status.h"
#include "frame/clock.h"
#include "frame/engine.h"
#include "game/content.h"
#include "game/edition.h"
#include "gfx/graphic.h"
#include "harness.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

// ---- the two start-ups, each a fresh process of startup/startup.cpp ----
struct ChildResult {
    double ms = 0;      // fork to the first frame shown and reported
    long rssKb = 0;     // memory after the first frame
    long peakKb = 0;    // peak memory up to it (or of the whole child)
    bool ok = false;
};

// Runs argv and waits for it; rusage gives its peak, a start-up child reports its own.
ChildResult runChild(const char* kind, const std::vector<std::string>& argv) {
    ChildResult r;
    int out[2];
    if (pipe(out) != 0) return r;
    const Clock::time_point t0 = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], 1);
        close(out[0]);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        std::_Exit(127);
    }
    close(out[1]);
    std::string text;
    char buf[256];
    ssize_t n;
    while ((n = read(out[0], buf, sizeof buf)) > 0) text.append(buf, static_cast<size_t>(n));
    close(out[0]);
    int status = 0;
    rusage use = {};
    wait4(pid, &status, 0, &use);
    r.ms = msSince(t0);
    r.peakKb = use.ru_maxrss;
    r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (kind) std::sscanf(text.c_str(), "%ld %ld", &r.rssKb, &r.peakKb);
    return r;
}

std::string selfPath() {
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
}

// Start-up of the game and of the bare program, alternating, in one run.
void BM_StartupToFirstFrame(benchmark::State& state) {
    const std::string self = selfPath();
    const std::string startup = self.substr(0, self.rfind('/')) + "/hollowmere_startup";
    double game = 0, bare = 0;
    long rss = 0, peak = 0;
    int runs = 0;
    for (auto _ : state) {
        const ChildResult b = runChild("bare", {startup, "bare"});
        const ChildResult g = runChild("game", {startup, "game"});
        if (!b.ok || !g.ok) {
            state.SkipWithError("a start-up child failed");
            return;
        }
        state.SetIterationTime(g.ms / 1000.0);
        game += g.ms;
        bare += b.ms;
        rss = g.rssKb;
        peak = g.peakKb;
        ++runs;
    }
    state.counters["game_ms"] = game / runs;
    state.counters["bare_ms"] = bare / runs;
    state.counters["ratio"] = game / bare;
    state.counters["rss_after_startup_mb"] = rss / 1024.0;
    state.counters["peak_at_startup_mb"] = peak / 1024.0;
}
BENCHMARK(BM_StartupToFirstFrame)->UseManualTime()->Iterations(8)->Unit(benchmark::kMillisecond);

// The whole play-through test of one edition in a process of its own, as the
// program plays (800x600 screen, the worker reading ahead); its peak memory.
void BM_PlaythroughPeakMemory(benchmark::State& state, const char* edition) {
    const std::string self = selfPath();
    const std::string tests = self.substr(0, self.rfind('/')) + "/../tests/game_tests";
    ChildResult r;
    setenv("HOLLOWMERE_PLAY_AS_PROGRAM", "1", 1);  // an 800x600 screen, pictures read ahead
    for (auto _ : state) {
        r = runChild(nullptr, {tests, std::string("--gtest_filter=*PlayThrough*") + edition + "*"});
        if (!r.ok) {
            state.SkipWithError("the play-through failed");
            return;
        }
        state.SetIterationTime(r.ms / 1000.0);
    }
    state.counters["peak_mb"] = r.peakKb / 1024.0;
}
BENCHMARK_CAPTURE(BM_PlaythroughPeakMemory, en, "en")->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlaythroughPeakMemory, de, "de")->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// Reading ahead from the first scene as far as the budget reaches, and what
// the pictures then hold.
void BM_DecodeAheadAll(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        TestEngine t;
        buildContent(t.e, kEnglish);
        state.ResumeTiming();
        decodeAhead(picturesAheadOf(t.e.scenes, t.e.graphics, t.e.scenes.currentScene));
        waitForDecodingAhead();
        state.counters["pictures_mb"] = picturesBytes() / 1048576.0;
    }
}
BENCHMARK(BM_DecodeAheadAll)->Iterations(3)->Unit(benchmark::kMillisecond);

// A scene entered as the program enters it (the worker and each frame's spare
// time read ahead, a frame waits for pictures not read yet), frames run as the
// loop runs them until the scene is on the window. Gives the dearest frame's
// CPU time on the main thread (the entry counted in the first) and the frames.
struct Entry {
    double worstCpuMs = 0;  // the dearest frame, main thread only
    double wallMs = 0;      // from the entry to the scene on the window
    int frames = 0;         // frames until then
};
Entry enterAsTheProgram(TestEngine& t, const char* scene) {
    Entry r;
    gTicks.virtualTime = false;  // the program's clock: each frame's spare time and sleep as in play
    const Clock::time_point t0 = Clock::now();
    double cpu = threadCpuMs();
    t.e.scenes.currentScene = scene;
    enterScene(t.gs());
    do {
        t.frame();  // the frame and its spare time
        const double now = threadCpuMs();
        r.worstCpuMs = std::max(r.worstCpuMs, now - cpu);
        cpu = now;
        ++r.frames;
    } while (t.e.target.picturesMissing && r.frames < 1000);
    r.wallMs = msSince(t0);
    useVirtualClock(ticksNow());
    return r;
}

// Entering one scene again and again; beside it the first entry right after
// start-up's first picture, nothing else read yet (cold_*: a save loaded at
// once), and after the pictures were read ahead (first_*). The scene shows only
// once its pictures are read: the frames wait meanwhile, each within its 16 ms.
// (The first picture of all is start-up's, which BM_StartupToFirstFrame times.)
void BM_SceneEntry(benchmark::State& state, const char* scene) {
    Entry cold, first;
    {
        TestEngine t;
        buildContent(t.e, kEnglish);
        t.e.target.readsAhead = true;
        enterScene(t.gs());  // the program's first scene, and its first picture
        t.frame();
        cold = enterAsTheProgram(t, scene);
        stopDecodingAhead();
    }
    releasePictures();
    TestEngine t;
    buildContent(t.e, kEnglish);
    t.e.target.readsAhead = true;
    // As in play: the pictures read ahead from the scene itself (the nearest
    // of its neighbours reads it first).
    decodeAhead(picturesAheadOf(t.e.scenes, t.e.graphics, scene));
    waitForDecodingAhead();
    first = enterAsTheProgram(t, scene);
    for (auto _ : state) {
        t.e.scenes.currentScene = scene;
        enterScene(t.gs());
    }
    state.counters["cold_cpu_ms"] = cold.worstCpuMs;
    state.counters["cold_frames"] = cold.frames;
    state.counters["cold_wall_ms"] = cold.wallMs;
    state.counters["first_cpu_ms"] = first.worstCpuMs;
    state.counters["pictures_mb"] = picturesBytes() / 1048576.0;
    stopDecodingAhead();
}

const char* const kSceneNames[] = {
    "IntroCrash", "IntroCGA1", "Credits", "Menu", "ScheuneHinten", "ScheuneVorne", "ScheuneFern",
    "ScheuneInnen", "Farmhaus", "FarmhausHinten", "Kreuzung", "FitnessStudioAussen",
    "FitnessStudioInnen", "Trainingsraum", "Toilette", "HausAlteDame", "Schule", "Schulparty",
    "FatmanEatingSequenz", "ToiletteVerstopftSequenz", "BenutzeLaufbandSequenz",
    "StudiogirlBurgerSequenz", "FarmhausSequenz", "BurbSequenz",
};

const bool gScenesRegistered = [] {
    for (const char* name : kSceneNames)
        benchmark::RegisterBenchmark((std::string("BM_SceneEntry/") + name).c_str(), BM_SceneEntry, name)
            ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
