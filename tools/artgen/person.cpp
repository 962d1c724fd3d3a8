// SPDX-License-Identifier: MIT
// person.cpp - one cartoon figure for every person in town, dressed and posed
// by each character's sheet.
#include <cmath>

#include "painters.h"

namespace {

const Rgb kPupil = rgb(34, 24, 34);
const Rgb kMouthInside = rgb(110, 34, 50);
const Rgb kTongue = rgb(236, 110, 128);
const Rgb kCheek = rgb(240, 120, 110);
const Rgb kTear = rgb(140, 200, 250);

// Eye states of Pose::eyes.
enum { kEyesOpen = 0, kEyesHappy = 1, kEyesCrying = 2, kEyesWide = 3, kEyesAngry = 4, kEyesDizzy = 5, kEyesHalf = 6 };
// Mouth styles of Pose::mouthStyle.
enum { kSmile = 0, kFrown = 1, kOpen = 2, kTongueOut = 3, kGrin = 4, kFlat = 5 };

// A limb with its outline, a shadow stripe on the side away from the light
// and a highlight towards it: the crescent and rim of the shapes, for strokes.
void shadedLimb(cairo_t* cr, Rgb c, double width, double x0, double y0, double x1, double y1) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    double len = std::max(0.01, hypot(x1 - x0, y1 - y0));
    double nx = (y1 - y0) / len, ny = -(x1 - x0) / len;  // a normal to the limb
    if (nx < 0) nx = -nx, ny = -ny;                      // pointing to the right, away from the light
    struct Pass {
        double offset, width, tone;  // across the limb, in widths; tone < 0 darker, > 0 lighter
    };
    const Pass passes[] = {{0, 1, 0}, {0.26, 0.42, -0.3}, {-0.24, 0.22, 0.32}};
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    setColor(cr, pal::outline);
    cairo_set_line_width(cr, width + 4);
    cairo_stroke(cr);
    for (const Pass& ps : passes) {
        double ox = nx * ps.offset * width, oy = ny * ps.offset * width;
        cairo_new_path(cr);
        cairo_move_to(cr, x0 + ox, y0 + oy);
        cairo_line_to(cr, x1 + ox, y1 + oy);
        setColor(cr, ps.tone < 0 ? darker(c, -ps.tone) : lighter(c, ps.tone));
        cairo_set_line_width(cr, width * ps.width);
        cairo_stroke(cr);
    }
}

// Lines drawn only inside a shape: seams, hems, stripes.
void strokeInside(cairo_t* cr, const PathFn& clip, Rgb c, double width, const std::vector<double>& xy) {
    cairo_save(cr);
    cairo_new_path(cr);
    clip(cr);
    cairo_clip(cr);
    stroke(cr, c, width, xy);
    cairo_restore(cr);
}

void eye(cairo_t* cr, double ex, double ey, double er, int side, const Look& look, const Pose& p) {
    double lw = std::max(1.2, er * 0.28);
    switch (p.eyes) {
        case kEyesHappy:
        case kEyesCrying:
            cairo_new_path(cr);
            if (p.eyes == kEyesHappy) {
                cairo_arc(cr, ex, ey + er * 0.4, er * 0.8, M_PI * 1.15, M_PI * 1.85);
            } else {
                cairo_arc_negative(cr, ex, ey - er * 0.5, er * 0.85, M_PI * 0.9, M_PI * 0.1);
            }
            setColor(cr, pal::outline);
            cairo_set_line_width(cr, lw * 1.2);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_stroke(cr);
            return;
        case kEyesDizzy:
            stroke(cr, pal::outline, lw, {ex - er * 0.7, ey - er * 0.7, ex + er * 0.7, ey + er * 0.7});
            stroke(cr, pal::outline, lw, {ex + er * 0.7, ey - er * 0.7, ex - er * 0.7, ey + er * 0.7});
            return;
        default:
            break;
    }
    double big = p.eyes == kEyesWide ? 1.3 : 1.0;
    double rx = er * 0.78 * big, ry = er * big;
    flat(cr, pal::white, ellipsePath(ex, ey, rx, ry), lw * 0.8);
    // iris, pupil and a glint towards the light; small and centred when shocked
    double ir = er * (p.eyes == kEyesWide ? 0.38 : 0.52);
    double ix = ex + p.face * rx * 0.32, iy = ey + er * 0.12;
    flat(cr, look.iris, ellipsePath(ix, iy, ir, ir * 1.1), 0);
    flat(cr, kPupil, ellipsePath(ix, iy, ir * 0.55, ir * 0.62), 0);
    flat(cr, pal::white, ellipsePath(ix - ir * 0.38, iy - ir * 0.42, ir * 0.3, ir * 0.3), 0);
    if (p.eyes == kEyesHalf) {  // a heavy lid over the top half
        cairo_save(cr);
        cairo_new_path(cr);
        ellipsePath(ex, ey, rx, ry)(cr);
        cairo_clip(cr);
        flat(cr, darker(look.skin, 0.1), polyPath({ex - rx * 2, ey - ry * 2, ex + rx * 2, ey - ry * 2, ex + rx * 2, ey, ex - rx * 2, ey}), 0);
        cairo_restore(cr);
        stroke(cr, pal::outline, lw * 1.2, {ex - rx, ey, ex + rx, ey});
    } else {
        // the upper lid line, heavier than the rest of the outline
        cairo_new_path(cr);
        cairo_arc(cr, ex, ey, ry * 0.98, M_PI * 1.12, M_PI * 1.88);
        setColor(cr, pal::outline);
        cairo_set_line_width(cr, lw * 1.3);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
    if (look.lashes) {
        double ox = ex + side * rx * 0.8, oy = ey - ry * 0.55;
        stroke(cr, pal::outline, lw, {ox, oy, ox + side * er * 0.5, oy - er * 0.4});
        stroke(cr, pal::outline, lw, {ox - side * er * 0.3, oy - ry * 0.3, ox - side * er * 0.05, oy - ry * 0.3 - er * 0.5});
    }
}

void brow(cairo_t* cr, double ex, double ey, double er, int side, const Look& look, const Pose& p) {
    if (p.eyes == kEyesDizzy) return;
    // inner and outer end heights above the eye, in eye radii
    double inner = 1.55, outer = 1.5, arch = 0.25;
    switch (p.eyes) {
        case kEyesCrying: inner = 2.0, outer = 1.25; break;  // worried: inner ends up
        case kEyesWide: inner = outer = 2.1, arch = 0.35; break;
        case kEyesAngry: inner = 1.0, outer = 1.75, arch = 0; break;
        case kEyesHappy: inner = outer = 1.65, arch = 0.4; break;
        case kEyesHalf: inner = outer = 1.3, arch = 0.1; break;
    }
    double inX = ex - side * er * 0.95, outX = ex + side * er * 1.0;
    Rgb c = darker(look.hair, 0.35);
    double w = std::max(1.6, er * (look.beard ? 0.62 : 0.42));  // farmers grow bushy brows
    stroke(cr, c, w, {inX, ey - er * inner, ex, ey - er * ((inner + outer) / 2 + arch), outX, ey - er * outer});
}

void mouth(cairo_t* cr, double mx, double my, double hr, const Pose& p) {
    double mw = hr * 0.32, lw = std::max(1.5, hr * 0.085);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    switch (p.mouthStyle) {
        case kSmile:
        case kFrown: {
            double bend = p.mouthStyle == kSmile ? mw * 0.55 : -mw * 0.5;
            cairo_new_path(cr);
            cairo_move_to(cr, mx - mw, my - bend * 0.35);
            cairo_curve_to(cr, mx - mw * 0.4, my + bend * 0.75, mx + mw * 0.4, my + bend * 0.75, mx + mw, my - bend * 0.35);
            setColor(cr, pal::outline);
            cairo_set_line_width(cr, lw);
            cairo_stroke(cr);
            if (p.mouthStyle == kSmile) {  // dimples
                stroke(cr, pal::outline, lw * 0.7, {mx - mw * 1.1, my - bend * 0.55, mx - mw * 0.95, my - bend * 0.2});
                stroke(cr, pal::outline, lw * 0.7, {mx + mw * 1.1, my - bend * 0.55, mx + mw * 0.95, my - bend * 0.2});
            }
            break;
        }
        case kOpen:
        case kTongueOut: {
            double w = mw * (0.55 + p.mouth * 0.5), h = mw * (0.35 + p.mouth * 1.3);
            PathFn inside = ellipsePath(mx, my, w, h);
            flat(cr, kMouthInside, inside, 0);
            cairo_save(cr);
            cairo_new_path(cr);
            inside(cr);
            cairo_clip(cr);
            flat(cr, kTongue, ellipsePath(mx + w * 0.15, my + h * 0.85, w * 0.75, h * 0.55), 0);
            if (p.mouth > 0.45) flat(cr, pal::white, polyPath({mx - w, my - h, mx + w, my - h, mx + w, my - h * 0.62, mx - w, my - h * 0.62}), 0);
            cairo_restore(cr);
            cairo_new_path(cr);
            inside(cr);
            setColor(cr, pal::outline);
            cairo_set_line_width(cr, lw * 0.85);
            cairo_stroke(cr);
            if (p.mouthStyle == kTongueOut)
                flat(cr, kTongue, blobPath({mx - w * 0.5, my + h * 0.4, mx + w * 0.7, my + h * 0.4, mx + w * 0.6, my + h + mw * 0.6, mx, my + h + mw * 0.75}), lw * 0.7);
            break;
        }
        case kGrin: {
            // a wide D: straight top with teeth, round bottom with the tongue
            PathFn d = [=](cairo_t* c) {
                cairo_move_to(c, mx - mw * 1.25, my - mw * 0.25);
                cairo_line_to(c, mx + mw * 1.25, my - mw * 0.25);
                cairo_curve_to(c, mx + mw * 1.1, my + mw * 0.9, mx - mw * 1.1, my + mw * 0.9, mx - mw * 1.25, my - mw * 0.25);
                cairo_close_path(c);
            };
            flat(cr, kMouthInside, d, 0);
            cairo_save(cr);
            cairo_new_path(cr);
            d(cr);
            cairo_clip(cr);
            flat(cr, kTongue, ellipsePath(mx, my + mw * 0.7, mw * 0.7, mw * 0.35), 0);
            flat(cr, pal::white, polyPath({mx - mw * 1.3, my - mw * 0.3, mx + mw * 1.3, my - mw * 0.3, mx + mw * 1.3, my + mw * 0.12, mx - mw * 1.3, my + mw * 0.12}), 0);
            cairo_restore(cr);
            cairo_new_path(cr);
            d(cr);
            setColor(cr, pal::outline);
            cairo_set_line_width(cr, lw * 0.85);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke(cr);
            break;
        }
        default: {  // flat, a little crooked
            cairo_new_path(cr);
            cairo_move_to(cr, mx - mw * 0.8, my + mw * 0.05);
            cairo_curve_to(cr, mx - mw * 0.3, my - mw * 0.12, mx + mw * 0.3, my + mw * 0.12, mx + mw * 0.8, my - mw * 0.05);
            setColor(cr, pal::outline);
            cairo_set_line_width(cr, lw);
            cairo_stroke(cr);
        }
    }
}

void face(cairo_t* cr, double hx, double hy, double hr, const Look& look, const Pose& p, double& mx, double& my) {
    double fx = hx + p.face * hr * 0.38;
    double spread = hr * 0.37 * (1 - fabs(p.face) * 0.3);
    double ey = hy - hr * 0.06;
    if (p.blush > 0) {
        setColor(cr, rgb(230, 80, 70), 0.45 * p.blush);
        cairo_new_path(cr);
        ellipsePath(hx, hy + hr * 0.1, hr * 0.85, hr * 0.7)(cr);
        cairo_fill(cr);
    }
    setColor(cr, kCheek, 0.5);
    cairo_new_path(cr);
    ellipsePath(fx - spread * 1.3, hy + hr * 0.3, hr * 0.17, hr * 0.11)(cr);
    ellipsePath(fx + spread * 1.3, hy + hr * 0.3, hr * 0.17, hr * 0.11)(cr);
    cairo_fill(cr);
    if (look.freckles) {
        setColor(cr, darker(look.skin, 0.35));
        for (int side = -1; side <= 1; side += 2)
            for (int k = 0; k < 3; ++k) {
                cairo_new_path(cr);
                cairo_arc(cr, fx + side * spread * (1.0 + k * 0.25), hy + hr * (0.18 + (k % 2) * 0.1), std::max(0.6, hr * 0.035), 0, 2 * M_PI);
                cairo_fill(cr);
            }
    }
    double er = hr * 0.23;
    for (int side = -1; side <= 1; side += 2) {
        double ex = fx + side * spread;
        eye(cr, ex, ey, er, side, look, p);
        brow(cr, ex, ey, er, side, look, p);
        if (p.eyes == kEyesCrying) {  // tears running down
            flat(cr, kTear, blobPath({ex - er * 0.3, ey + er * 0.5, ex + er * 0.3, ey + er * 0.5, ex + er * 0.45, ey + er * 2.3, ex, ey + er * 3.0, ex - er * 0.45, ey + er * 2.3}), 1.2);
            flat(cr, pal::white, ellipsePath(ex - er * 0.1, ey + er * 1.6, er * 0.12, er * 0.3), 0);
        }
    }
    if (look.glasses) {
        cairo_new_path(cr);
        cairo_arc(cr, fx - spread, ey, er * 1.3, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
        cairo_arc(cr, fx + spread, ey, er * 1.3, 0, 2 * M_PI);
        cairo_move_to(cr, fx - spread + er * 1.3, ey);
        cairo_line_to(cr, fx + spread - er * 1.3, ey);
        setColor(cr, rgb(90, 60, 80));
        cairo_set_line_width(cr, std::max(1.3, hr * 0.075));
        cairo_stroke(cr);
        // a glint on each lens
        for (int side = -1; side <= 1; side += 2)
            stroke(cr, rgb(236, 244, 255), std::max(1.0, hr * 0.05),
                   {fx + side * spread - er * 0.9, ey - er * 0.2, fx + side * spread - er * 0.5, ey - er * 0.8});
    }
    // nose: a round cartoon nose with its own shine
    double nr = hr * 0.14 * look.nose;
    double nx = fx + p.face * hr * 0.14, ny = hy + hr * 0.2;
    ball(cr, nx, ny, nr, nr * 0.82, darker(look.skin, 0.08), std::max(1.0, hr * 0.055));
    mx = fx + p.face * hr * 0.05;
    my = hy + hr * 0.52;
    if (look.beard) {
        Shade s;
        s.size = hr * 1.6;
        s.line = std::max(1.4, hr * 0.08);
        shape(cr, look.hair, blobPath({hx - hr * 0.85, hy + hr * 0.15, hx - hr * 0.3, hy + hr * 0.38, hx + hr * 0.3, hy + hr * 0.38, hx + hr * 0.85, hy + hr * 0.15,
                                       hx + hr * 0.65, hy + hr * 0.95, hx, hy + hr * 1.2, hx - hr * 0.65, hy + hr * 0.95}), s);
        // a few strands of texture
        for (int k = -1; k <= 1; ++k) stroke(cr, darker(look.hair, 0.25), std::max(1.0, hr * 0.05), {hx + k * hr * 0.35, hy + hr * 0.6, hx + k * hr * 0.3, hy + hr * 0.85});
        my += hr * 0.02;
        ball(cr, nx, ny, nr, nr * 0.82, darker(look.skin, 0.08), std::max(1.0, hr * 0.055));  // the nose sits over the beard
    }
    mouth(cr, mx, my, hr, p);
}

void hair(cairo_t* cr, double hx, double hy, double hr, const Look& look, bool back, double faceTurn) {
    Shade s;
    s.size = hr * 2;
    s.line = std::max(1.4, hr * 0.08);
    Rgb strand = darker(look.hair, 0.22);
    double sw = std::max(1.0, hr * 0.05);
    switch (look.hair_style) {
        case 1:  // long, with a side parting
            if (back) {
                shape(cr, look.hair, blobPath({hx - hr * 1.1, hy - hr * 0.3, hx, hy - hr * 1.2, hx + hr * 1.1, hy - hr * 0.3, hx + hr * 1.2, hy + hr * 1.7, hx + hr * 0.4, hy + hr * 1.55, hx - hr * 0.4, hy + hr * 1.6, hx - hr * 1.2, hy + hr * 1.7}), s);
            } else {
                shape(cr, look.hair, blobPath({hx - hr * 1.05, hy - hr * 0.1, hx - hr * 0.6, hy - hr * 1.05, hx + hr * 0.5, hy - hr * 1.1, hx + hr * 1.05, hy - hr * 0.2, hx + hr * 0.3, hy - hr * 0.6, hx - hr * 0.4, hy - hr * 0.45}), s);
                stroke(cr, strand, sw, {hx - hr * 0.2, hy - hr * 1.0, hx + hr * 0.3, hy - hr * 0.7});
                stroke(cr, lighter(look.hair, 0.4), sw * 1.4, {hx - hr * 0.7, hy - hr * 0.6, hx - hr * 0.4, hy - hr * 0.9});
            }
            break;
        case 2:  // grey bun
            if (back) {
                shape(cr, look.hair, ellipsePath(hx - faceTurn * hr * 0.3, hy - hr * 1.05, hr * 0.5, hr * 0.4), s);
                stroke(cr, rgb(200, 60, 90), sw * 1.6, {hx - faceTurn * hr * 0.3 - hr * 0.35, hy - hr * 0.8, hx - faceTurn * hr * 0.3 + hr * 0.35, hy - hr * 0.8});
            } else {
                shape(cr, look.hair, blobPath({hx - hr * 1.05, hy, hx - hr * 0.7, hy - hr * 0.95, hx + hr * 0.7, hy - hr * 0.95, hx + hr * 1.05, hy, hx + hr * 0.6, hy - hr * 0.5, hx - hr * 0.6, hy - hr * 0.5}), s);
                for (int k = -1; k <= 1; ++k) stroke(cr, strand, sw, {hx + k * hr * 0.35, hy - hr * 0.55, hx + k * hr * 0.45, hy - hr * 0.85});
            }
            break;
        case 3:  // cap
            if (!back) {
                shape(cr, look.accent, blobPath({hx - hr * 1.0, hy - hr * 0.25, hx - hr * 0.8, hy - hr * 1.0, hx + hr * 0.8, hy - hr * 1.0, hx + hr * 1.0, hy - hr * 0.25}), s);
                ball(cr, hx, hy - hr * 1.0, hr * 0.12, hr * 0.08, darker(look.accent, 0.2), s.line * 0.7);
                strokeInside(cr, blobPath({hx - hr * 1.0, hy - hr * 0.25, hx - hr * 0.8, hy - hr * 1.0, hx + hr * 0.8, hy - hr * 1.0, hx + hr * 1.0, hy - hr * 0.25}),
                             darker(look.accent, 0.25), sw, {hx, hy - hr * 1.0, hx + faceTurn * hr * 0.2, hy - hr * 0.3});
                shape(cr, darker(look.accent, 0.15), ellipsePath(hx + faceTurn * hr * 0.6 + hr * 0.2, hy - hr * 0.3, hr * 0.75, hr * 0.22), s);
            }
            break;
        case 4:  // spiky
            if (!back) {
                shape(cr, look.hair, polyPath({hx - hr * 1.05, hy - hr * 0.1, hx - hr * 1.2, hy - hr * 0.9, hx - hr * 0.6, hy - hr * 0.9, hx - hr * 0.5, hy - hr * 1.6,
                                               hx - hr * 0.05, hy - hr * 1.05, hx + hr * 0.3, hy - hr * 1.7, hx + hr * 0.5, hy - hr * 1.0, hx + hr * 1.2, hy - hr * 1.2,
                                               hx + hr * 1.05, hy - hr * 0.1, hx + hr * 0.6, hy - hr * 0.55, hx - hr * 0.6, hy - hr * 0.55}), s);
                stroke(cr, lighter(look.hair, 0.35), sw * 1.3, {hx - hr * 0.45, hy - hr * 1.2, hx - hr * 0.3, hy - hr * 0.8});
            }
            break;
        case 5:  // pigtails with ribbons
            if (back) {
                shape(cr, look.hair, ellipsePath(hx - hr * 1.3, hy + hr * 0.35, hr * 0.38, hr * 0.65, 0.3), s);
                shape(cr, look.hair, ellipsePath(hx + hr * 1.3, hy + hr * 0.35, hr * 0.38, hr * 0.65, -0.3), s);
                ball(cr, hx - hr * 1.08, hy - hr * 0.12, hr * 0.2, hr * 0.14, look.shoes, s.line * 0.7);
                ball(cr, hx + hr * 1.08, hy - hr * 0.12, hr * 0.2, hr * 0.14, look.shoes, s.line * 0.7);
            } else {
                shape(cr, look.hair, blobPath({hx - hr * 1.05, hy - hr * 0.05, hx - hr * 0.7, hy - hr * 1.0, hx + hr * 0.7, hy - hr * 1.0, hx + hr * 1.05, hy - hr * 0.05, hx + hr * 0.5, hy - hr * 0.55, hx - hr * 0.5, hy - hr * 0.55}), s);
                stroke(cr, strand, sw, {hx, hy - hr * 1.0, hx, hy - hr * 0.6});
            }
            break;
        case 6:  // bald with a fringe
            if (!back) {
                stroke(cr, pal::outline, hr * 0.25 + 3, {hx - hr * 0.98, hy + hr * 0.1, hx - hr * 0.9, hy - hr * 0.4});
                stroke(cr, pal::outline, hr * 0.25 + 3, {hx + hr * 0.98, hy + hr * 0.1, hx + hr * 0.9, hy - hr * 0.4});
                stroke(cr, look.hair, hr * 0.25, {hx - hr * 0.98, hy + hr * 0.1, hx - hr * 0.9, hy - hr * 0.4});
                stroke(cr, look.hair, hr * 0.25, {hx + hr * 0.98, hy + hr * 0.1, hx + hr * 0.9, hy - hr * 0.4});
            }
            break;
        default:  // short
            if (!back) {
                shape(cr, look.hair, blobPath({hx - hr * 1.02, hy - hr * 0.1, hx - hr * 0.8, hy - hr * 0.95, hx + hr * 0.2, hy - hr * 1.15, hx + hr * 1.0, hy - hr * 0.6, hx + hr * 1.02, hy - hr * 0.1, hx + hr * 0.4, hy - hr * 0.55, hx - hr * 0.3, hy - hr * 0.4}), s);
                stroke(cr, strand, sw, {hx - hr * 0.3, hy - hr * 0.95, hx + hr * 0.1, hy - hr * 0.6});
            }
    }
}

// A hand: a mitten with a thumb towards the body.
void hand(cairo_t* cr, double x, double y, double r, int side, Rgb skin) {
    ball(cr, x - side * r * 0.75, y - r * 0.2, r * 0.42, r * 0.42, skin, 1.3);
    ball(cr, x, y, r, r * 0.95, skin, 1.5);
}

}  // namespace

Hands drawPerson(cairo_t* cr, double fx, double fy, const Look& look, const Pose& p) {
    double H = look.height, g = look.girth;
    double hr = H * 0.115 * look.headScale;
    Hands out{};
    cairo_save(cr);
    cairo_translate(cr, fx, fy - p.bob);
    cairo_rotate(cr, p.lean);
    // sitting lowers the whole upper body by the length of the thighs
    double shoulderY = -H + 2 * hr + H * 0.02 + (p.sitting ? H * 0.18 : 0);
    double hipY = p.sitting ? -H * 0.28 : -H * look.hipHeight;
    double sw = H * 0.1 * (0.6 + 0.4 * g), hw = H * 0.085 * g * (look.skirt ? 1.15 : 1.0);
    double legW = H * 0.065 * sqrt(g);
    double hx = p.face * hr * 0.12, hy = shoulderY - hr * 0.92;
    // shadow on the ground
    setColor(cr, rgb(30, 20, 30), 0.3);
    cairo_new_path(cr);
    ellipsePath(0, -2, hw * 1.6 + 10, 5 + g * 2)(cr);
    cairo_fill(cr);
    hair(cr, hx, hy, hr, look, true, p.face);
    // legs and shoes
    Rgb legColour = look.skirt ? look.skin : look.legs;
    for (int side = -1; side <= 1; side += 2) {
        double kx = side * hw * 0.55, ky = hipY;
        double footX = side * H * 0.05 + p.step * side * H * 0.08 + p.face * H * 0.02;
        double footY = -H * 0.03 - (p.step * side > 0 ? p.step * side * H * 0.03 : 0);
        if (p.sitting) {
            double kneeX = side * hw * 0.7 + p.face * H * 0.1, kneeY = hipY + H * 0.05;
            shadedLimb(cr, look.legs, legW, kx, ky, kneeX, kneeY);
            shadedLimb(cr, look.legs, legW * 0.9, kneeX, kneeY, kneeX, footY);
            footX = kneeX;
        } else {
            double w = look.skirt ? legW * 0.7 : legW;
            shadedLimb(cr, legColour, w, kx, ky, footX, footY);
            if (look.stripes) stroke(cr, look.stripe, std::max(1.2, w * 0.18), {kx + side * w * 0.32, ky, footX + side * w * 0.32, footY - H * 0.03});
        }
        // the shoe: a rounded toe, a lighter sole
        double sx = footX + p.face * H * 0.03, sy = footY + H * 0.005;
        double shoeW = H * 0.058 * sqrt(g), shoeH = H * 0.03;
        ball(cr, sx, sy, shoeW, shoeH, look.shoes, 1.8);
        strokeInside(cr, ellipsePath(sx, sy, shoeW, shoeH), lighter(look.shoes, 0.5), std::max(1.0, shoeH * 0.3),
                     {sx - shoeW, sy + shoeH * 0.7, sx + shoeW, sy + shoeH * 0.7});
    }
    // the arms; the back one first
    auto arm = [&](int side, double upper, double fore, bool front) {
        double sx = side * sw * 0.95, sy = shoulderY + H * 0.03;
        double ex = sx + side * sin(upper) * H * 0.16, ey = sy + cos(upper) * H * 0.16;
        double wx = ex + side * sin(fore) * H * 0.15, wy = ey + cos(fore) * H * 0.15;
        Rgb sleeve = front ? look.top : darker(look.top, 0.15);
        double aw = H * 0.06 * sqrt(g);
        shadedLimb(cr, sleeve, aw, sx, sy, ex, ey);
        shadedLimb(cr, sleeve, aw * 0.92, ex, ey, wx, wy);
        if (look.stripes) stroke(cr, look.stripe, std::max(1.2, aw * 0.16), {sx + side * aw * 0.3, sy, ex + side * aw * 0.3, ey, wx + side * aw * 0.25, wy});
        // a cuff where the sleeve ends
        double cx = ex + (wx - ex) * 0.86, cy = ey + (wy - ey) * 0.86;
        outlinedLine(cr, darker(sleeve, 0.2), aw * 0.9 + 3, aw * 0.9, {cx, cy, ex + (wx - ex) * 0.94, ey + (wy - ey) * 0.94});
        hand(cr, wx, wy, H * 0.034, side, look.skin);
        if (side < 0) out.lx = wx, out.ly = wy;
        else out.rx = wx, out.ry = wy;
    };
    int backSide = p.face >= 0 ? -1 : 1;
    arm(backSide, backSide < 0 ? p.armL : p.armR, backSide < 0 ? p.foreL : p.foreR, false);
    // torso: shoulders, waist, hips; the belly grows with girth
    double belly = (g - 1) * H * 0.07;
    Shade s;
    s.size = sw * 2.2;
    std::vector<double> torso = {-sw, shoulderY, sw, shoulderY, sw * 1.02 + belly * 0.8, (shoulderY + hipY) / 2,
                                 hw + belly * 0.6, hipY + H * 0.02, 0, hipY + H * 0.05 + belly * 0.3,
                                 -hw - belly * 0.6, hipY + H * 0.02, -sw * 1.02 - belly * 0.8, (shoulderY + hipY) / 2};
    // a skirt falls to the knees; sitting, it drapes over the lap
    double hem = p.sitting ? H * 0.1 : H * 0.16;
    if (look.skirt) {
        torso[6] = hw * 1.6, torso[7] = hipY + hem;
        torso[8] = 0, torso[9] = hipY + hem + H * 0.02;
        torso[10] = -hw * 1.6, torso[11] = hipY + hem;
    }
    PathFn torsoPath = blobPath(torso);
    shape(cr, look.top, torsoPath, s);
    double seam = std::max(1.0, H * 0.007);
    if (look.skirt) {  // a hem band and two folds
        strokeInside(cr, torsoPath, darker(look.top, 0.3), H * 0.025, {-hw * 1.8, hipY + hem - H * 0.015, 0, hipY + hem + H * 0.005, hw * 1.8, hipY + hem - H * 0.015});
        strokeInside(cr, torsoPath, darker(look.top, 0.25), seam, {-hw * 0.5, hipY - H * 0.02, -hw * 0.75, hipY + H * 0.12});
        strokeInside(cr, torsoPath, darker(look.top, 0.25), seam, {hw * 0.45, hipY - H * 0.02, hw * 0.7, hipY + H * 0.12});
    }
    if (belly > 0) {  // the belly's round shine
        strokeInside(cr, torsoPath, lighter(look.top, 0.35), std::max(1.5, H * 0.012),
                     {-sw * 0.7 - belly * 0.4, hipY - H * 0.02, -sw * 0.85 - belly * 0.5, (shoulderY + hipY) / 2 + H * 0.03});
    }
    if (look.belt && !look.skirt && !look.overalls) {
        strokeInside(cr, torsoPath, darker(look.legs, 0.45), H * 0.03, {-hw * 2 - belly, hipY, hw * 2 + belly, hipY});
        box(cr, p.face * sw * 0.3 - H * 0.02, hipY - H * 0.017, H * 0.04, H * 0.034, pal::yellow, 1, 1.1);
    }
    if (look.buttons) {
        double bx = p.face * sw * 0.3;
        strokeInside(cr, torsoPath, darker(look.top, 0.25), seam, {bx, shoulderY + H * 0.03, bx, hipY + H * (look.skirt ? 0.0 : 0.03)});
        for (int k = 0; k < 3; ++k) {
            double by = shoulderY + (hipY - shoulderY) * (0.2 + k * 0.28);
            ball(cr, bx + sw * 0.12, by, std::max(1.5, H * 0.012), std::max(1.5, H * 0.012), lighter(look.top, 0.5), 1);
        }
    }
    if (look.overalls) {
        std::vector<double> bib = {-sw * 0.6, shoulderY + H * 0.08, sw * 0.6, shoulderY + H * 0.08, hw + belly * 0.6, hipY + H * 0.02,
                                   0, hipY + H * 0.05 + belly * 0.3, -hw - belly * 0.6, hipY + H * 0.02};
        PathFn bibPath = blobPath(bib);
        shape(cr, look.legs, bibPath, s);
        // stitching round the chest pocket
        double py = shoulderY + H * 0.1, pw = sw * 0.55, ph = H * 0.07;
        strokeInside(cr, bibPath, lighter(look.legs, 0.4), seam, {-pw / 2, py, pw / 2, py, pw / 2, py + ph, -pw / 2, py + ph, -pw / 2, py});
        stroke(cr, look.legs, H * 0.025, {-sw * 0.5, shoulderY + H * 0.09, -sw * 0.7, shoulderY});
        stroke(cr, look.legs, H * 0.025, {sw * 0.5, shoulderY + H * 0.09, sw * 0.7, shoulderY});
        ball(cr, -sw * 0.5, shoulderY + H * 0.1, H * 0.014, H * 0.014, pal::yellow, 1);
        ball(cr, sw * 0.5, shoulderY + H * 0.1, H * 0.014, H * 0.014, pal::yellow, 1);
    }
    // neck and head
    box(cr, hx - hr * 0.3, shoulderY - hr * 0.35, hr * 0.6, hr * 0.5, look.skin, 2, 1.4);
    if (look.collar) {
        for (int side = -1; side <= 1; side += 2)
            flat(cr, lighter(look.top, 0.45),
                 polyPath({hx + side * hr * 0.05, shoulderY + hr * 0.25, hx + side * hr * 0.55, shoulderY - hr * 0.12, hx + side * hr * 0.6, shoulderY + hr * 0.3}), 1.3);
    }
    Shade hs;
    hs.size = hr * 2;
    hs.line = std::max(1.8, hr * 0.1);
    // ears
    ball(cr, hx - hr * 0.95 + p.face * hr * 0.2, hy + hr * 0.1, hr * 0.2, hr * 0.26, look.skin, hs.line * 0.8);
    ball(cr, hx + hr * 0.95 + p.face * hr * 0.2, hy + hr * 0.1, hr * 0.2, hr * 0.26, look.skin, hs.line * 0.8);
    shape(cr, look.skin, ellipsePath(hx, hy, hr, hr * 1.05), hs);
    face(cr, hx, hy, hr, look, p, out.mx, out.my);
    hair(cr, hx, hy, hr, look, false, p.face);
    arm(-backSide, -backSide < 0 ? p.armL : p.armR, -backSide < 0 ? p.foreL : p.foreR, true);
    out.hx = hx, out.hy = hy, out.hr = hr;
    // report positions in the caller's space
    double c = cos(p.lean), sn = sin(p.lean);
    auto map = [&](double& x, double& y) {
        double X = x * c - y * sn, Y = x * sn + y * c;
        x = fx + X, y = fy - p.bob + Y;
    };
    map(out.lx, out.ly);
    map(out.rx, out.ry);
    map(out.hx, out.hy);
    map(out.mx, out.my);
    cairo_restore(cr);
    return out;
}
