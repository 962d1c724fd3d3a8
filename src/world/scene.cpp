// SPDX-License-Identifier: MIT
// scene.cpp - scenes, their registry and the rebuild of the screen on entry.
#include "world/scene.h"

#include <cstdio>
#include <deque>
#include <set>

#include "frame/clock.h"
#include "frame/game_state.h"
#include "gfx/anim.h"
#include "gfx/cursor.h"
#include "gfx/display.h"
#include "gfx/graphic.h"
#include "gfx/speech.h"
#include "world/inventory.h"
#include "world/object.h"
#include "world/verbs.h"
#include "world/walk.h"

namespace {

// The cursor slot every interface scene starts with; setCursor swaps it for
// the verb's cursor right away.
constexpr const char* kCursorSlotFile = "gfx/gui/click.bmp";
constexpr int32_t kCursorSlotPos = 64;
constexpr int32_t kCursorSlotW = 36;
constexpr int32_t kCursorSlotH = 48;
constexpr int32_t kCursorSlotDelay = 4;
constexpr int32_t kCursorSlotStripEnd = 912;

// A sprite made from a template takes over the template's frames and animation
// and shares its picture.
Graphic* addFromTemplate(DisplayList& list, const Graphic& t, const std::string& name, int32_t x,
                         int32_t y) {
    return addSprite(list, t.path, name, x, y, t.frameWidth, t.frameHeight, t.delayCurrent,
                     t.stripEnd, t.animMode);
}

}  // namespace

Scene* newScene(const std::string& name, const std::string& backgroundName,
                const std::string& walkMapName) {
    Scene* s = new Scene();
    s->name = name;
    s->backgroundName = backgroundName;
    s->walkMapName = walkMapName;
    s->showInterface = 1;
    s->hasPlayer = 1;
    return s;
}

void registerScene(SceneRegistry& reg, const std::string& name, Scene* scene) {
    reg.scenes.emplace(name, scene);  // the first registration of a name wins
}

Scene* findScene(const SceneRegistry& reg, const std::string& name) {
    auto it = reg.scenes.find(name);
    return it == reg.scenes.end() ? nullptr : it->second;
}

void addObjectToScene(Scene* scene, SceneObject* obj) {
    if (scene && obj) scene->objects.push_back(obj);
}

void addSceneObjectSprites(GameState& gs, const Scene& scene) {
    for (SceneObject* obj : scene.objects) {
        if (!obj || !obj->active) continue;
        if (gs.player && isInInventory(*gs.player, obj)) continue;  // carried, not lying here
        const Graphic* t = findGraphic(*gs.graphics, obj->graphicName);
        if (!t) {
            printf("Item nicht gefunden!\n");
            continue;
        }
        addFromTemplate(*gs.displayList, *t, obj->name, obj->x, obj->y);
    }
}

std::vector<PictureWish> picturesAheadOf(const SceneRegistry& reg, const GraphicStore& store,
                                         const std::string& from) {
    auto pathOf = [&](const std::string& name) {
        const Graphic* t = findGraphic(store, name);
        return t ? t->path : std::string();
    };
    std::vector<PictureWish> wishes;
    auto wish = [&](const std::string& name, bool floor) {
        const std::string path = pathOf(name);
        if (!path.empty()) wishes.push_back({path, floor});
    };
    std::set<std::string> named;  // pictures some scene shows
    for (const auto& it : reg.scenes) {
        named.insert(it.second->backgroundName);
        named.insert(it.second->walkMapName);
        for (const SceneObject* o : it.second->objects) named.insert(o->graphicName);
    }
    std::set<std::string> seen{from};
    std::deque<std::string> queue{from};
    bool first = true;
    while (!queue.empty()) {
        const Scene* scene = findScene(reg, queue.front());
        queue.pop_front();
        if (!scene) continue;
        wish(scene->backgroundName, false);
        for (const SceneObject* o : scene->objects) wish(o->graphicName, false);
        if (scene->hasPlayer == 1) wish(scene->walkMapName, true);
        if (first) {  // what every scene may show comes right after the first
            wishes.push_back({kHeroSheetFile, false});
            for (const auto& it : store)
                if (!named.count(it.first)) wishes.push_back({it.second->path, false});
            first = false;
        }
        std::vector<std::string> next;
        for (const SceneObject* o : scene->objects)
            if (!o->exitTarget.empty()) next.push_back(o->exitTarget);
        next.insert(next.end(), scene->successors.begin(), scene->successors.end());
        for (const std::string& n : next)
            if (seen.insert(n).second) queue.push_back(n);
    }
    return wishes;
}

void enterScene(GameState& gs) {
    SceneRegistry& reg = *gs.scenes;
    Scene* scene = findScene(reg, reg.currentScene);
    if (!scene) {
        // A content error: stay where we are rather than build a screen from nothing.
        printf("Szene nicht gefunden: %s\n", reg.currentScene.c_str());
        reg.currentScene = reg.enteredScene;
        return;
    }
    reg.enteredScene = reg.currentScene;
    DisplayList& list = *gs.displayList;
    CursorState& cursor = *gs.cursor;

    gs.pendingScene.clear();
    clearDisplayList(list);

    // The background always comes first: the pointer test never hits index 0.
    // A missing background is reported once by name and leaves an empty sprite.
    if (const Graphic* bg = spriteTemplate(*gs.graphics, scene->backgroundName)) {
        addFromTemplate(list, *bg, "Background", 0, 0);
    } else {
        addSprite(list, "", "Background", 0, 0, 0, 0, 0, 0, 0);
    }

    addSceneObjectSprites(gs, *scene);

    if (scene->showInterface == 1) {
        // A flash strip that rests until an item is taken.
        addSprite(list, spriteTemplatePath(*gs.graphics, "InvCursor"), "EnterInventory", kInvButtonX,
                  kInvButtonY, kInvButtonSize, kInvButtonSize, kInvButtonDelay,
                  kInvButtonStripEnd, kStill);
    }

    if (scene->hasPlayer == 1 && gs.player) {
        createPlayerSprite(*gs.player);
        gs.player->targetX = kNoTarget;
        gs.player->targetY = kNoTarget;
    }

    cursor.cursorEnabled = 0;
    if (scene->showInterface == 1) {
        cursor.cursorEnabled = 1;
        addSprite(list, kCursorSlotFile, "ClickCursor", kCursorSlotPos, kCursorSlotPos,
                  kCursorSlotW, kCursorSlotH, kCursorSlotDelay, kCursorSlotStripEnd, kLoop);
        cursor.cursorShown = 1;
        setCursor(cursor, gs.cursorMode);
    }

    gs.hoveredObject = nullptr;
    gs.hoverCursor = 0;
    gs.clockStartTicks = ticksNow();
    gs.clockSeconds = 0;
    gs.clockTicked = 1;
    gs.speechQueue->secondsShown = 0;
    clearSpeech(*gs.speechQueue);

    if (!scene->enterCallback.empty()) runCallback(gs, scene->enterCallback);

    // The button only flashes once something was taken; the Enter script may
    // have rebuilt the list, so look the button up afresh.
    if (Graphic* button = findSprite(*gs.displayList, "EnterInventory")) {
        button->animMode = 0;
        button->delayCurrent = 0;
        button->srcY = 0;
    }
}

void changeSceneKeepingPlayer(GameState& gs) {
    if (!findScene(*gs.scenes, gs.scenes->currentScene)) {
        enterScene(gs);  // refuses the change and leaves the hero and his exit alone
        return;
    }
    saveHeroPlace(gs);
    if (gs.player) gs.player->lastExit.clear();
    enterScene(gs);
    restoreHeroPlace(gs);
}

bool inInteractivePlay(const GameState& gs) {
    const Scene* scene = findScene(*gs.scenes, gs.scenes->currentScene);
    return scene && scene->showInterface == 1 && scene->hasPlayer == 1 && !gs.quitting &&
           !gs.activePartner && !findSprite(*gs.displayList, "ExitDialog") && gs.inventoryOpen != 1 &&
           gs.cursor->cursorEnabled == 1;
}
