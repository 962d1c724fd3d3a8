// SPDX-License-Identifier: MIT
// Scene entry, scene changes and the content errors around them.
#include "world_fixture.h"

using WorldScene = WorldTest;

TEST_F(WorldScene, EntryBuildsTheListFromTheObjects) {
    SceneObject* hidden = object(hof, "Hidden", 500, 100);
    hidden->active = false;
    SceneObject* carried = object(hof, "Carried", 500, 200, "IconBox");
    inventoryAdd(t.e.player, "Carried", carried);
    SceneObject* broken = object(hof, "Broken", 500, 300);
    broken->graphicName = "NoSuchPicture";
    const int entriesBefore = gRuns.enterHof;

    testing::internal::CaptureStdout();
    enter("Hof");
    EXPECT_TRUE(contains(testing::internal::GetCapturedStdout(), "Item nicht gefunden!\n"));

    EXPECT_EQ(names(), (std::vector<std::string>{"Background", "Stone", "Apple", "Girl", "Pail",
                                                 "Gate", "EnterInventory", "Player",
                                                 "WalkCursor"}));
    EXPECT_EQ(sprite("Stone")->x, 100);
    EXPECT_EQ(gRuns.enterHof, entriesBefore + 1);
    // A verb change replaces only the cursor; a list ending in something else gets one appended.
    setMode(kModeTalk);
    EXPECT_EQ(names().size(), 9u);
    EXPECT_EQ(lastName(), "TalkCursor");
    addSprite(t.e.display, findGraphic(t.e.graphics, "Box")->path, "Late", 0, 0, 0, 0, 0, 0, 0);
    setMode(kModeLook);
    EXPECT_EQ(names()[9], "Late");
    EXPECT_EQ(lastName(), "LookCursor");
    EXPECT_EQ(t.e.player.targetX, kNoTarget);
    EXPECT_EQ(t.e.cursor.cursorEnabled, 1);
    Graphic* button = sprite("EnterInventory");
    EXPECT_EQ(button->delayCurrent, 0) << "the button rests until something is taken";
    EXPECT_EQ(button->animMode, 0);
}

TEST_F(WorldScene, SceneWithoutInterfaceHasNoButtonCursorOrHero) {
    Scene* intro = scene("Intro");
    intro->showInterface = 0;
    intro->hasPlayer = 0;
    enter("Intro");
    EXPECT_EQ(names(), std::vector<std::string>{"Background"});
    EXPECT_EQ(t.e.cursor.cursorEnabled, 0);

    // Neither a right click nor a click in the button corner touches the list.
    t.rightClick();
    t.click(700, 500);
    EXPECT_EQ(names(), std::vector<std::string>{"Background"});
    EXPECT_EQ(gs.inventoryOpen, 0);
}

TEST_F(WorldScene, EntryRestartsTheClockAndAChangeKeepsTheHeroInPlace) {
    sayKey(gs, "LOOK_Stone");
    gs.clockSeconds = 7;
    gs.hoverCursor = kModeExit;
    gs.hoveredObject = gate;
    enter("Feld");
    EXPECT_FALSE(speechQueued(t.e.speech));
    EXPECT_EQ(gs.clockSeconds, 0);
    EXPECT_EQ(gs.clockTicked, 1);
    EXPECT_EQ(gs.hoverCursor, 0);
    EXPECT_EQ(gs.hoveredObject, nullptr);
    EXPECT_EQ(gRuns.enterFeld, 1);
    standAt(333, 444);
    t.e.player.lastExit = "Gate";
    t.e.scenes.currentScene = "Feld";
    changeSceneKeepingPlayer(gs);
    ASSERT_NE(hero(), nullptr);
    EXPECT_EQ(hero()->x, 333 - 80);
    EXPECT_EQ(hero()->y, 444 - 120);
    EXPECT_EQ(t.e.player.lastExit, "");
    EXPECT_EQ(gRuns.enterFeld, 2);
}

TEST_F(WorldScene, AnUnregisteredSceneIsRefusedAndReportedOnce) {
    sayKey(gs, "LOOK_Stone");
    const std::vector<std::string> before = names();
    const int entriesBefore = gRuns.enterHof;

    testing::internal::CaptureStdout();
    enter("Nowhere");
    EXPECT_TRUE(contains(testing::internal::GetCapturedStdout(), "Nowhere"));
    EXPECT_EQ(t.e.scenes.currentScene, "Hof") << "the old scene name is put back";
    EXPECT_EQ(names(), before);
    EXPECT_TRUE(speechQueued(t.e.speech)) << "nothing else happens";
    EXPECT_EQ(gRuns.enterHof, entriesBefore);

    // A script's change that keeps the hero is refused the same way.
    t.e.player.lastExit = "Gate";
    t.e.scenes.currentScene = "Nowhere";
    testing::internal::CaptureStdout();
    changeSceneKeepingPlayer(gs);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(t.e.scenes.currentScene, "Hof");
    EXPECT_EQ(t.e.player.lastExit, "Gate");
    EXPECT_EQ(names(), before);

    // An exit there leaves the hero where he is and is reported once.
    hush();
    gate->exitTarget = "Nowhere";
    gate->walkToX = 0;
    gate->walkToY = 0;
    testing::internal::CaptureStdout();
    clickOn(gate);
    EXPECT_EQ(gs.pendingScene, "Nowhere");
    t.runUntil([this] { return idle(); }, 600);
    t.frames(3);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(t.e.scenes.currentScene, "Hof");
    EXPECT_EQ(gs.pendingScene, "") << "a refused change is not retried every frame";
    size_t reports = 0;
    for (size_t at = out.find("Nowhere"); at != std::string::npos; at = out.find("Nowhere", at + 1))
        ++reports;
    EXPECT_EQ(reports, 1u);
    EXPECT_NE(hero(), nullptr);
}

TEST_F(WorldScene, FunctionsSurviveAnEmptyDisplayList) {
    DialoguePartner* cry = newDialoguePartner("CryGirl");
    t.e.partners.push_back(cry);
    activateTopic(cry, "Ghost");
    clearDisplayList(t.e.display);
    InputState& in = t.e.input;
    in.x = 700;
    in.y = 500;
    in.leftClicked = 1;
    gs.hoveredObject = gate;
    gs.hoverCursor = kModeExit;
    gs.clickedObject = apple;
    gs.cursorMode = kModeTake;
    sayKey(gs, "LOOK_Stone");
    dispatchClicks(gs);

    gs.activePartner = cry;
    gs.chosenTopic = "Ghost";
    dialogueFrame(gs);
    t.e.player.targetX = 300;
    walkPlayer(t.e.player);
    EXPECT_EQ(t.e.player.targetX, 300) << "no hero, no step";
    placePlayer(t.e.player, 10, 10);
    walkToMouse(t.e.player);
    EXPECT_EQ(t.e.player.targetX, 300);

    // Closing the inventory onto a scene that cannot be entered leaves the list empty.
    t.e.scenes.currentScene = "Nowhere";
    t.e.scenes.enteredScene = "AlsoNowhere";
    testing::internal::CaptureStdout();
    closeInventory(gs);
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(t.e.display.sprites.empty());
    dispatchClicks(gs);
}
