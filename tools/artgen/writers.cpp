// SPDX-License-Identifier: MIT
// writers.cpp - PNG and BMP at the smallest depth that holds the picture: a
// palette where it has at most 256 colours (a BMP then run-length encoded when
// that is smaller), else 24-bit RGB; plus the reader the
// contact sheet and the screenshots use to look at what was written.
#include <png.h>
#include <zlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "art.h"

namespace {
// zlib's strongest level: every byte ships in the packages; the files stay
// deterministic.
constexpr int kPngCompression = 9;
constexpr size_t kMaxPalette = 256;
constexpr uint32_t kBmpFileHeader = 14;
constexpr uint32_t kBmpInfoHeader = 40;   // BITMAPINFOHEADER
constexpr uint32_t kBmpPlain = 0;         // BI_RGB
constexpr uint32_t kBmpRle8 = 1;          // BI_RLE8
constexpr uint32_t kDotsPerMetre = 2835;  // 72 dpi

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

// The picture's colours in ascending order, or empty when there are more than 256.
std::vector<uint32_t> paletteOf(const std::vector<uint32_t>& px) {
    std::vector<uint32_t> colours;
    uint32_t last = 0;
    bool any = false;
    for (uint32_t p : px) {
        if (any && p == last) continue;  // runs are common: skip the search
        any = true;
        last = p;
        auto at = std::lower_bound(colours.begin(), colours.end(), p);
        if (at != colours.end() && *at == p) continue;
        if (colours.size() == kMaxPalette) return {};
        colours.insert(at, p);
    }
    return colours;
}

// Palette index of every pixel.
std::vector<uint8_t> indexed(const std::vector<uint32_t>& px, const std::vector<uint32_t>& palette) {
    std::vector<uint8_t> out(px.size());
    for (size_t i = 0; i < px.size(); ++i)
        out[i] = uint8_t(std::lower_bound(palette.begin(), palette.end(), px[i]) - palette.begin());
    return out;
}

// One row in BI_RLE8: runs of one index as (count, index), stretches without
// runs in absolute mode (0, count, indices, padded to a word), ended by (0, 0).
void rle8Row(std::vector<uint8_t>& b, const uint8_t* row, int w) {
    auto runAt = [&](int i) {
        int n = 1;
        while (i + n < w && n < 255 && row[i + n] == row[i]) ++n;
        return n;
    };
    int i = 0;
    while (i < w) {
        const int run = runAt(i);
        if (run >= 2) {
            b.push_back(uint8_t(run));
            b.push_back(row[i]);
            i += run;
            continue;
        }
        int j = i;
        while (j < w && j - i < 255 && runAt(j) < 2) ++j;
        const int n = j - i;
        if (n < 3) {  // absolute mode needs three or more
            for (int k = 0; k < n; ++k) {
                b.push_back(1);
                b.push_back(row[i + k]);
            }
        } else {
            b.push_back(0);
            b.push_back(uint8_t(n));
            b.insert(b.end(), row + i, row + j);
            if (n % 2) b.push_back(0);
        }
        i = j;
    }
    b.push_back(0);
    b.push_back(0);
}

void writeFile(const std::string& path, const std::vector<uint8_t>& b) {
    FILE* f = fopen(path.c_str(), "wb");
    if (!f || fwrite(b.data(), 1, b.size(), f) != b.size()) fail("cannot write " + path);
    fclose(f);
}

void bmpFileHeader(std::vector<uint8_t>& b, uint32_t header, uint32_t paletteBytes, uint32_t imageBytes) {
    b.push_back('B');
    b.push_back('M');
    put32(b, kBmpFileHeader + header + paletteBytes + imageBytes);
    put32(b, 0);
    put32(b, kBmpFileHeader + header + paletteBytes);
}

// 8-bit palette BMP, run-length encoded when that is smaller; rows bottom-up.
void writePaletteBmp(const ImageOut& o, const std::vector<uint32_t>& palette) {
    const std::vector<uint8_t> idx = indexed(o.rows, palette);
    const size_t stride = (size_t(o.width) + 3) & ~size_t(3);
    std::vector<uint8_t> rle;
    for (int y = o.height - 1; y >= 0; --y) rle8Row(rle, idx.data() + size_t(y) * o.width, o.width);
    rle.push_back(0);
    rle.push_back(1);  // end of the picture
    const bool useRle = rle.size() < stride * o.height;
    std::vector<uint8_t> data;
    if (useRle) {
        data.swap(rle);
    } else {
        data.assign(stride * o.height, 0);
        for (int y = 0; y < o.height; ++y)
            memcpy(&data[size_t(o.height - 1 - y) * stride], idx.data() + size_t(y) * o.width, o.width);
    }
    std::vector<uint8_t> b;
    bmpFileHeader(b, kBmpInfoHeader, uint32_t(palette.size() * 4), uint32_t(data.size()));
    put32(b, kBmpInfoHeader);
    put32(b, o.width);
    put32(b, o.height);  // positive: rows bottom-up, as run-length encoding needs
    put16(b, 1);         // planes
    put16(b, 8);         // bits per pixel
    put32(b, useRle ? kBmpRle8 : kBmpPlain);
    put32(b, uint32_t(data.size()));
    put32(b, kDotsPerMetre);
    put32(b, kDotsPerMetre);
    put32(b, uint32_t(palette.size()));  // colours used
    put32(b, 0);                         // all of them important
    for (uint32_t c : palette) put32(b, c & 0xffffff);  // B, G, R, 0
    b.insert(b.end(), data.begin(), data.end());
    writeFile(o.path, b);
}

// 24-bit BMP, rows bottom-up and padded to a word.
void writeRgbBmp(const ImageOut& o) {
    const size_t stride = (size_t(o.width) * 3 + 3) & ~size_t(3);
    std::vector<uint8_t> data(stride * o.height, 0);
    for (int y = 0; y < o.height; ++y) {
        uint8_t* row = &data[size_t(o.height - 1 - y) * stride];
        const uint32_t* src = &o.rows[size_t(y) * o.width];
        for (int x = 0; x < o.width; ++x) {
            row[x * 3] = src[x] & 255;  // B, G, R
            row[x * 3 + 1] = (src[x] >> 8) & 255;
            row[x * 3 + 2] = (src[x] >> 16) & 255;
        }
    }
    std::vector<uint8_t> b;
    bmpFileHeader(b, kBmpInfoHeader, 0, uint32_t(data.size()));
    put32(b, kBmpInfoHeader);
    put32(b, o.width);
    put32(b, o.height);  // positive: rows bottom-up
    put16(b, 1);         // planes
    put16(b, 24);        // bits per pixel
    put32(b, kBmpPlain);
    put32(b, uint32_t(data.size()));
    put32(b, kDotsPerMetre);
    put32(b, kDotsPerMetre);
    put32(b, 0);  // no palette
    put32(b, 0);
    b.insert(b.end(), data.begin(), data.end());
    writeFile(o.path, b);
}

// One way of packing a PNG's rows: libpng's row filters and zlib's settings.
struct PngPacking {
    int filters;   // PNG_FILTER_* mask; with more than one libpng picks per row
    int strategy;  // Z_DEFAULT_STRATEGY, Z_FILTERED, ...
    int memLevel;  // zlib's memory level, 1-9
};
// Each picture is packed every way and the smallest kept. Which wins differs by
// picture, and none is close to best everywhere.
constexpr PngPacking kPngPackings[] = {
    {PNG_FILTER_NONE, Z_DEFAULT_STRATEGY, 9},  // flat colours and palettes: repeats found by zlib alone
    {PNG_ALL_FILTERS, Z_FILTERED, 8},          // gradients and texture: libpng's pick per row
};

void appendBytes(png_structp png, png_bytep data, png_size_t n) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + n);
}
void flushNothing(png_structp) {}

// The PNG in memory: palette at the fewest bits per pixel that index it, or
// 8-bit RGB; rows are the palette indices or the RGB bytes.
std::vector<uint8_t> packPng(const ImageOut& o, const std::vector<uint32_t>& palette,
                             const std::vector<uint8_t>& rows, const PngPacking& packing) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) fail("PNG error in " + o.path);
    png_set_write_fn(png, &out, appendBytes, flushNothing);
    png_set_compression_level(png, kPngCompression);
    png_set_compression_strategy(png, packing.strategy);
    png_set_compression_mem_level(png, packing.memLevel);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, packing.filters);
    if (!palette.empty()) {
        const int depth = palette.size() <= 2 ? 1 : palette.size() <= 4 ? 2 : palette.size() <= 16 ? 4 : 8;
        png_set_IHDR(png, info, o.width, o.height, depth, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        std::vector<png_color> entries;
        for (uint32_t c : palette)
            entries.push_back({png_byte(c >> 16 & 255), png_byte(c >> 8 & 255), png_byte(c & 255)});
        png_set_PLTE(png, info, entries.data(), int(entries.size()));
        png_write_info(png, info);
        png_set_packing(png);  // rows are given one index per byte
    } else {
        png_set_IHDR(png, info, o.width, o.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
    }
    const size_t rowBytes = rows.size() / o.height;
    for (int y = 0; y < o.height; ++y) png_write_row(png, &rows[size_t(y) * rowBytes]);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

// The smallest of the packings.
void writePng(const ImageOut& o, const std::vector<uint32_t>& palette) {
    std::vector<uint8_t> rows;
    if (!palette.empty()) {
        rows = indexed(o.rows, palette);
    } else {
        rows.resize(o.rows.size() * 3);
        for (size_t i = 0; i < o.rows.size(); ++i) {
            rows[i * 3] = (o.rows[i] >> 16) & 255;
            rows[i * 3 + 1] = (o.rows[i] >> 8) & 255;
            rows[i * 3 + 2] = o.rows[i] & 255;
        }
    }
    std::vector<uint8_t> best;
    for (const PngPacking& packing : kPngPackings) {
        std::vector<uint8_t> packed = packPng(o, palette, rows, packing);
        if (best.empty() || packed.size() < best.size()) best.swap(packed);
    }
    writeFile(o.path, best);
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
    o.format = endsWith(path, ".bmp") ? Format::Bmp : Format::Png;
    makeDirs(path);
    o.rows.reserve(size_t(w) * h);
}

// Pixels with less than half alpha are the colour key, black.
void appendRows(ImageOut& o, cairo_surface_t* s, int rows) {
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    int sw = cairo_image_surface_get_width(s);
    if (sw < o.width) fail("surface narrower than " + o.path);
    if (o.rowsWritten + rows > o.height) fail("too many rows for " + o.path);
    for (int y = 0; y < rows; ++y) {
        const uint32_t* src = (const uint32_t*)(data + y * stride);
        for (int x = 0; x < o.width; ++x) o.rows.push_back((src[x] >> 24) < 128 ? 0 : (src[x] & 0xffffff));
        ++o.rowsWritten;
    }
}

void endImage(ImageOut& o) {
    if (o.rowsWritten != o.height) fail("incomplete image " + o.path);
    const std::vector<uint32_t> palette = paletteOf(o.rows);
    if (o.format == Format::Png)
        writePng(o, palette);
    else if (!palette.empty())
        writePaletteBmp(o, palette);
    else
        writeRgbBmp(o);
    o.rows.clear();
    o.rows.shrink_to_fit();
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
        std::vector<uint8_t> file;
        uint8_t buf[65536];
        for (size_t n; (n = fread(buf, 1, sizeof buf, f)) > 0;) file.insert(file.end(), buf, buf + n);
        fclose(f);
        if (file.size() < 54) return false;
        auto u32 = [&](size_t at) {
            return uint32_t(file[at]) | file[at + 1] << 8 | file[at + 2] << 16 | uint32_t(file[at + 3]) << 24;
        };
        const uint32_t offset = u32(10), header = u32(14), compression = u32(30);
        const int w = int(u32(18)), hgt = int(u32(22)), bpp = file[28] | file[29] << 8;
        if (w <= 0 || hgt <= 0 || offset > file.size() || (bpp != 32 && bpp != 24 && bpp != 8)) return false;
        std::vector<uint32_t> all(size_t(w) * hgt);  // bottom-up, as stored
        if (bpp == 32) {
            if (offset + all.size() * 4 > file.size()) return false;
            memcpy(all.data(), &file[offset], all.size() * 4);
        } else if (bpp == 24) {
            const size_t stride = (size_t(w) * 3 + 3) & ~size_t(3);
            if (offset + stride * hgt > file.size()) return false;
            for (int y = 0; y < hgt; ++y)
                for (int x = 0; x < w; ++x) {
                    const uint8_t* p = &file[offset + y * stride + x * 3];
                    all[size_t(y) * w + x] = p[0] | p[1] << 8 | p[2] << 16;
                }
        } else {
            const size_t pal = 14 + header, colours = u32(46) ? u32(46) : 256;
            if (pal + colours * 4 > file.size()) return false;
            auto colour = [&](size_t i) { return i < colours ? u32(pal + i * 4) : 0u; };
            if (compression == kBmpRle8) {  // runs and absolute stretches, row ends, the picture's end
                size_t at = offset;
                int x = 0, y = 0;
                while (at + 1 < file.size() && y < hgt) {
                    const uint8_t n = file[at], v = file[at + 1];
                    at += 2;
                    if (n > 0) {
                        for (int k = 0; k < n && x < w; ++k) all[size_t(y) * w + x++] = colour(v);
                    } else if (v == 0) {
                        x = 0, ++y;
                    } else if (v == 1) {
                        break;
                    } else if (v == 2) {
                        return false;  // the generator never moves the pen
                    } else {
                        for (int k = 0; k < v && at < file.size() && x < w; ++k) all[size_t(y) * w + x++] = colour(file[at++]);
                        at = offset + ((at - offset + 1) & ~size_t(1));
                    }
                }
            } else {
                const size_t stride = (size_t(w) + 3) & ~size_t(3);
                if (offset + stride * hgt > file.size()) return false;
                for (int y = 0; y < hgt; ++y)
                    for (int x = 0; x < w; ++x) all[size_t(y) * w + x] = colour(file[offset + y * stride + x]);
            }
        }
        out.w = w;
        out.h = std::min(hgt, maxRows);
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
