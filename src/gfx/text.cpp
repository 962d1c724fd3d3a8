// SPDX-License-Identifier: MIT
// text.cpp - the three bitmap fonts: loading, the markup walk, glyph blending, counters.
#include "gfx/text.h"

#include <cstdio>

#include "gfx/display.h"
#include "gfx/graphic.h"  // readPixel

namespace {

constexpr int kLineLimit = 800;           // the pen wraps when it passes this minus a cell
constexpr uint32_t kMagenta = 0xff00ff;   // raw pixel of "/k"
constexpr int kSpecialGlyph = 94;         // drawn for "/r"
constexpr int kDigitGlyph = 16;           // glyph of "0"

// Cell geometry of each size selector.
struct FontRow {
    int size;        // selector passed by callers
    FontMetrics m;   // cell and pen advance
};
const FontRow kFonts[] = {
    // size  cell w  cell h  advance
    {8,      {6,     8,      6}},
    {16,     {12,    16,     8}},
    {24,     {18,    24,     14}},
};

// The German letters after the ASCII glyphs, in glyph order.
const unsigned char kGermanLetters[] = {0xE4, 0xF6, 0xFC, 0xC4, 0xD6, 0xDC, 0xDF};
constexpr int kFirstGermanGlyph = 95;

// Glyph of a German letter (95..101), or -1 for any other byte.
int germanGlyph(unsigned char c) {
    for (int k = 0; k < 7; ++k) {
        if (c == kGermanLetters[k]) return kFirstGermanGlyph + k;
    }
    return -1;
}

SDL_Surface* fontFor(const TextRenderer& r, int size) {
    switch (size) {
        case 8: return r.font8;
        case 16: return r.font16;
        case 24: return r.font24;
        default: return nullptr;
    }
}

// Byte at i, or 0 past the end, so pair checks never read beyond the text.
unsigned char byteAt(const std::string& s, size_t i) {
    return i < s.size() ? static_cast<unsigned char>(s[i]) : 0;
}

bool isPair(const std::string& s, size_t i, char second) {
    return byteAt(s, i) == '/' && byteAt(s, i + 1) == static_cast<unsigned char>(second);
}

// Pen positions the word starting at i takes: up to the next space, line
// break or the end, colour marks taking none and "/r" with its letter one.
long wordGlyphs(const std::string& text, size_t i) {
    long glyphs = 0;
    while (i < text.size() && byteAt(text, i) != ' ' && !isPair(text, i, 'n')) {
        if (isPair(text, i, 'k') || isPair(text, i, 'c')) {
            i += 2;
            continue;
        }
        i += isPair(text, i, 'r') ? 3 : 1;
        ++glyphs;
    }
    return glyphs;
}

// Walks text with the markup and pen rules and calls glyph(index, x, y, magenta)
// for every pen position. index is -1 for a byte outside the glyph table: it
// keeps its pen advance but draws nothing.
// A line too wide for the screen breaks at its last space that fits: that space
// is dropped and the next word starts the new line at startX. Only a word wider
// than a whole line is cut where the pen passes the edge.
template <typename GlyphFn>
void layoutText(const std::string& text, long x, long y, const FontMetrics& m, GlyphFn glyph) {
    const long startX = x;
    const long lastPen = kLineLimit - m.cellWidth;  // the last pen position on a line
    bool magenta = false;
    size_t i = 0;
    while (i < text.size()) {
        if (isPair(text, i, 'n')) {
            x = startX - m.cellWidth;
            y += m.cellHeight;
            i += 2;
        }
        if (isPair(text, i, 'k')) {
            magenta = true;
            i += 2;
        }
        if (isPair(text, i, 'c')) {
            magenta = false;
            i += 2;
        }
        if (i >= text.size()) break;  // a pair at the very end has nothing after it
        if (byteAt(text, i) == ' ') {
            const long word = wordGlyphs(text, i + 1);
            const bool fitsHere = x + word * m.advance <= lastPen;
            const bool fitsALine = startX + (word - 1) * m.advance <= lastPen;
            if (word > 0 && !fitsHere && fitsALine) {
                y += m.cellHeight;
                x = startX;
                i += 1;
                continue;
            }
            if (word == 0 && x > lastPen) {  // a space past the edge before a break: no empty line
                i += 1;
                continue;
            }
        }
        int index = glyphIndex(byteAt(text, i));
        if (isPair(text, i, 'r')) {
            index = kSpecialGlyph;
            i += 2;  // the byte after the pair is swallowed, unless it is a German letter
            if (germanGlyph(byteAt(text, i)) >= 0) index = germanGlyph(byteAt(text, i));
        }
        if (x > lastPen) {
            y += m.cellHeight;
            x = startX;
        }
        glyph(index, x, y, magenta);
        x += m.advance;
        i += 1;
    }
}

struct Rgb {
    Uint8 r, g, b;  // channels 0..255
};

// Decodes a pixel in the palette's format: font8's, or plain 0xRRGGBB without it.
Rgb decode(Uint32 pixel, const SDL_PixelFormat* format) {
    Rgb c;
    if (format) {
        SDL_GetRGB(pixel, const_cast<SDL_PixelFormat*>(format), &c.r, &c.g, &c.b);
    } else {
        c.r = static_cast<Uint8>(pixel >> 16);
        c.g = static_cast<Uint8>(pixel >> 8);
        c.b = static_cast<Uint8>(pixel);
    }
    return c;
}

Uint8 blend(Uint8 glyph, Uint8 colour) {
    const int v = (glyph + colour) / 2;
    return static_cast<Uint8>(v > 255 ? 255 : v);
}

// Font sheets are drawn from as 32-bit words with black = 0; whatever the file held
// (24-bit, or 32-bit given an alpha channel by the loader) becomes plain 0x00RRGGBB.
SDL_Surface* toPlain32(SDL_Surface* s) {
    const SDL_PixelFormat* f = s->format;
    if (f->BytesPerPixel == 4 && f->Amask == 0) return s;
    SDL_Surface* plain =
        SDL_CreateRGBSurface(SDL_SWSURFACE, s->w, s->h, 32, 0xff0000, 0x00ff00, 0x0000ff, 0);
    if (!plain) return s;
    if (SDL_MUSTLOCK(s) && SDL_LockSurface(s) != 0) {
        SDL_FreeSurface(plain);
        return s;
    }
    for (int y = 0; y < s->h; ++y) {
        Uint32* row = reinterpret_cast<Uint32*>(static_cast<uint8_t*>(plain->pixels) + y * plain->pitch);
        for (int x = 0; x < s->w; ++x) {
            Uint8 r, g, b;
            SDL_GetRGB(readPixel(s, x, y), s->format, &r, &g, &b);
            row[x] = (Uint32(r) << 16) | (Uint32(g) << 8) | b;
        }
    }
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return plain;
}

SDL_Surface* loadFont(const char* path) {
    SDL_Surface* s = SDL_LoadBMP_RW(SDL_RWFromFile(path, "rb"), 1);
    if (!s) {
        std::printf("SDL_LoadBMP: %s\n", SDL_GetError());  // that size is then not drawn
        return nullptr;
    }
    s = toPlain32(s);
    platformSetColorKey(s, true, SDL_MapRGB(s->format, 0, 0, 0));
    return s;
}

// The last glyph pixel blended in one colour: font sheets hold few distinct
// values, so most lit pixels skip the decode and encode.
struct BlendMemo {
    bool valid;       // in and out hold a result
    bool magenta;     // the colour it was blended with
    Uint32 in, out;   // glyph pixel and the screen pixel made from it
};

// Blends one glyph cell into the locked 32-bit screen, clipped to the sheet and
// to the screen's clip rectangle (the whole screen unless a part is composed).
void drawCell(SDL_Surface* screen, const SDL_Surface* sheet, const SDL_PixelFormat* palette,
              const FontMetrics& m, int glyph, int x, int y, Rgb colour, bool magenta,
              BlendMemo& memo) {
    if (memo.valid && memo.magenta != magenta) memo.valid = false;
    memo.magenta = magenta;
    const int sheetX = glyph * m.cellWidth;
    const SDL_Rect& clip = screen->clip_rect;
    int cx0 = 0, cy0 = 0, cx1 = m.cellWidth, cy1 = m.cellHeight;
    if (cx1 > sheet->w - sheetX) cx1 = sheet->w - sheetX;
    if (cy1 > sheet->h) cy1 = sheet->h;
    if (cx0 < clip.x - x) cx0 = clip.x - x;
    if (cy0 < clip.y - y) cy0 = clip.y - y;
    if (cx1 > clip.x + clip.w - x) cx1 = clip.x + clip.w - x;
    if (cy1 > clip.y + clip.h - y) cy1 = clip.y + clip.h - y;

    const Uint32 colourBits = ~sheet->format->Amask;  // black is transparent whatever the alpha
    const SDL_PixelFormat* glyphFormat = palette ? palette : sheet->format;
    if (cx0 >= cx1 || cy0 >= cy1) return;
    // Pointers are formed only inside the buffers: the first pixel of each row is
    // the clipped one, never the cell's corner, which may lie left of the screen.
    for (int cy = cy0; cy < cy1; ++cy) {
        const Uint32* src = reinterpret_cast<const Uint32*>(
            static_cast<const uint8_t*>(sheet->pixels) + cy * sheet->pitch) + sheetX + cx0;
        Uint32* dst = reinterpret_cast<Uint32*>(
            static_cast<uint8_t*>(screen->pixels) + (y + cy) * screen->pitch) + (x + cx0);
        for (int cx = 0; cx < cx1 - cx0; ++cx) {
            const Uint32 p = src[cx];
            if ((p & colourBits) == 0) continue;
            if (!memo.valid || memo.in != p) {
                const Rgb g = decode(p, glyphFormat);
                memo.in = p;
                memo.out = SDL_MapRGB(screen->format, blend(g.r, colour.r),
                                      blend(g.g, colour.g), blend(g.b, colour.b));
                memo.valid = true;
            }
            dst[cx] = memo.out;
        }
    }
}

}  // namespace

bool fontMetrics(int size, FontMetrics& out) {
    for (const FontRow& row : kFonts) {
        if (row.size == size) {
            out = row.m;
            return true;
        }
    }
    return false;
}

int glyphIndex(unsigned char c) {
    if (c >= 32 && c <= 126) return c - 32;
    return germanGlyph(c);
}

void loadFonts(TextRenderer& r) {
    r.font8 = loadFont("gfx/fontc.bmp");
    r.font16 = loadFont("gfx/font12c.bmp");
    r.font24 = loadFont("gfx/font18c.bmp");
    // Without font8 the palette is plain 0xRRGGBB, the format every sheet is kept in.
    SDL_PixelFormat* f = r.font8 ? r.font8->format : nullptr;
    auto map = [f](Uint8 red, Uint8 green, Uint8 blue) -> uint32_t {
        if (f) return SDL_MapRGB(f, red, green, blue);
        return (uint32_t(red) << 16) | (uint32_t(green) << 8) | blue;
    };
    r.white = map(255, 255, 255);
    r.black = map(0, 0, 0);
    r.yellow = map(255, 255, 0);
    r.red = map(255, 0, 0);
    r.lightRed = map(255, 90, 90);
    r.darkBlue = map(52, 52, 132);
    r.darkGreen = map(52, 132, 52);
    r.lightGreen = map(90, 255, 90);
}

void drawText(TextRenderer& r, const std::string& text, int x, int y, int size, uint32_t colour) {
    if (noteText(r, r.renderTarget, text, x, y, size, colour)) return;  // drawn when composed
    FontMetrics m;
    if (!fontMetrics(size, m)) return;
    SDL_Surface* sheet = fontFor(r, size);
    SDL_Surface* screen = r.renderTarget ? r.renderTarget->screen : nullptr;
    if (!sheet || !screen || text.empty()) return;
    if (screen->format->BytesPerPixel != 4 || sheet->format->BytesPerPixel != 4) return;

    const SDL_PixelFormat* palette = r.font8 ? r.font8->format : nullptr;
    const Rgb callers = decode(colour, palette);
    const Rgb magenta = decode(kMagenta, palette);
    const int glyphsInSheet = sheet->w / m.cellWidth + (sheet->w % m.cellWidth ? 1 : 0);

    BlendMemo memo{};
    if (SDL_MUSTLOCK(screen) && SDL_LockSurface(screen) != 0) return;
    layoutText(text, x, y, m, [&](int glyph, long gx, long gy, bool isMagenta) {
        if (glyph < 0 || glyph >= glyphsInSheet) return;
        // Cells wholly off screen are skipped before any pixel is looked at.
        if (gx >= screen->w || gy >= screen->h || gx + m.cellWidth <= 0 ||
            gy + m.cellHeight <= 0)
            return;
        drawCell(screen, sheet, palette, m, glyph, static_cast<int>(gx), static_cast<int>(gy),
                 isMagenta ? magenta : callers, isMagenta, memo);
    });
    if (SDL_MUSTLOCK(screen)) SDL_UnlockSurface(screen);
}

void drawNumber(TextRenderer& r, int32_t value, int x, int y, int size) {
    if (noteNumber(r, r.renderTarget, value, x, y, size)) return;  // drawn when composed
    FontMetrics m;
    if ((size != 8 && size != 24) || !fontMetrics(size, m)) return;
    SDL_Surface* sheet = fontFor(r, size);
    SDL_Surface* screen = r.renderTarget ? r.renderTarget->screen : nullptr;
    if (!sheet || !screen) return;

    if (value < 0) value = 0;  // counters are never negative; show ten zeros
    int32_t place = 1000000000;
    for (int n = 0; n < 10; ++n, place /= 10) {
        int digit = 0;
        while (value >= place) {
            value -= place;
            ++digit;
        }
        const long px = static_cast<long>(x) + static_cast<long>(n) * m.cellWidth;
        if (px < INT16_MIN || px > INT16_MAX || y < INT16_MIN || y > INT16_MAX) continue;
        SDL_Rect src;
        src.x = static_cast<Sint16>((digit + kDigitGlyph) * m.cellWidth);
        src.y = 0;
        src.w = static_cast<Uint16>(m.cellWidth);
        src.h = static_cast<Uint16>(m.cellHeight);
        SDL_Rect dst;
        dst.x = static_cast<Sint16>(px);
        dst.y = static_cast<Sint16>(y);
        dst.w = 0;
        dst.h = 0;
        SDL_UpperBlit(sheet, &src, screen, &dst);
    }
}

int textWidth(const std::string& text, int size) {
    FontMetrics m;
    if (!fontMetrics(size, m)) return 0;
    long widest = 0;
    layoutText(text, 0, 0, m, [&](int, long gx, long, bool) {
        if (gx + m.advance > widest) widest = gx + m.advance;
    });
    return static_cast<int>(widest);
}
