// SPDX-License-Identifier: MIT
// engine.cpp - linking the records, the video mode, one frame and the loop around it.
#include "frame/engine.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "frame/clock.h"
#include "gfx/graphic.h"
#include "world/command.h"
#include "world/markers.h"
#include "world/walk.h"

const char* const kWebAddress = "https://hollowmere.example.org";

static const char* const kIconPath = "gfx/icon.bmp";
// Of a frame's spare time, what is left unspent on reading ahead: one picture
// may take longer than the rest of the budget.
static const uint32_t kSpareMarginMs = 6;
// What a frame must have left for the game's own spare-time work ("SpareTime",
// one step of work the game does once, ahead of need).
static const uint32_t kSpareWorkMs = 12;
static const int kHeroStartFootX = 364;  // where a hero sprite appears before any walk
static const int kHeroStartFootY = 248;

void linkEngine(Engine& e) {
    GameState& gs = e.game;
    gs.objects = &e.objects;
    gs.scenes = &e.scenes;
    gs.textRenderer = &e.text;
    gs.speechQueue = &e.speech;
    gs.textTable = &e.texts;
    gs.graphics = &e.graphics;
    gs.cursor = &e.cursor;
    gs.player = &e.player;
    gs.displayList = &e.display;
    gs.dialogue = &e.initialPartner;
    gs.escapePressed = 0;
    gs.quitting = 0;
    gs.idleVariant = 0;
    gs.engine = &e;

    e.scenes.graphics = &e.graphics;
    e.target.displayList = &e.display;
    e.target.fullscreen = 0;
    e.text.speechQueue = &e.speech;
    e.text.renderTarget = &e.target;
    e.cursor.graphicStore = &e.graphics;
    e.cursor.displayList = &e.display;
    e.cursor.mouse = &e.input;

    PlayerState& p = e.player;
    p.graphics = &e.graphics;
    p.sprites = &e.display;
    p.speech = &e.speech;
    p.input = &e.input;
    p.scenes = &e.scenes;
    p.renderTarget = &e.target;
    p.footX = kHeroStartFootX;
    p.footY = kHeroStartFootY;
    p.targetX = p.targetY = kNoTarget;
    p.lastExit.clear();

    e.running = true;
    e.caption = std::string("Quobble Tuftwhirl - ") + kWebAddress;
}

WindowChoice windowChoice(const Engine& e) {
    WindowChoice choice;
    choice.fullscreen = e.target.fullscreen != 0;
    choice.smooth = e.smooth;
    choice.width = e.windowWidth;
    choice.height = e.windowHeight;
    return choice;
}

int initVideo(Engine& e) {
    e.target.screen = platformOpenWindow(windowChoice(e), e.caption, kIconPath);
    e.target.composedOn = nullptr;
    e.target.presentNext = true;
    return e.target.screen ? 0 : 1;
}

void switchFullscreen(Engine& e) {
    if (!e.target.fullscreen) platformWindowSize(e.windowWidth, e.windowHeight);  // as the player sized it
    e.target.fullscreen = !e.target.fullscreen;
    initVideo(e);  // a failure is reported on the console; the game goes on
}

void loadInterface(Engine& e) {
    loadFonts(e.text);
    loadCursorGraphics(e.cursor);
    platformHidePointer();  // the game draws its own cursor sprite
}

void releaseWorld(Engine& e) {
    clearDisplayList(e.display);
    for (auto& it : e.objects) delete it.second;
    e.objects.clear();
    for (auto& it : e.scenes.scenes) delete it.second;
    e.scenes.scenes.clear();
    for (DialoguePartner* p : e.partners) deleteDialoguePartner(p);
    e.partners.clear();
    e.player.inventory.clear();
}

void releaseEngine(Engine& e) {
    clearDisplayList(e.display);
    clearSpeech(e.speech);
    for (auto& it : e.graphics) deleteGraphic(it.second);
    e.graphics.clear();
    releasePictures();
    for (auto& it : e.texts) delete it.second;
    e.texts.clear();
    releaseWorld(e);
    for (SDL_Surface** font : {&e.text.font8, &e.text.font16, &e.text.font24}) {
        if (*font) SDL_FreeSurface(*font);
        *font = nullptr;
    }
}

// Set by a signal that asks the program to end; the next frame ends it as a
// closed window would. Nothing else happens inside the handler.
static volatile sig_atomic_t gStopSignal = 0;

static void onStopSignal(int) { gStopSignal = 1; }

void catchStopSignals() {
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) signal(sig, onStopSignal);
}

FrameEvents sampleFrameEvents() {
    PlatformEvents happened;
    platformPollEvents(happened);
    FrameEvents ev;
    ev.quit = happened.quit || gStopSignal;
    ev.leaving = happened.leaving;
    ev.exposed = happened.exposed;
    ev.keys.swap(happened.keys);
    ev.input = sampleInput();
    // A tap pressed and released between two frames still counts as held for
    // this frame, or the click would be lost.
    ev.input.left = ev.input.left || happened.leftWentDown;
    ev.input.right = ev.input.right || happened.rightWentDown;
    return ev;
}

void advanceClock(GameState& gs) {
    const uint32_t now = ticksNow();
    if (now - gs.clockStartTicks >= 1000) {
        gs.clockTicked = 1;
        gs.speechQueue->secondsShown += 1;
        // after 302 the clock goes on at 2, never 0 or 1 until a script restarts it
        gs.clockSeconds = (gs.clockSeconds > 301 ? 1 : gs.clockSeconds) + 1;
        gs.clockStartTicks = now;  // the new second starts now, so the clock runs slightly slow
    } else {
        gs.clockTicked = 0;
    }
}

// Escape is a level for the scripts: it stays set until another key goes down.
static void handleKey(Engine& e, GameKey key) {
    if (key == kKeyEscape) {
        e.game.escapePressed = 1;
        return;
    }
    e.game.escapePressed = 0;
    if (key == kKeyF5) runCallback(e.game, "SaveGame");     // the game decides when it may
    if (key == kKeyF6) runCallback(e.game, "SavedGames");
    if (key == kKeyF7) runCallback(e.game, "RestoreGame");
    if (key == kKeyF9 || key == kKeyAltReturn) switchFullscreen(e);
}

void runFrame(Engine& e, const FrameEvents& events) {
    GameState& gs = e.game;
    e.frameStartTicks = ticksNow();
    // Everything drawn from here on is noted; the picture is composed at the end.
    // Only composing needs the screen: animations, conversations and speech go
    // on without one (after a failed video mode change).
    beginFrameDrawing(e.target);
    if (gs.quitting && gs.clockSeconds > 10) e.running = false;  // this frame still runs

    if (events.quit || events.leaving) runCallback(gs, "AutoSave");  // closing keeps the game being played
    if (events.quit) e.running = false;
    if (events.exposed) e.target.presentNext = true;
    for (GameKey key : events.keys) handleKey(e, key);

    pollInput(e.input, events.input);
    followMouse(e.cursor);
    dispatchClicks(gs);

    if (const Scene* scene = findScene(e.scenes, e.scenes.currentScene))
        if (!scene->alwaysCallback.empty()) runCallback(gs, scene->alwaysCallback);

    drawDisplayList(e.target);
    if (e.input.tabDown) drawHotSpotMarkers(gs, e.target);
    dialogueFrame(gs);
    if (findSprite(e.display, "ExitDialog")) drawTopSprite(e.target);

    if (e.input.rightClicked) {
        cycleCursorMode(gs);
        setCursor(e.cursor, gs.cursorMode);
    }
    gs.hoveredObject = findObject(e.objects, spriteUnderPointer(e.cursor));
    if (e.input.leftClicked) {
        if (gs.hoverCursor == kModeExit) gs.cursorMode = kModeWalk;
        const std::string hit = spriteUnderPointer(e.cursor);
        if (!hit.empty()) gs.clickedObject = findObject(e.objects, hit);
    } else {
        gs.clickedObject = nullptr;
    }

    walkPlayer(e.player);
    advanceClock(gs);
    if (gs.clockTicked && findScene(e.scenes, e.scenes.currentScene) &&
        findScene(e.scenes, e.scenes.currentScene)->hasPlayer == 1)
        ++gs.playedSeconds;

    updateSpeech(e.text);
    presentFrame(e);
    // A new scene: what it and the scenes after it show is read ahead, nearest first.
    if (e.target.readsAhead && e.scenes.enteredScene != e.readAheadFrom) {
        e.readAheadFrom = e.scenes.enteredScene;
        decodeAhead(picturesAheadOf(e.scenes, e.graphics, e.readAheadFrom));
    }
    // Once the new scene is on the window: saves take its picture.
    if (e.scenes.enteredScene != e.frameScene && !e.target.picturesMissing) {
        e.frameScene = e.scenes.enteredScene;
        runCallback(gs, "SceneChanged");
    }
    e.input.leftClicked = 0;
    e.input.rightClicked = 0;
}

bool presentFrame(Engine& e) {
    // Handing a frame to the window is the dearest step on a machine without a
    // graphics card; an idle scene repeats most frames, so repeats stay home.
    return composeFrame(e.target);
}

void waitForFrameEnd(Engine& e) {
    // The frame's spare time reads pictures ahead (all there is without a
    // worker thread), then the loop sleeps through the rest instead of
    // spinning: an idle game stays quiet.
    uint32_t elapsed = ticksNow() - e.frameStartTicks;
    if (e.target.readsAhead && elapsed + kSpareMarginMs < kFrameMs) {
        // what the frame waits for first, then what comes after it
        if (readMissingPictures(e.target, kFrameMs - elapsed - kSpareMarginMs)) {
            elapsed = ticksNow() - e.frameStartTicks;
            if (elapsed + kSpareMarginMs < kFrameMs) decodeAheadFor(kFrameMs - elapsed - kSpareMarginMs);
        }
        elapsed = ticksNow() - e.frameStartTicks;
    }
    if (elapsed + kSpareWorkMs <= kFrameMs) {
        runCallback(e.game, "SpareTime");
        elapsed = ticksNow() - e.frameStartTicks;
    }
    if (elapsed < kFrameMs) sleepTicks(kFrameMs - elapsed);
}

// One frame of the loop and the rest of its 16 ms; false once the game ends.
static bool loopFrame(void* engine) {
    Engine& e = *static_cast<Engine*>(engine);
    runFrame(e, sampleFrameEvents());
    waitForFrameEnd(e);
    return e.running;
}

void mainLoop(Engine& e) { platformRunLoop(loopFrame, &e); }
