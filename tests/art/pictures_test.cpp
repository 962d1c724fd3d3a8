// SPDX-License-Identifier: MIT
// pictures_test.cpp - every picture the game reads exists at its path, loads
// through SDL_image with the geometry its animation template and the scripts
// need, carries no alpha channel, and keeps pure black for the colour key only.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "game/content.h"
#include "game/edition.h"
#include "gfx/graphic.h"
#include "harness.h"
#include "world/scene.h"

namespace {

// A strip the content or a script plays: its column and where it ends.
struct Strip {
    int srcX;
    int stripEnd;
};

struct StripRow {
    const char* path;
    int frameW, frameH;         // 0 = a still picture drawn whole
    std::vector<Strip> strips;  // every column selected, with its longest strip
};

// The strips the content and the scripts play, with every column they select.
const std::vector<StripRow> kStrips = {
    // path | frame w, h | columns with the longest strip played on them
    {"gfx/szene/intro/crash/crash.png", 640, 353, {{0, 4942}, {640, 4942}}},
    {"gfx/szene/intro/crash/explode.png", 800, 600, {{0, 3000}}},
    {"gfx/szene/intro/crash/cockpit.png", 800, 303, {{0, 1212}}},
    {"gfx/szene/scheune_innen/band.png", 62, 57, {{0, 57}, {62, 57}}},
    {"gfx/szene/farmhaus/door.png", 88, 94, {{0, 2632}}},
    {"gfx/char/farmer/animations.png", 81, 115, {{0, 1150}}},
    {"gfx/char/cry_girl/animations.png", 93, 130, {{0, 260}, {93, 260}, {186, 260}, {279, 260}, {372, 260}}},
    {"gfx/char/freak/animations.png", 137, 130, {{0, 1300}, {137, 520}, {274, 260}, {548, 1300}, {685, 520}, {822, 260}}},
    {"gfx/szene/fitness_studio_innen/burger.png", 800, 568, {{0, 15336}}},
    {"gfx/char/studiogirl/animations.png", 124, 141, {{0, 423}, {124, 423}, {248, 423}, {372, 282}}},
    {"gfx/szene/trainingsraum/fatman.png", 800, 568, {{0, 3976}}},
    {"gfx/char/fatman/animations.png", 166, 298, {{0, 2384}}},
    {"gfx/char/fatman/lutsch_animations.png", 136, 224, {{0, 1568}}},
    {"gfx/szene/toilette/toolbox.png", 86, 78, {{0, 78}, {86, 78}, {172, 78}}},
    {"gfx/szene/toilette/sequenz.png", 800, 567, {{0, 18144}}},
    {"gfx/char/hausmeister/kloani.png", 131, 200, {{0, 800}, {131, 800}}},
    {"gfx/char/hausmeister/animations.png", 192, 211, {{0, 2532}}},
    {"gfx/char/alte_dame/animations.png", 162, 191, {{0, 1719}, {162, 573}}},
    {"gfx/char/ticketstand_kid/animations.png", 200, 275, {{0, 1925}, {200, 1100}, {400, 825}, {800, 1375}}},
    {"gfx/char/ticketstand_kid/schranke.png", 134, 148, {{0, 888}}},
    {"gfx/szene/schulparty/ko.png", 226, 82, {{0, 82}, {226, 82}}},
    {"gfx/szene/schulparty/burb.png", 800, 568, {{0, 28400}}},
    {"gfx/char/burbkid1/animations.png", 96, 123, {{0, 615}, {96, 246}, {192, 615}, {288, 246}, {384, 246}}},
    {"gfx/char/burbkid2/animations.png", 60, 125, {{0, 1125}, {69, 500}, {138, 250}, {207, 250}, {276, 250}, {345, 250}}},
    {"gfx/char/burbkid3/animations.png", 60, 125, {{0, 375}}},
    // interface and cursors
    {"gfx/gui/walk.png", 55, 48, {{0, 960}}},
    {"gfx/gui/take.png", 55, 48, {{0, 960}}},
    {"gfx/gui/talk.png", 55, 48, {{0, 96}}},
    {"gfx/gui/look.png", 55, 48, {{0, 960}}},
    {"gfx/gui/use.png", 55, 48, {{0, 960}}},
    {"gfx/gui/inv.png", 128, 128, {{0, 2560}}},
    {"gfx/gui/click.bmp", 36, 48, {{0, 912}}},
    {"gfx/gui/load_c.bmp", 55, 48, {{0, 960}}},
    {"gfx/gui/exit.png", 48, 48, {{0, 960}, {48, 960}, {96, 960}, {144, 960}, {192, 960}, {240, 960}, {288, 960}, {336, 960}}},
    {"gfx/gui/none.bmp", 55, 48, {{0, 96}}},
    {"gfx/char/player/walk.png", 160, 120,
     {{0, 960}, {160, 960}, {320, 960}, {480, 960}, {640, 960}, {800, 960}, {960, 960}, {1120, 960}}},
};

// The explosion sits over the whole crash screen from the start, showing its
// first frame: that frame must let the crash show through.
const char* const kExplosion = "gfx/szene/intro/crash/explode.png";

// A picture as plain 32-bit pixels.
SDL_Surface* load(const std::string& path) { return asPlainRgb(IMG_Load(path.c_str())); }

// Counts visible (non-black) pixels of a rectangle.
int visiblePixels(SDL_Surface* s, int x0, int y0, int w, int h) {
    int n = 0;
    for (int y = y0; y < y0 + h && y < s->h; ++y)
        for (int x = x0; x < x0 + w && x < s->w; ++x) n += surfacePixel(s, x, y) != 0;
    return n;
}

// Every picture the game reads: the catalogue's templates, the strips, and the
// few files the engine loads by name; the backgrounds of the playable scenes.
struct GamePictures {
    std::set<std::string> all, playableBackgrounds;
    GamePictures() {
        TestEngine t;
        buildContent(t.e, kEnglish);
        for (const auto& entry : t.e.graphics) all.insert(entry.second->path);
        for (const auto& entry : t.e.scenes.scenes)
            if (entry.second->hasPlayer == 1 && entry.second->showInterface == 1)
                playableBackgrounds.insert(spriteTemplatePath(t.e.graphics, entry.second->backgroundName));
        for (const StripRow& p : kStrips) all.insert(p.path);
        for (const char* f : {"gfx/gui/cur.png", "gfx/gui/invscreen.png", "gfx/icon.bmp"}) all.insert(f);
    }
};
const GamePictures& pictures() {
    static const GamePictures p;
    return p;
}

class Pictures : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { IMG_Init(IMG_INIT_PNG); }
};

}  // namespace

// Every file loads without an alpha channel, as a palette where 256 colours
// hold it and as 24 bits otherwise, and keeps pure black for the colour key:
// nothing visible comes close to it. The backgrounds of play cover the screen.
TEST_F(Pictures, EveryFileLoadsPlainOnlyTheKeyIsBlackAndBackgroundsCoverTheScreen) {
    ASSERT_GT(pictures().all.size(), 100u);
    ASSERT_GT(pictures().playableBackgrounds.size(), 12u);
    for (const std::string& path : pictures().all) {
        SCOPED_TRACE(path);
        SDL_Surface* file = IMG_Load(path.c_str());
        ASSERT_NE(file, nullptr) << IMG_GetError();
        EXPECT_EQ(file->format->Amask, 0u);
        const int bits = file->format->BitsPerPixel;
        EXPECT_TRUE(bits == 8 || bits == 24) << bits;
        SDL_Surface* s = asPlainRgb(file);
        std::set<uint32_t> colours;
        int bad = 0, visible = 0;
        for (int y = 0; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x) {
                const uint32_t v = surfacePixel(s, x, y);
                visible += v != 0;
                if (v != 0 && ((v >> 16) < 8 || (v >> 8 & 255) < 8 || (v & 255) < 8)) ++bad;
                if (colours.size() <= 256) colours.insert(v);
            }
        EXPECT_EQ(bad, 0) << "pixels close to the colour key";
        EXPECT_EQ(bits == 8, colours.size() <= 256) << "the smallest depth that holds " << colours.size() << " colours";
        if (pictures().playableBackgrounds.count(path)) {
            EXPECT_TRUE(s->w == 800 && s->h == 600) << s->w << "x" << s->h;
            EXPECT_EQ(visible, 800 * 600) << "a hole shows the black screen";
        }
        SDL_FreeSurface(s);
    }
}

TEST_F(Pictures, EveryFrameOfEveryColumnIsThereAndShowsSomething) {
    for (const StripRow& p : kStrips) {
        SCOPED_TRACE(p.path);
        SDL_Surface* s = load(p.path);
        ASSERT_NE(s, nullptr);
        for (const Strip& c : p.strips) {
            EXPECT_GE(s->w, c.srcX + p.frameW) << "column " << c.srcX << " is cut off";
            EXPECT_GE(s->h, c.stripEnd) << "strip of column " << c.srcX << " is cut off";
            for (int y = 0; y < c.stripEnd; y += p.frameH) {
                if (!strcmp(p.path, kExplosion) && y == 0) continue;
                EXPECT_GT(visiblePixels(s, c.srcX, y, p.frameW, p.frameH), 0) << "column " << c.srcX << " frame at " << y;
            }
        }
        SDL_FreeSurface(s);
    }
}

TEST_F(Pictures, TheIntroTheCreditsTheBarAndTheExplosionFitWhereTheyAreDrawn) {
    // the intro strip is shown from srcY 0 to 3600 in 600 steps, 92 px in from the left
    SDL_Surface* intro = load("gfx/szene/intro/cga_to_vga_low.bmp");
    ASSERT_NE(intro, nullptr);
    EXPECT_GE(intro->h, 3600 + 552);
    EXPECT_LE(intro->w, 800 - 92);
    for (int panel = 0; panel <= 6; ++panel) EXPECT_GT(visiblePixels(intro, 0, panel * 600, intro->w, 552), 0) << panel;
    SDL_FreeSurface(intro);

    // The credits draw their title at (16, 16) before the background is drawn:
    // the blank background must let it through.
    SDL_Surface* blank = load("gfx/szene/blank.png");
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(visiblePixels(blank, 0, 0, 420, 48), 0);
    EXPECT_GT(visiblePixels(blank, 0, 100, 800, 500), 0);
    SDL_FreeSurface(blank);

    // The pointer test takes the first sprite it hits, and the conversation bar
    // (at x 0) comes before the leave button (at x 672): the bar must end before it.
    SDL_Surface* bar = IMG_Load("gfx/gui/dialogbar.png");
    ASSERT_NE(bar, nullptr);
    EXPECT_LT(bar->w, 672);
    SDL_FreeSurface(bar);

    SDL_Surface* explosion = load(kExplosion);
    ASSERT_NE(explosion, nullptr);
    EXPECT_EQ(visiblePixels(explosion, 0, 0, 800, 600), 0) << "the explosion starts clear";
    SDL_FreeSurface(explosion);
}

// A figure cut by its frame shows a straight edge where an arm or a hat should
// go on: the people keep their outermost columns and their top row clear in
// every frame (their feet may stand on the bottom row).
TEST_F(Pictures, PeopleStayInsideTheirFrames) {
    const char* people[] = {"gfx/char/player/walk.png",           "gfx/char/farmer/animations.png",
                            "gfx/char/freak/animations.png",      "gfx/char/fatman/animations.png",
                            "gfx/char/hausmeister/animations.png", "gfx/char/ticketstand_kid/animations.png",
                            "gfx/char/burbkid1/animations.png",   "gfx/char/burbkid2/animations.png",
                            "gfx/char/burbkid3/animations.png"};
    for (const char* path : people) {
        SCOPED_TRACE(path);
        const StripRow* p = nullptr;
        for (const StripRow& q : kStrips)
            if (!strcmp(q.path, path)) p = &q;
        ASSERT_NE(p, nullptr);
        SDL_Surface* s = load(path);
        ASSERT_NE(s, nullptr);
        for (const Strip& c : p->strips)
            for (int y = 0; y < c.stripEnd; y += p->frameH) {
                EXPECT_EQ(visiblePixels(s, c.srcX, y, 1, p->frameH), 0) << "left edge, column " << c.srcX << " frame at " << y;
                EXPECT_EQ(visiblePixels(s, c.srcX + p->frameW - 1, y, 1, p->frameH), 0) << "right edge, column " << c.srcX << " frame at " << y;
                EXPECT_EQ(visiblePixels(s, c.srcX, y, p->frameW, 1), 0) << "top edge, column " << c.srcX << " frame at " << y;
            }
        SDL_FreeSurface(s);
    }
}
