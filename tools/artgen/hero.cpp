// SPDX-License-Identifier: MIT
// hero.cpp - Quobble Tuftwhirl: a round orange-brown hamster in a blue space
// suit with a backpack and an antenna. One drawing, turned to eight directions
// by moving the face, ears and backpack round the body.
#include <cmath>

#include "painters.h"

namespace {

// Turn angle of each walk-sheet direction: 0 faces the viewer, a quarter turn
// faces left, half a turn shows the back. Right-facing views are mirrored.
constexpr double kTurn[8] = {0, M_PI / 4, M_PI / 2, 3 * M_PI / 4, M_PI, 3 * M_PI / 4, M_PI / 2, M_PI / 4};
constexpr bool kMirrored[8] = {false, false, false, false, false, true, true, true};
// Screen direction of the walk per column (x, y).
constexpr double kMoveX[8] = {0, -0.7, -1, -0.7, 0, 0.7, 1, 0.7};
constexpr double kMoveY[8] = {1, 0.5, 0, -0.5, -1, -0.5, 0, 0.5};

void eye(cairo_t* cr, double x, double y, double r, double squash, int mood) {
    ball(cr, x, y, r * squash, r * (mood == 1 ? 1.25 : 1.1), pal::white, 1.6);
    double pr = mood == 1 ? r * 0.38 : r * 0.62;
    setColor(cr, rgb(46, 30, 40));
    cairo_new_path(cr);
    ellipsePath(x + r * 0.1 * squash, y + r * 0.12, pr * squash, pr * 1.05)(cr);
    cairo_fill(cr);
    setColor(cr, pal::white);
    cairo_new_path(cr);
    ellipsePath(x - r * 0.12 * squash, y - r * 0.2, r * 0.22, r * 0.22)(cr);
    cairo_fill(cr);
}

}  // namespace

void drawHero(cairo_t* cr, double fx, double fy, int dir, int phase, double scale, int mood) {
    cairo_save(cr);
    cairo_translate(cr, fx, fy);
    cairo_scale(cr, scale, scale);
    if (kMirrored[dir]) cairo_scale(cr, -1, 1);
    double turn = kTurn[dir];
    double side = -sin(turn);   // screen x of the facing direction: -1 left
    double front = cos(turn);   // 1 towards the viewer, -1 away
    double moveX = kMirrored[dir] ? -kMoveX[dir] : kMoveX[dir], moveY = kMoveY[dir];
    bool walking = phase >= 0;
    double a = walking ? phase * 2 * M_PI / 8 : 0;
    double swing = walking ? sin(a) : 0;
    double bob = walking ? -fabs(cos(a)) * 2.5 : 0;

    // soft contact shadow on the ground
    setColor(cr, rgb(30, 20, 30), 0.35);
    cairo_new_path(cr);
    ellipsePath(0, -3, 26, 6)(cr);
    cairo_fill(cr);

    // feet: boots stepping along the walk direction
    auto boot = [&](double sgn) {
        double s = swing * sgn;
        double bx = sgn * 11 * (0.4 + 0.6 * fabs(front)) + moveX * s * 9;
        double by = -6 + moveY * s * 4 - std::max(0.0, s) * 5;
        ball(cr, bx + side * 3, by, 10, 7, rgb(236, 236, 244), 2);
    };
    double bodyY = -33 + bob, headY = -62 + bob;
    // the leg further from the viewer first
    boot(front >= 0 ? -1 : 1);
    // backpack behind the body unless he faces away
    auto pack = [&]() {
        double px = -side * 17, py = bodyY - 4;
        double pw = 18 + 10 * fabs(front);
        box(cr, px - pw / 2, py - 18, pw, 34, rgb(150, 160, 176), 6, 2);
        if (front < 0) {
            box(cr, px - pw / 2 + 4, py - 12, pw - 8, 10, rgb(236, 64, 72), 3, 1.4);
            ball(cr, px, py + 8, 4, 4, pal::yellow, 1.2);
        }
    };
    if (front >= -0.1) pack();
    // arms swing against the legs
    auto arm = [&](double sgn, bool behind) {
        double s = -swing * sgn;
        double sx = sgn * 20 * (0.35 + 0.65 * fabs(front)) + side * 2;
        double hx = sx + sgn * 6 + moveX * s * 10, hy = bodyY + 14 + moveY * s * 3;
        if (mood == 1) hx = sx + sgn * 14, hy = bodyY - 26;  // panic: arms up
        limb(cr, behind ? pal::suitDark : pal::suit, 8, sx, bodyY - 6, hx, hy);
        ball(cr, hx, hy, 5.5, 5.5, rgb(236, 236, 244), 1.6);
    };
    arm(front >= 0 ? -1 : 1, true);
    // body: the round suit
    Shade s;
    s.size = 50;
    shape(cr, pal::suit, ellipsePath(side * 1, bodyY, 24, 23), s);
    if (front > 0.2) {
        // chest badge: a little yellow star planet
        ball(cr, side * 9, bodyY - 4, 6, 6, pal::yellow, 1.4);
        stroke(cr, pal::antennaBall, 1.6, {side * 9 - 8, bodyY - 2, side * 9 + 8, bodyY - 6});
    }
    box(cr, -18 + side * 2, bodyY + 6, 36, 6, pal::metal, 2, 1.4);  // belt
    boot(front >= 0 ? 1 : -1);
    arm(front >= 0 ? 1 : -1, false);
    // collar ring
    ball(cr, side * 1, headY + 20, 17, 5, pal::metal, 1.6);
    // ears behind the head
    double earSpread = 15 * (0.45 + 0.55 * fabs(front));
    ball(cr, -earSpread - side * 5, headY - 18, 7, 7, pal::fur, 1.8);
    ball(cr, earSpread - side * 5, headY - 18, 7, 7, pal::fur, 1.8);
    if (front > -0.5) {
        ball(cr, -earSpread - side * 5, headY - 18, 3.5, 3.5, rgb(240, 150, 150), 0);
        ball(cr, earSpread - side * 5, headY - 18, 3.5, 3.5, rgb(240, 150, 150), 0);
    }
    // antenna on top, wobbling a little as he walks
    double tipX = -side * 4 + (walking ? cos(a) * 3 : 0), tipY = headY - 36;
    curve(cr, pal::metal, 2, -side * 2, headY - 22, -side * 2, headY - 32, tipX, tipY + 8, tipX, tipY);
    ball(cr, tipX, tipY, 4.5, 4.5, pal::antennaBall, 1.6);
    // head: round fur ball
    Shade hs;
    hs.size = 50;
    shape(cr, pal::fur, ellipsePath(0, headY, 24, 22), hs);
    if (front > -0.35) {
        double fxC = side * 11;  // face centre shifts round the head
        double squash = 0.55 + 0.45 * fabs(front);
        // cheeks and muzzle
        ball(cr, fxC, headY + 9, 12 * squash + 2, 8, pal::furLight, 1.4);
        ball(cr, fxC + side * 4, headY + 4, 3.5, 2.6, rgb(220, 110, 120), 1.2);
        if (mood == 1) {
            ball(cr, fxC + side * 3, headY + 13, 4, 5, rgb(110, 40, 50), 1.2);
        } else {
            stroke(cr, pal::outline, 1.5, {fxC + side * 4 - 4, headY + 11, fxC + side * 4, headY + 13, fxC + side * 4 + 4, headY + 11});
        }
        // big friendly eyes
        double spread = 9 * fabs(front);
        if (front > 0.3) {
            eye(cr, fxC - spread, headY - 4, 6.5, squash, mood);
            eye(cr, fxC + spread, headY - 4, 6.5, squash, mood);
        } else {
            eye(cr, fxC + side * 2, headY - 4, 6.5, 0.7, mood);
        }
        // rosy cheeks
        setColor(cr, rgb(250, 150, 130), 0.6);
        cairo_new_path(cr);
        ellipsePath(fxC - 14 * fabs(front) - side * 3, headY + 6, 4, 2.5)(cr);
        ellipsePath(fxC + 14 * fabs(front) - side * 3, headY + 6, 4, 2.5)(cr);
        cairo_fill(cr);
    } else {
        // the back of the head: a lighter tuft
        stroke(cr, pal::furDark, 2, {-6, headY - 10, 0, headY - 4, 6, headY - 10});
    }
    if (front < -0.1) pack();
    cairo_restore(cr);
}

// The walk sheet: columns by direction, eight frames of the cycle each; the
// foot point is the middle of the frame's bottom edge.
void paintHeroWalk(cairo_t* cr, int column, int frame, int) {
    constexpr int kFrameW = 160, kFrameH = 120;
    drawHero(cr, kFrameW / 2.0, kFrameH - 2, column / kFrameW, frame, 1.0);
}
