// The speech queue with its expiry, stored texts, and the verb cursor as the last sprite.
#include <vector>

#include "gfx/cursor.h"
#include "world/verbs.h"
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
        gfxtest::writeFonts(dir);
        inDir([&] { loadFonts(r); });
        target.screen = screen;
        r.renderTarget = &target;
        r.speechQueue = &q;
    }
    void TearDown() override {
        clearSpeech(q);
        for (SDL_Surface* s : {r.font8, r.font16, r.font24}) {
            if (s) SDL_FreeSurface(s);
        }
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

class GfxCursor : public GfxTest {
protected:
    GraphicStore store;
    DisplayList list;
    CursorState c{};

    void SetUp() override {
        GfxTest::SetUp();
        // The loader goes by content, so BMPs stand in for the interface PNGs.
        for (const char* f : {"walk.png", "take.png", "talk.png", "look.png", "use.png",
                              "inv.png", "click.bmp", "load_c.bmp", "exit.png", "none.bmp",
                              "dialogbar.png", "exit_dialog.png", "cur.png"}) {
            solid(std::string("gfx/gui/") + f, 55, 960, 0x404040);
        }
        solid("icon.bmp", 30, 20, 0x505050);
        loadGraphic(store, "Icon", file("icon.bmp"));
        c.graphicStore = &store;
        c.displayList = &list;
        c.cursorShown = 1;
        c.cursorEnabled = 1;
        inDir([&] { loadCursorGraphics(c); });
        ASSERT_EQ(store.size(), 13u);
    }
    void TearDown() override {
        clearDisplayList(list);
        for (auto& entry : store) deleteGraphic(entry.second);
        GfxTest::TearDown();
    }
    // A scene: background, an object, and the cursor slot that scene entry appends.
    void buildScene() {
        addSprite(list, file("icon.bmp"), "Background", 0, 0, 0, 0, 0, 0, 0);
        addSprite(list, file("icon.bmp"), "Barn", 10, 20, 0, 0, 0, 0, 0);
        inDir([&] {
            addSprite(list, findGraphic(store, "ClickCursor")->path, "ClickCursor", 64, 64, 36,
                      48, 4, 912, 1);
        });
    }
    void set(int32_t mode) {
        inDir([&] { setCursor(c, mode); });
    }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const Graphic* g : list.sprites) out.push_back(g->name);
        return out;
    }
};

// A verb change replaces the cursor, and only a cursor: other sprites keep
// their place and state, a list ending in something else gets one appended.
TEST_F(GfxCursor, AVerbChangeReplacesOnlyTheCursor) {
    buildScene();
    Graphic* barn = list.sprites[1];
    barn->srcY = 7;
    set(kModeWalk);
    set(kModeTalk);
    EXPECT_EQ(names(), (std::vector<std::string>{"Background", "Barn", "TalkCursor"}));
    EXPECT_NE(lastSprite(list)->surface, nullptr);
    EXPECT_EQ(list.sprites[1], barn);
    EXPECT_EQ(barn->srcY, 7);
    c.heldItemGraphic = "Icon";
    set(kModeUseItem);
    EXPECT_EQ(lastSprite(list)->path, file("icon.bmp"));

    clearDisplayList(list);
    set(kModeWalk);
    addSprite(list, file("icon.bmp"), "Barn", 0, 0, 0, 0, 0, 0, 0);
    set(kModeLook);
    EXPECT_EQ(names(), (std::vector<std::string>{"WalkCursor", "Barn", "LookCursor"}));
}

}  // namespace
