// random_test.cpp - thousands of frames of a player gone mad: random pointer
// moves, clicks, right clicks, Escape and F9, with scenes entered by script as
// well as by walking, and items in his pockets to try on everything. Nothing may
// crash, and the engine's promises must hold in every frame.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "gfx/cursor.h"
#include "play_driver.h"

namespace {

constexpr int kRandomFrames = 4000;

// What the main loop relies on, checked after every frame.
void expectEngineInvariants(PlayDriver& game, int frame) {
    SCOPED_TRACE("frame " + std::to_string(frame) + " in " + game.scene());
    const Scene* scene = findScene(game.e().scenes, game.scene());
    ASSERT_TRUE(scene) << "the current scene is registered";
    const DisplayList& list = game.e().display;
    for (const Graphic* g : list.sprites) ASSERT_TRUE(g);
    if (scene->showInterface == 1 && game.e().cursor.cursorEnabled) {
        ASSERT_FALSE(list.sprites.empty());
        EXPECT_TRUE(isCursorSpriteName(list.sprites.back()->name))
            << "the cursor is the last sprite, not " << list.sprites.back()->name;
    }
    const int mode = game.gs().cursorMode;
    // Before the menu no verb is set (0); the exit arrow is only ever shown, never the verb.
    EXPECT_TRUE((mode >= kModeNone && mode <= kModeUse) || mode == kModeClick || mode == kModeWait)
        << "verb " << mode;
    if (!game.gs().pendingScene.empty()) {
        EXPECT_TRUE(findScene(game.e().scenes, game.gs().pendingScene)) << game.gs().pendingScene;
    }
    for (const SceneObject* o : {game.gs().hoveredObject, game.gs().clickedObject, game.gs().heldItem}) {
        if (o) {
            EXPECT_EQ(game.object(o->name), o) << "a pointer to a registered object";
        }
    }
}

TEST(RandomPlay, NothingBreaksAndTheEngineKeepsItsPromises) {
    PlayDriver game;
    ASSERT_TRUE(game.t.videoOk);
    game.useTinyScreen();
    game.startProgram(kEnglish);
    std::srand(31102004);

    std::vector<std::string> scenes, items;
    for (const auto& it : game.e().scenes.scenes) scenes.push_back(it.first);
    for (const auto& it : game.e().objects)
        if (!it.second->iconName.empty()) items.push_back(it.first);
    std::set<std::string> visited;

    for (int frame = 0; frame < kRandomFrames; ++frame) {
        const int roll = std::rand() % 1000;
        std::vector<SDLKey> keys;
        TestEngine& t = game.t;
        t.input.right = false;
        if (roll < 200) t.moveTo(std::rand() % kScreenWidth, std::rand() % kScreenHeight);
        else if (roll < 330) t.input.left = !t.input.left;
        else if (roll < 370) t.input.right = true;
        else if (roll < 378) keys.push_back(SDLK_ESCAPE);
        else if (roll < 380) keys.push_back(SDLK_F9);
        else if (roll < 385) goToScene(game.gs(), scenes[std::rand() % scenes.size()]);
        else if (roll < 390) {
            const std::string& item = items[std::rand() % items.size()];
            inventoryAdd(game.hero(), item, game.object(item));
        }
        // Every sixteenth frame is drawn on the real screen, so drawing, text and
        // speech run at full size too; the rest stay cheap.
        if (frame % 16 == 0) game.useRealScreen();
        t.frame(keys);
        game.useTinyScreen();  // also after F9 made a new video surface
        visited.insert(game.scene());
        ASSERT_NO_FATAL_FAILURE(expectEngineInvariants(game, frame));

        // Quitting from the menu ends the program; start again to keep playing.
        if (!game.e().running) {
            game.e().running = true;
            game.gs().quitting = 0;
            goToScene(game.gs(), "Menu");
        }
    }
    EXPECT_GE(visited.size(), scenes.size() / 2) << "the walk reaches much of the game";
}

}  // namespace
