// SPDX-License-Identifier: MIT
// gui.cpp - cursors, the inventory and dialogue interface, inventory icons and
// the window icon. A cursor's top-left corner is the pointer, so every cursor
// points at its own top-left.
#include <cmath>

#include "painters.h"
#include "world/inventory.h"  // the grid the slots are drawn on

namespace {

double pulse(int frame, int frames) { return 0.5 - 0.5 * cos(2 * M_PI * frame / std::max(1, frames)); }

// The shared pointer arrow at the top-left of every verb cursor.
void arrow(cairo_t* cr, Rgb c, double s) {
    flat(cr, c, polyPath({2, 2, 2 + 20 * s, 14 * s + 2, 12 * s + 2, 15 * s + 2, 17 * s + 2, 24 * s + 2, 13 * s + 2, 26 * s + 2, 8 * s + 2, 18 * s + 2, 2, 22 * s + 2}), 2);
}

void hand(cairo_t* cr, double x, double y, double grip) {
    Rgb glove = rgb(250, 240, 220);
    for (int i = 0; i < 4; ++i) {
        double fx = x + i * 6 - 8, len = 12 - grip * 7;
        limb(cr, glove, 5, fx, y, fx + grip * 2, y - len);
    }
    ball(cr, x + 2, y + 6, 12, 10, glove, 1.8);
    limb(cr, glove, 5, x - 10, y + 6, x - 16 + grip * 6, y - 2);
}

}  // namespace

void paintPointerCursor(cairo_t* cr, int, int frame, int frames) {
    arrow(cr, mix(pal::white, pal::yellow, pulse(frame, frames)), 1);
    // two boot prints stepping
    double p = pulse(frame, frames);
    ball(cr, 34, 30 - p * 4, 6, 8, pal::suitLight, 1.6);
    ball(cr, 46, 36 + p * 4 - 4, 6, 8, pal::suitLight, 1.6);
}

void paintTakeCursor(cairo_t* cr, int, int frame, int frames) {
    arrow(cr, pal::white, 0.8);
    hand(cr, 34, 30, pulse(frame, frames));
}

void paintTalkCursor(cairo_t* cr, int, int frame, int) {
    arrow(cr, pal::white, 0.8);
    flat(cr, pal::white, blobPath({18, 18, 50, 14, 53, 30, 40, 38, 30, 38, 22, 46, 24, 36, 16, 30}), 2);
    ball(cr, 35, 27, 8, frame ? 6 : 2, rgb(150, 50, 70), 1.4);
}

void paintLookCursor(cairo_t* cr, int, int frame, int frames) {
    arrow(cr, pal::white, 0.8);
    double blink = frame == frames / 2 ? 0.15 : 1;
    ball(cr, 36, 28, 16, 11 * blink, pal::white, 2);
    if (blink > 0.5) {
        double look = sin(2 * M_PI * frame / frames) * 4;
        ball(cr, 36 + look, 28, 6, 6, rgb(70, 120, 200), 1.4);
        ball(cr, 36 + look, 28, 2.5, 2.5, pal::outline, 0);
    }
}

void paintUseCursor(cairo_t* cr, int, int frame, int frames) {
    arrow(cr, pal::white, 0.8);
    double a = 2 * M_PI * frame / frames / 6;
    std::vector<double> g;
    for (int i = 0; i < 12; ++i) {
        double r = i % 2 ? 10 : 15, t = a + i * M_PI / 6;
        g.push_back(36 + cos(t) * r);
        g.push_back(30 + sin(t) * r);
    }
    flat(cr, pal::metal, polyPath(g), 2);
    ball(cr, 36, 30, 4, 4, pal::outline, 0);
}

void paintWaitCursor(cairo_t* cr, int, int frame, int frames) {
    double a = M_PI * frame / frames;
    cairo_save(cr);
    cairo_translate(cr, 27, 24);
    cairo_rotate(cr, a);
    flat(cr, pal::cream, polyPath({-12, -18, 12, -18, 2, 0, 12, 18, -12, 18, -2, 0}), 2);
    double sand = double(frame) / frames;
    flat(cr, pal::yellow, polyPath({-8 + sand * 6, -14 + sand * 12, 8 - sand * 6, -14 + sand * 12, 0, -2}), 0);
    flat(cr, pal::yellow, polyPath({-10 * sand, 16, 10 * sand, 16, 0, 16 - 12 * sand}), 0);
    box(cr, -15, -22, 30, 5, pal::wood, 2, 1.6);
    box(cr, -15, 17, 30, 5, pal::wood, 2, 1.6);
    cairo_restore(cr);
}

// Click to continue: a little mouse whose button lights up.
void paintClickCursor(cairo_t* cr, int, int frame, int frames) {
    box(cr, 6, 8, 24, 34, pal::white, 11, 2);
    bool lit = frame < frames / 2;
    flat(cr, lit ? pal::pumpkin : pal::cream, roundRectPath(8, 10, 10, 13, 4), 1.4);
    stroke(cr, pal::outline, 1.6, {18, 10, 18, 24});
    stroke(cr, pal::outline, 1.5, {18, 8, 18, 2, 24, 2});
}

void paintNoCursor(cairo_t* cr, int, int frame, int) {
    ball(cr, 12, 12, 8 + frame * 2, 8 + frame * 2, pal::cream, 2);
    stroke(cr, rgb(220, 60, 60), 3, {6, 18, 18, 6});
}

// Arrows turned in 45-degree steps counter-clockwise from straight up.
void paintExitCursor(cairo_t* cr, int column, int frame, int frames) {
    constexpr int kArrowW = 48;
    double a = -(column / kArrowW) * M_PI / 4;
    double p = pulse(frame, frames);
    cairo_save(cr);
    cairo_translate(cr, 24, 24);
    cairo_rotate(cr, a);
    cairo_translate(cr, 0, -p * 4);
    flat(cr, mix(pal::yellow, pal::pumpkin, p), polyPath({0, -20, 17, -2, 7, -2, 7, 18, -7, 18, -7, -2, -17, -2}), 2.2);
    cairo_restore(cr);
}

// The inventory button: the hero's backpack; it glows when an item went in.
void paintInvButton(cairo_t* cr, int, int frame, int frames) {
    double p = frame == 0 ? 0 : pulse(frame, frames);
    if (p > 0) lightPool(cr, 64, 64, 60, 60, pal::yellow, 0.8 * p);
    box(cr, 30, 30, 68, 80, rgb(150, 160, 176), 14, 2.4);
    box(cr, 38, 40, 52, 24, rgb(236, 64, 72), 6, 2);
    box(cr, 40, 72, 48, 30, rgb(120, 130, 150), 6, 2);
    ball(cr, 64, 86, 6, 6, pal::yellow, 1.6);
    outlinedLine(cr, rgb(120, 130, 150), 6, 3, {48, 30, 52, 16, 76, 16, 80, 30});
}

void paintDialogBar(cairo_t* cr, int w, int h) {
    box(cr, 1, 1, w - 2, h + 10, rgb(52, 36, 70), 14, 2.4);
    box(cr, 10, 10, w - 20, h - 20, rgb(40, 28, 56), 10, 1.6);
    garland(cr, 20, 4, w - 20.0, 4, 8, 20);
}

void paintDialogExit(cairo_t* cr, int w, int h) {
    box(cr, 8, 4, w - 16, h - 12, rgb(90, 60, 120), 14, 2.4);
    // a waving hand: goodbye
    cairo_save(cr);
    cairo_translate(cr, w / 2.0, h / 2.0 + 10);
    cairo_rotate(cr, -0.3);
    hand(cr, 0, 0, 0);
    cairo_restore(cr);
    for (int i = 0; i < 2; ++i) {
        cairo_new_path(cr);
        cairo_arc(cr, w / 2.0 - 4, h / 2.0, 30 + i * 8, M_PI * 1.1, M_PI * 1.4);
        setColor(cr, pal::yellow);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
}

void paintPointer(cairo_t* cr, int, int) { arrow(cr, pal::white, 1.1); }

// The inside of the backpack: a padded lining with a slot for every icon, on
// the grid the inventory screen puts its icons on, and the lining around them.
void paintInvScreen(cairo_t* cr, int w, int h) {
    constexpr double kSlotPadX = 6, kSlotPadY = 4;      // slot edge to the 64x48 icon
    constexpr double kSlotW = 64 + 2 * kSlotPadX, kSlotH = 48 + 2 * kSlotPadY;
    constexpr double kStitchMargin = 14;                // slots to the dashed stitching
    constexpr double kLiningMargin = 26;                // slots to the lining's edge
    const double left = kInvGridLeft - kSlotPadX, top = kInvGridTop - kSlotPadY;
    const double right = kInvGridLeft + (kInvColumns - 1) * kInvCellW - kSlotPadX + kSlotW;
    const double bottom = kInvGridTop + (kInvSlotRows - 1) * kInvCellH - kSlotPadY + kSlotH;

    cairo_pattern_t* p = cairo_pattern_create_radial(w / 2.0, h / 2.0, 50, w / 2.0, h / 2.0, 520);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.36, 0.28, 0.5);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.16, 0.12, 0.26);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    // The lining's shadow and highlight are a narrow rim outside the stitching,
    // so its lighter inside holds every slot (a box's usual shading scales with it).
    Shade rim;
    rim.shadow = 0.10;
    rim.highlight = 0.05;
    rim.size = 80;  // an 8 px shadow, a 4 px highlight
    rim.line = 3;
    shape(cr, rgb(90, 72, 120),
          roundRectPath(left - kLiningMargin, top - kLiningMargin, right - left + 2 * kLiningMargin,
                        bottom - top + 2 * kLiningMargin, 24),
          rim);
    // stitching
    cairo_new_path(cr);
    roundRectPath(left - kStitchMargin, top - kStitchMargin, right - left + 2 * kStitchMargin,
                  bottom - top + 2 * kStitchMargin, 18)(cr);
    double dash[] = {8, 6};
    cairo_set_dash(cr, dash, 2, 0);
    setColor(cr, pal::cream);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    for (int row = 0; row < kInvSlotRows; ++row)
        for (int col = 0; col < kInvColumns; ++col)
            box(cr, left + col * kInvCellW, top + row * kInvCellH, kSlotW, kSlotH, rgb(70, 54, 96), 8, 1.6);
    drawHero(cr, 120, 590, 0, -1, 1.0);
    for (int i = 0; i < 3; ++i) pumpkin(cr, 260 + i * 60, 560, 14, i == 1);
    bat(cr, 520, 510, 40, 0.4);
}

void paintWindowIcon(cairo_t* cr, int, int) {
    cairo_scale(cr, 0.3, 0.3);
    drawHero(cr, 53, 106, 0, -1, 1.0);
}

void paintCreditBar(cairo_t* cr, int w, int h) {
    box(cr, 0, 4, w, h - 8, rgb(40, 30, 60), 0, 2);
    garland(cr, 0, 8, w, 8, 10, 24);
}

// The credits draw their title before the background is drawn, so the sky
// leaves the band behind the title see-through, fading into it from below.
constexpr int kCreditsTitleBand = 52;

void paintBlank(cairo_t* cr, int w, int h) {
    gradientRect(cr, 0, 0, w, h, Rgb{0.04, 0.035, 0.07}, Rgb{0.16, 0.08, 0.14});
    stars(cr, w, h, 60, 3);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(cr, 0, 0, w, kCreditsTitleBand);
    cairo_fill(cr);
    cairo_restore(cr);
}

// ---------------------------------------------------------------- inventory icons

void paintIconLolly(cairo_t* cr, int, int) {
    outlinedLine(cr, pal::white, 5, 3, {32, 26, 44, 46});
    ball(cr, 30, 20, 16, 16, rgb(240, 90, 140), 2);
    cairo_new_path(cr);
    for (double t = 0; t < 4 * M_PI; t += 0.2) cairo_line_to(cr, 30 + cos(t) * 14 * t / (4 * M_PI), 20 + sin(t) * 14 * t / (4 * M_PI));
    setColor(cr, pal::white);
    cairo_set_line_width(cr, 2.6);
    cairo_stroke(cr);
}

void paintIconHat(cairo_t* cr, int, int) {
    ball(cr, 32, 40, 28, 6, rgb(80, 50, 110), 1.8);
    flat(cr, rgb(80, 50, 110), polyPath({16, 39, 48, 39, 38, 10, 54, 2, 30, 8}), 1.8);
    box(cr, 17, 30, 30, 7, pal::pumpkin, 2, 1.4);
}

void paintIconTicket(cairo_t* cr, int, int) {
    flat(cr, rgb(250, 220, 120), polyPath({6, 10, 58, 10, 58, 20, 54, 24, 58, 28, 58, 38, 6, 38, 6, 28, 10, 24, 6, 20}), 2);
    stroke(cr, rgb(200, 150, 60), 1.5, {42, 12, 42, 36});
    pumpkin(cr, 24, 34, 9, true);
    bat(cr, 50, 22, 12, 0.5);
}

void paintIconKey(cairo_t* cr, int, int) {
    cairo_new_path(cr);
    cairo_arc(cr, 16, 24, 10, 0, 2 * M_PI);
    strokeOutlined(cr, pal::yellow, 8, 4.5);
    limb(cr, pal::yellow, 5, 27, 24, 56, 24);
    box(cr, 44, 26, 5, 9, pal::yellow, 1, 1.4);
    box(cr, 52, 26, 5, 7, pal::yellow, 1, 1.4);
}

void paintIconTool(cairo_t* cr, int, int) {
    limb(cr, pal::metal, 8, 12, 38, 46, 14);
    ball(cr, 50, 11, 11, 11, pal::metal, 2);
    ball(cr, 54, 7, 5, 5, rgb(90, 80, 100), 0);
}

void paintIconBelt(cairo_t* cr, int, int) {
    ball(cr, 32, 26, 26, 16, rgb(70, 70, 84), 2);
    ball(cr, 32, 26, 16, 8, rgb(110, 110, 130), 1.6);
    ball(cr, 32, 26, 8, 4, rgb(70, 70, 84), 1.4);
}

void paintIconLipstick(cairo_t* cr, int, int) {
    cairo_save(cr);
    cairo_translate(cr, 32, 24);
    cairo_rotate(cr, 0.6);
    box(cr, -7, 2, 14, 18, rgb(220, 190, 80), 2, 1.8);
    box(cr, -5, -6, 10, 9, rgb(200, 200, 210), 1, 1.4);
    flat(cr, rgb(220, 40, 70), polyPath({-5, -6, 5, -6, 5, -18, -5, -13}), 1.6);
    cairo_restore(cr);
}

void paintIconGarlic(cairo_t* cr, int w, int h) {
    cairo_save(cr);
    cairo_translate(cr, 14, 4);
    paintGarlic(cr, 36, 40);
    cairo_restore(cr);
    (void)w, (void)h;
}

void paintIconPunch(cairo_t* cr, int, int) {
    flat(cr, rgb(210, 230, 245), polyPath({18, 10, 46, 10, 42, 42, 22, 42}), 2);
    flat(cr, rgb(230, 70, 90), polyPath({20, 18, 44, 18, 42, 40, 22, 40}), 0);
    cairo_new_path(cr);
    cairo_arc(cr, 48, 24, 7, -M_PI / 2, M_PI / 2);
    setColor(cr, pal::outline);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

void paintIconSandwich(cairo_t* cr, int, int) {
    paintIconBread(cr, 64, 48);
    // a mouse tail and ears peeking out between the slices
    curve(cr, rgb(230, 150, 160), 1.8, 52, 28, 58, 30, 60, 38, 56, 44);
    ball(cr, 14, 22, 5, 5, rgb(180, 170, 180), 1.4);
    ball(cr, 22, 20, 5, 5, rgb(180, 170, 180), 1.4);
}

void paintIconBread(cairo_t* cr, int, int) {
    ball(cr, 32, 28, 26, 14, rgb(210, 150, 80), 2);
    for (int i = 0; i < 3; ++i) stroke(cr, rgb(170, 110, 60), 2, {20.0 + i * 12, 18, 24.0 + i * 12, 26});
}

void paintIconMouse(cairo_t* cr, int, int) {
    cairo_save(cr);
    cairo_translate(cr, 6, 6);
    cairo_scale(cr, 1.0, 1.0);
    paintMouse(cr, 50, 40);
    cairo_restore(cr);
}

void paintIconMop(cairo_t* cr, int, int) {
    cairo_save(cr);
    cairo_translate(cr, 36, 2);
    cairo_rotate(cr, 0.8);
    cairo_scale(cr, 0.7, 0.3);
    paintMop(cr, 40, 180);
    cairo_restore(cr);
}

void paintIconCheese(cairo_t* cr, int, int) {
    cairo_save(cr);
    cairo_translate(cr, 8, 6);
    cairo_scale(cr, 1.2, 1.2);
    paintCheese(cr, 40, 30);
    cairo_restore(cr);
}

void paintIconCape(cairo_t* cr, int, int) {
    flat(cr, rgb(40, 32, 52), polyPath({20, 6, 44, 6, 58, 44, 32, 40, 6, 44}), 2);
    flat(cr, rgb(180, 40, 60), polyPath({24, 8, 40, 8, 44, 20, 20, 20}), 1.4);
    ball(cr, 32, 8, 4, 3, pal::yellow, 1.2);
}
