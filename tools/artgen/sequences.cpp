// SPDX-License-Identifier: MIT
// sequences.cpp - the intro panels and the makers' logo, the crash of the ship,
// and the four story sequences (800 px wide frames, drawn frame by frame).
#include <cmath>

#include "painters.h"

namespace {

constexpr int kPanelW = 616, kPanelH = 552, kPanelStep = 600;
constexpr int kPanels = 6;        // full-colour story panels
constexpr int kCgaPanelY = 3600;  // the first panel again, in CGA colours

double clamp01(double v) { return v < 0 ? 0 : v > 1 ? 1 : v; }
double ease(double t) { return t * t * (3 - 2 * t); }
// progress of t through the frame range [a, b]
double span(int frame, int a, int b) { return clamp01(double(frame - a) / std::max(1, b - a)); }

void saucer(cairo_t* cr, double cx, double cy, double s, double tilt, bool flame) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, tilt);
    cairo_scale(cr, s, s);
    if (flame) {
        flat(cr, rgb(255, 180, 60), blobPath({-20, 14, 20, 14, 10, 60, 0, 80, -10, 60}), 0);
        flat(cr, rgb(255, 240, 150), blobPath({-10, 14, 10, 14, 5, 40, 0, 50, -5, 40}), 0);
    }
    ball(cr, 0, -14, 30, 24, rgb(160, 220, 250), 2.4);
    ball(cr, -6, -20, 9, 6, pal::white, 0);
    ball(cr, 0, 4, 76, 20, pal::metal, 2.6);
    ball(cr, 0, 10, 50, 8, rgb(130, 138, 150), 1.8);
    for (int i = 0; i < 5; ++i) ball(cr, -52 + i * 26, 6, 5, 3.5, i % 2 ? pal::yellow : pal::antennaBall, 1.4);
    cairo_restore(cr);
}

void smokePuff(cairo_t* cr, double x, double y, double r, double a) {
    setColor(cr, rgb(120, 110, 130), a);
    cairo_new_path(cr);
    ellipsePath(x, y, r, r * 0.85)(cr);
    ellipsePath(x + r * 0.6, y - r * 0.3, r * 0.7, r * 0.6)(cr);
    cairo_fill(cr);
}

// Reduro-7: the hamsters' planet with its burrow domes and two moons.
void panelHome(cairo_t* cr) {
    gradientRect(cr, 0, 0, kPanelW, kPanelH, Rgb{0.45, 0.7, 0.95}, Rgb{0.95, 0.8, 0.9});
    ball(cr, 120, 90, 40, 40, rgb(250, 240, 200), 2);
    ball(cr, 200, 60, 18, 18, rgb(250, 190, 210), 2);
    hills(cr, kPanelW, 380, 60, rgb(170, 210, 130), 3);
    hills(cr, kPanelW, 430, 40, rgb(140, 190, 110), 4);
    for (int i = 0; i < 4; ++i) {
        double x = 80 + i * 150, y = 400 + (i % 2) * 30;
        ball(cr, x, y, 50, 36, mix(rgb(250, 200, 140), rgb(200, 160, 240), i / 3.0), 2.4);
        box(cr, x - 12, y, 24, 30, rgb(90, 60, 60), 12, 2);
        ball(cr, x + 20, y - 14, 7, 7, rgb(255, 240, 160), 1.4);
    }
    saucer(cr, 420, 470, 0.9, 0, false);
    drawHero(cr, 300, 520, 0, -1, 1.3);
}

void panelLaunch(cairo_t* cr) {
    setColor(cr, rgb(30, 30, 80));
    cairo_paint(cr);
    stars(cr, kPanelW, kPanelH, 80, 8);
    ball(cr, 300, 700, 420, 260, rgb(170, 210, 130), 2);
    saucer(cr, 320, 200, 1.6, -0.15, true);
    for (int i = 0; i < 5; ++i) smokePuff(cr, 220 + i * 40, 470 - i * 10, 30, 0.7);
    for (int i = 0; i < 3; ++i) drawHero(cr, 100 + i * 40, 520, 0, -1, 0.6 + i * 0.05);  // family waving
}

void panelCola(cairo_t* cr) {
    setColor(cr, rgb(50, 50, 80));
    cairo_paint(cr);
    box(cr, 20, 300, 576, 240, rgb(90, 100, 130), 14, 2.5);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 8; ++c) ball(cr, 70 + c * 66, 350 + r * 50, 12, 10, r == 1 && c % 3 == 0 ? pal::antennaBall : rgb(120, 220, 160), 1.8);
    // the cup tipping and the cola splashing over the buttons
    cairo_save(cr);
    cairo_translate(cr, 300, 250);
    cairo_rotate(cr, 1.1);
    flat(cr, rgb(220, 60, 60), polyPath({-30, -50, 30, -50, 22, 50, -22, 50}), 2.4);
    box(cr, -32, -60, 64, 12, pal::white, 3, 2);
    cairo_restore(cr);
    flat(cr, rgb(110, 60, 30), blobPath({330, 260, 420, 300, 480, 360, 520, 420, 400, 440, 300, 400, 280, 330}), 2);
    for (int i = 0; i < 6; ++i) ball(cr, 420 + i * 22, 290 + (i % 3) * 20, 6, 6, rgb(140, 80, 40), 1.4);
    for (int i = 0; i < 4; ++i) stroke(cr, pal::yellow, 3, {380.0 + i * 40, 460, 390.0 + i * 40, 440, 376.0 + i * 40, 430});
    drawHero(cr, 120, 330, 1, -1, 1.6, 1);
}

void panelApproach(cairo_t* cr) {
    setColor(cr, rgb(20, 18, 50));
    cairo_paint(cr);
    stars(cr, kPanelW, kPanelH, 120, 12);
    // the strange planet at dusk, seen through the window
    cairo_pattern_t* g = cairo_pattern_create_radial(300, 520, 100, 300, 520, 420);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.95, 0.6, 0.3);
    cairo_pattern_add_color_stop_rgb(g, 0.7, 0.4, 0.3, 0.6);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.25, 0.2, 0.45);
    cairo_set_source(cr, g);
    cairo_arc(cr, 300, 620, 380, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    lightPool(cr, 300, 300, 400, 80, rgb(120, 160, 255), 0.3);
    box(cr, 0, 0, kPanelW, 40, rgb(90, 100, 130), 0, 2.5);
    box(cr, 0, 470, kPanelW, 82, rgb(90, 100, 130), 0, 2.5);
    drawHero(cr, 300, 552, 4, -1, 1.4);
}

void panelAlarm(cairo_t* cr) {
    setColor(cr, rgb(120, 30, 40));
    cairo_paint(cr);
    lightPool(cr, 100, 80, 200, 140, rgb(255, 60, 60), 0.8);
    lightPool(cr, 520, 80, 200, 140, rgb(255, 60, 60), 0.8);
    box(cr, 20, 380, 576, 160, rgb(90, 100, 130), 14, 2.5);
    for (int i = 0; i < 6; ++i) stroke(cr, pal::yellow, 3, {60.0 + i * 90, 400, 70.0 + i * 90, 370, 56.0 + i * 90, 350});
    drawHero(cr, 308, 470, 0, -1, 2.4, 1);
}

// A simple barn for the panel that shows the farm from above the fields.
void barnBodyShim(cairo_t* cr) {
    wallPlanks(cr, {380, 380, 520, 380, 520, 470, 380, 470}, pal::barnRed, true, 12);
    roofTiles(cr, {370, 384, 450, 330, 530, 384}, rgb(96, 64, 70));
}

void panelFall(cairo_t* cr) {
    skyGradient(cr, kPanelW, kPanelH, 420);
    hills(cr, kPanelW, 440, 40, rgb(110, 84, 120), 5);
    groundFill(cr, 460, pal::grass, pal::grassDark);
    barnBodyShim(cr);
    for (int i = 0; i < 6; ++i) smokePuff(cr, 540 - i * 45, 60 + i * 35, 14 + i * 4, 0.8);
    saucer(cr, 280, 300, 0.8, 0.7, false);
    flat(cr, rgb(255, 160, 60), blobPath({330, 260, 380, 220, 370, 280, 330, 300}), 1.5);
}

}  // namespace


// The intro strip: six story panels 600 px apart, then the first one in the
// four CGA colours (black, cyan, magenta, white), black staying black.
void paintIntroStrip(cairo_t* cr, int, int) {
    void (*panels[kPanels])(cairo_t*) = {panelHome, panelLaunch, panelCola, panelApproach, panelAlarm, panelFall};
    for (int i = 0; i < kPanels; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 0, i * kPanelStep);
        cairo_rectangle(cr, 0, 0, kPanelW, kPanelH);
        cairo_clip(cr);
        panels[i](cr);
        cairo_restore(cr);
        // a thin frame round every panel
        cairo_rectangle(cr, 1.5, i * kPanelStep + 1.5, kPanelW - 3, kPanelH - 3);
        setColor(cr, pal::outline);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kPanelW, kPanelH);
    cairo_t* c = cairo_create(s);
    panelHome(c);
    cairo_destroy(c);
    cairo_surface_flush(s);
    uint32_t* px = (uint32_t*)cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s) / 4;
    // nearest CGA colour with a crude 2x2 dither
    const uint32_t cga[4] = {0xff000000, 0xff55ffff, 0xffff55ff, 0xffffffff};
    for (int y = 0; y < kPanelH; ++y)
        for (int x = 0; x < kPanelW; ++x) {
            uint32_t p = px[y * stride + x];
            double r = (p >> 16 & 255) / 255.0, g = (p >> 8 & 255) / 255.0, b = (p & 255) / 255.0;
            double l = 0.3 * r + 0.5 * g + 0.2 * b + ((x + y) % 2 ? 0.06 : -0.06);
            int k = l < 0.3 ? 0 : l > 0.82 ? 3 : (r > g ? 2 : 1);
            px[y * stride + x] = cga[k];
        }
    cairo_surface_mark_dirty(s);
    cairo_set_source_surface(cr, s, 0, kCgaPanelY);
    cairo_paint(cr);
    cairo_surface_destroy(s);
}

// The makers' logo: a lantern-lit burrow and the team's name.
void paintTeamLogo(cairo_t* cr, int w, int h) {
    box(cr, 2, 2, w - 4, h - 4, rgb(50, 40, 80), 12, 2.4);
    ball(cr, 36, h / 2.0 + 6, 24, 20, pal::dirt, 2);
    ball(cr, 36, h / 2.0 + 12, 12, 12, rgb(40, 28, 36), 1.6);
    lightPool(cr, 36, h / 2.0 + 10, 14, 12, pal::glow, 0.8);
    const char* name = "Burrowlight";
    cairo_new_path(cr);
    textPath(cr, name, 66, h / 2.0 + 10, 26);
    setColor(cr, pal::outline);
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    setColor(cr, pal::yellow);
    cairo_fill(cr);
    stroke(cr, pal::pumpkin, 3, {66, h / 2.0 + 18, w - 14.0, h / 2.0 + 18});
}

// ---------------------------------------------------------------- the crash

void paintCrashBg(cairo_t* cr, int w, int h) {
    setColor(cr, rgb(14, 12, 40));
    cairo_paint(cr);
    stars(cr, w, h, 220, 21);
    cairo_pattern_t* g = cairo_pattern_create_radial(400, 1000, 500, 400, 1000, 640);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.5, 0.7, 1, 0.9);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.5, 0.7, 1, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 480, 0, 600);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.55, 0.45, 0.6);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.85, 0.55, 0.35);
    cairo_set_source(cr, p);
    cairo_arc(cr, 400, 1000, 520, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    ball(cr, 650, 120, 30, 30, rgb(250, 240, 210), 2);
}

// Column 0: fourteen frames of the fall; column 640: the wobbling flight.
void paintCrash(cairo_t* cr, int column, int frame, int frames) {
    enum { kFall = 0, kFlight = 640 };
    double t = double(frame) / (frames - 1);
    if (column == kFlight) {
        double wob = sin(t * 2 * M_PI);
        for (int i = 0; i < 5; ++i) smokePuff(cr, 470 + i * 34 + (frame % 2) * 6, 150 - i * 22, 10 + i * 4, 0.7);
        saucer(cr, 320, 170 + wob * 10, 0.9, wob * 0.2, false);
        return;
    }
    double x = 560 - ease(t) * 300, y = 40 + ease(t) * 260, s = 0.4 + t * 0.7;
    for (int i = 0; i < 6; ++i) smokePuff(cr, x + 40 + i * 30, y - 20 - i * 18, 8 + i * 4, 0.6);
    flat(cr, rgb(255, 150, 50), blobPath({x + 20, y - 30, x + 70, y - 70, x + 40, y - 10}), 0);
    saucer(cr, x, y, s, t * 4, false);
    if (frame >= frames - 2) lightPool(cr, x, y, 160, 120, rgb(255, 230, 160), 0.9);
}

// Frame 0 shows nothing (the sprite sits over the whole screen from the start);
// three frames of flash, then the crash site the intro rests on.
void paintExplosion(cairo_t* cr, int, int frame, int frames) {
    if (frame == 0) return;
    if (frame == frames - 1) {
        paintSceneBackground(cr, "ScheuneHinten");
        cairo_save(cr);
        cairo_translate(cr, 232, 210);
        paintShip(cr, 230, 150);
        cairo_restore(cr);
        for (int i = 0; i < 6; ++i) smokePuff(cr, 360 + i * 20, 200 - i * 30, 16 + i * 5, 0.5);
        return;
    }
    double r = 140 + frame * 220;
    lightPool(cr, 400, 330, r, r, rgb(255, 250, 220), 1.0);
    lightPool(cr, 400, 330, r * 0.6, r * 0.6, pal::white, 1.0);
    for (int i = 0; i < 12; ++i) {
        double a = i * M_PI / 6 + frame * 0.2;
        flat(cr, rgb(255, 200, 80), polyPath({400, 330, 400 + cos(a - 0.08) * r, 330 + sin(a - 0.08) * r, 400 + cos(a + 0.08) * r, 330 + sin(a + 0.08) * r}), 0);
    }
}

// The cockpit at the bottom of the screen with the panicking hero; the top is
// left clear so the falling ship shows above the dashboard.
void paintCockpit(cairo_t* cr, int, int frame, int) {
    bool red = frame % 2 == 0;
    // window struts
    flat(cr, rgb(80, 90, 120), polyPath({0, 0, 60, 0, 140, 190, 0, 190}), 2.4);
    flat(cr, rgb(80, 90, 120), polyPath({800, 0, 740, 0, 660, 190, 800, 190}), 2.4);
    drawHero(cr, 400, 236 + (frame % 2) * 4, 0, -1, 1.5, 1);  // his suit hides behind the dashboard
    box(cr, -10, 190, 820, 120, rgb(90, 100, 130), 16, 2.6);
    for (int c = 0; c < 10; ++c) ball(cr, 60 + c * 76, 230, 11, 9, (c + frame) % 3 == 0 ? pal::antennaBall : rgb(120, 220, 160), 1.8);
    for (int c = 0; c < 6; ++c) box(cr, 90 + c * 110, 258, 60, 22, rgb(60, 70, 100), 4, 1.8);
    lightPool(cr, 90, 40, 80, 50, red ? rgb(255, 60, 60) : rgb(120, 40, 40), 0.9);
    lightPool(cr, 710, 40, 80, 50, red ? rgb(120, 40, 40) : rgb(255, 60, 60), 0.9);
    ball(cr, 90, 40, 14, 14, red ? rgb(255, 80, 80) : rgb(150, 50, 50), 2);
    ball(cr, 710, 40, 14, 14, red ? rgb(150, 50, 50) : rgb(255, 80, 80), 2);
    // the spilled cola still fizzing on the console
    flat(cr, rgb(110, 60, 30), blobPath({470, 200, 560, 196, 600, 214, 520, 226, 460, 216}), 1.6);
    if (frame % 2) stroke(cr, pal::yellow, 3, {540, 200, 548, 184, 538, 176});
}

// ---------------------------------------------------------------- story sequences

namespace {

void receptionBackdrop(cairo_t* cr) {
    setColor(cr, rgb(190, 210, 200));
    cairo_paint(cr);
    box(cr, 80, 60, 160, 120, pal::cream, 3, 2);
    stroke(cr, rgb(80, 70, 90), 8, {120, 120, 200, 120});
    ball(cr, 640, 110, 50, 50, pal::white, 2);
    stroke(cr, pal::outline, 4, {640, 110, 640, 76});
    stroke(cr, pal::outline, 4, {640, 110, 664, 120});
    garland(cr, 0, 20, 800, 20, 40, 20);
}

void counterFront(cairo_t* cr) {
    box(cr, 40, 400, 720, 30, rgb(230, 220, 200), 4, 2.4);
    box(cr, 60, 428, 680, 160, rgb(70, 150, 150), 4, 2.4);
}

void sandwich(cairo_t* cr, double x, double y, double s, bool bitten) {
    ball(cr, x, y + 6 * s, 30 * s, 12 * s, rgb(210, 150, 80), 2);
    flat(cr, rgb(120, 200, 90), polyPath({x - 28 * s, y, x + 28 * s, y, x + 22 * s, y + 6 * s, x - 22 * s, y + 6 * s}), 1.4);
    ball(cr, x, y - 6 * s, 30 * s, 12 * s, rgb(220, 160, 90), 2);
    if (bitten) ball(cr, x + 26 * s, y - 4 * s, 10 * s, 12 * s, rgb(190, 210, 200), 0);
}

void mouse(cairo_t* cr, double x, double y, double s, double run) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, -s, s);  // runs to the right
    cairo_translate(cr, -25, -40);
    curve(cr, rgb(230, 150, 160), 1.8, 34, 32, 42 + run * 4, 30, 46, 20, 44, 12);
    ball(cr, 24, 27, 13, 10, rgb(170, 160, 170), 1.8);
    ball(cr, 12, 20, 9, 8, rgb(180, 170, 180), 1.8);
    ball(cr, 10, 10, 6, 6, rgb(190, 180, 190), 1.6);
    ball(cr, 6, 19, 2, 2, pal::outline, 0);
    limb(cr, rgb(170, 160, 170), 3, 20, 34, 16 + run * 6, 40);
    limb(cr, rgb(170, 160, 170), 3, 28, 34, 32 - run * 6, 40);
    cairo_restore(cr);
}

}  // namespace

// The studio girl bites into the mouse sandwich; the mouse escapes and she
// storms off. The strip rests on its last frame: the empty counter.
void paintBurgerSeq(cairo_t* cr, int, int frame, int) {
    receptionBackdrop(cr);
    Look l = studioGirlLook(640);
    Pose p;
    p.face = 0.3;
    double lift = span(frame, 0, 5), leave = span(frame, 21, 25);
    p.armR = -0.3 * lift, p.foreR = -0.6 - 2.0 * lift;
    p.armL = 0.2, p.foreL = -0.5;
    p.mouthStyle = frame >= 6 && frame <= 7 ? 2 : 0;
    p.mouth = 0.9;
    if (frame >= 9) p.eyes = 3, p.mouthStyle = 2, p.mouth = 0.5, p.foreR = -1.0, p.armR = 0.3;
    if (frame >= 18) p.mouth = 1, p.armL = 2.6, p.foreL = 3.0, p.armR = 2.6, p.foreR = 3.0, p.blush = 0.6, p.eyes = 4;
    if (frame >= 21) p.face = -1, p.step = sin(frame * 1.5) * 0.6, p.mouthStyle = 1, p.eyes = 4;
    double gx = 400 - leave * 700;
    Hands h{};
    if (frame < 26) h = drawPerson(cr, gx, 770, l, p);  // her waist hides behind the counter
    counterFront(cr);
    if (frame < 9) {
        double sx = frame < 6 ? h.rx : h.mx + 10, sy = frame < 6 ? h.ry - 10 : h.my;
        sandwich(cr, sx, sy, 1.4, frame >= 8);
    } else {
        sandwich(cr, 300, 396, 1.4, true);
    }
    if (frame >= 9 && frame < 18) {
        double run = span(frame, 12, 17);
        double mx = 330 + run * 520, my = 400 - (frame < 12 ? (frame - 9) * 18 : 0);
        mouse(cr, mx, my, 2.0, frame % 2);
    }
    if (frame >= 18 && frame < 21) {  // the scream lines
        for (int i = 0; i < 6; ++i) {
            double a = -M_PI / 2 + (i - 2.5) * 0.35;
            stroke(cr, pal::white, 5, {h.mx + cos(a) * 110, h.my - 120 + sin(a) * 60, h.mx + cos(a) * 170, h.my - 120 + sin(a) * 110});
        }
    }
}

// The fat man on his bench, blissfully licking the lolly.
void paintFatmanSeq(cairo_t* cr, int, int frame, int frames) {
    double t = 2 * M_PI * frame / frames;
    setColor(cr, rgb(200, 190, 220));
    cairo_paint(cr);
    for (int i = 0; i < 3; ++i) box(cr, 40 + i * 260, 40, 220, 200, rgb(170, 200, 220), 4, 2);
    box(cr, -10, 450, 820, 130, rgb(150, 120, 100), 0, 2);
    box(cr, 180, 430, 440, 40, rgb(180, 60, 60), 10, 2.4);
    Look l = fatManLook(620);
    Pose p;
    p.sitting = true;
    p.face = 0.3;
    p.armR = 0.25, p.foreR = -1.9 - sin(t) * 0.12;
    p.armL = 0.5, p.foreL = -0.3;
    p.eyes = 1;
    p.mouthStyle = frame % 3 == 2 ? 0 : 3;
    p.mouth = 0.5;
    p.bob = sin(t) * 4;
    Hands h = drawPerson(cr, 400, 600, l, p);
    // the lolly at his tongue
    double lx = h.mx + 58, ly = h.my - 18;  // beside his tongue, the stick down to his hand
    outlinedLine(cr, pal::white, 8, 5, {lx, ly, h.rx + 4, h.ry - 4});
    lollyCandy(cr, lx, ly, 26, 24, 2.4, 4);
    for (int i = 0; i < 3; ++i) {
        double hy = 200 - ((frame * 20 + i * 60) % 180);
        double hx = 560 + i * 50 + sin(t + i) * 10, s = 10 + i * 3;
        flat(cr, rgb(240, 80, 110), blobPath({hx, hy + s, hx - s, hy, hx - s * 0.5, hy - s * 0.7, hx, hy - s * 0.2, hx + s * 0.5, hy - s * 0.7, hx + s, hy}), 2);
    }
}

// The toilet floods while the janitor flees.
void paintToiletSeq(cairo_t* cr, int, int frame, int) {
    setColor(cr, rgb(170, 200, 210));
    cairo_paint(cr);
    setColor(cr, rgb(140, 170, 184));
    cairo_set_line_width(cr, 2);
    for (int x = 0; x < 800; x += 50) cairo_move_to(cr, x, 0), cairo_line_to(cr, x, 420);
    for (int y = 0; y < 420; y += 50) cairo_move_to(cr, 0, y), cairo_line_to(cr, 800, y);
    cairo_stroke(cr);
    box(cr, -10, 420, 820, 160, rgb(150, 160, 170), 0, 2);
    // the toilet, big
    cairo_save(cr);
    cairo_translate(cr, 80, 100);
    cairo_scale(cr, 2.2, 2.2);
    paintToiletAnim(cr, 131, 0, 4);
    cairo_restore(cr);
    double gush = span(frame, 8, 13);
    if (frame >= 8) {  // the fountain
        double top = 380 - gush * 300;
        flat(cr, rgb(150, 210, 240), blobPath({230, 420, 260, top + 40, 280, top, 300, top + 40, 330, 420}), 2);
        for (int i = 0; i < 8; ++i) {
            double a = -M_PI / 2 + (i - 3.5) * 0.3 + frame * 0.1;
            ball(cr, 280 + cos(a) * 80 * gush, top + 40 + sin(a) * 40 + (i % 2) * 20, 7, 9, rgb(170, 220, 245), 1.6);
        }
    }
    double flood = span(frame, 20, 31);
    if (flood > 0) {
        double level = 560 - flood * 110;
        flat(cr, rgb(130, 190, 230), polyPath({0, level, 800, level - 6, 800, 568, 0, 568}), 2);
        for (int i = 0; i < 8; ++i) stroke(cr, rgb(200, 235, 250), 3, {40.0 + i * 100, level + 20, 70.0 + i * 100, level + 14});
        ball(cr, 520 + flood * 60, level + 6, 22, 10, pal::white, 2);  // floating paper
    }
    // the janitor: plunging, startled, then running off to the right
    Look l = janitorLook(460);
    Pose p;
    double run = span(frame, 20, 27);
    if (frame < 28) {
        double x = 520 + run * 520;
        if (frame < 8) {
            double push = (1 - cos(frame * M_PI / 2)) / 2;
            p.face = -0.8, p.lean = -0.15 - push * 0.1, p.eyes = 4;
            p.armL = -0.7, p.foreL = -1.0 + push * 0.5, p.armR = -1.0, p.foreR = -1.2 + push * 0.5;
        } else if (frame < 20) {
            p.face = -0.6, p.eyes = 3, p.mouthStyle = 2, p.mouth = 1, p.lean = 0.15;
            p.armL = 2.4, p.foreL = 2.9, p.armR = 2.4, p.foreR = 2.9;
            x += span(frame, 14, 19) * 40;
        } else {
            p.face = 1, p.step = sin(frame * 1.6) * 0.8, p.eyes = 3, p.mouthStyle = 2, p.mouth = 1;
            p.armL = 1.2, p.foreL = 2.5, p.armR = 1.2, p.foreR = 2.5, p.lean = 0.2;
        }
        drawPerson(cr, x, 540, l, p);
    }
}

// The burp contest: garlic, punch, the mighty burp, and three kids knocked out.
void paintBurpSeq(cairo_t* cr, int, int frame, int) {
    setColor(cr, rgb(80, 60, 110));
    cairo_paint(cr);
    uint32_t st = 5;
    for (int i = 0; i < 10; ++i) lightPool(cr, rand01(st) * 800, rand01(st) * 300, 70, 70, mix(pal::pumpkin, pal::purple, rand01(st)), 0.5);
    double blast = span(frame, 28, 37);
    for (int i = 0; i < 4; ++i) garland(cr, i * 220.0 - 30, 20, i * 220.0 + 190, 20, 40 + blast * 60 * sin(frame + i), 8);
    box(cr, -10, 460, 820, 120, rgb(150, 100, 70), 0, 2);
    // the two rivals fall back as the burp hits them
    double fall = span(frame, 38, 45);
    for (int k = 0; k < 2; ++k) {
        double x = k == 0 ? 150 : 650;
        double dir = k == 0 ? -1 : 1;
        Look l = partyKidLook(k == 0 ? 1 : 3, 360);
        Pose p;
        p.face = -dir * 0.5;
        p.mouthStyle = frame < 28 ? 4 : 2;
        p.mouth = 0.8;
        p.eyes = frame < 28 ? 0 : frame < 38 ? 3 : 5;
        p.lean = dir * (blast * 0.3 + fall * 1.2);
        p.armL = 0.3 + blast * 1.5, p.foreL = 0.5 + blast * 2;
        p.armR = 0.3 + blast * 1.5, p.foreR = 0.5 + blast * 2;
        if (frame >= 46) {
            // flat on their backs, feet towards the burper, heads to the edges
            cairo_save(cr);
            cairo_translate(cr, k == 0 ? 340 : 460, 526);
            cairo_rotate(cr, dir * M_PI / 2);
            cairo_scale(cr, 0.8, 0.8);
            p.lean = 0;
            drawPerson(cr, 0, 0, l, p);
            cairo_restore(cr);
        } else {
            drawPerson(cr, x + dir * blast * 60, 560, l, p);
        }
    }
    // the burper in the middle
    Look l = partyKidLook(2, 380);
    Pose p;
    p.face = 0.1;
    double eat = span(frame, 0, 9), drink = span(frame, 10, 19), swell = span(frame, 20, 27);
    if (frame < 10) p.armR = -0.3 * eat, p.foreR = -0.5 - 2.1 * eat, p.mouthStyle = 2, p.mouth = 0.3 + (frame % 2) * 0.4;
    else if (frame < 20) p.armR = -0.3, p.foreR = -2.6, p.eyes = 1, p.lean = -0.1 * drink;
    else if (frame < 28) p.blush = swell, p.eyes = 3, p.mouthStyle = 5, p.armL = 0.6, p.foreL = 1.0, p.armR = 0.6, p.foreR = 1.0, p.bob = swell * 10;
    else p.mouthStyle = 2, p.mouth = frame < 38 ? 1.0 : 0.3, p.eyes = frame < 38 ? 1 : 4, p.mouthStyle = frame < 38 ? 2 : 4;
    l.girth += swell * (frame < 28 ? 0.6 : 0);
    Hands h = drawPerson(cr, 400, 560, l, p);
    if (frame < 10) {
        cairo_save(cr);
        cairo_translate(cr, h.rx - 18, h.ry - 30);
        paintGarlic(cr, 36, 36);
        cairo_restore(cr);
    } else if (frame < 20) {
        box(cr, h.rx - 14, h.ry - 24, 28, 34, rgb(230, 80, 80), 4, 2);
    }
    if (frame >= 28 && frame < 40) {  // the shockwave
        for (int i = 0; i < 4; ++i) {
            double r = 30 + (frame - 28) * 40 + i * 30;
            cairo_new_path(cr);
            cairo_arc(cr, h.mx, h.my, r, 0, 2 * M_PI);
            setColor(cr, rgb(170, 240, 120), 0.9 - i * 0.2);
            cairo_set_line_width(cr, 8 - i);
            cairo_stroke(cr);
        }
    }
    if (frame >= 46) {  // dizzy stars round the fallen kids
        for (int k = 0; k < 2; ++k)
            for (int s = 0; s < 3; ++s)
                ball(cr, (k ? 720 : 80) + cos(s * 2.1 + frame) * 40, 480 + sin(s * 2.1 + frame) * 10, 6, 6, pal::yellow, 1.6);
    }
}
