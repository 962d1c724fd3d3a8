// SPDX-License-Identifier: MIT
// The speech queue: lines expire in turn and only the front one is drawn.
#include <vector>

#include "gfx_test_util.h"

using gfxtest::GfxTest;

namespace {

constexpr uint32_t kBackground = 0x0000c8;

class GfxSpeech : public GfxTest {
protected:
    TextRenderer r{};
    RenderTarget target{};
    SpeechQueue q{};

    void SetUp() override {
        GfxTest::SetUp();
        gfxtest::loadMarkerFonts(r, dir);
        target.screen = screen;
        r.renderTarget = &target;
        r.speechQueue = &q;
    }
    void TearDown() override {
        clearSpeech(q);
        gfxtest::freeFonts(r);
        GfxTest::TearDown();
    }
    // One tick of the script clock, then the frame's speech update.
    void tick() {
        q.secondsShown += 1;
        updateSpeech(r);
    }
    std::string front() const { return q.lines.empty() ? "" : q.lines.front()->text; }
};

// Lines go at the tick that raises secondsShown above their seconds; queuing
// restarts the count; only the front line is drawn; an empty text shows its number.
TEST_F(GfxSpeech, LinesExpireInTurnAndOnlyTheFrontIsDrawn) {
    say(q, "A", r.black, 2);
    sayAt(q, "B", 100, 100, r.black, 0);
    updateSpeech(r);
    EXPECT_EQ(pixel(4, 0), 0x322132u);  // 'A' blended with black
    EXPECT_EQ(pixel(100, 100), kBackground);
    tick();
    tick();
    EXPECT_EQ(front(), "A");  // secondsShown 2 is not above 2
    tick();
    EXPECT_EQ(front(), "B");
    EXPECT_EQ(q.secondsShown, 0);
    sayAt(q, "C", 0, 0, r.white, 5);
    tick();
    EXPECT_EQ(front(), "C") << "B's 0 seconds passed at the first tick";
    tick();
    EXPECT_EQ(q.secondsShown, 1);
    say(q, "D", r.white, 1);
    EXPECT_EQ(q.secondsShown, 0) << "queuing restarts the line on screen";
    clearSpeech(q);
    EXPECT_FALSE(speechQueued(q));

    SpeechLine* line = newSpeechLine("", 10, 50, 24, r.white);
    line->number = 7;
    q.lines.push_back(line);
    updateSpeech(r);
    EXPECT_EQ(pixel(10, 50), 0x642064u);           // leading zero: glyph 16 unblended
    EXPECT_EQ(pixel(10 + 9 * 18, 50), 0x642e64u);  // 7: glyph 23
}

}  // namespace
