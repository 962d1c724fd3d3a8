// SPDX-License-Identifier: MIT
// walkmaps_test.cpp - the walk maps of the scenes with the hero: 800x600
// with black as blocked, every walk-to point, arrival point and arrival
// target walkable, and the hero's walk gets from every one of those points to
// every other. The points come from the built catalogue and the arrival table.
#include <SDL.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "game/content.h"
#include "game/edition.h"
#include "gfx/display.h"
#include "game/script.h"
#include "gfx/graphic.h"
#include "harness.h"
#include "world/scene.h"
#include "world/walk.h"

namespace {

struct Point {
    int x, y;
};
std::string at(Point p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

// The game with its catalogue built, and the points of each playable scene the
// hero is sent to or placed at: walk-to points of its objects and exits, and
// the arrival spots and walk-in targets of the arrival table.
struct WalkWorld {
    TestEngine te;
    std::map<std::string, std::vector<Point>> points;  // scene -> points
    WalkWorld() {
        buildContent(te.e, kEnglish);
        for (const auto& entry : te.e.scenes.scenes) {
            const Scene* s = entry.second;
            if (s->hasPlayer != 1 || s->showInterface != 1) continue;
            std::vector<Point>& list = points[entry.first];
            for (const SceneObject* o : s->objects)
                if (o->walkToX != 0 && o->walkToY != 0) list.push_back({o->walkToX, o->walkToY});
        }
        for (size_t i = 0; i < kArrivalTableSize; ++i) {
            const ArrivalRow& r = kArrivalTable[i];
            if (!points.count(r.scene)) continue;
            points[r.scene].push_back(r.place ? Point{r.x, r.y} : Point{r.x + 80, r.y + 120});
            if (r.targetX != kNoTarget) points[r.scene].push_back({r.targetX, r.targetY});
        }
    }
};

}  // namespace

// Walk maps cover the screen (their depth is checked with every picture); with
// the engine's own walk over them every point of a scene is walkable and
// reached from every other.
TEST(WalkMaps, CoverTheScreenAndTheHeroReachesEveryPointFromEveryOther) {
    WalkWorld w;
    ASSERT_GE(w.points.size(), 14u);
    Engine& e = w.te.e;
    for (const auto& entry : w.points) {
        SCOPED_TRACE(entry.first);
        e.scenes.currentScene = entry.first;
        e.player.lastExit.clear();
        enterScene(w.te.gs());
        Graphic* hero = findSprite(e.display, "Player");
        ASSERT_NE(hero, nullptr);
        int32_t mapW = 0, mapH = 0;
        EXPECT_TRUE(graphicSize(*findGraphic(e.graphics, findScene(e.scenes, entry.first)->walkMapName), mapW, mapH));
        EXPECT_TRUE(mapW == 800 && mapH == 600) << mapW << "x" << mapH;
        int blocked = 0;
        for (int y = 0; y < 600; y += 10)
            for (int x = 0; x < 800; x += 10) blocked += !isWalkable(e.player, x, y);
        EXPECT_GT(blocked, 0) << "somewhere is a wall";
        for (Point a : entry.second) {
            ASSERT_TRUE(isWalkable(e.player, a.x, a.y)) << at(a);
            for (Point b : entry.second) {
                placePlayer(e.player, a.x, a.y);
                e.player.targetX = b.x;
                e.player.targetY = b.y;
                for (int i = 0; i < 2000 && !heroIdle(e.player); ++i) walkPlayer(e.player);
                const Point end{hero->x + 80, hero->y + 120};
                EXPECT_TRUE(end.x == b.x && end.y == b.y) << "from " << at(a) << " to " << at(b) << " stops at " << at(end);
            }
        }
    }
}
