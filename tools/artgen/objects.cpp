// SPDX-License-Identifier: MIT
// objects.cpp - exit shapes and the still objects lying about in the scenes.
// Exits are drawn over the scene: a lit rim round a doorway, a few lit leaves
// where a path leaves the screen, stepping stones where a path leads away.
#include <cmath>

#include "painters.h"

// A warm rim on the left, top and right of a doorway; the opening stays clear.
void paintExitDoorway(cairo_t* cr, int w, int h) {
    constexpr double kRim = 3;
    cairo_new_path(cr);
    cairo_move_to(cr, kRim, h);
    cairo_line_to(cr, kRim, kRim);
    cairo_line_to(cr, w - kRim, kRim);
    cairo_line_to(cr, w - kRim, h);
    strokeOutlined(cr, rgb(255, 200, 110), kRim * 2 + 2, kRim * 2 - 2);
}

// Fallen leaves and pebbles, lit by the sun, along a path leaving the screen.
void paintExitEdge(cairo_t* cr, int w, int h) {
    uint32_t st = hash32(w * 131 + h);
    int n = std::max(3, (w * h) / 900);
    for (int i = 0; i < n; ++i) {
        double x = 8 + rand01(st) * (w - 16), y = 6 + rand01(st) * (h - 12);
        double s = 4 + rand01(st) * 3;
        Rgb c = mix(pal::pumpkin, rgb(220, 180, 60), rand01(st));
        fallenLeaf(cr, x, y, s, rand01(st) * M_PI, c);
    }
}

// Stepping stones leading into the way out, with a lantern on a post.
void paintExitPath(cairo_t* cr, int w, int h) {
    for (int i = 0; i < 4; ++i) {
        double t = i / 3.0;
        double cx = w * (0.45 + 0.1 * sin(i * 1.7)), cy = h * (0.92 - t * 0.45), rx = w * (0.16 - t * 0.07);
        ball(cr, cx, cy, rx, rx * 0.4, mix(pal::stone, pal::cream, 0.25), 1.6);
    }
    double px = w * 0.12, py = h * 0.4;
    box(cr, px - 3, py, 6, h * 0.5, pal::wood, 2, 1.5);
    lightPool(cr, px, py - 6, 18, 18, pal::glow, 0.5);
    box(cr, px - 6, py - 14, 12, 14, rgb(255, 214, 120), 3, 1.5);
}

// The barn door swung open: dark inside with hay and a lantern.
void paintBarnDoorOpen(cairo_t* cr, int w, int h) {
    // the dim inside: back wall planks, a beam, hay and a lantern
    wallPlanks(cr, {0, 0, double(w), 0, double(w), double(h), 0, double(h)}, rgb(72, 46, 40), true, 14);
    box(cr, -4, 40, w + 8, 10, rgb(50, 34, 32), 1, 1.6);
    lightPool(cr, w * 0.5, h * 0.55, w * 0.55, h * 0.45, pal::glow, 0.45);
    box(cr, 22, h - 46, 70, 40, rgb(220, 180, 90), 8, 1.8);
    for (int i = 0; i < 8; ++i) stroke(cr, rgb(240, 200, 110), 1.5, {26.0 + i * 8, h - 6.0, 30.0 + i * 8, h - 14.0});
    box(cr, w * 0.62, 56, 12, 16, rgb(255, 214, 120), 3, 1.4);
    // the two leaves folded back against the frame
    woodPlanks(cr, 0, 0, 16, h, 1, true, pal::barnRedDark);
    woodPlanks(cr, w - 16.0, 0, 16, h, 1, true, pal::barnRedDark);
}

void paintLock(cairo_t* cr, int w, int h) {
    box(cr, 4, 22, w - 8, 18, pal::woodDark, 3, 2);     // the beam across the doors
    box(cr, 6, 18, 12, 26, pal::metal, 2, 1.6);        // brackets
    box(cr, w - 18, 18, 12, 26, pal::metal, 2, 1.6);
    // the padlock over the middle of the door
    double cx = 125;
    cairo_new_path(cr);
    cairo_arc(cr, cx, 34, 9, M_PI, 2 * M_PI);
    strokeOutlined(cr, pal::metal, 7, 3.5);
    box(cr, cx - 14, 34, 28, h - 38, pal::yellow, 4, 2);
    ball(cr, cx, 46, 3, 3, pal::outline, 0);
}

void paintMouse(cairo_t* cr, int w, int h) {
    (void)w;
    curve(cr, rgb(230, 150, 160), 1.8, 34, h - 8, 42, h - 10, 46, h - 20, 44, h - 28);  // tail
    ball(cr, 24, h - 13, 13, 10, rgb(170, 160, 170), 1.8);
    ball(cr, 12, h - 20, 9, 8, rgb(180, 170, 180), 1.8);
    ball(cr, 10, h - 30, 6, 6, rgb(190, 180, 190), 1.6);
    ball(cr, 10, h - 30, 3, 3, rgb(240, 160, 170), 0);
    ball(cr, 6, h - 21, 2, 2, pal::outline, 0);
    ball(cr, 3, h - 18, 2, 2, rgb(240, 120, 140), 0);
}

// The saucer, nose down in the ground with its lights still blinking.
void paintShip(cairo_t* cr, int w, int h) {
    cairo_save(cr);
    cairo_translate(cr, w * 0.5, h * 0.5);
    cairo_rotate(cr, 0.35);
    lightPool(cr, 0, -10, 70, 50, rgb(170, 240, 255), 0.3);
    ball(cr, 0, -20, 42, 34, rgb(160, 220, 250), 2.2);
    ball(cr, -8, -28, 12, 8, pal::white, 0);
    ball(cr, 0, 4, 104, 28, pal::metal, 2.4);
    ball(cr, 0, 12, 70, 12, rgb(130, 138, 150), 1.8);
    for (int i = 0; i < 6; ++i) ball(cr, -75 + i * 30, 6, 6, 4, i % 2 ? pal::yellow : pal::antennaBall, 1.4);
    cairo_restore(cr);
    // the dirt it ploughed up, in front of it
    flat(cr, pal::dirt, blobPath({10, h - 4, 40, h - 30, 90, h - 22, 140, h - 36, 200, h - 24, w - 4, h - 6}), 2);
    flat(cr, pal::dirtLight, blobPath({30, h - 14, 70, h - 26, 110, h - 18, 90, h - 10}), 0);
    setColor(cr, rgb(120, 110, 120), 0.6);
    for (int i = 0; i < 3; ++i) {  // a little smoke
        cairo_new_path(cr);
        ellipsePath(160 + i * 14, 30 - i * 12, 10 + i * 3, 8 + i * 2)(cr);
        cairo_fill(cr);
    }
}

namespace {
// The lying chain and the hung one are drawn from the same links and hook.
void chainLink(cairo_t* cr, double x, double y, double rx, double ry, double angle = 0) {
    cairo_new_path(cr);
    ellipsePath(x, y, rx, ry, angle)(cr);
    strokeOutlined(cr, pal::metal, 4.5, 2.2);
}

void chainHook(cairo_t* cr, double x, double y) {
    cairo_new_path(cr);
    cairo_arc(cr, x, y, 7, 0, M_PI * 1.3);
    strokeOutlined(cr, pal::metal, 5, 3);
}
}  // namespace

void paintChain(cairo_t* cr, int w, int h) {
    for (int i = 0; i < 12; ++i) {
        double x = 10 + i * (w - 30) / 11.0, y = h * 0.6 + sin(i * 0.9) * 6;
        chainLink(cr, x, y, 6, 3.5, i % 2 ? 0.3 : -0.3);
    }
    chainHook(cr, w - 12, h * 0.45);  // the hook at its end
}

void paintChainHung(cairo_t* cr, int w, int h) {
    ball(cr, w / 2.0, 10, 9, 9, pal::metal, 1.6);
    for (int i = 0; i < 15; ++i) {
        double y = 22 + i * (h - 40) / 14.0;
        chainLink(cr, w / 2.0, y, i % 2 ? 3 : 5, 6);
    }
    chainHook(cr, w / 2.0 + 6, h - 12);
}

// The scarecrow: his head sits at the top of the picture so the hat fits on it.
void paintScarecrow(cairo_t* cr, int w, int h) {
    box(cr, w / 2.0 - 4, 40, 8, h - 44, pal::wood, 2, 1.8);            // pole
    box(cr, 6, 56, w - 12, 8, pal::wood, 2, 1.8);                       // cross bar
    flat(cr, rgb(110, 130, 170), polyPath({22, 56, 78, 56, 74, 120, 26, 120}), 2);  // shirt
    for (int i = 0; i < 4; ++i) stroke(cr, rgb(230, 200, 100), 2, {8.0 + i * 2, 60, 2.0 + i * 3, 74});  // straw hands
    for (int i = 0; i < 4; ++i) stroke(cr, rgb(230, 200, 100), 2, {w - 8.0 - i * 2, 60, w - 2.0 - i * 3, 74});
    box(cr, 36, 80, 10, 12, rgb(200, 90, 60), 2, 1.4);  // patch
    ball(cr, w / 2.0, 26, 20, 20, rgb(226, 200, 150), 2);  // sack head
    ball(cr, w / 2.0 - 7, 22, 3, 3, pal::outline, 0);
    ball(cr, w / 2.0 + 7, 22, 3, 3, pal::outline, 0);
    stroke(cr, pal::outline, 1.6, {w / 2.0 - 9, 34, w / 2.0 - 3, 37, w / 2.0 + 3, 34, w / 2.0 + 9, 37});
    bat(cr, 84, 100, 22, 0.5);
}

// The witch hat on the scarecrow's head; the brim's bottom sits at y 96.
void paintHat(cairo_t* cr, int w, int h) {
    double cx = w / 2.0, by = h - 8;
    ball(cr, cx, by, 36, 7, rgb(80, 50, 110), 1.8);
    flat(cr, rgb(80, 50, 110), polyPath({cx - 20, by - 2, cx + 20, by - 2, cx + 8, by - 60, cx + 26, by - 82, cx - 2, by - 70}), 1.8);
    box(cr, cx - 20, by - 14, 40, 9, pal::pumpkin, 2, 1.4);
    box(cr, cx - 5, by - 15, 10, 11, pal::yellow, 1, 1.2);
}

void paintSlime(cairo_t* cr, int w, int h) {
    flat(cr, rgb(120, 220, 90), blobPath({8, h * 0.6, 30, h * 0.25, 70, h * 0.3, 110, h * 0.15, w - 10, h * 0.45, w - 30, h * 0.85, 80, h * 0.9, 30, h * 0.85}), 2);
    ball(cr, 60, h * 0.45, 10, 4, rgb(200, 255, 170), 0);
    ball(cr, 110, h * 0.4, 6, 3, rgb(200, 255, 170), 0);
}

void paintKey(cairo_t* cr, int w, int h) {
    (void)h;
    cairo_new_path(cr);
    cairo_arc(cr, w / 2.0, 10, 7, 0, 2 * M_PI);
    strokeOutlined(cr, pal::yellow, 6, 3);
    limb(cr, pal::yellow, 4, w / 2.0, 18, w / 2.0, 34);
    box(cr, w / 2.0, 28, 7, 4, pal::yellow, 1, 1.2);
    box(cr, w / 2.0, 22, 5, 4, pal::yellow, 1, 1.2);
}

void paintLipstick(cairo_t* cr, int w, int h) {
    box(cr, 5, h - 16, w - 10, 14, rgb(220, 190, 80), 2, 1.6);
    box(cr, 7, h - 24, w - 14, 9, rgb(200, 200, 210), 1, 1.4);
    flat(cr, rgb(220, 40, 70), polyPath({8, h - 24, w - 8.0, h - 24, w - 8.0, 6, 8, 12}), 1.6);
}

// The treadmill's deck and belt; the frame and console are in the room picture.
void paintTreadmillBelt(cairo_t* cr, int w, int h) {
    (void)h;
    flat(cr, rgb(60, 60, 72), polyPath({14, 112, w - 30.0, 96, w - 14.0, 116, 30, 134}), 2.2);
    for (int i = 0; i < 10; ++i) {
        double t = i / 10.0;
        stroke(cr, rgb(90, 90, 104), 1.5, {20 + t * (w - 44), 114 - t * 16, 34 + t * (w - 44), 132 - t * 16});
    }
    ball(cr, 20, 124, 10, 10, pal::metal, 1.6);
    ball(cr, w - 22.0, 106, 10, 10, pal::metal, 1.6);
}

void paintToiletPaper(cairo_t* cr, int w, int h) {
    ball(cr, w / 2.0, h / 2.0 + 2, 16, 16, pal::white, 2);
    ball(cr, w / 2.0, h / 2.0 + 2, 6, 6, rgb(200, 180, 150), 1.6);
    flat(cr, pal::white, polyPath({w / 2.0 + 14, h / 2.0 + 6, w - 2.0, h / 2.0 + 8, w - 4.0, h - 2.0, w / 2.0 + 8, h - 4.0}), 1.6);
}

void paintMop(cairo_t* cr, int w, int h) {
    limb(cr, pal::woodLight, 5, w / 2.0 + 4, 4, w / 2.0, h - 40);
    flat(cr, rgb(230, 220, 190), blobPath({4, h - 2.0, 8, h - 40.0, w / 2.0, h - 46.0, w - 8.0, h - 40.0, w - 4.0, h - 2.0, w / 2.0, h - 8.0}), 2);
    for (int i = 0; i < 5; ++i) stroke(cr, rgb(190, 180, 150), 1.4, {10.0 + i * 5, h - 36.0, 8.0 + i * 6, h - 6.0});
}

// A wire bin with the loaf sticking out.
void paintTrash(cairo_t* cr, int w, int h) {
    ball(cr, w / 2.0 + 6, 22, 18, 12, rgb(210, 150, 80), 1.8);  // bread
    ball(cr, w / 2.0 + 2, 18, 8, 4, rgb(240, 200, 130), 0);
    flat(cr, rgb(120, 130, 140), polyPath({6, 26, w - 6.0, 26, w - 14.0, h - 4.0, 14, h - 4.0}), 2.2);
    for (int i = 1; i < 6; ++i) stroke(cr, rgb(90, 100, 110), 1.5, {6.0 + i * (w - 12) / 6.0, 28, 14.0 + i * (w - 28) / 6.0, h - 6.0});
    ball(cr, w / 2.0, 26, w / 2.0 - 4, 5, rgb(150, 160, 170), 1.8);
}

void paintCheese(cairo_t* cr, int w, int h) {
    flat(cr, rgb(250, 210, 70), polyPath({4, h - 4.0, w - 4.0, h - 4.0, w - 4.0, 12, 8, 8}), 2);
    flat(cr, rgb(255, 236, 130), polyPath({8, 8, w - 4.0, 12, w - 12.0, 4}), 1.6);
    ball(cr, 16, 20, 3, 3, rgb(220, 170, 50), 1);
    ball(cr, 28, 16, 2.5, 2.5, rgb(220, 170, 50), 1);
}

void paintGarlic(cairo_t* cr, int w, int h) {
    double cx = w / 2.0;
    Shade s;
    s.size = 24;
    shape(cr, rgb(244, 236, 220), blobPath({cx, 8, cx + 12, h - 14.0, cx + 6, h - 4.0, cx - 6, h - 4.0, cx - 12, h - 14.0}), s);
    stroke(cr, rgb(210, 190, 200), 1.4, {cx, 12, cx - 2, h - 6.0});
    stroke(cr, rgb(210, 190, 200), 1.4, {cx + 5, 16, cx + 6, h - 8.0});
    stroke(cr, rgb(160, 170, 90), 2.4, {cx, 10, cx + 1, 3});
}

void paintPunch(cairo_t* cr, int w, int h) {
    ball(cr, w / 2.0, h - 10.0, 18, 6, rgb(200, 220, 240), 1.8);    // foot
    box(cr, w / 2.0 - 4, h - 26.0, 8, 16, rgb(200, 220, 240), 2, 1.6);
    ball(cr, w / 2.0, 24, 27, 16, rgb(210, 230, 245), 2);             // bowl
    ball(cr, w / 2.0, 16, 22, 6, rgb(230, 70, 90), 1.4);              // the punch
    ball(cr, w / 2.0 - 8, 15, 4, 3, pal::pumpkin, 1);
    limb(cr, pal::metal, 3, w / 2.0 + 8, 14, w / 2.0 + 20, 2);         // ladle
}
