// SPDX-License-Identifier: MIT
// world_fixture.h - a small world for the world tests: two scenes on a white
// walk map, a handful of 40x40 objects and the default replies.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/graphic.h"
#include "harness.h"
#include "world/command.h"
#include "world/dialogue.h"
#include "world/inventory.h"
#include "world/reply.h"
#include "world/verbs.h"

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// How often each script ran; reset by every fixture.
struct ScriptRuns {
    int enterHof, enterFeld, usePail, takeApple, goGate;
};
inline ScriptRuns gRuns;

struct WorldTest : testing::Test {
    TestEngine t;
    GameState& gs = t.gs();
    Scene* hof = nullptr;
    Scene* feld = nullptr;
    SceneObject *stone, *apple, *gate, *girl, *pail;

    void SetUp() override {
        gRuns = {};
        image("Bg", 8, 8, 0x204020);
        image("Box", 40, 40, 0x808080);
        image("IconBox", 30, 30, 0xc0c000);
        image("WalkFloor", 800, 600, 0xffffff);
        // The conversation's bar and leave button are the test's own, whatever
        // art lies beside the tests: the bar stops short of the button, which
        // the pointer test would otherwise never reach (the bar comes first).
        useImage("DialogBar", writeTestBmp("DialogBar", 600, 118, 0x402020));
        useImage("NoTalk", writeTestBmp("NoTalk", 100, 60, 0x3030c0));

        defineText(t.e.texts, "NOT_TAKE", "I don't need that.");
        defineText(t.e.texts, "NOT_TALK", "I don't know what to say.");
        defineText(t.e.texts, "NOT_USE", "Why should I do that?");
        defineText(t.e.texts, "CONFIRM_TAKE", "Yay, I got it!");
        defineText(t.e.texts, "LOOK_Stone", "A stone.", 5, 0x00ff00);

        hof = scene("Hof");
        hof->enterCallback = "EnterHof";
        feld = scene("Feld");
        feld->enterCallback = "EnterFeld";
        registerCallback(gs, "EnterHof", [](GameState&) { ++gRuns.enterHof; });
        registerCallback(gs, "EnterFeld", [](GameState&) { ++gRuns.enterFeld; });
        registerCallback(gs, "USESCRIPT_Pail", [](GameState&) { ++gRuns.usePail; });
        registerCallback(gs, "TAKESCRIPT_Apple", [](GameState&) { ++gRuns.takeApple; });
        registerCallback(gs, "GoScriptGate", [](GameState&) { ++gRuns.goGate; });

        // Every object is walked to at y 400, below its middle (the gate: below it).
        stone = object(hof, "Stone", 100, 100, "", 150);
        stone->lookKey = "LOOK_Stone";
        apple = object(hof, "Apple", 200, 100, "IconBox", 250);
        apple->takeable = true;
        apple->takeScript = "TAKESCRIPT_Apple";
        girl = object(hof, "Girl", 300, 100, "", 200);
        pail = object(hof, "Pail", 400, 100, "", 420);
        pail->useScript = "USESCRIPT_Pail";
        gate = object(hof, "Gate", 700, 100, "", 700);
        gate->exitTarget = "Feld";
        gate->exitDirection = 3;
        gate->walkScript = "GoScriptGate";

        gs.cursorMode = kModeWalk;
        enter("Hof");
        standAt(200, 400);
    }

    // Points a template that may already be loaded at another file.
    void useImage(const std::string& name, const std::string& path) {
        loadGraphic(t.e.graphics, name, path);
        findGraphic(t.e.graphics, name)->path = path;
    }
    Graphic* image(const std::string& name, int w, int h, uint32_t rgb) {
        loadGraphic(t.e.graphics, name, writeTestBmp(name, w, h, rgb));
        return findGraphic(t.e.graphics, name);
    }
    Scene* scene(const std::string& name, const std::string& walkMap = "WalkFloor") {
        Scene* s = newScene(name, "Bg", walkMap);
        registerScene(t.e.scenes, name, s);
        return s;
    }
    // Registered so the engine frees it; listed in a scene when one is given.
    SceneObject* object(Scene* in, const std::string& name, int x, int y, const std::string& icon = "",
                        int walkToX = 0) {
        SceneObject* o = newSceneObject(x, y, name, "Box", icon);
        o->walkToX = walkToX;
        o->walkToY = walkToX ? 400 : 0;
        registerObject(t.e.objects, name, o);
        if (in) addObjectToScene(in, o);
        return o;
    }
    void enter(const std::string& name) {
        t.e.scenes.currentScene = name;
        enterScene(gs);
    }
    // Puts the hero's feet at (x, y) as if he had walked there.
    void standAt(int x, int y) {
        placePlayer(t.e.player, x, y);
        t.e.player.footX = x;
        t.e.player.footY = y;
    }
    void clickOn(const SceneObject* o) { t.click(o->x + 20, o->y + 20); }
    // Ends the line on screen; the verb comes back after the speech cursor.
    void hush() {
        clearSpeech(t.e.speech);
        t.frames(2);
    }
    void setMode(int mode) {
        gs.cursorMode = mode;
        setCursor(t.e.cursor, mode);
    }

    Graphic* sprite(const std::string& name) { return findSprite(t.e.display, name); }
    Graphic* hero() { return sprite("Player"); }
    std::string lastName() {
        const Graphic* g = lastSprite(t.e.display);
        return g ? g->name : "(empty)";
    }
    std::vector<std::string> names() {
        std::vector<std::string> out;
        for (const Graphic* g : t.e.display.sprites) out.push_back(g->name);
        return out;
    }
    bool idle() { return heroIdle(t.e.player); }
    bool walkUntilIdle(int maxFrames = 600) {
        return t.runUntil([this] { return idle(); }, maxFrames);
    }
};
