// SPDX-License-Identifier: MIT
// writers_test.cpp - the generator's smaller files decode to exactly the pixels
// its former writer (every pixel at full depth) produced: through
// SDL_image, through the game's own picture loading, and through the
// generator's reader; few-colour pictures take a palette, many-colour ones not;
// PNGs come out smaller than libpng packs them by itself.
#include <SDL.h>
#include <SDL_image.h>
#include <cairo.h>
#include <gtest/gtest.h>
#include <png.h>

#include <sys/stat.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "art.h"
#include "gfx/display.h"
#include "gfx/graphic.h"
#include "harness.h"

namespace {

// The cut every writer makes: under half alpha is the key, black.
uint32_t keyCut(uint32_t p) { return (p >> 24) < 128 ? 0 : (p & 0xffffff); }

// The picture as libpng packs a 24-bit PNG by itself; filters: a PNG_FILTER_*
// mask, or libpng's own choice.
void libpngPng(const std::string& path, cairo_surface_t* s, int level = Z_DEFAULT_COMPRESSION, int filters = -1) {
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    FILE* f = fopen(path.c_str(), "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, f);
    png_set_compression_level(png, level);
    if (filters >= 0) png_set_filter(png, PNG_FILTER_TYPE_BASE, filters);
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<uint8_t> line(size_t(w) * 3);
    for (int y = 0; y < h; ++y) {
        const uint32_t* src = (const uint32_t*)(data + y * stride);
        for (int x = 0; x < w; ++x) {
            const uint32_t p = keyCut(src[x]);
            line[x * 3] = p >> 16 & 255;
            line[x * 3 + 1] = p >> 8 & 255;
            line[x * 3 + 2] = p & 255;
        }
        png_write_row(png, line.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    fclose(f);
}

// ---- test pictures ----
// colours 0: a smooth gradient of thousands of colours; else that many flat
// bands. A disc cut out of each (alpha under half) tests the key; long runs,
// single pixels and short stretches test the run-length encoding.
cairo_surface_t* testPicture(int w, int h, int colours) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    uint32_t* px = (uint32_t*)cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s) / 4;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t rgb;
            if (colours == 0)
                rgb = uint32_t(x * 255 / w) << 16 | uint32_t(y * 255 / h) << 8 | uint32_t((x ^ y) & 255);
            else
                rgb = 0x102030u + uint32_t(((x / 3 + (x * y) % 7 + y / 5) % colours) * 0x010305u);
            const int dx = x - w / 2, dy = y - h / 2;
            const bool hole = dx * dx + dy * dy < (w * w) / 16;
            const uint32_t alpha = hole ? ((x + y) % 3 == 0 ? 0x7f : 0) : 0xff;
            px[y * stride + x] = alpha << 24 | (hole && alpha == 0 ? 0 : rgb);
        }
    cairo_surface_mark_dirty(s);
    return s;
}

// 0x00RRGGBB of every pixel.
std::vector<uint32_t> pixelsOf(SDL_Surface* plain) {
    std::vector<uint32_t> out;
    for (int y = 0; y < plain->h; ++y)
        for (int x = 0; x < plain->w; ++x)
            out.push_back(((const uint32_t*)((const uint8_t*)plain->pixels + y * plain->pitch))[x] & 0xffffff);
    return out;
}

std::vector<uint32_t> sdlImagePixels(const std::string& path) {
    SDL_Surface* s = asPlainRgb(IMG_Load(path.c_str()));
    if (!s) return {};
    std::vector<uint32_t> out = pixelsOf(s);
    SDL_FreeSurface(s);
    return out;
}

// Drawn whole by the game on a canvas of another colour: the key shows it.
std::vector<uint32_t> gamePixels(const std::string& path, int w, int h) {
    Graphic* g = newSpriteGraphic(path, "Probe", 0, 0, 0, 0, 0, 0, 0);
    SDL_Surface* canvas = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xff0000, 0xff00, 0xff, 0);
    SDL_FillRect(canvas, nullptr, 0x123456);
    drawSprite(canvas, *g);
    std::vector<uint32_t> out = pixelsOf(canvas);
    SDL_FreeSurface(canvas);
    deleteGraphic(g);
    return out;
}

long bytesOf(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? long(st.st_size) : -1;
}

int bitsOf(const std::string& path) {
    SDL_Surface* s = IMG_Load(path.c_str());
    const int bits = s ? s->format->BitsPerPixel : 0;
    if (s) SDL_FreeSurface(s);
    return bits;
}

}  // namespace

TEST(Writers, SmallerFilesDecodeToTheFormerPixels) {
    TestEngine t;  // SDL for the game's loading
    TempFolder dir;
    struct Case {
        int w, h, colours, paletteBits;  // paletteBits: what IMG_Load gives
    };
    const Case cases[] = {
        {64, 48, 2, 8},      // two colours: a 1-bit palette PNG
        {37, 41, 4, 8},      // odd sizes pad rows
        {90, 30, 16, 8},     // a 4-bit palette PNG
        {120, 80, 200, 8},   // many colours, still a palette
        {300, 2500, 7, 8},   // a tall strip, read a window at a time by the game
        {96, 64, 0, 24},     // thousands of colours: full depth
    };
    for (const Case& c : cases) {
        cairo_surface_t* s = testPicture(c.w, c.h, c.colours);
        // What the former writer kept: every pixel at full depth, the key cut made.
        std::vector<uint32_t> expected, drawn;
        const int stride = cairo_image_surface_get_stride(s);
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) {
                const uint32_t p = keyCut(((const uint32_t*)(cairo_image_surface_get_data(s) + y * stride))[x]);
                expected.push_back(p);
                drawn.push_back(p ? p : 0x123456);  // the key shows the canvas
            }
        for (const char* ext : {".png", ".bmp"}) {
            const std::string smaller = dir / (std::to_string(c.w) + "x" + std::to_string(c.h) + "_" +
                                               std::to_string(c.colours) + ext);
            SCOPED_TRACE(smaller);
            writeSurface(smaller, s);
            EXPECT_EQ(bitsOf(smaller), c.paletteBits);
            EXPECT_TRUE(sdlImagePixels(smaller) == expected) << "through SDL_image";
            EXPECT_TRUE(gamePixels(smaller, c.w, c.h) == drawn) << "as the game draws it";
            Pixels back;
            ASSERT_TRUE(readImage(smaller, back));
            EXPECT_TRUE(back.px == expected) << "through the generator's reader";
        }
        cairo_surface_destroy(s);
    }
    releasePictures();
}

// Rows unfiltered suit flat colours (the sprite sheets and film strips), rows
// filtered the soft light of the backgrounds: the generator's PNGs of either
// come out smaller than libpng packs them at its strongest, filtered by its
// own choice or unfiltered.
TEST(Writers, PngsAreSmallerThanLibpngsOwnChoice) {
    TempFolder dir;
    // soft lights on a wall, as the scenes' backgrounds have them
    cairo_surface_t* lights = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 200, 150);
    cairo_t* light = cairo_create(lights);
    cairo_set_source_rgb(light, 0.3, 0.2, 0.45);
    cairo_paint(light);
    for (int i = 0; i < 2; ++i) {  // two lights of two colours
        cairo_pattern_t* pool = cairo_pattern_create_radial(70 + 60 * i, 60 + 30 * i, 0, 70 + 60 * i, 60 + 30 * i, 90);
        cairo_pattern_add_color_stop_rgba(pool, 0, 0.9 - 0.6 * i, 0.5 + 0.3 * i, 0.2 + 0.4 * i, 0.9);
        cairo_pattern_add_color_stop_rgba(pool, 1, 0.9 - 0.6 * i, 0.5 + 0.3 * i, 0.2 + 0.4 * i, 0);
        cairo_set_source(light, pool);
        cairo_paint(light);
        cairo_pattern_destroy(pool);
    }
    cairo_destroy(light);
    // a sprite strip: eight frames stacked downwards of a striped ball with dark
    // outlines, smoothed edges and the key around it, rolling a little
    cairo_surface_t* strip = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 160, 800);
    cairo_t* cr = cairo_create(strip);
    for (int i = 0; i < 8; ++i) {
        const double x = 50 + 6 * i, y = 50 + 100 * i;
        cairo_arc(cr, x, y, 30, 0, 2 * M_PI);
        cairo_set_source_rgb(cr, 0.8, 0.5, 0.2);
        cairo_fill_preserve(cr);
        cairo_set_source_rgb(cr, 0.15, 0.1, 0.1);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        for (int k = 0; k < 5; ++k) {
            cairo_move_to(cr, x - 25 + k * 11, y - 25);
            cairo_line_to(cr, x - 15 + k * 11 + i, y + 30);
        }
        cairo_set_source_rgb(cr, 0.3, 0.6, 0.9);
        cairo_stroke(cr);
    }
    cairo_destroy(cr);
    for (cairo_surface_t* s : {lights, strip}) {
        SCOPED_TRACE(s == strip ? "strip" : "lights");
        const std::string filtered = dir / "filtered.png", unfiltered = dir / "unfiltered.png", ours = dir / "ours.png";
        libpngPng(filtered, s, 9);
        libpngPng(unfiltered, s, 9, PNG_FILTER_NONE);
        writeSurface(ours, s);
        ASSERT_EQ(bitsOf(ours), 24);
        EXPECT_LT(bytesOf(ours), std::min(bytesOf(filtered), bytesOf(unfiltered)));
        cairo_surface_destroy(s);
    }
}
