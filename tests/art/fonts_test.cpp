// SPDX-License-Identifier: MIT
// fonts_test.cpp - the three font sheets: 102 glyph cells side by side in one
// row, every glyph drawn (the space excepted), loaded the way the text renderer
// loads them, with black reading as 0.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "gfx/text.h"
#include "harness.h"

namespace {

constexpr int kSpace = 0;
const char* const kSheets[] = {"gfx/fontc.bmp", "gfx/font12c.bmp", "gfx/font18c.bmp"};
const int kSizes[] = {8, 16, 24};
constexpr int kBodyFrom = 128, kOutlineBelow = 64;  // light glyph bodies, dark outlines

uint32_t at(SDL_Surface* s, int x, int y) { return ((const uint32_t*)((const uint8_t*)s->pixels + y * s->pitch))[x]; }

int darkest(SDL_Surface* s, uint32_t p, int* brightest = nullptr) {
    uint8_t r, g, b;
    SDL_GetRGB(p, s->format, &r, &g, &b);
    if (brightest) *brightest = std::max<int>(r, std::max(g, b));
    return std::min<int>(r, std::min(g, b));
}

}  // namespace

// Each sheet: no alpha, black as 0, one row of cells; every glyph
// but the space drawn, light (text keeps its colour), with a free right column;
// the German letters show their dots; the outlined sheets keep bodies inside
// the pen advance with a dark outline; a capital H fills most of the cell.
TEST(FontSheets, EveryGlyphIsDrawnLightAndInsideItsCell) {
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(kSheets[k]);
        FontMetrics f{};
        ASSERT_TRUE(fontMetrics(kSizes[k], f));
        SDL_Surface* file = SDL_LoadBMP(kSheets[k]);
        ASSERT_NE(file, nullptr) << SDL_GetError();
        EXPECT_EQ(file->format->Amask, 0u);
        SDL_Surface* s = asPlainRgb(file);  // as the text renderer reads it
        EXPECT_EQ(s->w, kGlyphCount * f.cellWidth);
        EXPECT_EQ(SDL_MapRGB(s->format, 0, 0, 0), 0u);
        for (int y = f.cellHeight; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x) ASSERT_EQ(at(s, x, y), 0u) << "below the row of cells";
        for (int g = 0; g < kGlyphCount; ++g) {
            int ink = 0, best = 0, outline = 0, top = f.cellHeight, bottom = -1;
            for (int y = 0; y < f.cellHeight; ++y)
                for (int x = 0; x < f.cellWidth; ++x) {
                    const uint32_t p = at(s, g * f.cellWidth + x, y);
                    if (!p) continue;
                    ++ink;
                    int hi = 0;
                    const int lo = darkest(s, p, &hi);
                    best = std::max(best, lo);
                    outline += hi < kOutlineBelow;
                    if (lo >= kBodyFrom) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                        if (f.advance < f.cellWidth) {
                            EXPECT_LT(x, f.advance) << "glyph " << g << " runs into the next";
                        }
                    }
                    EXPECT_GE(lo, 8) << "glyph " << g << " has a near-black pixel";
                    EXPECT_LT(x, f.cellWidth - 1) << "glyph " << g << " touches its neighbour";
                }
            if (g == kSpace) {
                EXPECT_EQ(ink, 0);
                continue;
            }
            EXPECT_GE(best, 200) << "glyph " << g << " is too dark for the text colour";
            if (f.advance < f.cellWidth) { EXPECT_GT(outline, 0) << "glyph " << g << " has no outline"; }
            if (g == 'H' - 32) { EXPECT_GE((bottom - top + 1) * 8, f.cellHeight * 5) << "a small capital"; }
        }
        const char plain[] = "aouAOU";  // against ä ö ü Ä Ö Ü, glyphs 95..100
        for (int i = 0; i < 6; ++i) {
            int differing = 0;
            for (int y = 0; y < f.cellHeight; ++y)
                for (int x = 0; x < f.cellWidth; ++x)
                    differing += at(s, (95 + i) * f.cellWidth + x, y) != at(s, (plain[i] - 32) * f.cellWidth + x, y);
            EXPECT_GT(differing, 1) << "German letter " << i;
        }
        SDL_FreeSurface(s);
    }
}
