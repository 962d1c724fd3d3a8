// SPDX-License-Identifier: MIT
// scenes.cpp - the floors of the scenes with the hero (drawn into the picture and
// into the walk map from the same polygons), the walk maps, and the scenery
// building blocks the backgrounds share.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "painters.h"

namespace {

// Walkable floors, one or more convex polygons per scene (x, y pairs). Every
// walk-to point, arrival point and arrival target of the scene lies inside with
// a margin, and the floors reach the screen edges where exits leave there.
const std::vector<Floor> kFloors = {
    // scene | polygons
    {"ScheuneHinten", {{40, 600, 110, 430, 260, 392, 640, 378, 770, 398, 800, 470, 800, 600}}},
    {"ScheuneVorne", {{110, 438, 780, 416, 800, 440, 800, 600, 0, 600, 0, 540}}},
    {"ScheuneFern", {{240, 368, 420, 368, 700, 480, 800, 600, 0, 600, 0, 470}}},
    {"ScheuneInnen", {{150, 440, 660, 440, 790, 600, 10, 600}}},
    {"Farmhaus", {{0, 392, 800, 396, 800, 600, 0, 600}}},
    {"FarmhausHinten", {{150, 442, 720, 430, 790, 600, 60, 600}}},
    {"Kreuzung", {{0, 318, 196, 302, 800, 302, 800, 600, 0, 600}}},
    {"FitnessStudioAussen", {{0, 362, 800, 362, 800, 600, 0, 600}}},
    {"FitnessStudioInnen", {{0, 468, 800, 468, 800, 600, 0, 600}}},
    {"Trainingsraum", {{200, 258, 620, 258, 790, 600, 10, 600, 10, 470}}},
    {"Toilette", {{10, 438, 790, 438, 790, 600, 10, 600}}},
    {"HausAlteDame", {{150, 520, 340, 520, 500, 600, 60, 600}}},
    {"Schule", {{110, 356, 800, 356, 800, 600, 10, 600, 10, 520}}},
    {"Schulparty", {{60, 406, 740, 406, 800, 600, 0, 600, 0, 470}}},
};

}  // namespace

const Floor& floorOf(const char* scene) {
    for (const Floor& f : kFloors)
        if (!strcmp(f.scene, scene)) return f;
    fprintf(stderr, "artgen: no floor for %s\n", scene);
    exit(1);
}

void fillFloor(cairo_t* cr, const Floor& f) {
    cairo_new_path(cr);
    for (const auto& p : f.polys) polyPath(p)(cr);
    cairo_fill(cr);
}

// Walk maps: white floor on black, cut hard at the polygon edge.
void paintWalkMap(cairo_t* cr, int w, int h, const char* scene) {
    (void)w, (void)h;
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_source_rgb(cr, 1, 1, 1);
    fillFloor(cr, floorOf(scene));
}

// ---------------------------------------------------------------- scenery blocks

void groundFill(cairo_t* cr, double y0, Rgb top, Rgb bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, 600);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, 0, y0, 800, 600 - y0);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// The floor of a scene drawn as a trodden path: a lighter patch with a soft rim.
void floorPatch(cairo_t* cr, const char* scene, Rgb c, bool tufts) {
    const Floor& f = floorOf(scene);
    for (int i = 0; i < 3; ++i) {
        cairo_save(cr);
        setColor(cr, darker(c, 0.25), 0.35);
        cairo_translate(cr, 0, 3 - i);
        fillFloor(cr, f);
        cairo_restore(cr);
    }
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 250, 0, 600);
    Rgb a = darker(c, 0.12), b = lighter(c, 0.12);
    cairo_pattern_add_color_stop_rgb(p, 0, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(p, 1, b.r, b.g, b.b);
    cairo_set_source(cr, p);
    fillFloor(cr, f);
    cairo_pattern_destroy(p);
    // pebbles and a few tufts give the ground texture
    uint32_t st = hash32(strlen(scene) * 977 + scene[0]);
    for (const auto& poly : f.polys) {
        double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
        for (size_t i = 0; i + 1 < poly.size(); i += 2) {
            minX = std::min(minX, poly[i]), maxX = std::max(maxX, poly[i]);
            minY = std::min(minY, poly[i + 1]), maxY = std::max(maxY, poly[i + 1]);
        }
        cairo_save(cr);
        polyPath(poly)(cr);
        cairo_clip(cr);
        for (int i = 0; i < 70; ++i) {
            double x = minX + rand01(st) * (maxX - minX), y = minY + rand01(st) * (maxY - minY);
            double r = 1 + (y - minY) / (maxY - minY + 1) * 3;
            setColor(cr, darker(c, 0.3), 0.5);
            cairo_new_path(cr);
            ellipsePath(x, y, r * 1.6, r * 0.7)(cr);
            cairo_fill(cr);
            setColor(cr, lighter(c, 0.3), 0.6);
            cairo_new_path(cr);
            ellipsePath(x - r * 0.3, y - r * 0.3, r * 0.9, r * 0.35)(cr);
            cairo_fill(cr);
        }
        cairo_restore(cr);
        if (tufts) grassTufts(cr, poly, 40, st, pal::grassDark);
    }
}

namespace {

// Clips to a scene's floor and reports its top edge, so textures stay on the
// floor the walk map was made from.
double clipToFloor(cairo_t* cr, const Floor& f) {
    double top = 600;
    cairo_new_path(cr);
    for (const auto& poly : f.polys) {
        polyPath(poly)(cr);
        for (size_t i = 1; i < poly.size(); i += 2) top = std::min(top, poly[i]);
    }
    cairo_clip(cr);
    return top;
}

// A seam: a dark groove with a lit lip below it.
void seam(cairo_t* cr, Rgb c, double width, double x0, double y0, double x1, double y1) {
    setColor(cr, darker(c, 0.3), 0.75);
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
    setColor(cr, lighter(c, 0.25), 0.5);
    cairo_set_line_width(cr, width * 0.7);
    cairo_move_to(cr, x0 + width * 0.4, y0 + width * 0.8);
    cairo_line_to(cr, x1 + width * 0.4, y1 + width * 0.8);
    cairo_stroke(cr);
}

// Where a line from the vanishing point through (xBottom, 600) crosses row y.
double towardsVanish(double vanishX, double vanishY, double xBottom, double y) {
    return vanishX + (xBottom - vanishX) * (y - vanishY) / (600 - vanishY);
}

}  // namespace

// Wooden floorboards running into the room towards a vanishing point above the
// floor, their butt joints staggered, a little grain on every board.
void floorBoards(cairo_t* cr, const char* scene, Rgb c, double vanishX, double vanishY, int boards) {
    cairo_save(cr);
    double top = clipToFloor(cr, floorOf(scene));
    uint32_t st = hash32(uint32_t(strlen(scene)) * 131 + uint32_t(scene[1]));
    double boardW = 800.0 / boards;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (int i = -boards; i <= boards * 2; ++i) {
        double xb = i * boardW;
        // the board's tone varies a little from its neighbours
        double tone = (rand01(st) - 0.5) * 0.16;
        setColor(cr, tone < 0 ? darker(c, -tone) : lighter(c, tone), 0.55);
        cairo_new_path(cr);
        polyPath({towardsVanish(vanishX, vanishY, xb, top), top, towardsVanish(vanishX, vanishY, xb + boardW, top), top, xb + boardW, 600, xb, 600})(cr);
        cairo_fill(cr);
        seam(cr, c, 1.6, towardsVanish(vanishX, vanishY, xb, top), top, xb, 600);
        // butt joints: rows get taller towards the viewer
        double y = top + rand01(st) * 40;
        while (y < 600) {
            double next = y + 30 + (y - top) * 0.5;
            double a = towardsVanish(vanishX, vanishY, xb, y), b = towardsVanish(vanishX, vanishY, xb + boardW, y);
            seam(cr, c, 1.4, a, y, b, y);
            // a grain line along the board
            double g0 = y + (next - y) * 0.2, g1 = y + (next - y) * 0.7, gx = 0.3 + rand01(st) * 0.4;
            setColor(cr, darker(c, 0.18), 0.45);
            cairo_set_line_width(cr, 1);
            cairo_move_to(cr, towardsVanish(vanishX, vanishY, xb + boardW * gx, g0), g0);
            cairo_line_to(cr, towardsVanish(vanishX, vanishY, xb + boardW * gx, std::min(600.0, g1)), std::min(600.0, g1));
            cairo_stroke(cr);
            y = next;
        }
    }
    cairo_restore(cr);
}

namespace {

// Slabs or tiles laid in rows that grow towards the viewer. Paving is laid in
// bond (every other row shifted by half a slab) with a few slabs cracked; tiles
// are laid in a grid with every other tile in the `checker` colour.
void layFloor(cairo_t* cr, const char* scene, Rgb c, double vanishX, double vanishY, double slabW, const Rgb* checker) {
    cairo_save(cr);
    double top = clipToFloor(cr, floorOf(scene));
    uint32_t st = hash32(uint32_t(strlen(scene)) * 313 + uint32_t(scene[2]));
    const double crackChance = checker ? 0.02 : 0.06;
    int row = 0;
    for (double y = top; y < 600; ++row) {
        double next = y + 16 + (y - top) * 0.22;
        double shift = checker ? 0 : (row % 2) * slabW / 2;
        int col = 0;
        for (double xb = -800 - shift; xb < 1600; xb += slabW, ++col) {
            double x0 = towardsVanish(vanishX, vanishY, xb, y), x1 = towardsVanish(vanishX, vanishY, xb + slabW, y);
            double x2 = towardsVanish(vanishX, vanishY, xb + slabW, next), x3 = towardsVanish(vanishX, vanishY, xb, next);
            Rgb base = checker && (row + col) % 2 ? *checker : c;
            double tone = (rand01(st) - 0.5) * (checker ? 0.06 : 0.14);
            setColor(cr, tone < 0 ? darker(base, -tone) : lighter(base, tone), checker ? 0.9 : 0.6);
            cairo_new_path(cr);
            polyPath({x0, y, x1, y, x2, next, x3, next})(cr);
            cairo_fill(cr);
            seam(cr, c, 1.5, x0, y, x3, next);
            if (rand01(st) < crackChance) {  // a crack across the slab
                double cx = (x0 + x1) / 2, cy = (y + next) / 2;
                setColor(cr, darker(base, 0.35), 0.6);
                cairo_set_line_width(cr, 1);
                cairo_move_to(cr, cx - (x1 - x0) * 0.3, y + 2);
                cairo_line_to(cr, cx, cy);
                cairo_line_to(cr, cx + (x1 - x0) * 0.15, next - 2);
                cairo_stroke(cr);
            }
        }
        seam(cr, c, 1.5, -10, y, 810, y);
        y = next;
    }
    cairo_restore(cr);
}

}  // namespace

void pavingSlabs(cairo_t* cr, const char* scene, Rgb c, double vanishX, double vanishY, double slabW) {
    layFloor(cr, scene, c, vanishX, vanishY, slabW, nullptr);
}

void floorTiles(cairo_t* cr, const char* scene, Rgb c, Rgb checker, double vanishX, double vanishY, double tileW) {
    layFloor(cr, scene, c, vanishX, vanishY, tileW, &checker);
}

void onFloor(cairo_t* cr, const char* scene, const std::function<void()>& draw) {
    cairo_save(cr);
    clipToFloor(cr, floorOf(scene));
    cairo_new_path(cr);
    draw();
    cairo_restore(cr);
}

// A flat rug on a floor, its border and a fringe at the near and far ends.
void rug(cairo_t* cr, double cx, double cy, double w, double h, Rgb c, Rgb border) {
    double skew = w * 0.08;  // the far edge looks narrower
    std::vector<double> outer = {cx - w / 2 + skew, cy - h / 2, cx + w / 2 - skew, cy - h / 2, cx + w / 2, cy + h / 2, cx - w / 2, cy + h / 2};
    for (int k = 0; k <= 12; ++k) {  // the fringe
        double t = k / 12.0;
        stroke(cr, pal::cream, 1.5, {cx - w / 2 + w * t, cy + h / 2, cx - w / 2 + w * t, cy + h / 2 + 5});
        stroke(cr, pal::cream, 1.5, {cx - w / 2 + skew + (w - 2 * skew) * t, cy - h / 2, cx - w / 2 + skew + (w - 2 * skew) * t, cy - h / 2 - 4});
    }
    flat(cr, border, polyPath(outer), 1.8);
    double in = 0.14;
    flat(cr, c, polyPath({cx - w / 2 + skew + w * in, cy - h / 2 + h * in, cx + w / 2 - skew - w * in, cy - h / 2 + h * in,
                          cx + w / 2 - w * in * 0.8, cy + h / 2 - h * in, cx - w / 2 + w * in * 0.8, cy + h / 2 - h * in}), 1.2);
    flat(cr, border, polyPath({cx - w * 0.16, cy, cx, cy - h * 0.24, cx + w * 0.16, cy, cx, cy + h * 0.24}), 1.2);  // a diamond in the middle
    flat(cr, c, polyPath({cx - w * 0.07, cy, cx, cy - h * 0.1, cx + w * 0.07, cy, cx, cy + h * 0.1}), 0);
}

void windowLit(cairo_t* cr, double x, double y, double w, double h, Rgb frame) {
    lightPool(cr, x + w / 2, y + h / 2, w * 1.2, h * 1.1, pal::glow, 0.35);
    box(cr, x - 4, y - 4, w + 8, h + 8, frame, 2, 1.8);
    gradientRect(cr, x, y, w, h, Rgb{1.0, 0.86, 0.5}, Rgb{0.95, 0.6, 0.3});
    stroke(cr, frame, 3, {x + w / 2, y, x + w / 2, y + h});
    stroke(cr, frame, 3, {x, y + h / 2, x + w, y + h / 2});
    setColor(cr, pal::outline);
    cairo_set_line_width(cr, 1.6);
    cairo_rectangle(cr, x, y, w, h);
    cairo_stroke(cr);
}

// A doorway whose opening matches an exit rectangle: frame, dark inside with warm
// light falling out; the exit picture adds the lit rim on top.
void doorway(cairo_t* cr, double x, double y, double w, double h, Rgb frame, Rgb inside) {
    box(cr, x - 7, y - 8, w + 14, h + 8, frame, 3, 2);
    gradientRect(cr, x, y, w, h, darker(inside, 0.35), inside);
    setColor(cr, pal::outline);
    cairo_set_line_width(cr, 1.6);
    cairo_rectangle(cr, x, y, w, h);
    cairo_stroke(cr);
}

void closedDoor(cairo_t* cr, double x, double y, double w, double h, Rgb c) {
    box(cr, x - 6, y - 7, w + 12, h + 7, darker(c, 0.3), 3, 2);
    woodPlanks(cr, x, y, w, h, std::max(2, int(w / 18)), true, c);
    ball(cr, x + w * 0.82, y + h * 0.55, 3.5, 3.5, pal::yellow, 1.2);
}

namespace {
// Roofs and plank walls: the shaded polygon, a texture drawn clipped to it,
// then the outline again so the texture's lines end cleanly at the edge.
void texturedPolygon(cairo_t* cr, const std::vector<double>& poly, Rgb c, const Shade& s, const std::function<void()>& texture) {
    shape(cr, c, polyPath(poly), s);
    cairo_save(cr);
    polyPath(poly)(cr);
    cairo_clip(cr);
    texture();
    cairo_restore(cr);
    cairo_new_path(cr);
    polyPath(poly)(cr);
    setColor(cr, pal::outline);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
}
}  // namespace

void roofTiles(cairo_t* cr, const std::vector<double>& poly, Rgb c) {
    Shade s;
    s.size = 160;
    s.shadow = 0.05;
    s.highlight = 0.02;
    texturedPolygon(cr, poly, c, s, [&] {
        double minY = 1e9, maxY = -1e9;
        for (size_t i = 1; i < poly.size(); i += 2) minY = std::min(minY, poly[i]), maxY = std::max(maxY, poly[i]);
        setColor(cr, darker(c, 0.3), 0.7);
        cairo_set_line_width(cr, 1.5);
        for (double y = minY + 10; y < maxY; y += 12) {
            cairo_move_to(cr, 0, y);
            cairo_line_to(cr, 800, y);
        }
        cairo_stroke(cr);
    });
}

void wallPlanks(cairo_t* cr, const std::vector<double>& poly, Rgb c, bool vertical, double spacing) {
    Shade s;
    s.size = 200;
    s.shadow = 0.04;
    s.highlight = 0.015;
    texturedPolygon(cr, poly, c, s, [&] {
        setColor(cr, darker(c, 0.35), 0.8);
        cairo_set_line_width(cr, 1.4);
        for (double v = 0; v < 800; v += spacing) {
            if (vertical) {
                cairo_move_to(cr, v, 0);
                cairo_line_to(cr, v, 600);
            } else {
                cairo_move_to(cr, 0, v);
                cairo_line_to(cr, 800, v);
            }
        }
        cairo_stroke(cr);
        uint32_t st = hash32(int(poly[0] * 13 + poly[1]));
        setColor(cr, darker(c, 0.2), 0.5);
        cairo_set_line_width(cr, 0.8);
        for (int i = 0; i < 90; ++i) {  // grain
            double x = rand01(st) * 800, y = rand01(st) * 600, l = 10 + rand01(st) * 30;
            cairo_move_to(cr, x, y);
            if (vertical) {
                cairo_line_to(cr, x, y + l);
            } else {
                cairo_line_to(cr, x + l, y);
            }
        }
        cairo_stroke(cr);
    });
}

void duskSky(cairo_t* cr, double horizon, uint32_t seed) {
    skyGradient(cr, 800, 600, horizon);  // the whole picture: nothing may stay unpainted
    stars(cr, 800, horizon * 0.45, 40, seed);
    lightPool(cr, 690, horizon - 10, 260, 110, pal::sun, 0.55);
    ball(cr, 690, horizon - 6, 34, 34, rgb(255, 196, 110), 0);
    // long thin clouds lit from below
    uint32_t st = seed + 7;
    for (int i = 0; i < 5; ++i) {
        double x = rand01(st) * 800, y = horizon * (0.3 + rand01(st) * 0.5), w = 90 + rand01(st) * 120;
        flat(cr, mix(pal::skyMid, pal::sun, 0.35 + rand01(st) * 0.3),
             blobPath({x - w / 2, y, x - w / 4, y - 7, x + w / 5, y - 9, x + w / 2, y - 2, x + w / 4, y + 4, x - w / 4, y + 4}), 0);
    }
}

void paintSceneBackground(cairo_t* cr, const char* scene) {
    struct Row {
        const char* scene;
        StillPainter paint;
    };
    static const Row rows[] = {
        {"ScheuneHinten", paintScheuneHintenBg}, {"ScheuneVorne", paintScheuneVorneBg},
        {"ScheuneFern", paintScheuneFernBg},     {"ScheuneInnen", paintScheuneInnenBg},
        {"Farmhaus", paintFarmhausBg},           {"FarmhausHinten", paintFarmhausHintenBg},
        {"Kreuzung", paintKreuzungBg},           {"FitnessStudioAussen", paintStudioAussenBg},
        {"FitnessStudioInnen", paintStudioInnenBg}, {"Trainingsraum", paintTrainingBg},
        {"Toilette", paintToiletteBg},           {"HausAlteDame", paintAlteDameBg},
        {"Schule", paintSchuleBg},               {"Schulparty", paintSchulpartyBg},
    };
    for (const Row& r : rows)
        if (!strcmp(r.scene, scene)) r.paint(cr, 800, 600);
}
