// SPDX-License-Identifier: MIT
// Frames are composed only when what they show changed, and then from the noted
// draw list: every frame of every scene must look exactly as if it had been drawn
// whole, at once, the way the game used to draw.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "frame/clock.h"
#include "game/content.h"
#include "game/edition.h"
#include "harness.h"

namespace {

uint64_t screenHash(const Engine& e) { return surfaceHash(e.target.screen); }

// Every scene in turn for a while: the pointer sweeps, the verb changes, the
// player clicks, a line of speech comes and goes. One hash per frame.
std::vector<uint64_t> playEveryScene(bool drawAtOnce, const Edition& edition) {
    TestEngine t;
    t.e.target.testHookDrawAtOnce = drawAtOnce;
    buildContent(t.e, edition);
    std::vector<std::string> scenes;
    for (const auto& it : t.e.scenes.scenes) scenes.push_back(it.first);
    std::vector<uint64_t> hashes;
    for (const std::string& scene : scenes) {
        t.e.scenes.currentScene = scene;
        enterScene(t.gs());
        for (int i = 0; i < 48; ++i) {
            if (i == 10) sayAt(t.e.speech, "Two /n lines", 200, 100, t.e.text.white, 0);
            if (i == 20) t.rightClick();
            if (i == 30) t.click(380, 420);
            t.moveTo(100 + 13 * i, 80 + 9 * i);
            t.frame();
            // where the films change as they step, as the spare time finds it
            if (!drawAtOnce) learnFrameChanges(t.e.target, std::chrono::steady_clock::time_point::max());
            hashes.push_back(screenHash(t.e));
        }
        // A while without input: the frames repeat and are not composed again.
        t.frames(20);
        hashes.push_back(screenHash(t.e));
    }
    return hashes;
}

// A strip's sprite jumps to a far frame: the window is read again in place, so
// only the frame's row in the file tells the two frames apart.
uint64_t afterAJumpInAStreamedStrip(bool drawAtOnce) {
    TestEngine t;
    t.e.target.testHookDrawAtOnce = drawAtOnce;
    buildContent(t.e, kEnglish);
    t.e.scenes.currentScene = "BurbSequenz";
    enterScene(t.gs());
    t.frames(3);
    const std::string path = findGraphic(t.e.graphics, "BurbSequenzAni")->path;
    for (Graphic* g : t.e.display.sprites) {
        if (g->path != path) continue;
        g->animMode = 0;
        g->srcY = 10 * g->frameHeight;
    }
    const uint64_t before = screenHash(t.e);
    t.frame();
    EXPECT_NE(screenHash(t.e), before);
    return screenHash(t.e);
}

// A plain xRGB picture keyed on black, as the game's pictures are.
SDL_Surface* keyedPicture(int w, int h, uint32_t (*pixel)(int x, int y)) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xff0000, 0xff00, 0xff, 0);
    for (int y = 0; y < h; ++y) {
        Uint32* row = reinterpret_cast<Uint32*>(static_cast<uint8_t*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < w; ++x) row[x] = pixel(x, y);
    }
    platformSetColorKey(s, true, 0);
    return s;
}

// Two frames of a film over a background (and text), a small picture above:
// black in the film shows what lies below, in a block of rows, in its last
// row, and in one pixel of one row. Returns the screen after each frame.
std::vector<uint64_t> filmFrames(bool drawAtOnce, bool withText) {
    TestEngine t;
    RenderTarget& target = t.e.target;
    target.testHookDrawAtOnce = drawAtOnce;
    SDL_Surface* back = keyedPicture(800, 600, [](int x, int y) { return uint32_t(x << 16 | y << 8 | 0x40); });
    SDL_Surface* film = keyedPicture(800, 1120, [](int x, int y) {
        const int row = y % 560;
        const bool black = (row >= 100 && row < 140 && (x + y) % 3 == 0) || (row == 559 && x > 700) ||
                           (row == 300 && x == (y < 560 ? 0 : 759));
        return black ? 0u : uint32_t(0x808080 + (x & 0x3f) + (y & 0x3f) * 0x100);
    });
    SDL_Surface* top = keyedPicture(40, 40, [](int x, int y) { return (x + y) % 2 ? 0xff0000u : 0u; });
    SDL_FillRect(target.screen, nullptr, 0x123456);  // no pixel is left from an earlier screen
    std::vector<uint64_t> hashes;
    for (int frame = 0; frame < 2; ++frame) {
        beginFrameDrawing(target);
        drawPicture(target, back, "back", SDL_Rect{0, 0, 800, 600}, 0, 0);
        if (withText) {
            drawText(t.e.text, "Under the film", 10, 110, 24, t.e.text.white);
            drawText(t.e.text, "and where it hides it", 10, 200, 24, t.e.text.white);
        }
        drawPicture(target, film, "film", SDL_Rect{0, Sint16(560 * frame), 760, 560}, 20, 20);
        drawPicture(target, top, "top", SDL_Rect{0, 0, 40, 40}, 0, 100);  // partly beside the film, on the text
        composeFrame(target);
        hashes.push_back(screenHash(t.e));
    }
    SDL_FreeSurface(back);
    SDL_FreeSurface(film);
    SDL_FreeSurface(top);
    return hashes;
}

// A 16-bit BMP (five bits a channel): a kind of picture kept as the file has it.
void writeBmp16(const std::string& path, int w, int h, const PixelFn& pixel) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    const uint32_t stride = (uint32_t(w) * 2 + 3) & ~3u, data = stride * uint32_t(h);
    const uint32_t header[] = {54 + data, 0, 54, 40, uint32_t(w), uint32_t(h), 1 | 16u << 16, 0, data, 2835, 2835, 0, 0};
    std::fputs("BM", f);
    std::fwrite(header, sizeof header, 1, f);
    std::vector<uint8_t> row(stride);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const uint32_t v = pixel(x, y);
            const uint32_t p = (v >> 19 & 0x1f) << 10 | (v >> 11 & 0x1f) << 5 | (v >> 3 & 0x1f);
            row[2 * x] = uint8_t(p);
            row[2 * x + 1] = uint8_t(p >> 8);
        }
        std::fwrite(row.data(), 1, row.size(), f);
    }
    std::fclose(f);
}

// A film strip of three frames over a background, a small picture on it:
// each frame holds the key in a grid of holes and a bright block that moves
// along. Returns the screen after each frame. Noted, the spare time finds
// where the frames differ, and each step must compose only there: a pixel
// marked on screen where the frames agree stays as marked (and is put back).
// With sixteenBits the strip is a 16-bit file, whose frames are not compared:
// each step composes all of it.
std::vector<uint64_t> stripSteps(bool drawAtOnce, bool sixteenBits) {
    constexpr int kW = 400, kH = 300, kX = 200, kY = 150;
    const std::string back = writeTestBmpFn("back.bmp", 800, 600, [](int x, int y) { return uint32_t(x << 16 | y << 8 | 0x40); });
    const PixelFn film = [](int x, int y) {
        const int frame = y / kH, row = y % kH;
        if (x >= 40 + 100 * frame && x < 60 + 100 * frame && row >= 100 && row < 120) return 0xffff00u;
        return x % 50 == 10 && row % 50 == 10 ? 0u : uint32_t(0x800000 + (x & 0xff) + (row & 0x7f) * 0x100);
    };
    TempFolder folder;
    const std::string strip = folder / "strip.bmp";
    (sixteenBits ? writeBmp16 : writeBmp)(strip, kW, 3 * kH, film);
    const std::string top = writeTestBmpFn("top.bmp", 30, 30, [](int x, int) { return x % 2 ? 0xff0000u : 0u; });
    TestEngine t;
    RenderTarget& target = t.e.target;
    target.testHookDrawAtOnce = drawAtOnce;
    addSprite(t.e.display, back, "Back", 0, 0, 0, 0, 0, 0, 0);
    addSprite(t.e.display, strip, "Strip", kX, kY, kW, kH, 3, 3 * kH, 1);
    addSprite(t.e.display, top, "Top", kX + 45, kY + 95, 0, 0, 0, 0, 0);
    std::vector<uint64_t> hashes;
    int unchanged = 0;
    SDL_Rect mark = {kX + 5, kY + 5, 1, 1};  // in the film, where its frames agree
    for (int frame = 0; frame < 12; ++frame) {
        const uint32_t kept = screenPixel(t.e, mark.x, mark.y);
        const bool marked = frame > 1 && !drawAtOnce && !sixteenBits;
        if (marked) SDL_FillRect(target.screen, &mark, 0x00ff00);
        beginFrameDrawing(target);
        drawDisplayList(target);
        const bool composed = composeFrame(target);
        if (!drawAtOnce) learnFrameChanges(target, std::chrono::steady_clock::time_point::max());
        if (marked && composed) {
            EXPECT_EQ(screenPixel(t.e, mark.x, mark.y), 0x00ff00u) << "frame " << frame << " composed all of the film";
            ++unchanged;
        }
        if (marked) SDL_FillRect(target.screen, &mark, kept);
        hashes.push_back(screenHash(t.e));
    }
    if (!drawAtOnce && !sixteenBits) {
        EXPECT_GE(unchanged, 3) << "the film steps, and loops";
    }
    return hashes;
}

TEST(Compose, AFilmThatStepsIsComposedOnlyWhereItsFramesDiffer) {
    for (bool sixteenBits : {false, true}) EXPECT_EQ(stripSteps(false, sixteenBits), stripSteps(true, sixteenBits));
}

TEST(Compose, AFilmIsCopiedWithoutItsKeyOnlyWhereItHasNone) {
    EXPECT_EQ(filmFrames(false, false), filmFrames(true, false));
    EXPECT_EQ(filmFrames(false, true), filmFrames(true, true));
}

TEST(Compose, AJumpInAStreamedStripIsDrawn) {
    EXPECT_EQ(afterAJumpInAStreamedStrip(false), afterAJumpInAStreamedStrip(true));
}

class ComposeTest : public ::testing::TestWithParam<const Edition*> {};

TEST_P(ComposeTest, NotedFramesLookLikeFramesDrawnWhole) {
    const std::vector<uint64_t> whole = playEveryScene(true, *GetParam());
    const std::vector<uint64_t> noted = playEveryScene(false, *GetParam());
    ASSERT_EQ(whole.size(), noted.size());
    size_t differing = 0, first = whole.size();
    for (size_t i = 0; i < whole.size(); ++i) {
        if (whole[i] == noted[i]) continue;
        ++differing;
        if (first == whole.size()) first = i;
    }
    EXPECT_EQ(differing, 0u) << "first at frame " << first;
}

std::string editionName(const ::testing::TestParamInfo<const Edition*>& info) {
    return info.param == &kEnglish ? "en" : "de";
}

INSTANTIATE_TEST_SUITE_P(Editions, ComposeTest, ::testing::Values(&kEnglish, &kGerman),
                         editionName);

}  // namespace
