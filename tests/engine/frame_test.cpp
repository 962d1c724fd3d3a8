// SPDX-License-Identifier: MIT
// The program frame: click latch, verb cycle, hit test, script clock, frame pacing,
// quit timer, keys, the cursor and the screen.
#include <gtest/gtest.h>

#include <tuple>

#include "frame/clock.h"
#include "gfx/graphic.h"
#include "harness.h"
#include "world_fixture.h"

TEST(FrameInput, AHeldButtonClicksOnceUntilAPollSeesItReleased) {
    InputState in = {};
    InputSample s = {};
    s.left = true;
    int clicks = 0;
    for (int frame = 0; frame < 10; ++frame) {
        pollInput(in, s);
        clicks += in.leftClicked;
        in.leftClicked = 0;  // the main loop clears it at the end of every frame
    }
    EXPECT_EQ(clicks, 1);
    s.left = false;
    pollInput(in, s);
    s.left = true;
    pollInput(in, s);
    EXPECT_EQ(in.leftClicked, 1) << "a release seen by a poll arms the next click";

    // No poll sees the release, so the second press is not a click of its own.
    in = {};
    InputSample down = {};
    down.left = down.right = true;
    pollInput(in, down);
    EXPECT_EQ(in.leftClicked, 1);
    EXPECT_EQ(in.rightClicked, 1);
    in.leftClicked = in.rightClicked = 0;
    pollInput(in, down);
    EXPECT_EQ(in.leftClicked, 0);
    EXPECT_EQ(in.rightClicked, 0);
}

TEST(FrameVerbs, RightClicksCycleTheVerb) {
    GameState gs = {};
    CursorState cursor = {};
    gs.cursor = &cursor;
    auto after = [&](int from) {
        gs.cursorMode = from;
        cycleCursorMode(gs);
        return gs.cursorMode;
    };
    std::vector<int> seen{kModeWalk};
    for (int i = 0; i < 5; ++i) seen.push_back(after(seen.back()));
    EXPECT_EQ(seen, (std::vector<int>{2, 3, 4, 5, 6, 2}));
    for (int forced : {kModeClick, kModeWait, kModePoint}) EXPECT_EQ(after(forced), kModeWalk) << forced;
    cursor.heldItemGraphic = "IconLolly";
    EXPECT_EQ(after(kModeUse), kModeUseItem) << "with an item held, use is followed by use-with";
    EXPECT_EQ(after(kModeUseItem), kModeWalk);
    cursor.heldItemGraphic.clear();
    gs.inventoryOpen = 1;  // in the inventory only look and use alternate
    EXPECT_EQ(after(kModeWalk), kModeLook);
    EXPECT_EQ(after(kModeLook), kModeUse);
    EXPECT_EQ(after(kModeUse), kModeLook);
}

TEST(HitTest, TheLowestDrawnVisibleSpriteWithinHalfTheCursorIsHit) {
    TestEngine t;
    const std::string box = writeTestBmp("hit_box", 40, 30, 0x808080);
    for (auto [name, x, y] : {std::tuple<const char*, int, int>{"Background", 0, 0}, {"Lower", 100, 100}, {"Upper", 120, 110}})
        addSprite(t.e.display, box, name, x, y, 0, 0, 0, 0, 0);
    addSprite(t.e.display, box, "Sheet", 300, 300, 10, 10, 0, 30, 0);  // one 10 x 10 frame shows
    addSprite(t.e.display, box, "Cursor", 0, 0, 20, 10, 0, 100, 1);  // half size 10 x 5
    auto at = [&t](int x, int y) {
        t.e.input.x = x;
        t.e.input.y = y;
        return spriteUnderPointer(t.e.cursor);
    };
    EXPECT_EQ(at(140, 130), "Lower") << "right edge x + w still hits";
    EXPECT_EQ(at(90, 95), "Lower") << "the cursor's centre reaches the top-left edges";
    EXPECT_EQ(at(89, 100), "");
    EXPECT_EQ(at(100, 94), "");
    EXPECT_EQ(at(161, 120), "") << "one pixel past Upper's right edge";
    EXPECT_EQ(at(125, 115), "Lower");
    EXPECT_EQ(at(310, 310), "Sheet");
    EXPECT_EQ(at(315, 305), "") << "a sheet is hit on its frame, not on the whole picture";
    EXPECT_EQ(at(305, 315), "");
    findSprite(t.e.display, "Lower")->visible = 0;
    EXPECT_EQ(at(125, 115), "Upper");
    findSprite(t.e.display, "Upper")->visible = 0;
    EXPECT_EQ(at(125, 115), "");
    EXPECT_EQ(at(5, 5), "");
    clearDisplayList(t.e.display);
    EXPECT_EQ(at(5, 5), "") << "an empty list hits nothing";
}

TEST(FrameClock, TicksOncePerSecondWrapsAfter302PacesFramesAndTimesTheQuit) {
    TestEngine t;
    GameState& gs = t.gs();
    gs.clockStartTicks = ticksNow();
    gs.clockSeconds = 0;
    int ticks = 0;
    for (int i = 0; i < 64; ++i) {  // the 64th frame starts 1008 ms in
        t.frame();
        ticks += gs.clockTicked;
    }
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(gs.clockSeconds, 1);

    gs.clockSeconds = 302;
    advanceVirtualClock(1000);
    advanceClock(gs);
    EXPECT_EQ(gs.clockSeconds, 2) << "after 302 the clock goes on at 2";

    // No frame is shorter than 16 ms, and a slow one is not made longer.
    t.e.frameStartTicks = ticksNow();
    advanceVirtualClock(3);
    waitForFrameEnd(t.e);
    EXPECT_EQ(ticksNow() - t.e.frameStartTicks, 16u);

    t.e.frameStartTicks = ticksNow();
    advanceVirtualClock(40);
    waitForFrameEnd(t.e);
    EXPECT_EQ(ticksNow() - t.e.frameStartTicks, 40u) << "a slow frame is not made longer";

    // Quitting: the tick to 11 comes in frame 64 (1008 ms in); frame 65 sees it and is the last one.
    gs.quitting = 1;
    gs.clockSeconds = 10;
    gs.clockStartTicks = ticksNow();
    EXPECT_FALSE(t.runUntil([&] { return !t.e.running; }, 64));
    t.frame();
    EXPECT_FALSE(t.e.running);
    EXPECT_EQ(gs.clockSeconds, 11);
}

// Escape is a level that stays until another key goes down; F9 is such a key.
// Touchpads press and release within a few milliseconds; the level read at the
// next frame is already "up", so the press event has to count.
TEST(FrameInput, EscapeStaysUntilAnotherKeyF9TogglesFullScreenAndATapIsAClick) {
    TestEngine t;
    ASSERT_TRUE(t.videoOk);
    t.frame({kKeyEscape});
    t.frame();
    EXPECT_EQ(t.gs().escapePressed, 1);
    t.frame({kKeyF9});
    EXPECT_EQ(t.e.target.fullscreen, 1);
    EXPECT_EQ(t.gs().escapePressed, 0) << "F9 is a key other than Escape";
    t.frame({kKeyF9});
    EXPECT_EQ(t.e.target.fullscreen, 0);
    ASSERT_NE(t.e.target.screen, nullptr);
    EXPECT_EQ(t.e.target.screen->w, 800);
    EXPECT_EQ(t.e.target.screen->h, 600);
    t.frames(3);
    EXPECT_TRUE(t.e.running);

    SDL_Event down = {};
    down.type = SDL_MOUSEBUTTONDOWN;
    down.button.button = SDL_BUTTON_LEFT;
    down.button.state = SDL_PRESSED;
    SDL_Event up = down;
    up.type = SDL_MOUSEBUTTONUP;
    up.button.state = SDL_RELEASED;
    SDL_PushEvent(&down);
    SDL_PushEvent(&up);
    FrameEvents ev = sampleFrameEvents();
    EXPECT_TRUE(ev.input.left);
    EXPECT_FALSE(ev.input.right);
    runFrame(t.e, ev);
    EXPECT_EQ(t.e.input.leftLatch, 1) << "the click was latched";
    ev = sampleFrameEvents();
    EXPECT_FALSE(ev.input.left) << "and the next frame sees the button up again";
}

// The cursor sprite follows the pointer, and only a conversation draws it (and
// so steps its animation) a second time in a frame.
TEST_F(WorldTest, TheCursorFollowsThePointerAndIsDrawnOncePerFrame) {
    t.moveTo(333, 222);
    t.frame();
    Graphic* cursor = lastSprite(t.e.display);
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(cursor->x, 333);
    EXPECT_EQ(cursor->y, 222);

    Graphic* twin = newSpriteGraphic(cursor->path, "Twin", 0, 0, cursor->frameWidth, cursor->frameHeight,
                                     1, 100 * cursor->frameHeight, 1);
    t.e.display.sprites.insert(t.e.display.sprites.begin() + 1, twin);
    cursor->srcY = 0;
    cursor->delayCurrent = cursor->frameDelay = 1;
    cursor->delayCounter = 0;
    cursor->stripEnd = twin->stripEnd;
    cursor->animMode = 1;
    t.frames(6);
    EXPECT_GT(twin->srcY, 0);
    EXPECT_EQ(cursor->srcY, twin->srcY);
}

TEST(FrameScreen, WithoutAScreenOnlyTheDrawingStops) {
    // A failed video mode change leaves no screen; time, speech, animations and
    // conversations go on as before.
    TestEngine t;
    ASSERT_TRUE(t.videoOk);
    std::string strip = writeTestBmp("screenless_strip", 4, 40, 0x808080);
    Graphic* g = addSprite(t.e.display, strip, "Strip", 0, 0, 4, 10, 1, 40, 1);
    addSprite(t.e.display, strip, "ExitDialog", 0, 0, 0, 0, 0, 0, 0);
    DialoguePartner* partner = newDialoguePartner("Girl");
    t.e.partners.push_back(partner);
    addDialogueLine(addTopic(partner, "Crash", "Crash"), "I crashed.", "", "");
    activateTopic(partner, "Crash");
    t.gs().activePartner = partner;
    t.gs().optionAreas[0] = OptionArea{0, 10, 520, 100, 24};
    say(t.e.speech, "Gone in a second.", t.e.text.white, 1);

    SDL_Surface* screen = t.e.target.screen;
    t.e.target.screen = nullptr;
    const uint64_t presented = t.e.target.framesPresented;
    t.click(20, 530);
    EXPECT_EQ(t.gs().chosenTopic, "Crash") << "the conversation took the click";
    EXPECT_NE(g->srcY + g->delayCounter, 0) << "the strip went on playing";
    t.frames(2 * 63 + 2);
    EXPECT_EQ(t.frontSpeech(), "") << "the line expired";
    EXPECT_EQ(t.e.target.framesPresented, presented) << "nothing was handed over";
    t.e.target.screen = screen;
    t.frame();
    EXPECT_EQ(t.e.target.framesPresented, presented + 1);
}

TEST(FrameScreen, RepeatedFramesStayHomeUntilTheWindowIsUncovered) {
    TestEngine t;
    ASSERT_TRUE(t.videoOk);
    Graphic* box = addSprite(t.e.display, writeTestBmp("still_box", 40, 30, 0x808080), "Box", 10,
                             10, 0, 0, 0, 0, 0);
    auto presentedAfter = [&t](bool exposed) {
        const uint64_t before = t.e.target.framesPresented;
        FrameEvents ev;
        ev.exposed = exposed;
        runFrame(t.e, ev);
        return t.e.target.framesPresented - before;
    };
    EXPECT_EQ(presentedAfter(false), 1u);
    EXPECT_EQ(presentedAfter(false), 0u) << "the same frame again";
    EXPECT_EQ(presentedAfter(true), 1u) << "the window was uncovered: hand it over again";
    EXPECT_EQ(presentedAfter(false), 0u);
    box->x += 1;
    EXPECT_EQ(presentedAfter(false), 1u);
    EXPECT_EQ(screenPixel(t.e, 10, 10), 0u);
    EXPECT_EQ(screenPixel(t.e, 11, 10), 0x808080u);
    box->alpha = 254;
    EXPECT_EQ(presentedAfter(false), 1u) << "a fade step is a change";

    // What SDL reports about the window reaches the frame.
    for (Uint8 type : {SDL_VIDEOEXPOSE, SDL_ACTIVEEVENT, SDL_VIDEORESIZE, SDL_KEYUP}) {
        SDL_Event event = {};
        event.type = type;
        if (type == SDL_VIDEORESIZE) event.resize.w = 800, event.resize.h = 600;
        SDL_PushEvent(&event);
        EXPECT_EQ(sampleFrameEvents().exposed, type != SDL_KEYUP) << int(type);
    }
}
