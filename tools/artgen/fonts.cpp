// fonts.cpp - the three bitmap font sheets. 102 glyphs side by side in one row:
// glyph n is the character 32 + n, then ä ö ü Ä Ö Ü ß. The text renderer averages
// every non-black glyph pixel with the text colour, so glyphs are near white with
// a dark outline that keeps them readable on any background.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <sys/stat.h>

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
// little towards the bottom, and an outline dark enough to read on daylight.
constexpr uint32_t kCoreTop = 0xfffffa, kCoreBottom = 0xe6e0f0, kEdge = 0x302838, kSmallShadow = 0x3a3044;

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

// Outlined glyphs from the display face. Each glyph keeps one free column at
// the right of its cell and stays inside its cell top to bottom.
void outlinedSheet(const std::string& path, int cellW, int cellH, int advance) {
    FT_Face f = openFace(fontPath(true));
    int maxInk = std::min(cellW - 2, advance + 1) - 2;  // ink width without the outline
    // the largest size at which every glyph fits the cell height with its outline
    int px = cellH;
    int top = 0;
    for (; px > 4; --px) {
        FT_Set_Pixel_Sizes(f, 0, px);
        int above = 0, below = 0;
        for (int g = 0; g < kGlyphs; ++g) {
            if (FT_Load_Char(f, charOf(g), FT_LOAD_RENDER)) continue;
            above = std::max(above, f->glyph->bitmap_top);
            below = std::max(below, int(f->glyph->bitmap.rows) - f->glyph->bitmap_top);
        }
        if (above + below + 2 <= cellH) {
            top = above + 1;
            break;
        }
    }
    Sheet s{cellW, cellH, std::vector<uint32_t>(size_t(cellW) * kGlyphs * cellH, 0)};
    for (int g = 1; g < kGlyphs; ++g) {
        FT_Set_Transform(f, nullptr, nullptr);
        FT_Load_Char(f, charOf(g), FT_LOAD_RENDER);
        if (int(f->glyph->bitmap.width) > maxInk) {  // squeeze the widest letters
            FT_Matrix m{FT_Fixed(65536.0 * maxInk / f->glyph->bitmap.width), 0, 0, 65536};
            FT_Set_Transform(f, &m, nullptr);
            FT_Load_Char(f, charOf(g), FT_LOAD_RENDER);
        }
        const FT_Bitmap& b = f->glyph->bitmap;
        std::vector<uint8_t> ink(size_t(cellW) * cellH, 0);
        int ox = 1 + std::max(0, (maxInk - int(b.width)) / 2);
        int oy = top - f->glyph->bitmap_top;
        for (unsigned y = 0; y < b.rows; ++y)
            for (unsigned x = 0; x < b.width; ++x) {
                int cx = ox + x, cy = oy + y;
                if (cx < 1 || cx > cellW - 3 || cy < 1 || cy > cellH - 2) continue;
                if (b.buffer[y * b.pitch + x] >= 110) ink[cy * cellW + cx] = 1;
            }
        for (int y = 0; y < cellH; ++y)
            for (int x = 0; x < cellW - 1; ++x) {
                if (ink[y * cellW + x]) {
                    double t = double(y) / cellH;
                    Rgb a = rgb(kCoreTop >> 16, (kCoreTop >> 8) & 255, kCoreTop & 255);
                    Rgb c = mix(a, rgb(kCoreBottom >> 16, (kCoreBottom >> 8) & 255, kCoreBottom & 255), t);
                    s.at(g, x, y) = uint32_t(c.r * 255) << 16 | uint32_t(c.g * 255) << 8 | uint32_t(c.b * 255);
                    continue;
                }
                bool edge = false;
                for (int dy = -1; dy <= 1 && !edge; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        int nx = x + dx, ny = y + dy;
                        if (nx >= 0 && ny >= 0 && nx < cellW && ny < cellH && ink[ny * cellW + nx]) edge = true;
                    }
                if (edge) s.at(g, x, y) = kEdge;
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
    outlinedSheet(out + "/gfx/font12c.bmp", 12, 16, 8);
    outlinedSheet(out + "/gfx/font18c.bmp", 18, 24, 14);
}
