// SPDX-License-Identifier: MIT
// fonts.cpp - the three bitmap font sheets. 102 glyphs side by side in one row:
// glyph n is the character 32 + n, then ä ö ü Ä Ö Ü ß. The text renderer averages
// every non-black glyph pixel with the text colour, so glyphs are near white with
// a dark outline that keeps them readable on any background.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "art.h"

namespace {

constexpr int kGlyphs = 102;
const uint32_t kExtraLetters[7] = {0xE4, 0xF6, 0xFC, 0xC4, 0xD6, 0xDC, 0xDF};  // ä ö ü Ä Ö Ü ß

const char* kDisplayFont = "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf";
const char* kFallbackFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
const char* kSmallFont = "/usr/share/fonts/X11/misc/5x7-ISO8859-1.pcf.gz";

// Glyph colours: a bright core that keeps the text colour light, shading a
// little towards the bottom, and the darkest outline a visible pixel may have:
// the renderer averages it with the text colour too, so it can only get half
// as dark as it is drawn.
constexpr uint32_t kCoreTop = 0xfffffa, kCoreBottom = 0xe6e0f0, kEdge = 0x0c0a12, kSmallShadow = 0x3a3044;

uint32_t charOf(int glyph) { return glyph < 95 ? uint32_t(32 + glyph) : kExtraLetters[glyph - 95]; }

bool exists(const char* p) {
    struct stat st;
    return stat(p, &st) == 0;
}

FT_Library library() {
    static FT_Library lib = nullptr;
    if (!lib && FT_Init_FreeType(&lib)) {
        fprintf(stderr, "artgen: FreeType does not start\n");
        exit(1);
    }
    return lib;
}

FT_Face openFace(const std::string& path) {
    FT_Face f;
    if (FT_New_Face(library(), path.c_str(), 0, &f)) {
        fprintf(stderr, "artgen: cannot load the font file %s\n", path.c_str());
        exit(1);
    }
    return f;
}

struct Sheet {
    int cellW, cellH;
    std::vector<uint32_t> px;  // 102 * cellW by cellH
    uint32_t& at(int glyph, int x, int y) { return px[size_t(y) * cellW * kGlyphs + glyph * cellW + x]; }
};

void save(Sheet& s, const std::string& path) {
    int w = s.cellW * kGlyphs;
    cairo_surface_t* surf = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, s.cellH);
    uint32_t* data = (uint32_t*)cairo_image_surface_get_data(surf);
    int stride = cairo_image_surface_get_stride(surf) / 4;
    for (int y = 0; y < s.cellH; ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t p = s.px[size_t(y) * w + x];
            data[y * stride + x] = p ? 0xff000000u | p : 0;
        }
    cairo_surface_mark_dirty(surf);
    writeSurface(path, surf);
    cairo_surface_destroy(surf);
}

// How one outlined sheet is laid out. The text renderer moves the pen by less
// than a cell, so a glyph's body stays in columns 1 .. advance - 1: the outline
// of one glyph may overlap the outline of the next, but two bodies always keep
// a dark column between them. The body keeps one row free at the top and
// bottom for its outline; the rightmost column of the cell stays free.
struct OutlinedFont {
    int cellW, cellH, advance;
    int capHeight;  // rows of a capital H
    int baseline;   // first row below the capitals
    int embolden;   // extra stroke width in 1/64 px, so letters stay bold when small
    int emboldenY;  // extra stroke height: less, so the dots of i and the umlauts stay apart
    int outline;    // outline width round the body; a round ring, so corners stay soft
    int shadow;     // extra outline rows below, so text stands off light skies
};
const OutlinedFont kSpeechFont = {18, 24, 14, 17, 19, 72, 16, 2, 0};
const OutlinedFont kMediumFont = {12, 16, 8, 11, 12, 24, 8, 1, 1};
// Coverage thresholds of the anti-aliased face: below kInkFrom a pixel is
// outline, from kCoreFrom it is solid body, in between a softened body edge.
constexpr int kInkFrom = 104, kCoreFrom = 176;
constexpr double kSoftEdge = 0.35;  // how far a half-covered body pixel leans to the outline

Rgb hexRgb(uint32_t c) { return rgb(c >> 16, (c >> 8) & 255, c & 255); }
uint32_t packRgb(Rgb c) { return uint32_t(c.r * 255 + 0.5) << 16 | uint32_t(c.g * 255 + 0.5) << 8 | uint32_t(c.b * 255 + 0.5); }

// Loads glyph g scaled by sx, sy about its origin, emboldened and rendered.
const FT_Bitmap& renderGlyph(FT_Face f, int g, double sx, double sy, const OutlinedFont& font) {
    FT_Matrix m{FT_Fixed(65536.0 * sx), 0, 0, FT_Fixed(65536.0 * sy)};
    FT_Set_Transform(f, &m, nullptr);
    if (FT_Load_Char(f, charOf(g), FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING)) {
        fprintf(stderr, "artgen: the display font lacks glyph %d\n", g);
        exit(1);
    }
    FT_Outline_EmboldenXY(&f->glyph->outline, font.embolden, font.emboldenY);
    FT_Render_Glyph(f->glyph, FT_RENDER_MODE_NORMAL);
    return f->glyph->bitmap;
}

// Outlined glyphs from the display face, large enough to fill the cell: the
// pixel size is chosen by the height of a capital, and only the glyphs that
// would leave the cell (accented capitals, brackets, descenders) are squeezed.
void outlinedSheet(const std::string& path, const OutlinedFont& font) {
    FT_Face f = openFace(fontPath(true));
    const int bodyLeft = 1, bodyRight = font.advance - 1;  // inclusive columns
    const int maxWidth = bodyRight - bodyLeft + 1;
    const int topRow = 1, bottomRow = font.cellH - 2;  // the outline of the tallest glyphs is cut to one row
    int px = 4;
    for (int p = 4; p <= font.cellH * 2; ++p) {
        FT_Set_Pixel_Sizes(f, 0, p);
        if (int(renderGlyph(f, 'H' - 32, 1, 1, font).rows) > font.capHeight) break;
        px = p;
    }
    FT_Set_Pixel_Sizes(f, 0, px);
    Sheet s{font.cellW, font.cellH, std::vector<uint32_t>(size_t(font.cellW) * kGlyphs * font.cellH, 0)};
    const Rgb coreTop = hexRgb(kCoreTop), coreBottom = hexRgb(kCoreBottom), edge = hexRgb(kEdge);
    for (int g = 1; g < kGlyphs; ++g) {
        double sx = 1, sy = 1;
        for (int attempt = 0; attempt < 6; ++attempt) {  // shrink until the glyph fits
            const FT_Bitmap& b = renderGlyph(f, g, sx, sy, font);
            int above = f->glyph->bitmap_top, below = int(b.rows) - above;
            double fitX = int(b.width) > maxWidth ? double(maxWidth) / b.width : 1;
            double fitY = 1;
            if (above > font.baseline - topRow) fitY = std::min(fitY, double(font.baseline - topRow) / above);
            if (below > bottomRow + 1 - font.baseline) fitY = std::min(fitY, double(bottomRow + 1 - font.baseline) / below);
            if (fitX == 1 && fitY == 1) break;
            sx *= fitX * (fitX < 1 ? 0.98 : 1);
            sy *= fitY * (fitY < 1 ? 0.98 : 1);
        }
        const FT_Bitmap& b = renderGlyph(f, g, sx, sy, font);
        std::vector<uint8_t> cover(size_t(font.cellW) * font.cellH, 0);
        int ox = bodyLeft + std::max(0, (maxWidth - int(b.width) + 1) / 2);
        int oy = font.baseline - f->glyph->bitmap_top;
        for (unsigned y = 0; y < b.rows; ++y)
            for (unsigned x = 0; x < b.width; ++x) {
                int cx = ox + x, cy = oy + y;
                if (cx < bodyLeft || cx > bodyRight || cy < topRow || cy > bottomRow) continue;
                cover[cy * font.cellW + cx] = b.buffer[y * b.pitch + x];
            }
        auto inked = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < font.cellW && y < font.cellH && cover[y * font.cellW + x] >= kInkFrom;
        };
        for (int y = 0; y < font.cellH; ++y)
            for (int x = 0; x < font.cellW - 1; ++x) {
                if (inked(x, y)) {
                    double down = std::clamp(double(y - (font.baseline - font.capHeight)) / font.capHeight, 0.0, 1.0);
                    Rgb core = mix(coreTop, coreBottom, down);
                    double soft = std::min(1.0, double(cover[y * font.cellW + x] - kInkFrom) / (kCoreFrom - kInkFrom));
                    s.at(g, x, y) = packRgb(mix(mix(core, edge, kSoftEdge), core, soft));
                    continue;
                }
                bool ring = false;
                const int r = font.outline, reach = r * r + 1;  // radius of the round ring
                for (int dy = -r - font.shadow; dy <= r && !ring; ++dy)
                    for (int dx = -r; dx <= r; ++dx) {
                        int ry = dy < 0 ? std::min(0, dy + font.shadow) : dy;  // the shadow stretches it down
                        ring = ring || (dx * dx + ry * ry <= reach && inked(x + dx, y + dy));
                    }
                if (ring) s.at(g, x, y) = kEdge;
            }
    }
    FT_Done_Face(f);
    save(s, path);
}

// The small font: the crisp 5x7 misc-fixed face with a shadow pixel below.
void smallSheet(const std::string& path) {
    FT_Face f = openFace(kSmallFont);
    if (f->num_fixed_sizes < 1 || FT_Select_Size(f, 0)) {
        fprintf(stderr, "artgen: %s has no bitmap strike\n", kSmallFont);
        exit(1);
    }
    constexpr int cellW = 6, cellH = 8;
    int ascent = f->size->metrics.ascender >> 6;
    Sheet s{cellW, cellH, std::vector<uint32_t>(size_t(cellW) * kGlyphs * cellH, 0)};
    for (int g = 1; g < kGlyphs; ++g) {
        if (FT_Load_Char(f, charOf(g), FT_LOAD_RENDER | FT_LOAD_TARGET_MONO)) {
            fprintf(stderr, "artgen: %s lacks glyph %d\n", kSmallFont, g);
            exit(1);
        }
        const FT_Bitmap& b = f->glyph->bitmap;
        int ox = f->glyph->bitmap_left, oy = ascent - f->glyph->bitmap_top;
        for (unsigned y = 0; y < b.rows; ++y)
            for (unsigned x = 0; x < b.width; ++x) {
                bool on = b.buffer[y * b.pitch + x / 8] & (0x80 >> (x % 8));
                int cx = ox + x, cy = oy + y;
                if (on && cx >= 0 && cx < cellW - 1 && cy >= 0 && cy < cellH) s.at(g, cx, cy) = 0xffffff;
            }
        for (int y = cellH - 1; y > 0; --y)
            for (int x = 0; x < cellW - 1; ++x)
                if (!s.at(g, x, y) && s.at(g, x, y - 1) == 0xffffff) s.at(g, x, y) = kSmallShadow;
    }
    FT_Done_Face(f);
    save(s, path);
}

}  // namespace

std::string fontPath(bool display) {
    if (!display) return kSmallFont;
    if (exists(kDisplayFont)) return kDisplayFont;
    if (exists(kFallbackFont)) return kFallbackFont;
    fprintf(stderr, "artgen: neither %s nor %s is installed (fonts-comic-neue, fonts-dejavu-core)\n", kDisplayFont,
            kFallbackFont);
    exit(1);
}

void writeFonts(const std::string& out) {
    if (!exists(kSmallFont)) {
        fprintf(stderr, "artgen: the font file %s is missing (xfonts-base)\n", kSmallFont);
        exit(1);
    }
    // cell sizes and pen advances of the text renderer
    smallSheet(out + "/gfx/fontc.bmp");
    outlinedSheet(out + "/gfx/font12c.bmp", kMediumFont);
    outlinedSheet(out + "/gfx/font18c.bmp", kSpeechFont);
}
