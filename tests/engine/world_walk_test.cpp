// SPDX-License-Identifier: MIT
// The hero's steps over the walk map, and walk maps of every pixel depth.
#include "world_fixture.h"

using WorldWalk = WorldTest;

namespace {

int footX(const Graphic* g) { return g->x + 80; }
int footY(const Graphic* g) { return g->y + 120; }

// A 20x10 map: black (blocked) left of x 10, white right of it.
constexpr int kMapW = 20, kMapH = 10, kMapSplit = 10;

void paintSplitMap(SDL_Surface* s, Uint32 black, Uint32 white) {
    SDL_Rect left = {0, 0, kMapSplit, kMapH}, right = {kMapSplit, 0, kMapW - kMapSplit, kMapH};
    SDL_FillRect(s, &left, black);
    SDL_FillRect(s, &right, white);
}

}  // namespace

TEST_F(WorldWalk, OneAndTwoPixelStepsDiagonalThenStraight) {
    PlayerState& p = t.e.player;
    p.targetX = 201;
    p.targetY = 400;
    walkPlayer(p);
    EXPECT_EQ(footX(hero()), 201) << "one pixel away: a one-pixel step";
    walkPlayer(p);
    EXPECT_EQ(p.targetX, kNoTarget);
    EXPECT_EQ(hero()->animMode, 2) << "arrived: the strip plays out and rests";

    p.targetX = 204;
    walkPlayer(p);
    EXPECT_EQ(footX(hero()), 203) << "three pixels away: two first";
    walkPlayer(p);
    EXPECT_EQ(footX(hero()), 204);
    walkPlayer(p);
    EXPECT_TRUE(heroIdle(p));
    placePlayer(t.e.player, 400, 300);
    EXPECT_EQ(hero()->x, 320);
    EXPECT_EQ(hero()->y, 180);

    // Diagonal until one axis is reached, then straight on.
    standAt(200, 400);
    p.targetX = 212;
    p.targetY = 396;
    walkPlayer(p);
    EXPECT_EQ(footX(hero()), 202);
    EXPECT_EQ(footY(hero()), 398);
    EXPECT_EQ(hero()->srcX, kWalkUpRight);
    EXPECT_EQ(hero()->animMode, 1) << "walking loops the strip";
    walkPlayer(p);
    walkPlayer(p);
    EXPECT_EQ(footY(hero()), 396);
    EXPECT_EQ(hero()->srcX, kWalkUpRight);
    walkPlayer(p);
    EXPECT_EQ(hero()->srcX, kWalkRight) << "y matches: straight on";
    for (int i = 0; i < 10 && !heroIdle(p); ++i) walkPlayer(p);
    EXPECT_EQ(footX(hero()), 212);
    EXPECT_EQ(footY(hero()), 396);
    EXPECT_TRUE(heroIdle(p));
}

TEST_F(WorldWalk, ABlockedStepEndsTheWalkAndOnlyOnePixelIsProbed) {
    loadGraphic(t.e.graphics, "WalkWall",
                writeTestBmpFn("WalkWall", 800, 600,
                               [](int x, int) -> uint32_t { return x >= 300 && x < 310 ? 0 : 0xffffff; }));
    hof->walkMapName = "WalkWall";
    standAt(291, 400);
    PlayerState& p = t.e.player;
    p.targetX = 350;
    p.targetY = 400;
    int steps = 0;
    while (!heroIdle(p) && steps < 100) {
        walkPlayer(p);
        ++steps;
    }
    EXPECT_EQ(footX(hero()), 299) << "the pixel next to the feet is black";
    EXPECT_EQ(p.targetX, kNoTarget);
    EXPECT_EQ(hero()->animMode, 2);
    EXPECT_EQ(hero()->srcX, kWalkRight);
    EXPECT_EQ(steps, 5) << "four steps up to the wall, the fifth is refused";

    // Only the pixel next to the feet is probed: a two-pixel step may end on black.
    standAt(292, 400);
    p.targetX = 350;
    p.targetY = 400;
    for (int i = 0; i < 100 && !heroIdle(p); ++i) walkPlayer(p);
    EXPECT_EQ(footX(hero()), 300) << "from 298 the probe at 299 is floor, the step lands on 300";
}

TEST_F(WorldWalk, MissingWalkMapBlocksEverything) {
    const PlayerState& p = t.e.player;
    for (auto [x, y] : {std::pair<int, int>{0, 300}, {800, 300}, {400, 0}, {400, 600}, {-5, -5}})
        EXPECT_FALSE(isWalkable(p, x, y)) << x << "," << y;
    EXPECT_TRUE(isWalkable(p, 1, 1));
    EXPECT_TRUE(isWalkable(p, 799, 599));
    hof->walkMapName = "NoSuchMap";
    EXPECT_FALSE(isWalkable(t.e.player, 400, 300));
    t.e.player.targetX = 300;
    t.e.player.targetY = 400;
    walkPlayer(t.e.player);
    EXPECT_EQ(footX(hero()), 200);
    EXPECT_TRUE(idle());

    // A walk map whose file could not be read blocks as well.
    testing::internal::CaptureStdout();
    loadGraphic(t.e.graphics, "Unreadable", "/nonexistent/walk.bmp");
    testing::internal::GetCapturedStdout();
    hof->walkMapName = "Unreadable";
    EXPECT_FALSE(isWalkable(t.e.player, 400, 300));
}

// Every depth, read from its file as the loader gives it: black blocks, other
// colours walk, and points outside the (small) image are blocked instead of read.
TEST_F(WorldWalk, WalkMapsOfEveryDepth) {
    struct Depth {
        const char* what;
        int bits;
        Uint32 r, g, b, a;
    };
    const Depth depths[] = {
        {"8-bit palette", 8, 0, 0, 0, 0},
        {"16-bit", 16, 0xf800, 0x07e0, 0x001f, 0},
        {"24-bit", 24, 0xff0000, 0x00ff00, 0x0000ff, 0},
        {"32-bit with alpha", 32, 0x00ff0000, 0x0000ff00, 0x000000ff, 0xff000000},
    };
    for (const Depth& d : depths) {
        SCOPED_TRACE(d.what);
        SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, kMapW, kMapH, d.bits, d.r, d.g, d.b, d.a);
        ASSERT_NE(s, nullptr);
        if (d.bits == 8) {
            SDL_Color colours[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
            SDL_SetColors(s, colours, 0, 2);
            paintSplitMap(s, 0, 1);
        } else {
            // Opaque black is not the value 0 when the image has an alpha channel;
            // where the depth holds it, almost black is floor.
            const Uint8 floor = d.bits >= 24 ? 1 : 255;
            paintSplitMap(s, SDL_MapRGBA(s->format, 0, 0, 0, 255), SDL_MapRGBA(s->format, floor, floor, floor, 255));
        }
        // The walk map is read from its file at the depth the loader gives it.
        const std::string path = writeTestBmp(std::string("WalkDepth") + std::to_string(d.bits), 1, 1, 0);
        ASSERT_EQ(SDL_SaveBMP(s, path.c_str()), 0);
        SDL_FreeSurface(s);
        const std::string name = std::string("WalkDepth") + std::to_string(d.bits);
        loadGraphic(t.e.graphics, name, path);
        hof->walkMapName = name;
        EXPECT_FALSE(isWalkable(t.e.player, 5, 5));
        EXPECT_TRUE(isWalkable(t.e.player, 15, 5));
        EXPECT_TRUE(isWalkable(t.e.player, kMapW - 1, kMapH - 1));
        EXPECT_FALSE(isWalkable(t.e.player, kMapW, 5)) << "right of the image";
        EXPECT_FALSE(isWalkable(t.e.player, 15, kMapH)) << "below the image";
    }
}
