// walkmaps_test.cpp - the walk maps of the scenes with the hero: 800x600
// 32-bit with black as blocked, every walk-to point, arrival point and arrival
// target walkable, and the hero's walk (diagonal first, then straight, a
// blocked step ends the walk) gets from every one of those points to every
// other. The points are written from the scene catalogue and the arrival table.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "game/content.h"
#include "game/edition.h"
#include "gfx/display.h"
#include "gfx/graphic.h"
#include "harness.h"
#include "world/scene.h"
#include "world/walk.h"

namespace {

struct Point {
    int x, y;
};

struct WalkScene {
    const char* name;
    const char* map;
    std::vector<Point> walkTo;    // objects' and exits' walk-to points
    std::vector<Point> arrivals;  // foot points the hero is placed at ("sprite" rows: top-left + (80, 120))
    std::vector<Point> targets;   // where he walks after arriving
};

const std::vector<WalkScene> kScenes = {
    // scene | walk map | walk-to points | arrival foot points | arrival walk targets
    {"ScheuneHinten", "gfx/szene/scheune_hinten/map.bmp", {{628, 420}, {532, 464}}, {{500, 535}, {620, 460}}, {{520, 480}}},
    {"ScheuneVorne", "gfx/szene/scheune_vorne/map.bmp", {{400, 440}, {235, 440}, {200, 596}, {670, 473}},
     {{380, 540}, {360, 580}, {240, 460}}, {{380, 544}, {360, 574}, {240, 480}}},
    {"ScheuneFern", "gfx/szene/scheune_fern/map.bmp", {{346, 380}, {80, 570}, {396, 562}}, {{310, 420}, {100, 590}},
     {{300, 434}, {120, 544}}},
    {"ScheuneInnen", "gfx/szene/scheune_innen/map.bmp", {{385, 490}, {396, 592}}, {{472, 520}, {400, 580}}, {{400, 574}}},
    {"Farmhaus", "gfx/szene/farmhaus/map.bmp", {{780, 452}, {20, 482}, {60, 452}, {246, 406}, {216, 406}},
     {{700, 420}, {90, 420}, {90, 440}}, {{460, 440}, {90, 440}, {96, 440}}},
    {"FarmhausHinten", "gfx/szene/farmhaus_hinten/map.bmp", {{614, 448}, {426, 456}}, {{620, 460}}, {{600, 520}}},
    {"Kreuzung", "gfx/szene/kreuzung/map.bmp", {{764, 400}, {28, 330}, {648, 566}, {210, 320}, {500, 384}},
     {{700, 380}, {585, 586}, {203, 316}, {40, 332}}, {{580, 380}, {570, 560}, {212, 332}, {60, 340}}},
    {"FitnessStudioAussen", "gfx/szene/fitness_studio_aussen/map.bmp", {{16, 386}, {267, 370}}, {{84, 392}, {263, 387}},
     {{116, 410}, {270, 412}}},
    {"FitnessStudioInnen", "gfx/szene/fitness_studio_innen/map.bmp", {{400, 580}, {700, 486}, {20, 486}, {426, 486}, {506, 486}},
     {{400, 570}, {656, 490}, {152, 486}}, {{400, 550}, {656, 512}, {172, 492}}},
    {"Trainingsraum", "gfx/szene/trainingsraum/map.bmp", {{90, 486}, {496, 426}, {292, 276}}, {{90, 480}}, {{110, 490}}},
    {"Toilette", "gfx/szene/toilette/map.bmp", {{686, 475}, {430, 450}, {120, 475}, {140, 466}, {326, 466}}, {{680, 472}},
     {{640, 480}}},
    {"HausAlteDame", "gfx/szene/haus_alte_dame/map.bmp", {{230, 592}, {240, 550}}, {{230, 596}}, {{230, 586}}},
    {"Schule", "gfx/szene/schule/map.bmp", {{776, 516}, {495, 367}, {200, 500}, {436, 460}, {336, 460}},
     {{792, 492}, {490, 420}}, {{760, 500}, {490, 450}}},
    {"Schulparty", "gfx/szene/schulparty/map.bmp",
     {{96, 456}, {236, 420}, {306, 420}, {356, 420}, {364, 420}, {616, 580}, {616, 480}}, {{96, 458}}, {{112, 472}}},
};

struct WalkMap {
    SDL_Surface* s = nullptr;
    // the border pixels are never walkable, whatever the map shows
    bool walkable(int x, int y) const {
        if (x < 1 || x > 799 || y < 1 || y > 599) return false;
        const uint32_t* row = (const uint32_t*)((const uint8_t*)s->pixels + y * s->pitch);
        return row[x] != 0;
    }
};

constexpr int kFootDX = 80, kFootDY = 120;  // the hero's foot point in his sprite
constexpr int kWalkSteps = 2000;            // more than any walk across the screen needs

// The hero's walk: steps of 2 px (1 px when within 2) on each moving axis,
// diagonal until one coordinate matches, then straight; each step looks one
// pixel ahead of the foot point and a blocked look ends the walk.
Point walk(const WalkMap& m, Point from, Point to) {
    Point p = from;
    for (int guard = 0; guard < 4000; ++guard) {
        int sx = std::abs(to.x - p.x) > 2 ? 2 : 1, sy = std::abs(to.y - p.y) > 2 ? 2 : 1;
        int dx = to.x < p.x ? -1 : to.x > p.x ? 1 : 0;
        int dy = to.y < p.y ? -1 : to.y > p.y ? 1 : 0;
        if (!dx && !dy) break;
        if (!m.walkable(p.x + dx, p.y + dy)) break;
        p.x += dx * sx;
        p.y += dy * sy;
    }
    return p;
}

std::string at(Point p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

}  // namespace

TEST(WalkMaps, Are800x600With32BitPixelsAndNoAlpha) {
    for (const WalkScene& sc : kScenes) {
        SCOPED_TRACE(sc.name);
        SDL_Surface* s = IMG_Load(sc.map);
        ASSERT_NE(s, nullptr) << IMG_GetError();
        EXPECT_EQ(s->w, 800);
        EXPECT_EQ(s->h, 600);
        EXPECT_EQ(s->format->BitsPerPixel, 32);
        EXPECT_EQ(s->format->Amask, 0u);
        // somewhere blocked reads as the value 0, the floor as something else
        WalkMap m{s};
        int blocked = 0;
        for (int y = 0; y < 600; y += 10)
            for (int x = 0; x < 800; x += 10) blocked += !m.walkable(x, y);
        EXPECT_GT(blocked, 0);
        SDL_FreeSurface(s);
    }
}

TEST(WalkMaps, EveryWalkToArrivalAndTargetPointIsWalkable) {
    for (const WalkScene& sc : kScenes) {
        SCOPED_TRACE(sc.name);
        SDL_Surface* s = IMG_Load(sc.map);
        ASSERT_NE(s, nullptr);
        WalkMap m{s};
        for (const auto* list : {&sc.walkTo, &sc.arrivals, &sc.targets})
            for (Point p : *list) EXPECT_TRUE(m.walkable(p.x, p.y)) << at(p);
        SDL_FreeSurface(s);
    }
}

TEST(WalkMaps, TheHeroReachesEveryPointFromEveryOtherAndBack) {
    for (const WalkScene& sc : kScenes) {
        SCOPED_TRACE(sc.name);
        SDL_Surface* s = IMG_Load(sc.map);
        ASSERT_NE(s, nullptr);
        WalkMap m{s};
        std::vector<Point> all;
        for (const auto* list : {&sc.walkTo, &sc.arrivals, &sc.targets}) all.insert(all.end(), list->begin(), list->end());
        for (Point a : all)
            for (Point b : all) {
                Point end = walk(m, a, b);
                EXPECT_TRUE(end.x == b.x && end.y == b.y) << "from " << at(a) << " to " << at(b) << " stops at " << at(end);
            }
        SDL_FreeSurface(s);
    }
}

// The same walks once more with the engine's own walk step, over the maps the
// game loads for its scenes.
TEST(WalkMaps, TheEnginesWalkReachesEveryPointOnTheGamesMaps) {
    TestEngine te;
    ASSERT_TRUE(te.videoOk);
    buildContent(te.e, kEnglish);
    for (const WalkScene& sc : kScenes) {
        SCOPED_TRACE(sc.name);
        te.e.scenes.currentScene = sc.name;
        te.e.player.lastExit.clear();
        enterScene(te.gs());
        Graphic* hero = findSprite(te.e.display, "Player");
        ASSERT_NE(hero, nullptr);
        std::vector<Point> all;
        for (const auto* list : {&sc.walkTo, &sc.arrivals, &sc.targets}) all.insert(all.end(), list->begin(), list->end());
        for (Point a : all)
            for (Point b : all) {
                placePlayer(te.e.player, a.x, a.y);
                te.e.player.targetX = b.x;
                te.e.player.targetY = b.y;
                for (int i = 0; i < kWalkSteps && !heroIdle(te.e.player); ++i) walkPlayer(te.e.player);
                Point end{hero->x + kFootDX, hero->y + kFootDY};
                EXPECT_TRUE(end.x == b.x && end.y == b.y) << "from " << at(a) << " to " << at(b) << " stops at " << at(end);
            }
    }
}
