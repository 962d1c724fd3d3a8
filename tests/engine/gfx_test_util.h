// SPDX-License-Identifier: MIT
// gfx_test_util.h - a headless 800x600 screen, a scratch folder and image writers
// for the graphics tests, independent of the engine harness.
#pragma once
#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "gfx/display.h"
#include "gfx/graphic.h"
#include "gfx/speech.h"
#include "gfx/text.h"

namespace gfxtest {

using PixelFn = std::function<uint32_t(int x, int y)>;  // 0xRRGGBB per pixel

// Writes an uncompressed 32-bit BMP (plain BI_RGB, the kind the loaders give an alpha channel).
inline void writeBmp32(const std::string& path, int w, int h, const PixelFn& pixel) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    const uint32_t data = static_cast<uint32_t>(w * h * 4);
    // File header after "BM", then the 40-byte info header: 1 plane, 32 bits, no compression.
    const uint32_t header[] = {54 + data, 0, 54, 40, uint32_t(w), uint32_t(h), 1 | 32u << 16, 0, data, 2835, 2835, 0, 0};
    std::fputs("BM", f);
    std::fwrite(header, sizeof header, 1, f);
    auto put32 = [f](uint32_t v) { std::fwrite(&v, 4, 1, f); };
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) put32(pixel(x, y) & 0xffffff);
    }
    std::fclose(f);
}

// Writes a 24-bit BMP through SDL.
inline void writeBmp24(const std::string& path, int w, int h, const PixelFn& pixel) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xff0000, 0xff00, 0xff, 0);
    ASSERT_NE(s, nullptr);
    for (int y = 0; y < h; ++y) {
        Uint32* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < w; ++x) row[x] = pixel(x, y) & 0xffffff;
    }
    ASSERT_EQ(SDL_SaveBMP(s, path.c_str()), 0) << SDL_GetError();
    SDL_FreeSurface(s);
}

// Marker fonts: every glyph cell n holds one lit pixel (100, 2n, 100) at its top-left
// and black elsewhere, so a drawn glyph is found by its top-left pixel. With
// full set, every pixel of every cell is lit (0x808080) instead.
inline uint32_t markerGlyphPixel(int cellW, int x, int y) {
    return (x % cellW == 0 && y == 0) ? (0x640064u | uint32_t(2 * (x / cellW)) << 8) : 0;
}

inline void writeFonts(const std::string& dir, bool full = false, bool bits24 = false) {
    const struct {
        const char* file;
        int cellW, cellH;
    } fonts[] = {{"fontc.bmp", 6, 8}, {"font12c.bmp", 12, 16}, {"font18c.bmp", 18, 24}};
    for (const auto& f : fonts) {
        const int cw = f.cellW;
        PixelFn px = [cw, full](int x, int y) -> uint32_t {
            return full ? 0x808080u : markerGlyphPixel(cw, x, y);
        };
        const std::string path = dir + "/gfx/" + f.file;
        if (bits24) {
            writeBmp24(path, kGlyphCount * f.cellW, f.cellH, px);
        } else {
            writeBmp32(path, kGlyphCount * f.cellW, f.cellH, px);
        }
    }
}

// SDL on the dummy driver with an 800x600x32 screen and a scratch folder with gfx/gui.
class GfxTest : public ::testing::Test {
protected:
    SDL_Surface* screen = nullptr;
    std::string dir;  // scratch folder, holds gfx/ for the fixed font and cursor paths

    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        screen = SDL_SetVideoMode(800, 600, 32, 0);
        ASSERT_NE(screen, nullptr) << SDL_GetError();
        char tmpl[] = "/tmp/hollowmere-gfx-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
        mkdir((dir + "/gfx").c_str(), 0755);
        mkdir((dir + "/gfx/gui").c_str(), 0755);
        clear(0x0000c8);
    }

    void TearDown() override {
        SDL_Quit();
        if (!dir.empty()) {
            EXPECT_EQ(std::system(("rm -rf '" + dir + "'").c_str()), 0);
        }
    }

    std::string file(const std::string& name) const { return dir + "/" + name; }

    // A solid image of w x h in rgb, written as a 24-bit BMP; returns its path.
    std::string solid(const std::string& name, int w, int h, uint32_t rgb) {
        const std::string path = file(name);
        writeBmp24(path, w, h, [rgb](int, int) { return rgb; });
        return path;
    }

    void clear(uint32_t rgb) {
        SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, rgb >> 16, rgb >> 8, rgb));
    }

    uint32_t pixel(int x, int y) const {
        const Uint32 p = *reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(screen->pixels) + y * screen->pitch + x * 4);
        Uint8 r, g, b;
        SDL_GetRGB(p, screen->format, &r, &g, &b);
        return (uint32_t(r) << 16) | (uint32_t(g) << 8) | b;
    }

    // Runs f with the scratch folder as working directory (the game's fixed paths).
    template <typename F>
    void inDir(F f) {
        char old[4096];
        ASSERT_NE(getcwd(old, sizeof old), nullptr);
        ASSERT_EQ(chdir(dir.c_str()), 0);
        f();
        ASSERT_EQ(chdir(old), 0);
    }
};

}  // namespace gfxtest
