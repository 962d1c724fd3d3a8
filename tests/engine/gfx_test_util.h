// SPDX-License-Identifier: MIT
// gfx_test_util.h - a headless 800x600 screen, a scratch folder and marker fonts
// for the graphics tests.
#pragma once
#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "gfx/display.h"
#include "gfx/graphic.h"
#include "gfx/speech.h"
#include "gfx/text.h"
#include "harness.h"

namespace gfxtest {

// Writes an uncompressed 32-bit BMP (plain BI_RGB, the kind the loaders give an alpha channel).
inline void writeBmp32(const std::string& path, int w, int h, const PixelFn& pixel) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    const uint32_t data = static_cast<uint32_t>(w * h * 4);
    // File header after "BM", then the 40-byte info header: 1 plane, 32 bits, no compression.
    const uint32_t header[] = {54 + data, 0, 54, 40, uint32_t(w), uint32_t(h), 1 | 32u << 16, 0, data, 2835, 2835, 0, 0};
    std::fputs("BM", f);
    std::fwrite(header, sizeof header, 1, f);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const uint32_t v = pixel(x, y) & 0xffffff;
            std::fwrite(&v, 4, 1, f);
        }
    std::fclose(f);
}

// Runs f with dir as the working directory (the game's fixed font paths).
template <typename F>
void inDir(const std::string& dir, F f) {
    char old[4096];
    ASSERT_NE(getcwd(old, sizeof old), nullptr);
    ASSERT_EQ(chdir(dir.c_str()), 0);
    f();
    ASSERT_EQ(chdir(old), 0);
}

inline void freeFonts(TextRenderer& r) {
    for (SDL_Surface* s : {r.font8, r.font16, r.font24})
        if (s) SDL_FreeSurface(s);
    r.font8 = r.font16 = r.font24 = nullptr;
}

// Marker fonts in dir/gfx, loaded: every glyph cell n holds one lit pixel
// (100, 2n, 100) at its top-left and black elsewhere, so a drawn glyph is found
// by its top-left pixel. With full set, every pixel of every cell is lit
// (0x808080) instead.
inline void loadMarkerFonts(TextRenderer& r, const std::string& dir, bool full = false, bool bits24 = false) {
    const struct {
        const char* file;
        int cellW, cellH;
    } fonts[] = {{"fontc.bmp", 6, 8}, {"font12c.bmp", 12, 16}, {"font18c.bmp", 18, 24}};
    mkdir((dir + "/gfx").c_str(), 0755);
    for (const auto& f : fonts) {
        const int cw = f.cellW;
        PixelFn px = [cw, full](int x, int y) -> uint32_t {
            if (full) return 0x808080u;
            return (x % cw == 0 && y == 0) ? (0x640064u | uint32_t(2 * (x / cw)) << 8) : 0;
        };
        const std::string path = dir + "/gfx/" + f.file;
        if (bits24) {
            writeBmp(path, kGlyphCount * f.cellW, f.cellH, px);
        } else {
            writeBmp32(path, kGlyphCount * f.cellW, f.cellH, px);
        }
    }
    freeFonts(r);
    inDir(dir, [&] { loadFonts(r); });
}

// SDL on the dummy driver with an 800x600x32 screen and a scratch folder.
class GfxTest : public ::testing::Test {
protected:
    SDL_Surface* screen = nullptr;
    TempFolder scratch;
    const std::string dir = scratch.path;

    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        screen = SDL_SetVideoMode(800, 600, 32, 0);
        ASSERT_NE(screen, nullptr) << SDL_GetError();
        clear(0x0000c8);
    }
    void TearDown() override { SDL_Quit(); }

    std::string file(const std::string& name) const { return dir + "/" + name; }
    // A solid image of w x h in rgb; returns its path.
    std::string solid(const std::string& name, int w, int h, uint32_t rgb) {
        writeBmp(file(name), w, h, [rgb](int, int) { return rgb; });
        return file(name);
    }
    void clear(uint32_t rgb) { SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, rgb >> 16, rgb >> 8, rgb)); }
    uint32_t pixel(int x, int y) const { return surfacePixel(screen, x, y); }
};

}  // namespace gfxtest
