// person.cpp - one cartoon figure for every person in town, dressed and posed
// by each character's sheet.
#include <cmath>

#include "painters.h"

namespace {

void face(cairo_t* cr, double hx, double hy, double hr, const Look& look, const Pose& p, double& mx, double& my) {
    double fx = hx + p.face * hr * 0.38;
    double spread = hr * 0.36 * (1 - fabs(p.face) * 0.35);
    double ey = hy - hr * 0.05;
    if (p.blush > 0) {
        setColor(cr, rgb(230, 80, 70), 0.45 * p.blush);
        cairo_new_path(cr);
        ellipsePath(hx, hy + hr * 0.1, hr * 0.85, hr * 0.7)(cr);
        cairo_fill(cr);
    }
    // cheeks
    setColor(cr, rgb(240, 120, 110), 0.45);
    cairo_new_path(cr);
    ellipsePath(fx - spread * 1.25, hy + hr * 0.28, hr * 0.16, hr * 0.1)(cr);
    ellipsePath(fx + spread * 1.25, hy + hr * 0.28, hr * 0.16, hr * 0.1)(cr);
    cairo_fill(cr);
    double er = hr * 0.2;
    for (int side = -1; side <= 1; side += 2) {
        double ex = fx + side * spread;
        switch (p.eyes) {
            case 1:  // closed happy arcs
            case 2:  // closed, crying
                cairo_new_path(cr);
                if (p.eyes == 1) {
                    cairo_arc(cr, ex, ey + er * 0.4, er * 0.8, M_PI * 1.15, M_PI * 1.85);
                } else {
                    cairo_arc_negative(cr, ex, ey - er * 0.4, er * 0.8, M_PI * 0.85, M_PI * 0.15);
                }
                setColor(cr, pal::outline);
                cairo_set_line_width(cr, std::max(1.5, hr * 0.09));
                cairo_stroke(cr);
                break;
            case 5:  // dizzy crosses
                stroke(cr, pal::outline, std::max(1.5, hr * 0.08), {ex - er * 0.7, ey - er * 0.7, ex + er * 0.7, ey + er * 0.7});
                stroke(cr, pal::outline, std::max(1.5, hr * 0.08), {ex + er * 0.7, ey - er * 0.7, ex - er * 0.7, ey + er * 0.7});
                break;
            default: {
                double big = p.eyes == 3 ? 1.35 : 1.0;
                ball(cr, ex, ey, er * 0.85 * big, er * big * (p.eyes == 6 ? 0.6 : 1.0), pal::white, std::max(1.2, hr * 0.06));
                setColor(cr, rgb(50, 34, 44));
                cairo_new_path(cr);
                ellipsePath(ex + p.face * er * 0.3, ey + er * 0.15, er * 0.42, er * (p.eyes == 6 ? 0.35 : 0.5))(cr);
                cairo_fill(cr);
                if (p.eyes == 6) stroke(cr, pal::outline, std::max(1.5, hr * 0.08), {ex - er, ey - er * 0.2, ex + er, ey - er * 0.2});
            }
        }
        if (p.eyes == 4) {  // angry brows
            stroke(cr, darker(look.hair, 0.3), std::max(2.0, hr * 0.12),
                   {ex - side * er * 1.0, ey - er * 1.6, ex + side * er * 0.9, ey - er * 1.0});
        } else if (p.eyes != 5) {
            stroke(cr, darker(look.hair, 0.3), std::max(1.5, hr * 0.08),
                   {ex - er * 0.8, ey - er * 1.5, ex + er * 0.8, ey - er * 1.6});
        }
        if (p.eyes == 2) {  // tears
            flat(cr, rgb(140, 200, 250), blobPath({ex - er * 0.3, ey + er * 0.8, ex + er * 0.3, ey + er * 0.8, ex + er * 0.4, ey + er * 2.2, ex, ey + er * 2.8, ex - er * 0.4, ey + er * 2.2}), 1.2);
        }
    }
    if (look.glasses) {
        cairo_new_path(cr);
        cairo_arc(cr, fx - spread, ey, er * 1.25, 0, 2 * M_PI);
        cairo_new_sub_path(cr);
        cairo_arc(cr, fx + spread, ey, er * 1.25, 0, 2 * M_PI);
        cairo_move_to(cr, fx - spread + er * 1.25, ey);
        cairo_line_to(cr, fx + spread - er * 1.25, ey);
        setColor(cr, rgb(90, 60, 80));
        cairo_set_line_width(cr, std::max(1.3, hr * 0.07));
        cairo_stroke(cr);
    }
    // nose
    ball(cr, fx + p.face * hr * 0.12, hy + hr * 0.18, hr * 0.13, hr * 0.1, darker(look.skin, 0.12), std::max(1.0, hr * 0.05));
    mx = fx + p.face * hr * 0.05;
    my = hy + hr * 0.5;
    if (look.beard) {
        flat(cr, look.hair, blobPath({hx - hr * 0.8, hy + hr * 0.2, hx + hr * 0.8, hy + hr * 0.2, hx + hr * 0.6, hy + hr * 0.9, hx, hy + hr * 1.15, hx - hr * 0.6, hy + hr * 0.9}), 1.6);
        my -= hr * 0.05;
    }
    double mw = hr * 0.3, lw = std::max(1.5, hr * 0.08);
    switch (p.mouthStyle) {
        case 0:
            stroke(cr, pal::outline, lw, {mx - mw, my - mw * 0.2, mx, my + mw * 0.25, mx + mw, my - mw * 0.2});
            break;
        case 1:
            stroke(cr, pal::outline, lw, {mx - mw, my + mw * 0.25, mx, my - mw * 0.15, mx + mw, my + mw * 0.25});
            break;
        case 2:
        case 3: {
            double h = mw * (0.4 + p.mouth * 1.4);
            ball(cr, mx, my, mw * (0.6 + p.mouth * 0.5), h, rgb(120, 40, 56), lw * 0.8);
            if (p.mouthStyle == 3) ball(cr, mx + mw * 0.2, my + h * 0.7, mw * 0.45, mw * 0.45, rgb(240, 110, 130), lw * 0.7);
            break;
        }
        case 4:
            flat(cr, pal::white, polyPath({mx - mw * 1.2, my - mw * 0.2, mx + mw * 1.2, my - mw * 0.2, mx + mw * 0.6, my + mw * 0.6, mx - mw * 0.6, my + mw * 0.6}), lw * 0.8);
            break;
        default:
            stroke(cr, pal::outline, lw, {mx - mw * 0.8, my, mx + mw * 0.8, my});
    }
}

void hair(cairo_t* cr, double hx, double hy, double hr, const Look& look, bool back, double faceTurn) {
    Shade s;
    s.size = hr * 2;
    s.line = std::max(1.4, hr * 0.08);
    switch (look.hair_style) {
        case 1:  // long
            if (back) shape(cr, look.hair, blobPath({hx - hr * 1.1, hy - hr * 0.3, hx, hy - hr * 1.2, hx + hr * 1.1, hy - hr * 0.3, hx + hr * 1.15, hy + hr * 1.6, hx - hr * 1.15, hy + hr * 1.6}), s);
            else shape(cr, look.hair, blobPath({hx - hr * 1.05, hy - hr * 0.1, hx - hr * 0.6, hy - hr * 1.05, hx + hr * 0.5, hy - hr * 1.1, hx + hr * 1.05, hy - hr * 0.2, hx + hr * 0.3, hy - hr * 0.6, hx - hr * 0.4, hy - hr * 0.45}), s);
            break;
        case 2:  // grey bun
            if (back) shape(cr, look.hair, ellipsePath(hx - faceTurn * hr * 0.3, hy - hr * 1.05, hr * 0.5, hr * 0.4), s);
            else shape(cr, look.hair, blobPath({hx - hr * 1.05, hy, hx - hr * 0.7, hy - hr * 0.95, hx + hr * 0.7, hy - hr * 0.95, hx + hr * 1.05, hy, hx + hr * 0.6, hy - hr * 0.5, hx - hr * 0.6, hy - hr * 0.5}), s);
            break;
        case 3:  // cap
            if (!back) {
                shape(cr, look.accent, blobPath({hx - hr * 1.0, hy - hr * 0.25, hx - hr * 0.8, hy - hr * 1.0, hx + hr * 0.8, hy - hr * 1.0, hx + hr * 1.0, hy - hr * 0.25}), s);
                shape(cr, darker(look.accent, 0.15), ellipsePath(hx + faceTurn * hr * 0.6 + hr * 0.2, hy - hr * 0.3, hr * 0.75, hr * 0.22), s);
            }
            break;
        case 4:  // spiky
            if (!back) shape(cr, look.hair, polyPath({hx - hr * 1.05, hy - hr * 0.1, hx - hr * 1.2, hy - hr * 0.9, hx - hr * 0.6, hy - hr * 0.9, hx - hr * 0.5, hy - hr * 1.6,
                                                     hx - hr * 0.05, hy - hr * 1.05, hx + hr * 0.3, hy - hr * 1.7, hx + hr * 0.5, hy - hr * 1.0, hx + hr * 1.2, hy - hr * 1.2,
                                                     hx + hr * 1.05, hy - hr * 0.1, hx + hr * 0.6, hy - hr * 0.55, hx - hr * 0.6, hy - hr * 0.55}), s);
            break;
        case 5:  // pigtails
            if (back) {
                shape(cr, look.hair, ellipsePath(hx - hr * 1.25, hy + hr * 0.3, hr * 0.35, hr * 0.6, 0.3), s);
                shape(cr, look.hair, ellipsePath(hx + hr * 1.25, hy + hr * 0.3, hr * 0.35, hr * 0.6, -0.3), s);
            } else {
                shape(cr, look.hair, blobPath({hx - hr * 1.05, hy - hr * 0.05, hx - hr * 0.7, hy - hr * 1.0, hx + hr * 0.7, hy - hr * 1.0, hx + hr * 1.05, hy - hr * 0.05, hx + hr * 0.5, hy - hr * 0.55, hx - hr * 0.5, hy - hr * 0.55}), s);
            }
            break;
        case 6:  // bald with a fringe
            if (!back) {
                stroke(cr, look.hair, hr * 0.25, {hx - hr * 0.98, hy + hr * 0.1, hx - hr * 0.9, hy - hr * 0.4});
                stroke(cr, look.hair, hr * 0.25, {hx + hr * 0.98, hy + hr * 0.1, hx + hr * 0.9, hy - hr * 0.4});
            }
            break;
        default:  // short
            if (!back) shape(cr, look.hair, blobPath({hx - hr * 1.02, hy - hr * 0.1, hx - hr * 0.8, hy - hr * 0.95, hx + hr * 0.2, hy - hr * 1.15, hx + hr * 1.0, hy - hr * 0.6, hx + hr * 1.02, hy - hr * 0.1, hx + hr * 0.4, hy - hr * 0.55, hx - hr * 0.3, hy - hr * 0.4}), s);
    }
}

}  // namespace

Hands drawPerson(cairo_t* cr, double fx, double fy, const Look& look, const Pose& p) {
    double H = look.height, g = look.girth;
    double hr = H * 0.115;
    Hands out{};
    cairo_save(cr);
    cairo_translate(cr, fx, fy - p.bob);
    cairo_rotate(cr, p.lean);
    // sitting lowers the whole upper body by the length of the thighs
    double shoulderY = -H + 2 * hr + H * 0.02 + (p.sitting ? H * 0.18 : 0);
    double hipY = p.sitting ? -H * 0.28 : -H * 0.46;
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
    for (int side = -1; side <= 1; side += 2) {
        double kx = side * hw * 0.55, ky = hipY;
        double footX = side * H * 0.05 + p.step * side * H * 0.08 + p.face * H * 0.02;
        double footY = -H * 0.03 - (p.step * side > 0 ? p.step * side * H * 0.03 : 0);
        if (p.sitting) {
            double kneeX = side * hw * 0.7 + p.face * H * 0.1, kneeY = hipY + H * 0.05;
            limb(cr, look.legs, legW, kx, ky, kneeX, kneeY);
            limb(cr, look.legs, legW * 0.9, kneeX, kneeY, kneeX, footY);
            footX = kneeX;
        } else {
            limb(cr, look.skirt ? look.skin : look.legs, look.skirt ? legW * 0.7 : legW, kx, ky, footX, footY);
        }
        ball(cr, footX + p.face * H * 0.03, footY + H * 0.005, H * 0.055 * sqrt(g), H * 0.028, look.shoes, 1.6);
    }
    // the back arm
    auto arm = [&](int side, double upper, double fore, bool front) {
        double sx = side * sw * 0.95, sy = shoulderY + H * 0.03;
        double ua = upper, fa = fore;
        double ex = sx + side * sin(ua) * H * 0.16, ey = sy + cos(ua) * H * 0.16;
        double wx = ex + side * sin(fa) * H * 0.15, wy = ey + cos(fa) * H * 0.15;
        Rgb sleeve = front ? look.top : darker(look.top, 0.15);
        limb(cr, sleeve, H * 0.06 * sqrt(g), sx, sy, ex, ey);
        limb(cr, sleeve, H * 0.055 * sqrt(g), ex, ey, wx, wy);
        ball(cr, wx, wy, H * 0.032, H * 0.032, look.skin, 1.5);
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
    if (look.skirt) {
        torso[6] = hw * 1.6, torso[7] = hipY + H * 0.16;
        torso[8] = 0, torso[9] = hipY + H * 0.18;
        torso[10] = -hw * 1.6, torso[11] = hipY + H * 0.16;
    }
    shape(cr, look.top, blobPath(torso), s);
    if (look.overalls) {
        std::vector<double> bib = {-sw * 0.6, shoulderY + H * 0.08, sw * 0.6, shoulderY + H * 0.08, hw + belly * 0.6, hipY + H * 0.02,
                                   0, hipY + H * 0.05 + belly * 0.3, -hw - belly * 0.6, hipY + H * 0.02};
        shape(cr, look.legs, blobPath(bib), s);
        stroke(cr, look.legs, H * 0.025, {-sw * 0.5, shoulderY + H * 0.09, -sw * 0.7, shoulderY});
        stroke(cr, look.legs, H * 0.025, {sw * 0.5, shoulderY + H * 0.09, sw * 0.7, shoulderY});
        ball(cr, -sw * 0.5, shoulderY + H * 0.1, H * 0.012, H * 0.012, pal::yellow, 1);
        ball(cr, sw * 0.5, shoulderY + H * 0.1, H * 0.012, H * 0.012, pal::yellow, 1);
    }
    // neck and head
    box(cr, hx - hr * 0.3, shoulderY - hr * 0.35, hr * 0.6, hr * 0.5, look.skin, 2, 1.4);
    Shade hs;
    hs.size = hr * 2;
    hs.line = std::max(1.6, hr * 0.09);
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
