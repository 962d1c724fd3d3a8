// SPDX-License-Identifier: MIT
// writers.cpp - PNG and BMP at the smallest depth that holds the picture: a
// palette where it has at most 256 colours (a BMP then run-length encoded when
// that is smaller), else 24-bit RGB; PNGs packed as small as libdeflate gets
// them; plus the reader the
// contact sheet and the screenshots use to look at what was written.
#include <libdeflate.h>
#include <png.h>
#include <zlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "art.h"

namespace {
// libdeflate's levels: a quick one that picks how the rows are filtered, and a
// strong one for the file. Its strongest (12) packs a little smaller again but
// takes far longer on the film strips, drawn on every fresh build. Either way
// the files stay deterministic.
constexpr int kPngQuickLevel = 9;
constexpr int kPngStrongLevel = 10;
constexpr uint8_t kPngRgb = 2;          // colour type: 8-bit red, green, blue
constexpr uint8_t kPngPalette = 3;      // colour type: indices into PLTE
constexpr size_t kIdatBytes = 1 << 18;  // packed data per IDAT chunk
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

// ---- PNG: rows filtered by this file, packed by libdeflate ----

// The five row filters: each byte is stored less a guess from its left
// neighbour a, the byte above b and the one above-left c.
enum RowFilter : uint8_t { kFilterNone, kFilterSub, kFilterUp, kFilterAverage, kFilterPaeth, kRowFilters };

uint8_t paethGuess(int a, int b, int c) {
    const int p = a + b - c, pa = abs(p - a), pb = abs(p - b), pc = abs(p - c);
    return uint8_t(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// One row filtered: stride bytes from cur, prev the row above (null on top),
// step the bytes of a pixel (1 below 8 bits).
void filterRow(RowFilter f, const uint8_t* cur, const uint8_t* prev, size_t stride, size_t step, uint8_t* out) {
    for (size_t i = 0; i < stride; ++i) {
        const int a = i >= step ? cur[i - step] : 0, b = prev ? prev[i] : 0;
        const int c = prev && i >= step ? prev[i - step] : 0;
        const int guess = f == kFilterSub ? a : f == kFilterUp ? b : f == kFilterAverage ? (a + b) / 2
                        : f == kFilterPaeth ? paethGuess(a, b, c) : 0;
        out[i] = uint8_t(cur[i] - guess);
    }
}

// How the rows' filters are chosen.
enum class FilterChoice {
    None,        // every row as it is: flat colours repeat best unfiltered
    FewestBits,  // the filter that leaves the fewest bits of information in the row
};

// The stored bytes of every row, each behind its filter byte. A row's
// information is counted from its bytes: n log n less the sum of c log c over
// the counts c; the packer needs about that many bits for it.
std::vector<uint8_t> filteredRows(const std::vector<uint8_t>& rows, size_t stride, size_t step, FilterChoice choice) {
    const size_t height = rows.size() / stride;
    std::vector<uint8_t> out((stride + 1) * height), trial(stride);
    std::vector<double> cLogC(stride + 1, 0.0);
    for (size_t c = 1; c <= stride; ++c) cLogC[c] = double(c) * std::log2(double(c));
    for (size_t y = 0; y < height; ++y) {
        const uint8_t* cur = &rows[y * stride];
        const uint8_t* prev = y ? cur - stride : nullptr;
        RowFilter best = kFilterNone;
        double bestScore = 0;
        for (int f = kFilterNone; choice != FilterChoice::None && f < kRowFilters; ++f) {
            filterRow(RowFilter(f), cur, prev, stride, step, trial.data());
            size_t counts[256] = {};
            for (uint8_t v : trial) ++counts[v];
            double score = cLogC[stride];
            for (size_t c : counts) score -= cLogC[c];
            if (f == kFilterNone || score < bestScore) bestScore = score, best = RowFilter(f);
        }
        uint8_t* at = &out[y * (stride + 1)];
        at[0] = best;
        filterRow(best, cur, prev, stride, step, at + 1);
    }
    return out;
}

// zlib data at one of libdeflate's levels.
std::vector<uint8_t> deflated(const std::vector<uint8_t>& data, int level, const std::string& path) {
    libdeflate_compressor* packer = libdeflate_alloc_compressor(level);
    if (!packer) fail("out of memory packing " + path);
    std::vector<uint8_t> out(libdeflate_zlib_compress_bound(packer, data.size()));
    out.resize(libdeflate_zlib_compress(packer, data.data(), data.size(), out.data(), out.size()));
    libdeflate_free_compressor(packer);
    if (out.empty()) fail("cannot pack " + path);
    return out;
}

// One chunk: length, type, data, and the CRC of type and data.
void pngChunk(std::vector<uint8_t>& b, const char* type, const uint8_t* data, size_t n) {
    for (int shift = 24; shift >= 0; shift -= 8) b.push_back(uint8_t(n >> shift));
    const size_t start = b.size();
    b.insert(b.end(), type, type + 4);
    if (n) b.insert(b.end(), data, data + n);
    const uint32_t crc = uint32_t(crc32(0, &b[start], uInt(b.size() - start)));
    for (int shift = 24; shift >= 0; shift -= 8) b.push_back(uint8_t(crc >> shift));
}

// Palette PNG at the fewest bits per pixel that index it, or 8-bit RGB. The rows
// are packed quickly with each choice of filters (which wins differs by
// picture; libpng's smallest sum of signed bytes rarely beats both), and the
// smaller packed again with more effort.
void writePng(const ImageOut& o, const std::vector<uint32_t>& palette) {
    const int depth = palette.empty() ? 8 : palette.size() <= 2 ? 1 : palette.size() <= 4 ? 2 : palette.size() <= 16 ? 4 : 8;
    const size_t stride = palette.empty() ? size_t(o.width) * 3 : (size_t(o.width) * depth + 7) / 8;
    std::vector<uint8_t> rows(stride * o.height, 0);
    if (palette.empty()) {
        for (size_t i = 0; i < o.rows.size(); ++i) {
            rows[i * 3] = (o.rows[i] >> 16) & 255;
            rows[i * 3 + 1] = (o.rows[i] >> 8) & 255;
            rows[i * 3 + 2] = o.rows[i] & 255;
        }
    } else {  // indices packed from the high bits down
        const std::vector<uint8_t> idx = indexed(o.rows, palette);
        for (int y = 0; y < o.height; ++y)
            for (int x = 0; x < o.width; ++x) {
                const size_t bit = size_t(x) * depth;
                rows[y * stride + bit / 8] |= uint8_t(idx[size_t(y) * o.width + x] << (8 - depth - bit % 8));
            }
    }
    const size_t step = palette.empty() ? 3 : 1;
    std::vector<uint8_t> best, bestFiltered;
    for (FilterChoice choice : {FilterChoice::None, FilterChoice::FewestBits}) {
        std::vector<uint8_t> filtered = filteredRows(rows, stride, step, choice);
        std::vector<uint8_t> packed = deflated(filtered, kPngQuickLevel, o.path);
        if (best.empty() || packed.size() < best.size()) best.swap(packed), bestFiltered.swap(filtered);
    }
    std::vector<uint8_t> packed = deflated(bestFiltered, kPngStrongLevel, o.path);
    if (packed.size() < best.size()) best.swap(packed);  // not always: it parses differently

    static const uint8_t kSignature[] = {137, 'P', 'N', 'G', '\r', '\n', 26, '\n'};
    std::vector<uint8_t> b(kSignature, kSignature + sizeof kSignature);
    std::vector<uint8_t> header;
    for (uint32_t v : {uint32_t(o.width), uint32_t(o.height)})
        for (int shift = 24; shift >= 0; shift -= 8) header.push_back(uint8_t(v >> shift));
    header.push_back(uint8_t(depth));
    header.push_back(palette.empty() ? kPngRgb : kPngPalette);
    header.insert(header.end(), {0, 0, 0});  // deflate, the five filters, not interlaced
    pngChunk(b, "IHDR", header.data(), header.size());
    if (!palette.empty()) {
        std::vector<uint8_t> entries;
        for (uint32_t c : palette) entries.insert(entries.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
        pngChunk(b, "PLTE", entries.data(), entries.size());
    }
    for (size_t at = 0; at < best.size(); at += kIdatBytes)
        pngChunk(b, "IDAT", &best[at], std::min(kIdatBytes, best.size() - at));
    pngChunk(b, "IEND", nullptr, 0);
    writeFile(o.path, b);
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
