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

TEST_F(GfxSpeech, LineStaysUntilSecondsShownPassesItsSeconds) {
    say(q, "first", r.white, 2);
    say(q, "second", r.white, 0);
    ASSERT_EQ(q.lines.size(), 2u);
    const SpeechLine& f = *q.lines.front();
    EXPECT_EQ(f.x, 4);
    EXPECT_EQ(f.y, 0);
    EXPECT_EQ(f.size, 24);

    updateSpeech(r);
    EXPECT_EQ(front(), "first");
    tick();
    tick();
    EXPECT_EQ(front(), "first");  // secondsShown 2 is not above 2
    tick();
    EXPECT_EQ(front(), "second");
    EXPECT_EQ(q.secondsShown, 0);
    tick();  // seconds 0 goes at the first tick after it came up
    EXPECT_FALSE(speechQueued(q));
}

TEST_F(GfxSpeech, QueuingRestartsTheLineOnScreen) {
    say(q, "up", r.white, 1);
    tick();
    EXPECT_EQ(q.secondsShown, 1);
    sayAt(q, "waiting", 100, 200, r.white, 5);
    EXPECT_EQ(q.secondsShown, 0);
    EXPECT_EQ(q.lines.back()->x, 100);
    EXPECT_EQ(q.lines.back()->seconds, 5);
    tick();
    EXPECT_EQ(front(), "up");

    // clearSpeech empties the queue at once but keeps the count.
    clearSpeech(q);
    EXPECT_FALSE(speechQueued(q));
    EXPECT_EQ(q.secondsShown, 1);
    clear(kBackground);
    updateSpeech(r);
    EXPECT_EQ(pixel(4, 0), kBackground);
}

TEST_F(GfxSpeech, OnlyTheFrontLineIsDrawn) {
    say(q, "A", r.black, 3);
    sayAt(q, "B", 100, 100, r.black, 3);
    updateSpeech(r);
    EXPECT_EQ(pixel(4, 0), 0x322132u);  // 'A' blended with black
    EXPECT_EQ(pixel(100, 100), kBackground);
}

TEST_F(GfxSpeech, EmptyTextShowsItsNumber) {
    SpeechLine* line = newSpeechLine("", 10, 50, 24, r.white);
    EXPECT_EQ(line->seconds, 3);
    line->number = 7;
    q.lines.push_back(line);
    updateSpeech(r);
    EXPECT_EQ(pixel(10, 50), 0x642064u);            // leading zero: glyph 16 unblended
    EXPECT_EQ(pixel(10 + 9 * 18, 50), 0x642e64u);   // 7: glyph 23
}

TEST_F(GfxSpeech, StoredTextsKeepTheirFirstDefinition) {
    TextTable table;
    defineText(table, "LOOK_Barn", "A barn.");
    defineText(table, "LOOK_Barn", "Another barn.", 9, r.red);
    defineText(table, "NOT_TAKE", "No.", 5, r.yellow);
    const SpeechLine* barn = findGraphic(table, "LOOK_Barn");
    ASSERT_NE(barn, nullptr);
    EXPECT_EQ(barn->text, "A barn.");
    EXPECT_EQ(barn->seconds, 3);
    EXPECT_EQ(barn->colour, kRawWhite);
    EXPECT_EQ(barn->size, 8);
    EXPECT_EQ(findGraphic(table, "NOT_TAKE")->seconds, 5);
    EXPECT_EQ(findGraphic(table, "NOT_TAKE")->colour, r.yellow);
    for (auto& entry : table) delete entry.second;
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

TEST_F(GfxCursor, ModeChangeReplacesOnlyTheCursor) {
    buildScene();
    Graphic* barn = list.sprites[1];
    barn->srcY = 7;
    set(kModeWalk);
    EXPECT_EQ(names(), (std::vector<std::string>{"Background", "Barn", "WalkCursor"}));
    const Graphic* cur = lastSprite(list);
    EXPECT_EQ(cur->x, -164);
    EXPECT_EQ(cur->y, 64);
    EXPECT_EQ(cur->frameWidth, 55);
    EXPECT_EQ(cur->frameHeight, 48);
    EXPECT_EQ(cur->frameDelay, 4);
    EXPECT_EQ(cur->stripEnd, 960);
    EXPECT_EQ(cur->animMode, 1);
    EXPECT_EQ(cur->path, findGraphic(store, "WalkCursor")->path);
    EXPECT_NE(cur->surface, nullptr);

    set(kModeLook);
    set(kModeTalk);
    EXPECT_EQ(names(), (std::vector<std::string>{"Background", "Barn", "TalkCursor"}));
    EXPECT_EQ(lastSprite(list)->frameDelay, 8);
    EXPECT_EQ(list.sprites[1], barn);  // never freed, so the address is its own
    EXPECT_EQ(barn->srcY, 7);

    set(kModePoint);
    EXPECT_EQ(lastSprite(list)->name, "PointCursor");
    EXPECT_EQ(lastSprite(list)->x, 48);
    EXPECT_EQ(lastSprite(list)->stripEnd, 0);
    EXPECT_NE(lastSprite(list)->surface, nullptr);
}

TEST_F(GfxCursor, HeldOrDisabledCursorLeavesTheListAlone) {
    buildScene();
    lastSprite(list)->srcX = 7;  // a new sprite would start at 0 (addresses may be reused)
    const std::vector<std::string> before = names();
    c.cursorShown = 0;
    for (int32_t mode : {0, 2, 5, 8, 11}) set(mode);
    EXPECT_EQ(names(), before);
    c.cursorShown = 2;  // only 1 lets it act
    set(kModeWalk);
    EXPECT_EQ(names(), before);
    c.cursorShown = 1;
    c.cursorEnabled = 0;
    set(kModeWalk);
    EXPECT_EQ(names(), before);
    EXPECT_EQ(lastSprite(list)->srcX, 7);
}

TEST_F(GfxCursor, ModesWithoutAnImageKeepTheCursorLast) {
    buildScene();
    set(kModeWalk);
    lastSprite(list)->srcX = 7;
    for (int32_t mode : {1, 7, 12, -3}) set(mode);  // mode 1 with no item held
    c.heldItemGraphic = "NotInStore";
    set(kModeUseItem);
    EXPECT_EQ(names(), (std::vector<std::string>{"Background", "Barn", "WalkCursor"}));
    EXPECT_EQ(lastSprite(list)->srcX, 7);

    // The next real mode still replaces the cursor and nothing else.
    set(kModeTake);
    EXPECT_EQ(names(), (std::vector<std::string>{"Background", "Barn", "TakeCursor"}));
}

TEST_F(GfxCursor, ItemCursorIsTheWholeIconUnanimated) {
    buildScene();
    c.heldItemGraphic = "Icon";
    set(kModeUseItem);
    const Graphic* cur = lastSprite(list);
    EXPECT_EQ(cur->name, "ItemCursor");
    EXPECT_EQ(cur->path, file("icon.bmp"));
    EXPECT_EQ(cur->frameWidth, 0);
    EXPECT_EQ(cur->stripEnd, 0);
    EXPECT_EQ(cur->animMode, 0);
    EXPECT_EQ(list.sprites.size(), 3u);
}

TEST_F(GfxCursor, NeverRemovesASpriteThatIsNotACursor) {
    set(kModeWalk);  // empty list: the cursor is simply appended
    EXPECT_EQ(names(), (std::vector<std::string>{"WalkCursor"}));
    addSprite(list, file("icon.bmp"), "Barn", 0, 0, 0, 0, 0, 0, 0);
    set(kModeLook);
    EXPECT_EQ(names(), (std::vector<std::string>{"WalkCursor", "Barn", "LookCursor"}));

    // The inventory's cursor is a sprite named after the LookCursor template.
    clearDisplayList(list);
    addSprite(list, file("icon.bmp"), "InventoryScreen", 0, 0, 0, 0, 0, 0, 0);
    inDir([&] {
        addSprite(list, findGraphic(store, "LookCursor")->path, "LookCursor", -164, 64, 55, 48, 4,
                  960, 1);
    });
    set(kModeUse);
    EXPECT_EQ(names(), (std::vector<std::string>{"InventoryScreen", "UseCursor"}));
}

}  // namespace
