// SPDX-License-Identifier: MIT
// writers.cpp - PNG (24-bit RGB, written row by row so strips of any height fit)
// and 32-bit BMP with a BITMAPV4 header, plus the reader the contact sheet and
// the screenshots use to look at what was written.
#include <png.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "art.h"

namespace {
// Strips are large and rewritten on every build: a fast compression level keeps
// the generator quick; the files stay deterministic.
constexpr int kPngCompression = 3;

void fail(const std::string& what) {
    fprintf(stderr, "artgen: %s\n", what.c_str());
    exit(1);
}

void put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(v & 255);
    b.push_back((v >> 8) & 255);
}
void put32(std::vector<uint8_t>& b, uint32_t v) {
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}

bool endsWith(const std::string& s, const char* suffix) {
    size_t n = strlen(suffix);
    return s.size() >= n && s.compare(s.size() - n, n, suffix) == 0;
}
}  // namespace

void makeDirs(const std::string& filePath) {
    for (size_t i = 1; i < filePath.size(); ++i)
        if (filePath[i] == '/') mkdir(filePath.substr(0, i).c_str(), 0755);
}

void beginImage(ImageOut& o, const std::string& path, int w, int h) {
    o = ImageOut();
    o.path = path;
    o.width = w;
    o.height = h;
    o.format = endsWith(path, ".bmp") ? Format::Bmp32 : Format::Png;
    makeDirs(path);
    if (o.format == Format::Bmp32) {
        o.bmpRows.reserve(size_t(w) * h);
        return;
    }
    o.file = fopen(path.c_str(), "wb");
    if (!o.file) fail("cannot write " + path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) fail("PNG error in " + path);
    png_init_io(png, o.file);
    png_set_compression_level(png, kPngCompression);
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    o.png = png;
    o.info = info;
}

void appendRows(ImageOut& o, cairo_surface_t* s, int rows) {
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    int sw = cairo_image_surface_get_width(s);
    if (sw < o.width) fail("surface narrower than " + o.path);
    if (o.rowsWritten + rows > o.height) fail("too many rows for " + o.path);
    std::vector<uint8_t> line(size_t(o.width) * 3);
    for (int y = 0; y < rows; ++y) {
        const uint32_t* src = (const uint32_t*)(data + y * stride);
        if (o.format == Format::Bmp32) {
            for (int x = 0; x < o.width; ++x) {
                uint32_t p = src[x];
                o.bmpRows.push_back((p >> 24) < 128 ? 0 : (p & 0xffffff));
            }
        } else {
            for (int x = 0; x < o.width; ++x) {
                uint32_t p = src[x];
                if ((p >> 24) < 128) p = 0;
                line[x * 3] = (p >> 16) & 255;
                line[x * 3 + 1] = (p >> 8) & 255;
                line[x * 3 + 2] = p & 255;
            }
            png_structp png = (png_structp)o.png;
            if (setjmp(png_jmpbuf(png))) fail("PNG error in " + o.path);
            png_write_row(png, line.data());
        }
        ++o.rowsWritten;
    }
}

void endImage(ImageOut& o) {
    if (o.rowsWritten != o.height) fail("incomplete image " + o.path);
    if (o.format == Format::Png) {
        png_structp png = (png_structp)o.png;
        png_infop info = (png_infop)o.info;
        png_write_end(png, info);
        png_destroy_write_struct(&png, &info);
        fclose(o.file);
        o.file = nullptr;
        return;
    }
    // BITMAPV4HEADER with explicit bit fields and an alpha mask of 0: SDL then
    // reads the pixels as plain RGB and black as the value 0.
    constexpr uint32_t kFileHeader = 14, kV4Header = 108, kBitFields = 3;
    uint32_t imageBytes = uint32_t(o.width) * o.height * 4;
    std::vector<uint8_t> b;
    b.push_back('B');
    b.push_back('M');
    put32(b, kFileHeader + kV4Header + imageBytes);
    put32(b, 0);
    put32(b, kFileHeader + kV4Header);
    put32(b, kV4Header);
    put32(b, o.width);
    put32(b, o.height);  // positive: rows bottom-up
    put16(b, 1);         // planes
    put16(b, 32);        // bits per pixel
    put32(b, kBitFields);
    put32(b, imageBytes);
    put32(b, 2835);  // 72 dpi
    put32(b, 2835);
    put32(b, 0);  // palette colours
    put32(b, 0);
    put32(b, 0x00ff0000);  // red mask
    put32(b, 0x0000ff00);  // green mask
    put32(b, 0x000000ff);  // blue mask
    put32(b, 0x00000000);  // alpha mask: none
    put32(b, 0x73524742);  // colour space 'sRGB'
    for (int i = 0; i < 12; ++i) put32(b, 0);  // endpoints and gamma
    for (int y = o.height - 1; y >= 0; --y)
        for (int x = 0; x < o.width; ++x) put32(b, o.bmpRows[size_t(y) * o.width + x]);
    FILE* f = fopen(o.path.c_str(), "wb");
    if (!f || fwrite(b.data(), 1, b.size(), f) != b.size()) fail("cannot write " + o.path);
    fclose(f);
    o.bmpRows.clear();
}

void writeSurface(const std::string& path, cairo_surface_t* s) {
    ImageOut o;
    beginImage(o, path, cairo_image_surface_get_width(s), cairo_image_surface_get_height(s));
    appendRows(o, s, o.height);
    endImage(o);
}

// ---------------------------------------------------------------- reading back

bool readImage(const std::string& path, Pixels& out, int maxRows) {
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return false;
    out = Pixels();
    if (endsWith(path, ".bmp")) {
        uint8_t h[122];
        if (fread(h, 1, 54, f) != 54) return fclose(f), false;
        auto u32 = [&](int at) { return uint32_t(h[at]) | h[at + 1] << 8 | h[at + 2] << 16 | uint32_t(h[at + 3]) << 24; };
        uint32_t offset = u32(10);
        int w = (int)u32(18), hgt = (int)u32(22);
        int bpp = h[28] | h[29] << 8;
        if (bpp != 32 || w <= 0 || hgt <= 0) return fclose(f), false;
        out.w = w;
        out.h = std::min(hgt, maxRows);
        std::vector<uint32_t> all(size_t(w) * hgt);
        fseek(f, offset, SEEK_SET);
        if (fread(all.data(), 4, all.size(), f) != all.size()) return fclose(f), false;
        fclose(f);
        out.px.resize(size_t(w) * out.h);
        for (int y = 0; y < out.h; ++y)
            for (int x = 0; x < w; ++x) out.px[size_t(y) * w + x] = all[size_t(hgt - 1 - y) * w + x] & 0xffffff;
        return true;
    }
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_read_info(png, info);
    png_set_strip_16(png);
    png_set_expand(png);
    png_set_strip_alpha(png);
    png_set_gray_to_rgb(png);
    png_read_update_info(png, info);
    int w = png_get_image_width(png, info), hgt = png_get_image_height(png, info);
    out.w = w;
    out.h = std::min(hgt, maxRows);
    out.px.resize(size_t(w) * out.h);
    std::vector<uint8_t> row(png_get_rowbytes(png, info));
    for (int y = 0; y < out.h; ++y) {
        png_read_row(png, row.data(), nullptr);
        for (int x = 0; x < w; ++x)
            out.px[size_t(y) * w + x] = uint32_t(row[x * 3]) << 16 | row[x * 3 + 1] << 8 | row[x * 3 + 2];
    }
    png_destroy_read_struct(&png, &info, nullptr);
    fclose(f);
    return true;
}
