// SPDX-License-Identifier: MIT
// harness.cpp - a headless engine on a virtual clock for the tests.
#include "harness.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "frame/clock.h"

// Saves made in tests land in a fresh folder of each engine, never in the
// player's own, so no engine sees another's saves; a test that chose the
// folder itself (to share it between engines) keeps it.
static void keepSavesApart() {
    static std::vector<std::unique_ptr<TempFolder>> folders;  // removed at exit
    const char* now = getenv("XDG_DATA_HOME");
    if (now && (folders.empty() || folders.back()->path != now)) return;
    folders.push_back(std::make_unique<TempFolder>());
    setenv("XDG_DATA_HOME", folders.back()->path.c_str(), 1);
}

TestEngine::TestEngine() : e(), input(), videoOk(false) {
    keepSavesApart();
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

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TempFolder::TempFolder() {
    char name[] = "/tmp/hollowmere-test-XXXXXX";
    path = mkdtemp(name) ? name : "";
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
}

// The scratch folder of this run, removed at exit.
static const std::string& testDir() {
    static const TempFolder dir;
    return dir.path;
}

void writeBmp(const std::string& path, int w, int h, const PixelFn& pixel) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xff0000, 0xff00, 0xff, 0);
    for (int y = 0; y < h; ++y) {
        Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < w; ++x) row[x] = pixel(x, y) & 0xffffff;
    }
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
}

std::string writeTestBmpFn(const std::string& name, int w, int h, const PixelFn& pixel) {
    const std::string path = testDir() + "/" + name + ".bmp";
    writeBmp(path, w, h, pixel);
    return path;
}

std::string writeTestBmp(const std::string& name, int w, int h, uint32_t rgb) {
    return writeTestBmpFn(name, w, h, [rgb](int, int) { return rgb; });
}

uint32_t surfacePixel(const SDL_Surface* s, int x, int y) {
    if (!s || x < 0 || y < 0 || x >= s->w || y >= s->h) return 0;
    Uint32 v = *reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * 4);
    Uint8 r, g, b;
    SDL_GetRGB(v, s->format, &r, &g, &b);
    return (uint32_t(r) << 16) | (uint32_t(g) << 8) | b;
}

uint32_t screenPixel(const Engine& e, int x, int y) { return surfacePixel(e.target.screen, x, y); }

uint64_t surfaceHash(const SDL_Surface* s) {
    const Uint32 rgb = s->format->Rmask | s->format->Gmask | s->format->Bmask;
    uint64_t h = 1469598103934665603ull;
    for (int y = 0; y < s->h; ++y) {
        const Uint32* row = reinterpret_cast<const Uint32*>(static_cast<const uint8_t*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < s->w; ++x) h = (h ^ (row[x] & rgb)) * 1099511628211ull;
    }
    return h;
}

SDL_Surface* asPlainRgb(SDL_Surface* s) {
    if (!s) return nullptr;
    SDL_Surface* plain = SDL_CreateRGBSurface(SDL_SWSURFACE, s->w, s->h, 32, 0xff0000, 0xff00, 0xff, 0);
    if (plain) {
        SDL_SetAlpha(s, 0, 255);
        SDL_SetColorKey(s, 0, 0);
        SDL_BlitSurface(s, nullptr, plain, nullptr);
    }
    SDL_FreeSurface(s);
    return plain;
}
