// SPDX-License-Identifier: MIT
// backgrounds.cpp - the scene pictures. Each leaves room for the objects the
// content places in it, draws its doorways and paths where the exits lie, and
// its floor from the same polygons as the walk map.
#include <cmath>

#include "painters.h"

namespace {

struct Rect {
    double x, y, w, h;
};

void hayBale(cairo_t* cr, double x, double y, double w, double h) {
    box(cr, x, y, w, h, rgb(226, 184, 92), 8, 2);
    setColor(cr, rgb(180, 136, 60), 0.8);
    cairo_set_line_width(cr, 1.2);
    for (int i = 1; i < 6; ++i) {
        cairo_move_to(cr, x + 4, y + h * i / 6.0);
        cairo_line_to(cr, x + w - 4, y + h * i / 6.0 + 2);
    }
    cairo_stroke(cr);
    stroke(cr, rgb(120, 80, 50), 2, {x + w * 0.3, y, x + w * 0.3, y + h});
    stroke(cr, rgb(120, 80, 50), 2, {x + w * 0.7, y, x + w * 0.7, y + h});
}

void lamp(cairo_t* cr, double x, double y) {
    lightPool(cr, x, y + 8, 60, 50, pal::glow, 0.45);
    box(cr, x - 7, y, 14, 18, rgb(255, 214, 120), 3, 1.6);
    box(cr, x - 9, y - 4, 18, 5, rgb(70, 60, 70), 1, 1.4);
}

void pumpkinRow(cairo_t* cr, double x, double y, int n, double r, uint32_t seed) {
    uint32_t st = seed;
    for (int i = 0; i < n; ++i) pumpkin(cr, x + i * r * 2.1, y + rand01(st) * 4, r * (0.8 + rand01(st) * 0.4), (i % 2) == 0);
}

// The cart ruts and stepping stones of the farmyard: where the farmer goes.
void yardTracks(cairo_t* cr) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int k = 0; k < 2; ++k) {  // two ruts curving in from the lane on the right
        double off = k * 46;
        setColor(cr, pal::dirtDark, 0.35);
        cairo_set_line_width(cr, 12 + k * 3);
        cairo_move_to(cr, 820, 420 + off);
        cairo_curve_to(cr, 620, 430 + off, 520, 500 + off * 1.4, 380, 620);
        cairo_stroke(cr);
        setColor(cr, lighter(pal::dirt, 0.25), 0.4);
        cairo_set_line_width(cr, 3);
        cairo_move_to(cr, 820, 414 + off);
        cairo_curve_to(cr, 620, 424 + off, 520, 494 + off * 1.4, 374, 620);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    // stepping stones from the porch steps into the yard
    const double stones[][3] = {{236, 404, 14}, {218, 432, 16}, {244, 466, 18}, {220, 506, 20}, {246, 552, 22}};
    for (const auto& st : stones) {
        ball(cr, st[0], st[1], st[2] * 1.5, st[2] * 0.55, pal::stone, 1.8);
        setColor(cr, lighter(pal::stone, 0.4), 0.7);
        cairo_new_path(cr);
        ellipsePath(st[0] - st[2] * 0.4, st[1] - st[2] * 0.18, st[2] * 0.7, st[2] * 0.16)(cr);
        cairo_fill(cr);
    }
    // straw blown off the hay
    uint32_t seed = 77;
    for (int k = 0; k < 40; ++k) {
        double x = 300 + rand01(seed) * 480, y = 410 + rand01(seed) * 180, a = rand01(seed) * M_PI, l = 6 + rand01(seed) * 6;
        stroke(cr, rgb(226, 196, 110), 1.5, {x, y, x + cos(a) * l, y + sin(a) * l * 0.4});
    }
}

// A water cooler against the wall, its foot on the floor line.
void waterCooler(cairo_t* cr, double x, double floorY) {
    box(cr, x - 22, floorY - 96, 44, 96, rgb(220, 226, 236), 4, 2);
    box(cr, x - 14, floorY - 60, 28, 8, rgb(150, 160, 180), 2, 1.4);
    box(cr, x - 6, floorY - 64, 12, 8, rgb(90, 100, 120), 2, 1.2);
    ball(cr, x, floorY - 124, 20, 28, rgb(140, 200, 240), 2);  // the bottle
    setColor(cr, pal::white, 0.6);
    cairo_new_path(cr);
    ellipsePath(x - 8, floorY - 132, 4, 12)(cr);
    cairo_fill(cr);
}

// A drain in the school yard.
void drainGrate(cairo_t* cr, double cx, double cy) {
    box(cr, cx - 26, cy - 9, 52, 18, rgb(90, 90, 100), 2, 1.8);
    for (int k = -2; k <= 2; ++k) stroke(cr, rgb(40, 36, 48), 3, {cx + k * 9, cy - 5, cx + k * 9, cy + 5});
}

void barnBody(cairo_t* cr, double x0, double x1, double top, double baseL, double baseR) {
    wallPlanks(cr, {x0, top, x1, top, x1, baseR, x0, baseL}, pal::barnRed, true, 16);
    // white trim on the corners
    outlinedLine(cr, pal::cream, 10, 6, {x0 + 4, top, x0 + 4, baseL});
    outlinedLine(cr, pal::cream, 10, 6, {x1 - 4, top, x1 - 4, baseR});
}

// A brick front: the wall, then mortar courses every 12 px, kept inside the
// wall's outline (2 px in from the sides, 10 from the top, 4 from the bottom).
void brickWall(cairo_t* cr, int x, int y, int w, int h, Rgb brick, Rgb mortar) {
    box(cr, x, y, w, h, brick, 2, 2.2);
    setColor(cr, mortar, 0.8);
    cairo_set_line_width(cr, 1);
    for (int cy = y + 10; cy < y + h - 4; cy += 12) {
        cairo_move_to(cr, x + 2, cy);
        cairo_line_to(cr, x + w - 2, cy);
    }
    cairo_stroke(cr);
}

void townHouse(cairo_t* cr, double x, double base, double w, double h, Rgb wall, Rgb roof, uint32_t seed) {
    wallPlanks(cr, {x, base - h, x + w, base - h, x + w, base, x, base}, wall, false, 12);
    roofTiles(cr, {x - 10, base - h + 2, x + w / 2, base - h - w * 0.45, x + w + 10, base - h + 2}, roof);
    uint32_t st = seed;
    int n = std::max(1, int(w / 60));
    for (int i = 0; i < n; ++i) {
        double wx = x + (i + 0.5) * w / n - 14;
        if (rand01(st) < 0.75) {
            windowLit(cr, wx, base - h + 20, 28, 30, pal::cream);
        } else {
            box(cr, wx, base - h + 20, 28, 30, rgb(60, 56, 90), 2, 1.6);
        }
    }
}

}  // namespace

// ---------------------------------------------------------------- behind the barn

void paintScheuneHintenBg(cairo_t* cr, int, int) {
    duskSky(cr, 330, 11);
    hills(cr, 800, 330, 40, rgb(110, 84, 120), 3);
    hills(cr, 800, 360, 30, rgb(96, 100, 70), 5);
    groundFill(cr, 350, pal::grass, pal::grassDark);
    tree(cr, 720, 380, 230, 4, rgb(210, 110, 40));
    tree(cr, 90, 400, 200, 9, rgb(190, 140, 50));
    fence(cr, 640, 395, 800, 410, 36, 5);
    floorPatch(cr, "ScheuneHinten", pal::dirt, true);
    // the barn seen from behind; its right corner hides the way to the front
    barnBody(cr, 250, 560, 150, 395, 392);
    roofTiles(cr, {232, 158, 405, 42, 578, 158}, rgb(96, 64, 70));
    // hayloft opening with the pulley beam
    doorway(cr, 430, 168, 80, 70, pal::cream, rgb(70, 46, 40));
    hayBale(cr, 440, 200, 60, 38);
    box(cr, 466, 140, 10, 30, pal::woodDark, 2, 1.6);
    box(cr, 440, 134, 64, 10, pal::wood, 2, 1.6);
    ball(cr, 471, 160, 8, 8, pal::metal, 1.6);
    // the way round the corner
    flat(cr, lighter(pal::dirt, 0.1), polyPath({560, 392, 600, 300, 640, 300, 662, 380, 640, 392}), 0);
    hayBale(cr, 500, 352, 56, 40);
    // the mound the ship ploughed up on landing; the ship sits in it
    flat(cr, pal::dirtDark, blobPath({180, 402, 220, 352, 300, 330, 400, 336, 470, 352, 500, 400, 340, 410}), 2.2);
    flat(cr, pal::dirt, blobPath({200, 398, 240, 360, 310, 342, 390, 346, 450, 362, 470, 396, 340, 402}), 0);
    grassTufts(cr, {180, 402, 220, 352, 300, 330, 400, 336, 470, 352, 500, 400}, 25, 7, pal::grassDark);
    pumpkinRow(cr, 120, 470, 3, 14, 21);
    garland(cr, 262, 160, 420, 150, 30, 7);
    bat(cr, 140, 90, 40, 0.2);
    bat(cr, 640, 120, 30, 0.8);
}

// ---------------------------------------------------------------- barn front

namespace {
const Rect kBarnDoor{336, 263, 128, 180};  // the exit picture shows it open
}

void paintScheuneVorneBg(cairo_t* cr, int, int) {
    duskSky(cr, 300, 12);
    hills(cr, 800, 300, 40, rgb(110, 84, 120), 8);
    groundFill(cr, 290, pal::grass, pal::grassDark);
    tree(cr, 70, 430, 260, 2, rgb(214, 120, 40));
    fence(cr, 0, 470, 130, 450, 34, 4);
    floorPatch(cr, "ScheuneVorne", pal::dirt, true);
    // front wall, nearer on the left: its base runs from (250, 450) to (780, 426)
    barnBody(cr, 250, 780, 150, 450, 426);
    roofTiles(cr, {226, 158, 515, 40, 804, 158}, rgb(96, 64, 70));
    // gable window and the big door
    windowLit(cr, 490, 80, 50, 44, pal::cream);
    closedDoor(cr, kBarnDoor.x, kBarnDoor.y, kBarnDoor.w, kBarnDoor.h, pal::barnRedDark);
    stroke(cr, pal::cream, 5, {kBarnDoor.x, kBarnDoor.y, kBarnDoor.x + kBarnDoor.w, kBarnDoor.y + kBarnDoor.h});
    stroke(cr, pal::cream, 5, {kBarnDoor.x + kBarnDoor.w, kBarnDoor.y, kBarnDoor.x, kBarnDoor.y + kBarnDoor.h});
    // the mouse hole at the wall's foot
    flat(cr, rgb(40, 28, 36), blobPath({700, 430, 704, 412, 716, 404, 728, 412, 732, 430}), 1.6);
    lamp(cr, 300, 220);
    lamp(cr, 500, 220);
    hayBale(cr, 560, 370, 80, 56);
    pumpkinRow(cr, 600, 440, 3, 15, 31);
    pumpkin(cr, 280, 470, 18, true);
    garland(cr, 270, 160, 780, 160, 40, 14);
    bat(cr, 640, 60, 36, 0.3);
    bat(cr, 180, 110, 28, 0.9);
}

// ---------------------------------------------------------------- the field

void paintScheuneFernBg(cairo_t* cr, int, int) {
    duskSky(cr, 250, 13);
    hills(cr, 800, 250, 30, rgb(120, 90, 126), 10);
    groundFill(cr, 240, rgb(150, 130, 60), rgb(110, 96, 44));
    // the barn far away at the end of the path
    barnBody(cr, 290, 420, 190, 262, 262);
    roofTiles(cr, {282, 193, 355, 140, 428, 193}, rgb(96, 64, 70));
    closedDoor(cr, 340, 220, 30, 42, pal::barnRedDark);
    tree(cr, 520, 270, 120, 7, rgb(210, 110, 40));
    tree(cr, 200, 260, 100, 8, rgb(200, 150, 50));
    // rows of dry corn
    uint32_t st = 99;
    for (int row = 0; row < 7; ++row) {
        double y = 290 + row * row * 5.5 + row * 10;
        for (int i = 0; i < 16; ++i) {
            double x = i * 52 + (row % 2) * 26 + rand01(st) * 10;
            double h = 20 + row * 9;
            stroke(cr, rgb(150, 120, 50), 2 + row * 0.4, {x, y, x + 2, y - h});
            stroke(cr, rgb(206, 170, 80), 1.5 + row * 0.2, {x + 1, y - h * 0.6, x + 10 + row, y - h * 0.8});
            stroke(cr, rgb(206, 170, 80), 1.5 + row * 0.2, {x + 1, y - h * 0.4, x - 9 - row, y - h * 0.55});
        }
    }
    floorPatch(cr, "ScheuneFern", pal::dirt, true);
    pumpkinRow(cr, 560, 560, 4, 20, 41);
    pumpkinRow(cr, 620, 470, 3, 14, 43);
    bat(cr, 120, 80, 36, 0.5);
    bat(cr, 700, 150, 26, 0.1);
}

// ---------------------------------------------------------------- inside the barn

void paintScheuneInnenBg(cairo_t* cr, int, int) {
    wallPlanks(cr, {0, 0, 800, 0, 800, 460, 0, 460}, rgb(120, 76, 50), true, 22);
    // roof beams and light falling through the gaps
    for (int i = 0; i < 4; ++i) box(cr, -10, 40 + i * 90, 820, 14, pal::woodDark, 2, 1.6);
    box(cr, 120, 0, 22, 460, pal::woodDark, 2, 1.6);
    box(cr, 660, 0, 22, 460, pal::woodDark, 2, 1.6);
    groundFill(cr, 440, rgb(130, 96, 60), rgb(100, 70, 46));
    floorPatch(cr, "ScheuneInnen", rgb(170, 130, 80), false);
    for (int i = 0; i < 3; ++i) {
        cairo_new_path(cr);
        polyPath({200.0 + i * 180, 0, 230.0 + i * 180, 0, 330.0 + i * 180, 600, 270.0 + i * 180, 600})(cr);
        setColor(cr, pal::glow, 0.12);
        cairo_fill(cr);
    }
    hayBale(cr, 560, 360, 110, 70);
    hayBale(cr, 620, 300, 100, 60);
    hayBale(cr, 30, 380, 90, 66);
    // the pulley generator: a drum, a crank wheel and the slot where a belt runs
    box(cr, 230, 330, 140, 110, rgb(120, 126, 138), 8, 2.2);
    ball(cr, 262, 372, 26, 26, pal::metal, 2);
    ball(cr, 262, 372, 8, 8, pal::stoneDark, 1.6);
    box(cr, 284, 392, 74, 66, rgb(60, 58, 70), 4, 2);
    box(cr, 330, 300, 30, 34, rgb(200, 60, 50), 4, 2);
    ball(cr, 345, 312, 6, 6, rgb(250, 230, 120), 1.2);
    stroke(cr, rgb(80, 70, 70), 4, {360, 350, 420, 300, 430, 120});
    lamp(cr, 430, 110);
    pumpkin(cr, 720, 470, 18, true);
}

// ---------------------------------------------------------------- farmhouse

namespace {
const Rect kFarmDoor{198, 234, 88, 94};  // where the door sequence plays
}

void paintFarmhausBg(cairo_t* cr, int, int) {
    duskSky(cr, 330, 14);
    hills(cr, 800, 330, 36, rgb(110, 84, 120), 12);
    groundFill(cr, 330, pal::grass, pal::grassDark);
    tree(cr, 640, 380, 240, 12, rgb(214, 110, 40));
    fence(cr, 470, 390, 800, 400, 34, 8);
    floorPatch(cr, "Farmhaus", pal::dirt, true);
    yardTracks(cr);
    // the house: walls, roof, porch with steps
    wallPlanks(cr, {110, 130, 450, 130, 450, 352, 110, 352}, rgb(226, 206, 160), false, 14);
    roofTiles(cr, {90, 140, 280, 20, 470, 140}, rgb(120, 66, 58));
    windowLit(cr, 255, 60, 40, 40, pal::cream);
    windowLit(cr, 340, 236, 60, 56, pal::cream);
    doorway(cr, kFarmDoor.x + 6, kFarmDoor.y, kFarmDoor.w - 12, kFarmDoor.h, pal::wood, rgb(50, 36, 40));
    closedDoor(cr, kFarmDoor.x + 6, kFarmDoor.y, kFarmDoor.w - 12, kFarmDoor.h, pal::wood);
    box(cr, 100, 338, 360, 16, pal::woodLight, 2, 2);   // porch floor
    box(cr, 180, 354, 120, 14, pal::wood, 2, 2);        // steps
    box(cr, 170, 368, 140, 14, pal::woodLight, 2, 2);
    for (double x : {110.0, 300.0, 446.0}) box(cr, x - 5, 170, 10, 170, pal::woodLight, 2, 1.6);
    box(cr, 100, 162, 360, 12, pal::wood, 2, 1.8);     // porch roof edge
    // the hook by the door where the key hangs
    stroke(cr, pal::outline, 3, {262, 276, 262, 270, 268, 270});
    garland(cr, 110, 176, 446, 176, 26, 10);
    pumpkinRow(cr, 330, 334, 3, 12, 51);
    pumpkin(cr, 150, 388, 16, true);
    // the way behind the house on the left
    flat(cr, lighter(pal::dirt, 0.08), polyPath({0, 392, 0, 300, 40, 250, 100, 250, 108, 392}), 0);
    bush(cr, 60, 250, 70, rgb(120, 110, 50));
    lamp(cr, 205, 200);
    bat(cr, 560, 80, 34, 0.4);
}

void paintDoorDark(cairo_t* cr, int w, int h) {
    // the hall behind the farmhouse door, lit from within
    box(cr, 1, 1, w - 2, h - 1, rgb(70, 48, 46), 1, 1.5);
    lightPool(cr, w / 2.0, h * 0.8, w * 0.5, h * 0.4, pal::glow, 0.5);
    box(cr, 10, 20, 20, 30, rgb(120, 90, 60), 2, 1.2);  // a picture frame
}

// ---------------------------------------------------------------- behind the farmhouse

void paintFarmhausHintenBg(cairo_t* cr, int, int) {
    duskSky(cr, 320, 15);
    hills(cr, 800, 320, 30, rgb(110, 84, 120), 14);
    groundFill(cr, 320, pal::grass, pal::grassDark);
    wallPlanks(cr, {0, 80, 560, 80, 560, 432, 0, 440}, rgb(214, 194, 150), false, 14);
    roofTiles(cr, {-20, 90, 120, -20, 580, -20, 580, 90}, rgb(120, 66, 58));
    windowLit(cr, 90, 200, 60, 60, pal::cream);
    windowLit(cr, 420, 190, 56, 56, pal::cream);
    // back steps where the girl sits
    box(cr, 230, 392, 170, 22, pal::woodLight, 2, 2);
    box(cr, 220, 414, 190, 22, pal::wood, 2, 2);
    closedDoor(cr, 262, 236, 90, 156, pal::wood);
    // the corner of the house and the way round it to the front
    flat(cr, lighter(pal::dirt, 0.08), polyPath({595, 440, 620, 340, 700, 340, 715, 440}), 0);
    tree(cr, 740, 420, 250, 16, rgb(220, 120, 40));
    floorPatch(cr, "FarmhausHinten", pal::dirt, true);
    // a washing line between house and tree
    garland(cr, 560, 120, 730, 180, 20, 0);
    flat(cr, rgb(140, 80, 150), polyPath({600, 128, 630, 132, 628, 170, 602, 166}), 1.6);
    flat(cr, rgb(230, 200, 90), polyPath({650, 140, 676, 146, 674, 176, 648, 170}), 1.6);
    pumpkinRow(cr, 90, 470, 3, 16, 61);
    bat(cr, 620, 60, 30, 0.6);
}

// ---------------------------------------------------------------- crossroads

namespace {

const Rgb kSquareStone = rgb(184, 166, 150);
// Where the road from the farm to the school crosses the one from the lane to
// the gym: the middle of the square.
constexpr double kCrossX = 480, kCrossY = 430;

// A flat ellipse in the square's perspective (rx across, ry deep).
PathFn groundEllipse(double cx, double cy, double rx) { return ellipsePath(cx, cy, rx, rx * 0.3); }

// The things on the square the hero walks over: the roads worn darker by the
// carts, a stone star where they cross pointing down the four ways, a drain
// cover, a puddle holding the sky, and the leaves of the tree on the lane.
void townSquare(cairo_t* cr) {
    setColor(cr, rgb(90, 80, 96), 0.3);
    polyPath({0, 392, 800, 402, 800, 472, 0, 458})(cr);        // farm to school
    polyPath({380, 600, 440, 312, 520, 312, 620, 600})(cr);    // lane to gym
    cairo_fill(cr);
    // the star: a ring of light stone and four points along the roads
    const Rgb light = lighter(kSquareStone, 0.3), dark = darker(kSquareStone, 0.25);
    flat(cr, dark, groundEllipse(kCrossX, kCrossY, 96), 1.6);
    flat(cr, light, groundEllipse(kCrossX, kCrossY, 84), 1.4);
    flat(cr, kSquareStone, groundEllipse(kCrossX, kCrossY, 64), 1.4);
    const double kPoint = 120, kWaist = 14;
    flat(cr, rgb(170, 96, 70), polyPath({kCrossX - kPoint, kCrossY, kCrossX - kWaist, kCrossY - kWaist * 0.3, kCrossX + kPoint, kCrossY,
                                        kCrossX + kWaist, kCrossY + kWaist * 0.3}), 1.4);
    flat(cr, rgb(206, 150, 84), polyPath({kCrossX, kCrossY - kPoint * 0.3, kCrossX + kWaist, kCrossY, kCrossX, kCrossY + kPoint * 0.3,
                                         kCrossX - kWaist, kCrossY}), 1.4);
    flat(cr, light, groundEllipse(kCrossX, kCrossY, 12), 1.2);
    // the drain cover with its ribs
    const double dx = 226, dy = 528, dr = 34;
    flat(cr, rgb(96, 92, 104), groundEllipse(dx, dy, dr), 1.8);
    flat(cr, rgb(126, 120, 132), groundEllipse(dx, dy - 1, dr - 6), 1.2);
    for (int i = -2; i <= 2; ++i) stroke(cr, rgb(90, 86, 98), 2, {dx + i * 9 - 4, dy - 6, dx + i * 9 + 4, dy + 6});
    // a puddle from the afternoon's rain, lit by the sky above
    flat(cr, rgb(112, 118, 158), blobPath({642, 548, 676, 536, 730, 540, 752, 554, 720, 566, 664, 564}), 1.4);
    stroke(cr, lighter(pal::skyLow, 0.3), 2, {672, 546, 700, 544});
    stroke(cr, lighter(pal::skyLow, 0.3), 2, {712, 556, 732, 555});
    // leaves blown from the tree by the lane across the square
    uint32_t st = hash32(0x4b72);
    for (int i = 0; i < 26; ++i) {
        double y = 310 + rand01(st) * rand01(st) * 290, x = rand01(st) * 800;
        Rgb c = mix(pal::pumpkin, rgb(200, 90, 40), rand01(st));
        fallenLeaf(cr, x, y, 3 + (y - 300) / 60, rand01(st) * M_PI, c);
    }
}

}  // namespace

void paintKreuzungBg(cairo_t* cr, int, int) {
    duskSky(cr, 260, 16);
    hills(cr, 800, 250, 30, rgb(110, 84, 120), 17);
    // the old lady's lane leads up between the houses on the left, to her
    // cottage far away
    flat(cr, pal::grass, polyPath({130, 310, 130, 70, 300, 70, 300, 310}), 0);
    wallPlanks(cr, {176, 70, 250, 70, 250, 110, 176, 110}, rgb(210, 180, 200), false, 8);
    roofTiles(cr, {168, 72, 213, 36, 258, 72}, rgb(80, 70, 110));
    windowLit(cr, 204, 82, 14, 14, pal::cream);
    flat(cr, pal::dirtLight, polyPath({160, 310, 200, 110, 226, 110, 280, 310}), 1.6);
    grassTufts(cr, {130, 310, 130, 120, 200, 120, 160, 310}, 30, 3, pal::grassDark);
    grassTufts(cr, {280, 310, 226, 120, 300, 120, 300, 310}, 30, 4, pal::grassDark);
    for (int i = 0; i < 5; ++i) {  // hedges soften the edges of the lane's green
        bush(cr, 136 + i * 9, 120 + i * 40, 30 + i * 4, rgb(110, 120, 50));
        bush(cr, 296 - i * 9, 130 + i * 40, 30 + i * 4, rgb(130, 110, 46));
    }
    townHouse(cr, -10, 270, 150, 150, rgb(150, 170, 200), rgb(90, 60, 90), 1);
    townHouse(cr, 300, 270, 170, 160, rgb(220, 190, 130), rgb(150, 60, 50), 2);
    townHouse(cr, 480, 275, 160, 140, rgb(190, 130, 150), rgb(80, 70, 110), 3);
    townHouse(cr, 650, 280, 170, 150, rgb(170, 190, 140), rgb(140, 80, 50), 4);
    tree(cr, 120, 300, 150, 21, rgb(210, 110, 40));
    groundFill(cr, 270, rgb(150, 140, 130), rgb(120, 110, 110));
    box(cr, -4, 268, 808, 12, rgb(130, 120, 126), 0, 1.6);  // kerb along the houses
    flat(cr, pal::dirtLight, polyPath({160, 310, 172, 278, 262, 278, 280, 310}), 0);
    floorPatch(cr, "Kreuzung", rgb(176, 156, 140), false);
    pavingSlabs(cr, "Kreuzung", kSquareStone, 470, 150, 56);
    onFloor(cr, "Kreuzung", [&] { townSquare(cr); });
    // lamp posts with garlands across the square
    for (double x : {310.0, 720.0}) {
        box(cr, x - 4, 190, 8, 110, rgb(60, 60, 80), 2, 1.6);
        lamp(cr, x, 178);
    }
    garland(cr, 310, 196, 720, 196, 50, 16);
    garland(cr, 0, 180, 310, 196, 30, 8);
    pumpkinRow(cr, 20, 300, 2, 14, 71);
    pumpkinRow(cr, 680, 316, 3, 14, 73);
    // the ways out: to the farm on the right, the school on the left, the gym below
    fence(cr, 0, 300, 60, 300, 24, 3);
    bat(cr, 520, 60, 40, 0.2);
    bat(cr, 600, 100, 28, 0.7);
    bat(cr, 80, 40, 30, 0.5);
}

// ---------------------------------------------------------------- gym outside

namespace {
const Rect kGymDoor{216, 216, 104, 160};
}

void paintStudioAussenBg(cairo_t* cr, int, int) {
    duskSky(cr, 200, 17);
    // brick facade with big windows
    brickWall(cr, 60, 80, 760, 290, rgb(176, 92, 70), rgb(140, 70, 56));
    box(cr, 50, 70, 770, 22, rgb(90, 90, 110), 2, 2);
    for (double x : {380.0, 590.0}) {
        windowLit(cr, x, 150, 170, 150, rgb(90, 90, 110));
        // a dumbbell in the window instead of a sign
        stroke(cr, rgb(70, 60, 80), 6, {x + 50, 225, x + 120, 225});
        box(cr, x + 40, 205, 14, 40, rgb(70, 60, 80), 3, 1.5);
        box(cr, x + 116, 205, 14, 40, rgb(70, 60, 80), 3, 1.5);
    }
    doorway(cr, kGymDoor.x, kGymDoor.y, kGymDoor.w, kGymDoor.h, rgb(90, 90, 110), rgb(220, 170, 110));
    // a painted dumbbell emblem over the door
    ball(cr, kGymDoor.x + kGymDoor.w / 2, 150, 34, 34, pal::yellow, 2);
    stroke(cr, pal::outline, 7, {kGymDoor.x + 30, 150, kGymDoor.x + 74, 150});
    box(cr, kGymDoor.x + 26, 136, 8, 28, pal::outline, 2, 0);
    box(cr, kGymDoor.x + 70, 136, 8, 28, pal::outline, 2, 0);
    groundFill(cr, 366, rgb(150, 146, 150), rgb(120, 116, 124));
    floorPatch(cr, "FitnessStudioAussen", rgb(170, 166, 170), false);
    box(cr, 0, 360, 800, 8, rgb(110, 104, 114), 0, 1.5);
    // paving slabs on the pavement, then the kerb and the street below it
    setColor(cr, rgb(140, 136, 144), 0.8);
    cairo_set_line_width(cr, 1.2);
    for (int i = 0; i < 4; ++i) cairo_move_to(cr, 0, 390 + i * i * 8 + i * 12), cairo_line_to(cr, 800, 390 + i * i * 8 + i * 12);
    for (int i = -8; i < 20; ++i) cairo_move_to(cr, i * 60.0, 368), cairo_line_to(cr, i * 60.0 - (i - 6) * 14, 470);
    cairo_stroke(cr);
    box(cr, -4, 470, 808, 12, rgb(190, 186, 190), 0, 1.8);
    flat(cr, rgb(92, 88, 104), polyPath({0, 482, 800, 482, 800, 600, 0, 600}), 0);
    for (int i = 0; i < 7; ++i) box(cr, 20 + i * 120, 538, 60, 8, rgb(240, 220, 140), 1, 1.2);
    // a bench and a lamp on the pavement
    box(cr, 560, 400, 110, 12, pal::wood, 3, 1.8);
    box(cr, 560, 384, 110, 10, pal::wood, 3, 1.8);
    box(cr, 568, 410, 8, 22, rgb(70, 70, 90), 2, 1.4);
    box(cr, 654, 410, 8, 22, rgb(70, 70, 90), 2, 1.4);
    box(cr, 736, 250, 8, 200, rgb(60, 60, 80), 2, 1.6);
    lamp(cr, 740, 238);
    pumpkin(cr, 700, 440, 14, true);
    tree(cr, 30, 370, 200, 31, rgb(210, 120, 40));
    pumpkinRow(cr, 345, 372, 2, 14, 81);
    garland(cr, 60, 94, 820, 94, 26, 18);
    bat(cr, 700, 40, 34, 0.4);
}

// ---------------------------------------------------------------- gym reception

void paintStudioInnenBg(cairo_t* cr, int, int) {
    wallPlanks(cr, {0, 0, 800, 0, 800, 470, 0, 470}, rgb(190, 210, 200), false, 600);
    box(cr, -4, 380, 808, 90, rgb(140, 170, 160), 0, 2);  // wainscot
    groundFill(cr, 468, rgb(170, 140, 110), rgb(140, 110, 84));
    floorPatch(cr, "FitnessStudioInnen", rgb(196, 160, 120), false);
    floorBoards(cr, "FitnessStudioInnen", rgb(196, 160, 120), 400, 200, 14);
    rug(cr, 470, 540, 250, 60, rgb(60, 130, 130), rgb(230, 150, 60));  // the welcome rug before the counter
    waterCooler(cr, 150, 468);
    doorway(cr, 0, 167, 90, 300, rgb(120, 130, 150), rgb(190, 200, 220));
    doorway(cr, 711, 196, 89, 290, rgb(120, 130, 150), rgb(220, 180, 120));
    // pictures of weights and a big clock; no words anywhere
    box(cr, 160, 100, 120, 90, pal::cream, 3, 2);
    stroke(cr, rgb(80, 70, 90), 6, {190, 145, 250, 145});
    ball(cr, 186, 145, 10, 16, rgb(80, 70, 90), 1.4);
    ball(cr, 254, 145, 10, 16, rgb(80, 70, 90), 1.4);
    ball(cr, 600, 120, 36, 36, pal::white, 2);
    stroke(cr, pal::outline, 3, {600, 120, 600, 96});
    stroke(cr, pal::outline, 3, {600, 120, 618, 128});
    // the counter: top edge at 326..341, front down to the floor
    box(cr, 320, 326, 300, 18, rgb(230, 220, 200), 3, 2);
    box(cr, 330, 342, 280, 126, rgb(70, 150, 150), 3, 2.2);
    box(cr, 350, 360, 240, 14, rgb(90, 180, 176), 3, 1.6);
    bush(cr, 680, 468, 60, rgb(70, 140, 70));
    box(cr, 662, 440, 36, 30, rgb(170, 90, 60), 3, 1.8);
    garland(cr, 0, 30, 800, 30, 40, 20);
    pumpkin(cr, 300, 470, 16, true);
}

// ---------------------------------------------------------------- training room

void paintTrainingBg(cairo_t* cr, int, int) {
    wallPlanks(cr, {0, 0, 800, 0, 800, 262, 0, 262}, rgb(200, 190, 220), false, 600);
    // mirrors along the back wall
    for (int i = 0; i < 3; ++i) {
        box(cr, 150 + i * 200, 60, 170, 150, rgb(170, 200, 220), 3, 2);
        setColor(cr, pal::white, 0.5);
        cairo_new_path(cr);
        polyPath({170.0 + i * 200, 200, 220.0 + i * 200, 70, 240.0 + i * 200, 70, 190.0 + i * 200, 200})(cr);
        cairo_fill(cr);
    }
    groundFill(cr, 258, rgb(150, 120, 100), rgb(120, 92, 76));
    floorPatch(cr, "Trainingsraum", rgb(180, 140, 104), false);
    // the boards run along the floor's slanted sides, which meet far above
    floorBoards(cr, "Trainingsraum", rgb(180, 140, 104), 422, -141, 12);
    rug(cr, 290, 540, 170, 54, rgb(70, 90, 140), rgb(50, 64, 104));  // an exercise mat
    box(cr, 230, 527, 26, 10, rgb(60, 60, 70), 3, 1.4);               // a dumbbell left on it
    ball(cr, 230, 532, 6, 9, rgb(60, 60, 70), 1.4);
    ball(cr, 256, 532, 6, 9, rgb(60, 60, 70), 1.4);
    doorway(cr, 0, 200, 90, 290, rgb(120, 130, 150), rgb(190, 200, 220));
    // the treadmill's frame and console; its belt is a separate picture
    box(cr, 520, 420, 220, 30, rgb(80, 80, 96), 6, 2);
    outlinedLine(cr, rgb(110, 110, 130), 12, 8, {700, 420, 720, 300});
    box(cr, 690, 282, 60, 30, rgb(80, 80, 96), 4, 2);
    box(cr, 700, 288, 30, 12, rgb(120, 230, 160), 2, 1.2);
    // a bench to sit on
    box(cr, 340, 340, 150, 18, rgb(180, 60, 60), 5, 2);
    box(cr, 352, 356, 10, 30, rgb(80, 80, 96), 2, 1.6);
    box(cr, 468, 356, 10, 30, rgb(80, 80, 96), 2, 1.6);
    // weights rack
    box(cr, 40, 220, 90, 50, rgb(90, 90, 110), 3, 2);
    for (int i = 0; i < 3; ++i) ball(cr, 60 + i * 25, 236, 9, 9, rgb(60, 60, 70), 1.4);
    garland(cr, 0, 20, 800, 20, 30, 18);
    bat(cr, 420, 40, 30, 0.4);
}

// ---------------------------------------------------------------- toilet

namespace {

// On the washroom tiles: a drain in the middle, a wet patch spreading from the
// toilet (it has been overflowing all week), and a mat before the sink.
void washroomFloor(cairo_t* cr) {
    const double dx = 400, dy = 530;
    flat(cr, rgb(150, 156, 166), ellipsePath(dx, dy, 24, 8), 1.6);
    for (int i = -2; i <= 2; ++i) stroke(cr, rgb(80, 84, 96), 1.6, {dx + i * 7, dy - 5 + abs(i), dx + i * 7, dy + 5 - abs(i)});
    flat(cr, rgb(150, 190, 214), blobPath({70, 452, 180, 446, 262, 462, 238, 486, 150, 492, 60, 474}), 1.2);
    stroke(cr, rgb(226, 244, 250), 2, {110, 460, 150, 457});
    stroke(cr, rgb(226, 244, 250), 2, {196, 470, 222, 468});
    rug(cr, 515, 470, 120, 30, rgb(120, 170, 120), rgb(70, 120, 90));
}

}  // namespace

void paintToiletteBg(cairo_t* cr, int, int) {
    // tiles
    setColor(cr, rgb(170, 200, 210));
    cairo_paint(cr);
    setColor(cr, rgb(140, 170, 184));
    cairo_set_line_width(cr, 1.5);
    for (int x = 0; x < 800; x += 30) {
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x, 440);
    }
    for (int y = 0; y < 440; y += 30) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, 800, y);
    }
    cairo_stroke(cr);
    groundFill(cr, 438, rgb(150, 160, 170), rgb(120, 128, 140));
    floorPatch(cr, "Toilette", rgb(180, 190, 196), false);
    floorTiles(cr, "Toilette", rgb(196, 204, 210), rgb(120, 134, 150), 400, -300, 56);
    onFloor(cr, "Toilette", [&] { washroomFloor(cr); });
    doorway(cr, 654, 216, 110, 260, rgb(120, 130, 150), rgb(200, 180, 140));
    // cubicle wall behind the toilet, sink and mirror
    box(cr, 20, 150, 180, 290, rgb(120, 150, 190), 3, 2);
    box(cr, 470, 160, 90, 80, rgb(200, 220, 230), 4, 2);
    setColor(cr, pal::white, 0.6);  // the mirror's shine
    polyPath({486, 232, 516, 168, 532, 168, 502, 232})(cr);
    cairo_fill(cr);
    box(cr, 460, 270, 110, 30, pal::white, 8, 2);
    box(cr, 505, 300, 20, 142, pal::white, 3, 2);  // the pedestal stands on the floor
    box(cr, 497, 434, 36, 8, pal::white, 3, 1.6);
    // shelf with the toilet paper
    box(cr, 310, 410, 70, 10, pal::wood, 2, 1.6);
    box(cr, 20, 100, 760, 10, rgb(90, 110, 140), 2, 1.6);
    bat(cr, 380, 60, 28, 0.3);
}

// ---------------------------------------------------------------- the old lady's house

void paintAlteDameBg(cairo_t* cr, int, int) {
    duskSky(cr, 330, 18);
    hills(cr, 800, 330, 30, rgb(110, 84, 120), 19);
    groundFill(cr, 330, pal::grass, pal::grassDark);
    // cottage with its door frame; the door itself is the old lady's sheet
    wallPlanks(cr, {20, 170, 520, 170, 520, 505, 20, 505}, rgb(210, 180, 200), false, 14);
    roofTiles(cr, {0, 180, 270, 30, 540, 180}, rgb(80, 70, 110));
    box(cr, 132, 300, 182, 210, rgb(110, 80, 70), 3, 2);
    windowLit(cr, 360, 260, 80, 70, pal::cream);
    windowLit(cr, 50, 270, 60, 60, pal::cream);
    box(cr, 122, 505, 202, 14, pal::stone, 2, 2);
    lamp(cr, 334, 300);
    floorPatch(cr, "HausAlteDame", pal::stone, false);
    fence(cr, 540, 520, 800, 530, 40, 7);
    tree(cr, 660, 470, 260, 23, rgb(220, 110, 40));
    pumpkinRow(cr, 360, 540, 3, 16, 91);
    pumpkinRow(cr, 40, 545, 2, 18, 93);
    garland(cr, 20, 184, 520, 184, 30, 12);
    bat(cr, 600, 80, 34, 0.6);
}

// ---------------------------------------------------------------- school yard

void paintSchuleBg(cairo_t* cr, int, int) {
    duskSky(cr, 160, 19);
    // the school: brick building with the big door to the party
    brickWall(cr, 40, 40, 740, 320, rgb(170, 100, 80), rgb(140, 80, 64));
    roofTiles(cr, {20, 50, 120, -30, 700, -30, 800, 50}, rgb(90, 80, 110));
    for (double x : {80.0, 560.0, 660.0}) windowLit(cr, x, 100, 70, 80, pal::cream);
    doorway(cr, 380, 160, 120, 200, rgb(110, 90, 80), rgb(150, 90, 170));
    lightPool(cr, 440, 300, 80, 60, rgb(240, 120, 240), 0.3);
    // bunting over the door
    garland(cr, 360, 150, 520, 150, 24, 7);
    garland(cr, 40, 60, 780, 60, 40, 22);
    groundFill(cr, 352, rgb(150, 140, 140), rgb(118, 110, 114));
    floorPatch(cr, "Schule", rgb(178, 166, 162), false);
    pavingSlabs(cr, "Schule", rgb(178, 166, 162), 440, 120, 80);
    drainGrate(cr, 300, 520);
    // a chalk hopscotch on the yard
    for (int i = 0; i < 6; ++i) {
        double y = 560 - i * 26, w = 44 - i * 2, x = 600 + i * 4;
        cairo_new_path(cr);
        if (i == 2 || i == 4) {
            cairo_rectangle(cr, x - w, y - 22, w, 22);
            cairo_rectangle(cr, x, y - 22, w, 22);
        } else {
            cairo_rectangle(cr, x - w / 2, y - 22, w, 22);
        }
        setColor(cr, rgb(244, 240, 250), 0.8);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    ball(cr, 640, 420, 10, 5, rgb(240, 120, 160), 1.4);  // a forgotten chalk pebble
    tree(cr, 740, 380, 220, 41, rgb(210, 120, 40));
    pumpkinRow(cr, 540, 372, 3, 14, 101);
    bat(cr, 300, 30, 30, 0.2);
}

// ---------------------------------------------------------------- school party

void paintSchulpartyBg(cairo_t* cr, int, int) {
    // the hall's floor starts well behind the walkable part, so the kids at the
    // back wall stand on the boards rather than against the wall
    constexpr double kWallFoot = 378;
    wallPlanks(cr, {0, 0, 800, 0, 800, kWallFoot + 4, 0, kWallFoot + 4}, rgb(80, 60, 110), false, 40);
    groundFill(cr, kWallFoot, rgb(150, 100, 70), rgb(110, 72, 54));
    box(cr, -4, kWallFoot - 6, 808, 8, rgb(60, 44, 80), 0, 1.6);  // skirting board
    floorPatch(cr, "Schulparty", rgb(176, 120, 84), false);
    floorBoards(cr, "Schulparty", rgb(176, 120, 84), 400, 60, 16);  // the school hall's parquet
    doorway(cr, 0, 265, 80, 200, rgb(120, 100, 140), rgb(60, 60, 90));
    // coloured party lights
    uint32_t st = 17;
    for (int i = 0; i < 14; ++i) lightPool(cr, rand01(st) * 800, rand01(st) * 400, 50, 50, mix(pal::pumpkin, pal::purple, rand01(st)), 0.4);
    // the disco ball and garlands
    stroke(cr, pal::outline, 2, {420, 0, 420, 60});
    ball(cr, 420, 80, 24, 24, pal::metal, 2);
    for (int i = 0; i < 5; ++i) garland(cr, i * 180.0 - 40, 10, i * 180.0 + 160, 10, 40, 8);
    // the snack table
    box(cr, 580, 360, 210, 20, rgb(230, 130, 60), 4, 2);
    box(cr, 590, 380, 190, 80, rgb(200, 100, 50), 3, 2);
    for (int i = 0; i < 6; ++i) flat(cr, rgb(250, 200, 80), polyPath({590.0 + i * 32, 380, 622.0 + i * 32, 380, 606.0 + i * 32, 404}), 1.2);
    for (int i = 0; i < 4; ++i) bat(cr, 100 + i * 180, 140 + (i % 2) * 50, 40, i * 0.3);
    pumpkinRow(cr, 140, 408, 3, 16, 111);
    pumpkin(cr, 500, 420, 20, true);
}

// ---------------------------------------------------------------- menu

void paintMenuBg(cairo_t* cr, int, int) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 600);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.08, 0.07, 0.2);
    cairo_pattern_add_color_stop_rgb(p, 0.7, 0.28, 0.16, 0.36);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.5, 0.25, 0.25);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    stars(cr, 800, 420, 140, 77);
    moon(cr, 700, 230, 40);
    hills(cr, 800, 480, 50, rgb(50, 40, 70), 33);
    hills(cr, 800, 530, 40, rgb(40, 34, 56), 34);
    // the little town's silhouette with lit windows
    for (int i = 0; i < 9; ++i) {
        double x = 20 + i * 90, h = 40 + (hash32(i) % 40);
        flat(cr, rgb(34, 28, 48), polyPath({x, 560, x, 560 - h, x + 35, 540 - h - 20, x + 70, 560 - h, x + 70, 560}), 0);
        windowLit(cr, x + 28, 560 - h + 12, 12, 14, rgb(34, 28, 48));
    }
    bat(cr, 120, 200, 50, 0.3);
    bat(cr, 700, 260, 36, 0.8);
    bat(cr, 600, 40, 30, 0.5);
    // the title: the hero's name
    const char* title = "Quobble Tuftwhirl";
    double px = 76, w = textWidth(title, px);
    cairo_new_path(cr);  // a drop shadow, then a thick outline round the letters
    textPath(cr, title, 400 - w / 2 + 5, 126, px);
    setColor(cr, rgb(20, 14, 40), 0.8);
    cairo_set_line_width(cr, 12);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_new_path(cr);
    textPath(cr, title, 400 - w / 2, 120, px);
    setColor(cr, pal::outline);
    cairo_set_line_width(cr, 10);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 60, 0, 124);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.86, 0.4);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.95, 0.45, 0.12);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, pal::outline);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    drawHero(cr, 130, 560, 0, -1, 1.3);
    pumpkin(cr, 220, 566, 22, true);
    pumpkin(cr, 600, 570, 26, true);
}

// A framed picture button: the saucer ready for take-off starts the game.
void paintMenuStart(cairo_t* cr, int w, int h) {
    box(cr, 2, 2, w - 4, h - 4, rgb(60, 50, 110), 16, 3);
    box(cr, 10, 10, w - 20, h - 20, rgb(90, 70, 150), 12, 2);
    stars(cr, w, h * 0.6, 20, 5);
    // a path of lights into the town
    for (int i = 0; i < 6; ++i) ball(cr, 40 + i * 24, h - 24 - i * 4, 4, 3, pal::yellow, 1);
    double cx = w * 0.62, cy = h * 0.52;
    lightPool(cr, cx, cy + 18, 60, 14, rgb(160, 230, 255), 0.6);
    ball(cr, cx, cy - 8, 26, 20, rgb(160, 220, 250), 2);
    ball(cr, cx, cy + 6, 80, 18, pal::metal, 2.2);
    for (int i = 0; i < 5; ++i) ball(cr, cx - 56 + i * 28, cy + 8, 5, 4, i % 2 ? pal::yellow : pal::antennaBall, 1.2);
    drawHero(cr, cx, cy + 4, 0, -1, 0.34);
    pumpkin(cr, 300, h - 14, 14, true);
    // a big play arrow
    flat(cr, pal::yellow, polyPath({60, 26, 96, 48, 60, 70}), 2.5);
}

// A door ajar with the moon behind it: leaving the game.
void paintMenuQuit(cairo_t* cr, int w, int h) {
    box(cr, 2, 2, w - 4, h - 4, rgb(60, 50, 110), 16, 3);
    box(cr, 10, 10, w - 20, h - 20, rgb(40, 34, 80), 12, 2);
    stars(cr, w, h, 14, 9);
    moon(cr, w * 0.7, h * 0.4, 14);
    box(cr, 30, 22, 54, h - 40, rgb(30, 24, 50), 2, 2);
    flat(cr, pal::wood, polyPath({30, 22, 62, 30, 62, h - 26.0, 30, h - 18.0}), 2);
    ball(cr, 54, h / 2.0, 3, 3, pal::yellow, 1);
    bat(cr, 110, 80, 30, 0.4);
}
