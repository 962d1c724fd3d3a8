// SPDX-License-Identifier: MIT
// paint.cpp - colours, cartoon shapes and the scenery props every scene shares.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "art.h"

Rgb rgb(int r, int g, int b) { return Rgb{r / 255.0, g / 255.0, b / 255.0}; }
Rgb mix(Rgb a, Rgb b, double t) {
    return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

namespace pal {
const Rgb outline = rgb(40, 26, 38);
const Rgb fur = rgb(214, 132, 62), furLight = rgb(246, 196, 128), furDark = rgb(150, 82, 40);
const Rgb suit = rgb(58, 112, 208), suitDark = rgb(34, 64, 140), suitLight = rgb(128, 178, 242);
const Rgb metal = rgb(176, 184, 196), antennaBall = rgb(236, 64, 72);
const Rgb skinLight = rgb(250, 208, 170), skinMid = rgb(214, 160, 118), skinDark = rgb(140, 92, 64);
const Rgb skyTop = rgb(46, 36, 96), skyMid = rgb(128, 72, 138), skyLow = rgb(244, 146, 84);
const Rgb sun = rgb(255, 206, 110);
const Rgb grass = rgb(118, 128, 52), grassDark = rgb(76, 84, 40), grassLight = rgb(170, 168, 76);
const Rgb dirt = rgb(170, 122, 78), dirtDark = rgb(120, 82, 56), dirtLight = rgb(214, 168, 112);
const Rgb wood = rgb(150, 98, 58), woodDark = rgb(100, 62, 40), woodLight = rgb(196, 142, 88);
const Rgb barnRed = rgb(170, 58, 44), barnRedDark = rgb(112, 36, 36);
const Rgb pumpkin = rgb(242, 128, 32), pumpkinDark = rgb(190, 84, 22), leafGreen = rgb(96, 132, 52);
const Rgb stone = rgb(150, 140, 150), stoneDark = rgb(98, 90, 104);
const Rgb white = rgb(250, 246, 236), cream = rgb(240, 224, 190), yellow = rgb(255, 214, 72);
const Rgb glow = rgb(255, 190, 90), nightBlue = rgb(40, 44, 92), purple = rgb(110, 70, 140);
}  // namespace pal

Rgb darker(Rgb c, double amount) { return mix(c, rgb(52, 30, 66), amount); }
Rgb lighter(Rgb c, double amount) { return mix(c, rgb(255, 244, 214), amount); }
void setColor(cairo_t* cr, Rgb c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }
void setColor(cairo_t* cr, Rgb c, double a) { cairo_set_source_rgba(cr, c.r, c.g, c.b, a); }

// ---------------------------------------------------------------- shapes

void shape(cairo_t* cr, Rgb fill, const PathFn& path, const Shade& s) {
    double sh = s.shadow * s.size, hi = s.highlight * s.size;
    cairo_save(cr);
    cairo_new_path(cr);
    path(cr);
    cairo_clip(cr);
    // shadow everywhere, then the lit part of the shape shifted towards the light
    setColor(cr, darker(fill, 0.38));
    cairo_paint(cr);
    cairo_save(cr);
    cairo_translate(cr, -sh, -sh * 0.8);
    cairo_new_path(cr);
    path(cr);
    cairo_clip(cr);
    if (hi > 0) {
        setColor(cr, lighter(fill, 0.42));
        cairo_paint(cr);
        cairo_translate(cr, hi, hi);
        cairo_new_path(cr);
        path(cr);
    } else {
        cairo_new_path(cr);
        path(cr);
    }
    setColor(cr, fill);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_restore(cr);
    if (s.line > 0) {
        cairo_new_path(cr);
        path(cr);
        setColor(cr, pal::outline);
        cairo_set_line_width(cr, s.line);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
}

void flat(cairo_t* cr, Rgb fill, const PathFn& path, double line) {
    cairo_new_path(cr);
    path(cr);
    setColor(cr, fill);
    if (line > 0) {
        cairo_fill_preserve(cr);
        setColor(cr, pal::outline);
        cairo_set_line_width(cr, line);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    } else {
        cairo_fill(cr);
    }
}

PathFn ellipsePath(double cx, double cy, double rx, double ry, double angle) {
    return [=](cairo_t* cr) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, angle);
        cairo_scale(cr, rx > 0.01 ? rx : 0.01, ry > 0.01 ? ry : 0.01);
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_close_path(cr);
        cairo_restore(cr);
    };
}

PathFn polyPath(std::vector<double> xy) {
    return [xy](cairo_t* cr) {
        cairo_new_sub_path(cr);
        for (size_t i = 0; i + 1 < xy.size(); i += 2) cairo_line_to(cr, xy[i], xy[i + 1]);
        cairo_close_path(cr);
    };
}

PathFn roundRectPath(double x, double y, double w, double h, double r) {
    return [=](cairo_t* cr) {
        double rr = std::min(r, std::min(w, h) / 2);
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + w - rr, y + rr, rr, -M_PI / 2, 0);
        cairo_arc(cr, x + w - rr, y + h - rr, rr, 0, M_PI / 2);
        cairo_arc(cr, x + rr, y + h - rr, rr, M_PI / 2, M_PI);
        cairo_arc(cr, x + rr, y + rr, rr, M_PI, 1.5 * M_PI);
        cairo_close_path(cr);
    };
}

// Catmull-Rom through the points, closed.
void blobTo(cairo_t* cr, const std::vector<double>& xy) {
    size_t n = xy.size() / 2;
    if (n < 3) return;
    auto P = [&](long i) {
        long k = ((i % (long)n) + (long)n) % (long)n;
        return std::pair<double, double>(xy[2 * k], xy[2 * k + 1]);
    };
    cairo_new_sub_path(cr);
    cairo_move_to(cr, xy[0], xy[1]);
    for (long i = 0; i < (long)n; ++i) {
        auto p0 = P(i - 1), p1 = P(i), p2 = P(i + 1), p3 = P(i + 2);
        cairo_curve_to(cr, p1.first + (p2.first - p0.first) / 6, p1.second + (p2.second - p0.second) / 6,
                       p2.first - (p3.first - p1.first) / 6, p2.second - (p3.second - p1.second) / 6,
                       p2.first, p2.second);
    }
    cairo_close_path(cr);
}

PathFn blobPath(std::vector<double> xy) {
    return [xy](cairo_t* cr) { blobTo(cr, xy); };
}

void ball(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb fill, double line) {
    Shade s;
    s.size = std::max(rx, ry) * 2;
    s.line = line;
    shape(cr, fill, ellipsePath(cx, cy, rx, ry), s);
}

void box(cairo_t* cr, double x, double y, double w, double h, Rgb fill, double r, double line) {
    Shade s;
    s.size = std::min(w, h) * 1.2;
    s.shadow = 0.10;
    s.highlight = 0.05;
    s.line = line;
    shape(cr, fill, roundRectPath(x, y, w, h, r), s);
}

void stroke(cairo_t* cr, Rgb c, double width, std::vector<double> xy) {
    cairo_new_path(cr);
    for (size_t i = 0; i + 1 < xy.size(); i += 2) cairo_line_to(cr, xy[i], xy[i + 1]);
    setColor(cr, c);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void outlinedLine(cairo_t* cr, Rgb c, double outlineWidth, double width, const std::vector<double>& xy) {
    stroke(cr, pal::outline, outlineWidth, xy);
    stroke(cr, c, width, xy);
}

void strokeOutlined(cairo_t* cr, Rgb c, double outlineWidth, double width) {
    setColor(cr, pal::outline);
    cairo_set_line_width(cr, outlineWidth);
    cairo_stroke_preserve(cr);
    setColor(cr, c);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void gradientRect(cairo_t* cr, double x, double y, double w, double h, Rgb top, Rgb bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void curve(cairo_t* cr, Rgb c, double width, double x0, double y0, double x1, double y1, double x2,
           double y2, double x3, double y3) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_new_path(cr);
        cairo_move_to(cr, x0, y0);
        cairo_curve_to(cr, x1, y1, x2, y2, x3, y3);
        setColor(cr, pass ? c : pal::outline);
        cairo_set_line_width(cr, pass ? width : width + 4);
        cairo_stroke(cr);
    }
}

void limb(cairo_t* cr, Rgb c, double width, double x0, double y0, double x1, double y1) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int pass = 0; pass < 3; ++pass) {
        cairo_new_path(cr);
        cairo_move_to(cr, x0 + (pass == 2 ? -width * 0.15 : 0), y0);
        cairo_line_to(cr, x1 + (pass == 2 ? -width * 0.15 : 0), y1);
        setColor(cr, pass == 0 ? pal::outline : pass == 1 ? c : lighter(c, 0.3));
        cairo_set_line_width(cr, pass == 0 ? width + 4 : pass == 1 ? width : width * 0.25);
        cairo_stroke(cr);
    }
}

// ---------------------------------------------------------------- noise

uint32_t hash32(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352d;
    x ^= x >> 15;
    x *= 0x846ca68b;
    x ^= x >> 16;
    return x;
}

double rand01(uint32_t& state) {
    state = hash32(state + 0x9e3779b9u);
    return (state & 0xffffff) / double(0x1000000);
}

// ---------------------------------------------------------------- props

void pumpkin(cairo_t* cr, double cx, double baseY, double r, bool lantern) {
    double cy = baseY - r * 0.8;
    Shade s;
    s.size = r * 2;
    s.line = std::max(1.2, r * 0.09);
    // ribs: three overlapping lobes, the middle one in front
    shape(cr, pal::pumpkin, ellipsePath(cx - r * 0.45, cy, r * 0.62, r * 0.78), s);
    shape(cr, pal::pumpkin, ellipsePath(cx + r * 0.45, cy, r * 0.62, r * 0.78), s);
    shape(cr, lighter(pal::pumpkin, 0.08), ellipsePath(cx, cy, r * 0.55, r * 0.82), s);
    box(cr, cx - r * 0.1, cy - r * 1.0, r * 0.2, r * 0.3, pal::leafGreen, 1, s.line * 0.8);
    if (lantern) {
        Rgb g = rgb(255, 226, 110);
        flat(cr, g, polyPath({cx - r * 0.42, cy - r * 0.1, cx - r * 0.2, cy - r * 0.36, cx - r * 0.08, cy - r * 0.06}), s.line * 0.6);
        flat(cr, g, polyPath({cx + r * 0.42, cy - r * 0.1, cx + r * 0.2, cy - r * 0.36, cx + r * 0.08, cy - r * 0.06}), s.line * 0.6);
        flat(cr, g, polyPath({cx - r * 0.45, cy + r * 0.18, cx - r * 0.25, cy + r * 0.26, cx - r * 0.12, cy + r * 0.2, cx, cy + r * 0.32,
                               cx + r * 0.12, cy + r * 0.2, cx + r * 0.25, cy + r * 0.26, cx + r * 0.45, cy + r * 0.18,
                               cx + r * 0.2, cy + r * 0.48, cx - r * 0.2, cy + r * 0.48}),
             s.line * 0.6);
    }
}

void lollyCandy(cairo_t* cr, double x, double y, double r, double swirlR, double line, double swirlWidth) {
    ball(cr, x, y, r, r, rgb(240, 90, 140), line);
    cairo_new_path(cr);
    for (double t = 0; t < 4 * M_PI; t += 0.2) cairo_line_to(cr, x + cos(t) * swirlR * t / (4 * M_PI), y + sin(t) * swirlR * t / (4 * M_PI));
    setColor(cr, pal::white);
    cairo_set_line_width(cr, swirlWidth);
    cairo_stroke(cr);
}

void bat(cairo_t* cr, double cx, double cy, double span, double flap) {
    double w = span / 2, up = (0.5 - flap) * span * 0.5;
    Rgb c = rgb(58, 42, 70);
    flat(cr, c,
         polyPath({cx, cy - span * 0.05, cx - w * 0.4, cy - up * 0.6 - span * 0.06, cx - w, cy - up, cx - w * 0.8, cy - up * 0.4 + span * 0.04,
                   cx - w * 0.55, cy - up * 0.2 + span * 0.1, cx - w * 0.3, cy + span * 0.06, cx, cy + span * 0.1,
                   cx + w * 0.3, cy + span * 0.06, cx + w * 0.55, cy - up * 0.2 + span * 0.1, cx + w * 0.8, cy - up * 0.4 + span * 0.04,
                   cx + w, cy - up, cx + w * 0.4, cy - up * 0.6 - span * 0.06}),
         1.0);
    ball(cr, cx, cy, span * 0.09, span * 0.1, c, 1.0);
    setColor(cr, rgb(255, 220, 120));
    cairo_arc(cr, cx - span * 0.035, cy - span * 0.01, span * 0.018 + 0.4, 0, 2 * M_PI);
    cairo_arc(cr, cx + span * 0.035, cy - span * 0.01, span * 0.018 + 0.4, 0, 2 * M_PI);
    cairo_fill(cr);
}

void garland(cairo_t* cr, double x0, double y0, double x1, double y1, double sag, int flags) {
    auto at = [&](double t, double& x, double& y) {
        x = x0 + (x1 - x0) * t;
        y = y0 + (y1 - y0) * t + sag * 4 * t * (1 - t);
    };
    cairo_new_path(cr);
    for (int i = 0; i <= 30; ++i) {
        double x, y;
        at(i / 30.0, x, y);
        cairo_line_to(cr, x, y);
    }
    setColor(cr, rgb(70, 50, 60));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    Rgb cols[3] = {pal::pumpkin, rgb(120, 70, 160), rgb(250, 220, 120)};
    for (int i = 0; i < flags; ++i) {
        double x, y;
        at((i + 0.5) / flags, x, y);
        double s = 9;
        flat(cr, cols[i % 3], polyPath({x - s * 0.6, y, x + s * 0.6, y, x, y + s * 1.3}), 1.2);
    }
}

void tree(cairo_t* cr, double x, double baseY, double h, uint32_t seed, Rgb leaves) {
    uint32_t st = seed;
    double tw = h * 0.09;
    // trunk with two branches
    flat(cr, pal::woodDark,
         polyPath({x - tw, baseY, x - tw * 0.6, baseY - h * 0.55, x - tw * 2.5, baseY - h * 0.75, x - tw * 2.2, baseY - h * 0.78,
                   x - tw * 0.3, baseY - h * 0.62, x, baseY - h * 0.8, x + tw * 0.5, baseY - h * 0.62, x + tw * 2.4, baseY - h * 0.72,
                   x + tw * 2.6, baseY - h * 0.69, x + tw * 0.7, baseY - h * 0.5, x + tw * 1.1, baseY}),
         1.6);
    // crown: clustered leaf balls from back to front
    for (int i = 0; i < 9; ++i) {
        double a = rand01(st) * 2 * M_PI, d = rand01(st) * 0.28 * h;
        double cx = x + cos(a) * d * 1.1, cy = baseY - h * 0.78 + sin(a) * d * 0.7;
        double r = h * (0.16 + rand01(st) * 0.08);
        Rgb c = mix(leaves, rgb(200, 90, 40), rand01(st) * 0.35);
        Shade s;
        s.size = r * 2;
        s.line = 1.6;
        shape(cr, c, ellipsePath(cx, cy, r, r * 0.85), s);
    }
}

void fallenLeaf(cairo_t* cr, double x, double y, double size, double angle, Rgb c) {
    const double a = angle, r = size;
    flat(cr, c, polyPath({x + cos(a) * r, y + sin(a) * r, x + cos(a + 1.7) * r * 0.5, y + sin(a + 1.7) * r * 0.5,
                          x - cos(a) * r, y - sin(a) * r, x + cos(a - 1.7) * r * 0.5, y + sin(a - 1.7) * r * 0.5}),
         1.2);
}

void bush(cairo_t* cr, double cx, double baseY, double w, Rgb c) {
    Shade s;
    s.size = w * 0.6;
    s.line = 1.6;
    shape(cr, c, blobPath({cx - w / 2, baseY, cx - w * 0.45, baseY - w * 0.3, cx - w * 0.2, baseY - w * 0.5, cx + w * 0.1, baseY - w * 0.45,
                           cx + w * 0.4, baseY - w * 0.35, cx + w / 2, baseY - w * 0.05, cx, baseY + w * 0.04}),
          s);
}

void grassTufts(cairo_t* cr, const std::vector<double>& poly, int count, uint32_t seed, Rgb c) {
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (size_t i = 0; i + 1 < poly.size(); i += 2) {
        minX = std::min(minX, poly[i]), maxX = std::max(maxX, poly[i]);
        minY = std::min(minY, poly[i + 1]), maxY = std::max(maxY, poly[i + 1]);
    }
    cairo_save(cr);
    cairo_new_path(cr);
    polyPath(poly)(cr);
    cairo_clip(cr);
    uint32_t st = seed;
    for (int i = 0; i < count; ++i) {
        double x = minX + rand01(st) * (maxX - minX), y = minY + rand01(st) * (maxY - minY);
        double s = 3 + (y - minY) / (maxY - minY + 1) * 6;
        Rgb k = mix(c, pal::grassLight, rand01(st) * 0.5);
        stroke(cr, k, 1.3, {x - s * 0.6, y - s, x, y, x + s * 0.1, y - s * 1.3});
        stroke(cr, k, 1.3, {x, y, x + s * 0.7, y - s * 0.9});
    }
    cairo_restore(cr);
}

void fence(cairo_t* cr, double x0, double y0, double x1, double y1, double postH, int posts) {
    for (int rail = 0; rail < 2; ++rail) {
        double o = postH * (0.3 + rail * 0.4);
        flat(cr, pal::wood, polyPath({x0, y0 - o - 3, x1, y1 - o - 3, x1, y1 - o + 3, x0, y0 - o + 3}), 1.4);
    }
    for (int i = 0; i < posts; ++i) {
        double t = posts > 1 ? i / double(posts - 1) : 0;
        double x = x0 + (x1 - x0) * t, y = y0 + (y1 - y0) * t;
        box(cr, x - 4, y - postH, 8, postH, pal::woodLight, 1.5, 1.4);
    }
}

void skyGradient(cairo_t* cr, double w, double h, double horizon) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, horizon);
    cairo_pattern_add_color_stop_rgb(p, 0, pal::skyTop.r, pal::skyTop.g, pal::skyTop.b);
    cairo_pattern_add_color_stop_rgb(p, 0.55, pal::skyMid.r, pal::skyMid.g, pal::skyMid.b);
    cairo_pattern_add_color_stop_rgb(p, 1, pal::skyLow.r, pal::skyLow.g, pal::skyLow.b);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void stars(cairo_t* cr, double w, double h, int count, uint32_t seed) {
    uint32_t st = seed;
    for (int i = 0; i < count; ++i) {
        double x = rand01(st) * w, y = rand01(st) * h, r = 0.6 + rand01(st) * 1.1;
        setColor(cr, rgb(255, 240, 210), 0.5 + 0.5 * (1 - y / h));
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void moon(cairo_t* cr, double cx, double cy, double r) {
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, r, cx, cy, r * 3);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.95, 0.8, 0.35);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.95, 0.8, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, cx, cy, r * 3, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    ball(cr, cx, cy, r, r, rgb(252, 238, 196), 0);
    setColor(cr, rgb(226, 208, 166));
    cairo_arc(cr, cx - r * 0.3, cy + r * 0.2, r * 0.18, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_arc(cr, cx + r * 0.25, cy - r * 0.3, r * 0.12, 0, 2 * M_PI);
    cairo_fill(cr);
}

void hills(cairo_t* cr, double w, double y, double amp, Rgb c, uint32_t seed) {
    uint32_t st = seed;
    std::vector<double> pts;
    for (int i = 0; i <= 8; ++i) {
        pts.push_back(w * i / 8.0);
        pts.push_back(y - rand01(st) * amp);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 0, y + 400);
    for (size_t i = 0; i + 1 < pts.size(); i += 2) {
        if (i == 0) {
            cairo_line_to(cr, pts[0], pts[1]);
            continue;
        }
        double px = pts[i - 2], py = pts[i - 1];
        cairo_curve_to(cr, px + (pts[i] - px) / 2, py, px + (pts[i] - px) / 2, pts[i + 1], pts[i], pts[i + 1]);
    }
    cairo_line_to(cr, w, y + 400);
    cairo_close_path(cr);
    setColor(cr, c);
    cairo_fill(cr);
}

void woodPlanks(cairo_t* cr, double x, double y, double w, double h, int planks, bool vertical, Rgb c) {
    for (int i = 0; i < planks; ++i) {
        double t0 = i / double(planks), t1 = (i + 1) / double(planks);
        Rgb k = mix(c, darker(c, 0.3), (hash32(i * 77 + (int)x) & 7) / 14.0);
        double px = vertical ? x + w * t0 : x, py = vertical ? y : y + h * t0;
        double pw = vertical ? w * (t1 - t0) : w, ph = vertical ? h : h * (t1 - t0);
        flat(cr, k, roundRectPath(px, py, pw, ph, 1), 1.2);
        // grain lines
        uint32_t st = hash32(i * 31 + (int)y);
        setColor(cr, darker(k, 0.25), 0.6);
        cairo_set_line_width(cr, 0.8);
        for (int g = 0; g < 2; ++g) {
            double o = 0.25 + rand01(st) * 0.5;
            cairo_new_path(cr);
            if (vertical) {
                cairo_move_to(cr, px + pw * o, py + ph * rand01(st) * 0.4);
                cairo_line_to(cr, px + pw * o, py + ph * (0.6 + rand01(st) * 0.4));
            } else {
                cairo_move_to(cr, px + pw * rand01(st) * 0.4, py + ph * o);
                cairo_line_to(cr, px + pw * (0.6 + rand01(st) * 0.4), py + ph * o);
            }
            cairo_stroke(cr);
        }
    }
}

void lightPool(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb c, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, alpha);
    cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

// ---------------------------------------------------------------- title text

namespace {
FT_Library g_ft = nullptr;
FT_Face g_faces[2] = {nullptr, nullptr};

FT_Face face(bool display) {
    if (!g_ft && FT_Init_FreeType(&g_ft)) {
        fprintf(stderr, "artgen: FreeType does not start\n");
        exit(1);
    }
    FT_Face& f = g_faces[display ? 1 : 0];
    if (!f) {
        std::string path = fontPath(display);
        if (FT_New_Face(g_ft, path.c_str(), 0, &f)) {
            fprintf(stderr, "artgen: cannot load font %s\n", path.c_str());
            exit(1);
        }
    }
    return f;
}

struct OutlineCtx {
    cairo_t* cr;
    double x, y, scale;
    double lastX, lastY;
};
int moveTo(const FT_Vector* p, void* u) {
    auto* c = (OutlineCtx*)u;
    c->lastX = c->x + p->x * c->scale, c->lastY = c->y - p->y * c->scale;
    cairo_close_path(c->cr);
    cairo_move_to(c->cr, c->lastX, c->lastY);
    return 0;
}
int lineTo(const FT_Vector* p, void* u) {
    auto* c = (OutlineCtx*)u;
    c->lastX = c->x + p->x * c->scale, c->lastY = c->y - p->y * c->scale;
    cairo_line_to(c->cr, c->lastX, c->lastY);
    return 0;
}
int conicTo(const FT_Vector* k, const FT_Vector* p, void* u) {
    auto* c = (OutlineCtx*)u;
    double kx = c->x + k->x * c->scale, ky = c->y - k->y * c->scale;
    double px = c->x + p->x * c->scale, py = c->y - p->y * c->scale;
    cairo_curve_to(c->cr, c->lastX + 2.0 / 3 * (kx - c->lastX), c->lastY + 2.0 / 3 * (ky - c->lastY),
                   px + 2.0 / 3 * (kx - px), py + 2.0 / 3 * (ky - py), px, py);
    c->lastX = px, c->lastY = py;
    return 0;
}
int cubicTo(const FT_Vector* k1, const FT_Vector* k2, const FT_Vector* p, void* u) {
    auto* c = (OutlineCtx*)u;
    double px = c->x + p->x * c->scale, py = c->y - p->y * c->scale;
    cairo_curve_to(c->cr, c->x + k1->x * c->scale, c->y - k1->y * c->scale, c->x + k2->x * c->scale,
                   c->y - k2->y * c->scale, px, py);
    c->lastX = px, c->lastY = py;
    return 0;
}

// Walks the text (UTF-8, Latin letters) and emits the outline of each glyph.
double layout(cairo_t* cr, const char* utf8, double x, double baseline, double px, bool display) {
    FT_Face f = face(display);
    double scale = px / f->units_per_EM;
    double pen = x;
    for (const unsigned char* s = (const unsigned char*)utf8; *s;) {
        uint32_t code = *s++;
        if (code >= 0xC0 && *s) code = ((code & 0x1F) << 6) | (*s++ & 0x3F);
        FT_UInt gi = FT_Get_Char_Index(f, code);
        if (FT_Load_Glyph(f, gi, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING)) continue;
        if (cr && f->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
            OutlineCtx ctx{cr, pen, baseline, scale, 0, 0};
            FT_Outline_Funcs fn{moveTo, lineTo, conicTo, cubicTo, 0, 0};
            cairo_new_sub_path(cr);
            FT_Outline_Decompose(&f->glyph->outline, &fn, &ctx);
            cairo_close_path(cr);
        }
        pen += f->glyph->advance.x * scale;
    }
    return pen - x;
}
}  // namespace

void textPath(cairo_t* cr, const char* utf8, double x, double baseline, double px, bool display) {
    layout(cr, utf8, x, baseline, px, display);
}

double textWidth(const char* utf8, double px, bool display) {
    return layout(nullptr, utf8, 0, 0, px, display);
}

// ---------------------------------------------------------------- hard cut

void hardCutRegion(cairo_surface_t* s, int x0, int y0, int w, int h) {
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = y0; y < y0 + h; ++y) {
        uint32_t* row = (uint32_t*)(data + y * stride);
        for (int x = x0; x < x0 + w; ++x) {
            uint32_t p = row[x];
            uint32_t a = p >> 24;
            if (a < 128) {
                row[x] = 0;
                continue;
            }
            uint32_t c[3] = {(p >> 16) & 255, (p >> 8) & 255, p & 255};
            for (auto& v : c) {
                v = std::min<uint32_t>(255, (v * 255 + a / 2) / a);
                if (v < 8) v = 8;
            }
            row[x] = 0xff000000u | (c[0] << 16) | (c[1] << 8) | c[2];
        }
    }
    cairo_surface_mark_dirty(s);
}

void hardCut(cairo_surface_t* s) {
    hardCutRegion(s, 0, 0, cairo_image_surface_get_width(s), cairo_image_surface_get_height(s));
}
