// SPDX-License-Identifier: MIT
// thumbnail.cpp - shrinking the screen by averaging and writing it as a PNG in memory.
#include "gfx/thumbnail.h"

#include <SDL.h>
#include <png.h>

#include <cstdint>
#include <vector>

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}

void noFlush(png_structp) {}

}  // namespace

std::string thumbnailPng(SDL_Surface* screen) {
    if (!screen || screen->w < kThumbWidth || screen->h < kThumbHeight || screen->format->BytesPerPixel != 4)
        return "";
    // Each thumbnail pixel is the mean of the screen pixels it covers.
    std::vector<uint8_t> rgb(size_t(kThumbWidth) * kThumbHeight * 3);
    if (SDL_MUSTLOCK(screen) && SDL_LockSurface(screen) != 0) return "";
    const SDL_PixelFormat* f = screen->format;
    const bool whole = f->Rloss == 0 && f->Gloss == 0 && f->Bloss == 0;
    for (int ty = 0; ty < kThumbHeight; ++ty)
        for (int tx = 0; tx < kThumbWidth; ++tx) {
            const int x0 = tx * screen->w / kThumbWidth, x1 = (tx + 1) * screen->w / kThumbWidth;
            const int y0 = ty * screen->h / kThumbHeight, y1 = (ty + 1) * screen->h / kThumbHeight;
            uint32_t sum[3] = {0, 0, 0}, n = 0;
            for (int y = y0; y < y1; ++y) {
                const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(screen->pixels) + y * screen->pitch);
                for (int x = x0; x < x1; ++x, ++n) {
                    if (whole) {  // 8 bits a channel: the channels as they lie, no call a pixel
                        sum[0] += (row[x] & f->Rmask) >> f->Rshift;
                        sum[1] += (row[x] & f->Gmask) >> f->Gshift;
                        sum[2] += (row[x] & f->Bmask) >> f->Bshift;
                        continue;
                    }
                    Uint8 r, g, b;
                    SDL_GetRGB(row[x], f, &r, &g, &b);
                    sum[0] += r;
                    sum[1] += g;
                    sum[2] += b;
                }
            }
            uint8_t* px = &rgb[(size_t(ty) * kThumbWidth + tx) * 3];
            for (int c = 0; c < 3; ++c) px[c] = static_cast<uint8_t>(n ? sum[c] / n : 0);
        }
    if (SDL_MUSTLOCK(screen)) SDL_UnlockSurface(screen);

    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return "";
    }
    png_set_write_fn(png, &out, appendBytes, noFlush);
    png_set_IHDR(png, info, kThumbWidth, kThumbHeight, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // a small picture: one cheap filter and fast deflate cost under a kilobyte more, not a millisecond
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_compression_level(png, 1);
    png_write_info(png, info);
    for (int y = 0; y < kThumbHeight; ++y) png_write_row(png, &rgb[size_t(y) * kThumbWidth * 3]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

bool isThumbnailPng(const std::string& bytes) {
    // The signature, then the header chunk: its length, "IHDR", width, height (big-endian).
    static const char kStart[] = "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR";
    constexpr size_t kStartBytes = sizeof kStart - 1, kSizeBytes = 8;
    if (bytes.size() < kStartBytes + kSizeBytes || bytes.compare(0, kStartBytes, kStart, kStartBytes) != 0)
        return false;
    auto number = [&](size_t at) {
        uint32_t v = 0;
        for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<uint8_t>(bytes[at + i]);
        return v;
    };
    return number(kStartBytes) == uint32_t(kThumbWidth) && number(kStartBytes + 4) == uint32_t(kThumbHeight);
}
