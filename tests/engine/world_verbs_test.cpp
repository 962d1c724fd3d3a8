// SPDX-License-Identifier: MIT
// The click dispatch: each verb, walking there first, exits and the cursors
// that speech and exits put up.
#include "world_fixture.h"

using WorldVerbs = WorldTest;
using WorldExit = WorldTest;
using WorldSpeechCursor = WorldTest;

TEST_F(WorldVerbs, LookAndRefusalsAnswerAtOnce) {
    setMode(kModeLook);
    clickOn(stone);
    EXPECT_EQ(t.frontSpeech(), "A stone.");
    EXPECT_EQ(t.e.speech.lines.front()->colour, 0x00ff00u) << "the entry's own colour";
    EXPECT_EQ(t.e.speech.lines.front()->seconds, 5);
    EXPECT_EQ(t.e.player.targetX, 150);
    EXPECT_EQ(t.e.player.targetY, 400);

    standAt(200, 400);
    t.e.player.targetX = kNoTarget;
    hush();
    clickOn(pail);
    EXPECT_FALSE(speechQueued(t.e.speech)) << "no look text, nothing said";
    EXPECT_TRUE(idle()) << "not even walking";

    // Refused take and talk answer without walking.
    for (auto [mode, reply] : {std::pair<int, const char*>{kModeTake, "I don't need that."},
                               {kModeTalk, "I don't know what to say."}}) {
        hush();
        setMode(mode);
        clickOn(stone);
        EXPECT_EQ(t.frontSpeech(), reply);
        EXPECT_TRUE(idle());
    }
    hush();
    stone->talkKey = "";
    clickOn(stone);
    EXPECT_FALSE(speechQueued(t.e.speech)) << "no key, no reply";
}

TEST_F(WorldVerbs, TakeWalksThereFirstAndTakesOnTheSecondClick) {
    setMode(kModeTake);
    clickOn(apple);
    EXPECT_EQ(t.e.player.targetX, 250) << "first click: off to the apple";
    EXPECT_EQ(inventoryGet(t.e.player, "Apple"), nullptr);
    EXPECT_FALSE(speechQueued(t.e.speech));

    ASSERT_TRUE(walkUntilIdle());
    clickOn(apple);
    EXPECT_EQ(inventoryGet(t.e.player, "Apple"), apple);
    EXPECT_EQ(sprite("Apple"), nullptr) << "its sprite is gone";
    EXPECT_EQ(t.frontSpeech(), "Yay, I got it!");
    EXPECT_EQ(gRuns.takeApple, 1);
    Graphic* button = sprite("EnterInventory");
    ASSERT_NE(button, nullptr);
    EXPECT_NE(button->delayCurrent, 0) << "the inventory button flashes";
    EXPECT_EQ(button->animMode, 2);

    // Taken items stay out of their scene.
    enter("Hof");
    EXPECT_EQ(sprite("Apple"), nullptr);
}

TEST_F(WorldVerbs, VerbsWaitWhileTheHeroWalks) {
    PlayerState& p = t.e.player;
    for (int mode : {kModeUse, kModeTake, kModeUseItem}) {
        SCOPED_TRACE(mode);
        standAt(420, 400);
        p.targetX = 100;  // somewhere far off
        p.targetY = 450;
        gs.heldItem = apple;
        t.e.cursor.heldItemGraphic = "IconBox";
        setMode(mode);
        clickOn(pail);
        EXPECT_EQ(gRuns.usePail, 0);
        EXPECT_NE(p.targetX, pail->walkToX);
        clickOn(apple);
        EXPECT_EQ(inventoryGet(p, "Apple"), nullptr);
        clickOn(stone);
        EXPECT_FALSE(speechQueued(t.e.speech)) << "not even a refusal";
    }
}

TEST_F(WorldVerbs, UseWithRunsTheScriptAndDropsTheItem) {
    SceneObject* key = object(nullptr, "Key", 0, 0, "IconBox");
    inventoryAdd(t.e.player, "Key", key);
    gs.heldItem = key;
    t.e.cursor.heldItemGraphic = "IconBox";
    setMode(kModeUseItem);
    EXPECT_EQ(lastName(), "ItemCursor");

    clickOn(pail);
    EXPECT_EQ(gRuns.usePail, 0) << "first click walks";
    EXPECT_EQ(t.e.player.targetX, 420);
    ASSERT_TRUE(walkUntilIdle());
    clickOn(pail);
    EXPECT_EQ(gRuns.usePail, 1);
    EXPECT_EQ(gs.cursorMode, kModeWalk);
    EXPECT_EQ(gs.heldItem, nullptr);
    EXPECT_EQ(t.e.cursor.heldItemGraphic, "");
    EXPECT_EQ(lastName(), "WalkCursor");
}

TEST_F(WorldExit, WalkingOutChangesSceneOnlyOnArrival) {
    clickOn(gate);
    EXPECT_EQ(gs.pendingScene, "Feld");
    EXPECT_EQ(t.e.player.lastExit, "Gate");
    EXPECT_EQ(t.e.player.targetX, 700) << "the exit's walk-to point replaces the clicked point";
    EXPECT_EQ(t.e.player.targetY, 400);
    EXPECT_EQ(gRuns.goGate, 1);

    while (!idle()) {
        ASSERT_EQ(t.e.scenes.currentScene, "Hof");
        t.frame();
    }
    EXPECT_EQ(t.e.scenes.currentScene, "Hof") << "the frame he arrives in still shows the old scene";
    t.frame();
    EXPECT_EQ(t.e.scenes.currentScene, "Feld");
    EXPECT_EQ(gRuns.enterFeld, 1);
    EXPECT_EQ(gs.pendingScene, "");
    EXPECT_EQ(t.e.player.lastExit, "Gate") << "for the Enter script to place him";
}

TEST_F(WorldExit, WithoutAWalkToPointTheHeroLeavesFromTheClickedPoint) {
    gate->walkToX = 0;
    gate->walkToY = 0;
    clickOn(gate);
    EXPECT_EQ(t.e.player.targetX, 720);
    EXPECT_EQ(t.e.player.targetY, 120);
    ASSERT_TRUE(walkUntilIdle());
    t.frame();
    EXPECT_EQ(t.e.scenes.currentScene, "Feld");

    // Another verb on the exit cursor leaves without walking.
    enter("Hof");
    setMode(kModeLook);
    t.moveTo(720, 120);
    t.frames(2);
    EXPECT_EQ(lastName(), "ExitCursor");
    const int heroX = hero()->x;
    t.click(720, 120);
    EXPECT_EQ(gs.cursorMode, kModeWalk) << "the click on the exit cursor switched to walk";
    EXPECT_EQ(gs.pendingScene, "Feld");
    EXPECT_EQ(hero()->x, heroX);
    t.frame();
    EXPECT_EQ(t.e.scenes.currentScene, "Feld");
}

TEST_F(WorldExit, ExitCursorShowsTheArrowUnlessWaitOrClickIsUp) {
    t.moveTo(720, 120);
    gate->exitDirection = 0;
    t.frames(2);
    ASSERT_NE(sprite("ExitCursor"), nullptr);
    EXPECT_EQ(sprite("ExitCursor"), lastSprite(t.e.display));
    EXPECT_EQ(sprite("ExitCursor")->srcX, 96) << "the left arrow";
    EXPECT_EQ(gs.cursorMode, kModeWalk) << "the exit cursor is no verb";

    t.moveTo(500, 400);
    t.frames(2);
    EXPECT_EQ(lastName(), "WalkCursor");
    EXPECT_EQ(gs.hoverCursor, 0);

    // None while the wait or the click cursor is up.
    setMode(kModeWait);
    t.moveTo(720, 120);
    t.frames(3);
    EXPECT_EQ(lastName(), "WaitCursor");

    setMode(kModeWalk);
    t.moveTo(500, 400);
    t.frames(2);
    sayKey(gs, "LOOK_Stone");
    t.frame();
    t.moveTo(720, 120);
    t.frames(3);
    EXPECT_EQ(lastName(), "ClickCursor");
    EXPECT_EQ(sprite("ExitCursor"), nullptr);
}

TEST_F(WorldSpeechCursor, ClickCursorHoldsTheVerbReturnsAFrameLaterAndAClickEndsTheLine) {
    setMode(kModeLook);
    sayKey(gs, "LOOK_Stone");
    t.frame();
    EXPECT_EQ(lastName(), "ClickCursor");
    EXPECT_EQ(gs.cursorMode, kModeClick);
    EXPECT_EQ(gs.savedCursorMode, kModeLook);
    EXPECT_EQ(t.e.cursor.cursorShown, 0);
    for (int i = 0; i < 70; ++i) {
        t.frame();
        // Held at the line's seconds; a tick at the end of the frame may add one.
        ASSERT_EQ(gs.clockSeconds, gs.clockTicked ? 6 : 5) << "frame " << i;
    }
    EXPECT_EQ(lastName(), "ClickCursor");

    clearSpeech(t.e.speech);
    t.frame();
    EXPECT_EQ(gs.cursorMode, kModeLook);
    EXPECT_EQ(lastName(), "ClickCursor") << "the cursor was still held";
    t.frame();
    EXPECT_EQ(lastName(), "LookCursor");
    EXPECT_EQ(t.e.cursor.cursorShown, 1);

    // A click during speech ends the line at the next tick and does not walk.
    setMode(kModeWalk);
    sayKey(gs, "LOOK_Stone");  // five seconds
    t.frames(2);
    t.click(500, 450);
    EXPECT_TRUE(idle()) << "the click only hurries the line";
    int frames = 0;
    while (speechQueued(t.e.speech) && frames < 200) {
        t.frame();
        ++frames;
    }
    EXPECT_LE(frames, 1000 / 16 + 2) << "gone at the next clock tick";
}
