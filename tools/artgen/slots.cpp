// SPDX-License-Identifier: MIT
// slots.cpp - the saved-games screen and the menu's two buttons for it: the
// menu's night sky, purple plates like the menu's, the chosen slot lit yellow.
#include "painters.h"

namespace {

const Rgb kPlate = rgb(60, 50, 110);      // the outer plate, as the menu's buttons
const Rgb kPlateInner = rgb(90, 70, 150);
const Rgb kWell = rgb(22, 18, 44);        // behind a slot's picture
const Rgb kOff = rgb(70, 66, 88);         // a button that cannot act

// The slot's picture well: 112 x 84 at (6, 6), with a rim around it.
constexpr double kWellX = 4, kWellY = 4, kWellW = 116, kWellH = 88;

void nightSky(cairo_t* cr, double w, double h) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.08, 0.07, 0.2);
    cairo_pattern_add_color_stop_rgb(p, 0.75, 0.24, 0.15, 0.34);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.42, 0.22, 0.26);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
}

void glowFrame(cairo_t* cr, double x, double y, double w, double h, double r, Rgb c, double width) {
    roundRectPath(x, y, w, h, r)(cr);
    setColor(cr, c);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void slotPlate(cairo_t* cr, int w, int h, bool chosen) {
    box(cr, 2, 2, w - 4, h - 4, kPlate, 12, 3);
    box(cr, 8, 8, w - 16, h - 16, chosen ? lighter(kPlateInner, 0.12) : kPlateInner, 9, 1.5);
    box(cr, kWellX, kWellY, kWellW, kWellH, kWell, 4, 2);
    if (chosen) glowFrame(cr, 3, 3, w - 6, h - 6, 12, pal::yellow, 3);
}

void button(cairo_t* cr, int w, int h, Rgb c) {
    box(cr, 2, 2, w - 4, h - 4, c, 12, 2.5);
    box(cr, 7, 6, w - 14, h - 12, lighter(c, 0.08), 9, 1.2);
}

}  // namespace

void paintSlotsBg(cairo_t* cr, int w, int h) {
    nightSky(cr, w, h);
    stars(cr, w, h * 0.8, 160, 91);
    moon(cr, 740, 30, 22);
    hills(cr, w, 520, 30, rgb(46, 36, 66), 35);
    for (int i = 0; i < 9; ++i) {  // the town asleep at the bottom
        double x = 10 + i * 92, roof = 40 + (hash32(i + 7) % 30);
        flat(cr, rgb(34, 28, 48), polyPath({x, 600, x, 600 - roof, x + 35, 580 - roof - 18, x + 70, 600 - roof, x + 70, 600}), 0);
    }
    bat(cr, 560, 24, 30, 0.6);
    pumpkin(cr, 780, 596, 12, true);
}

void paintSlotPlate(cairo_t* cr, int w, int h) { slotPlate(cr, w, h, false); }
void paintSlotPlateChosen(cairo_t* cr, int w, int h) { slotPlate(cr, w, h, true); }
void paintSlotButton(cairo_t* cr, int w, int h) { button(cr, w, h, kPlateInner); }
void paintSlotButtonOff(cairo_t* cr, int w, int h) { button(cr, w, h, kOff); }

void paintSlotConfirm(cairo_t* cr, int w, int h) {
    box(cr, 2, 2, w - 4, h - 4, rgb(40, 34, 80), 16, 3);
    stars(cr, w, h * 0.5, 14, 12);
    moon(cr, w - 30, 26, 10);
    glowFrame(cr, 4, 4, w - 8, h - 8, 15, pal::yellow, 2.5);
}

// A play arrow with a bookmark: on from where the last game stopped.
void paintMenuContinue(cairo_t* cr, int w, int h) {
    box(cr, 2, 2, w - 4, h - 4, kPlate, 16, 3);
    box(cr, 10, 10, w - 20, h - 20, kPlateInner, 12, 2);
    stars(cr, w, h * 0.6, 10, 15);
    flat(cr, pal::cream, polyPath({w * 0.30, h * 0.22, w * 0.52, h * 0.22, w * 0.52, h * 0.78, w * 0.41, h * 0.66,
                                   w * 0.30, h * 0.78}), 2);
    flat(cr, pal::yellow, polyPath({w * 0.58, h * 0.26, w * 0.78, h * 0.5, w * 0.58, h * 0.74}), 2.5);
}

// Three little pictures on a string: the saved games.
void paintMenuSlots(cairo_t* cr, int w, int h) {
    box(cr, 2, 2, w - 4, h - 4, kPlate, 16, 3);
    box(cr, 10, 10, w - 20, h - 20, rgb(40, 34, 80), 12, 2);
    stroke(cr, pal::cream, 1.5, {18, 22, w / 2.0, 16, w - 18.0, 22});
    for (int i = 0; i < 3; ++i) {
        const double x = 28 + i * 46, y = 24 + (i == 1 ? -4 : 0);
        box(cr, x, y, 38, 30, pal::wood, 2, 2);
        gradientRect(cr, x + 4, y + 4, 30, 22, rgb(60, 90, 160), pal::grass);
        ball(cr, x + 26, y + 10, 3, 3, pal::yellow, 0.8);
    }
}
