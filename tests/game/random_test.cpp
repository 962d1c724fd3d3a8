// SPDX-License-Identifier: MIT
// random_test.cpp - thousands of frames of a player gone mad: random pointer
// moves, clicks, right clicks, Escape and F9, with scenes entered by script as
// well as by walking, and items in his pockets to try on everything. Nothing may
// crash, and the engine's promises must hold in every frame.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "gfx/cursor.h"
#include "play_driver.h"

namespace fs = std::filesystem;

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
    game.startProgram(kEnglish);
    std::srand(31102004);

    std::vector<std::string> scenes, items;
    for (const auto& it : game.e().scenes.scenes) scenes.push_back(it.first);
    for (const auto& it : game.e().objects)
        if (!it.second->iconName.empty()) items.push_back(it.first);
    std::set<std::string> visited;

    for (int frame = 0; frame < kRandomFrames; ++frame) {
        const int roll = std::rand() % 1000;
        std::vector<GameKey> keys;
        TestEngine& t = game.t;
        if (rollPointer(t, roll, keys)) {  // the pointer, the buttons or Escape
        } else if (roll < 380) keys.push_back(kKeyF9);
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

// Templates of path loaded afresh from the disk, the ones they replace kept in
// kept (or, with kept empty, the kept ones put back); fonts always load afresh.
void swapTemplates(PlayDriver& game, const std::string& path, std::vector<Graphic*>& kept) {
    const bool restore = !kept.empty();
    size_t next = 0;
    for (auto& entry : game.e().graphics) {
        if (entry.second->path != path) continue;
        Graphic* old = entry.second;
        if (restore) {
            entry.second = kept[next++];
            deleteGraphic(old);
            continue;
        }
        entry.second = newTemplateGraphic(path, old->name);
        configureTemplate(entry.second, old->frameWidth, old->frameHeight, old->animMode,
                          old->delayCurrent, old->stripEnd);
        kept.push_back(old);
    }
    if (restore) kept.clear();
    if (path.find("gfx/font") == 0) {
        TextRenderer& r = game.e().text;
        for (SDL_Surface** f : {&r.font8, &r.font16, &r.font24}) {
            if (*f) SDL_FreeSurface(*f);
            *f = nullptr;
        }
        loadFonts(r);
    }
}

// The first scene that shows the picture; "" when no scene does.
std::string sceneShowing(PlayDriver& game, const std::string& path) {
    auto shows = [&](const std::string& templ) { return spriteTemplatePath(game.e().graphics, templ) == path; };
    for (const auto& entry : game.e().scenes.scenes) {
        const Scene* s = entry.second;
        if (shows(s->backgroundName) || shows(s->walkMapName)) return entry.first;
        for (const SceneObject* o : s->objects)
            if (shows(o->graphicName) || shows(o->iconName)) return entry.first;
    }
    return "";
}

// Each picture missing, then garbage, in turn, in a copy of gfx/ made of links:
// the game goes on in a scene that shows it, without a crash.
TEST(DamagedPictures, TheGameGoesOnWithAnyOnePictureMissingOrGarbage) {
    const fs::path here = fs::current_path();
    const TempFolder temp;
    const std::string folder = temp.path;
    std::vector<std::string> pictures;
    for (const auto& entry : fs::recursive_directory_iterator("gfx")) {
        if (!entry.is_regular_file()) continue;
        const std::string f = entry.path().string();
        fs::create_directories(fs::path(folder) / entry.path().parent_path());
        fs::create_symlink(fs::canonical(entry.path()), fs::path(folder) / f);
        const std::string ext = entry.path().extension().string();
        if (ext == ".png" || ext == ".bmp") pictures.push_back(f);
    }
    ASSERT_GT(pictures.size(), 100u);
    fs::current_path(folder);
    {
        PlayDriver game;
        game.startProgram(kEnglish);
        for (const std::string& picture : pictures) {
            const fs::path real = fs::canonical(picture);
            for (bool garbage : {false, true}) {
                SCOPED_TRACE(picture + (garbage ? " garbage" : " missing"));
                unlink(picture.c_str());
                if (garbage) {
                    FILE* f = std::fopen(picture.c_str(), "wb");
                    ASSERT_TRUE(f);
                    for (int i = 0; i < 300; ++i) std::fputc((i * 37) & 0xff, f);
                    std::fclose(f);
                }
                std::vector<Graphic*> kept;
                swapTemplates(game, picture, kept);
                // A garbage file fails to load as a missing one does: the scene is
                // entered once, with the file missing.
                const std::string scene = sceneShowing(game, picture);
                if (!scene.empty() && !garbage) goToScene(game.gs(), scene);
                for (int i = 0; i < 6; ++i) {
                    if (i == 0) game.useRealScreen();
                    game.t.frame();
                    game.useTinyScreen();
                }
                ASSERT_NO_FATAL_FAILURE(expectEngineInvariants(game, 0));
                unlink(picture.c_str());
                fs::create_symlink(real, picture);
                if (!kept.empty() || picture.find("gfx/font") == 0) swapTemplates(game, picture, kept);
            }
        }
    }
    fs::current_path(here);
}

}  // namespace
