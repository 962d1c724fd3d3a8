// main.cpp - start-up, the loop, shutdown. The command line and the remembered
// settings choose the window; every run starts the game from its beginning.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "frame/datadir.h"
#include "frame/engine.h"
#include "frame/options.h"
#include "game/content.h"
#include "game/edition.h"
#include "gfx/display.h"
#include "world/scene.h"

#ifdef HOLLOWMERE_GERMAN
static const Edition& kEdition = kGerman;
static const char* const kEditionName = "German edition";
#else
static const Edition& kEdition = kEnglish;
static const char* const kEditionName = "English edition";
#endif
#ifndef HOLLOWMERE_VERSION
#define HOLLOWMERE_VERSION "0"
#endif

static Engine gEngine;  // every engine record, once, for the whole run

// For the test suite only: HOLLOWMERE_TEST_FRAMES=N runs N frames, pressing
// Escape once a second to skip the intro sequences, then prints the scene it
// stopped in and exits.
static void runTestFrames(Engine& e, int frames) {
    const int kEscapeEvery = 60;
    for (int i = 0; i < frames && e.running; ++i) {
        FrameEvents events = sampleFrameEvents();
        if (i % kEscapeEvery == kEscapeEvery - 1) events.keys.push_back(kKeyEscape);
        runFrame(e, events);
        waitForFrameEnd(e);
    }
    printf("Test run stopped in scene %s\n", e.scenes.currentScene.c_str());
}

int main(int argc, char** argv) {
    const CommandLine args = parseCommandLine(argc, argv);
    if (args.help) {
        printf("%s", usageText(argv[0]).c_str());
        return 0;
    }
    if (args.version) {
        printf("Quobble Tuftwhirl (hollowmere), %s, version %s\n", kEditionName, HOLLOWMERE_VERSION);
        return 0;
    }
    char cwd[4096] = "";
    const std::vector<std::string> places = dataPlaces(
        args.dataFolder, getenv("HOLLOWMERE_DATA"), executableFolder(), getcwd(cwd, sizeof cwd) ? cwd : "");
    const std::string data = findDataFolder(places);
    if (data.empty() || chdir(data.c_str()) != 0) {  // the catalogue names pictures below gfx/
        printf("%s\n", noDataMessage(places).c_str());
        return 1;
    }

    const std::string settingsFile = settingsPath();
    const Settings stored = loadSettings(settingsFile);
    Settings chosen = applyCommandLine(stored, args);
    Engine& e = gEngine;
    linkEngine(e);
    e.target.fullscreen = chosen.fullscreen;
    e.windowScale = chosen.scale;
    if (!platformStartVideo(windowChoice(e)) || initVideo(e) != 0) return 1;  // nothing to draw into
    int w = 0, h = 0;
    if (chosen.scale > 1 && !chosen.fullscreen && !platformWindowSize(w, h))
        printf("The window is not scaled: --scale needs SDL 1.2 through sdl12-compat\n");
    else if (chosen.scale > 1 && !chosen.fullscreen && w != kScreenWidth * chosen.scale)
        printf("The window could not be scaled: it is %dx%d\n", w, h);
    if (chosen.fullscreen != stored.fullscreen || chosen.scale != stored.scale)
        saveSettings(settingsFile, chosen);
    loadInterface(e);
    buildContent(e, kEdition);
    enterScene(e.game);
    decodePicturesAhead(e);  // the rest of the pictures, while the first scene plays
    const char* testFrames = getenv("HOLLOWMERE_TEST_FRAMES");
    if (testFrames && atoi(testFrames) > 0) {
        runTestFrames(e, atoi(testFrames));
    } else {
        mainLoop(e);
    }
    if ((e.target.fullscreen != 0) != chosen.fullscreen) {  // F9 changed it: remember the last choice
        chosen.fullscreen = e.target.fullscreen != 0;
        saveSettings(settingsFile, chosen);
    }
    clearDisplayList(e.display);
    return 0;
}
