// SPDX-License-Identifier: MIT
// people.cpp - the character sheets: the farmer, the crying girl, the freak,
// the studio girl, the fat man, the janitor, the old lady, the ticket kid and the
// party kids, plus the animated props that live in their folders.
#include <cmath>

#include "painters.h"

namespace {

double cycle(int frame, int frames) { return frames > 0 ? 2 * M_PI * frame / frames : 0; }

// Arms folded across the chest: the grumpy farmer, the sulking party kids.
void foldArms(Pose& p) {
    p.armL = -0.5, p.foreL = -1.9;
    p.armR = -0.4, p.foreR = -1.8;
}

Look farmerLook() {
    Look l;
    l.height = 108;
    l.girth = 1.3;
    l.skin = pal::skinMid;
    l.hair = rgb(150, 140, 130);
    l.top = rgb(190, 60, 50);
    l.legs = rgb(70, 100, 150);
    l.shoes = rgb(90, 60, 40);
    l.accent = rgb(220, 190, 110);
    l.overalls = true;
    l.beard = true;
    l.hair_style = 6;
    l.headScale = 1.3;  // a big grumpy head under the hat
    l.nose = 1.6;
    l.collar = true;
    l.iris = rgb(70, 110, 150);
    return l;
}

void strawHat(cairo_t* cr, const Hands& h) {
    const Rgb straw = rgb(230, 196, 110);
    ball(cr, h.hx, h.hy - h.hr * 0.55, h.hr * 1.6, h.hr * 0.35, straw, 1.6);
    box(cr, h.hx - h.hr * 0.75, h.hy - h.hr * 1.3, h.hr * 1.5, h.hr * 0.8, straw, 4, 1.6);
    // woven rows of straw on the crown
    for (int k = 1; k < 3; ++k)
        stroke(cr, darker(straw, 0.25), 1, {h.hx - h.hr * 0.65, h.hy - h.hr * (1.3 - k * 0.18), h.hx + h.hr * 0.65, h.hy - h.hr * (1.3 - k * 0.18)});
    box(cr, h.hx - h.hr * 0.75, h.hy - h.hr * 0.8, h.hr * 1.5, h.hr * 0.2, rgb(170, 60, 50), 1, 1.2);
}

// The stalk of straw the farmer chews on, from the corner of his mouth.
void strawStalk(cairo_t* cr, const Hands& h, double wag) {
    double x0 = h.mx + h.hr * 0.25, y0 = h.my;
    outlinedLine(cr, rgb(240, 214, 120), 3.2, 1.4, {x0, y0, x0 + h.hr * 0.9, y0 - h.hr * (0.25 + wag)});
}

Look girlLook() {
    Look l;
    l.height = 150;
    l.skin = pal::skinLight;
    l.hair = rgb(190, 110, 50);
    l.top = rgb(120, 170, 90);
    l.legs = rgb(80, 90, 160);
    l.shoes = rgb(150, 60, 60);
    l.hair_style = 5;
    l.skirt = true;
    l.headScale = 1.35;
    l.freckles = true;
    l.lashes = true;
    l.collar = true;
    l.iris = rgb(70, 130, 80);
    return l;
}

void witchHat(cairo_t* cr, double x, double y, double s) {
    ball(cr, x, y, s * 1.3, s * 0.28, rgb(80, 50, 110), 1.6);
    flat(cr, rgb(80, 50, 110), polyPath({x - s * 0.6, y - s * 0.05, x + s * 0.6, y - s * 0.05, x + s * 0.35, y - s * 1.2, x + s * 0.9, y - s * 1.5, x + s * 0.05, y - s * 1.3}), 1.6);
    box(cr, x - s * 0.6, y - s * 0.35, s * 1.2, s * 0.25, pal::pumpkin, 1, 1.2);
}

Look freakLook() {
    Look l;
    l.height = 108;  // lanky, with room for his hair and antenna in the frame
    l.girth = 0.8;
    l.skin = pal::skinLight;
    l.hair = rgb(90, 60, 40);
    l.top = rgb(70, 170, 170);
    l.legs = rgb(60, 70, 100);
    l.shoes = rgb(200, 200, 210);
    l.accent = rgb(250, 210, 60);
    l.glasses = true;
    l.hair_style = 4;
    l.hipHeight = 0.53;  // all legs
    l.headScale = 0.95;
    l.nose = 1.3;
    l.collar = true;
    l.stripes = true;  // piping sewn down the legs and sleeves
    l.stripe = rgb(250, 210, 60);
    l.belt = true;
    return l;
}

// The home-made uniform: a delta badge, cardboard shoulder pads covered in
// foil, and a foil antenna on a headband.
void uniform(cairo_t* cr, const Hands& h, double x, double shoulderY, double shoulderW) {
    for (int side = -1; side <= 1; side += 2)
        flat(cr, pal::metal, polyPath({x + side * shoulderW * 0.3, shoulderY - 1, x + side * shoulderW * 1.25, shoulderY + 1,
                                       x + side * shoulderW * 1.2, shoulderY + 6, x + side * shoulderW * 0.35, shoulderY + 4}), 1.3);
    double bx = x - 2, by = shoulderY + 17;
    flat(cr, pal::yellow, polyPath({bx, by - 6, bx + 5, by + 5, bx, by + 2, bx - 5, by + 5}), 1.2);
    stroke(cr, pal::metal, 2, {h.hx - h.hr * 0.5, h.hy - h.hr * 0.9, h.hx - h.hr * 0.8, h.hy - h.hr * 1.7});
    ball(cr, h.hx - h.hr * 0.8, h.hy - h.hr * 1.75, 3, 3, pal::antennaBall, 1.2);
    // the headband the antenna is taped to
    outlinedLine(cr, pal::metal, 4, 2, {h.hx - h.hr * 0.95, h.hy - h.hr * 0.55, h.hx + h.hr * 0.95, h.hy - h.hr * 0.55});
}

void lolly(cairo_t* cr, double x, double y, double r) {
    outlinedLine(cr, pal::white, 3.5, 2, {x, y, x, y + r * 2.2});
    lollyCandy(cr, x, y, r, r, 1.6, r * 0.18);
}

void sweat(cairo_t* cr, double x, double y, double s) {
    flat(cr, rgb(160, 210, 250), blobPath({x, y - s, x + s * 0.6, y + s * 0.2, x, y + s * 0.7, x - s * 0.6, y + s * 0.2}), 1.2);
}

}  // namespace

// ---------------------------------------------------------------- farmer

void paintFarmer(cairo_t* cr, int, int frame, int frames) {
    double t = cycle(frame, frames);
    Pose p;
    p.eyes = frame == 7 ? 6 : 4;
    p.mouthStyle = 1;
    p.face = 0.35;
    foldArms(p);
    p.bob = fabs(sin(t)) * 1.5;
    p.step = frame == 3 || frame == 4 ? 0.15 : 0;
    Look l = farmerLook();
    Hands h = drawPerson(cr, 40, 113, l, p);
    strawHat(cr, h);
    strawStalk(cr, h, sin(t * 2) * 0.15);
}

// ---------------------------------------------------------------- crying girl

// The bale she sits on: straw with two bands of twine, seen from the front.
void hayBale(cairo_t* cr, double cx, double groundY, double seatH) {
    const Rgb hay = rgb(222, 184, 90);
    double w = seatH * 2.1, x = cx - w / 2, y = groundY - seatH;
    box(cr, x, y, w, seatH - 1, hay, 5, 2);
    uint32_t seed = 7;
    for (int k = 0; k < 14; ++k) {  // loose straws
        double sx = x + 4 + rand01(seed) * (w - 8), sy = y + 4 + rand01(seed) * (seatH - 10);
        stroke(cr, darker(hay, 0.3), 1, {sx, sy, sx + 3 + rand01(seed) * 4, sy + 1.5});
    }
    for (int k = 1; k <= 2; ++k) stroke(cr, rgb(140, 90, 50), 2, {x + w * k / 3, y + 1, x + w * k / 3 + 2, groundY - 2});
}

void paintCryGirl(cairo_t* cr, int column, int frame, int) {
    enum { kCrying = 0, kSobTalk = 93, kHeadDown = 186, kHappy = 279, kHappyTalk = 372 };
    bool happy = column >= kHappy;
    Pose p;
    p.sitting = true;
    p.face = 0.3;
    p.eyes = happy ? (frame ? 1 : 0) : 2;
    p.mouthStyle = happy ? 4 : 1;
    p.armL = 0.6, p.foreL = -0.4;
    p.armR = 0.6, p.foreR = -0.4;
    if (column == kCrying) p.bob = frame * 2, p.armL = -0.3, p.foreL = -2.4, p.armR = -0.3, p.foreR = -2.4;
    if (column == kSobTalk || column == kHappyTalk) p.mouthStyle = 2, p.mouth = frame ? 0.8 : 0.3;
    if (column == kHeadDown) p.lean = frame ? 0.08 : 0.04, p.bob = -2, p.eyes = 6;
    if (column == kHappy) p.armR = frame ? 1.9 : 1.5, p.foreR = frame ? 3.0 : 2.5;  // waving
    Look l = girlLook();
    if (happy) l.top = rgb(70, 50, 100), l.legs = rgb(60, 40, 80), l.collar = false;  // the witch dress
    hayBale(cr, 46, 126, l.height * 0.28);
    Hands h = drawPerson(cr, 46, 126, l, p);
    if (happy) witchHat(cr, h.hx, h.hy - h.hr * 0.75, h.hr * 1.1);
}

// ---------------------------------------------------------------- freak

void paintFreak(cairo_t* cr, int column, int frame, int frames) {
    enum { kWalk = 0, kStand = 137, kTalk = 274, kWalkFed = 548, kLick = 685, kTalkFed = 822 };
    bool fed = column >= kWalkFed;
    double t = cycle(frame, frames);
    Pose p;
    p.face = 0.4;
    p.mouthStyle = 0;
    Look l = freakLook();
    if (column == kWalk || column == kWalkFed) {  // he walks to the left
        p.face = -1;
        p.step = sin(t);
        p.bob = fabs(cos(t)) * 3;
        p.armL = 0.1 - sin(t) * 0.4, p.foreL = p.armL - 0.3;
        p.armR = 0.1 + sin(t) * 0.4, p.foreR = p.armR - 0.3;
    } else if (column == kStand || column == kLick) {
        p.bob = frame % 2;
        p.armL = 0.2, p.foreL = 0.1;
        p.armR = 0.3, p.foreR = 0.3;
    } else {
        p.mouthStyle = 2;
        p.mouth = frame ? 0.9 : 0.3;
        p.armR = 1.2 + frame * 0.4, p.foreR = 2.2;
    }
    if (fed) {
        p.armR = -0.3, p.foreR = -2.6;
        p.mouthStyle = column == kLick && frame % 2 ? 3 : 2;
        p.mouth = 0.5;
        p.eyes = column == kLick ? 1 : 0;
    }
    Hands h = drawPerson(cr, 68, 128, l, p);
    uniform(cr, h, 68 + p.face * 4, 128 - p.bob - l.height + 2 * h.hr + l.height * 0.02, l.height * 0.1 * (0.6 + 0.4 * l.girth));
    if (fed) lolly(cr, h.rx + 4, h.ry - 14, 7);
}

// ---------------------------------------------------------------- studio girl

void paintStudiogirl(cairo_t* cr, int column, int frame, int) {
    enum { kYawn = 0, kNails = 124, kTalk = 248, kPeek = 372 };
    Look l = studioGirlLook(228);  // her hair clears the top of the frame
    l.lashes = true;
    l.stripes = true;  // her club's track top
    l.collar = true;
    l.headScale = 1.1;
    l.iris = rgb(70, 120, 190);
    Pose p;
    p.face = 0.2;
    p.armL = 0.2, p.foreL = -0.6;
    p.armR = 0.2, p.foreR = -0.6;
    switch (column) {
        case kYawn:
            p.mouthStyle = 2, p.mouth = frame == 1 ? 1 : frame * 0.3, p.eyes = frame == 1 ? 1 : 6;
            if (frame == 1) p.armR = -0.4, p.foreR = -2.7;
            break;
        case kNails:
            p.eyes = 6, p.mouthStyle = 5, p.armL = -0.3, p.foreL = -1.5 - frame * 0.1, p.armR = -0.2, p.foreR = -1.4;
            break;
        case kTalk:
            p.mouthStyle = 2, p.mouth = frame == 1 ? 0.8 : 0.2, p.armR = 0.9 + frame * 0.2, p.foreR = 2.0;
            break;
        case kPeek:
            p.face = -0.8, p.eyes = 3, p.mouthStyle = 3, p.mouth = 0.4, p.lean = -0.06 - frame * 0.04;
            break;
    }
    Hands h = drawPerson(cr, 62, 232, l, p);
    // a sweatband, then the counter top she stands behind
    box(cr, h.hx - h.hr, h.hy - h.hr * 0.55, h.hr * 2, h.hr * 0.3, rgb(90, 200, 220), 2, 1.4);
    if (column == kNails) box(cr, h.rx - 2, h.ry - 12, 4, 14, rgb(200, 200, 210), 1, 1);
    box(cr, -4, 126, 132, 18, rgb(230, 220, 200), 3, 2);
}

// ---------------------------------------------------------------- fat man

namespace {
Look fatLook() {
    Look l = fatManLook(262);
    l.stripes = true;
    l.hipHeight = 0.4;  // short legs under a long round belly
    l.nose = 1.5;
    l.collar = true;
    return l;
}
}  // namespace

void paintFatman(cairo_t* cr, int, int frame, int frames) {
    double t = cycle(frame, frames);
    Pose p;
    p.face = 0.7;
    p.step = sin(t) * 0.7;
    p.bob = fabs(cos(t)) * 5;
    p.armL = 0.55 - sin(t) * 0.3, p.foreL = -0.2;
    p.armR = 0.55 + sin(t) * 0.3, p.foreR = -0.2;
    p.mouthStyle = 2;
    p.mouth = 0.4 + 0.3 * fabs(sin(t));
    p.eyes = 6;
    p.blush = 0.8;
    Hands h = drawPerson(cr, 80, 294, fatLook(), p);
    box(cr, h.hx - h.hr, h.hy - h.hr * 0.6, h.hr * 2, h.hr * 0.3, pal::white, 2, 1.6);  // headband
    sweat(cr, h.hx - h.hr * 1.1, h.hy - h.hr * 0.2 + frame % 4 * 6, 5);
    sweat(cr, h.hx + h.hr * 1.2, h.hy + (frame + 2) % 4 * 6, 4);
}

void paintFatmanLicking(cairo_t* cr, int, int frame, int frames) {
    double t = cycle(frame, frames);
    Look l = fatLook();
    l.height = 240;
    Pose p;
    p.sitting = true;
    p.face = 0.4;
    p.armR = 0.2, p.foreR = -2.0 - sin(t) * 0.15;
    p.armL = 0.6, p.foreL = -0.2;
    p.mouthStyle = frame % 3 == 1 ? 3 : 0;
    p.mouth = 0.4;
    p.eyes = 1;
    p.bob = sin(t) * 1.5;
    Hands h = drawPerson(cr, 66, 222, l, p);
    lolly(cr, h.mx + 18, h.my - 8, 10);
    if (frame % 3 == 0) {  // a little heart of bliss
        flat(cr, rgb(240, 80, 110), blobPath({h.hx + 30, h.hy - 40, h.hx + 36, h.hy - 46, h.hx + 40, h.hy - 38, h.hx + 32, h.hy - 30}), 1.2);
    }
}

// ---------------------------------------------------------------- janitor and toilet

void paintJanitor(cairo_t* cr, int, int frame, int frames) {
    double t = cycle(frame, frames);
    Look l = janitorLook(200);
    l.headScale = 1.15;
    l.nose = 1.7;
    l.collar = true;
    Pose p;
    p.face = -0.8;  // towards the toilet on his left
    double push = (1 - cos(t)) / 2;  // 0 up, 1 down
    p.lean = -0.12 - push * 0.1;
    p.armL = -0.6 - push * 0.3, p.foreL = -0.9 + push * 0.5;
    p.armR = -0.9 - push * 0.3, p.foreR = -1.1 + push * 0.5;
    p.eyes = 4;
    p.mouthStyle = frame % 6 < 3 ? 5 : 2;
    p.mouth = 0.3;
    p.blush = push * 0.5;
    Hands h = drawPerson(cr, 100, 208, l, p);
    // the plunger in both hands, its cup in the bowl
    double cupX = 24, cupY = 150 + push * 10;
    outlinedLine(cr, pal::woodLight, 6, 3.5, {h.lx, h.ly, cupX, cupY});
    flat(cr, rgb(200, 60, 60), polyPath({cupX - 12, cupY + 8, cupX + 12, cupY + 8, cupX + 6, cupY - 4, cupX - 6, cupY - 4}), 1.6);
    // a mustache
    flat(cr, l.hair, blobPath({h.mx - h.hr * 0.5, h.my - h.hr * 0.2, h.mx + h.hr * 0.5, h.my - h.hr * 0.2, h.mx + h.hr * 0.3, h.my - h.hr * 0.02, h.mx - h.hr * 0.3, h.my - h.hr * 0.02}), 1.2);
}

// The toilet seen from the front left: tank against the wall, bowl to the right.
void paintToiletAnim(cairo_t* cr, int column, int frame, int) {
    enum { kBlocked = 0, kPlain = 131 };
    box(cr, 10, 40, 60, 80, pal::white, 6, 2.2);          // tank
    box(cr, 30, 104, 40, 70, pal::white, 6, 2.2);         // pedestal
    ball(cr, 78, 150, 48, 22, pal::white, 2.2);           // bowl rim
    ball(cr, 80, 150, 38, 15, rgb(150, 200, 230), 1.6);   // water
    box(cr, 60, 170, 40, 28, pal::white, 6, 2.2);         // foot
    box(cr, 26, 28, 10, 14, pal::metal, 2, 1.4);          // flush lever
    if (column == kBlocked) {
        // the water bubbles up over the rim
        for (int i = 0; i < 4; ++i) {
            double bx = 56 + i * 14 + (frame % 2) * 3, by = 146 - ((frame + i) % 4) * 5;
            ball(cr, bx, by, 4 + (i + frame) % 3, 4 + (i + frame) % 3, rgb(170, 220, 240), 1.2);
        }
        flat(cr, rgb(150, 200, 230), blobPath({40, 160, 60, 168.0 + frame * 2, 60, 190, 44, 196, 36, 180}), 1.4);
        ball(cr, 80, 148, 20, 8, rgb(240, 240, 230), 1.4);  // the paper plug
    }
}

// ---------------------------------------------------------------- old lady

void paintOldLady(cairo_t* cr, int column, int frame, int) {
    enum { kDoor = 0, kTalking = 162 };
    constexpr int kW = 162, kH = 191;
    constexpr int kOpen = 0, kClosed = 1, kLastOpening = 8;
    // the hall inside, lit warmly
    box(cr, 0, 0, kW, kH, rgb(110, 70, 60), 0, 0);
    lightPool(cr, kW / 2.0, kH * 0.7, 80, 70, pal::glow, 0.6);
    double open = 1;  // how far the door has swung in
    if (column == kDoor) {
        if (frame == kClosed) open = 0;
        else if (frame != kOpen) open = double(frame - kClosed) / (kLastOpening - kClosed);
    }
    if (open > 0.3 || column == kTalking) {
        Look l;
        l.height = 150;
        l.skin = rgb(240, 200, 180);
        l.hair = rgb(220, 220, 230);
        l.top = rgb(140, 90, 160);
        l.legs = rgb(100, 70, 120);
        l.shoes = rgb(90, 60, 60);
        l.hair_style = 2;
        l.glasses = true;
        l.skirt = true;
        l.headScale = 1.25;
        l.buttons = true;  // her cardigan
        l.collar = true;
        l.nose = 1.2;
        l.lashes = true;
        Pose p;
        p.face = 0.2;
        p.armL = 0.1, p.foreL = -1.2;
        p.armR = 0.1, p.foreR = -1.2;
        if (column == kTalking) {
            p.mouthStyle = 2;
            p.mouth = frame == 1 ? 0.8 : 0.2;
            p.armR = 0.8 + frame * 0.3, p.foreR = 1.8;
        }
        drawPerson(cr, 84, 186, l, p);
    }
    // the door swings inwards on its left hinge
    double dw = (kW - 8) * (1 - open);
    if (dw > 2) {
        woodPlanks(cr, 4, 2, dw, kH - 4, std::max(1, int(dw / 30)), true, rgb(120, 80, 140));
        ball(cr, 4 + dw * 0.85, kH * 0.55, 5, 5, pal::yellow, 1.4);
        if (dw > 60) pumpkin(cr, 4 + dw / 2, 70, 14, false);  // a little wreath pumpkin
    }
}

// ---------------------------------------------------------------- ticket kid

void paintTicketKid(cairo_t* cr, int column, int frame, int frames) {
    enum { kBored = 0, kWaiting = 200, kGum = 400, kWaveThrough = 800 };
    double t = cycle(frame, frames);
    Look l;
    l.height = 210;
    l.skin = rgb(200, 140, 100);
    l.hair = rgb(50, 40, 40);
    l.top = rgb(240, 140, 40);
    l.legs = rgb(60, 60, 90);
    l.shoes = rgb(60, 60, 60);
    l.accent = rgb(120, 70, 160);
    l.hair_style = 3;
    l.headScale = 1.25;
    l.freckles = true;
    l.collar = true;
    Pose p;
    p.face = 0.3;
    p.armL = 0.3, p.foreL = -1.2;
    p.armR = 0.3, p.foreR = -1.2;
    switch (column) {
        case kBored:
            p.eyes = 6, p.mouthStyle = 5, p.lean = sin(t) * 0.05, p.armR = -0.2, p.foreR = -2.8;  // chin on hand
            break;
        case kWaiting:
            p.bob = frame % 2, p.mouthStyle = 0;
            break;
        case kGum:
            p.mouthStyle = 2, p.mouth = 0.2;
            break;
        case kWaveThrough:
            p.mouthStyle = 4, p.armR = 1.8 + sin(t) * 0.4, p.foreR = 2.6 + sin(t) * 0.4;
            break;
    }
    // booth roof and posts behind him
    box(cr, 10, 20, 180, 30, rgb(120, 70, 160), 6, 2.2);
    for (int i = 0; i < 6; ++i) flat(cr, i % 2 ? pal::pumpkin : rgb(120, 70, 160), polyPath({12.0 + i * 30, 50, 42.0 + i * 30, 50, 27.0 + i * 30, 66}), 1.4);
    box(cr, 16, 50, 10, 120, pal::wood, 2, 1.6);
    box(cr, 174, 50, 10, 120, pal::wood, 2, 1.6);
    Hands h = drawPerson(cr, 100, 290, l, p);
    if (column == kGum) {
        double r = 4 + 6 * frame;
        ball(cr, h.mx + 2, h.my + 2, r, r, rgb(250, 140, 190), 1.4);
    }
    // the counter in front of him, stacked with tickets
    box(cr, 4, 168, 192, 104, rgb(230, 140, 50), 4, 2.2);
    for (int i = 0; i < 4; ++i) box(cr, 12, 182 + i * 22, 176, 8, rgb(200, 110, 40), 2, 1.2);
    box(cr, 120, 156, 40, 14, rgb(250, 230, 120), 2, 1.4);
    pumpkin(cr, 40, 168, 12, true);
}

// Frame 0 open, 1 closed, 2..5 rising (the opening plays from 1 and rests on 0).
void paintBarrier(cairo_t* cr, int, int frame, int frames) {
    constexpr double kPivotX = 18, kPivotY = 112, kLength = 104;
    double up = frame == 0 ? 1 : double(frame - 1) / (frames - 1);
    double a = -up * M_PI / 2;  // 0 horizontal, -90 degrees upright
    box(cr, 8, kPivotY - 10, 20, 148 - kPivotY + 8, rgb(90, 90, 110), 3, 2);
    double ex = kPivotX + cos(a) * kLength, ey = kPivotY + sin(a) * kLength;
    stroke(cr, pal::outline, 12, {kPivotX, kPivotY, ex, ey});
    for (int i = 0; i < 6; ++i) {
        double t0 = i / 6.0, t1 = (i + 1) / 6.0;
        stroke(cr, i % 2 ? pal::white : rgb(220, 60, 50), 8,
               {kPivotX + cos(a) * kLength * t0, kPivotY + sin(a) * kLength * t0, kPivotX + cos(a) * kLength * t1, kPivotY + sin(a) * kLength * t1});
    }
    ball(cr, kPivotX, kPivotY, 7, 7, pal::metal, 1.6);
}

// ---------------------------------------------------------------- party kids

namespace {
// The kids' frames are barely taller than the kids: their heights leave room
// above the head for the horns, the spikes and the witch's hat, and each kid
// stands at the middle of his frame so arms held out stay inside it.
struct KidFrame {
    double height;        // feet to top of head
    double footX, footY;  // the foot point in the frame
};
const KidFrame kKidFrames[] = {
    {0, 0, 0},        // (the kids count from 1)
    {112, 48, 121},   // the big one, 96 wide
    {110, 30, 123},   // the burper, 60 wide
    {104, 30, 123},   // the witch, 60 wide
};

Look kidLook(int which) {
    Look l = partyKidLook(which, kKidFrames[which].height);
    l.headScale = 1.35;  // children: big heads, big eyes
    l.freckles = which == 1;
    l.belt = which == 1;
    l.stripes = which == 2;
    l.stripe = rgb(250, 230, 120);
    l.lashes = which == 3;
    l.collar = which != 2;
    l.iris = which == 3 ? rgb(60, 110, 190) : rgb(90, 60, 40);
    return l;
}
void cup(cairo_t* cr, double x, double y) {
    box(cr, x - 5, y - 8, 10, 12, rgb(230, 80, 80), 2, 1.4);
}
}  // namespace

void paintBurbkid1(cairo_t* cr, int column, int frame, int frames) {
    enum { kLaugh = 0, kDrink = 96, kCheer = 192, kCross = 288, kShrug = 384 };
    double t = cycle(frame, frames);
    Pose p;
    p.face = 0.3;
    switch (column) {
        case kLaugh:
            p.mouthStyle = 2, p.mouth = 0.5 + 0.4 * fabs(sin(t)), p.eyes = 1, p.bob = fabs(sin(t)) * 3, p.armL = 0.4, p.foreL = -0.9;
            break;
        case kDrink:
            p.armR = -0.3, p.foreR = -2.5, p.eyes = 1, p.lean = frame ? -0.05 : 0;
            break;
        case kCheer:
            p.armL = 2.6, p.foreL = 3.0, p.armR = 2.6, p.foreR = 3.0, p.mouthStyle = 4, p.bob = fabs(sin(t)) * 2;  // fists just below the frame top
            break;
        case kCross:
            foldArms(p);
            p.mouthStyle = 1, p.eyes = frame ? 6 : 0;
            break;
        case kShrug:
            p.armL = 0.9 + frame * 0.15, p.foreL = 2.4, p.armR = 0.9 + frame * 0.15, p.foreR = 2.4, p.mouthStyle = 5;
            break;
    }
    Hands h = drawPerson(cr, kKidFrames[1].footX, kKidFrames[1].footY, kidLook(1), p);
    if (column == kDrink) cup(cr, h.rx, h.ry);
    // a devil-horn headband for the party
    flat(cr, rgb(220, 50, 50), polyPath({h.hx - h.hr * 0.8, h.hy - h.hr * 0.8, h.hx - h.hr * 0.5, h.hy - h.hr * 1.5, h.hx - h.hr * 0.3, h.hy - h.hr * 0.9}), 1.2);
    flat(cr, rgb(220, 50, 50), polyPath({h.hx + h.hr * 0.8, h.hy - h.hr * 0.8, h.hx + h.hr * 0.5, h.hy - h.hr * 1.5, h.hx + h.hr * 0.3, h.hy - h.hr * 0.9}), 1.2);
}

void paintBurbkid2(cairo_t* cr, int column, int frame, int frames) {
    enum { kBurp = 0, kGulp = 69, kIdle = 138, kTalk = 207, kIdle2 = 276, kPonder = 345 };
    double t = cycle(frame, frames);
    Pose p;
    p.face = 0.2;
    switch (column) {
        case kBurp: {
            double swell = sin(t / 2);  // builds up, bursts, settles
            p.mouthStyle = 2;
            p.mouth = frame >= 3 && frame <= 6 ? 1.0 : 0.2;
            p.eyes = frame >= 3 && frame <= 6 ? 1 : 3;
            p.lean = -0.06 * swell;  // a lean back that keeps his hair in the frame
            p.blush = frame < 3 ? frame * 0.3 : 0.2;
            // fists clenched a little away from his sides, braced for it
            p.armL = 0.2, p.foreL = 0.3, p.armR = 0.2, p.foreR = 0.3;
            break;
        }
        case kGulp:
            p.armR = -0.3, p.foreR = -2.6, p.eyes = 1, p.lean = -0.08;
            break;
        case kTalk:  // the hand comes up in front of him as he explains
            p.mouthStyle = 2, p.mouth = frame ? 0.8 : 0.3, p.armR = -0.2, p.foreR = 2.3;
            break;
        case kPonder:  // rubbing his chin, eyes half shut
            p.armR = -0.1, p.foreR = -2.5, p.eyes = 6, p.mouthStyle = 5;
            break;
        default:
            p.bob = frame, p.mouthStyle = column == kIdle2 ? 1 : 0;
            if (column == kIdle2) foldArms(p);
    }
    Hands h = drawPerson(cr, kKidFrames[2].footX, kKidFrames[2].footY, kidLook(2), p);
    if (column == kGulp) cup(cr, h.rx, h.ry);
    if (column == kBurp && frame >= 3 && frame <= 6) {
        for (int i = 0; i < 3; ++i) {
            cairo_new_path(cr);
            cairo_arc(cr, h.mx, h.my, 6 + i * 5 + (frame - 3) * 2, -0.6, 0.6);
            setColor(cr, rgb(170, 240, 120));
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        }
    }
}

void paintBurbkid3(cairo_t* cr, int, int frame, int) {
    Pose p;
    p.face = -0.3;
    p.bob = frame == 1 ? 2 : 0;
    p.armL = 0.3, p.foreL = -1.0 - frame * 0.2;
    p.mouthStyle = frame == 2 ? 4 : 0;
    Hands h = drawPerson(cr, kKidFrames[3].footX, kKidFrames[3].footY, kidLook(3), p);
    witchHat(cr, h.hx, h.hy - h.hr * 0.7, h.hr * 0.9);
}

void paintBurbkidsKO(cairo_t* cr, int column, int, int) {
    enum { kWithCape = 0, kWithoutCape = 226 };
    if (column == kWithCape) {  // spread out under the first kid, red lining at its edge
        flat(cr, rgb(170, 30, 50), blobPath({2, 74, 10, 40, 60, 30, 118, 38, 126, 72, 60, 81}), 1.8);
        flat(cr, rgb(34, 28, 44), blobPath({6, 72, 14, 44, 60, 35, 114, 42, 120, 70, 60, 78}), 0);
        ball(cr, 20, 46, 4, 3, pal::yellow, 1.2);  // the clasp
    }
    // three kids flat on their backs, seen from the feet, dizzy
    for (int k = 0; k < 3; ++k) {
        Look l = kidLook(k + 1);
        double cx = 40 + k * 72, cy = 56 - (k % 2) * 8;
        limb(cr, l.legs, 9, cx + 10, cy + 4, cx + 34, cy + 14);
        limb(cr, l.legs, 9, cx + 10, cy + 4, cx + 32, cy);
        ball(cr, cx, cy, 20, 11, l.top, 1.8);
        ball(cr, cx - 24, cy - 4, 13, 13, l.skin, 1.8);
        Pose p;
        p.eyes = 5;
        stroke(cr, pal::outline, 1.6, {cx - 30, cy - 8, cx - 26, cy - 4});
        stroke(cr, pal::outline, 1.6, {cx - 26, cy - 8, cx - 30, cy - 4});
        stroke(cr, pal::outline, 1.6, {cx - 22, cy - 8, cx - 18, cy - 4});
        stroke(cr, pal::outline, 1.6, {cx - 18, cy - 8, cx - 22, cy - 4});
        ball(cr, cx - 24, cy + 3, 3, 2, rgb(120, 40, 56), 1);
        for (int s = 0; s < 3; ++s) ball(cr, cx - 24 + cos(s * 2.1) * 14, cy - 20 + sin(s * 2.1) * 4, 2.5, 2.5, pal::yellow, 1);
    }
}

// ---------------------------------------------------------------- animated props

// The farmhouse door: opens over the first half of the strip, closes again.
void paintFarmDoor(cairo_t* cr, int, int frame, int frames) {
    int half = frames / 2;
    double open = frame < half ? double(frame) / (half - 1) : 1 - double(frame - half) / (frames - half - 1);
    double leaf = 76 * cos(open * M_PI * 0.45);
    if (leaf > 2) {
        woodPlanks(cr, 6, 0, leaf, 94, std::max(1, int(leaf / 18)), true, pal::wood);
        ball(cr, 6 + leaf * 0.85, 52, 3.5, 3.5, pal::yellow, 1.2);
    }
}

void paintToolbox(cairo_t* cr, int column, int, int) {
    enum { kWrenchOnly = 0, kEmpty = 86, kFull = 172 };
    auto wrench = [&]() {
        limb(cr, pal::metal, 6, 20, 22, 62, 10);
        ball(cr, 64, 9, 8, 8, pal::metal, 1.6);
        ball(cr, 66, 7, 3.5, 3.5, rgb(120, 40, 40), 0);
    };
    if (column == kWrenchOnly) {
        wrench();
        return;
    }
    if (column == kFull) wrench();
    box(cr, 4, 30, 78, 44, rgb(200, 50, 40), 5, 2.2);
    box(cr, 4, 30, 78, 12, rgb(230, 80, 60), 3, 2);
    box(cr, 30, 20, 26, 8, rgb(90, 90, 100), 3, 1.6);
}

// The generator's belt slot: empty (column 0) or with the treadmill belt fitted.
void paintBeltSlot(cairo_t* cr, int column, int, int) {
    enum { kNoBelt = 0, kBelt = 62 };
    ball(cr, 14, 16, 10, 10, pal::metal, 1.6);
    ball(cr, 48, 42, 10, 10, pal::metal, 1.6);
    ball(cr, 14, 16, 3, 3, pal::stoneDark, 1);
    ball(cr, 48, 42, 3, 3, pal::stoneDark, 1);
    if (column == kBelt) {
        outlinedLine(cr, rgb(60, 60, 70), 8, 5, {6, 14, 40, 44});
        outlinedLine(cr, rgb(60, 60, 70), 8, 5, {22, 12, 56, 40});
        lightPool(cr, 31, 28, 24, 20, rgb(120, 255, 160), 0.5);
    }
}
