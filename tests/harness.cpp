// harness.cpp - a headless engine on a virtual clock for the tests.
#include "harness.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "frame/clock.h"

TestEngine::TestEngine() : e(), input(), videoOk(false) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    useVirtualClock(1000);
    srand(1);
    linkEngine(e);
    videoOk = platformStartVideo(windowChoice(e)) && initVideo(e) == 0;
    if (videoOk) loadInterface(e);
    e.game.clockStartTicks = ticksNow();
}

TestEngine::~TestEngine() { releaseEngine(e); }

void TestEngine::frame(const std::vector<GameKey>& keys) {
    FrameEvents ev = {};
    ev.input = input;
    ev.keys = keys;
    runFrame(e, ev);
    waitForFrameEnd(e);
}

void TestEngine::frames(int n) {
    for (int i = 0; i < n; ++i) frame();
}

void TestEngine::moveTo(int x, int y) {
    input.x = x;
    input.y = y;
}

void TestEngine::click(int x, int y) {
    moveTo(x, y);
    input.left = true;
    frame();
    input.left = false;
    frame();
}

void TestEngine::rightClick() {
    input.right = true;
    frame();
    input.right = false;
    frame();
}

std::string TestEngine::frontSpeech() const {
    return e.speech.lines.empty() ? std::string() : e.speech.lines.front()->text;
}

TempFolder::TempFolder() {
    char name[] = "/tmp/hollowmere-test-XXXXXX";
    path = mkdtemp(name) ? name : "";
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
}

static std::string gTestDir;  // the scratch folder of this run; "" until first used

// The scratch folder holds only the files written below: empty it and remove it.
static void removeTestDir() {
    if (DIR* d = opendir(gTestDir.c_str())) {
        while (dirent* entry = readdir(d)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") unlink((gTestDir + "/" + name).c_str());
        }
        closedir(d);
    }
    rmdir(gTestDir.c_str());
}

static std::string testDir() {
    if (gTestDir.empty()) {
        gTestDir = "/tmp/hollowmere-tests-" + std::to_string(getpid());
        mkdir(gTestDir.c_str(), 0755);
        atexit(removeTestDir);
    }
    return gTestDir;
}

std::string writeTestBmpFn(const std::string& name, int w, int h, const std::function<uint32_t(int x, int y)>& pixel) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xff0000, 0xff00, 0xff, 0);
    for (int y = 0; y < h; ++y) {
        Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < w; ++x) row[x] = pixel(x, y) & 0xffffff;
    }
    std::string path = testDir() + "/" + name + ".bmp";
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
    return path;
}

std::string writeTestBmp(const std::string& name, int w, int h, uint32_t rgb) {
    return writeTestBmpFn(name, w, h, [rgb](int, int) { return rgb; });
}

uint32_t screenPixel(const Engine& e, int x, int y) {
    SDL_Surface* s = e.target.screen;
    if (!s || x < 0 || y < 0 || x >= s->w || y >= s->h) return 0;
    Uint32 v = *reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch + x * 4);
    Uint8 r, g, b;
    SDL_GetRGB(v, s->format, &r, &g, &b);
    return (uint32_t(r) << 16) | (uint32_t(g) << 8) | b;
}
