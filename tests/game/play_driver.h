// SPDX-License-Identifier: MIT
// play_driver.h - plays the real game the way a player does: pointer moves, left
// and right clicks, the inventory button and Escape, frame by frame on the
// virtual clock. Tests read as a description of how the game is played.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "frame/engine.h"
#include "game/content.h"
#include "game/edition.h"
#include "game/script.h"
#include "gfx/display.h"
#include "gfx/graphic.h"
#include "gfx/speech.h"
#include "harness.h"
#include "world/inventory.h"
#include "world/object.h"
#include "world/scene.h"
#include "world/verbs.h"
#include "world/walk.h"

// Frames of the virtual clock: 16 ms each, so 62.5 a second.
constexpr int kFramesPerSecond = 63;
constexpr int kSecond = kFramesPerSecond;

// The inventory button in the bottom-right corner of every interactive scene.
constexpr int kInventoryButtonX = 740;
constexpr int kInventoryButtonY = 540;

struct PlayDriver {
    TestEngine t;

    Engine& e() { return t.e; }
    GameState& gs() { return t.e.game; }
    PlayerState& hero() { return t.e.player; }

    // A one-pixel screen: every sprite is still drawn, stepped and clipped, but the
    // blits cost nothing, so long play stays quick. Pixels are not looked at here.
    SDL_Surface* realScreen = nullptr;
    SDL_Surface* tinyScreen = nullptr;
    // After F9 the engine has a new video surface; call again to go back to tiny.
    void useTinyScreen() {
        if (!t.e.target.screen) return;
        if (!tinyScreen) tinyScreen = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0xff0000, 0xff00, 0xff, 0);
        if (t.e.target.screen != tinyScreen) realScreen = t.e.target.screen;
        t.e.target.screen = tinyScreen;
    }
    void useRealScreen() {
        if (realScreen) t.e.target.screen = realScreen;
    }
    ~PlayDriver() {
        if (!tinyScreen) return;
        if (t.e.target.screen == tinyScreen) t.e.target.screen = realScreen;
        SDL_FreeSurface(tinyScreen);
    }

    // ---- what main does (on the tiny screen) ----
    // The memory benchmark sets HOLLOWMERE_PLAY_AS_PROGRAM: the 800x600 screen,
    // and the pictures read ahead as the program reads them.
    void startProgram(const Edition& edition) {
        if (std::getenv("HOLLOWMERE_PLAY_AS_PROGRAM"))
            t.e.target.readsAhead = true;
        else
            useTinyScreen();
        buildContent(t.e, edition);
        enterScene(gs());
    }
    // A scene entered by script, as if the hero had come through viaExit.
    void goToSceneAs(const std::string& name, const char* viaExit = nullptr) {
        if (viaExit) hero().lastExit = viaExit;
        e().scenes.currentScene = name;
        enterScene(gs());
    }
    void give(const std::string& item) {
        ASSERT_TRUE(object(item)) << item;
        inventoryAdd(hero(), item, object(item));
    }

    // ---- what the player sees ----
    const std::string& scene() { return e().scenes.currentScene; }
    bool carries(const std::string& item) { return inventoryGet(hero(), item) != nullptr; }
    bool has(StoryFlag f) { return gs().storyFlags[f] != 0; }
    std::string said() { return t.frontSpeech(); }
    // The stored text of a key, as the speech queue shows it.
    std::string text(const std::string& key) {
        auto it = e().texts.find(key);
        return it == e().texts.end() || !it->second ? std::string("<no text " + key + ">")
                                                    : it->second->text;
    }
    std::vector<std::string> queuedLines() {
        std::vector<std::string> out;
        for (const SpeechLine* l : e().speech.lines) out.push_back(l->text);
        return out;
    }
    std::set<std::string> inventory() {
        std::set<std::string> out;
        for (const auto& it : hero().inventory)
            if (it.second) out.insert(it.first);
        return out;
    }
    Graphic* sprite(const std::string& name) { return findSprite(e().display, name); }
    SceneObject* object(const std::string& name) { return findObject(e().objects, name); }
    std::string lastSpriteName() {
        Graphic* g = lastSprite(e().display);
        return g ? g->name : std::string();
    }
    bool heroIdle() { return hero().targetX == kNoTarget; }
    bool inventoryOpen() { return gs().inventoryOpen == 1; }

    // ---- time ----
    void frames(int n) { t.frames(n); }
    void seconds(int n) { t.frames(n * kSecond); }
    template <typename Pred>
    bool waitFor(Pred pred, int maxSeconds) {
        return t.runUntil(pred, maxSeconds * kSecond);
    }
    bool waitForScene(const std::string& name, int maxSeconds = 60) {
        return waitFor([&] { return scene() == name; }, maxSeconds);
    }
    void pressEscape() { t.frame({kKeyEscape}); }

    // ---- pointing ----
    // The sprite the engine would report under (x, y), as the hit test sees it.
    std::string spriteAt(int x, int y) {
        const int oldX = e().input.x, oldY = e().input.y;
        e().input.x = x;
        e().input.y = y;
        std::string name = e().display.sprites.size() > 2 ? spriteUnderPointer(e().cursor) : "";
        e().input.x = oldX;
        e().input.y = oldY;
        return name;
    }
    static bool overInventoryButton(int x, int y) { return x + 55 >= 672 && y + 48 >= 472; }
    // A point the engine hits as the named sprite, as close to its middle as possible.
    bool pointOn(const std::string& name, int& px, int& py) {
        Graphic* g = sprite(name);
        if (!g) return false;
        const int w = g->frameWidth ? g->frameWidth : (g->surface ? g->surface->w : 0);
        const int h = g->frameHeight ? g->frameHeight : (g->surface ? g->surface->h : 0);
        const int cx = g->x + w / 2, cy = g->y + h / 2;
        for (int r = 0; r <= 400; r += 4)
            for (int dy = -r; dy <= r; dy += 4)
                for (int dx = -r; dx <= r; dx += 4) {
                    if (std::abs(dx) != r && std::abs(dy) != r) continue;  // ring r only
                    const int x = cx + dx, y = cy + dy;
                    if (x < 0 || y < 0 || x >= kScreenWidth || y >= kScreenHeight) continue;
                    if (overInventoryButton(x, y)) continue;
                    if (spriteAt(x, y) == name) {
                        px = x;
                        py = y;
                        return true;
                    }
                }
        return false;
    }
    // A point that hits no object and no button: clicks there only cut speech short.
    bool neutralPoint(int& px, int& py) {
        for (int y = 8; y < kScreenHeight; y += 16)
            for (int x = 8; x < kScreenWidth; x += 16) {
                if (overInventoryButton(x, y)) continue;
                const std::string hit = spriteAt(x, y);
                if (hit == "ExitDialog" || hit == "EnterInventory" || hit == "ExitInventory") continue;
                if (!hit.empty() && object(hit)) continue;
                px = x;
                py = y;
                return true;
            }
        return false;
    }
    void moveToNeutral() {
        int x = 0, y = 0;
        if (neutralPoint(x, y)) t.moveTo(x, y);
        t.frames(2);  // the exit cursor goes once nothing is hovered
    }
    void clickOn(const std::string& name) {
        int x = 0, y = 0;
        ASSERT_TRUE(pointOn(name, x, y)) << "no visible sprite \"" << name << "\" in " << scene();
        t.moveTo(x, y);
        t.frame();
        t.click(x, y);
    }

    // ---- waiting for the game ----
    // Lines are cut short with clicks beside everything, then the verb cursor returns.
    void waitForSpeechToEnd() {
        for (int i = 0; i < 200 && speechQueued(e().speech); ++i) {
            int x = 0, y = 0;
            if (e().cursor.cursorEnabled && neutralPoint(x, y)) t.click(x, y);
            waitFor([&] { return !speechQueued(e().speech) || e().game.clockTicked; }, 2);
            t.frame();
        }
        ASSERT_FALSE(speechQueued(e().speech)) << "speech does not end in " << scene();
        t.runUntil([&] { return !sprite("ClickCursor") || !e().cursor.cursorEnabled; }, 10);
    }
    void waitUntilHeroStands() {
        ASSERT_TRUE(waitFor([&] { return heroIdle(); }, 30)) << "the hero never arrives in " << scene();
    }
    void settle() {
        waitForSpeechToEnd();
        waitUntilHeroStands();
    }

    // ---- verbs ----
    // Right clicks cycle 2 -> 3 -> 4 -> 5 -> 6 -> 2 (6 -> 1 with an item held).
    void selectVerb(int mode) {
        moveToNeutral();
        for (int i = 0; i < 8 && gs().cursorMode != mode; ++i) t.rightClick();
        ASSERT_EQ(gs().cursorMode, mode);
    }
    // Look and Talk act on the first click; Take and Use send the hero first and
    // need a second click once he stands there.
    void act(int verb, const std::string& name) {
        settle();
        selectVerb(verb);
        clickOn(name);
        completeAfterWalk(verb, name);
    }
    void completeAfterWalk(int verb, const std::string& name) {
        if (heroIdle() || verb == kModeLook || verb == kModeTalk) return;
        waitUntilHeroStands();
        clickOn(name);
        ASSERT_TRUE(heroIdle()) << "the hero could not reach " << name;
    }
    void look(const std::string& name) { act(kModeLook, name); }
    void take(const std::string& name) { act(kModeTake, name); }
    void use(const std::string& name) { act(kModeUse, name); }
    void talkTo(const std::string& name) { act(kModeTalk, name); }

    // ---- the inventory ----
    void clickInventoryButton() { t.click(kInventoryButtonX, kInventoryButtonY); }
    void openInventory() {
        settle();
        clickInventoryButton();
        ASSERT_TRUE(inventoryOpen());
    }
    void closeInventory() {
        clickInventoryButton();
        ASSERT_FALSE(inventoryOpen());
    }
    // Opens the inventory and picks the item up with Use.
    void holdInInventory(const std::string& item) {
        openInventory();
        selectVerb(kModeUse);
        clickOn(item);
        ASSERT_EQ(gs().cursorMode, kModeUseItem);
    }
    // The same, then the inventory closes and the item stays in hand.
    void pickUp(const std::string& item) {
        holdInInventory(item);
        closeInventory();
        ASSERT_EQ(gs().cursorMode, kModeUseItem);
    }
    void useItemOn(const std::string& item, const std::string& target) {
        pickUp(item);
        clickOn(target);
        completeAfterWalk(kModeUseItem, target);
    }
    void combine(const std::string& item, const std::string& with) {
        holdInInventory(item);
        clickOn(with);
        closeInventory();
    }

    // ---- moving about the town ----
    void walkThrough(const std::string& exit) {
        settle();
        SceneObject* door = object(exit);
        ASSERT_TRUE(door && !door->exitTarget.empty()) << exit << " leads nowhere";
        const std::string target = door->exitTarget;
        int x = 0, y = 0;
        ASSERT_TRUE(pointOn(exit, x, y)) << "exit " << exit << " not shown in " << scene();
        t.moveTo(x, y);
        t.frames(2);  // the exit cursor comes up
        t.click(x, y);
        ASSERT_TRUE(waitFor([&] { return scene() == target && heroIdle(); }, 30))
            << "walking through " << exit << " does not reach " << target;
    }
    // The shortest way through the exits that are open now.
    std::vector<std::string> routeTo(const std::string& goal) {
        std::map<std::string, std::pair<std::string, std::string>> cameFrom;  // scene -> (from, exit)
        std::deque<std::string> open{scene()};
        cameFrom[scene()] = {"", ""};
        while (!open.empty()) {
            const std::string here = open.front();
            open.pop_front();
            if (here == goal) break;
            const Scene* s = findScene(e().scenes, here);
            if (!s) continue;
            for (const SceneObject* o : s->objects) {
                if (!o->active || o->exitTarget.empty() || cameFrom.count(o->exitTarget)) continue;
                cameFrom[o->exitTarget] = {here, o->name};
                open.push_back(o->exitTarget);
            }
        }
        std::vector<std::string> exits;
        if (!cameFrom.count(goal)) return exits;
        for (std::string at = goal; at != scene(); at = cameFrom[at].first)
            exits.insert(exits.begin(), cameFrom[at].second);
        return exits;
    }
    void travelTo(const std::string& goal) {
        if (scene() == goal) return;
        const std::vector<std::string> exits = routeTo(goal);
        ASSERT_FALSE(exits.empty()) << "no way from " << scene() << " to " << goal;
        for (const std::string& exit : exits) {
            walkThrough(exit);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
};

// The random player's hand: of a roll from 0 to 999, the first 378 move the
// pointer, toggle the left button, right-click or press Escape. True when the
// roll was one of those; the caller gives the rest its own meaning.
inline bool rollPointer(TestEngine& t, int roll, std::vector<GameKey>& keys) {
    t.input.right = false;
    if (roll < 200) t.moveTo(std::rand() % kScreenWidth, std::rand() % kScreenHeight);
    else if (roll < 330) t.input.left = !t.input.left;
    else if (roll < 370) t.input.right = true;
    else if (roll < 378) keys.push_back(kKeyEscape);
    else return false;
    return true;
}
