// fonts_test.cpp - the three font sheets: 102 glyph cells side by side in one
// row, every glyph drawn (the space excepted), loaded the way the text renderer
// loads them, with black reading as 0.
#include <SDL.h>
#include <gtest/gtest.h>

namespace {

constexpr int kGlyphs = 102;  // ASCII 32..126, then ä ö ü Ä Ö Ü ß
constexpr int kSpace = 0;

struct FontSheet {
    const char* path;
    int cellW, cellH;
    int advance;  // the text renderer's pen advance
};
const FontSheet kFonts[] = {
    // file | cell width | cell height | advance
    {"gfx/fontc.bmp", 6, 8, 6},
    {"gfx/font12c.bmp", 12, 16, 8},
    {"gfx/font18c.bmp", 18, 24, 14},
};

// A glyph's body pixel: light in every channel. Outlines are dark in every channel.
constexpr int kBodyFrom = 128, kOutlineBelow = 64;

void channels(SDL_Surface* s, uint32_t p, int& lo, int& hi) {
    uint8_t r, g, b;
    SDL_GetRGB(p, s->format, &r, &g, &b);
    lo = std::min<int>(r, std::min(g, b));
    hi = std::max<int>(r, std::max(g, b));
}

uint32_t at(SDL_Surface* s, int x, int y) { return ((const uint32_t*)((const uint8_t*)s->pixels + y * s->pitch))[x]; }

int inkInCell(SDL_Surface* s, const FontSheet& f, int glyph) {
    int n = 0;
    for (int y = 0; y < f.cellH; ++y)
        for (int x = 0; x < f.cellW; ++x) n += at(s, glyph * f.cellW + x, y) != 0;
    return n;
}

}  // namespace

TEST(FontSheets, LoadAs32BitWithoutAlphaAndHoldAllCellsInOneRow) {
    for (const FontSheet& f : kFonts) {
        SCOPED_TRACE(f.path);
        SDL_Surface* s = SDL_LoadBMP(f.path);
        ASSERT_NE(s, nullptr) << SDL_GetError();
        EXPECT_EQ(s->format->BitsPerPixel, 32);
        EXPECT_EQ(s->format->Amask, 0u);
        EXPECT_EQ(s->w, kGlyphs * f.cellW);
        EXPECT_GE(s->h, f.cellH);
        // black is the 32-bit value 0: the corner of the space glyph
        EXPECT_EQ(at(s, 0, 0), 0u);
        uint8_t r, g, b;
        SDL_GetRGB(SDL_MapRGB(s->format, 0, 0, 0), s->format, &r, &g, &b);
        EXPECT_EQ(SDL_MapRGB(s->format, 0, 0, 0), 0u);
        SDL_FreeSurface(s);
    }
}

TEST(FontSheets, EveryGlyphIsDrawnAndStaysInsideItsCell) {
    for (const FontSheet& f : kFonts) {
        SCOPED_TRACE(f.path);
        SDL_Surface* s = SDL_LoadBMP(f.path);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(inkInCell(s, f, kSpace), 0);
        for (int g = 1; g < kGlyphs; ++g) {
            EXPECT_GT(inkInCell(s, f, g), 0) << "glyph " << g << " is empty";
            // a free column at the right keeps neighbouring glyphs from touching
            for (int y = 0; y < f.cellH; ++y) EXPECT_EQ(at(s, g * f.cellW + f.cellW - 1, y), 0u) << "glyph " << g;
        }
        // nothing is drawn below the row of cells
        for (int y = f.cellH; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x) ASSERT_EQ(at(s, x, y), 0u);
        SDL_FreeSurface(s);
    }
}

TEST(FontSheets, GermanLettersDifferFromTheirPlainLetters) {
    // ä ö ü Ä Ö Ü are 95..100 and must show their dots: compare with a o u A O U
    const int plain[] = {'a' - 32, 'o' - 32, 'u' - 32, 'A' - 32, 'O' - 32, 'U' - 32};
    for (const FontSheet& f : kFonts) {
        SCOPED_TRACE(f.path);
        SDL_Surface* s = SDL_LoadBMP(f.path);
        ASSERT_NE(s, nullptr);
        for (int i = 0; i < 6; ++i) {
            int differing = 0;
            for (int y = 0; y < f.cellH; ++y)
                for (int x = 0; x < f.cellW; ++x)
                    differing += at(s, (95 + i) * f.cellW + x, y) != at(s, plain[i] * f.cellW + x, y);
            EXPECT_GT(differing, 1) << "letter " << i;
        }
        SDL_FreeSurface(s);
    }
}

TEST(FontSheets, GlyphsAreLightSoTextKeepsItsColour) {
    // a glyph pixel is averaged with the text colour: the brightest pixels of
    // each glyph must be near white
    for (const FontSheet& f : kFonts) {
        SCOPED_TRACE(f.path);
        SDL_Surface* s = SDL_LoadBMP(f.path);
        ASSERT_NE(s, nullptr);
        for (int g = 1; g < kGlyphs; ++g) {
            int best = 0;
            for (int y = 0; y < f.cellH; ++y)
                for (int x = 0; x < f.cellW; ++x) {
                    uint8_t r, gr, b;
                    SDL_GetRGB(at(s, g * f.cellW + x, y), s->format, &r, &gr, &b);
                    best = std::max(best, std::min<int>(r, std::min(gr, b)));
                }
            EXPECT_GE(best, 200) << "glyph " << g;
        }
        SDL_FreeSurface(s);
    }
}

TEST(FontSheets, OutlinedGlyphBodiesStayInsideThePenAdvanceAndHaveAnOutline) {
    // the pen moves by less than a cell: bodies reaching past the advance would
    // run into the next letter, and a glyph without its dark outline vanishes
    // on a light background
    for (const FontSheet& f : kFonts) {
        if (f.advance == f.cellW) continue;  // the crisp small sheet has no outline
        SCOPED_TRACE(f.path);
        SDL_Surface* s = SDL_LoadBMP(f.path);
        ASSERT_NE(s, nullptr);
        for (int g = 1; g < kGlyphs; ++g) {
            int outline = 0;
            for (int y = 0; y < f.cellH; ++y)
                for (int x = 0; x < f.cellW; ++x) {
                    uint32_t p = at(s, g * f.cellW + x, y);
                    if (!p) continue;
                    int lo, hi;
                    channels(s, p, lo, hi);
                    EXPECT_GE(lo, 8) << "glyph " << g << " has a near-black pixel";
                    if (lo >= kBodyFrom) {
                        EXPECT_LT(x, f.advance) << "glyph " << g << " row " << y;
                    }
                    outline += hi < kOutlineBelow;
                }
            EXPECT_GT(outline, 0) << "glyph " << g << " has no outline";
        }
        SDL_FreeSurface(s);
    }
}

TEST(FontSheets, CapitalsFillMostOfTheCellHeight) {
    // small letters in a tall cell make the lines look spaced out: a capital H
    // stands at least five eighths of the cell high
    const int capitalH = 'H' - 32;
    for (const FontSheet& f : kFonts) {
        SCOPED_TRACE(f.path);
        SDL_Surface* s = SDL_LoadBMP(f.path);
        ASSERT_NE(s, nullptr);
        int top = f.cellH, bottom = -1;
        for (int y = 0; y < f.cellH; ++y)
            for (int x = 0; x < f.cellW; ++x) {
                int lo, hi;
                channels(s, at(s, capitalH * f.cellW + x, y), lo, hi);
                if (lo >= kBodyFrom) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        EXPECT_GE((bottom - top + 1) * 8, f.cellH * 5);
        SDL_FreeSurface(s);
    }
}
