// SPDX-License-Identifier: MIT
// Sprites: image loading, frame animation timing, the display list and fades.
#include <vector>

#include "gfx_test_util.h"

using gfxtest::GfxTest;

namespace {

constexpr int kFrameH = 10;  // strip frames are 4 x 10
constexpr int kFrames = 4;

uint32_t frameColour(int k) { return uint32_t(0x20 + 0x20 * k) << 16 | 0x1010; }

class GfxSprite : public GfxTest {
protected:
    std::string strip;  // four frames stacked downwards, each a solid colour

    void SetUp() override {
        GfxTest::SetUp();
        strip = file("strip.bmp");
        writeBmp(strip, 4, kFrameH * kFrames, [](int, int y) { return frameColour(y / kFrameH); });
    }

    // Draws g once at (100, 100) on a cleared screen; returns the frame shown, -1 for none.
    int drawOnce(Graphic& g) {
        clear(0x0000c8);
        g.x = 100;
        g.y = 100;
        drawSprite(screen, g);
        const uint32_t p = pixel(100, 100);
        for (int k = 0; k < kFrames; ++k) {
            if (p == frameColour(k)) return k;
        }
        return -1;
    }

    // A script starts the strip again from its first frame with a working delay.
    static void restart(Graphic& g, int delay) {
        g.srcY = 0;
        g.delayCounter = 0;
        g.delayCurrent = delay;
    }
    std::vector<int> frames(Graphic& g, int draws) {
        std::vector<int> shown;
        for (int i = 0; i < draws; ++i) shown.push_back(drawOnce(g));
        return shown;
    }
};

TEST_F(GfxSprite, DelayShowsFirstFrameOneDrawLongerThenLoopsOrRests) {
    Graphic* g = newSpriteGraphic(strip, "s", 0, 0, 4, kFrameH, 2, kFrameH * kFrames, 1);
    ASSERT_TRUE(graphicDecoded(*g));
    EXPECT_EQ(frames(*g, 14), (std::vector<int>{0, 0, 0, 1, 1, 2, 2, 3, 3, 0, 0, 1, 1, 2}));

    // A script's working delay survives the wrap of a loop; frameDelay only refills a 0.
    restart(*g, 1);
    EXPECT_EQ(frames(*g, 10), (std::vector<int>{0, 0, 1, 2, 3, 0, 1, 2, 3, 0}));
    restart(*g, 0);
    EXPECT_EQ(frames(*g, 5), (std::vector<int>{0, 0, 0, 1, 1}));
    deleteGraphic(g);

    // Played once, a strip rests on its first frame until a script restarts it.
    g = newSpriteGraphic(strip, "s", 0, 0, 4, kFrameH, 1, kFrameH * kFrames, 2);
    EXPECT_EQ(frames(*g, 12), (std::vector<int>{0, 0, 1, 2, 3, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g->delayCurrent, 0);  // scripts wait for this
    EXPECT_EQ(g->srcY, 0);

    // A script restarts it by giving it a delay again.
    restart(*g, 1);
    EXPECT_EQ(frames(*g, 4), (std::vector<int>{0, 0, 1, 2}));
    deleteGraphic(g);
}

// Delay 0 never stops a play-once strip; a hidden sprite neither draws nor steps;
// a strip whose end is no whole frame runs off into nothing; a still image is
// drawn whole.
TEST_F(GfxSprite, DelayZeroHiddenRaggedAndStillStrips) {
    Graphic* g = newSpriteGraphic(strip, "s", 0, 0, 4, kFrameH, 0, kFrameH * kFrames, 2);
    EXPECT_EQ(frames(*g, 6), (std::vector<int>{0, 1, 2, 3, 0, 1}));
    g->visible = 0;
    EXPECT_EQ(frames(*g, 2), (std::vector<int>{-1, -1}));
    g->visible = 2;  // only 1 means visible
    EXPECT_EQ(drawOnce(*g), -1);
    g->visible = 1;
    EXPECT_EQ(frames(*g, 2), (std::vector<int>{2, 3}));  // goes on where it stopped
    deleteGraphic(g);

    g = newSpriteGraphic(strip, "s", 0, 0, 4, kFrameH, 0, 35, 1);
    EXPECT_EQ(frames(*g, 6), (std::vector<int>{0, 1, 2, 3, -1, -1}));
    g->srcY = 65536 + kFrameH;  // as a 16-bit blit offset this would be frame 1 again
    EXPECT_EQ(drawOnce(*g), -1);
    deleteGraphic(g);

    // stripEnd 0: the frame fields are ignored and the image is drawn from (srcX, srcY).
    g = newSpriteGraphic(strip, "s", 0, 0, 2, 5, 0, 0, 1);
    g->srcY = 2 * kFrameH;
    clear(0x0000c8);
    g->x = 100;
    g->y = 100;
    drawSprite(screen, *g);
    EXPECT_EQ(pixel(103, 100), frameColour(2));  // full width, not frameWidth 2
    EXPECT_EQ(pixel(100, 119), frameColour(3));  // to the image's end, not frameHeight 5
    EXPECT_EQ(pixel(100, 120), 0x0000c8u);
    EXPECT_EQ(g->srcY, 2 * kFrameH);  // no animation
    deleteGraphic(g);
}

TEST_F(GfxSprite, BlackIsTransparentAndNearBlackIsDrawn) {
    auto pattern = [](int x, int) -> uint32_t { return x == 0 ? 0x000000 : 0x010101; };
    const std::string bmp24 = file("k24.bmp");
    const std::string bmp32 = file("k32.bmp");
    writeBmp(bmp24, 2, 2, pattern);
    gfxtest::writeBmp32(bmp32, 2, 2, pattern);  // loaders give this one an empty alpha channel
    for (const std::string& path : {bmp24, bmp32}) {
        SCOPED_TRACE(path);
        clear(0x0000c8);
        Graphic* g = newSpriteGraphic(path, "k", 10, 10, 0, 0, 0, 0, 0);
        ASSERT_TRUE(graphicDecoded(*g));
        drawSprite(screen, *g);
        EXPECT_EQ(pixel(10, 10), 0x0000c8u);
        EXPECT_EQ(pixel(11, 10), 0x010101u);

        // Per-surface alpha blends the whole image and the black key still holds.
        clear(0x0000c8);
        g->alpha = 128;
        drawSprite(screen, *g);
        EXPECT_EQ(pixel(10, 10), 0x0000c8u);
        EXPECT_NE(pixel(11, 10), 0x010101u);
        EXPECT_NE(pixel(11, 10), 0x0000c8u);
        deleteGraphic(g);
    }
}

TEST_F(GfxSprite, MissingImageReportsEachAttemptAndIsSkipped) {
    GraphicStore store;
    const std::string missing = file("nowhere.png");
    testing::internal::CaptureStdout();
    loadGraphic(store, "Ghost", missing);
    loadGraphic(store, "Ghost", missing);  // the name is taken: no second attempt
    DisplayList list;
    Graphic* s = addSprite(list, missing, "Ghost", 0, 0, 4, kFrameH, 1, 40, 1);
    const std::string out = testing::internal::GetCapturedStdout();

    const std::string line = "IMG_Load: ";
    size_t count = 0;
    for (size_t at = out.find(line); at != std::string::npos; at = out.find(line, at + 1)) ++count;
    EXPECT_EQ(count, 2u) << out;
    EXPECT_NE(out.find("nowhere.png"), std::string::npos) << out;
    ASSERT_EQ(store.size(), 1u);
    EXPECT_EQ(store["Ghost"]->surface, nullptr);

    RenderTarget target;
    target.screen = screen;
    target.displayList = &list;
    drawDisplayList(target);
    EXPECT_EQ(s->delayCounter, 0);  // skipped entirely: no step either
    EXPECT_EQ(pixel(0, 0), 0x0000c8u);
    clearDisplayList(list);
    deleteGraphic(store["Ghost"]);
}

class GfxDisplayList : public GfxTest {
protected:
    DisplayList list;
    RenderTarget target;
    std::string img;

    void SetUp() override {
        GfxTest::SetUp();
        img = solid("img.bmp", 2, 2, 0x808080);
        target.screen = screen;
        target.displayList = &list;
    }
    void TearDown() override {
        clearDisplayList(list);
        GfxTest::TearDown();
    }
    void add(const std::string& name, int x = 0) { addSprite(list, img, name, x, 0, 0, 0, 0, 0, 0); }
};

TEST_F(GfxDisplayList, DrawsInListOrderAndTopSpriteAgain) {
    drawDisplayList(target);  // empty list: nothing, no crash
    drawTopSprite(target);
    EXPECT_EQ(pixel(0, 0), 0x0000c8u);

    addSprite(list, solid("low.bmp", 4, 4, 0x111111), "Low", 0, 0, 0, 0, 0, 0, 0);
    addSprite(list, solid("high.bmp", 2, 2, 0x222222), "High", 0, 0, 0, 0, 0, 0, 0);
    drawDisplayList(target);
    EXPECT_EQ(pixel(0, 0), 0x222222u);
    EXPECT_EQ(pixel(3, 3), 0x111111u);

    // The top sprite is stepped by both calls: the cursor runs twice as fast in dialogues.
    Graphic* cursor = addSprite(list, solid("cur.bmp", 2, 20, 0x333333), "ClickCursor", 50, 50,
                                2, 10, 5, 20, 1);
    drawDisplayList(target);
    drawTopSprite(target);
    EXPECT_EQ(cursor->delayCounter, 2);
}

TEST_F(GfxDisplayList, FadesStepOnlyWhatCanMoveAndClamp) {
    for (int alpha : {255, 0, 254}) {
        add("A");
        lastSprite(list)->alpha = uint8_t(alpha);
    }
    fadeInStep(list);
    EXPECT_EQ(list.sprites[0]->alpha, 255);
    EXPECT_EQ(list.sprites[1]->alpha, 1);
    EXPECT_EQ(list.sprites[2]->alpha, 255);
    setAlphaAll(list, 1);
    fadeOutStep(list);
    fadeOutStep(list);
    for (const Graphic* g : list.sprites) EXPECT_EQ(g->alpha, 0);

    // A sprite at alpha 0 is invisible but still animates; one made mid-fade is opaque.
    Graphic* anim = addSprite(list, img, "Anim", 0, 0, 2, 1, 0, 2, 1);
    anim->alpha = 0;
    drawDisplayList(target);
    EXPECT_EQ(anim->srcY, 1);
    EXPECT_EQ(pixel(0, 0), 0x0000c8u);
    add("Late");
    EXPECT_EQ(lastSprite(list)->alpha, 255);
}

}  // namespace
